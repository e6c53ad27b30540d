#include "core/Failure.h"
#include "core/RegFile.h"
#include "core/RegFileRegistry.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using quillon::Failure;
using quillon::RegFile;
using quillon::RegFileRegistry;

class MemoryStorage : public quillon::RegStorage {
public:
    std::optional<std::string> text;
    int writes = 0;
    bool failReads = false;
    bool failWrites = false;

    std::optional<std::string> load() override {
        if (failReads)
            throw quillon::StorageError("cannot read");
        return text;
    }

    bool update(const Change& change) override {
        if (failReads)
            return false;
        auto next = change(text);
        if (!next)
            return true;
        if (failWrites)
            return false;
        text = std::move(next);
        ++writes;
        return true;
    }
};

constexpr const char* settingsKey = "\\Software\\marrowkit\\quillon\\Settings";
constexpr const char* settingsPath = "Software\\marrowkit\\quillon\\Settings";

std::string storeText(const std::string& valueLines) {
    return "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\" +
           std::string(settingsPath) + "]\n" + valueLines;
}

RegFile parsed(const MemoryStorage& storage) {
    const auto file = RegFile::parse(storage.text.value_or(""));
    EXPECT_TRUE(file) << storage.text.value_or("<no file>");
    return file.value_or(RegFile{});
}

TEST(RegFileRegistryKeys, OpenKeyCreatesAMissingKeyOnlyWhenAllowed) {
    MemoryStorage storage;
    RegFileRegistry registry(storage);
    EXPECT_FALSE(registry.OpenKey(settingsKey, false));
    EXPECT_FALSE(storage.text);
    EXPECT_FALSE(registry.openKey());

    EXPECT_TRUE(registry.OpenKey(settingsKey, true));
    EXPECT_TRUE(parsed(storage).hasKey(settingsPath));
    EXPECT_EQ(registry.openKey(), settingsPath);
    EXPECT_EQ(storage.writes, 1);

    RegFileRegistry again(storage);
    EXPECT_TRUE(again.OpenKey("\\software\\MARROWKIT\\quillon\\settings", true));
    EXPECT_TRUE(again.OpenKey("\\SOFTWARE\\marrowkit\\Quillon\\Settings", false));
    EXPECT_EQ(storage.writes, 1);
}

TEST(RegFileRegistryKeys, RelativePathsStartFromTheOpenKeyOrTheRoot) {
    MemoryStorage storage;
    RegFileRegistry registry(storage);
    registry.CreateKey("Software");
    ASSERT_TRUE(registry.OpenKey("\\Software", false));
    registry.CreateKey("marrowkit");
    ASSERT_TRUE(registry.OpenKey("marrowkit\\", true));
    EXPECT_EQ(registry.openKey(), "Software\\marrowkit");
    EXPECT_FALSE(registry.OpenKey("Nowhere", false));
    EXPECT_EQ(registry.openKey(), "Software\\marrowkit") << "a failed open keeps the open key";

    const RegFile file = parsed(storage);
    EXPECT_TRUE(file.hasKey("Software"));
    EXPECT_TRUE(file.hasKey("Software\\marrowkit"));
    EXPECT_EQ(file.keys().size(), 2u);
}

TEST(RegFileRegistryValues, WritesReplaceAnyOldValueAndReadBack) {
    MemoryStorage storage;
    storage.text = storeText("\"tasm\"=dword:00000001\n\"Keep\"=hex(7):41,00,00,00,00,00\n");
    RegFileRegistry registry(storage);
    ASSERT_TRUE(registry.OpenKey(settingsKey, true));
    EXPECT_EQ(storage.writes, 0);

    registry.WriteString("TASM", "C:\\TOOLS\\TASM.EXE");
    registry.WriteInteger("rg1", -5);
    registry.WriteString("empty", "");
    EXPECT_EQ(registry.ReadString("tasm"), "C:\\TOOLS\\TASM.EXE");
    EXPECT_EQ(registry.ReadInteger("RG1"), -5);
    EXPECT_EQ(registry.ReadString("empty"), "");

    EXPECT_EQ(storage.text, storeText("\"tasm\"=\"C:\\\\TOOLS\\\\TASM.EXE\"\n"
                                      "\"Keep\"=hex(7):41,00,00,00,00,00\n"
                                      "\"rg1\"=dword:fffffffb\n"
                                      "\"empty\"=\"\"\n\n"));
    const int writes = storage.writes;
    registry.WriteInteger("rg1", -5);
    EXPECT_EQ(storage.writes, writes) << "an unchanged value is not written again";
}

TEST(RegFileRegistryValues, EachReadSeesWhatAnotherWriterStoredMeanwhile) {
    MemoryStorage storage;
    RegFileRegistry reader(storage);
    RegFileRegistry writer(storage);
    ASSERT_TRUE(reader.OpenKey(settingsKey, true));
    ASSERT_TRUE(writer.OpenKey(settingsKey, false));

    EXPECT_EQ(reader.ReadString("Font"), "");
    writer.WriteString("Font", "Arial");
    EXPECT_EQ(reader.ReadString("Font"), "Arial");
    reader.WriteInteger("Save normal text", 1);
    writer.WriteString("Font", "Courier");
    EXPECT_EQ(reader.ReadString("Font"), "Courier");
    EXPECT_EQ(writer.ReadInteger("Save normal text"), 1);
}

struct ReadCase {
    const char* line;
    std::string text;
    std::int32_t number;
    const char* stringFailure;
    const char* integerFailure;
};

void PrintTo(const ReadCase& readCase, std::ostream* out) {
    *out << readCase.line;
}

class RegFileRegistryReads : public testing::TestWithParam<ReadCase> {};

TEST_P(RegFileRegistryReads, GiveTheDataOrTheMessageForItsType) {
    MemoryStorage storage;
    storage.text = storeText(GetParam().line);
    RegFileRegistry registry(storage);
    ASSERT_TRUE(registry.OpenKey(settingsKey, false)) << GetParam().line;

    const auto failureOf = [](const std::function<void()>& read) -> std::string {
        try {
            read();
        } catch (const Failure& failure) {
            return failure.what();
        }
        return "";
    };
    std::string text;
    std::int32_t number = 0;
    EXPECT_EQ(failureOf([&] { text = registry.ReadString("v"); }), GetParam().stringFailure);
    EXPECT_EQ(failureOf([&] { number = registry.ReadInteger("v"); }), GetParam().integerFailure);
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(number, GetParam().number);
}

constexpr const char* invalidType = "Invalid data type for 'v'";
constexpr const char* cannotGet = "Failed to get data for 'v'";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileRegistryReads,
    testing::Values(ReadCase{"\"other\"=\"x\"\n", "", 0, "", ""},
                    ReadCase{"\"v\"=\"\"\n", "", 0, "", invalidType},
                    ReadCase{"\"v\"=\"a\"\n", "a", 0, "", invalidType},
                    ReadCase{"\"v\"=\"ab\"\n", "ab", 0, "", cannotGet},
                    ReadCase{"\"v\"=hex(1):61,00,00,00,62,00,00,00\n", "a", 0, "", cannotGet},
                    ReadCase{"\"v\"=hex(2):25,00,41,00,25,00,00,00\n", "%A%", 0, "", cannotGet},
                    ReadCase{"\"v\"=dword:ffffffff\n", "", -1, invalidType, ""},
                    ReadCase{"\"v\"=hex(4):02,01\n", "", 0x102, invalidType, ""},
                    ReadCase{"\"v\"=hex(4):01,00,00,00,00\n", "", 0, invalidType, cannotGet},
                    ReadCase{"\"v\"=hex(b):01,00,00,00,00,00,00,00\n", "", 0, invalidType,
                             cannotGet},
                    ReadCase{"\"v\"=hex:01,02\n", "", 0, invalidType, invalidType},
                    ReadCase{"\"v\"=hex:\n", "", 0, "", invalidType},
                    ReadCase{"\"v\"=hex(0):\n", "", 0, "", invalidType},
                    ReadCase{"\"V\"=hex(7):41,00,00,00,00,00\n", "", 0, invalidType, cannotGet}));

struct FailureCase {
    const char* what;
    std::function<void(MemoryStorage&, RegFileRegistry&)> act;
    const char* message;
};

void PrintTo(const FailureCase& failureCase, std::ostream* out) {
    *out << failureCase.what;
}

class RegFileRegistryFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(RegFileRegistryFailures, ThrowTheirMessageAndLeaveTheFileAlone) {
    MemoryStorage storage;
    storage.text = storeText("\"tasm\"=\"old\"\n");
    const auto before = storage.text;
    RegFileRegistry registry(storage);
    try {
        GetParam().act(storage, registry);
        ADD_FAILURE() << GetParam().what << ": nothing thrown";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.what(), std::string(GetParam().message)) << GetParam().what;
    }
    EXPECT_EQ(storage.text, before) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileRegistryFailures,
    testing::Values(
        FailureCase{"create, write refused",
                    [](MemoryStorage& s, RegFileRegistry& r) {
                        s.failWrites = true;
                        r.CreateKey("\\Software\\New");
                    },
                    "Failed to create key \\Software\\New"},
        FailureCase{"create, storage unreadable",
                    [](MemoryStorage& s, RegFileRegistry& r) {
                        s.failReads = true;
                        r.CreateKey("New");
                    },
                    "Failed to create key New"},
        FailureCase{"create, path with an empty part",
                    [](MemoryStorage&, RegFileRegistry& r) { r.CreateKey("A\\\\B"); },
                    "Failed to create key A\\\\B"},
        FailureCase{"write string, no key open",
                    [](MemoryStorage&, RegFileRegistry& r) { r.WriteString("tasm", "x"); },
                    "Failed to set data for 'tasm'"},
        FailureCase{"write integer, no key open",
                    [](MemoryStorage&, RegFileRegistry& r) { r.WriteInteger("rg1", 1); },
                    "Failed to set data for 'rg1'"},
        FailureCase{"write string, write refused",
                    [](MemoryStorage& s, RegFileRegistry& r) {
                        ASSERT_TRUE(r.OpenKey(settingsKey, true));
                        s.failWrites = true;
                        r.WriteString("Font", "Arial");
                    },
                    "Failed to set data for 'Font'"},
        FailureCase{"write integer, storage unreadable",
                    [](MemoryStorage& s, RegFileRegistry& r) {
                        ASSERT_TRUE(r.OpenKey(settingsKey, true));
                        s.failReads = true;
                        r.WriteInteger("Save normal text", 0);
                    },
                    "Failed to set data for 'Save normal text'"},
        FailureCase{"write, name the file cannot carry",
                    [](MemoryStorage&, RegFileRegistry& r) {
                        ASSERT_TRUE(r.OpenKey(settingsKey, true));
                        r.WriteString("two\nlines", "x");
                    },
                    "Failed to set data for 'two\nlines'"}));

TEST(RegFileRegistryUnparseable, NothingOpensNothingReadsAndTheFileIsNeverWritten) {
    MemoryStorage storage;
    storage.text = storeText("\"tasm\"=\"kept\"\n\"broken\"=dword:1\n");
    const auto before = storage.text;
    RegFileRegistry registry(storage);

    EXPECT_FALSE(registry.OpenKey(settingsKey, true));
    EXPECT_FALSE(registry.OpenKey(settingsKey, false));
    EXPECT_EQ(registry.ReadString("tasm"), "");
    EXPECT_EQ(registry.ReadInteger("tasm"), 0);
    EXPECT_THROW(registry.CreateKey(settingsKey), Failure);
    EXPECT_THROW(registry.WriteString("tasm", "x"), Failure);
    EXPECT_EQ(storage.text, before);
    EXPECT_EQ(storage.writes, 0);
}

TEST(RegFileRegistryUnparseable, AKeyOpenedBeforeTheTextBrokeIsNotWrittenEither) {
    MemoryStorage storage;
    RegFileRegistry registry(storage);
    ASSERT_TRUE(registry.OpenKey(settingsKey, true));
    storage.text = "Windows Registry Editor Version 5.00\nnot a value line\n";
    EXPECT_THROW(registry.WriteString("tasm", "x"), Failure);
    EXPECT_THROW(registry.WriteInteger("rg1", 1), Failure);
    EXPECT_EQ(registry.ReadString("tasm"), "");
    EXPECT_EQ(storage.text, "Windows Registry Editor Version 5.00\nnot a value line\n");
}

TEST(RegFileRegistryUnreadable, OpenKeyAndReadsDoNotThrow) {
    MemoryStorage storage;
    storage.text = storeText("\"tasm\"=\"x\"\n");
    RegFileRegistry registry(storage);
    ASSERT_TRUE(registry.OpenKey(settingsKey, false));
    storage.failReads = true;
    EXPECT_FALSE(registry.OpenKey(settingsKey, false));
    EXPECT_FALSE(registry.OpenKey(settingsKey, true));
    EXPECT_EQ(registry.ReadString("tasm"), "");
    EXPECT_EQ(registry.ReadInteger("tasm"), 0);
}

} // namespace
