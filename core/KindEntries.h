#pragma once

// The entries of the main window's full open and save lists, one per document kind; each is
// also the kind's row in documentTypes().
namespace quillon::entries {

inline constexpr int assembler = 1;
inline constexpr int pascal = 2;
inline constexpr int basic = 3;
inline constexpr int c = 4;
inline constexpr int html = 5;
inline constexpr int text = 6;
inline constexpr int richText = 7;
inline constexpr int allFiles = 8;

} // namespace quillon::entries
