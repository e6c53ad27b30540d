// Writes a formatted sample document with the program's RTF writer, and its text beside it:
//   write_rtf_sample OUT.rtf OUT.txt
// Other programs' readers must find the same text in OUT.rtf.
#include "core/RichDocument.h"
#include "core/RtfWriter.h"

#include <cstdio>
#include <fstream>
#include <string>

using namespace quillon;

namespace {

RichDocument sample() {
    CharFormat plain;
    plain.fontFamily = "Arial";
    CharFormat bold = plain;
    bold.bold = true;
    CharFormat redItalic = plain;
    redItalic.italic = true;
    redItalic.color = 0xc00000;
    CharFormat large = plain;
    large.fontFamily = "Times New Roman";
    large.fontSizeHalfPoints = 36;
    large.underline = true;
    CharFormat struck = plain;
    struck.strikeOut = true;

    RichDocument document;
    auto paragraph = [&](Alignment alignment, std::initializer_list<Run> runs) {
        Paragraph p;
        p.format.alignment = alignment;
        p.format.leftIndentTwips = alignment == Alignment::Left ? 360 : 0;
        p.runs = runs;
        document.paragraphs.push_back(std::move(p));
    };
    paragraph(Alignment::Left, {{"Plain, ", plain},
                                {"bold", bold},
                                {" and ", plain},
                                {"red italic", redItalic},
                                {" words.", plain}});
    paragraph(Alignment::Center, {{"Braces {} and a backslash \\ with\ta tab.", large}});
    paragraph(Alignment::Right, {{"Caf\xc3\xa9 \xe2\x82\xac 5 \xe2\x80\x94 na\xc3\xafve", struck}});
    paragraph(Alignment::Justified,
              {{"\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82 \xce\xb1\xce\xb2 "
                "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e \xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d",
                plain}});
    paragraph(Alignment::Left, {{"First line\xe2\x80\xa8second line", plain}});
    return document;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_rtf_sample OUT.rtf OUT.txt\n");
        return 2;
    }
    const RichDocument document = sample();
    std::ofstream(argv[1], std::ios::binary) << writeRtf(document);
    std::string text = plainText(document);
    for (std::size_t at; (at = text.find("\xe2\x80\xa8")) != std::string::npos;)
        text.replace(at, 3, "\n");
    std::ofstream(argv[2], std::ios::binary) << text;
    return 0;
}
