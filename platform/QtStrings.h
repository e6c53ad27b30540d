#pragma once

#include <QString>
#include <string_view>

namespace quillon {

// The program's own texts are UTF-8 constants in core; the windows show them as QStrings.
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace quillon
