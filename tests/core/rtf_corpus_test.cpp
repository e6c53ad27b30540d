// The RTF reader against real files written by other programs, and the text LibreOffice makes of
// them. The files are not part of the repository: QUILLON_RTF_CORPUS names the folder (see
// /work/shared/corpus/README.md), and the tests skip when it is not given.

#include "core/CodePage.h"
#include "core/RtfReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Exclusion {
    const char* name;
    const char* reason;
};

// Files whose text cannot match LibreOffice's, each for a reason that is not a fault of ours.
constexpr Exclusion exclusions[] = {
    {"striprtf-r__special-chars",
     "bullets are U+27A2 in both \\listtext and \\leveltext; LibreOffice writes U+2022"},
    {"tika__testRTFHyperlinkAndStyles",
     "\\'94 in a \\fcharset1 font under \\ansicpg1252 is U+201D; LibreOffice gives U+FFFD"},
    {"tika__testRTFInvalidUnicode",
     "unpaired surrogates give U+FFFD here; LibreOffice writes '?' and drops the next space"},
    {"tika__testRTFJapanese",
     "a bullet is U+F0DC (Wingdings) in \\listtext and \\leveltext; LibreOffice substitutes "
     "U+25E6"},
    {"tika__testRTFListLibreOffice",
     "LibreOffice's own export wrote the bullet as a lone cp932 lead byte (\\'96, OpenSymbol "
     "\\fcharset128); LibreOffice rebuilds U+2022 from its list table"},
};

const Exclusion* findExclusion(std::string_view name) {
    for (const Exclusion& exclusion : exclusions) {
        if (name == exclusion.name) {
            return &exclusion;
        }
    }
    return nullptr;
}

std::optional<fs::path> corpusFolder() {
    const std::string_view configured = QUILLON_RTF_CORPUS;
    if (configured.empty()) {
        return std::nullopt;
    }
    std::error_code error;
    if (!fs::is_directory(configured, error)) {
        return std::nullopt;
    }
    return fs::path(configured);
}

std::string skipReason() {
    const std::string_view configured = QUILLON_RTF_CORPUS;
    if (configured.empty()) {
        return "QUILLON_RTF_CORPUS is empty: configure with -DQUILLON_RTF_CORPUS=<folder of .rtf "
               "files with reference/*.txt> to run the corpus tests";
    }
    return "the RTF corpus folder " + std::string(configured) + " does not exist";
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> rtfFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".rtf") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool isWhiteSpace(char32_t c) {
    // Unicode's White_Space: the ASCII blanks, NEL, no-break spaces, the typographic spaces and
    // the line and paragraph separators. LibreOffice writes some spaces as U+2006 and \~ as U+00A0.
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Every run of white space becomes one blank; none at either end.
std::string collapseWhiteSpace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    std::size_t index = 0;
    while (index < text.size()) {
        const std::size_t start = index;
        const char32_t c = quillon::decodeUtf8(text, index);
        if (isWhiteSpace(c)) {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) {
            out += ' ';
        }
        blank = false;
        out.append(text.substr(start, index - start));
    }
    return out;
}

std::string describeDifference(const std::string& ours, const std::string& reference) {
    const auto mismatch =
        std::mismatch(ours.begin(), ours.end(), reference.begin(), reference.end());
    const auto at = static_cast<std::size_t>(mismatch.first - ours.begin());
    const std::size_t from = at > 60 ? at - 60 : 0;
    std::ostringstream message;
    message << "first difference at byte " << at << " (ours " << ours.size() << " bytes, reference "
            << reference.size() << ")\n  ours:      ..." << ours.substr(from, 160)
            << "\n  reference: ..." << reference.substr(from, 160);
    return message.str();
}

TEST(RtfCorpus, EveryFileLoads) {
    const std::optional<fs::path> folder = corpusFolder();
    if (!folder) {
        GTEST_SKIP() << skipReason();
    }
    const std::vector<fs::path> files = rtfFiles(*folder);
    ASSERT_FALSE(files.empty()) << "no .rtf files in " << *folder;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::optional<quillon::RichDocument> document = quillon::readRtf(readFile(file));
        ASSERT_TRUE(document.has_value());
        EXPECT_FALSE(document->paragraphs.empty());
    }
}

TEST(RtfCorpus, TextMatchesTheLibreOfficeReferences) {
    const std::optional<fs::path> folder = corpusFolder();
    if (!folder) {
        GTEST_SKIP() << skipReason();
    }
    int compared = 0;
    int matched = 0;
    for (const fs::path& file : rtfFiles(*folder)) {
        const std::string name = file.stem().string();
        const fs::path referencePath = *folder / "reference" / (name + ".txt");
        if (!fs::exists(referencePath) || findExclusion(name) != nullptr) {
            continue;
        }
        SCOPED_TRACE(name);
        const std::optional<quillon::RichDocument> document = quillon::readRtf(readFile(file));
        ASSERT_TRUE(document.has_value());
        const std::string ours = collapseWhiteSpace(quillon::plainText(*document));
        const std::string reference = collapseWhiteSpace(readFile(referencePath));
        ++compared;
        if (ours == reference) {
            ++matched;
        } else {
            ADD_FAILURE() << name << ": " << describeDifference(ours, reference);
        }
    }
    std::cout << "[          ] " << matched << " of " << compared
              << " files with references match (excluded: " << std::size(exclusions) << ")\n";
    EXPECT_GE(matched, 70);
}

TEST(RtfCorpus, ExcludedFilesExistAndStillDiffer) {
    const std::optional<fs::path> folder = corpusFolder();
    if (!folder) {
        GTEST_SKIP() << skipReason();
    }
    for (const Exclusion& exclusion : exclusions) {
        SCOPED_TRACE(exclusion.name);
        const fs::path file = *folder / (std::string(exclusion.name) + ".rtf");
        const fs::path referencePath =
            *folder / "reference" / (std::string(exclusion.name) + ".txt");
        ASSERT_TRUE(fs::exists(file) && fs::exists(referencePath))
            << "excluded file or its reference is missing";
        const std::optional<quillon::RichDocument> document = quillon::readRtf(readFile(file));
        ASSERT_TRUE(document.has_value());
        EXPECT_NE(collapseWhiteSpace(quillon::plainText(*document)),
                  collapseWhiteSpace(readFile(referencePath)))
            << "now matches its reference: remove it from the exclusion table";
    }
}

} // namespace
