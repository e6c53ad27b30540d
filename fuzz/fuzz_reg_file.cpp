#include "core/RegFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto file = quillon::RegFile::parse(text);
    if (!file)
        return 0;
    const std::string written = file->serialize();
    const auto again = quillon::RegFile::parse(written);
    if (!again || *again != *file || again->serialize() != written)
        __builtin_trap();
    return 0;
}
