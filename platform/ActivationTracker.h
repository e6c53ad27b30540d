#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace quillon {

// Remembers which window of the program was active before the current one.
class ActivationTracker final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    QWidget* previous() const { return previous_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> current_;
    QPointer<QWidget> previous_;
};

} // namespace quillon
