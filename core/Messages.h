#pragma once

#include <string_view>

// Every message the program can show, in one place.
namespace quillon::messages {

inline constexpr std::string_view applicationTitle = "Quillon";

inline constexpr std::string_view failedToCreateKey = "Failed to create key %s";
inline constexpr std::string_view failedToSetData = "Failed to set data for '%s'";
inline constexpr std::string_view invalidDataType = "Invalid data type for '%s'";
inline constexpr std::string_view failedToGetData = "Failed to get data for '%s'";

inline constexpr std::string_view cannotOpenFile = "Cannot open file %s";
inline constexpr std::string_view cannotCreateFile = "Cannot create file %s";
inline constexpr std::string_view failedToSaveStream = "Failed to Save Stream";
inline constexpr std::string_view failedToLoadStream = "Failed to Load Stream";

inline constexpr std::string_view cannotMakeVisibleWindowModal = "Cannot make a visible window modal";
inline constexpr std::string_view lineInsertionError = "RichEdit line insertion error";

} // namespace quillon::messages
