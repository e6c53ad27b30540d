#include "core/ObjectName.h"

#include <gtest/gtest.h>

namespace {

TEST(ObjectFileName, ReplacesTheLastThreeCharactersWithObj) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"C:\\WORK\\PROG.ASM", "C:\\WORK\\PROG.obj"},
        {"C:\\WORK\\PROG.obj", "C:\\WORK\\PROG.obj"},
        {"", "obj"},
        {"ab", "abobj"},
        {"abc", "obj"},
        {"C:\\MY WORK\\MY PROG.ASM", "C:\\MY WORK\\MY PROG.obj"},
        {"C:\\WORK\\PROG.C", "C:\\WORK\\PROobj"},
        {"/home/ana/Gr\xC3\xBC\xC3\x9F\x65.\xC3\xA4sm", "/home/ana/Gr\xC3\xBC\xC3\x9F\x65.obj"},
        {"\xE2\x82\xAC\xC3\xA4\xF0\x9F\x98\x80", "obj"},
        {"\xC3\xA4\xC3\xB6", "\xC3\xA4\xC3\xB6obj"},
    };
    for (const auto& [source, object] : cases) {
        SCOPED_TRACE(std::string(source));
        EXPECT_EQ(quillon::objectFileName(source), object);
    }
}

TEST(ObjectFileName, GivesTheSameNameWhenAppliedAgain) {
    for (const char* source : {"C:\\WORK\\PROG.ASM", "x.asm", "", "ab", "\xC3\xA4.s"}) {
        const auto once = quillon::objectFileName(source);
        EXPECT_EQ(quillon::objectFileName(once), once) << source;
    }
}

} // namespace
