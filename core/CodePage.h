#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Windows code pages: bytes to UTF-8 and back, through ICU's converters. Each code page's tables
// are built once, on first use, and never change afterwards, so a CodePage may be used from any
// thread.
namespace quillon {

inline constexpr char32_t replacementCharacter = 0xFFFD;

// Not a Windows code page: the byte encoding of the Symbol font (fcharset 2), mapped to Unicode.
inline constexpr int symbolCodePage = 42;

class CodePage {
public:
    enum class Kind { SingleByte, DoubleByte, Utf8 };

    // The code page numbered `number`; nullptr when it is not supported. The result lives as long
    // as the program.
    static const CodePage* get(int number);

    int number() const { return number_; }
    Kind kind() const { return kind_; }

    // A single byte (SingleByte), or a byte that is not a lead byte (DoubleByte). U+FFFD when the
    // byte has no character.
    char32_t decode(unsigned char byte) const { return single_[byte]; }

    // The UTF-8 form of decode(byte), with its length.
    std::string_view decodeUtf8(unsigned char byte) const {
        return {utf8_[byte].bytes, utf8_[byte].length};
    }

    // Whether `byte` starts a two-byte character (DoubleByte only).
    bool isLeadByte(unsigned char byte) const { return lead_[byte]; }

    // A lead and a trail byte together; nullopt when they make no character.
    std::optional<char32_t> decode(unsigned char lead, unsigned char trail) const;

    // Converts bytes in this code page to UTF-8. Bytes without a character become U+FFFD.
    std::string toUtf8(std::string_view bytes) const;
    void appendUtf8(std::string_view bytes, std::string& out) const;

    // Appends the bytes of `character` in this code page to `out`; false (and nothing appended)
    // when the code page has no such character.
    bool encode(char32_t character, std::string& out) const;

    // Converts UTF-8 text to this code page; nullopt when some character is not representable or
    // the text is not valid UTF-8.
    std::optional<std::string> fromUtf8(std::string_view utf8) const;

    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

private:
    struct Impl;
    struct Utf8Bytes {
        char bytes[4];
        std::uint8_t length;
    };

    CodePage() = default;
    static std::unique_ptr<CodePage> create(int number);

    int number_ = 0;
    Kind kind_ = Kind::SingleByte;
    char32_t single_[256] = {};
    Utf8Bytes utf8_[256] = {};
    bool lead_[256] = {};
    std::unique_ptr<Impl> impl_;
};

// The Windows code page of an RTF \fcharset value (0 -> 1252, 128 -> 932, 204 -> 1251, 2 ->
// symbolCodePage, ...); 0 when the charset names no code page (1, the "default" charset, or an
// unknown value).
int codePageForCharset(int charset);

// Whether CodePage::get(number) succeeds.
bool isSupportedCodePage(int number);

// Appends the UTF-8 form of a code point (U+FFFD for surrogates and values above U+10FFFF).
void appendUtf8(char32_t character, std::string& out);

// Decodes one UTF-8 character at `text[index]`, advancing `index`; U+FFFD (advancing one byte) for
// an invalid sequence.
char32_t decodeUtf8(std::string_view text, std::size_t& index);

} // namespace quillon
