#pragma once

#include "core/Registry.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr std::string_view settingsKeyPath = "\\Software\\marrowkit\\quillon\\Settings";

struct Settings {
    std::string tasm, tlink, C, Pascal, BASIC, moret, morec, morep, moreb, Font, AppState;
    std::int32_t SaveNormalText = 0;
};

struct CompilerOptionFields {
    std::string tasm, tlink, moret, C, morec, Pascal, morep, BASIC, moreb;
    std::int32_t compilerChoice = 0;
};

enum class SettingsValueType { string, integer };

// One value of the settings key: the field it is read into (none for a value that is written but
// never read) and, for the compiler options, the field it is written from.
struct SettingsValue {
    std::string_view name;
    SettingsValueType type;
    std::string Settings::*text = nullptr;
    std::int32_t Settings::*number = nullptr;
    std::string CompilerOptionFields::*compilerText = nullptr;
};

std::span<const SettingsValue> settingsValues();
const SettingsValue& settingsValue(std::string_view name);

// Each sequence stops at the first call that throws; what was written stays written and a field
// changes only when its read succeeds.
void readSettingsAtStart(Registry& registry, Settings& settings);
void storeCompilerOptions(Registry& registry, const CompilerOptionFields& fields,
                          Settings& settings);
void storeGeneralOptions(Registry& registry, Settings& settings);
void storeSaveModeChoice(Registry& registry);

} // namespace quillon
