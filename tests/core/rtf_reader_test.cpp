#include "core/RtfReader.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using quillon::Alignment;
using quillon::CharFormat;
using quillon::RichDocument;

RichDocument read(std::string_view rtf) {
    std::optional<RichDocument> document = quillon::readRtf(rtf);
    EXPECT_TRUE(document.has_value()) << rtf;
    return document.value_or(RichDocument{});
}

std::string textOf(std::string_view rtf) {
    return quillon::plainText(read(rtf));
}

struct TextCase {
    const char* what;
    std::string_view rtf;
    std::string_view text; // paragraphs joined by '\n'
};

void PrintTo(const TextCase& textCase, std::ostream* out) {
    *out << textCase.what;
}

class RtfReaderText : public testing::TestWithParam<TextCase> {};

TEST_P(RtfReaderText, GivesTheText) {
    EXPECT_EQ(textOf(GetParam().rtf), GetParam().text) << GetParam().what;
}

// clang-format off
const TextCase textCases[] = {
    {"plain text", R"({\rtf1 Hello, world})", "Hello, world"},
    {"paragraphs", R"({\rtf1 one\par two\par three})", "one\ntwo\nthree"},
    {R"(a final \par leaves an empty last paragraph)", R"({\rtf1 one\par})", "one\n"},
    {"line, tab and special spaces", R"({\rtf1 a\line b\tab c\~d\-e\_f})",
     "a\u2028b\tc\u00A0d\u00ADe\u2011f"},
    {"backslash-newline is a paragraph end", "{\\rtf1 a\\\nb\\\r\nc}", "a\nb\nc"},
    {"raw line ends are ignored", "{\\rtf1 a\r\nb\nc}", "abc"},
    {"escaped braces and backslash", R"({\rtf1 \{x\}\\})", "{x}\\"},
    {"typographic symbols",
     R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\emspace\enspace})",
     "\u2014\u2013\u2022\u2018\u2019\u201C\u201D\u2003\u2002"},
    {"the delimiting space belongs to the control word", R"({\rtf1 \b  two})", " two"},
    {"a negative parameter ends at the first non-digit", R"({\rtf1 \li-720x})", "x"},
    {"cp1252 by default", R"({\rtf1 caf\'e9 \'80 \'93q\'94})", "caf\u00E9 \u20AC \u201Cq\u201D"},
    {R"(\ansicpg1251)",
     R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})", "\u041F\u0440\u0438\u0432\u0435\u0442"},
    {R"(font charset beats \ansicpg)",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial;}}\f1\'c4\'e0 \f0\'c4})",
     "\u0414\u0430 \u00C4"},
    {R"(a font without \fcharset uses \ansicpg)",
     R"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0 Arial;}}\f0 \'9a})", "\u0161"},
    {R"(cp932 pairs from two \'hh)",
     R"({\rtf1\ansi\ansicpg932 \'82\'a0\'93\'fa\'96\'7b})", "\u3042\u65E5\u672C"},
    {"cp932 trail byte written as a plain character",
     R"({\rtf1\ansi\ansicpg932 \'83e\'83X\'83g})", "\u30C6\u30B9\u30C8"},
    {"cp932 single-byte katakana", R"({\rtf1\ansi\ansicpg932 \'b1\'b2})", "\uFF71\uFF72"},
    {"cp932 lead byte without a trail", R"({\rtf1\ansi\ansicpg932 \'82\par x})", "\uFFFD\nx"},
    {"fcharset128 font under cp1252",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f1\fcharset128 MS Gothic;}}\f1\'82\'a0})", "\u3042"},
    {"cp936", R"({\rtf1\ansi\ansicpg936 \'d6\'d0\'ce\'c4})", "\u4E2D\u6587"},
    {"cp65001 bytes", R"({\rtf1\ansi\ansicpg65001 \'e2\'82\'ac!})", "\u20AC!"},
    {"Mac Roman", R"({\rtf1\mac \'8e})", "\u00E9"},
    {"Symbol font", R"({\rtf1{\fonttbl{\f3\fcharset2 Symbol;}}\f3\'b7\'61})", "\u2022\u03B1"},
    {R"(\u with one fallback character)", R"({\rtf1 \u8364?x})", "\u20ACx"},
    {R"(\u negative is +65536)", R"({\rtf1 \u-4064?})", "\uF020"},
    {R"(\uc2 skips two fallback characters)", R"({\rtf1\uc2\u8364 ABC})", "\u20ACC"},
    {R"(\uc0 skips nothing)", R"({\rtf1\uc0\u8364 ABC})", "\u20ACABC"},
    {R"(\'hh counts as one fallback character)", R"({\rtf1\uc2\u24180\'94\'4e abc})", "\u5E74 abc"},
    {"a control word counts as one fallback character", R"({\rtf1\uc1\u8364\bullet x})", "\u20ACx"},
    {R"(\uc is scoped to its group)", R"({\rtf1{\uc3 \u8364 ABC}\u8364 ABC})", "\u20AC\u20ACBC"},
    {"a group end stops the skipping", R"({\rtf1\uc3{\u8364 A}BC})", "\u20ACBC"},
    {"surrogate pair", R"({\rtf1 \u-10179?\u-9047?})", "\U0001F4A9"},
    {"surrogate pair without fallbacks", R"({\rtf1\uc0\u55357\u56489})", "\U0001F4A9"},
    {"unpaired high surrogate", R"({\rtf1\uc0 a\u-10240 b})", "a\uFFFDb"},
    {"unpaired low surrogate", R"({\rtf1\uc0 a\u-9216 b})", "a\uFFFDb"},
    {"reversed surrogates", R"({\rtf1\uc0 \u-9216\u-10240 b})", "\uFFFD\uFFFDb"},
    {"high surrogate at a paragraph end", R"({\rtf1\uc0 \u-10240\par b})", "\uFFFD\nb"},
    {"field result kept, instruction skipped",
     R"({\rtf1 see {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt here}} now})", "see here now"},
    {"unknown ignorable destination", R"({\rtf1 a{\*\unknownthing b}c})", "ac"},
    {"unknown control words are ignored", R"({\rtf1 a\foo b{\bar c}})", "abc"},
    {"skipped destinations",
     R"({\rtf1{\stylesheet{\s1 Normal;}}{\info{\title T}}{\header H}{\footer F})"
     R"({\pict\wmetafile8 0a0b}{\object{\*\objdata 00}}{\*\themedata 50}{\*\listtable{\list x}}body})",
     "body"},
    {"footnote skipped, its mark numbered", R"({\rtf1 a\chftn{\footnote \chftn note}b})", "a1b"},
    {"list labels are text", R"({\rtf1{\listtext 1.\tab}item})", "1.\titem"},
    {R"(bullet levels without \listtext get a bullet)",
     R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc23}{\listlevel\levelnfc0}\listid7}})"
     R"({\*\listoverridetable{\listoverride\listid7\ls1}})"
     R"(\ls1\ilvl0 a\par\ls1\ilvl1 b\par{\listtext x\tab}\ls1\ilvl0 c\par\pard d})",
     "\u2022\ta\nb\nx\tc\nd"},
    {R"(\upr keeps the \ud part)",
     R"({\rtf1{\upr{\fonttbl{\f0 A;}}{\*\ud{\fonttbl{\f0 U;}}}}x})", "x"},
    {R"(\upr body text)", R"({\rtf1{\upr{ansi}{\*\ud{uni}}}})", "uni"},
    {R"(\bin skips raw bytes, braces included)", "{\\rtf1 a{\\pict\\bin4 {{}}}c}", "ac"},
    {R"(\bin outside a picture)", "{\\rtf1 a\\bin3 x}yb}", "ab"},
    {"table cells and rows", R"({\rtf1\trowd\cellx1 A\cell B\cell\row C})", "A\tB\t\nC"},
    {"nested tables", R"({\rtf1 A\nestcell{\*\nesttableprops\nestrow}\nestrow B})", "A\t\nB"},
    {R"(a second \rtf1 header inside the body)",
     R"({\rtf1\ansi\deff0 {\rtf1\ansi\deff0 {\fonttbl{\f0 Arial;}}\f0 inner}outer})", "innerouter"},
    {"text after the outer group is ignored", "{\\rtf1 a}b}c", "a"},
    {"trailing zero bytes", std::string_view("{\\rtf1 a}\0\0\0", 12), "a"},
    {"missing closing braces", R"({\rtf1{\b a{\i b)", "ab"},
    {"an extra closing brace ends the document", R"({\rtf1 a}}b)", "a"},
    {"leading white space", " \r\n\t{\\rtf1 a}", "a"},
    {"an empty document has one empty paragraph", R"({\rtf1})", ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, RtfReaderText, testing::ValuesIn(textCases));

TEST(RtfReader, RejectsWhatIsNotRtf) {
    EXPECT_FALSE(quillon::readRtf("").has_value());
    EXPECT_FALSE(quillon::readRtf("hello").has_value());
    EXPECT_FALSE(quillon::readRtf("{\\rt").has_value());
    EXPECT_FALSE(quillon::readRtf("x{\\rtf1 a}").has_value());
    EXPECT_FALSE(quillon::readRtf("\xEF\xBB\xBF{\\rtf1 a}").has_value());
    EXPECT_TRUE(quillon::readRtf("{\\rtf").has_value());
}

TEST(RtfReader, ReadsCharacterFormats) {
    const RichDocument document =
        read(R"({\rtf1\deff0{\fonttbl{\f0\froman\fcharset0 Times;}{\f1\fswiss\fcharset204 Arial;}})"
             R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
             R"(plain {\b bold}{\i\ul it}\strike s\strike0\f1\fs36\cf2 big\cf0 x\plain y})");
    ASSERT_EQ(document.paragraphs.size(), 1u);
    const auto& runs = document.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 7u);

    CharFormat times;
    times.fontFamily = "Times";
    EXPECT_EQ(runs[0].text, "plain ");
    EXPECT_EQ(runs[0].format, times);

    CharFormat bold = times;
    bold.bold = true;
    EXPECT_EQ(runs[1].text, "bold");
    EXPECT_EQ(runs[1].format, bold);

    CharFormat italicUnderline = times;
    italicUnderline.italic = italicUnderline.underline = true;
    EXPECT_EQ(runs[2].format, italicUnderline);

    CharFormat strike = times;
    strike.strikeOut = true;
    EXPECT_EQ(runs[3].text, "s");
    EXPECT_EQ(runs[3].format, strike);

    CharFormat big;
    big.fontFamily = "Arial";
    big.charset = 204;
    big.fontSizeHalfPoints = 36;
    big.color = 0x0000FF;
    EXPECT_EQ(runs[4].text, "big");
    EXPECT_EQ(runs[4].format, big);

    big.color.reset();
    EXPECT_EQ(runs[5].text, "x");
    EXPECT_EQ(runs[5].format, big);
    EXPECT_EQ(runs[6].text, "y");
    EXPECT_EQ(runs[6].format, times);
}

TEST(RtfReader, TogglesAndUnderlineVariants) {
    const RichDocument document = read(R"({\rtf1 \b\i a\b0 b\i0\uldb c\ul0 d\ulwave e\ulnone f})");
    const auto& runs = document.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_TRUE(runs[0].format.bold && runs[0].format.italic);
    EXPECT_TRUE(!runs[1].format.bold && runs[1].format.italic);
    EXPECT_TRUE(runs[2].format.underline && !runs[2].format.italic);
    EXPECT_FALSE(runs[3].format.underline);
    EXPECT_TRUE(runs[4].format.underline);
    EXPECT_FALSE(runs[5].format.underline);
}

TEST(RtfReader, MergesAdjacentRunsWithEqualFormats) {
    const RichDocument document = read(R"({\rtf1 a{b}{\b0 c}\i0 d{\b e}})");
    const auto& runs = document.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "abcd");
    EXPECT_EQ(runs[1].text, "e");
}

TEST(RtfReader, ColourTableEntryZeroIsAutomaticUnlessGiven) {
    EXPECT_FALSE(
        read(R"({\rtf1{\colortbl;\red1\green2\blue3;}\cf0 a})").paragraphs[0].runs[0].format.color);
    EXPECT_EQ(
        read(R"({\rtf1{\colortbl\red1\green2\blue3;}\cf0 a})").paragraphs[0].runs[0].format.color,
        0x010203u);
    EXPECT_FALSE(read(R"({\rtf1{\colortbl;}\cf7 a})").paragraphs[0].runs[0].format.color);
}

TEST(RtfReader, ParagraphFormatsFollowThePar) {
    const RichDocument document = read(
        R"({\rtf1\qc\li720\ri360\fi-360 a\par b\par\pard\qr c\par\pard{\qj d\par}e\par\qd f})");
    ASSERT_EQ(document.paragraphs.size(), 6u);
    const auto& p = document.paragraphs;
    EXPECT_EQ(p[0].format.alignment, Alignment::Center);
    EXPECT_EQ(p[0].format.leftIndentTwips, 720);
    EXPECT_EQ(p[0].format.rightIndentTwips, 360);
    EXPECT_EQ(p[0].format.firstLineIndentTwips, -360);
    EXPECT_EQ(p[1].format, p[0].format) << "\\par keeps the paragraph format";
    EXPECT_EQ(p[2].format, (quillon::ParagraphFormat{Alignment::Right, 0, 0, 0}));
    EXPECT_EQ(p[3].format.alignment, Alignment::Justified) << "format at the \\par counts";
    EXPECT_EQ(p[4].format.alignment, Alignment::Left) << "restored when the group closed";
    EXPECT_EQ(p[5].format.alignment, Alignment::Justified);
}

TEST(RtfReader, DecodesFontNamesInTheFontsCodePage) {
    const RichDocument document =
        read(R"({\rtf1{\fonttbl{\f0\fnil\fcharset128 \'82\'6c\'82\'72 Gothic{\*\falt x};}}\f0 a})");
    EXPECT_EQ(document.paragraphs[0].runs[0].format.fontFamily, "\uFF2D\uFF33 Gothic");
    EXPECT_EQ(document.paragraphs[0].runs[0].format.charset, 128);
}

TEST(RtfReader, TakesTheFontTableFromTheUdPartOfUpr) {
    const RichDocument document =
        read(R"({\rtf1{\upr{\fonttbl{\f0 A;}}{\*\ud{\fonttbl{\f0 U;}}}}x})");
    EXPECT_EQ(document.paragraphs.at(0).runs.at(0).format.fontFamily, "U");
}

TEST(RtfReader, ClampsHugeParameters) {
    const RichDocument document = read(R"({\rtf1\fs99999999999 a\fs-99999999999999999999 b\li1})");
    const auto& runs = document.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "a");
    EXPECT_EQ(runs[0].format.fontSizeHalfPoints, 2147483647);
    EXPECT_EQ(runs[1].format.fontSizeHalfPoints, -2147483647);
}

struct HostileCase {
    const char* what;
    std::string rtf;
    std::string_view text;
};

std::vector<HostileCase> hostileCases() {
    return {
        {"100,000 nested groups",
         "{\\rtf1 a" + std::string(100000, '{') + "deep" + std::string(100000, '}') + "b}", "ab"},
        {"100,000 nested groups, never closed", "{\\rtf1 a" + std::string(100000, '{') + "x", "a"},
        {"100,000 unbalanced closing braces", "{\\rtf1 a" + std::string(100000, '}'), "a"},
        {"\\bin with a huge count", "{\\rtf1 a\\bin999999999 xyz}", "a"},
        {"\\bin with a negative count", "{\\rtf1 a\\bin-5 b}", "ab"},
        {"truncated font table", "{\\rtf1{\\fonttbl", ""},
        {"truncated inside a control word", "{\\rtf1 a\\b", "a"},
        {"truncated hex escape", "{\\rtf1 a\\'4", "a"},
        {"bad hex escape", "{\\rtf1 a\\'zzb}", "azzb"},
        {"a bare {\\rtf", "{\\rtf", ""},
        {"a lone backslash at the end", "{\\rtf1 a\\", "a"},
        {"very long control word", "{\\rtf1 \\" + std::string(100000, 'x') + " a}", "a"},
        {"very long parameter", "{\\rtf1 \\fs" + std::string(100000, '9') + " a}", "a"},
        {"\\uc huge", "{\\rtf1\\uc99999999999\\u65 bcdefghijklmnopqrstuvwxyz}", "Arstuvwxyz"},
        {"\\u out of range", "{\\rtf1\\u99999999?}", "\uFFFD"},
    };
}

TEST(RtfReader, SurvivesHostileInput) {
    for (const HostileCase& hostile : hostileCases()) {
        SCOPED_TRACE(hostile.what);
        const std::optional<RichDocument> document = quillon::readRtf(hostile.rtf);
        ASSERT_TRUE(document.has_value());
        EXPECT_EQ(quillon::plainText(*document), hostile.text);
    }
}

TEST(RtfReader, BareOpeningBraceIsNotRtf) {
    EXPECT_FALSE(quillon::readRtf("{").has_value());
}

} // namespace
