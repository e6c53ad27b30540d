#pragma once

#include <array>
#include <string_view>

namespace quillon {

// The lines of the help window's text, leading blanks and spelling as they have always been.
inline constexpr std::array<std::string_view, 11> helpLines{
    "This is a small multipurpose editor.It supports (for now) theese extensions:",
    "         --RTF(Rich Text files)",
    "         --TXT(text files)",
    "         --ASM(asembler files)",
    "         --PAS(Pascal files)",
    "         --BAS(Old BASIC files)",
    "         --C(C DOS files)",
    "         --HTML(Web pages)",
    "The commands from the menu are standard(Open, Save , New, Copy , Paste  etc.)",
    "",
    "Quillon for Qt, 2026.",
};

} // namespace quillon
