#include "core/PlainText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view crLf = "\r\n";

// Windows-1252 characters of the bytes 0x80 to 0x9F. The five bytes the code page leaves
// unassigned map to the C1 control of the same number so that they survive a round trip.
constexpr std::array<char32_t, 32> windows1252HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? windows1252HighControls[byte - 0x80] : char32_t{byte};
}

struct Utf8Sequence {
    std::array<char, 4> bytes{};
    std::size_t length = 0;
};

constexpr Utf8Sequence toUtf8(char32_t character) {
    Utf8Sequence sequence;
    auto put = [&](unsigned value) {
        sequence.bytes[sequence.length++] = static_cast<char>(value);
    };
    if (character < 0x80) {
        put(character);
    } else if (character < 0x800) {
        put(0xC0 | (character >> 6));
        put(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        put(0xE0 | (character >> 12));
        put(0x80 | ((character >> 6) & 0x3F));
        put(0x80 | (character & 0x3F));
    } else {
        put(0xF0 | (character >> 18));
        put(0x80 | ((character >> 12) & 0x3F));
        put(0x80 | ((character >> 6) & 0x3F));
        put(0x80 | (character & 0x3F));
    }
    return sequence;
}

constexpr std::array<Utf8Sequence, 128> windows1252HighBytesAsUtf8 = [] {
    std::array<Utf8Sequence, 128> table{};
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte)
        table[byte - 0x80] = toUtf8(windows1252Character(static_cast<unsigned char>(byte)));
    return table;
}();

std::optional<unsigned char> windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    const auto found =
        std::find(windows1252HighControls.begin(), windows1252HighControls.end(), character);
    if (found == windows1252HighControls.end())
        return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - windows1252HighControls.begin()));
}

// Length of the well-formed UTF-8 sequence starting at p, or 0. Overlong forms, surrogates and
// code points above U+10FFFF are not well-formed.
std::size_t wellFormedSequenceLength(const char* p, const char* end) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(p[i]); };
    const unsigned char lead = byteAt(0);
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondLow = 0xA0;
        if (lead == 0xED)
            secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondLow = 0x90;
        if (lead == 0xF4)
            secondHigh = 0x8F;
    } else {
        return 0;
    }
    if (static_cast<std::size_t>(end - p) < length)
        return 0;
    if (byteAt(1) < secondLow || byteAt(1) > secondHigh)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byteAt(i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

char32_t codePointOf(const char* p, std::size_t length) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(p[i]); };
    if (length == 1)
        return byteAt(0);
    char32_t character = byteAt(0) & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        character = (character << 6) | (byteAt(i) & 0x3F);
    return character;
}

constexpr std::uint64_t everyByte(unsigned char byte) {
    return 0x0101010101010101ULL * byte;
}

constexpr std::uint64_t topBits = everyByte(0x80);

// Sets the top bit of each byte of the word equal to byte. A borrow can also flag bytes above a
// real match, so only the lowest flag may be trusted.
constexpr std::uint64_t bytesEqualTo(std::uint64_t word, unsigned char byte) {
    const std::uint64_t difference = word ^ everyByte(byte);
    return (difference - everyByte(0x01)) & ~difference & topBits;
}

std::size_t lowestFlaggedByte(std::uint64_t flags) {
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<std::size_t>(std::countr_zero(flags)) / 8;
    else
        return static_cast<std::size_t>(std::countl_zero(flags)) / 8;
}

enum class Stop { CarriageReturnOrHighByte, LineBreak, LineBreakOrHighByte };

template <Stop stop> constexpr bool stopsAt(unsigned char byte) {
    const bool high = stop != Stop::LineBreak && byte >= 0x80;
    const bool lineFeed = stop != Stop::CarriageReturnOrHighByte && byte == '\n';
    return byte == '\r' || high || lineFeed;
}

// Writes into a buffer sized beforehand so that the room left is never less than the input left,
// then trims it. That lets copyRun store whole chunks and keep only their clean part.
class Output {
public:
    explicit Output(std::size_t capacity) : buffer_(capacity, '\0'), next_(buffer_.data()) {}

    void write(std::string_view bytes) {
        if (bytes.empty())
            return; // data() may be null then, which memcpy does not allow
        std::memcpy(next_, bytes.data(), bytes.size());
        next_ += bytes.size();
    }
    void put(char byte) { *next_++ = byte; }

    // Copies the bytes from p up to the first one the scan stops at, and returns its position.
    template <Stop stop> const char* copyRun(const char* p, const char* end) {
#if defined(__SSE2__)
        while (end - p >= 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(next_), chunk);
            __m128i hits = _mm_cmpeq_epi8(chunk, _mm_set1_epi8('\r'));
            if constexpr (stop != Stop::LineBreak)
                hits = _mm_or_si128(hits, chunk);
            if constexpr (stop != Stop::CarriageReturnOrHighByte)
                hits = _mm_or_si128(hits, _mm_cmpeq_epi8(chunk, _mm_set1_epi8('\n')));
            if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits)); mask != 0) {
                const auto clean = static_cast<std::size_t>(std::countr_zero(mask));
                next_ += clean;
                return p + clean;
            }
            p += 16;
            next_ += 16;
        }
#endif
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            std::memcpy(next_, &word, sizeof word);
            std::uint64_t flags = bytesEqualTo(word, '\r');
            if constexpr (stop != Stop::LineBreak)
                flags |= word & topBits;
            if constexpr (stop != Stop::CarriageReturnOrHighByte)
                flags |= bytesEqualTo(word, '\n');
            if (flags != 0) {
                const std::size_t clean = lowestFlaggedByte(flags);
                next_ += clean;
                return p + clean;
            }
            p += 8;
            next_ += 8;
        }
        while (p != end && !stopsAt<stop>(static_cast<unsigned char>(*p)))
            *next_++ = *p++;
        return p;
    }

    std::string finish() && {
        buffer_.resize(static_cast<std::size_t>(next_ - buffer_.data()));
        return std::move(buffer_);
    }

private:
    std::string buffer_;
    char* next_;
};

// p points at a CR; returns the first byte after its line break.
const char* skipCarriageReturn(const char* p, const char* end) {
    ++p;
    return p != end && *p == '\n' ? p + 1 : p;
}

// Plain loops without branches, so that the compiler vectorises them.
std::size_t countLineBreakBytes(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text)
        count += static_cast<std::size_t>((byte == '\r') | (byte == '\n'));
    return count;
}

std::size_t countHighBytes(std::string_view bytes) {
    std::size_t count = 0;
    for (const char byte : bytes)
        count += static_cast<unsigned char>(byte) >> 7;
    return count;
}

// Copies the bytes with every line break made '\n'; `highByte` takes each byte above 0x7F at `p`,
// writes what it stands for and returns where to go on, or nullptr when the bytes are not valid.
template <typename HighByte>
std::optional<std::string> decode(std::string_view bytes, std::size_t capacity, HighByte highByte) {
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    Output out(capacity);
    while (true) {
        p = out.copyRun<Stop::CarriageReturnOrHighByte>(p, end);
        if (p == end)
            break;
        if (*p == '\r') {
            out.put('\n');
            p = skipCarriageReturn(p, end);
            continue;
        }
        p = highByte(p, end, out);
        if (p == nullptr)
            return std::nullopt;
    }
    return std::move(out).finish();
}

std::optional<std::string> decodeUtf8(std::string_view bytes) {
    return decode(bytes, bytes.size(), [](const char* p, const char* end, Output& out) {
        const std::size_t length = wellFormedSequenceLength(p, end);
        if (length == 0)
            return static_cast<const char*>(nullptr);
        out.write({p, length});
        return p + length;
    });
}

std::string decodeWindows1252(std::string_view bytes) {
    return *decode(bytes, bytes.size() + 2 * countHighBytes(bytes),
                   [](const char* p, const char*, Output& out) {
                       const auto& sequence =
                           windows1252HighBytesAsUtf8[static_cast<unsigned char>(*p) - 0x80];
                       out.write({sequence.bytes.data(), sequence.length});
                       return p + 1;
                   });
}

// p points at a CR or LF; returns the first byte after its line break.
const char* skipLineBreak(const char* p, const char* end) {
    return *p == '\r' ? skipCarriageReturn(p, end) : p + 1;
}

std::string encodeUtf8(std::string_view text, bool withByteOrderMark) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const std::string_view prefix = withByteOrderMark ? byteOrderMark : std::string_view{};
    Output out(prefix.size() + text.size() + countLineBreakBytes(text));
    out.write(prefix);
    while (true) {
        p = out.copyRun<Stop::LineBreak>(p, end);
        if (p == end)
            break;
        out.write(crLf);
        p = skipLineBreak(p, end);
    }
    return std::move(out).finish();
}

std::optional<std::string> encodeWindows1252(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    Output out(text.size() + countLineBreakBytes(text));
    while (true) {
        p = out.copyRun<Stop::LineBreakOrHighByte>(p, end);
        if (p == end)
            break;
        if (*p == '\r' || *p == '\n') {
            out.write(crLf);
            p = skipLineBreak(p, end);
            continue;
        }
        const std::size_t length = wellFormedSequenceLength(p, end);
        if (length == 0)
            return std::nullopt;
        const auto byte = windows1252Byte(codePointOf(p, length));
        if (!byte)
            return std::nullopt;
        out.put(static_cast<char>(*byte));
        p += length;
    }
    return std::move(out).finish();
}

} // namespace

DecodedText decodePlainText(std::string_view bytes) {
    if (bytes.starts_with(byteOrderMark)) {
        if (auto text = decodeUtf8(bytes.substr(byteOrderMark.size())))
            return {std::move(*text), TextEncoding::Utf8WithBom};
    } else if (auto text = decodeUtf8(bytes)) {
        return {std::move(*text), TextEncoding::Utf8};
    }
    return {decodeWindows1252(bytes), TextEncoding::Windows1252};
}

EncodedText encodePlainText(std::string_view text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8WithBom:
        return {encodeUtf8(text, true), TextEncoding::Utf8WithBom};
    case TextEncoding::Windows1252:
        if (auto bytes = encodeWindows1252(text))
            return {std::move(*bytes), TextEncoding::Windows1252};
        break;
    case TextEncoding::Utf8:
        break;
    }
    return {encodeUtf8(text, false), TextEncoding::Utf8};
}

} // namespace quillon
