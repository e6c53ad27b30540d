#pragma once

#include "platform/DialogService.h"

#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace quillon::test {

// Answers the program's questions from a script and records every question asked. A question
// with no scripted answer is recorded in `unexpected` and answered as cancelled.
class ScriptedDialogs final : public DialogService {
public:
    struct FileQuestion {
        bool save;
        FileDialogRequest request;
    };
    struct Prompt {
        QString caption;
        QString label;
        QString initial;
        int maxLength;
    };

    std::deque<std::optional<FileDialogAnswer>> fileAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<DialogButton> confirmAnswers;
    std::deque<std::optional<QString>> promptAnswers;

    std::vector<FileQuestion> fileQuestions;
    std::vector<QFont> fontQuestions;
    QStringList confirmations;
    QStringList messages;
    std::vector<Prompt> prompts;
    QStringList errors;
    QStringList unexpected;

    // Scripts the next file dialog: confirmed with this name and entry.
    void willChooseFile(const QString& fileName, int filterIndex);
    // Scripts the next file dialog: cancelled.
    void willCancelFile();

    std::optional<FileDialogAnswer> openFile(QWidget* owner, const FileDialogRequest&) override;
    std::optional<FileDialogAnswer> saveFile(QWidget* owner, const FileDialogRequest&) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) override;
    DialogButton confirm(QWidget* owner, const QString& text) override;
    void showMessage(QWidget* owner, const QString& text) override;
    std::optional<QString> prompt(QWidget* owner, const QString& caption, const QString& label,
                                  const QString& initial, int maxLength) override;
    void reportError(QWidget* owner, const QString& text) override;

private:
    std::optional<FileDialogAnswer> answerFile(bool save, const FileDialogRequest& request);
};

} // namespace quillon::test
