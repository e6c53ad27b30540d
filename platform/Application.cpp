#include "platform/Application.h"

#include "core/ErrorReport.h"
#include "platform/ActivationTracker.h"
#include "platform/QtDialogService.h"
#include "platform/ShortcutDispatcher.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace quillon {

namespace {
Application* current = nullptr;
}

Application::Application()
    : dialogs_(std::make_unique<QtDialogService>())
    , shell_(std::make_unique<DetachedProcessShell>())
    , shortcuts_(std::make_unique<ShortcutDispatcher>())
    , activations_(std::make_unique<ActivationTracker>()) {
    Q_ASSERT(current == nullptr);
    current = this;
    // The windows name the Windows fonts they were drawn with; these look closest here.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("System"), {QStringLiteral("Liberation Sans"),
                                                          QStringLiteral("DejaVu Sans")});
    qApp->installEventFilter(activations_.get());
    qApp->installEventFilter(shortcuts_.get());
}

Application::~Application() {
    qApp->removeEventFilter(shortcuts_.get());
    qApp->removeEventFilter(activations_.get());
    current = nullptr;
}

Application& Application::instance() {
    Q_ASSERT(current != nullptr);
    return *current;
}

void Application::setTitle(const QString& title) {
    // Not the display name: Qt would add that to every window title on X11.
    title_ = title;
    QApplication::setApplicationName(title);
}

QWidget* Application::previousActiveWindow() const {
    return activations_->previous();
}

void Application::setMainForm(QWidget* form) {
    if (mainForm_ == nullptr)
        mainForm_ = form;
}

void Application::reportException(const char* message) noexcept {
    try {
        const auto text = errorReportText(message);
        dialogs_->reportError(QApplication::activeWindow(), QString::fromStdString(text));
    } catch (...) {
        // The report itself failed; nothing is left to tell the person with.
    }
}

} // namespace quillon
