#pragma once

#include "platform/DialogService.h"

#include <QFont>
#include <QString>

class QWidget;

namespace quillon {

// An open dialog that keeps its file name, filter string and filter index between uses.
class TOpenDialog {
public:
    QString FileName;
    QString Filter;
    int FilterIndex = 1;

    // Runs the dialog; on confirmation stores the chosen path and entry, on cancel keeps both.
    bool Execute(QWidget* owner);
};

// A save dialog; like the open dialog, and it may ask before replacing an existing file.
class TSaveDialog {
public:
    QString FileName;
    QString Filter;
    int FilterIndex = 1;
    bool OverwritePrompt = false;

    bool Execute(QWidget* owner);
};

class TFontDialog {
public:
    QFont Font;

    // Runs the dialog; on confirmation stores the chosen font, on cancel keeps the old one.
    bool Execute(QWidget* owner);
};

// The confirmation box: Yes, No or Cancel.
DialogButton MessageDlg(QWidget* owner, const QString& text);
// A plain message with an OK button.
void ShowMessage(QWidget* owner, const QString& text);
// A prompt with a one-line field of at most 255 characters; the default after Cancel.
QString InputBox(QWidget* owner, const QString& caption, const QString& prompt,
                 const QString& defaultValue);

// A font given the way the program's windows describe theirs: a family and a height in pixels
// (negative: the character height without internal leading).
QFont fontOf(const QString& family, int height, bool bold = false);

} // namespace quillon
