#pragma once

#include "platform/Application.h"

#include <QAction>
#include <QKeySequence>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quillon {

// One row of a menu table. Level 0 is a menu of the bar (or an item of a popup menu), level 1
// an item or submenu inside it, level 2 an item of a submenu. A caption of "-" is a separator.
// Items without an action do nothing when chosen.
template <typename Form> struct MenuRow {
    int level;
    const char* name;
    const char* caption;
    const char* shortcut;
    void (Form::*action)();
};

// The menu item's shortcut: kept apart from Qt's own shortcut handling, which would act on
// keys behind the dispatcher's back.
QKeySequence itemShortcut(const QAction* item);
void setItemShortcut(QAction* item, const QKeySequence& key);

void setFormMenuBar(QWidget* form, QMenuBar* bar);
QMenuBar* formMenuBar(const QWidget* form);
void setContextPopup(QWidget* control, QMenu* popup);
QMenu* contextPopup(const QWidget* control);

// Adds one row under the menus open in `path` (one per level) and returns the new item; a row
// that opens a submenu returns the submenu's own item.
QAction* addMenuRow(QWidget* container, std::vector<QMenu*>& path, int level, const char* name,
                    const char* caption, const char* shortcut, bool opensSubmenu);

template <typename Form>
void buildMenus(Form* form, QWidget* container, std::span<const MenuRow<Form>> rows) {
    std::vector<QMenu*> path;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        const bool opensSubmenu = i + 1 < rows.size() && rows[i + 1].level > row.level;
        QAction* item = addMenuRow(container, path, row.level, row.name, row.caption, row.shortcut,
                                   opensSubmenu);
        if (row.action != nullptr) {
            onEvent(item, &QAction::triggered, form, [item, form, action = row.action] {
                // Qt flips a checkable item before telling us; its handler decides the mark.
                if (item->isCheckable())
                    item->setChecked(!item->isChecked());
                (form->*action)();
            });
        }
    }
}

// The item or submenu named `name` among a form's menus.
QAction* menuItem(const QObject* form, const char* name);

} // namespace quillon
