#include "core/PlainText.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using quillon::TextEncoding;
using namespace std::string_literals;

const std::string bom = "\xEF\xBB\xBF";

// Line breaks of any kind written as the given separator.
std::string withLineBreaks(std::string_view bytes, std::string_view separator) {
    std::string result;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            result += separator;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (bytes[i] == '\n') {
            result += separator;
        } else {
            result += bytes[i];
        }
    }
    return result;
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
    TextEncoding encoding;
};

void PrintTo(const DecodeCase& decodeCase, std::ostream* out) {
    *out << decodeCase.name;
}

class DecodePlainText : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodePlainText, GivesTheTextAndTheEncodingItWasReadAs) {
    const auto decoded = quillon::decodePlainText(GetParam().bytes);
    EXPECT_EQ(decoded.text, GetParam().text);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodePlainText,
    testing::Values(
        DecodeCase{"Empty", "", "", TextEncoding::Utf8},
        DecodeCase{"ByteOrderMarkIsNotText", bom + "a\r\nb", "a\nb", TextEncoding::Utf8WithBom},
        DecodeCase{"ByteOrderMarkAlone", bom, "", TextEncoding::Utf8WithBom},
        DecodeCase{"SecondByteOrderMarkIsText", bom + bom + "x", "\xEF\xBB\xBFx",
                   TextEncoding::Utf8WithBom},
        DecodeCase{"MixedLineBreaks", "a\rb\nc\r\nd", "a\nb\nc\nd", TextEncoding::Utf8},
        DecodeCase{"CarriageReturnAtTheEnd", "line one\r\nline two\r", "line one\nline two\n",
                   TextEncoding::Utf8},
        DecodeCase{"LineFeedBeforeCarriageReturnIsTwoBreaks", "\n\r\r\n", "\n\n\n",
                   TextEncoding::Utf8},
        DecodeCase{"ZeroBytesAreKept", "a\0b\r\n\0\0c-long-enough-for-words\0"s,
                   "a\0b\n\0\0c-long-enough-for-words\0"s, TextEncoding::Utf8},
        DecodeCase{
            "MultiByteUtf8", "Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
            "Gr\xC3\xBC\xC3\x9F\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", TextEncoding::Utf8},
        DecodeCase{"InvalidUtf8IsWindows1252", "Caf\xE9\r\nna\xEFve", "Caf\xC3\xA9\nna\xC3\xAFve",
                   TextEncoding::Windows1252},
        DecodeCase{"InvalidLateInALongAsciiText", "0123456789abcdef\r\n0123456789\xFC",
                   "0123456789abcdef\n0123456789\xC3\xBC", TextEncoding::Windows1252},
        DecodeCase{"Windows1252HighControlsAndUnassignedBytes",
                   "\x80\x81\x82\x8D\x8E\x8F\x90\x91\x9D\x9F",
                   "\xE2\x82\xAC\xC2\x81\xE2\x80\x9A\xC2\x8D\xC5\xBD\xC2\x8F\xC2\x90\xE2\x80\x98"
                   "\xC2\x9D\xC5\xB8",
                   TextEncoding::Windows1252},
        DecodeCase{"OverlongTwoBytes", "\xC0\xAF", "\xC3\x80\xC2\xAF", TextEncoding::Windows1252},
        DecodeCase{"OverlongThreeBytes", "\xE0\x80\xAF", "\xC3\xA0\xE2\x82\xAC\xC2\xAF",
                   TextEncoding::Windows1252},
        DecodeCase{"OverlongFourBytes", "\xF0\x8F\xBF\xBF", "\xC3\xB0\xC2\x8F\xC2\xBF\xC2\xBF",
                   TextEncoding::Windows1252},
        DecodeCase{"Surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC",
                   TextEncoding::Windows1252},
        DecodeCase{"AboveTheLastCodePoint", "\xF4\x90\x80\x80",
                   "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC", TextEncoding::Windows1252},
        DecodeCase{"CutSequenceAtTheEnd", "ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A",
                   TextEncoding::Windows1252},
        DecodeCase{"ByteOrderMarkBeforeInvalidBytesIsText", bom + "\xFF",
                   "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xBF", TextEncoding::Windows1252}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct EncodeCase {
    const char* name;
    std::string text;
    TextEncoding requested;
    std::string bytes;
    TextEncoding used;
};

void PrintTo(const EncodeCase& encodeCase, std::ostream* out) {
    *out << encodeCase.name;
}

class EncodePlainText : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodePlainText, WritesCrLfLineBreaksInTheEncodingUsed) {
    const auto encoded = quillon::encodePlainText(GetParam().text, GetParam().requested);
    EXPECT_EQ(encoded.bytes, GetParam().bytes);
    EXPECT_EQ(encoded.encoding, GetParam().used);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodePlainText,
    testing::Values(EncodeCase{"Empty", "", TextEncoding::Utf8, "", TextEncoding::Utf8},
                    EncodeCase{"EmptyWithByteOrderMark", "", TextEncoding::Utf8WithBom, bom,
                               TextEncoding::Utf8WithBom},
                    EncodeCase{"Utf8", "a\n\xC3\xA9\n\n", TextEncoding::Utf8,
                               "a\r\n\xC3\xA9\r\n\r\n", TextEncoding::Utf8},
                    EncodeCase{"Utf8WithByteOrderMark", "a\nb", TextEncoding::Utf8WithBom,
                               bom + "a\r\nb", TextEncoding::Utf8WithBom},
                    EncodeCase{"CrLfAndLoneCrInTheTextAreOneBreakEach", "a\r\nb\rc\r",
                               TextEncoding::Utf8, "a\r\nb\r\nc\r\n", TextEncoding::Utf8},
                    EncodeCase{"Windows1252", "\xE2\x82\xAC \xC3\xBC\xC2\x81\n\xC5\xB8\xC3\xBF",
                               TextEncoding::Windows1252, "\x80 \xFC\x81\r\n\x9F\xFF",
                               TextEncoding::Windows1252},
                    EncodeCase{"Windows1252KeepsZeroAndCrLf", "a\0b\r\nc"s,
                               TextEncoding::Windows1252, "a\0b\r\nc"s, TextEncoding::Windows1252},
                    EncodeCase{"UnrepresentableCharacterTurnsTheWholeTextToUtf8",
                               "\xC3\xA9t\xC3\xA9\n\xE2\x9C\x93", TextEncoding::Windows1252,
                               "\xC3\xA9t\xC3\xA9\r\n\xE2\x9C\x93", TextEncoding::Utf8},
                    EncodeCase{"C1ControlWithoutAWindows1252Byte", "x\xC2\x80",
                               TextEncoding::Windows1252, "x\xC2\x80", TextEncoding::Utf8},
                    EncodeCase{"CharacterBeyondTheBasicPlane", "\xF0\x9F\x98\x80",
                               TextEncoding::Windows1252, "\xF0\x9F\x98\x80", TextEncoding::Utf8}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(PlainTextRoundTrip, EveryWindows1252ByteSurvives) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            bytes += static_cast<char>(byte);
    }
    const auto decoded = quillon::decodePlainText(bytes);
    ASSERT_EQ(decoded.encoding, TextEncoding::Windows1252);
    const auto encoded = quillon::encodePlainText(decoded.text, decoded.encoding);
    EXPECT_EQ(encoded.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(encoded.bytes, bytes);
}

// Random files built from pieces chosen to hit the line-break, zero-byte and encoding paths,
// at lengths that cross the eight-byte steps of the fast scans.
std::string randomBytes(std::mt19937& random, bool validUtf8Only) {
    static const std::vector<std::string> validPieces = {"\r",
                                                         "\n",
                                                         "\r\n",
                                                         "\0"s,
                                                         "a",
                                                         "0123456789abcdef",
                                                         "\xC3\xA9",
                                                         "\t ",
                                                         "\xE2\x82\xAC",
                                                         "\xF0\x9F\x98\x80",
                                                         bom,
                                                         "\xC2\x81"};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<std::size_t> piece(0, validPieces.size() - 1);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> highByte(0x80, 0xFF);
    std::uniform_int_distribution<int> choice(0, 9);
    std::string bytes;
    for (int i = length(random); i > 0; --i) {
        const int kind = validUtf8Only ? 0 : choice(random);
        if (kind < 5)
            bytes += validPieces[piece(random)];
        else if (kind < 8)
            bytes += static_cast<char>(highByte(random));
        else
            bytes += static_cast<char>(anyByte(random));
    }
    return bytes;
}

TEST(PlainTextRoundTrip, DecodeThenEncodeGivesTheBytesBackWithCrLfBreaks) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        const bool validUtf8Only = round % 4 == 0;
        const std::string bytes = randomBytes(random, validUtf8Only);
        SCOPED_TRACE(testing::PrintToString(bytes));

        const auto decoded = quillon::decodePlainText(bytes);
        EXPECT_EQ(decoded.text.find('\r'), std::string::npos);
        if (validUtf8Only) {
            const bool marked = bytes.starts_with(bom);
            EXPECT_EQ(decoded.encoding, marked ? TextEncoding::Utf8WithBom : TextEncoding::Utf8);
            EXPECT_EQ(
                decoded.text,
                withLineBreaks(std::string_view(bytes).substr(marked ? bom.size() : 0), "\n"));
        }
        const auto encoded = quillon::encodePlainText(decoded.text, decoded.encoding);
        EXPECT_EQ(encoded.encoding, decoded.encoding);
        ASSERT_EQ(encoded.bytes, withLineBreaks(bytes, "\r\n"));
    }
}

} // namespace
