#include "core/CodePage.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <utility>
#include <vector>

namespace quillon {

namespace {

struct CodePageName {
    int number;
    const char* icuName;
};

// The code pages we decode, with the ICU converter behind each. The Mac double-byte code pages
// have no ICU converter; they are close enough to their Windows relatives to borrow theirs.
constexpr CodePageName codePageNames[] = {
    {437, "ibm-437"},       {737, "ibm-737"},          {775, "ibm-775"},
    {850, "ibm-850"},       {852, "ibm-852"},          {855, "ibm-855"},
    {857, "ibm-857"},       {860, "ibm-860"},          {861, "ibm-861"},
    {862, "ibm-862"},       {863, "ibm-863"},          {864, "ibm-864"},
    {865, "ibm-865"},       {866, "ibm-866"},          {869, "ibm-869"},
    {874, "windows-874"},   {932, "windows-31j"},      {936, "windows-936"},
    {949, "windows-949"},   {950, "windows-950"},      {1250, "windows-1250"},
    {1251, "windows-1251"}, {1252, "windows-1252"},    {1253, "windows-1253"},
    {1254, "windows-1254"}, {1255, "windows-1255"},    {1256, "windows-1256"},
    {1257, "windows-1257"}, {1258, "windows-1258"},    {10000, "macintosh"},
    {10001, "windows-31j"}, {10002, "windows-950"},    {10003, "windows-949"},
    {10006, "x-mac-greek"}, {10007, "x-mac-cyrillic"}, {10008, "windows-936"},
    {10029, "x-mac-ce"},    {10081, "x-mac-turkish"},  {20127, "US-ASCII"},
    {28591, "ISO-8859-1"},  {28592, "ISO-8859-2"},     {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},  {28595, "ISO-8859-5"},     {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},  {28598, "ISO-8859-8"},     {28599, "ISO-8859-9"},
    {28605, "ISO-8859-15"},
};

const char* icuNameOf(int number) {
    for (const CodePageName& entry : codePageNames) {
        if (entry.number == number) {
            return entry.icuName;
        }
    }
    return nullptr;
}

bool isDoubleByte(int number) {
    switch (number) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 10001:
    case 10002:
    case 10003:
    case 10008:
        return true;
    default:
        return false;
    }
}

bool isLeadByteOf(int number, unsigned char byte) {
    if (number == 932 || number == 10001) {
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    }
    return byte >= 0x81 && byte <= 0xFE;
}

// The Adobe Symbol encoding (the Symbol font, \fcharset2) from 0x20 on; 0 = no character.
constexpr char16_t symbolTable[224] = {
    // 0x20
    0x0020,
    0x0021,
    0x2200,
    0x0023,
    0x2203,
    0x0025,
    0x0026,
    0x220B,
    0x0028,
    0x0029,
    0x2217,
    0x002B,
    0x002C,
    0x2212,
    0x002E,
    0x002F,
    // 0x30
    0x0030,
    0x0031,
    0x0032,
    0x0033,
    0x0034,
    0x0035,
    0x0036,
    0x0037,
    0x0038,
    0x0039,
    0x003A,
    0x003B,
    0x003C,
    0x003D,
    0x003E,
    0x003F,
    // 0x40
    0x2245,
    0x0391,
    0x0392,
    0x03A7,
    0x0394,
    0x0395,
    0x03A6,
    0x0393,
    0x0397,
    0x0399,
    0x03D1,
    0x039A,
    0x039B,
    0x039C,
    0x039D,
    0x039F,
    // 0x50
    0x03A0,
    0x0398,
    0x03A1,
    0x03A3,
    0x03A4,
    0x03A5,
    0x03C2,
    0x03A9,
    0x039E,
    0x03A8,
    0x0396,
    0x005B,
    0x2234,
    0x005D,
    0x22A5,
    0x005F,
    // 0x60
    0x203E,
    0x03B1,
    0x03B2,
    0x03C7,
    0x03B4,
    0x03B5,
    0x03C6,
    0x03B3,
    0x03B7,
    0x03B9,
    0x03D5,
    0x03BA,
    0x03BB,
    0x03BC,
    0x03BD,
    0x03BF,
    // 0x70
    0x03C0,
    0x03B8,
    0x03C1,
    0x03C3,
    0x03C4,
    0x03C5,
    0x03D6,
    0x03C9,
    0x03BE,
    0x03C8,
    0x03B6,
    0x007B,
    0x007C,
    0x007D,
    0x223C,
    0,
    // 0x80
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    // 0x90
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    0,
    // 0xA0
    0x20AC,
    0x03D2,
    0x2032,
    0x2264,
    0x2044,
    0x221E,
    0x0192,
    0x2663,
    0x2666,
    0x2665,
    0x2660,
    0x2194,
    0x2190,
    0x2191,
    0x2192,
    0x2193,
    // 0xB0
    0x00B0,
    0x00B1,
    0x2033,
    0x2265,
    0x00D7,
    0x221D,
    0x2202,
    0x2022,
    0x00F7,
    0x2260,
    0x2261,
    0x2248,
    0x2026,
    0x23D0,
    0x23AF,
    0x21B5,
    // 0xC0
    0x2135,
    0x2111,
    0x211C,
    0x2118,
    0x2297,
    0x2295,
    0x2205,
    0x2229,
    0x222A,
    0x2283,
    0x2287,
    0x2284,
    0x2282,
    0x2286,
    0x2208,
    0x2209,
    // 0xD0
    0x2220,
    0x2207,
    0x00AE,
    0x00A9,
    0x2122,
    0x220F,
    0x221A,
    0x22C5,
    0x00AC,
    0x2227,
    0x2228,
    0x21D4,
    0x21D0,
    0x21D1,
    0x21D2,
    0x21D3,
    // 0xE0
    0x25CA,
    0x2329,
    0x00AE,
    0x00A9,
    0x2122,
    0x2211,
    0x239B,
    0x239C,
    0x239D,
    0x23A1,
    0x23A2,
    0x23A3,
    0x23A7,
    0x23A8,
    0x23A9,
    0x23AA,
    // 0xF0
    0,
    0x232A,
    0x222B,
    0x2320,
    0x23AE,
    0x2321,
    0x239E,
    0x239F,
    0x23A0,
    0x23A4,
    0x23A5,
    0x23A6,
    0x23AB,
    0x23AC,
    0x23AD,
    0,
};

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr openConverter(const char* icuName) {
    UErrorCode error = U_ZERO_ERROR;
    ConverterPtr converter(ucnv_open(icuName, &error));
    if (U_FAILURE(error)) {
        return nullptr;
    }
    error = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &error);
    error = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &error);
    return converter;
}

// Decodes a whole byte sequence as one character; nullopt unless it makes exactly one.
std::optional<char32_t> decodeOne(UConverter* converter, const char* bytes, int length) {
    UChar buffer[4];
    UErrorCode error = U_ZERO_ERROR;
    const int32_t count = ucnv_toUChars(converter, buffer, 4, bytes, length, &error);
    if (U_FAILURE(error) || count <= 0) {
        return std::nullopt;
    }
    if (count == 1 && (buffer[0] < 0xD800 || buffer[0] > 0xDFFF)) {
        return buffer[0];
    }
    if (count == 2 && buffer[0] >= 0xD800 && buffer[0] <= 0xDBFF && buffer[1] >= 0xDC00 &&
        buffer[1] <= 0xDFFF) {
        return 0x10000 + ((char32_t(buffer[0]) - 0xD800) << 10) + (char32_t(buffer[1]) - 0xDC00);
    }
    return std::nullopt;
}

} // namespace

struct CodePage::Impl {
    const char* icuName = nullptr;
    // DoubleByte: the characters of lead/trail pairs, indexed lead * 256 + trail; 0 = none.
    std::vector<char32_t> pairs;
    // SingleByte: characters to bytes, sorted by character.
    std::vector<std::pair<char32_t, unsigned char>> reverse;
};

CodePage::~CodePage() = default;

std::unique_ptr<CodePage> CodePage::create(int number) {
    std::unique_ptr<CodePage> page(new CodePage);
    page->number_ = number;
    page->impl_ = std::make_unique<Impl>();
    Impl& impl = *page->impl_;

    if (number == 65001) {
        page->kind_ = Kind::Utf8;
        for (int byte = 0; byte < 256; ++byte) {
            page->single_[byte] = byte < 0x80 ? char32_t(byte) : replacementCharacter;
        }
    } else if (number == symbolCodePage) {
        for (int byte = 0; byte < 256; ++byte) {
            char32_t character = byte < 0x20 ? char32_t(byte) : char32_t(symbolTable[byte - 0x20]);
            if (character == 0) {
                character = 0xF000 + char32_t(byte); // the private-use form Windows gives them
            }
            page->single_[byte] = character;
        }
    } else {
        impl.icuName = icuNameOf(number);
        if (impl.icuName == nullptr) {
            return nullptr;
        }
        ConverterPtr converter = openConverter(impl.icuName);
        if (!converter) {
            return nullptr;
        }
        const bool doubleByte = isDoubleByte(number);
        page->kind_ = doubleByte ? Kind::DoubleByte : Kind::SingleByte;
        const bool windows = (number >= 1250 && number <= 1258) || number == 874;
        for (int byte = 0; byte < 256; ++byte) {
            if (doubleByte && isLeadByteOf(number, static_cast<unsigned char>(byte))) {
                page->lead_[byte] = true;
                page->single_[byte] = replacementCharacter;
                continue;
            }
            const char in = static_cast<char>(byte);
            std::optional<char32_t> character = decodeOne(converter.get(), &in, 1);
            if (!character && windows && byte >= 0x80 && byte <= 0x9F) {
                character = char32_t(byte); // Windows passes unassigned C1 bytes through
            }
            page->single_[byte] = character.value_or(replacementCharacter);
        }
        if (doubleByte) {
            impl.pairs.assign(256 * 256, 0);
            for (int lead = 0x80; lead < 256; ++lead) {
                if (!page->lead_[lead]) {
                    continue;
                }
                for (int trail = 0x40; trail < 0xFF; ++trail) {
                    const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                    if (std::optional<char32_t> character = decodeOne(converter.get(), in, 2)) {
                        impl.pairs[std::size_t(lead) * 256 + std::size_t(trail)] = *character;
                    }
                }
            }
        }
    }

    for (int byte = 0; byte < 256; ++byte) {
        std::string utf8;
        quillon::appendUtf8(page->single_[byte], utf8);
        Utf8Bytes& entry = page->utf8_[byte];
        std::copy(utf8.begin(), utf8.end(), entry.bytes);
        entry.length = static_cast<std::uint8_t>(utf8.size());
    }
    if (page->kind_ == Kind::SingleByte) {
        for (int byte = 0; byte < 256; ++byte) {
            if (page->single_[byte] != replacementCharacter) {
                impl.reverse.emplace_back(page->single_[byte], static_cast<unsigned char>(byte));
            }
        }
        // Stable: of the bytes with equal characters, the lowest comes first and is the one used.
        std::stable_sort(impl.reverse.begin(), impl.reverse.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    return page;
}

const CodePage* CodePage::get(int number) {
    struct Cache {
        std::mutex mutex;
        std::vector<std::pair<int, std::unique_ptr<CodePage>>> pages;
    };
    static Cache cache;
    // The last page asked for, without the lock: pages are never destroyed or changed.
    static thread_local const CodePage* last = nullptr;
    if (last != nullptr && last->number_ == number) {
        return last;
    }
    std::lock_guard<std::mutex> lock(cache.mutex);
    for (const auto& [pageNumber, page] : cache.pages) {
        if (pageNumber == number) {
            if (page) {
                last = page.get();
            }
            return page.get();
        }
    }
    std::unique_ptr<CodePage> page = create(number);
    const CodePage* result = page.get();
    cache.pages.emplace_back(number, std::move(page));
    if (result != nullptr) {
        last = result;
    }
    return result;
}

std::optional<char32_t> CodePage::decode(unsigned char lead, unsigned char trail) const {
    if (kind_ != Kind::DoubleByte || !lead_[lead]) {
        return std::nullopt;
    }
    const char32_t character = impl_->pairs[std::size_t(lead) * 256 + trail];
    if (character == 0) {
        return std::nullopt;
    }
    return character;
}

void CodePage::appendUtf8(std::string_view bytes, std::string& out) const {
    std::size_t index = 0;
    const std::size_t size = bytes.size();
    while (index < size) {
        const auto byte = static_cast<unsigned char>(bytes[index]);
        if (kind_ == Kind::Utf8) {
            if (byte < 0x80) {
                out += static_cast<char>(byte);
                ++index;
            } else {
                quillon::appendUtf8(quillon::decodeUtf8(bytes, index), out);
            }
            continue;
        }
        if (kind_ == Kind::DoubleByte && lead_[byte]) {
            if (index + 1 < size) {
                if (std::optional<char32_t> character =
                        decode(byte, static_cast<unsigned char>(bytes[index + 1]))) {
                    quillon::appendUtf8(*character, out);
                    index += 2;
                    continue;
                }
            }
            quillon::appendUtf8(replacementCharacter, out);
            ++index;
            continue;
        }
        out.append(utf8_[byte].bytes, utf8_[byte].length);
        ++index;
    }
}

std::string CodePage::toUtf8(std::string_view bytes) const {
    std::string out;
    out.reserve(bytes.size());
    appendUtf8(bytes, out);
    return out;
}

bool CodePage::encode(char32_t character, std::string& out) const {
    switch (kind_) {
    case Kind::Utf8:
        if (character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
            return false;
        }
        quillon::appendUtf8(character, out);
        return true;
    case Kind::SingleByte: {
        const auto& reverse = impl_->reverse;
        auto it = std::lower_bound(reverse.begin(), reverse.end(), character,
                                   [](const auto& entry, char32_t c) { return entry.first < c; });
        if (it == reverse.end() || it->first != character) {
            return false;
        }
        out += static_cast<char>(it->second);
        return true;
    }
    case Kind::DoubleByte: {
        if (character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
            return false;
        }
        ConverterPtr converter = openConverter(impl_->icuName);
        if (!converter) {
            return false;
        }
        UChar units[2];
        int32_t unitCount = 1;
        if (character >= 0x10000) {
            units[0] = static_cast<UChar>(0xD800 + ((character - 0x10000) >> 10));
            units[1] = static_cast<UChar>(0xDC00 + ((character - 0x10000) & 0x3FF));
            unitCount = 2;
        } else {
            units[0] = static_cast<UChar>(character);
        }
        char bytes[8];
        UErrorCode error = U_ZERO_ERROR;
        const int32_t length =
            ucnv_fromUChars(converter.get(), bytes, sizeof bytes, units, unitCount, &error);
        if (U_FAILURE(error) || length <= 0 || length > 2) {
            return false;
        }
        out.append(bytes, std::size_t(length));
        return true;
    }
    }
    return false;
}

std::optional<std::string> CodePage::fromUtf8(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    std::size_t index = 0;
    while (index < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[index]);
        if (byte < 0x80 && single_[byte] == byte) {
            out += static_cast<char>(byte);
            ++index;
            continue;
        }
        const std::size_t start = index;
        const char32_t character = quillon::decodeUtf8(utf8, index);
        if (character == replacementCharacter &&
            std::string_view(utf8.data() + start, index - start) != "\xEF\xBF\xBD") {
            return std::nullopt; // invalid UTF-8
        }
        if (!encode(character, out)) {
            return std::nullopt;
        }
    }
    return out;
}

int codePageForCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return symbolCodePage;
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 79:
        return 10003;
    case 80:
        return 10008;
    case 81:
        return 10002;
    case 85:
        return 10006;
    case 86:
        return 10081;
    case 88:
        return 10029;
    case 89:
        return 10007;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
    case 255:
        return 437;
    default:
        return 0;
    }
}

bool isSupportedCodePage(int number) {
    return CodePage::get(number) != nullptr;
}

void appendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        c = replacementCharacter;
    }
    char buffer[4];
    std::size_t length;
    if (c < 0x800) {
        buffer[0] = static_cast<char>(0xC0 | (c >> 6));
        buffer[1] = static_cast<char>(0x80 | (c & 0x3F));
        length = 2;
    } else if (c < 0x10000) {
        buffer[0] = static_cast<char>(0xE0 | (c >> 12));
        buffer[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        buffer[2] = static_cast<char>(0x80 | (c & 0x3F));
        length = 3;
    } else {
        buffer[0] = static_cast<char>(0xF0 | (c >> 18));
        buffer[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        buffer[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        buffer[3] = static_cast<char>(0x80 | (c & 0x3F));
        length = 4;
    }
    out.append(buffer, length);
}

char32_t decodeUtf8(std::string_view text, std::size_t& index) {
    const std::size_t size = text.size();
    const auto byte = static_cast<unsigned char>(text[index]);
    if (byte < 0x80) {
        ++index;
        return byte;
    }
    std::size_t length;
    char32_t character;
    char32_t minimum;
    if (byte >= 0xC2 && byte <= 0xDF) {
        length = 2;
        character = byte & 0x1F;
        minimum = 0x80;
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        length = 3;
        character = byte & 0x0F;
        minimum = 0x800;
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        length = 4;
        character = byte & 0x07;
        minimum = 0x10000;
    } else {
        ++index;
        return replacementCharacter;
    }
    if (index + length > size) {
        ++index;
        return replacementCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[index + i]);
        if ((next & 0xC0) != 0x80) {
            ++index;
            return replacementCharacter;
        }
        character = (character << 6) | (next & 0x3F);
    }
    if (character < minimum || character > 0x10FFFF ||
        (character >= 0xD800 && character <= 0xDFFF)) {
        ++index;
        return replacementCharacter;
    }
    index += length;
    return character;
}

} // namespace quillon
