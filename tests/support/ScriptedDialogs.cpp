#include "support/ScriptedDialogs.h"

namespace quillon::test {

void ScriptedDialogs::willChooseFile(const QString& fileName, int filterIndex) {
    fileAnswers.push_back(FileDialogAnswer{fileName, filterIndex});
}

void ScriptedDialogs::willCancelFile() {
    fileAnswers.push_back(std::nullopt);
}

std::optional<FileDialogAnswer> ScriptedDialogs::answerFile(bool save,
                                                            const FileDialogRequest& request) {
    fileQuestions.push_back({save, request});
    if (fileAnswers.empty()) {
        unexpected << QStringLiteral("file dialog");
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<FileDialogAnswer> ScriptedDialogs::openFile(QWidget*, const FileDialogRequest& r) {
    return answerFile(false, r);
}

std::optional<FileDialogAnswer> ScriptedDialogs::saveFile(QWidget*, const FileDialogRequest& r) {
    return answerFile(true, r);
}

std::optional<QFont> ScriptedDialogs::chooseFont(QWidget*, const QFont& initial) {
    fontQuestions.push_back(initial);
    if (fontAnswers.empty()) {
        unexpected << QStringLiteral("font dialog");
        return std::nullopt;
    }
    auto answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
}

DialogButton ScriptedDialogs::confirm(QWidget*, const QString& text) {
    confirmations << text;
    if (confirmAnswers.empty()) {
        unexpected << QStringLiteral("confirmation: ") + text;
        return DialogButton::Cancel;
    }
    const auto answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::showMessage(QWidget*, const QString& text) {
    messages << text;
}

std::optional<QString> ScriptedDialogs::prompt(QWidget*, const QString& caption,
                                               const QString& label, const QString& initial,
                                               int maxLength) {
    prompts.push_back({caption, label, initial, maxLength});
    if (promptAnswers.empty()) {
        unexpected << QStringLiteral("prompt: ") + label;
        return std::nullopt;
    }
    auto answer = promptAnswers.front();
    promptAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::reportError(QWidget*, const QString& text) {
    errors << text;
}

} // namespace quillon::test
