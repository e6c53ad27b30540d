#pragma once

#include <string>
#include <string_view>

// How the composer adds a line to the end of the page, whose lines are separated by CR LF.
namespace quillon {

// The whole new text: after an empty text or one ending in a line break the line is added with a
// line break after it; otherwise it starts a new line and gets no line break after it. A lone CR
// or LF at the end counts as a line break too.
std::string appendLine(std::string_view text, std::string_view line);

// Only what appendLine adds at the end of the text.
std::string appendInsertion(std::string_view text, std::string_view line);

} // namespace quillon
