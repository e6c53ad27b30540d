#include "core/ObjectName.h"

namespace quillon {
namespace {

constexpr std::size_t charactersReplaced = 3;
constexpr std::string_view objectEnding = "obj";

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string objectFileName(std::string_view sourceName) {
    std::size_t kept = sourceName.size();
    std::size_t removed = 0;
    while (removed < charactersReplaced && kept > 0) {
        --kept;
        if (!isContinuationByte(sourceName[kept]))
            ++removed;
    }
    if (removed < charactersReplaced)
        kept = sourceName.size();
    std::string name(sourceName.substr(0, kept));
    name += objectEnding;
    return name;
}

} // namespace quillon
