#include "core/PlainText.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr std::size_t documentSize = 100 * 1024 * 1024;

// Lines of source-like ASCII text ending in CR LF; every sixth line carries a few multi-byte
// characters when asked.
std::string makeDocument(bool withMultiByteCharacters) {
    const std::string asciiLine = "    mov ax, word ptr [bx+si+0x10]    ; copy the next entry\r\n";
    const std::string accentedLine =
        "    ; Gr\xC3\xBC\xC3\x9F\x65 \xE2\x80\x94 na\xC3\xAFve caf\xC3\xA9 \xE2\x82\xAC 12\r\n";
    std::string document;
    document.reserve(documentSize + accentedLine.size());
    for (std::size_t line = 0; document.size() < documentSize; ++line)
        document += withMultiByteCharacters && line % 6 == 5 ? accentedLine : asciiLine;
    return document;
}

void decodeDocument(benchmark::State& state, bool withMultiByteCharacters) {
    const std::string bytes = makeDocument(withMultiByteCharacters);
    for (auto _ : state) {
        auto decoded = quillon::decodePlainText(bytes);
        benchmark::DoNotOptimize(decoded.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_DecodeAsciiCrLf(benchmark::State& state) {
    decodeDocument(state, false);
}

void BM_DecodeUtf8WithMultiByte(benchmark::State& state) {
    decodeDocument(state, true);
}

void encodeDocument(benchmark::State& state, quillon::TextEncoding encoding) {
    const std::string text = quillon::decodePlainText(makeDocument(true)).text;
    for (auto _ : state) {
        auto encoded = quillon::encodePlainText(text, encoding);
        benchmark::DoNotOptimize(encoded.bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_EncodeUtf8(benchmark::State& state) {
    encodeDocument(state, quillon::TextEncoding::Utf8);
}

void BM_EncodeWindows1252(benchmark::State& state) {
    encodeDocument(state, quillon::TextEncoding::Windows1252);
}

BENCHMARK(BM_DecodeAsciiCrLf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeUtf8WithMultiByte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeWindows1252)->Unit(benchmark::kMillisecond);

} // namespace
