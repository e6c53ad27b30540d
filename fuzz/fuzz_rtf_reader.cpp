// Reads arbitrary bytes as RTF; whatever reads must write and read back to the same document.
#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::optional<quillon::RichDocument> document = quillon::readRtf(input);
    if (!document) {
        return 0;
    }
    const std::string rtf = quillon::writeRtf(*document);
    const std::optional<quillon::RichDocument> again = quillon::readRtf(rtf);
    if (!again || *again != *document) {
        __builtin_trap();
    }
    return 0;
}
