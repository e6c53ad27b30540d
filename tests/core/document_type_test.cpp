#include "core/Captions.h"
#include "core/DocumentType.h"

#include <gtest/gtest.h>

namespace {

using namespace quillon;

struct ParseCase {
    const char* name;
    std::string_view filter;
    std::vector<FilterEntry> entries;
};

void PrintTo(const ParseCase& parseCase, std::ostream* out) {
    *out << parseCase.name;
}

class ParseFilter : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseFilter, SplitsLabelsKeepingTheirBlanksAndPatterns) {
    EXPECT_EQ(parseFilter(GetParam().filter), GetParam().entries);
}

const FilterEntry allFilesWide{"All files  (*.*)", {"*.*"}};
const FilterEntry allFilesNarrow{"All files   [*.*]", {"*.*"}};
const FilterEntry allFilesComposer{" All files (*.*)", {"*.*"}};

INSTANTIATE_TEST_SUITE_P(
    Lists, ParseFilter,
    testing::Values(
        ParseCase{"Open",
                  filters::openFilter,
                  {{"ASM    (DOS Asembler files)", {"*.asm"}},
                   {"PAS     (Pascal files)", {"*.pas"}},
                   {"BAS     (BASIC files)", {"*.bas"}},
                   {"C          (C files)", {"*.c"}},
                   {"HTML  (Web pages)", {"*.htm", "*.html"}},
                   {"TXT     (DOS Text files)", {"*.txt"}},
                   {"RTF     (Rich Text files)", {"*.rtf"}},
                   allFilesWide}},
        ParseCase{"Save",
                  filters::saveFilter,
                  {{"ASM    (DOS Asembler files)", {"*.asm"}},
                   {"PAS     (Pascal files)", {"*.pas"}},
                   {"BAS     (BASIC files)", {"*.bas"}},
                   {"C          (C files)", {"*.c"}},
                   {"HTML  (Web pages)", {"*.html"}},
                   {"TXT     (DOS Text files)", {"*.txt"}},
                   {"RTF      (Rich Text files)", {"*.rtf"}},
                   allFilesWide}},
        ParseCase{"Assembler",
                  filters::assemblerSaveFilter,
                  {{"ASM   (DOS Asembler file)", {"*.asm"}}, allFilesNarrow}},
        ParseCase{"Pascal",
                  filters::pascalSaveFilter,
                  {{"PAS   (DOS Pascal file)", {"*.pas"}}, allFilesNarrow}},
        ParseCase{"Basic",
                  filters::basicSaveFilter,
                  {{"BAS   (DOS BASIC file)", {"*.bas"}}, allFilesNarrow}},
        ParseCase{"C", filters::cSaveFilter, {{"C   (DOS C file)", {"*.c"}}, allFilesNarrow}},
        ParseCase{
            "Html", filters::htmlSaveFilter, {{"HTML   (Web Page)", {"*.html"}}, allFilesNarrow}},
        ParseCase{"Text",
                  filters::textSaveFilter,
                  {{"TXT   (DOS Text file)", {"*.txt"}}, allFilesNarrow}},
        ParseCase{"RichText",
                  filters::richTextSaveFilter,
                  {{"RTF   (Rich Text file)", {"*.rtf"}}, allFilesNarrow}},
        ParseCase{
            "ComposerHtml", filters::htmlFilter, {{"HTML (*.html)", {"*.html"}}, allFilesComposer}},
        ParseCase{"ComposerImage",
                  filters::imageFilter,
                  {{"GIF (*.gif)", {"*.gif"}},
                   {"JPEG (*.jpg,*.jpeg)", {"*.jpg", "*.jpeg"}},
                   allFilesComposer}},
        ParseCase{"Empty", "", {}},
        ParseCase{"LabelWithoutPatterns", "Odd|*.x|Last", {{"Odd", {"*.x"}}, {"Last", {}}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Entries asked for: -1, 0, 1 … 9 and 100; each list gives the row index of every one.
constexpr std::array<int, 12> entriesAskedFor = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 100};

struct EntryKindCase {
    const char* name;
    std::string_view filter;
    std::array<int, 12> rows;
};

void PrintTo(const EntryKindCase& entryCase, std::ostream* out) {
    *out << entryCase.name;
}

class KindOfEntry : public testing::TestWithParam<EntryKindCase> {};

TEST_P(KindOfEntry, MapsEveryEntryOfTheListToItsRow) {
    for (std::size_t i = 0; i < entriesAskedFor.size(); ++i) {
        SCOPED_TRACE(entriesAskedFor[i]);
        EXPECT_EQ(kindOfEntry(GetParam().filter, entriesAskedFor[i]).index, GetParam().rows[i]);
    }
}

constexpr std::array<int, 12> fullListRows = {8, 8, 1, 2, 3, 4, 5, 6, 7, 8, 8, 8};

constexpr std::array<int, 12> narrowedRows(int kind) {
    return {8, 8, kind, 8, 8, 8, 8, 8, 8, 8, 8, 8};
}

INSTANTIATE_TEST_SUITE_P(
    Lists, KindOfEntry,
    testing::Values(EntryKindCase{"Open", filters::openFilter, fullListRows},
                    EntryKindCase{"Save", filters::saveFilter, fullListRows},
                    EntryKindCase{"Assembler", filters::assemblerSaveFilter, narrowedRows(1)},
                    EntryKindCase{"Pascal", filters::pascalSaveFilter, narrowedRows(2)},
                    EntryKindCase{"Basic", filters::basicSaveFilter, narrowedRows(3)},
                    EntryKindCase{"C", filters::cSaveFilter, narrowedRows(4)},
                    EntryKindCase{"Html", filters::htmlSaveFilter, narrowedRows(5)},
                    EntryKindCase{"Text", filters::textSaveFilter, narrowedRows(6)},
                    EntryKindCase{"RichText", filters::richTextSaveFilter, narrowedRows(7)},
                    EntryKindCase{"UnknownEightEntries", "a|*|b|*|c|*|d|*|e|*|f|*|g|*|h|*",
                                  fullListRows},
                    EntryKindCase{"UnknownTwoEntries", "TXT|*.txt|All|*.*", narrowedRows(8)},
                    EntryKindCase{"ComposerImage", filters::imageFilter, narrowedRows(8)},
                    EntryKindCase{"Empty", "", narrowedRows(8)}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(KindOfEntry, NarrowedTextListGivesTextThenAllFiles) {
    const auto& text = kindOfEntry(filters::textSaveFilter, 1);
    EXPECT_EQ(text.kindName, "Text");
    EXPECT_EQ(text.extension, ".txt");
    EXPECT_EQ(text.saveMode, SaveMode::Plain);

    const auto& allFiles = kindOfEntry(filters::textSaveFilter, 2);
    EXPECT_EQ(allFiles.kindName, "All files");
    EXPECT_EQ(allFiles.extension, "");
    EXPECT_EQ(allFiles.saveMode, std::nullopt);
    EXPECT_FALSE(allFiles.changesSubmenus);
}

struct RowCase {
    std::string_view kindName;
    std::string_view extension;
    std::optional<SaveMode> saveMode;
    bool changesSubmenus;
    SubmenuStates submenus;
    std::string_view caption;
    std::string_view narrowedFilter;
};

TEST(DocumentTypes, EachRowHoldsItsKind) {
    const SubmenuStates none;
    const std::array<RowCase, 8> expected = {{
        {"Assembler",
         ".asm",
         SaveMode::Plain,
         true,
         {.asembler = true},
         "Quillon - Untitled.asm",
         filters::assemblerSaveFilter},
        {"Pascal",
         ".pas",
         SaveMode::Plain,
         true,
         {.pascal = true},
         "Quillon - Untitled.pas",
         filters::pascalSaveFilter},
        {"BASIC",
         ".bas",
         SaveMode::Plain,
         true,
         {.basic = true},
         "Quillon - Untitled.bas",
         filters::basicSaveFilter},
        {"C",
         ".c",
         SaveMode::Plain,
         true,
         {.c = true},
         "Quillon - Untitled.c",
         filters::cSaveFilter},
        {"HTML", ".html", SaveMode::Plain, true, none, "Quillon - Untitled.html",
         filters::htmlSaveFilter},
        {"Text", ".txt", SaveMode::Plain, true, none, "Quillon - Untitled.txt",
         filters::textSaveFilter},
        {"Rich Text", ".rtf", SaveMode::Rich, true, none, "Quillon - Untitled.rtf",
         filters::richTextSaveFilter},
        {"All files", "", std::nullopt, false, none, "", ""},
    }};
    for (int index = 1; index <= 8; ++index) {
        SCOPED_TRACE(index);
        const auto& row = documentTypeAt(index);
        const auto& want = expected[static_cast<std::size_t>(index - 1)];
        EXPECT_EQ(&row, &documentTypes()[static_cast<std::size_t>(index - 1)]);
        EXPECT_EQ(row.index, index);
        EXPECT_EQ(row.kindName, want.kindName);
        EXPECT_EQ(row.extension, want.extension);
        EXPECT_EQ(row.saveMode, want.saveMode);
        EXPECT_EQ(row.changesSubmenus, want.changesSubmenus);
        EXPECT_EQ(submenusFor(row.submenu), want.submenus);
        EXPECT_EQ(row.newDocumentCaption, want.caption);
        EXPECT_EQ(row.narrowedSaveFilter, want.narrowedFilter);
    }
}

TEST(DocumentTypes, IndicesOutsideTheTableGiveAllFiles) {
    for (const int index : {-1, 0, 9, 100})
        EXPECT_EQ(documentTypeAt(index).index, 8) << index;
}

TEST(CompilerSubmenus, RadioChoicesEnableTheirSubmenu) {
    EXPECT_EQ(compilerChoiceSubmenu(0), CompilerSubmenu::Asembler1);
    EXPECT_EQ(compilerChoiceSubmenu(1), CompilerSubmenu::C1);
    EXPECT_EQ(compilerChoiceSubmenu(2), CompilerSubmenu::Pascal1);
    EXPECT_EQ(compilerChoiceSubmenu(3), CompilerSubmenu::BASIC1);
    EXPECT_EQ(compilerChoiceSubmenu(-1), CompilerSubmenu::None);
    EXPECT_EQ(compilerChoiceSubmenu(4), CompilerSubmenu::None);
    EXPECT_EQ(submenusFor(CompilerSubmenu::None), SubmenuStates{});
}

TEST(Captions, KeepTheirExactText) {
    EXPECT_EQ(captions::startup, "Quillon - Utitled.txt");
    EXPECT_EQ(captions::untitled, "Quillon - Untitled");
    EXPECT_EQ(captions::composer, "Tagloom");
    EXPECT_EQ(captions::composerUntitled, "Tagloom - Untitled");
    EXPECT_EQ(namedCaption("C:\\WORK\\MY PAGE.HTM"), "Quillon - C:\\WORK\\MY PAGE.HTM");
    EXPECT_EQ(composerCaption("index.html"), "Tagloom - index.html");
    EXPECT_EQ(namedCaption(""), "Quillon - ");
}

} // namespace
