#pragma once

#include <QMainWindow>

namespace quillon {

enum class ModalResult { None, Ok, Cancel };

// A window of the program. Closing it hides it; the main form's closing ends the program.
// Subclasses override the handlers they need; each is entered through the application's guard.
class TForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr);

    ModalResult modalResult() const { return modalResult_; }
    // Closes a modally shown form with a result, as an OK or Cancel button does.
    void closeModal(ModalResult result);

    // Shows the form modelessly; a visible form is brought to the front and activated again.
    void Show();
    // Shows the form modally and returns when it is hidden again.
    ModalResult ShowModal();

signals:
    void hidden();

protected:
    virtual void FormShow() {}
    // The form became the active window: shown, shown again, or reached from another form of
    // the program. Closing its own dialogs and returning from another program do not count.
    virtual void FormActivate() {}
    virtual void FormClose() {}
    virtual void FormResize() {}

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool isOwnWindow(const QWidget* window) const;

    ModalResult modalResult_ = ModalResult::None;
    bool activationPending_ = false;
};

} // namespace quillon
