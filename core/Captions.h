#pragma once

#include <string>
#include <string_view>

// Window captions of the editor and of the composer.
namespace quillon::captions {

// The caption the main window starts with, misspelt as it always has been.
inline constexpr std::string_view startup = "Quillon - Utitled.txt";
inline constexpr std::string_view untitled = "Quillon - Untitled";
inline constexpr std::string_view namedPrefix = "Quillon - ";

inline constexpr std::string_view untitledAssembler = "Quillon - Untitled.asm";
inline constexpr std::string_view untitledPascal = "Quillon - Untitled.pas";
inline constexpr std::string_view untitledBasic = "Quillon - Untitled.bas";
inline constexpr std::string_view untitledC = "Quillon - Untitled.c";
inline constexpr std::string_view untitledHtml = "Quillon - Untitled.html";
inline constexpr std::string_view untitledText = "Quillon - Untitled.txt";
inline constexpr std::string_view untitledRichText = "Quillon - Untitled.rtf";

inline constexpr std::string_view composer = "Tagloom";
inline constexpr std::string_view composerUntitled = "Tagloom - Untitled";
inline constexpr std::string_view composerNamedPrefix = "Tagloom - ";

} // namespace quillon::captions

namespace quillon {

inline std::string namedCaption(std::string_view fileName) {
    std::string caption(captions::namedPrefix);
    caption += fileName;
    return caption;
}

inline std::string composerCaption(std::string_view fileName) {
    std::string caption(captions::composerNamedPrefix);
    caption += fileName;
    return caption;
}

} // namespace quillon
