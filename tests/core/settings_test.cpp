#include "core/Failure.h"
#include "core/RegFile.h"
#include "core/RegFileRegistry.h"
#include "core/Settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using quillon::Failure;
using quillon::RegFile;
using quillon::Registry;
using quillon::RegistryValue;
using quillon::Settings;

class MemoryStorage : public quillon::RegStorage {
public:
    std::optional<std::string> text;
    int writesAllowed = 1000;

    std::optional<std::string> load() override { return text; }

    bool update(const Change& change) override {
        auto next = change(text);
        if (!next)
            return true;
        if (writesAllowed-- <= 0)
            return false;
        text = std::move(next);
        return true;
    }
};

// Passes every call on to a real registry and records it, so a test sees both the exact call
// sequence and the stored result.
class RecordingRegistry : public Registry {
public:
    explicit RecordingRegistry(Registry& inner) : inner_(inner) {}

    std::vector<std::string> calls;

    void CreateKey(std::string_view path) override {
        calls.push_back("CreateKey " + std::string(path));
        inner_.CreateKey(path);
    }
    bool OpenKey(std::string_view path, bool canCreate) override {
        calls.push_back("OpenKey " + std::string(path) + (canCreate ? " create" : ""));
        return inner_.OpenKey(path, canCreate);
    }
    void WriteString(std::string_view name, std::string_view value) override {
        calls.push_back("WriteString " + std::string(name) + "=" + std::string(value));
        inner_.WriteString(name, value);
    }
    void WriteInteger(std::string_view name, std::int32_t value) override {
        calls.push_back("WriteInteger " + std::string(name) + "=" + std::to_string(value));
        inner_.WriteInteger(name, value);
    }
    std::string ReadString(std::string_view name) override {
        calls.push_back("ReadString " + std::string(name));
        return inner_.ReadString(name);
    }
    std::int32_t ReadInteger(std::string_view name) override {
        calls.push_back("ReadInteger " + std::string(name));
        return inner_.ReadInteger(name);
    }

private:
    Registry& inner_;
};

const std::string openSettings = "OpenKey \\Software\\marrowkit\\quillon\\Settings create";
const std::string createSettings = "CreateKey \\Software\\marrowkit\\quillon\\Settings";
constexpr const char* settingsPath = "Software\\marrowkit\\quillon\\Settings";

class SettingsSequences : public testing::Test {
protected:
    MemoryStorage storage;
    quillon::RegFileRegistry store{storage};
    RecordingRegistry registry{store};

    void storeValues(const std::vector<std::pair<std::string, RegistryValue>>& values) {
        RegFile file;
        file.createKey(settingsPath);
        for (const auto& [name, value] : values)
            file.setValue(settingsPath, name, value);
        storage.text = file.serialize();
    }

    RegFile stored() const { return RegFile::parse(storage.text.value_or("")).value_or(RegFile{}); }

    std::optional<RegistryValue> storedValue(std::string_view name) const {
        const RegFile file = stored();
        const RegistryValue* value = file.value(settingsPath, name);
        return value ? std::optional(*value) : std::nullopt;
    }
};

TEST_F(SettingsSequences, ReadAtStartReadsEachFieldInOrder) {
    storeValues({{"tasm", RegistryValue::text("TASM.EXE")},
                 {"moreb", RegistryValue::text("/b")},
                 {"Font", RegistryValue::text("Courier")},
                 {"App state", RegistryValue::text("max")},
                 {"Save normal text", RegistryValue::number(1)}});
    Settings settings;
    quillon::readSettingsAtStart(registry, settings);

    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{openSettings, "ReadString tasm", "ReadString tlink",
                                        "ReadString C", "ReadString Pascal", "ReadString BASIC",
                                        "ReadString moret", "ReadString morec", "ReadString morep",
                                        "ReadString moreb", "ReadString Font",
                                        "ReadInteger Save normal text"}));
    EXPECT_EQ(settings.tasm, "TASM.EXE");
    EXPECT_EQ(settings.moreb, "/b");
    EXPECT_EQ(settings.Font, "Courier");
    EXPECT_EQ(settings.SaveNormalText, 1);
    EXPECT_EQ(settings.AppState, "") << "App state is not read at start";
}

TEST_F(SettingsSequences, FirstStartCreatesTheKeyAndReadsEmptyValues) {
    Settings settings;
    settings.tasm = "stale";
    settings.SaveNormalText = 7;
    quillon::readSettingsAtStart(registry, settings);

    EXPECT_TRUE(stored().hasKey(settingsPath));
    EXPECT_EQ(settings.tasm, "");
    EXPECT_EQ(settings.Font, "");
    EXPECT_EQ(settings.SaveNormalText, 0);
}

TEST_F(SettingsSequences, ATasmOfTheWrongTypeStopsTheReadsAtIt) {
    storeValues({{"tasm", RegistryValue::number(5)}, {"tlink", RegistryValue::text("TLINK")}});
    Settings settings;
    settings.tasm = "before";
    try {
        quillon::readSettingsAtStart(registry, settings);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Invalid data type for 'tasm'");
    }
    EXPECT_EQ(registry.calls, (std::vector<std::string>{openSettings, "ReadString tasm"}));
    EXPECT_EQ(settings.tasm, "before");
    EXPECT_EQ(settings.tlink, "");
}

TEST_F(SettingsSequences, CompilerOptionsAreWrittenThenReadBack) {
    quillon::CompilerOptionFields fields{"tasm.exe", "tlink.exe", "/t",     "bcc.exe", "/c",
                                         "tpc.exe",  "/p",        "qb.exe", "/b",      2};
    Settings settings;
    quillon::storeCompilerOptions(registry, fields, settings);

    EXPECT_EQ(registry.calls, (std::vector<std::string>{createSettings,
                                                        openSettings,
                                                        "WriteString tasm=tasm.exe",
                                                        "WriteString tlink=tlink.exe",
                                                        "WriteString moret=/t",
                                                        "WriteString C=bcc.exe",
                                                        "WriteString morec=/c",
                                                        "WriteString Pascal=tpc.exe",
                                                        "WriteString morep=/p",
                                                        "WriteString BASIC=qb.exe",
                                                        "WriteString moreb=/b",
                                                        "WriteInteger rg1=2",
                                                        "ReadString tasm",
                                                        "ReadString tlink",
                                                        "ReadString C",
                                                        "ReadString Pascal",
                                                        "ReadString BASIC",
                                                        "ReadString moret",
                                                        "ReadString morec",
                                                        "ReadString morep",
                                                        "ReadString moreb"}));
    EXPECT_EQ(*storedValue("rg1"), RegistryValue::number(2));
    EXPECT_EQ(settings.tasm, "tasm.exe");
    EXPECT_EQ(settings.tlink, "tlink.exe");
    EXPECT_EQ(settings.C, "bcc.exe");
    EXPECT_EQ(settings.Pascal, "tpc.exe");
    EXPECT_EQ(settings.BASIC, "qb.exe");
    EXPECT_EQ(settings.moret, "/t");
    EXPECT_EQ(settings.morec, "/c");
    EXPECT_EQ(settings.morep, "/p");
    EXPECT_EQ(settings.moreb, "/b");
}

TEST_F(SettingsSequences, AFailedWriteEndsTheSequenceKeepingEarlierWrites) {
    storeValues({});
    storage.writesAllowed = 2;
    quillon::CompilerOptionFields fields{"a", "b", "c", "d", "e", "f", "g", "h", "i", 1};
    Settings settings;
    try {
        quillon::storeCompilerOptions(registry, fields, settings);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Failed to set data for 'moret'");
    }
    EXPECT_EQ(registry.calls.back(), "WriteString moret=c");
    EXPECT_EQ(storedValue("tlink")->string, "b");
    EXPECT_FALSE(storedValue("moret"));
    EXPECT_EQ(settings.tasm, "");
}

TEST_F(SettingsSequences, GeneralOptionsAreWrittenThenReadBack) {
    Settings settings;
    settings.SaveNormalText = 3;
    quillon::storeGeneralOptions(registry, settings);

    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{createSettings, openSettings,
                                        "WriteInteger Save normal text=0", "WriteString Font=Arial",
                                        "WriteString App state=max", "ReadString Font",
                                        "ReadString App state", "ReadInteger Save normal text"}));
    EXPECT_EQ(settings.Font, "Arial");
    EXPECT_EQ(settings.AppState, "max");
    EXPECT_EQ(settings.SaveNormalText, 0);
}

TEST_F(SettingsSequences, SaveModeChoiceOnlyWritesTheSaveMode) {
    storeValues({{"Save normal text", RegistryValue::text("not a number")}});
    quillon::storeSaveModeChoice(registry);

    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{openSettings, "WriteInteger Save normal text=0"}));
    EXPECT_EQ(*storedValue("Save normal text"), RegistryValue::number(0));
}

} // namespace
