#include "core/Snippets.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using namespace quillon;

struct SourceCase {
    std::string_view objectName;
    SnippetInput input;
    std::string_view prompt;
    std::string_view value;
    std::string_view text;
};

// Every button and menu item that adds a snippet, with the line it adds.
const std::vector<SourceCase> snippetSources = {
    {"Button1", SnippetInput::None, "", "", "<html>"},
    {"Button2", SnippetInput::None, "", "",
     "<body bgcolor= background= link= alink= vlink= hlink= OnLoad=>"},
    {"Button6", SnippetInput::None, "", "", "<head>"},
    {"Button12", SnippetInput::Prompt, "Please enter the title of the page", "My Home Page",
     "<title>My Home Page</title>"},
    {"Button3", SnippetInput::ImageFile, "", "C:\\PICS\\logo.gif", "<img src=C:\\PICS\\logo.gif>"},
    {"Button8", SnippetInput::None, "", "", "<p align=>"},
    {"Button9", SnippetInput::None, "", "", "<hr width=>"},
    {"Button10", SnippetInput::None, "", "ignored", "<br>"},
    {"Button4", SnippetInput::None, "", "", "<script language= src=> </script>"},
    {"Button5", SnippetInput::None, "", "", "<style=\"css/text\" src=></style>"},
    {"HEAD1", SnippetInput::None, "", "", "</body>"},
    {"N17", SnippetInput::None, "", "", "</html>"},
    {"HEAD2", SnippetInput::None, "", "", "</head>"},
    {"Bold1", SnippetInput::None, "", "", "<b>"},
    {"Italic1", SnippetInput::None, "", "", "<i>"},
    {"Underline1", SnippetInput::None, "", "", "<u>"},
    {"Bold2", SnippetInput::None, "", "", "</b>"},
    {"Italic2", SnippetInput::None, "", "", "</i>"},
    {"Underline2", SnippetInput::None, "", "", "</u>"},
    {"Inputtype1", SnippetInput::None, "", "", "<input type= name= value= >"},
    {"button13", SnippetInput::Prompt, "Please enter the value of the button", "OK",
     "<input type=button value=OK name=>"},
    {"radionbutton1", SnippetInput::Prompt, "Please enter the value of the radiobutton", "yes",
     "<input type=radio value=yes name=>"},
    {"checkbox1", SnippetInput::Prompt, "Please enter the value of the checkbox", "",
     "<input type=checkbox value= name=>"},
    {"FORM1", SnippetInput::None, "", "", "</form>"},
};

TEST(Snippets, EverySourceAddsItsExactText) {
    std::set<std::string_view> tested;
    for (const auto& source : snippetSources) {
        SCOPED_TRACE(source.objectName);
        const Snippet* snippet = findSnippet(source.objectName);
        ASSERT_NE(snippet, nullptr);
        EXPECT_EQ(snippet->input, source.input);
        EXPECT_EQ(snippet->prompt, source.prompt);
        EXPECT_EQ(snippetText(*snippet, source.value), source.text);
        tested.insert(source.objectName);
    }

    std::set<std::string_view> sources;
    for (const auto& button : composerButtons()) {
        if (button.snippet)
            sources.insert(button.name);
    }
    for (const auto& menu : composerPopupMenus()) {
        for (const auto& item : menu.items) {
            if (!item.isSeparator())
                sources.insert(item.name);
        }
    }
    EXPECT_EQ(sources, tested);
    EXPECT_EQ(sources.size(), 24u);
}

TEST(Snippets, NamesWithoutASnippetFindNone) {
    for (const std::string_view name : {"Button7", "Button11", "N18", "N19", "pm1", "Button13"})
        EXPECT_EQ(findSnippet(name), nullptr) << name;
}

TEST(ComposerButtons, SitLeftToRightWithTheirCaptions) {
    struct Expected {
        std::string_view name;
        std::string_view caption;
        int x;
        int width;
        std::string_view popupMenu;
    };
    const std::array<Expected, 12> expected = {{
        {"Button1", "<HTML>", 0, 49, ""},
        {"Button2", "<BODY>", 48, 49, ""},
        {"Button6", "<HEAD>", 96, 49, ""},
        {"Button12", "<TITLE>", 144, 49, ""},
        {"Button3", "IMG", 192, 33, ""},
        {"Button7", "<FORM>", 224, 49, "pm3"},
        {"Button8", "<P>", 272, 33, ""},
        {"Button9", "<HR>", 304, 33, ""},
        {"Button10", "<BR>", 336, 33, ""},
        {"Button11", "Text style", 368, 57, "pm2"},
        {"Button4", "<SCRIPT>", 432, 57, ""},
        {"Button5", "CSS", 488, 49, ""},
    }};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& button = composerButtons()[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(button.name, expected[i].name);
        EXPECT_EQ(button.caption, expected[i].caption);
        EXPECT_EQ(button.geometry, (ButtonGeometry{expected[i].x, 0, expected[i].width, 33}));
        EXPECT_EQ(button.popupMenu, expected[i].popupMenu);
        EXPECT_EQ(button.snippet.has_value(), expected[i].popupMenu.empty());
        EXPECT_EQ(findComposerButton(expected[i].name), &button);
    }
}

TEST(ComposerButtons, TabOrderFollowsTheEditor) {
    const std::array<std::string_view, 12> expected = {
        "Button1", "Button2", "Button3",  "Button4",  "Button5", "Button7",
        "Button8", "Button9", "Button10", "Button11", "Button6", "Button12"};
    EXPECT_EQ(composerButtonTabOrder(), expected);
}

TEST(PopupMenus, ListTheirItemsAndSeparatorsInOrder) {
    using Items = std::vector<std::pair<std::string_view, std::string_view>>;
    const std::vector<std::pair<std::string_view, Items>> expected = {
        {"pm1", {{"HEAD1", "End  BODY"}, {"N17", "End  HTML"}, {"HEAD2", "End  HEAD"}}},
        {"pm2",
         {{"Bold1", "Bold"},
          {"Italic1", "Italic"},
          {"Underline1", "Underline"},
          {"N18", ""},
          {"Bold2", "End Bold"},
          {"Italic2", "End Italic"},
          {"Underline2", "End Underline"}}},
        {"pm3",
         {{"Inputtype1", "Input type"},
          {"button13", "button"},
          {"radionbutton1", "radion button"},
          {"checkbox1", "check box"},
          {"N19", ""},
          {"FORM1", "End FORM"}}},
    };
    ASSERT_EQ(composerPopupMenus().size(), expected.size());
    for (const auto& [menuName, items] : expected) {
        SCOPED_TRACE(menuName);
        const PopupMenu* menu = findPopupMenu(menuName);
        ASSERT_NE(menu, nullptr);
        Items actual;
        for (const auto& item : menu->items) {
            actual.emplace_back(item.name, item.caption);
            EXPECT_EQ(item.isSeparator(), item.caption.empty()) << item.name;
            EXPECT_EQ(findMenuItem(item.name), &item);
        }
        EXPECT_EQ(actual, items);
    }
    EXPECT_EQ(editorPopupMenu, "pm1");
    EXPECT_EQ(findPopupMenu("pm4"), nullptr);
}

TEST(Prompts, AskForAValueUnderTheSameSettings) {
    EXPECT_EQ(promptCaption, "Value");
    EXPECT_EQ(promptDefault, "");
    EXPECT_EQ(promptMaxLength, 255);
}

} // namespace
