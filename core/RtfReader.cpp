#include "core/RtfReader.h"

#include "core/CodePage.h"
#include "core/RtfScan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillon {

namespace {

// Groups nested deeper than this are skipped, so the state stack never grows past it.
constexpr std::size_t maxGroupDepth = 8192;

// ---------------------------------------------------------------------------------------------
// Control words

enum class Kw : std::uint8_t {
    Unknown,
    Ignore,   // known, no effect
    SkipDest, // a destination whose content is not text
    FontTable,
    ColorTable,
    Upr,
    Ud,
    Ansi, // \ansi \mac \pc \pca: the document code page is `value`
    AnsiCpg,
    Deff,
    Par,   // \par and anything else that ends a paragraph (\row, \page, \sect)
    Char,  // a character, `value`
    Cell,  // ends a table cell
    Chftn, // the footnote mark: its number
    Pard,
    Align, // `value` is an Alignment
    LeftIndent,
    RightIndent,
    FirstIndent,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    Color,
    Uc,
    U,
    Bin,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    ListText,
    ListTable,
    List,
    ListLevel,
    LevelFormat,
    ListId,
    ListOverride,
    ListStyle,
    ListLevelNumber,
};

struct Keyword {
    const char* name;
    Kw kind;
    std::uint32_t value;
};

constexpr Keyword keywords[] = {
    // Destinations skipped whole.
    {"stylesheet", Kw::SkipDest, 0},
    {"info", Kw::SkipDest, 0},
    {"pict", Kw::SkipDest, 0},
    {"object", Kw::SkipDest, 0},
    {"objdata", Kw::SkipDest, 0},
    {"objclass", Kw::SkipDest, 0},
    {"objname", Kw::SkipDest, 0},
    {"objalias", Kw::SkipDest, 0},
    {"objsect", Kw::SkipDest, 0},
    {"fldinst", Kw::SkipDest, 0},
    {"header", Kw::SkipDest, 0},
    {"headerl", Kw::SkipDest, 0},
    {"headerr", Kw::SkipDest, 0},
    {"headerf", Kw::SkipDest, 0},
    {"footer", Kw::SkipDest, 0},
    {"footerl", Kw::SkipDest, 0},
    {"footerr", Kw::SkipDest, 0},
    {"footerf", Kw::SkipDest, 0},
    {"footnote", Kw::SkipDest, 0},
    {"annotation", Kw::SkipDest, 0},
    {"atnid", Kw::SkipDest, 0},
    {"atnauthor", Kw::SkipDest, 0},
    {"atndate", Kw::SkipDest, 0},
    {"atnref", Kw::SkipDest, 0},
    {"atnicn", Kw::SkipDest, 0},
    {"atrfstart", Kw::SkipDest, 0},
    {"atrfend", Kw::SkipDest, 0},
    {"themedata", Kw::SkipDest, 0},
    {"colorschememapping", Kw::SkipDest, 0},
    {"datastore", Kw::SkipDest, 0},
    {"latentstyles", Kw::SkipDest, 0},
    {"xmlnstbl", Kw::SkipDest, 0},
    {"rsidtbl", Kw::SkipDest, 0},
    {"generator", Kw::SkipDest, 0},
    {"filetbl", Kw::SkipDest, 0},
    {"revtbl", Kw::SkipDest, 0},
    {"pgdsctbl", Kw::SkipDest, 0},
    {"userprops", Kw::SkipDest, 0},
    {"docvar", Kw::SkipDest, 0},
    {"template", Kw::SkipDest, 0},
    {"nonshppict", Kw::SkipDest, 0},
    {"shppict", Kw::SkipDest, 0},
    {"shpinst", Kw::SkipDest, 0},
    {"shprslt", Kw::SkipDest, 0},
    {"sp", Kw::SkipDest, 0},
    {"sn", Kw::SkipDest, 0},
    {"sv", Kw::SkipDest, 0},
    {"bkmkstart", Kw::SkipDest, 0},
    {"bkmkend", Kw::SkipDest, 0},
    {"xe", Kw::SkipDest, 0},
    {"tc", Kw::SkipDest, 0},
    {"tcn", Kw::SkipDest, 0},
    {"txe", Kw::SkipDest, 0},
    {"rxe", Kw::SkipDest, 0},
    {"pxe", Kw::SkipDest, 0},
    {"private", Kw::SkipDest, 0},
    {"blipuid", Kw::SkipDest, 0},
    {"picprop", Kw::SkipDest, 0},
    {"do", Kw::SkipDest, 0},
    {"title", Kw::SkipDest, 0},
    {"subject", Kw::SkipDest, 0},
    {"author", Kw::SkipDest, 0},
    {"operator", Kw::SkipDest, 0},
    {"keywords", Kw::SkipDest, 0},
    {"comment", Kw::SkipDest, 0},
    {"doccomm", Kw::SkipDest, 0},
    {"company", Kw::SkipDest, 0},
    {"category", Kw::SkipDest, 0},
    {"manager", Kw::SkipDest, 0},
    {"hlinkbase", Kw::SkipDest, 0},
    {"creatim", Kw::SkipDest, 0},
    {"revtim", Kw::SkipDest, 0},
    {"printim", Kw::SkipDest, 0},
    {"buptim", Kw::SkipDest, 0},
    {"mmathPr", Kw::SkipDest, 0},
    {"pn", Kw::SkipDest, 0},
    {"pntxta", Kw::SkipDest, 0},
    {"pntxtb", Kw::SkipDest, 0},
    {"ftnsep", Kw::SkipDest, 0},
    {"ftnsepc", Kw::SkipDest, 0},
    {"ftncn", Kw::SkipDest, 0},
    {"aftnsep", Kw::SkipDest, 0},
    {"aftnsepc", Kw::SkipDest, 0},
    {"aftncn", Kw::SkipDest, 0},
    {"fontemb", Kw::SkipDest, 0},
    {"fontfile", Kw::SkipDest, 0},
    {"falt", Kw::SkipDest, 0},
    {"panose", Kw::SkipDest, 0},
    {"fname", Kw::SkipDest, 0},
    {"leveltext", Kw::SkipDest, 0},
    {"levelnumbers", Kw::SkipDest, 0},
    {"listname", Kw::SkipDest, 0},
    {"listpicture", Kw::SkipDest, 0},
    {"formfield", Kw::SkipDest, 0},
    {"datafield", Kw::SkipDest, 0},
    {"htmltag", Kw::SkipDest, 0},
    {"mhtmltag", Kw::SkipDest, 0},
    {"wgrffmtfilter", Kw::SkipDest, 0},
    {"passwordhash", Kw::SkipDest, 0},
    {"protusertbl", Kw::SkipDest, 0},
    {"macpict", Kw::SkipDest, 0},
    {"wmetafile", Kw::SkipDest, 0},
    {"dibitmap", Kw::SkipDest, 0},
    {"wbitmap", Kw::SkipDest, 0},
    {"pmmetafile", Kw::SkipDest, 0},
    {"background", Kw::SkipDest, 0},
    {"nesttableprops", Kw::SkipDest, 0},
    {"dptxbxtext", Kw::SkipDest, 0},
    {"ebcstart", Kw::SkipDest, 0},
    {"ebcend", Kw::SkipDest, 0},
    // Destinations with their own handling, and groups whose text is kept.
    {"fonttbl", Kw::FontTable, 0},
    {"colortbl", Kw::ColorTable, 0},
    {"upr", Kw::Upr, 0},
    {"ud", Kw::Ud, 0},
    {"field", Kw::Ignore, 0},
    {"fldrslt", Kw::Ignore, 0},
    {"pntext", Kw::ListText, 0},
    {"listtext", Kw::ListText, 0},
    {"listtable", Kw::ListTable, 0},
    {"listoverridetable", Kw::ListTable, 0},
    {"list", Kw::List, 0},
    {"listlevel", Kw::ListLevel, 0},
    {"levelnfc", Kw::LevelFormat, 0},
    {"levelnfcn", Kw::LevelFormat, 0},
    {"listid", Kw::ListId, 0},
    {"listoverride", Kw::ListOverride, 0},
    {"ls", Kw::ListStyle, 0},
    {"ilvl", Kw::ListLevelNumber, 0},
    {"rtf", Kw::Ignore, 0},
    // The document.
    {"ansi", Kw::Ansi, 1252},
    {"mac", Kw::Ansi, 10000},
    {"pc", Kw::Ansi, 437},
    {"pca", Kw::Ansi, 850},
    {"ansicpg", Kw::AnsiCpg, 0},
    {"deff", Kw::Deff, 0},
    // Breaks and special characters.
    {"par", Kw::Par, 0},
    {"row", Kw::Par, 0},
    {"nestrow", Kw::Par, 0},
    {"page", Kw::Par, 0},
    {"sect", Kw::Par, 0},
    {"cell", Kw::Cell, 0},
    {"nestcell", Kw::Cell, 0},
    {"line", Kw::Char, 0x2028},
    {"tab", Kw::Char, '\t'},
    {"emdash", Kw::Char, 0x2014},
    {"endash", Kw::Char, 0x2013},
    {"emspace", Kw::Char, 0x2003},
    {"enspace", Kw::Char, 0x2002},
    {"qmspace", Kw::Char, 0x2005},
    {"bullet", Kw::Char, 0x2022},
    {"lquote", Kw::Char, 0x2018},
    {"rquote", Kw::Char, 0x2019},
    {"ldblquote", Kw::Char, 0x201C},
    {"rdblquote", Kw::Char, 0x201D},
    {"zwj", Kw::Char, 0x200D},
    {"zwnj", Kw::Char, 0x200C},
    {"zwbo", Kw::Char, 0x200B},
    {"zwnbo", Kw::Char, 0x2060},
    {"ltrmark", Kw::Char, 0x200E},
    {"rtlmark", Kw::Char, 0x200F},
    {"chftn", Kw::Chftn, 0},
    // Paragraph formats.
    {"pard", Kw::Pard, 0},
    {"ql", Kw::Align, static_cast<std::uint32_t>(Alignment::Left)},
    {"qc", Kw::Align, static_cast<std::uint32_t>(Alignment::Center)},
    {"qr", Kw::Align, static_cast<std::uint32_t>(Alignment::Right)},
    {"qj", Kw::Align, static_cast<std::uint32_t>(Alignment::Justified)},
    {"qd", Kw::Align, static_cast<std::uint32_t>(Alignment::Justified)},
    {"qk", Kw::Align, static_cast<std::uint32_t>(Alignment::Justified)},
    {"qt", Kw::Align, static_cast<std::uint32_t>(Alignment::Justified)},
    {"li", Kw::LeftIndent, 0},
    {"lin", Kw::LeftIndent, 0},
    {"ri", Kw::RightIndent, 0},
    {"rin", Kw::RightIndent, 0},
    {"fi", Kw::FirstIndent, 0},
    // Character formats.
    {"plain", Kw::Plain, 0},
    {"b", Kw::Bold, 0},
    {"i", Kw::Italic, 0},
    {"ul", Kw::Underline, 0},
    {"uld", Kw::Underline, 0},
    {"uldash", Kw::Underline, 0},
    {"uldashd", Kw::Underline, 0},
    {"uldashdd", Kw::Underline, 0},
    {"uldb", Kw::Underline, 0},
    {"ulhwave", Kw::Underline, 0},
    {"ulldash", Kw::Underline, 0},
    {"ulth", Kw::Underline, 0},
    {"ulthd", Kw::Underline, 0},
    {"ulthdash", Kw::Underline, 0},
    {"ulthdashd", Kw::Underline, 0},
    {"ulthdashdd", Kw::Underline, 0},
    {"ulthldash", Kw::Underline, 0},
    {"ululdbwave", Kw::Underline, 0},
    {"ulw", Kw::Underline, 0},
    {"ulwave", Kw::Underline, 0},
    {"ulnone", Kw::UnderlineNone, 0},
    {"strike", Kw::Strike, 0},
    {"striked", Kw::Strike, 0},
    {"f", Kw::Font, 0},
    {"fs", Kw::FontSize, 0},
    {"cf", Kw::Color, 0},
    // Unicode and binary data.
    {"uc", Kw::Uc, 0},
    {"u", Kw::U, 0},
    {"bin", Kw::Bin, 0},
    // Font and colour tables.
    {"fcharset", Kw::FontCharset, 0},
    {"cpg", Kw::FontCodePage, 0},
    {"red", Kw::Red, 0},
    {"green", Kw::Green, 0},
    {"blue", Kw::Blue, 0},
};

constexpr std::size_t maxKeywordLength = 24;

constexpr std::uint32_t hashStep(std::uint32_t hash, unsigned char c) {
    return (hash ^ c) * 16777619u;
}
constexpr std::uint32_t hashSeed = 2166136261u;

class KeywordTable {
public:
    KeywordTable() {
        for (const Keyword& keyword : keywords) {
            const std::size_t length = std::strlen(keyword.name);
            std::uint32_t hash = hashSeed;
            for (std::size_t i = 0; i < length; ++i) {
                hash = hashStep(hash, static_cast<unsigned char>(keyword.name[i]));
            }
            std::size_t slot = hash & mask;
            while (slots_[slot].keyword != nullptr) {
                slot = (slot + 1) & mask;
            }
            slots_[slot] = {&keyword, hash, static_cast<std::uint8_t>(length)};
        }
    }

    const Keyword* find(const unsigned char* name, std::size_t length, std::uint32_t hash) const {
        if (length > maxKeywordLength) {
            return nullptr;
        }
        std::size_t slot = hash & mask;
        while (const Keyword* keyword = slots_[slot].keyword) {
            if (slots_[slot].hash == hash && slots_[slot].length == length &&
                std::equal(name, name + length, keyword->name)) {
                return keyword;
            }
            slot = (slot + 1) & mask;
        }
        return nullptr;
    }

private:
    static constexpr std::size_t size = 1024;
    static constexpr std::size_t mask = size - 1;
    struct Slot {
        const Keyword* keyword = nullptr;
        std::uint32_t hash = 0;
        std::uint8_t length = 0;
    };
    std::array<Slot, size> slots_{};
};

const KeywordTable& keywordTable() {
    static const KeywordTable table;
    return table;
}

// ---------------------------------------------------------------------------------------------
// Bytes

enum class ByteClass : std::uint8_t { Plain, Backslash, Open, Close, High, Ignored };

constexpr std::array<ByteClass, 256> makeByteClasses() {
    std::array<ByteClass, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        if (c >= 0x80) {
            classes[c] = ByteClass::High;
        } else if (c < 0x20 && c != '\t') {
            classes[c] = ByteClass::Ignored;
        } else {
            classes[c] = ByteClass::Plain;
        }
    }
    classes['\\'] = ByteClass::Backslash;
    classes['{'] = ByteClass::Open;
    classes['}'] = ByteClass::Close;
    return classes;
}
constexpr std::array<ByteClass, 256> byteClasses = makeByteClasses();

// The UTF-8 form of a code point (U+FFFD for surrogates and values past U+10FFFF); its length.
std::size_t encodeUtf8(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        c = replacementCharacter;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

void trimSpaces(std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
}


constexpr bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
constexpr int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// ---------------------------------------------------------------------------------------------
// The reader

enum class Dest : std::uint8_t { Text, FontTable, ColorTable, Upr, ListTable };

struct CharState {
    int font = -1; // -1: the default font (\deff)
    int fontSize = 24;
    int color = -1; // -1: automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const CharState&) const = default;
};

struct State {
    CharState chars;
    ParagraphFormat para;
    int uc = 1;
    Dest dest = Dest::Text;
    Dest uprOuter = Dest::Text; // in \upr: the destination a \ud group returns to
    int listStyle = 0;          // \ls: the list override the paragraph belongs to; 0 = none
    int listLevel = 0;          // \ilvl
};

// A list of the list table: the number format (\levelnfc) of each level.
struct ListDefinition {
    int id = 0;
    std::vector<int> levelFormats;
};

constexpr int bulletLevelFormat = 23;
constexpr std::size_t maxLists = 4096;
constexpr std::size_t maxFonts = 65536;
constexpr std::size_t maxListLevels = 9;

struct FontEntry {
    int number = 0;
    std::string name;
    int charset = -1; // -1: none given
    int codePage = 0; // \cpg; 0: none given
    bool nameDone = false;
    bool nameFull = false;
};

constexpr std::size_t maxFontNameBytes = 256;

// Appends to a font's name while it fits, cutting only between characters, so that a name reads
// back the same after writing.
void appendFontName(FontEntry& font, std::string_view text) {
    if (font.nameFull) {
        return;
    }
    const std::size_t room = maxFontNameBytes - font.name.size();
    if (text.size() <= room) {
        font.name += text;
        return;
    }
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    font.name += text.substr(0, cut);
    font.nameFull = true;
}

class Reader {
public:
    explicit Reader(std::string_view input)
        : p_(reinterpret_cast<const unsigned char*>(input.data())), end_(p_ + input.size()) {}

    RichDocument read();

private:
    // Parsing
    void parseControl();
    void onKeyword(const Keyword* keyword, bool hasParam, int param);
    void onControlSymbol(unsigned char symbol);
    void onPlain(const unsigned char* text, std::size_t length);
    void onByte(unsigned char byte);
    void onUnicodeUnit(std::uint32_t unit);
    bool openGroup();  // false when the document ended
    bool closeGroup(); // false when the document ended
    bool skipGroup();  // skips the rest of the current group; false when the input ended
    bool enterSkippedDestination();
    bool peekUd() const;
    std::int64_t parseNumber(bool& hasParam);

    // Output
    void emitText(const char* text, std::size_t length);
    void emitChar(char32_t character);
    void emitCharacterUtf8(std::string_view utf8);
    void flushPending();
    void flushPendingBytes();
    void endParagraph();
    void resolveRun();
    void flushRunText();
    void finishFontEntry();
    bool isBulletList(int style, int level) const;
    const CodePage* currentCodePage();
    const CodePage* codePageOfFont(const FontEntry* font) const;
    const FontEntry* findFont(int number) const;
    FontEntry* currentFontEntry();

    const unsigned char* p_;
    const unsigned char* end_;

    State cur_;
    std::vector<State> stack_;
    bool groupStart_ = false; // nothing but \* read in this group yet
    bool starred_ = false;    // \* read at the group's start

    std::vector<FontEntry> fonts_;
    std::unordered_map<int, std::size_t> fontIndex_; // font number -> index in fonts_
    int currentFont_ = -1; // index in fonts_ of the entry the font table is filling
    std::vector<std::optional<std::uint32_t>> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    int deff_ = 0;
    int docCodePage_ = 1252;

    // The code page of the current font, cached.
    const CodePage* codePage_ = nullptr;
    int codePageFont_ = std::numeric_limits<int>::min();

    RichDocument doc_;
    std::vector<Run> runs_; // the runs of the paragraph being read
    bool haveRun_ = false;  // the last run takes the text, when !dirty_
    std::string text_;      // text of the last run not yet moved into it
    CharState runChars_;
    bool dirty_ = true;

    int skip_ = 0; // \uc fallback characters still to skip
    bool pending_ = false;
    char16_t highSurrogate_ = 0;
    unsigned char leadByte_ = 0;
    unsigned char utf8Bytes_[4] = {};
    int utf8Have_ = 0;
    int utf8Need_ = 0;
    int footnotes_ = 0;

    std::vector<ListDefinition> lists_;
    std::unordered_map<int, std::size_t> listById_; // \listid -> index in lists_
    std::unordered_map<int, int> overrides_;        // \ls -> \listid
    int overrideStyle_ = 0;                         // the \listoverride being read
    int overrideList_ = 0;
    bool inOverride_ = false;
    bool listTextSeen_ = false; // the paragraph has its label as \listtext
    bool labelDone_ = false;
};

RichDocument Reader::read() {
    // The caller checked that the input starts with optional white space and "{\rtf".
    while (*p_ != '{') {
        ++p_;
    }
    ++p_; // the outer group; the state stack holds the groups inside it
    groupStart_ = true;
    while (p_ < end_) {
        const unsigned char c = *p_;
        switch (byteClasses[c]) {
        case ByteClass::Plain: {
            const unsigned char* const start = p_;
            const unsigned char* const end = end_;
            const unsigned char* p = skipPlainAscii(p_ + 1, end);
            while (p < end && *p == '\t') {
                p = skipPlainAscii(p + 1, end);
            }
            p_ = p;
            groupStart_ = false;
            onPlain(start, static_cast<std::size_t>(p - start));
            break;
        }
        case ByteClass::Backslash:
            parseControl();
            break;
        case ByteClass::Open:
            ++p_;
            if (!openGroup()) {
                p_ = end_;
            }
            break;
        case ByteClass::Close:
            ++p_;
            if (!closeGroup()) {
                p_ = end_;
            }
            break;
        case ByteClass::High:
            ++p_;
            groupStart_ = false;
            onByte(c);
            break;
        case ByteClass::Ignored:
            ++p_;
            break;
        }
    }
    flushPending();
    endParagraph();
    return std::move(doc_);
}

std::int64_t Reader::parseNumber(bool& hasParam) {
    const unsigned char* p = p_;
    const unsigned char* const end = end_;
    bool negative = false;
    if (p < end && *p == '-' && p + 1 < end && isDigit(p[1])) {
        negative = true;
        ++p;
    }
    std::int64_t value = 0;
    const unsigned char* const digits = p;
    while (p < end && isDigit(*p)) {
        if (value < 10'000'000'000) {
            value = value * 10 + (*p - '0');
        }
        ++p;
    }
    hasParam = p != digits;
    p_ = p;
    return negative ? -value : value;
}

void Reader::parseControl() {
    ++p_; // the backslash
    if (p_ >= end_) {
        return;
    }
    const unsigned char first = *p_;
    if (!isLetter(first)) {
        ++p_;
        if (first != '*') {
            starred_ = false;
            groupStart_ = false;
        }
        onControlSymbol(first);
        return;
    }
    const unsigned char* const name = p_;
    const unsigned char* p = p_;
    std::uint32_t hash = hashSeed;
    while (p < end_ && isLetter(*p)) {
        hash = hashStep(hash, *p);
        ++p;
    }
    p_ = p;
    const auto nameLength = static_cast<std::size_t>(p - name);
    bool hasParam = false;
    std::int64_t value = parseNumber(hasParam);
    if (p_ < end_ && *p_ == ' ') {
        ++p_;
    }
    const int param = static_cast<int>(std::clamp<std::int64_t>(
        value, -std::numeric_limits<int>::max(), std::numeric_limits<int>::max()));
    const Keyword* keyword = keywordTable().find(name, nameLength, hash);

    if (keyword != nullptr && keyword->kind == Kw::Bin) {
        // Raw bytes: never text, wherever they are.
        if (hasParam && value > 0) {
            const auto left = static_cast<std::uint64_t>(end_ - p_);
            p_ += static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(left, std::uint64_t(value)));
        }
        groupStart_ = false;
        starred_ = false;
        return;
    }
    if (starred_) {
        starred_ = false;
        groupStart_ = false;
        // An ignorable destination: skipped unless it is one we know to hold text.
        if (keyword == nullptr || (keyword->kind != Kw::Ud && keyword->kind != Kw::ListTable)) {
            if (!enterSkippedDestination()) {
                p_ = end_;
            }
            return;
        }
    }
    groupStart_ = false;
    if (keyword == nullptr) {
        if (skip_ > 0) {
            --skip_;
        }
        return;
    }
    onKeyword(keyword, hasParam, param);
}

bool Reader::enterSkippedDestination() {
    if (stack_.empty()) {
        // A skipped destination at the outer level would swallow the whole document: ignore it.
        return true;
    }
    if (!skipGroup()) {
        return false;
    }
    return closeGroup();
}

void Reader::onKeyword(const Keyword* keyword, bool hasParam, int param) {
    if (pending_ && leadByte_ + utf8Have_ != 0) {
        flushPendingBytes();
    }
    if (skip_ > 0 && keyword->kind != Kw::U) {
        // A control word inside a \u's fallback counts as one fallback character.
        --skip_;
        return;
    }
    const bool on = !hasParam || param != 0;
    switch (keyword->kind) {
    case Kw::Unknown:
    case Kw::Ignore:
    case Kw::Bin:
        break;
    case Kw::SkipDest:
        if (!enterSkippedDestination()) {
            p_ = end_;
        }
        break;
    case Kw::FontTable:
        if (cur_.dest == Dest::Text) {
            cur_.dest = Dest::FontTable;
            currentFont_ = -1;
        }
        break;
    case Kw::ColorTable:
        if (cur_.dest == Dest::Text) {
            cur_.dest = Dest::ColorTable;
            colors_.clear();
            red_ = green_ = blue_ = 0;
            colorGiven_ = false;
            haveRun_ = false;
            dirty_ = true;
        }
        break;
    case Kw::Upr:
        cur_.uprOuter = cur_.dest;
        cur_.dest = Dest::Upr;
        break;
    case Kw::Ud:
        break;
    case Kw::Ansi:
        docCodePage_ = static_cast<int>(keyword->value);
        codePage_ = nullptr;
        break;
    case Kw::AnsiCpg:
        if (hasParam && param > 0 && isSupportedCodePage(param)) {
            docCodePage_ = param;
            codePage_ = nullptr;
        }
        break;
    case Kw::Deff:
        if (hasParam) {
            deff_ = param;
            codePage_ = nullptr;
            dirty_ = true;
            haveRun_ = false;
        }
        break;
    case Kw::Par:
        if (cur_.dest == Dest::Text) {
            endParagraph();
        }
        break;
    case Kw::Cell:
        emitChar('\t');
        break;
    case Kw::Char:
        emitChar(keyword->value);
        break;
    case Kw::Chftn:
        if (cur_.dest == Dest::Text) {
            const std::string number = std::to_string(++footnotes_);
            emitText(number.data(), number.size());
        }
        break;
    case Kw::Pard:
        cur_.para = ParagraphFormat{};
        cur_.listStyle = 0;
        cur_.listLevel = 0;
        break;
    case Kw::ListText:
        listTextSeen_ = true;
        break;
    case Kw::ListTable:
        if (cur_.dest == Dest::Text) {
            cur_.dest = Dest::ListTable;
        }
        break;
    case Kw::List:
        if (cur_.dest == Dest::ListTable && lists_.size() < maxLists) {
            lists_.emplace_back();
            inOverride_ = false;
        }
        break;
    case Kw::ListLevel:
        if (cur_.dest == Dest::ListTable && !lists_.empty() && !inOverride_ &&
            lists_.back().levelFormats.size() < maxListLevels) {
            lists_.back().levelFormats.push_back(0);
        }
        break;
    case Kw::LevelFormat:
        if (cur_.dest == Dest::ListTable && !lists_.empty() && !inOverride_ &&
            !lists_.back().levelFormats.empty()) {
            lists_.back().levelFormats.back() = param;
        }
        break;
    case Kw::ListId:
        if (cur_.dest == Dest::ListTable) {
            if (inOverride_) {
                overrideList_ = param;
                if (overrideStyle_ != 0) {
                    overrides_[overrideStyle_] = param;
                }
            } else if (!lists_.empty()) {
                lists_.back().id = param;
                listById_[param] = lists_.size() - 1;
            }
        }
        break;
    case Kw::ListOverride:
        if (cur_.dest == Dest::ListTable) {
            overrideStyle_ = 0;
            overrideList_ = 0;
            inOverride_ = true;
        }
        break;
    case Kw::ListStyle:
        if (cur_.dest == Dest::ListTable) {
            if (inOverride_ && param != 0 &&
                (overrides_.size() < maxLists || overrides_.count(param) != 0)) {
                overrideStyle_ = param;
                overrides_[param] = overrideList_;
            }
        } else {
            cur_.listStyle = param;
        }
        break;
    case Kw::ListLevelNumber:
        cur_.listLevel = param;
        break;
    case Kw::Align:
        cur_.para.alignment = static_cast<Alignment>(keyword->value);
        break;
    case Kw::LeftIndent:
        cur_.para.leftIndentTwips = param;
        break;
    case Kw::RightIndent:
        cur_.para.rightIndentTwips = param;
        break;
    case Kw::FirstIndent:
        cur_.para.firstLineIndentTwips = param;
        break;
    case Kw::Plain:
        cur_.chars = CharState{};
        dirty_ = true;
        break;
    case Kw::Bold:
        cur_.chars.bold = on;
        dirty_ = true;
        break;
    case Kw::Italic:
        cur_.chars.italic = on;
        dirty_ = true;
        break;
    case Kw::Underline:
        cur_.chars.underline = on;
        dirty_ = true;
        break;
    case Kw::UnderlineNone:
        cur_.chars.underline = false;
        dirty_ = true;
        break;
    case Kw::Strike:
        cur_.chars.strike = on;
        dirty_ = true;
        break;
    case Kw::Font:
        if (cur_.dest == Dest::FontTable) {
            if (!hasParam) {
                break;
            }
            finishFontEntry();
            auto [it, added] = fontIndex_.try_emplace(param, fonts_.size());
            if (added) {
                if (fonts_.size() >= maxFonts) {
                    fontIndex_.erase(it);
                    break;
                }
                fonts_.emplace_back();
            }
            FontEntry& font = fonts_[it->second];
            font = FontEntry{};
            font.number = param;
            currentFont_ = static_cast<int>(it->second);
            codePage_ = nullptr;
            haveRun_ = false;
            dirty_ = true;
        } else {
            cur_.chars.font = hasParam ? param : -1;
            dirty_ = true;
        }
        break;
    case Kw::FontSize:
        cur_.chars.fontSize = hasParam ? param : 24;
        dirty_ = true;
        break;
    case Kw::Color:
        cur_.chars.color = hasParam ? param : 0;
        dirty_ = true;
        break;
    case Kw::Uc:
        if (hasParam) {
            cur_.uc = std::clamp(param, 0, 16);
        }
        break;
    case Kw::U:
        skip_ = 0;
        if (hasParam) {
            onUnicodeUnit(param < 0 ? static_cast<std::uint32_t>(param + 65536)
                                    : static_cast<std::uint32_t>(param));
        }
        skip_ = cur_.uc;
        break;
    case Kw::FontCharset:
        if (FontEntry* font = currentFontEntry()) {
            font->charset = param;
        }
        break;
    case Kw::FontCodePage:
        if (FontEntry* font = currentFontEntry()) {
            font->codePage = param;
        }
        break;
    case Kw::Red:
        red_ = std::clamp(param, 0, 255);
        colorGiven_ = true;
        break;
    case Kw::Green:
        green_ = std::clamp(param, 0, 255);
        colorGiven_ = true;
        break;
    case Kw::Blue:
        blue_ = std::clamp(param, 0, 255);
        colorGiven_ = true;
        break;
    }
}

void Reader::onControlSymbol(unsigned char symbol) {
    switch (symbol) {
    case '\'': {
        int value = -1;
        if (p_ < end_ && hexValue(p_[0]) >= 0) {
            if (end_ - p_ >= 2 && hexValue(p_[1]) >= 0) {
                value = hexValue(p_[0]) * 16 + hexValue(p_[1]);
                p_ += 2;
            } else {
                ++p_; // half an escape: dropped
            }
        }
        if (value >= 0) {
            onByte(static_cast<unsigned char>(value));
        }
        return;
    }
    case '*':
        if (groupStart_) {
            starred_ = true;
        }
        return;
    default:
        break;
    }
    if (pending_ && leadByte_ + utf8Have_ != 0) {
        flushPendingBytes();
    }
    if (skip_ > 0) {
        --skip_;
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}': {
        const char c = static_cast<char>(symbol);
        if (cur_.dest == Dest::Text) {
            emitText(&c, 1);
        } else {
            onPlain(&symbol, 1);
        }
        break;
    }
    case '~':
        emitChar(0x00A0);
        break;
    case '-':
        emitChar(0x00AD);
        break;
    case '_':
        emitChar(0x2011);
        break;
    case '\r':
    case '\n':
        if (cur_.dest == Dest::Text) {
            endParagraph();
        }
        break;
    case '\t':
        emitChar('\t');
        break;
    default:
        break; // \: \| and unknown symbols
    }
}

void Reader::onPlain(const unsigned char* text, std::size_t length) {
    if (pending_) {
        if (leadByte_ != 0) {
            // A double-byte character whose trail byte is written as a plain character.
            const unsigned char lead = leadByte_;
            leadByte_ = 0;
            pending_ = highSurrogate_ != 0 || utf8Have_ != 0;
            const CodePage* page = currentCodePage();
            if (std::optional<char32_t> character = page->decode(lead, text[0])) {
                emitChar(*character);
                ++text;
                if (--length == 0) {
                    return;
                }
            } else {
                emitChar(replacementCharacter);
            }
        }
    }
    if (skip_ > 0) {
        const std::size_t skipped = std::min<std::size_t>(length, static_cast<std::size_t>(skip_));
        skip_ -= static_cast<int>(skipped);
        text += skipped;
        length -= skipped;
        if (length == 0) {
            return;
        }
    }
    if (pending_) {
        flushPending();
    }
    switch (cur_.dest) {
    case Dest::Text:
        if (dirty_) {
            resolveRun();
        }
        text_.append(reinterpret_cast<const char*>(text), length);
        break;
    case Dest::FontTable: {
        FontEntry* font = currentFontEntry();
        if (font == nullptr || font->nameDone) {
            break;
        }
        const auto* semicolon = static_cast<const unsigned char*>(std::memchr(text, ';', length));
        const std::size_t part = semicolon ? static_cast<std::size_t>(semicolon - text) : length;
        appendFontName(*font, std::string_view(reinterpret_cast<const char*>(text), part));
        if (semicolon != nullptr) {
            font->nameDone = true;
        }
        break;
    }
    case Dest::ColorTable:
        for (std::size_t i = 0; i < length; ++i) {
            if (text[i] == ';') {
                if (colors_.size() < 65536) {
                    colors_.push_back(colorGiven_
                                          ? std::optional<std::uint32_t>(
                                                std::uint32_t(red_) << 16 |
                                                std::uint32_t(green_) << 8 | std::uint32_t(blue_))
                                          : std::nullopt);
                }
                red_ = green_ = blue_ = 0;
                colorGiven_ = false;
            }
        }
        break;
    case Dest::Upr:
    case Dest::ListTable:
        break;
    }
}

void Reader::onByte(unsigned char byte) {
    if (skip_ > 0) {
        if (pending_ && leadByte_ + utf8Have_ != 0) {
            flushPendingBytes();
        }
        --skip_;
        return;
    }
    if (cur_.dest != Dest::Text && cur_.dest != Dest::FontTable) {
        return;
    }
    const CodePage* page = currentCodePage();
    switch (page->kind()) {
    case CodePage::Kind::SingleByte:
        if (pending_) {
            flushPending();
        }
        emitCharacterUtf8(page->decodeUtf8(byte));
        return;
    case CodePage::Kind::DoubleByte:
        if (leadByte_ != 0) {
            const unsigned char lead = leadByte_;
            leadByte_ = 0;
            pending_ = highSurrogate_ != 0 || utf8Have_ != 0;
            if (std::optional<char32_t> character = page->decode(lead, byte)) {
                emitChar(*character);
                return;
            }
            emitChar(replacementCharacter);
        }
        if (page->isLeadByte(byte)) {
            if (pending_) {
                flushPending();
            }
            leadByte_ = byte;
            pending_ = true;
            return;
        }
        emitCharacterUtf8(page->decodeUtf8(byte));
        return;
    case CodePage::Kind::Utf8:
        if (utf8Have_ > 0) {
            if ((byte & 0xC0) == 0x80) {
                utf8Bytes_[utf8Have_++] = byte;
                if (utf8Have_ == utf8Need_) {
                    const std::string_view sequence(reinterpret_cast<const char*>(utf8Bytes_),
                                                    static_cast<std::size_t>(utf8Have_));
                    utf8Have_ = 0;
                    pending_ = highSurrogate_ != 0 || leadByte_ != 0;
                    std::size_t index = 0;
                    emitChar(decodeUtf8(sequence, index));
                }
                return;
            }
            flushPendingBytes();
        }
        if (byte < 0x80) {
            const char c = static_cast<char>(byte);
            emitCharacterUtf8(std::string_view(&c, 1));
            return;
        }
        const int need = byte >= 0xC2 && byte <= 0xDF   ? 2
                         : byte >= 0xE0 && byte <= 0xEF ? 3
                         : byte >= 0xF0 && byte <= 0xF4 ? 4
                                                        : 0;
        if (need == 0) {
            emitChar(replacementCharacter);
            return;
        }
        if (pending_) {
            flushPending();
        }
        utf8Bytes_[0] = byte;
        utf8Have_ = 1;
        utf8Need_ = need;
        pending_ = true;
        return;
    }
}

void Reader::onUnicodeUnit(std::uint32_t unit) {
    if (cur_.dest != Dest::Text && cur_.dest != Dest::FontTable) {
        return;
    }
    if (unit > 0xFFFF) {
        unit = replacementCharacter;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        if (pending_) {
            flushPending();
        }
        highSurrogate_ = static_cast<char16_t>(unit);
        pending_ = true;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (highSurrogate_ != 0) {
            const char32_t character =
                0x10000 + ((char32_t(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00);
            highSurrogate_ = 0;
            pending_ = leadByte_ != 0 || utf8Have_ != 0;
            emitChar(character);
            return;
        }
        emitChar(replacementCharacter);
        return;
    }
    emitChar(unit);
}

bool Reader::openGroup() {
    if (pending_ && leadByte_ + utf8Have_ != 0) {
        flushPendingBytes();
    }
    skip_ = 0;
    starred_ = false;
    if (stack_.size() >= maxGroupDepth) {
        // Too deep to keep state for: skip the group without growing memory.
        return skipGroup();
    }
    if (cur_.dest == Dest::Upr) {
        // In \upr{ansi}{\*\ud{unicode}}, only the \ud group counts.
        if (!peekUd()) {
            return skipGroup();
        }
        stack_.push_back(cur_);
        cur_.dest = cur_.uprOuter;
        groupStart_ = true;
        return true;
    }
    stack_.push_back(cur_);
    groupStart_ = true;
    return true;
}

bool Reader::peekUd() const {
    const unsigned char* p = p_;
    auto skipSpace = [&] {
        while (p < end_ && (*p == ' ' || *p == '\r' || *p == '\n')) {
            ++p;
        }
    };
    skipSpace();
    if (end_ - p >= 2 && p[0] == '\\' && p[1] == '*') {
        p += 2;
        skipSpace();
    }
    return end_ - p >= 3 && p[0] == '\\' && p[1] == 'u' && p[2] == 'd' &&
           (end_ - p == 3 || !isLetter(p[3]));
}

bool Reader::closeGroup() {
    if (pending_ && leadByte_ + utf8Have_ != 0) {
        flushPendingBytes();
    }
    skip_ = 0;
    starred_ = false;
    groupStart_ = false;
    if (stack_.empty()) {
        return false; // the outer group closed: the document ends
    }
    const Dest closing = cur_.dest;
    cur_ = stack_.back();
    stack_.pop_back();
    if (closing == Dest::ColorTable && cur_.dest != Dest::ColorTable && colorGiven_) {
        // A last entry without its ';'.
        colors_.push_back(std::uint32_t(red_) << 16 | std::uint32_t(green_) << 8 |
                          std::uint32_t(blue_));
        colorGiven_ = false;
    }
    if (closing == Dest::FontTable && cur_.dest != Dest::FontTable) {
        finishFontEntry();
        codePage_ = nullptr;
        haveRun_ = false;
    }
    dirty_ = true;
    return true;
}

bool Reader::skipGroup() {
    std::size_t depth = 1;
    const unsigned char* p = p_;
    const unsigned char* const end = end_;
    while (p < end) {
        const unsigned char c = *p++;
        if (c == '}') {
            if (--depth == 0) {
                p_ = p;
                return true;
            }
        } else if (c == '{') {
            ++depth;
        } else if (c == '\\') {
            if (p >= end) {
                break;
            }
            if (!isLetter(*p)) {
                ++p; // a control symbol, perhaps an escaped brace
                continue;
            }
            const unsigned char* name = p;
            while (p < end && isLetter(*p)) {
                ++p;
            }
            const bool bin = p - name == 3 && name[0] == 'b' && name[1] == 'i' && name[2] == 'n';
            if (!bin) {
                continue; // its parameter, if any, is skipped as plain text
            }
            p_ = p;
            bool hasParam = false;
            const std::int64_t count = parseNumber(hasParam);
            p = p_;
            if (p < end && *p == ' ') {
                ++p;
            }
            if (hasParam && count > 0) {
                const auto left = static_cast<std::uint64_t>(end - p);
                p += static_cast<std::ptrdiff_t>(
                    std::min<std::uint64_t>(left, std::uint64_t(count)));
            }
        }
    }
    p_ = end;
    return false;
}

// ---------------------------------------------------------------------------------------------
// Output

void Reader::resolveRun() {
    dirty_ = false;
    if (haveRun_ && runChars_ == cur_.chars) {
        return;
    }
    runChars_ = cur_.chars;
    const CharState& chars = cur_.chars;
    const FontEntry* font = findFont(chars.font < 0 ? deff_ : chars.font);
    std::optional<std::uint32_t> color;
    if (chars.color >= 0 && static_cast<std::size_t>(chars.color) < colors_.size()) {
        color = colors_[static_cast<std::size_t>(chars.color)];
    }
    const std::string_view family = font ? std::string_view(font->name) : std::string_view();
    const int charset = font && font->charset >= 0 ? font->charset : 0;
    if (!runs_.empty()) {
        const CharFormat& last = runs_.back().format;
        if (last.fontFamily == family && last.fontSizeHalfPoints == chars.fontSize &&
            last.bold == chars.bold && last.italic == chars.italic &&
            last.underline == chars.underline && last.strikeOut == chars.strike &&
            last.color == color && last.charset == charset) {
            haveRun_ = true;
            return;
        }
    }
    flushRunText();
    Run& run = runs_.emplace_back();
    run.format.fontFamily.assign(family);
    run.format.fontSizeHalfPoints = chars.fontSize;
    run.format.bold = chars.bold;
    run.format.italic = chars.italic;
    run.format.underline = chars.underline;
    run.format.strikeOut = chars.strike;
    run.format.color = color;
    run.format.charset = charset;
    haveRun_ = true;
    if (runs_.size() == 1 && cur_.listStyle != 0 && !listTextSeen_ && !labelDone_) {
        labelDone_ = true;
        if (isBulletList(cur_.listStyle, cur_.listLevel)) {
            text_ += "\u2022\t";
        }
    }
}

// Whether a paragraph in list \ls`style` at `level` has a bullet. Writers that leave out \listtext
// (TextEdit does) still show the bullet; numbered levels would need counting and get no label.
bool Reader::isBulletList(int style, int level) const {
    const auto override = overrides_.find(style);
    if (override == overrides_.end()) {
        return false;
    }
    const auto list = listById_.find(override->second);
    if (list == listById_.end() || level < 0) {
        return false;
    }
    const std::vector<int>& formats = lists_[list->second].levelFormats;
    return static_cast<std::size_t>(level) < formats.size() &&
           formats[static_cast<std::size_t>(level)] == bulletLevelFormat;
}

void Reader::finishFontEntry() {
    if (currentFont_ >= 0) {
        trimSpaces(fonts_[static_cast<std::size_t>(currentFont_)].name);
    }
    currentFont_ = -1;
}

void Reader::flushRunText() {
    if (!text_.empty()) {
        runs_.back().text.assign(text_);
        text_.clear();
    }
}

void Reader::emitText(const char* text, std::size_t length) {
    if (pending_) {
        flushPending();
    }
    if (cur_.dest == Dest::Text) {
        if (dirty_) {
            resolveRun();
        }
        text_.append(text, length);
    } else if (cur_.dest == Dest::FontTable) {
        FontEntry* font = currentFontEntry();
        if (font != nullptr && !font->nameDone) {
            appendFontName(*font, std::string_view(text, length));
        }
    }
}

void Reader::emitCharacterUtf8(std::string_view utf8) {
    emitText(utf8.data(), utf8.size());
}

void Reader::emitChar(char32_t character) {
    if (cur_.dest != Dest::Text && cur_.dest != Dest::FontTable) {
        return;
    }
    char buffer[4];
    emitText(buffer, encodeUtf8(character, buffer));
}

void Reader::flushPendingBytes() {
    // A lead byte or an unfinished UTF-8 sequence that nothing completed.
    if (leadByte_ != 0 || utf8Have_ != 0) {
        leadByte_ = 0;
        utf8Have_ = 0;
        pending_ = highSurrogate_ != 0;
        emitChar(replacementCharacter);
    }
}

void Reader::flushPending() {
    pending_ = false;
    const bool brokenSurrogate = highSurrogate_ != 0;
    const bool brokenBytes = leadByte_ != 0 || utf8Have_ != 0;
    highSurrogate_ = 0;
    leadByte_ = 0;
    utf8Have_ = 0;
    if (brokenSurrogate) {
        emitText("\xEF\xBF\xBD", 3);
    }
    if (brokenBytes) {
        emitText("\xEF\xBF\xBD", 3);
    }
}

void Reader::endParagraph() {
    if (pending_) {
        flushPending();
    }
    flushRunText();
    listTextSeen_ = false;
    labelDone_ = false;
    Paragraph& paragraph = doc_.paragraphs.emplace_back();
    paragraph.format = cur_.para;
    if (runs_.size() <= 64) {
        // Moved into a vector of the exact size: one allocation per paragraph.
        paragraph.runs.assign(std::make_move_iterator(runs_.begin()),
                              std::make_move_iterator(runs_.end()));
        runs_.clear();
    } else {
        paragraph.runs = std::move(runs_);
        runs_ = std::vector<Run>();
        runs_.reserve(64);
    }
    haveRun_ = false;
    dirty_ = true;
}

const FontEntry* Reader::findFont(int number) const {
    const auto it = fontIndex_.find(number);
    return it == fontIndex_.end() ? nullptr : &fonts_[it->second];
}

FontEntry* Reader::currentFontEntry() {
    if (cur_.dest != Dest::FontTable || currentFont_ < 0) {
        return nullptr;
    }
    return &fonts_[static_cast<std::size_t>(currentFont_)];
}

const CodePage* Reader::codePageOfFont(const FontEntry* font) const {
    int number = 0;
    if (font != nullptr) {
        if (font->codePage > 0) {
            number = font->codePage;
        } else if (font->charset >= 0) {
            number = codePageForCharset(font->charset);
        }
    }
    const CodePage* page = number > 0 ? CodePage::get(number) : nullptr;
    if (page == nullptr) {
        page = CodePage::get(docCodePage_);
    }
    if (page == nullptr) {
        page = CodePage::get(1252);
    }
    return page;
}

const CodePage* Reader::currentCodePage() {
    if (cur_.dest == Dest::FontTable) {
        return codePageOfFont(currentFontEntry());
    }
    if (codePage_ == nullptr || codePageFont_ != cur_.chars.font) {
        codePageFont_ = cur_.chars.font;
        codePage_ = codePageOfFont(findFont(cur_.chars.font < 0 ? deff_ : cur_.chars.font));
    }
    return codePage_;
}

bool startsAsRtf(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) {
        ++i;
    }
    return bytes.substr(i, 5) == "{\\rtf";
}

} // namespace

std::optional<RichDocument> readRtf(std::string_view bytes) {
    if (!startsAsRtf(bytes)) {
        return std::nullopt;
    }
    Reader reader(bytes);
    return reader.read();
}

} // namespace quillon
