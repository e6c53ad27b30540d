#include "core/AppendRule.h"

namespace quillon {
namespace {

constexpr std::string_view lineBreak = "\r\n";

bool endsOnANewLine(std::string_view text) {
    return text.empty() || text.back() == '\n' || text.back() == '\r';
}

} // namespace

std::string appendInsertion(std::string_view text, std::string_view line) {
    std::string insertion;
    insertion.reserve(line.size() + lineBreak.size());
    if (endsOnANewLine(text)) {
        insertion += line;
        insertion += lineBreak;
    } else {
        insertion += lineBreak;
        insertion += line;
    }
    return insertion;
}

std::string appendLine(std::string_view text, std::string_view line) {
    std::string result(text);
    result += appendInsertion(text, line);
    return result;
}

} // namespace quillon
