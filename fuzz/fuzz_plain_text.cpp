#include "core/PlainText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string withCrLfLineBreaks(std::string_view bytes) {
    std::string result;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            result += "\r\n";
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            result += bytes[i];
        }
    }
    return result;
}

} // namespace

// Reading any file and writing it back in the encoding it was read as gives the same bytes,
// apart from line breaks, which come back as CR LF.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto decoded = quillon::decodePlainText(bytes);
    if (decoded.text.find('\r') != std::string::npos)
        __builtin_trap();
    const auto encoded = quillon::encodePlainText(decoded.text, decoded.encoding);
    if (encoded.encoding != decoded.encoding || encoded.bytes != withCrLfLineBreaks(bytes))
        __builtin_trap();
    return 0;
}
