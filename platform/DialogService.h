#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace quillon {

enum class DialogButton { Yes, No, Cancel, Ok };

struct FileDialogRequest {
    QString filter; // "label|patterns|label|patterns", patterns separated by ';'
    int filterIndex = 1;
    QString fileName;
    bool confirmOverwrite = false;
};

struct FileDialogAnswer {
    QString fileName;
    int filterIndex = 1;
};

// Every modal question the program asks a person goes through one of these. The program uses
// real Qt dialogs; tests install a scripted service that answers and records.
class DialogService {
public:
    virtual ~DialogService() = default;

    virtual std::optional<FileDialogAnswer> openFile(QWidget* owner, const FileDialogRequest&) = 0;
    virtual std::optional<FileDialogAnswer> saveFile(QWidget* owner, const FileDialogRequest&) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) = 0;
    // A confirmation titled "Confirm" with a question mark and the buttons Yes, No and Cancel.
    virtual DialogButton confirm(QWidget* owner, const QString& text) = 0;
    // A plain message with an OK button, titled with the application title.
    virtual void showMessage(QWidget* owner, const QString& text) = 0;
    // A one-line prompt; nullopt when cancelled.
    virtual std::optional<QString> prompt(QWidget* owner, const QString& caption,
                                          const QString& label, const QString& initial,
                                          int maxLength) = 0;
    // The default exception report: an error box titled with the application title.
    virtual void reportError(QWidget* owner, const QString& text) = 0;
};

} // namespace quillon
