#include "platform/Menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>

namespace quillon {

namespace {
constexpr const char* shortcutProperty = "quillonShortcut";
constexpr const char* menuBarProperty = "quillonMenuBar";
constexpr const char* popupProperty = "quillonContextPopup";
} // namespace

QKeySequence itemShortcut(const QAction* item) {
    return item->property(shortcutProperty).value<QKeySequence>();
}

void setItemShortcut(QAction* item, const QKeySequence& key) {
    item->setProperty(shortcutProperty, QVariant::fromValue(key));
}

void setFormMenuBar(QWidget* form, QMenuBar* bar) {
    form->setProperty(menuBarProperty, QVariant::fromValue(static_cast<QObject*>(bar)));
}

QMenuBar* formMenuBar(const QWidget* form) {
    return qobject_cast<QMenuBar*>(form->property(menuBarProperty).value<QObject*>());
}

void setContextPopup(QWidget* control, QMenu* popup) {
    control->setProperty(popupProperty, QVariant::fromValue(static_cast<QObject*>(popup)));
}

QMenu* contextPopup(const QWidget* control) {
    return qobject_cast<QMenu*>(control->property(popupProperty).value<QObject*>());
}

QAction* addMenuRow(QWidget* container, std::vector<QMenu*>& path, int level, const char* name,
                    const char* caption, const char* shortcut, bool opensSubmenu) {
    path.resize(static_cast<std::size_t>(level));
    QWidget* parent = path.empty() ? container : path.back();
    const QString text = QString::fromUtf8(caption);

    QAction* item = nullptr;
    if (opensSubmenu) {
        auto* submenu = new QMenu(text, parent);
        item = submenu->menuAction();
        path.push_back(submenu);
    } else {
        item = new QAction(text, parent);
        item->setSeparator(text == QLatin1String("-"));
    }
    item->setObjectName(QString::fromUtf8(name));
    if (shortcut != nullptr && *shortcut != '\0') {
        const QKeySequence key(QString::fromUtf8(shortcut));
        setItemShortcut(item, key);
        item->setText(text + u'\t' + key.toString(QKeySequence::NativeText));
    }
    parent->addAction(item);
    return item;
}

QAction* menuItem(const QObject* form, const char* name) {
    return form->findChild<QAction*>(QString::fromUtf8(name));
}

} // namespace quillon
