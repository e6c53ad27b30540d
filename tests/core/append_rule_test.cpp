#include "core/AppendRule.h"

#include <gtest/gtest.h>

namespace {

struct AppendCase {
    std::string_view text;
    std::string_view line;
    std::string_view whole;
    std::string_view insertion;
};

TEST(AppendRule, AddsTheLineOnANewLine) {
    const AppendCase cases[] = {
        {"", "<br>", "<br>\r\n", "<br>\r\n"},
        {"\r\n", "<br>", "\r\n<br>\r\n", "<br>\r\n"},
        {"abc", "<br>", "abc\r\n<br>", "\r\n<br>"},
        {"<html>\r\n<body>", "</body>", "<html>\r\n<body>\r\n</body>", "\r\n</body>"},
        {"abc\n", "<p>", "abc\n<p>\r\n", "<p>\r\n"},
        {"abc\r", "<p>", "abc\r<p>\r\n", "<p>\r\n"},
        {"abc", "", "abc\r\n", "\r\n"},
        {"", "", "\r\n", "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(quillon::appendLine(c.text, c.line), c.whole);
        EXPECT_EQ(quillon::appendInsertion(c.text, c.line), c.insertion);
    }
}

TEST(AppendRule, BuildsAPageLineByLineFromEmpty) {
    std::string page;
    for (const char* line : {"<html>", "<head>", "<title>Home</title>", "</head>"})
        page = quillon::appendLine(page, line);
    EXPECT_EQ(page, "<html>\r\n<head>\r\n<title>Home</title>\r\n</head>\r\n");
}

TEST(AppendRule, AddsASecondLineBreakNeverAfterTypedText) {
    std::string page = "typed";
    page = quillon::appendLine(page, "<br>");
    page = quillon::appendLine(page, "<hr width=>");
    EXPECT_EQ(page, "typed\r\n<br>\r\n<hr width=>");
}

} // namespace
