#pragma once

#include "core/Messages.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// What the composer's buttons and popup menu items put into the page.
namespace quillon {

enum class SnippetInput {
    None,      // the prefix is the whole snippet
    Prompt,    // asks for a value with prompt, then puts it between prefix and suffix
    ImageFile, // asks for an image file, then puts its name between prefix and suffix
};

struct Snippet {
    std::string_view prefix;
    std::string_view suffix;
    SnippetInput input = SnippetInput::None;
    std::string_view prompt;
};

// The line a snippet adds; value is ignored by snippets that ask for nothing.
std::string snippetText(const Snippet& snippet, std::string_view value);

// Settings of the value prompt.
inline constexpr std::string_view promptCaption = messages::valuePromptCaption;
inline constexpr std::string_view promptDefault = "";
inline constexpr int promptMaxLength = 255;

struct ButtonGeometry {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const ButtonGeometry&) const = default;
};

struct ComposerButton {
    std::string_view name;
    std::string_view caption;
    ButtonGeometry geometry;
    std::optional<Snippet> snippet; // nullopt for the buttons that pop up a menu
    std::string_view popupMenu;     // the menu such a button pops up, else empty
};

struct MenuItem {
    std::string_view name;
    std::string_view caption;       // empty for a separator
    std::optional<Snippet> snippet; // nullopt for a separator
    bool isSeparator() const { return !snippet.has_value(); }
};

struct PopupMenu {
    std::string_view name;
    std::span<const MenuItem> items;
};

// The name of the composer's context menu, the one shown over the editor.
inline constexpr std::string_view editorPopupMenu = "pm1";

// Left to right along the top of the composer.
const std::array<ComposerButton, 12>& composerButtons();

// The buttons in tab order; the editor comes before all of them.
const std::array<std::string_view, 12>& composerButtonTabOrder();

const std::array<PopupMenu, 3>& composerPopupMenus();

// Lookups by object name; null when no such object exists.
const ComposerButton* findComposerButton(std::string_view name);
const PopupMenu* findPopupMenu(std::string_view name);
const MenuItem* findMenuItem(std::string_view name);
// The snippet of a button or of a menu item; null for a name without one.
const Snippet* findSnippet(std::string_view objectName);

} // namespace quillon
