#pragma once

#include "platform/DialogService.h"
#include "platform/Shell.h"

#include <QObject>
#include <QString>
#include <exception>
#include <memory>
#include <utility>

class QWidget;

namespace quillon {

class ActivationTracker;
class ShortcutDispatcher;

// The program-wide application object: its title, the dialogs and shell it uses, the keyboard
// shortcut dispatcher, and the guard every event handler is entered through.
class Application final {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application& instance();

    void setTitle(const QString& title);
    const QString& title() const { return title_; }

    // The first form created becomes the main form.
    void setMainForm(QWidget* form);
    QWidget* mainForm() const { return mainForm_; }

    // The window of the program that was active before the current one.
    QWidget* previousActiveWindow() const;

    DialogService& dialogs() { return *dialogs_; }
    void setDialogs(std::unique_ptr<DialogService> dialogs) { dialogs_ = std::move(dialogs); }
    Shell& shell() { return *shell_; }
    void setShell(std::unique_ptr<Shell> shell) { shell_ = std::move(shell); }

    // Runs a handler; any failure it raises ends it and is shown by the default report.
    template <typename Handler> void guard(Handler&& handler) noexcept {
        try {
            std::forward<Handler>(handler)();
        } catch (const std::exception& failure) {
            reportException(failure.what());
        } catch (...) {
            reportException("Unknown failure");
        }
    }

    void reportException(const char* message) noexcept;

private:
    QString title_;
    QWidget* mainForm_ = nullptr;
    std::unique_ptr<DialogService> dialogs_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<ShortcutDispatcher> shortcuts_;
    std::unique_ptr<ActivationTracker> activations_;
};

// Connects a signal to a handler entered through the application's guard.
template <typename Sender, typename Signal, typename Handler>
void onEvent(Sender* sender, Signal signal, QObject* context, Handler handler) {
    QObject::connect(sender, signal, context,
                     [handler]() { Application::instance().guard(handler); });
}

} // namespace quillon
