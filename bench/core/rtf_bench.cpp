// Throughput of the RTF reader and writer on a ~20 MB formatted document.
#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include <benchmark/benchmark.h>
#include <optional>
#include <random>
#include <string>

namespace {

// Paragraphs of runs in varied fonts, sizes, colours, bold and italic, with cp1252 bytes, \u
// characters, tabs, line breaks and the odd skipped destination, written as word processors do.
std::string makeFormattedRtf(std::size_t targetBytes) {
    static const char* const words[] = {"the",
                                        "quick",
                                        "brown",
                                        "fox",
                                        "jumps",
                                        "over",
                                        "lazy",
                                        "dog",
                                        "caf\\'e9",
                                        "na\\'efve",
                                        "r\\'e9sum\\'e9",
                                        "\\u8364?",
                                        "\\u1046?\\u1091?\\u1082?",
                                        "\\u12354?\\u26085?",
                                        "editor",
                                        "paragraph",
                                        "formatting",
                                        "document",
                                        "text",
                                        "run",
                                        "\\ldblquote quoted\\rdblquote",
                                        "\\emdash",
                                        "1234",
                                        "5678"};
    std::mt19937 random(42);
    auto pick = [&random](int high) { return std::uniform_int_distribution<int>(0, high)(random); };

    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fmodern\\fcharset0 Courier New;}"
        "{\\f3\\fswiss\\fcharset204 Arial Cyr;}}"
        "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;"
        "\\red0\\green0\\blue255;}{\\stylesheet{\\s0 Normal;}}{\\*\\generator bench;}\n";
    rtf.reserve(targetBytes + 4096);
    while (rtf.size() < targetBytes) {
        rtf += "\\pard\\plain";
        switch (pick(3)) {
        case 0:
            rtf += "\\qc";
            break;
        case 1:
            rtf += "\\qj\\li720\\fi-360";
            break;
        default:
            break;
        }
        rtf += ' ';
        const int runs = 4 + pick(8);
        for (int r = 0; r < runs; ++r) {
            rtf += "{";
            if (pick(2) == 0) {
                rtf += "\\b";
            }
            if (pick(3) == 0) {
                rtf += "\\i";
            }
            if (pick(5) == 0) {
                rtf += "\\ul";
            }
            rtf += "\\f" + std::to_string(pick(3));
            rtf += "\\fs" + std::to_string(18 + 2 * pick(8));
            rtf += "\\cf" + std::to_string(pick(4));
            rtf += ' ';
            const int count = 3 + pick(12);
            for (int w = 0; w < count; ++w) {
                rtf += words[pick(static_cast<int>(std::size(words)) - 1)];
                rtf += ' ';
            }
            switch (pick(15)) {
            case 0:
                rtf += "\\tab ";
                break;
            case 1:
                rtf += "\\line ";
                break;
            case 2:
                rtf += "{\\*\\bkmkstart mark}";
                break;
            default:
                break;
            }
            rtf += "}";
        }
        rtf += "\\par\n";
    }
    rtf += "}";
    return rtf;
}

const std::string& benchRtf() {
    static const std::string rtf = makeFormattedRtf(20 * 1024 * 1024);
    return rtf;
}

void BM_ReadRtf(benchmark::State& state) {
    const std::string& rtf = benchRtf();
    for (auto _ : state) {
        std::optional<quillon::RichDocument> document = quillon::readRtf(rtf);
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(rtf.size()));
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state) {
    const quillon::RichDocument document = quillon::readRtf(benchRtf()).value();
    std::size_t written = 0;
    for (auto _ : state) {
        std::string rtf = quillon::writeRtf(document);
        written = rtf.size();
        benchmark::DoNotOptimize(rtf);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(written));
    state.counters["output_MB"] = static_cast<double>(written) / 1e6;
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

} // namespace
