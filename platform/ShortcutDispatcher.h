#pragma once

#include <QObject>

class QAction;
class QKeySequence;
class QWidget;

namespace quillon {

// Routes shortcut keys to menu items. A key is looked up in the context menus of the control
// that has it and of the controls that contain it, then in that window's menu bar, and last in
// the main form's menu bar while no window is shown modally. The first item found takes the key
// even when it cannot act; it acts only when it and every menu above it are enabled. A key an
// item takes never reaches the control.
class ShortcutDispatcher final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    static QAction* itemFor(QWidget* control, const QKeySequence& key, bool* canAct);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace quillon
