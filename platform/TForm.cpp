#include "platform/TForm.h"

#include "core/Failure.h"
#include "core/Messages.h"
#include "platform/Application.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace quillon {

TForm::TForm(QWidget* parent) : QMainWindow(parent) {
    Application::instance().setMainForm(this);
}

void TForm::closeModal(ModalResult result) {
    modalResult_ = result;
    close();
}

void TForm::Show() {
    if (isVisible() && isActiveWindow()) {
        Application::instance().guard([this] { FormActivate(); });
        raise();
        return;
    }
    show();
    raise();
    activateWindow();
}

ModalResult TForm::ShowModal() {
    if (isVisible())
        throw Failure(std::string(messages::cannotMakeVisibleWindowModal));
    modalResult_ = ModalResult::None;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    const auto connection = connect(this, &TForm::hidden, &loop, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    loop.exec();
    disconnect(connection);
    setWindowModality(Qt::NonModal);
    if (modalResult_ == ModalResult::None)
        modalResult_ = ModalResult::Cancel;
    return modalResult_;
}

bool TForm::isOwnWindow(const QWidget* window) const {
    for (const QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        if (w == this)
            return true;
    }
    return false;
}

bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        const bool fromElsewhere = !isOwnWindow(Application::instance().previousActiveWindow());
        if (activationPending_ || fromElsewhere) {
            activationPending_ = false;
            Application::instance().guard([this] { FormActivate(); });
        }
    }
    return QMainWindow::event(event);
}

void TForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        activationPending_ = true;
        Application::instance().guard([this] { FormShow(); });
    }
}

void TForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        emit hidden();
}

void TForm::closeEvent(QCloseEvent* event) {
    Application::instance().guard([this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Application::instance().guard([this] { FormResize(); });
}

void TForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Application::instance().guard([this] { FormResize(); });
}

} // namespace quillon
