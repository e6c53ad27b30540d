#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The document model behind the editor's rich mode: paragraphs of formatted runs of UTF-8 text.
namespace quillon {

// Characters with a meaning of their own inside a run's text.
namespace richchars {
inline constexpr std::string_view tab = "\t";
inline constexpr std::string_view lineBreak = "\u2028";         // \line: a break inside a paragraph
inline constexpr std::string_view nonBreakingSpace = "\u00A0";  // \~
inline constexpr std::string_view optionalHyphen = "\u00AD";    // \-
inline constexpr std::string_view nonBreakingHyphen = "\u2011"; // \_
} // namespace richchars

struct CharFormat {
    std::string fontFamily;      // from the font table; empty = the default font
    int fontSizeHalfPoints = 24; // \fs
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::optional<std::uint32_t> color; // 0xRRGGBB from the colour table; nullopt = automatic
    int charset = 0;                    // the font's \fcharset

    bool operator==(const CharFormat&) const = default;
};

struct Run {
    std::string text; // UTF-8
    CharFormat format;

    bool operator==(const Run&) const = default;
};

enum class Alignment { Left, Center, Right, Justified };

struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int leftIndentTwips = 0;
    int rightIndentTwips = 0;
    int firstLineIndentTwips = 0;

    bool operator==(const ParagraphFormat&) const = default;
};

struct Paragraph {
    std::vector<Run> runs;
    ParagraphFormat format;

    bool operator==(const Paragraph&) const = default;
};

struct RichDocument {
    std::vector<Paragraph> paragraphs;

    bool operator==(const RichDocument&) const = default;
};

// The text of a paragraph: its runs' texts one after the other.
inline std::string plainText(const Paragraph& paragraph) {
    std::string text;
    for (const Run& run : paragraph.runs) {
        text += run.text;
    }
    return text;
}

// The text of a document: its paragraphs' texts joined by '\n'.
inline std::string plainText(const RichDocument& document) {
    std::string text;
    bool first = true;
    for (const Paragraph& paragraph : document.paragraphs) {
        if (!first) {
            text += '\n';
        }
        first = false;
        for (const Run& run : paragraph.runs) {
            text += run.text;
        }
    }
    return text;
}

// The form the RTF reader gives a document: no empty runs, adjacent runs with equal formats merged,
// and at least one paragraph. Writing a document and reading it back gives normalized(document).
inline RichDocument normalized(RichDocument document) {
    for (Paragraph& paragraph : document.paragraphs) {
        std::vector<Run> runs;
        runs.reserve(paragraph.runs.size());
        for (Run& run : paragraph.runs) {
            if (run.text.empty()) {
                continue;
            }
            if (!runs.empty() && runs.back().format == run.format) {
                runs.back().text += run.text;
            } else {
                runs.push_back(std::move(run));
            }
        }
        paragraph.runs = std::move(runs);
    }
    if (document.paragraphs.empty()) {
        document.paragraphs.emplace_back();
    }
    return document;
}

} // namespace quillon
