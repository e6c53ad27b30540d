#include "core/CodePage.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using quillon::Alignment;
using quillon::CharFormat;
using quillon::Paragraph;
using quillon::ParagraphFormat;
using quillon::RichDocument;
using quillon::Run;

std::optional<RichDocument> roundTrip(const RichDocument& document) {
    return quillon::readRtf(quillon::writeRtf(document));
}

void expectRoundTrip(const RichDocument& document) {
    const std::string rtf = quillon::writeRtf(document);
    const std::optional<RichDocument> back = quillon::readRtf(rtf);
    ASSERT_TRUE(back.has_value()) << rtf;
    EXPECT_EQ(*back, quillon::normalized(document)) << rtf;
}

CharFormat format(std::string family, int charset = 0) {
    CharFormat result;
    result.fontFamily = std::move(family);
    result.charset = charset;
    return result;
}

TEST(RtfRoundTrip, EveryFormatField) {
    CharFormat bold = format("Arial");
    bold.bold = true;
    CharFormat everything = format("Times New Roman");
    everything.fontSizeHalfPoints = 36;
    everything.bold = everything.italic = everything.underline = everything.strikeOut = true;
    everything.color = 0xFF8000;
    CharFormat black = format("");
    black.color = 0x000000;
    CharFormat cyrillic = format("Arial", 204);
    cyrillic.fontSizeHalfPoints = 7;

    RichDocument document;
    document.paragraphs.push_back({{{"plain ", {}}, {"bold", bold}, {" all", everything}}, {}});
    document.paragraphs.push_back({{{"black", black}, {"\u041F\u0440\u0438", cyrillic}},
                                   ParagraphFormat{Alignment::Center, 720, 360, -360}});
    document.paragraphs.push_back({{{"right", {}}}, ParagraphFormat{Alignment::Right, 0, 0, 0}});
    document.paragraphs.push_back(
        {{{"justified", everything}}, ParagraphFormat{Alignment::Justified, 1, 2, 3}});
    document.paragraphs.push_back({{}, ParagraphFormat{Alignment::Center, 100, 0, 0}});
    expectRoundTrip(document);
}

TEST(RtfRoundTrip, SpecialCharactersAndEscapes) {
    RichDocument document;
    document.paragraphs.push_back(
        {{{"tab\there\u2028line \u00A0nbsp\u00ADsoft\u2011hard {braces} back\\slash; 12", {}}},
         {}});
    document.paragraphs.push_back({{{" leading and trailing spaces  ", {}}}, {}});
    document.paragraphs.push_back({{{"\\b not a control word, \\'41 not a byte", {}}}, {}});
    document.paragraphs.push_back({{{"1234 digits after a format", format("Arial")}}, {}});
    document.paragraphs.push_back({{{"control \x01\x1f\r\n\x7f characters", {}}}, {}});
    expectRoundTrip(document);
}

TEST(RtfRoundTrip, TextOutsideCp1252) {
    RichDocument document;
    document.paragraphs.push_back({{{"caf\u00E9 \u20AC \u201Cquoted\u201D \u00FF \u0100 "
                                     "\u4E2D\u6587 \u05E9\u05DC\u05D5\u05DD "
                                     "\uFFFD \uFFFF",
                                     {}}},
                                   {}});
    document.paragraphs.push_back({{{"\U0001F4A9 \U00010330\U0001034A \U0010FFFF", {}}}, {}});
    document.paragraphs.push_back({{{"\u3042\u65E5\u672C \u00E9", format("MS Mincho", 128)},
                                    {"\u2022\u03B1 a", format("Symbol", 2)},
                                    {"\u00E9\u0160", format("Arial CE", 238)}},
                                   {}});
    expectRoundTrip(document);
}

TEST(RtfRoundTrip, FontNamesNeedingEscapes) {
    RichDocument document;
    document.paragraphs.push_back({{{"a", format("Font; with {braces} \\ and \u00E9\u4E2D")},
                                    {"b", format("", 204)},
                                    {"c", format("Tab\tName")}},
                                   {}});
    expectRoundTrip(document);
}

TEST(RtfRoundTrip, NormalizesRunsAndEmptyDocuments) {
    RichDocument document;
    document.paragraphs.push_back({{{"a", {}}, {"", format("X")}, {"b", {}}}, {}});
    const std::optional<RichDocument> back = roundTrip(document);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->paragraphs.size(), 1u);
    ASSERT_EQ(back->paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(back->paragraphs[0].runs[0].text, "ab");

    EXPECT_EQ(roundTrip(RichDocument{}), RichDocument{{Paragraph{}}});
}

TEST(RtfRoundTrip, WritesTheHeaderAndOnlyFormatChanges) {
    CharFormat bold;
    bold.bold = true;
    RichDocument document;
    document.paragraphs.push_back({{{"a", bold}}, {}});
    document.paragraphs.push_back({{{"b", bold}}, {}});
    const std::string rtf = quillon::writeRtf(document);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0", 0), 0u) << rtf;
    EXPECT_EQ(rtf.find("\\b"), rtf.rfind("\\b")) << "bold is written once: " << rtf;
    EXPECT_NE(rtf.find("\\par"), std::string::npos);
    EXPECT_NE(quillon::writeRtf({{{{{"\u00E9", {}}}, {}}}}).find("\\'e9"), std::string::npos);
    EXPECT_NE(quillon::writeRtf({{{{{"\U0001F4A9", {}}}, {}}}}).find("\\u-10179?\\u-9047?"),
              std::string::npos);
}

// Random documents from a small alphabet that reaches every path of the writer.
class RandomDocuments {
public:
    explicit RandomDocuments(unsigned seed) : random_(seed) {}

    RichDocument next() {
        RichDocument document;
        const int paragraphs = pick(0, 6);
        for (int i = 0; i < paragraphs; ++i) {
            Paragraph paragraph;
            paragraph.format.alignment = static_cast<Alignment>(pick(0, 3));
            paragraph.format.leftIndentTwips = pick(0, 2) == 0 ? pick(-2000, 20000) : 0;
            paragraph.format.rightIndentTwips = pick(0, 2) == 0 ? pick(-2000, 20000) : 0;
            paragraph.format.firstLineIndentTwips = pick(0, 2) == 0 ? pick(-2000, 2000) : 0;
            const int runs = pick(0, 5);
            for (int j = 0; j < runs; ++j) {
                paragraph.runs.push_back({text(), charFormat()});
            }
            document.paragraphs.push_back(std::move(paragraph));
        }
        return document;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    CharFormat charFormat() {
        static const char* const families[] = {"",          "Arial",  "Times New Roman",
                                               "MS Gothic", "Symbol", "A;{b}\\"};
        static const int charsets[] = {0, 0, 0, 1, 2, 77, 128, 134, 204, 238};
        CharFormat format;
        format.fontFamily = families[pick(0, 5)];
        format.charset = charsets[pick(0, 9)];
        format.fontSizeHalfPoints = pick(0, 3) == 0 ? 24 : pick(1, 400);
        format.bold = pick(0, 1) != 0;
        format.italic = pick(0, 1) != 0;
        format.underline = pick(0, 1) != 0;
        format.strikeOut = pick(0, 3) == 0;
        if (pick(0, 1) != 0) {
            format.color = static_cast<std::uint32_t>(pick(0, 0xFFFFFF));
        }
        return format;
    }

    std::string text() {
        static const char32_t specials[] = {'\\',    '{',     '}',    '\t',   ' ',    ';',
                                            '?',     '0',     '-',    0x2028, 0x00A0, 0x00AD,
                                            0x2011,  0x00E9,  0x20AC, 0x0416, 0x3042, 0xFFFD,
                                            0x1F600, 0x10330, 0x0007, 0x000A, 0x00FF, 0xFEFF};
        std::string result;
        const int length = pick(0, 12);
        for (int i = 0; i < length; ++i) {
            if (pick(0, 2) == 0) {
                quillon::appendUtf8(specials[pick(0, std::size(specials) - 1)], result);
            } else {
                result += static_cast<char>(pick(0x20, 0x7E));
            }
        }
        return result;
    }

    std::mt19937 random_;
};

TEST(RtfRoundTrip, RandomDocuments) {
    RandomDocuments documents(20240611);
    for (int i = 0; i < 500; ++i) {
        const RichDocument document = documents.next();
        const std::string rtf = quillon::writeRtf(document);
        const std::optional<RichDocument> back = quillon::readRtf(rtf);
        ASSERT_TRUE(back.has_value()) << rtf;
        ASSERT_EQ(*back, quillon::normalized(document)) << "document " << i << ":\n" << rtf;
    }
}

} // namespace
