#include "platform/Dialogs.h"

#include "platform/Application.h"

namespace quillon {

namespace {
constexpr int inputBoxMaxLength = 255;
}

bool TOpenDialog::Execute(QWidget* owner) {
    const auto answer = Application::instance().dialogs().openFile(
        owner, FileDialogRequest{Filter, FilterIndex, FileName, false});
    if (!answer)
        return false;
    FileName = answer->fileName;
    FilterIndex = answer->filterIndex;
    return true;
}

bool TSaveDialog::Execute(QWidget* owner) {
    const auto answer = Application::instance().dialogs().saveFile(
        owner, FileDialogRequest{Filter, FilterIndex, FileName, OverwritePrompt});
    if (!answer)
        return false;
    FileName = answer->fileName;
    FilterIndex = answer->filterIndex;
    return true;
}

bool TFontDialog::Execute(QWidget* owner) {
    const auto chosen = Application::instance().dialogs().chooseFont(owner, Font);
    if (!chosen)
        return false;
    Font = *chosen;
    return true;
}

DialogButton MessageDlg(QWidget* owner, const QString& text) {
    return Application::instance().dialogs().confirm(owner, text);
}

void ShowMessage(QWidget* owner, const QString& text) {
    Application::instance().dialogs().showMessage(owner, text);
}

QString InputBox(QWidget* owner, const QString& caption, const QString& prompt,
                 const QString& defaultValue) {
    const auto answer = Application::instance().dialogs().prompt(owner, caption, prompt,
                                                                 defaultValue, inputBoxMaxLength);
    return answer ? answer->left(inputBoxMaxLength) : defaultValue;
}

QFont fontOf(const QString& family, int height, bool bold) {
    QFont font(family);
    font.setPixelSize(height < 0 ? -height : height);
    font.setBold(bold);
    return font;
}

} // namespace quillon
