#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// File dialog filters: labels and patterns separated by "|", the patterns of one entry by ";".
// Entries are numbered from 1.
namespace filters {

inline constexpr std::string_view openFilter =
    "ASM    (DOS Asembler files)|*.asm|PAS     (Pascal files)|*.pas|BAS     (BASIC files)|*.bas|"
    "C          (C files)|*.c|HTML  (Web pages)|*.htm;*.html|TXT     (DOS Text files)|*.txt|"
    "RTF     (Rich Text files)|*.rtf|All files  (*.*)|*.*";
inline constexpr std::string_view saveFilter =
    "ASM    (DOS Asembler files)|*.asm|PAS     (Pascal files)|*.pas|BAS     (BASIC files)|*.bas|"
    "C          (C files)|*.c|HTML  (Web pages)|*.html|TXT     (DOS Text files)|*.txt|"
    "RTF      (Rich Text files)|*.rtf|All files  (*.*)|*.*";

// Save lists narrowed to the kind of the document being edited.
inline constexpr std::string_view assemblerSaveFilter =
    "ASM   (DOS Asembler file)|*.asm|All files   [*.*]|*.*";
inline constexpr std::string_view pascalSaveFilter =
    "PAS   (DOS Pascal file)|*.pas|All files   [*.*]|*.*";
inline constexpr std::string_view basicSaveFilter =
    "BAS   (DOS BASIC file)|*.bas|All files   [*.*]|*.*";
inline constexpr std::string_view cSaveFilter = "C   (DOS C file)|*.c|All files   [*.*]|*.*";
inline constexpr std::string_view htmlSaveFilter = "HTML   (Web Page)|*.html|All files   [*.*]|*.*";
inline constexpr std::string_view textSaveFilter =
    "TXT   (DOS Text file)|*.txt|All files   [*.*]|*.*";
inline constexpr std::string_view richTextSaveFilter =
    "RTF   (Rich Text file)|*.rtf|All files   [*.*]|*.*";

// The composer's own dialogs.
inline constexpr std::string_view htmlFilter = "HTML (*.html)|*.html| All files (*.*)|*.*";
inline constexpr std::string_view imageFilter =
    "GIF (*.gif)|*.gif|JPEG (*.jpg,*.jpeg)|*.jpg;*.jpeg| All files (*.*)|*.*";

} // namespace filters

enum class SaveMode { Plain, Rich };
enum class CompilerSubmenu { None, Asembler1, C1, Pascal1, BASIC1 };

// One row per entry of the open and save lists; row 8, "All files", is no kind and changes
// nothing.
struct DocumentType {
    int index;
    std::string_view kindName;
    std::string_view extension;          // appended on Save As; empty for row 8
    std::optional<SaveMode> saveMode;    // nullopt: leave the mode as it is
    bool changesSubmenus;                // false: leave the compiler submenus as they are
    CompilerSubmenu submenu;             // the one submenu enabled, if changesSubmenus
    std::string_view newDocumentCaption; // empty for row 8
    std::string_view narrowedSaveFilter; // empty for row 8
};

inline constexpr int allFilesIndex = 8;

const std::array<DocumentType, 8>& documentTypes();

// 1..8; any other index gives row 8.
const DocumentType& documentTypeAt(int index);

// The row an entry of a filter list stands for. In an 8-entry list entry k is row k. In a
// narrowed list entry 1 is the list's own kind and entry 2 is row 8. Any entry outside the list,
// and any entry of an unknown list that does not have 8 entries, gives row 8.
const DocumentType& kindOfEntry(std::string_view saveFilter, int entryIndex);

struct FilterEntry {
    std::string label;
    std::vector<std::string> patterns;
    bool operator==(const FilterEntry&) const = default;
};

std::vector<FilterEntry> parseFilter(std::string_view filter);

struct SubmenuStates {
    bool asembler = false, c = false, pascal = false, basic = false;
    bool operator==(const SubmenuStates&) const = default;
};

// Exactly the given submenu enabled, or none.
SubmenuStates submenusFor(CompilerSubmenu submenu);

// The compiler options radio group: 0 Asembler1, 1 C1, 2 Pascal1, 3 BASIC1; anything else None.
CompilerSubmenu compilerChoiceSubmenu(int choice);

} // namespace quillon
