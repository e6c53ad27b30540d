#include "core/Settings.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace quillon {

namespace {

using enum SettingsValueType;

constexpr std::array<SettingsValue, 13> table{{
    {"tasm", string, &Settings::tasm, nullptr, &CompilerOptionFields::tasm},
    {"tlink", string, &Settings::tlink, nullptr, &CompilerOptionFields::tlink},
    {"moret", string, &Settings::moret, nullptr, &CompilerOptionFields::moret},
    {"C", string, &Settings::C, nullptr, &CompilerOptionFields::C},
    {"morec", string, &Settings::morec, nullptr, &CompilerOptionFields::morec},
    {"Pascal", string, &Settings::Pascal, nullptr, &CompilerOptionFields::Pascal},
    {"morep", string, &Settings::morep, nullptr, &CompilerOptionFields::morep},
    {"BASIC", string, &Settings::BASIC, nullptr, &CompilerOptionFields::BASIC},
    {"moreb", string, &Settings::moreb, nullptr, &CompilerOptionFields::moreb},
    {"rg1", integer},
    {"Save normal text", integer, nullptr, &Settings::SaveNormalText},
    {"Font", string, &Settings::Font},
    {"App state", string, &Settings::AppState},
}};

constexpr std::array<std::string_view, 11> readAtStart{
    "tasm",  "tlink", "C",     "Pascal", "BASIC",           "moret",
    "morec", "morep", "moreb", "Font",   "Save normal text"};

constexpr std::array<std::string_view, 9> compilerReadBack{
    "tasm", "tlink", "C", "Pascal", "BASIC", "moret", "morec", "morep", "moreb"};

constexpr std::array<std::string_view, 3> generalReadBack{"Font", "App state", "Save normal text"};

void readInto(Registry& registry, std::string_view name, Settings& settings) {
    const SettingsValue& value = settingsValue(name);
    if (value.type == string)
        settings.*value.text = registry.ReadString(name);
    else
        settings.*value.number = registry.ReadInteger(name);
}

template <std::size_t Count>
void readAll(Registry& registry, const std::array<std::string_view, Count>& names,
             Settings& settings) {
    for (const std::string_view name : names)
        readInto(registry, name, settings);
}

void openSettingsKey(Registry& registry) {
    // A key that cannot be opened shows up in the reads and writes that follow.
    registry.OpenKey(settingsKeyPath, true);
}

} // namespace

std::span<const SettingsValue> settingsValues() {
    return table;
}

const SettingsValue& settingsValue(std::string_view name) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const SettingsValue& value) { return value.name == name; });
    if (found == table.end())
        throw std::out_of_range("no such settings value");
    return *found;
}

void readSettingsAtStart(Registry& registry, Settings& settings) {
    openSettingsKey(registry);
    readAll(registry, readAtStart, settings);
}

void storeCompilerOptions(Registry& registry, const CompilerOptionFields& fields,
                          Settings& settings) {
    registry.CreateKey(settingsKeyPath);
    openSettingsKey(registry);
    for (const SettingsValue& value : table) {
        if (value.compilerText)
            registry.WriteString(value.name, fields.*value.compilerText);
    }
    registry.WriteInteger("rg1", fields.compilerChoice);
    readAll(registry, compilerReadBack, settings);
}

void storeGeneralOptions(Registry& registry, Settings& settings) {
    registry.CreateKey(settingsKeyPath);
    openSettingsKey(registry);
    registry.WriteInteger("Save normal text", 0);
    registry.WriteString("Font", "Arial");
    registry.WriteString("App state", "max");
    readAll(registry, generalReadBack, settings);
}

void storeSaveModeChoice(Registry& registry) {
    openSettingsKey(registry);
    registry.WriteInteger("Save normal text", 0);
}

} // namespace quillon
