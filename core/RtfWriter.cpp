#include "core/RtfWriter.h"

#include "core/CodePage.h"
#include "core/RtfScan.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace quillon {

namespace {

// Bytes that cannot be copied into RTF text as they are.
constexpr std::array<bool, 256> makeSpecialBytes() {
    std::array<bool, 256> special{};
    for (int c = 0; c < 256; ++c) {
        special[c] = c < 0x20 || c >= 0x80;
    }
    special['\\'] = true;
    special['{'] = true;
    special['}'] = true;
    return special;
}
constexpr std::array<bool, 256> specialBytes = makeSpecialBytes();


// The character at text[index], advancing index; the common two- and three-byte forms inline.
char32_t nextCharacter(std::string_view text, std::size_t& index) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char lead = bytes[index];
    if (lead >= 0xC2 && lead <= 0xDF && index + 1 < text.size() &&
        (bytes[index + 1] & 0xC0) == 0x80) {
        index += 2;
        return (char32_t(lead & 0x1F) << 6) | (bytes[index - 1] & 0x3F);
    }
    if (lead >= 0xE1 && lead <= 0xEC && index + 2 < text.size() &&
        (bytes[index + 1] & 0xC0) == 0x80 && (bytes[index + 2] & 0xC0) == 0x80) {
        index += 3;
        return (char32_t(lead & 0x0F) << 12) | (char32_t(bytes[index - 2] & 0x3F) << 6) |
               (bytes[index - 1] & 0x3F);
    }
    return decodeUtf8(text, index);
}

// cp1252's bytes for the characters U+0080..U+2122; 0 = not in cp1252.
class Cp1252Encoder {
public:
    Cp1252Encoder() {
        const CodePage* page = CodePage::get(1252);
        for (int byte = 0x80; byte < 0x100; ++byte) {
            const char32_t character = page->decode(static_cast<unsigned char>(byte));
            if (character >= 0x80 && character < limit && bytes_[character] == 0) {
                bytes_[character] = static_cast<unsigned char>(byte);
            }
        }
    }

    unsigned char encode(char32_t character) const {
        return character < limit ? bytes_[character] : 0;
    }

private:
    static constexpr char32_t limit = 0x2200;
    std::array<unsigned char, limit> bytes_{};
};

const Cp1252Encoder& cp1252() {
    static const Cp1252Encoder encoder;
    return encoder;
}

struct FontKey {
    std::string_view family;
    int charset;
};

constexpr std::size_t maxWordLength = 16;

class Writer {
public:
    explicit Writer(const RichDocument& document) : document_(document) {}

    std::string write();

private:
    void collectTables();
    int fontNumber(const CharFormat& format);
    int colorIndex(const std::optional<std::uint32_t>& color);
    void writeParagraphFormat(const ParagraphFormat& format);
    struct RunTables {
        int font;
        int color;
    };
    void writeCharFormat(const CharFormat& format, RunTables tables);
    void writeText(std::string_view text, bool cp1252Bytes);
    void writeCharacter(char32_t character, bool cp1252Bytes);
    void writeEscapedName(std::string_view name);
    void control(std::string_view word);
    void control(std::string_view word, int value);
    void unicode(std::uint32_t unit);

    const RichDocument& document_;
    std::string out_;
    bool delimit_ = false; // the last thing written was a control word that needs a delimiter

    std::vector<FontKey> fonts_; // font i + 1
    std::size_t lastFont_ = 0;
    std::vector<std::uint32_t> colors_; // colour i + 1
    std::vector<RunTables> runTables_;  // each non-empty run's font and colour, in order
    std::size_t lastColor_ = 0;

    // The character format in effect where the output has got to.
    int font_ = 0;
    int fontSize_ = 24;
    int color_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool strike_ = false;
};

int Writer::fontNumber(const CharFormat& format) {
    if (format.fontFamily.empty() && format.charset == 0) {
        return 0;
    }
    if (lastFont_ < fonts_.size() && fonts_[lastFont_].charset == format.charset &&
        fonts_[lastFont_].family == format.fontFamily) {
        return static_cast<int>(lastFont_) + 1;
    }
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].charset == format.charset && fonts_[i].family == format.fontFamily) {
            lastFont_ = i;
            return static_cast<int>(i) + 1;
        }
    }
    fonts_.push_back({format.fontFamily, format.charset});
    lastFont_ = fonts_.size() - 1;
    return static_cast<int>(fonts_.size());
}

int Writer::colorIndex(const std::optional<std::uint32_t>& color) {
    if (!color) {
        return 0;
    }
    const std::uint32_t rgb = *color & 0xFFFFFF;
    if (lastColor_ < colors_.size() && colors_[lastColor_] == rgb) {
        return static_cast<int>(lastColor_) + 1;
    }
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        if (colors_[i] == rgb) {
            lastColor_ = i;
            return static_cast<int>(i) + 1;
        }
    }
    colors_.push_back(rgb);
    lastColor_ = colors_.size() - 1;
    return static_cast<int>(colors_.size());
}

void Writer::collectTables() {
    for (const Paragraph& paragraph : document_.paragraphs) {
        for (const Run& run : paragraph.runs) {
            if (!run.text.empty()) {
                runTables_.push_back({fontNumber(run.format), colorIndex(run.format.color)});
            }
        }
    }
}

void Writer::control(std::string_view word) {
    char buffer[maxWordLength + 1];
    buffer[0] = '\\';
    std::memcpy(buffer + 1, word.data(), word.size());
    out_.append(buffer, word.size() + 1);
    delimit_ = true;
}

void Writer::control(std::string_view word, int value) {
    char buffer[maxWordLength + 16];
    buffer[0] = '\\';
    std::memcpy(buffer + 1, word.data(), word.size());
    char* const digits = buffer + 1 + word.size();
    const auto result = std::to_chars(digits, digits + 12, value);
    out_.append(buffer, result.ptr);
    delimit_ = true;
}

void Writer::unicode(std::uint32_t unit) {
    char buffer[16] = {'\\', 'u'};
    const int value = unit < 0x8000 ? static_cast<int>(unit) : static_cast<int>(unit) - 0x10000;
    char* const end = std::to_chars(buffer + 2, buffer + 14, value).ptr;
    *end = '?';
    out_.append(buffer, end + 1);
    delimit_ = false;
}

void Writer::writeEscapedName(std::string_view name) {
    std::size_t index = 0;
    while (index < name.size()) {
        const auto byte = static_cast<unsigned char>(name[index]);
        if (byte == ';') {
            out_ += "\\'3b";
            ++index;
            continue;
        }
        if (!specialBytes[byte]) {
            if (delimit_) {
                out_ += ' ';
                delimit_ = false;
            }
            out_ += static_cast<char>(byte);
            ++index;
            continue;
        }
        writeCharacter(decodeUtf8(name, index), false);
    }
}

void Writer::writeParagraphFormat(const ParagraphFormat& format) {
    control("pard");
    switch (format.alignment) {
    case Alignment::Left:
        break;
    case Alignment::Center:
        control("qc");
        break;
    case Alignment::Right:
        control("qr");
        break;
    case Alignment::Justified:
        control("qj");
        break;
    }
    if (format.leftIndentTwips != 0) {
        control("li", format.leftIndentTwips);
    }
    if (format.rightIndentTwips != 0) {
        control("ri", format.rightIndentTwips);
    }
    if (format.firstLineIndentTwips != 0) {
        control("fi", format.firstLineIndentTwips);
    }
}

void Writer::writeCharFormat(const CharFormat& format, RunTables tables) {
    const int font = tables.font;
    if (font != font_) {
        control("f", font);
        font_ = font;
    }
    if (format.fontSizeHalfPoints != fontSize_) {
        control("fs", format.fontSizeHalfPoints);
        fontSize_ = format.fontSizeHalfPoints;
    }
    if (format.bold != bold_) {
        format.bold ? control("b") : control("b", 0);
        bold_ = format.bold;
    }
    if (format.italic != italic_) {
        format.italic ? control("i") : control("i", 0);
        italic_ = format.italic;
    }
    if (format.underline != underline_) {
        format.underline ? control("ul") : control("ulnone");
        underline_ = format.underline;
    }
    if (format.strikeOut != strike_) {
        format.strikeOut ? control("strike") : control("strike", 0);
        strike_ = format.strikeOut;
    }
    const int color = tables.color;
    if (color != color_) {
        control("cf", color);
        color_ = color;
    }
}

void Writer::writeCharacter(char32_t character, bool cp1252Bytes) {
    switch (character) {
    case '\\':
        out_ += "\\\\";
        delimit_ = false;
        return;
    case '{':
        out_ += "\\{";
        delimit_ = false;
        return;
    case '}':
        out_ += "\\}";
        delimit_ = false;
        return;
    case '\t':
        control("tab");
        return;
    case 0x2028:
        control("line");
        return;
    case 0x00A0:
        out_ += "\\~";
        delimit_ = false;
        return;
    case 0x00AD:
        out_ += "\\-";
        delimit_ = false;
        return;
    case 0x2011:
        out_ += "\\_";
        delimit_ = false;
        return;
    default:
        break;
    }
    if (cp1252Bytes) {
        if (const unsigned char byte = cp1252().encode(character)) {
            static constexpr char hex[] = "0123456789abcdef";
            const char escape[4] = {'\\', '\'', hex[byte >> 4], hex[byte & 0xF]};
            out_.append(escape, 4);
            delimit_ = false;
            return;
        }
    }
    if (character >= 0x10000) {
        const char32_t offset = character - 0x10000;
        unicode(0xD800 + (offset >> 10));
        unicode(0xDC00 + (offset & 0x3FF));
        return;
    }
    unicode(character);
}

void Writer::writeText(std::string_view text, bool cp1252Bytes) {
    const char* data = text.data();
    const std::size_t size = text.size();
    std::size_t index = 0;
    while (index < size) {
        const auto* const bytes = reinterpret_cast<const unsigned char*>(data);
        const auto plainEnd =
            static_cast<std::size_t>(skipPlainAscii(bytes + index, bytes + size) - bytes);
        if (plainEnd > index) {
            if (delimit_) {
                out_ += ' ';
                delimit_ = false;
            }
            out_.append(data + index, plainEnd - index);
            index = plainEnd;
            if (index == size) {
                break;
            }
        }
        writeCharacter(nextCharacter(text, index), cp1252Bytes);
    }
}

std::string Writer::write() {
    collectTables();
    std::size_t textSize = 0;
    std::size_t runCount = 0;
    for (const Paragraph& paragraph : document_.paragraphs) {
        runCount += paragraph.runs.size();
        for (const Run& run : paragraph.runs) {
            textSize += run.text.size();
        }
    }
    out_.reserve(textSize + textSize / 4 + runCount * 48 + document_.paragraphs.size() * 24 +
                 fonts_.size() * 64 + colors_.size() * 32 + 256);

    out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    if (!fonts_.empty()) {
        out_ += "{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            out_ += '{';
            control("f", static_cast<int>(i) + 1);
            control("fnil");
            control("fcharset", fonts_[i].charset);
            out_ += ' ';
            delimit_ = false;
            writeEscapedName(fonts_[i].family);
            out_ += ";}";
        }
        out_ += '}';
    }
    if (!colors_.empty()) {
        out_ += "{\\colortbl;";
        for (const std::uint32_t rgb : colors_) {
            control("red", static_cast<int>((rgb >> 16) & 0xFF));
            control("green", static_cast<int>((rgb >> 8) & 0xFF));
            control("blue", static_cast<int>(rgb & 0xFF));
            out_ += ';';
        }
        out_ += '}';
    }
    out_ += '\n';
    delimit_ = false;

    std::size_t runIndex = 0;
    bool first = true;
    for (const Paragraph& paragraph : document_.paragraphs) {
        if (!first) {
            control("par");
            out_ += '\n';
            delimit_ = false;
        }
        first = false;
        writeParagraphFormat(paragraph.format);
        for (const Run& run : paragraph.runs) {
            if (run.text.empty()) {
                continue;
            }
            writeCharFormat(run.format, runTables_[runIndex++]);
            writeText(run.text, run.format.charset == 0);
        }
    }
    out_ += "}\n";
    return std::move(out_);
}

} // namespace

std::string writeRtf(const RichDocument& document) {
    Writer writer(document);
    return writer.write();
}

} // namespace quillon
