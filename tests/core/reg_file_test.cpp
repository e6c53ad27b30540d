#include "core/RegFile.h"

#include <gtest/gtest.h>
#include <random>
#include <stdexcept>

namespace {

using namespace std::string_literals;
using quillon::RegFile;
using quillon::RegistryValue;

constexpr const char* settingsPath = "Software\\marrowkit\\quillon\\Settings";

const std::string exampleText = "Windows Registry Editor Version 5.00\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\marrowkit\\quillon\\Settings]\n"
                                "\"tasm\"=\"C:\\\\TOOLS\\\\TASM.EXE\"\n"
                                "\"rg1\"=dword:00000003\n"
                                "\"odd\"=hex(7):41,00,00,00\n"
                                "\"bin\"=hex:01,02\n"
                                "\n";

TEST(RegFileParse, ReadsEachFormAndWritesTheSameTextBack) {
    const auto file = RegFile::parse(exampleText);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file->value(settingsPath, "tasm"), RegistryValue::text("C:\\TOOLS\\TASM.EXE"));
    EXPECT_EQ(*file->value(settingsPath, "rg1"), RegistryValue::number(3));
    EXPECT_EQ(*file->value(settingsPath, "odd"), RegistryValue::raw(7, {0x41, 0, 0, 0}));
    EXPECT_EQ(*file->value(settingsPath, "bin"), RegistryValue::raw(3, {1, 2}));
    EXPECT_EQ(file->value(settingsPath, "missing"), nullptr);
    EXPECT_EQ(file->value("Software", "tasm"), nullptr);
    EXPECT_EQ(file->serialize(), exampleText);
}

TEST(RegFileParse, AcceptsCrLfCommentsContinuationsAndTheDefaultValue) {
    const std::string text = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                             "; written by hand\r\n"
                             "\r\n"
                             "[hkey_current_user\\A]\r\n"
                             "@=\"default\"\r\n"
                             "\"long\"=hex(b):01,02,\\\r\n"
                             "  03,04,05,\\\r\n"
                             "  06,07,08\r\n"
                             "\"text\"=hex(1):61,00,0a,00,62,00,00,00\r\n"
                             "\"four\"=hex(4):ff,ff,ff,ff\r\n"
                             "\"short\"=hex(4):01,00\r\n"
                             "  ;indented comment\r\n"
                             "[HKEY_CURRENT_USER]\r\n"
                             "\"atRoot\"=dword:0000000A\r\n";
    const auto file = RegFile::parse(text);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->value("a", "")->string, "default");
    EXPECT_EQ(file->value("A", "long")->bytes, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(file->value("A", "long")->type, 11u);
    EXPECT_EQ(*file->value("A", "text"), RegistryValue::text("a\nb"));
    EXPECT_EQ(*file->value("A", "four"), RegistryValue::number(0xFFFFFFFF));
    EXPECT_EQ(file->value("A", "short")->bytes, (std::vector<std::uint8_t>{1, 0}));
    EXPECT_EQ(file->value("", "atRoot")->dword, 10u);
}

class RegFileRejects : public testing::TestWithParam<std::string> {};

TEST_P(RegFileRejects, TextThatIsNotARegFile) {
    EXPECT_FALSE(RegFile::parse(GetParam())) << GetParam();
}

const std::string head = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileRejects,
    testing::Values(""s, "\n"s, "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n"s, "[HKEY_CURRENT_USER\\K]\n"s,
                    "Windows Registry Editor Version 5.00\n\"a\"=\"value before a section\"\n"s,
                    "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\K]\n"s,
                    "Windows Registry Editor Version 5.00\n[-HKEY_CURRENT_USER\\K]\n"s,
                    "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K\\\\L]\n"s,
                    "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K\n"s,
                    "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USERS]\n"s,
                    head + "just words", head + "\"a\"=\"unterminated", head + "\"a=\"x\"",
                    head + "\"a\"=\"bad \\n escape\"", head + "\"a\"=\"x\" trailing",
                    head + "\"a\"=dword:1234567", head + "\"a\"=dword:123456789",
                    head + "\"a\"=dword:1234567g", head + "\"a\"=hex:0g", head + "\"a\"=hex:1,2",
                    head + "\"a\"=hex:01,", head + "\"a\"=hex:01,,02", head + "\"a\"=hex(7:01",
                    head + "\"a\"=hex():01", head + "\"a\"=hex(123456789):01", head + "\"a\"=-",
                    head + "\"a\"", head + "\"a\" = \"spaced\"", head + "\"tab\tname\"=\"x\""));

struct CarriedString {
    std::string text;
    const char* line;
};

class RegFileStrings : public testing::TestWithParam<CarriedString> {};

TEST_P(RegFileStrings, AreQuotedWhenTheyCanBeAndReadBackUnchanged) {
    RegFile file;
    file.setValue("K", "v", RegistryValue::text(GetParam().text));
    const std::string text = file.serialize();
    EXPECT_NE(text.find(std::string(GetParam().line) + "\n"), std::string::npos) << text;
    const auto back = RegFile::parse(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->value("K", "v")->string, GetParam().text);
    EXPECT_EQ(back->value("K", "v")->type, quillon::regSz);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileStrings,
    testing::Values(
        CarriedString{"", "\"v\"=\"\""},
        CarriedString{"say \"hi\" \\ bye", "\"v\"=\"say \\\"hi\\\" \\\\ bye\""},
        CarriedString{"caf\xC3\xA9 \xF0\x9F\x98\x80", "\"v\"=\"caf\xC3\xA9 \xF0\x9F\x98\x80\""},
        CarriedString{"a\r\nb", "\"v\"=hex(1):61,00,0d,00,0a,00,62,00,00,00"},
        CarriedString{"tab\t", "\"v\"=hex(1):74,00,61,00,62,00,09,00,00,00"},
        CarriedString{"nul\0in"s, "\"v\"=hex(1):6e,00,75,00,6c,00,00,00,69,00,6e,00,00,00"},
        CarriedString{"\xF0\x9F\x98\x80\x7F", "\"v\"=hex(1):3d,d8,00,de,7f,00,00,00"}));

TEST(RegFileStrings, InvalidUtf8IsReplacedSoEveryStringCanBeWritten) {
    EXPECT_EQ(RegistryValue::text("a\xFF\xC3").string, "a\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(RegistryValue::text("\xED\xA0\x80").string, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(RegistryValue::text("\xC0\xAF").string, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(RegFileKeys, CompareCaseInsensitivelyAndKeepFirstCaseAndOrder) {
    RegFile file;
    file.setValue("Software\\Second", "Zeta", RegistryValue::number(1));
    file.createKey("Software\\First");
    file.setValue("SOFTWARE\\second", "alpha", RegistryValue::text("a"));
    file.setValue("software\\SECOND", "ZETA", RegistryValue::text("replaced"));
    file.createKey("software\\first");

    EXPECT_TRUE(file.hasKey("software\\FIRST"));
    EXPECT_FALSE(file.hasKey("Software"));
    EXPECT_EQ(file.serialize(), "Windows Registry Editor Version 5.00\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\Second]\n"
                                "\"Zeta\"=\"replaced\"\n"
                                "\"alpha\"=\"a\"\n"
                                "\n"
                                "[HKEY_CURRENT_USER\\Software\\First]\n"
                                "\n");
}

TEST(RegFileKeys, RefusesPathsAndNamesTheFormatCannotCarry) {
    RegFile file;
    for (const char* path : {"\\Lead", "Trail\\", "Dou\\\\ble", "Line\nBreak"}) {
        EXPECT_FALSE(RegFile::isValidKeyPath(path)) << path;
        EXPECT_THROW(file.createKey(path), std::invalid_argument) << path;
    }
    EXPECT_THROW(file.setValue("K", "line\nbreak", RegistryValue::text("x")),
                 std::invalid_argument);
    EXPECT_EQ(file, RegFile{});
}

TEST(RegFileValues, ForeignTypesAndLongDataSurviveARoundTrip) {
    RegFile file;
    std::vector<std::uint8_t> many(300);
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i] = static_cast<std::uint8_t>(i);
    file.setValue("K", "qword", RegistryValue::raw(11, {1, 2, 3, 4, 5, 6, 7, 8}));
    file.setValue("K", "none", RegistryValue::raw(0, {}));
    file.setValue("K", "custom", RegistryValue::raw(0xFFFFFFFF, {9}));
    file.setValue("K", "expand", RegistryValue::raw(2, quillon::utf16LeBytes("%PATH%", true)));
    file.setValue("K", "many", RegistryValue::raw(3, many));
    const std::string text = file.serialize();
    for (const char* line : {"\"qword\"=hex(b):01,02,03,04,05,06,07,08\n", "\"none\"=hex(0):\n",
                             "\"custom\"=hex(ffffffff):09\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
        start = end + 1;
    }
    EXPECT_EQ(RegFile::parse(text), file);
}

std::string randomText(std::mt19937& random, std::size_t maxLength) {
    static const std::vector<std::string> pieces{"a",
                                                 "Z",
                                                 " ",
                                                 "\\",
                                                 "\"",
                                                 "@",
                                                 "[",
                                                 "]",
                                                 ";",
                                                 "=",
                                                 ",",
                                                 ":",
                                                 "\t",
                                                 "\r",
                                                 "\n",
                                                 "\0"s,
                                                 "\x7F",
                                                 "\xC3\xA9",
                                                 "\xF0\x9F\x98\x80",
                                                 "\xFF",
                                                 "hex:",
                                                 "dword:",
                                                 "\xEF\xBB\xBF"};
    std::string text;
    const auto length = std::uniform_int_distribution<std::size_t>(0, maxLength)(random);
    for (std::size_t i = 0; i < length; ++i)
        text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    return text;
}

RegistryValue randomValue(std::mt19937& random) {
    std::vector<std::uint8_t> bytes(std::uniform_int_distribution<std::size_t>(0, 120)(random));
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    switch (random() % 6) {
    case 0:
        return RegistryValue::text(randomText(random, 12));
    case 1:
        return RegistryValue::number(static_cast<std::uint32_t>(random()));
    case 2:
        return RegistryValue::raw(static_cast<std::uint32_t>(random() % 12), bytes);
    case 3:
        bytes.resize(bytes.size() % 7);
        return RegistryValue::raw(quillon::regDword, bytes);
    case 4:
        return RegistryValue::raw(quillon::regSz, bytes);
    default:
        return RegistryValue::raw(static_cast<std::uint32_t>(random()), bytes);
    }
}

TEST(RegFileProperty, ParsingTheWrittenTextGivesTheSameFile) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 500; ++round) {
        RegFile file;
        const int keys = static_cast<int>(random() % 4);
        for (int k = 0; k < keys; ++k) {
            std::string path;
            const int parts = static_cast<int>(random() % 3);
            for (int p = 0; p < parts; ++p) {
                std::string part = randomText(random, 5);
                if (part.empty() || !RegFile::isValidKeyPath(part))
                    part = "k" + std::to_string(p);
                path += (p ? "\\" : "") + part;
            }
            file.createKey(path);
            const int values = static_cast<int>(random() % 5);
            for (int v = 0; v < values; ++v) {
                std::string name = randomText(random, 6);
                if (!RegFile::isValidValueName(name))
                    name = "n" + std::to_string(v);
                file.setValue(path, name, randomValue(random));
            }
        }
        const std::string text = file.serialize();
        const auto back = RegFile::parse(text);
        ASSERT_TRUE(back) << text;
        ASSERT_EQ(*back, file) << text;
        ASSERT_EQ(back->serialize(), text);
    }
}

} // namespace
