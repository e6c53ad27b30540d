#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The name the assembler's object file gets: the source name without its last three characters
// (code points, the name being UTF-8), if it has that many, followed by "obj".
std::string objectFileName(std::string_view sourceName);

} // namespace quillon
