#pragma once

#include <string>
#include <string_view>

namespace quillon {

// The default report's text: the message with a full stop appended, unless it already ends in
// "." or in a character that sorts before it.
std::string errorReportText(std::string_view message);

} // namespace quillon
