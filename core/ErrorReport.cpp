#include "core/ErrorReport.h"

namespace quillon {

std::string errorReportText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace quillon
