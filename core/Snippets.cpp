#include "core/Snippets.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr int buttonHeight = 33;

constexpr Snippet fixed(std::string_view text) {
    return {text, {}, SnippetInput::None, {}};
}

constexpr Snippet prompted(std::string_view prefix, std::string_view suffix,
                           std::string_view prompt) {
    return {prefix, suffix, SnippetInput::Prompt, prompt};
}

constexpr ComposerButton snippetButton(std::string_view name, std::string_view caption, int x,
                                       int width, Snippet snippet) {
    return {name, caption, {x, 0, width, buttonHeight}, snippet, {}};
}

constexpr ComposerButton menuButton(std::string_view name, std::string_view caption, int x,
                                    int width, std::string_view menu) {
    return {name, caption, {x, 0, width, buttonHeight}, std::nullopt, menu};
}

constexpr MenuItem separator(std::string_view name) {
    return {name, {}, std::nullopt};
}

constexpr std::array<ComposerButton, 12> buttons = {{
    snippetButton("Button1", "<HTML>", 0, 49, fixed("<html>")),
    snippetButton("Button2", "<BODY>", 48, 49,
                  fixed("<body bgcolor= background= link= alink= vlink= hlink= OnLoad=>")),
    snippetButton("Button6", "<HEAD>", 96, 49, fixed("<head>")),
    snippetButton("Button12", "<TITLE>", 144, 49,
                  prompted("<title>", "</title>", messages::pageTitlePrompt)),
    snippetButton("Button3", "IMG", 192, 33, {"<img src=", ">", SnippetInput::ImageFile, {}}),
    menuButton("Button7", "<FORM>", 224, 49, "pm3"),
    snippetButton("Button8", "<P>", 272, 33, fixed("<p align=>")),
    snippetButton("Button9", "<HR>", 304, 33, fixed("<hr width=>")),
    snippetButton("Button10", "<BR>", 336, 33, fixed("<br>")),
    menuButton("Button11", "Text style", 368, 57, "pm2"),
    snippetButton("Button4", "<SCRIPT>", 432, 57, fixed("<script language= src=> </script>")),
    snippetButton("Button5", "CSS", 488, 49, fixed("<style=\"css/text\" src=></style>")),
}};

constexpr std::array<std::string_view, 12> tabOrder = {
    "Button1", "Button2", "Button3",  "Button4",  "Button5", "Button7",
    "Button8", "Button9", "Button10", "Button11", "Button6", "Button12"};

constexpr std::array<MenuItem, 3> editorMenuItems = {{
    {"HEAD1", "End  BODY", fixed("</body>")},
    {"N17", "End  HTML", fixed("</html>")},
    {"HEAD2", "End  HEAD", fixed("</head>")},
}};

constexpr std::array<MenuItem, 7> textStyleItems = {{
    {"Bold1", "Bold", fixed("<b>")},
    {"Italic1", "Italic", fixed("<i>")},
    {"Underline1", "Underline", fixed("<u>")},
    separator("N18"),
    {"Bold2", "End Bold", fixed("</b>")},
    {"Italic2", "End Italic", fixed("</i>")},
    {"Underline2", "End Underline", fixed("</u>")},
}};

constexpr std::array<MenuItem, 6> formItems = {{
    {"Inputtype1", "Input type", fixed("<input type= name= value= >")},
    {"button13", "button",
     prompted("<input type=button value=", " name=>", messages::buttonValuePrompt)},
    {"radionbutton1", "radion button",
     prompted("<input type=radio value=", " name=>", messages::radioButtonValuePrompt)},
    {"checkbox1", "check box",
     prompted("<input type=checkbox value=", " name=>", messages::checkBoxValuePrompt)},
    separator("N19"),
    {"FORM1", "End FORM", fixed("</form>")},
}};

constexpr std::array<PopupMenu, 3> popupMenus = {{
    {editorPopupMenu, editorMenuItems},
    {"pm2", textStyleItems},
    {"pm3", formItems},
}};

template <typename Range> auto findByName(const Range& range, std::string_view name) {
    const auto found = std::find_if(std::begin(range), std::end(range),
                                    [&](const auto& element) { return element.name == name; });
    return found == std::end(range) ? nullptr : &*found;
}

} // namespace

std::string snippetText(const Snippet& snippet, std::string_view value) {
    std::string text(snippet.prefix);
    if (snippet.input != SnippetInput::None)
        text += value;
    text += snippet.suffix;
    return text;
}

const std::array<ComposerButton, 12>& composerButtons() {
    return buttons;
}

const std::array<std::string_view, 12>& composerButtonTabOrder() {
    return tabOrder;
}

const std::array<PopupMenu, 3>& composerPopupMenus() {
    return popupMenus;
}

const ComposerButton* findComposerButton(std::string_view name) {
    return findByName(buttons, name);
}

const PopupMenu* findPopupMenu(std::string_view name) {
    return findByName(popupMenus, name);
}

const MenuItem* findMenuItem(std::string_view name) {
    for (const auto& menu : popupMenus) {
        if (const MenuItem* item = findByName(menu.items, name))
            return item;
    }
    return nullptr;
}

const Snippet* findSnippet(std::string_view objectName) {
    if (const auto* button = findComposerButton(objectName))
        return button->snippet ? &*button->snippet : nullptr;
    if (const auto* item = findMenuItem(objectName))
        return item->snippet ? &*item->snippet : nullptr;
    return nullptr;
}

} // namespace quillon
