#include "platform/ShortcutDispatcher.h"

#include "platform/Application.h"
#include "platform/Menus.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace quillon {

namespace {

struct Found {
    QAction* item = nullptr;
    bool canAct = false;
};

// Depth-first through the menus under `items`; `enabledAbove` says whether every menu above is.
Found findIn(const QList<QAction*>& items, const QKeySequence& key, bool enabledAbove) {
    for (QAction* item : items) {
        if (item->isSeparator())
            continue;
        const bool enabled = enabledAbove && item->isEnabled();
        if (!itemShortcut(item).isEmpty() && itemShortcut(item) == key)
            return {item, enabled};
        if (QMenu* submenu = item->menu()) {
            if (Found found = findIn(submenu->actions(), key, enabled); found.item != nullptr)
                return found;
        }
    }
    return {};
}

bool mainFormEnabled() {
    QWidget* main = Application::instance().mainForm();
    return main != nullptr && main->isEnabled() && QApplication::activeModalWidget() == nullptr;
}

bool isModifierOnly(int key) {
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_unknown;
}

} // namespace

QAction* ShortcutDispatcher::itemFor(QWidget* control, const QKeySequence& key, bool* canAct) {
    Found found;
    for (QWidget* widget = control; widget != nullptr && found.item == nullptr;
         widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        if (QMenu* popup = contextPopup(widget))
            found = findIn(popup->actions(), key, true);
    }
    if (found.item == nullptr && control != nullptr) {
        if (QMenuBar* bar = formMenuBar(control->window()))
            found = findIn(bar->actions(), key, true);
    }
    if (found.item == nullptr && mainFormEnabled()) {
        if (QMenuBar* bar = formMenuBar(Application::instance().mainForm()))
            found = findIn(bar->actions(), key, true);
    }
    if (canAct != nullptr)
        *canAct = found.canAct;
    return found.item;
}

bool ShortcutDispatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* press = static_cast<QKeyEvent*>(event);
    if (isModifierOnly(press->key()))
        return false;
    const auto modifiers = press->modifiers() & ~Qt::KeypadModifier;
    const QKeySequence key(QKeyCombination(modifiers, Qt::Key(press->key())));
    bool canAct = false;
    QAction* item = itemFor(static_cast<QWidget*>(watched), key, &canAct);
    if (item == nullptr)
        return false;
    if (canAct)
        item->trigger();
    return true;
}

} // namespace quillon
