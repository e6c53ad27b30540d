#include "core/DocumentType.h"

#include "core/Captions.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::array<DocumentType, 8> table = {{
    {1, "Assembler", ".asm", SaveMode::Plain, true, CompilerSubmenu::Asembler1,
     captions::untitledAssembler, filters::assemblerSaveFilter},
    {2, "Pascal", ".pas", SaveMode::Plain, true, CompilerSubmenu::Pascal1, captions::untitledPascal,
     filters::pascalSaveFilter},
    {3, "BASIC", ".bas", SaveMode::Plain, true, CompilerSubmenu::BASIC1, captions::untitledBasic,
     filters::basicSaveFilter},
    {4, "C", ".c", SaveMode::Plain, true, CompilerSubmenu::C1, captions::untitledC,
     filters::cSaveFilter},
    {5, "HTML", ".html", SaveMode::Plain, true, CompilerSubmenu::None, captions::untitledHtml,
     filters::htmlSaveFilter},
    {6, "Text", ".txt", SaveMode::Plain, true, CompilerSubmenu::None, captions::untitledText,
     filters::textSaveFilter},
    {7, "Rich Text", ".rtf", SaveMode::Rich, true, CompilerSubmenu::None,
     captions::untitledRichText, filters::richTextSaveFilter},
    {allFilesIndex, "All files", "", std::nullopt, false, CompilerSubmenu::None, "", ""},
}};

constexpr std::size_t fullListEntries = table.size();

std::vector<std::string> splitPatterns(std::string_view patterns) {
    std::vector<std::string> result;
    while (!patterns.empty()) {
        const auto separator = patterns.find(';');
        if (const auto pattern = patterns.substr(0, separator); !pattern.empty())
            result.emplace_back(pattern);
        if (separator == std::string_view::npos)
            break;
        patterns.remove_prefix(separator + 1);
    }
    return result;
}

} // namespace

const std::array<DocumentType, 8>& documentTypes() {
    return table;
}

const DocumentType& documentTypeAt(int index) {
    if (index < 1 || index > static_cast<int>(table.size()))
        index = allFilesIndex;
    return table[static_cast<std::size_t>(index - 1)];
}

const DocumentType& kindOfEntry(std::string_view saveFilter, int entryIndex) {
    const auto narrowedKind = std::find_if(table.begin(), table.end(), [&](const auto& type) {
        return !type.narrowedSaveFilter.empty() && type.narrowedSaveFilter == saveFilter;
    });
    if (narrowedKind != table.end())
        return entryIndex == 1 ? *narrowedKind : documentTypeAt(allFilesIndex);
    if (parseFilter(saveFilter).size() == fullListEntries)
        return documentTypeAt(entryIndex);
    return documentTypeAt(allFilesIndex);
}

std::vector<FilterEntry> parseFilter(std::string_view filter) {
    std::vector<FilterEntry> entries;
    while (!filter.empty()) {
        const auto labelEnd = filter.find('|');
        FilterEntry entry{std::string(filter.substr(0, labelEnd)), {}};
        if (labelEnd == std::string_view::npos) {
            entries.push_back(std::move(entry));
            break;
        }
        filter.remove_prefix(labelEnd + 1);
        const auto patternsEnd = filter.find('|');
        entry.patterns = splitPatterns(filter.substr(0, patternsEnd));
        entries.push_back(std::move(entry));
        if (patternsEnd == std::string_view::npos)
            break;
        filter.remove_prefix(patternsEnd + 1);
    }
    return entries;
}

SubmenuStates submenusFor(CompilerSubmenu submenu) {
    SubmenuStates states;
    states.asembler = submenu == CompilerSubmenu::Asembler1;
    states.c = submenu == CompilerSubmenu::C1;
    states.pascal = submenu == CompilerSubmenu::Pascal1;
    states.basic = submenu == CompilerSubmenu::BASIC1;
    return states;
}

CompilerSubmenu compilerChoiceSubmenu(int choice) {
    switch (choice) {
    case 0:
        return CompilerSubmenu::Asembler1;
    case 1:
        return CompilerSubmenu::C1;
    case 2:
        return CompilerSubmenu::Pascal1;
    case 3:
        return CompilerSubmenu::BASIC1;
    default:
        return CompilerSubmenu::None;
    }
}

} // namespace quillon
