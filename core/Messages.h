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

// The composer's prompts for a value.
inline constexpr std::string_view valuePromptCaption = "Value";
inline constexpr std::string_view pageTitlePrompt = "Please enter the title of the page";
inline constexpr std::string_view buttonValuePrompt = "Please enter the value of the button";
inline constexpr std::string_view radioButtonValuePrompt =
    "Please enter the value of the radiobutton";
inline constexpr std::string_view checkBoxValuePrompt = "Please enter the value of the checkbox";

// The composer's Help → About.
inline constexpr std::string_view composerAbout = "Small HTML editor";

inline constexpr std::string_view editOpenedHtmlQuestion =
    "You heve opened an HTML source file.Do you want to edit it with Tagloom?";
inline constexpr std::string_view composeNewHtmlQuestion =
    "You heve created an HTML source file.Do you want to compose it with Tagloom?";

} // namespace quillon::messages
