#pragma once

#include "core/PlainText.h"

#include <QAction>
#include <QPlainTextEdit>
#include <memory>

namespace quillon {

class TRichEdit;

// The editor's lines: whole-file loading and saving, and appending a line.
class RichEditLines final {
public:
    explicit RichEditLines(TRichEdit& editor) : editor_(editor) {}

    // Replaces the whole text with the file's contents, read as plain text or as RTF according
    // to the editor's mode. Fails with "Cannot open file %s" or "Failed to Load Stream".
    void LoadFromFile(const QString& fileName);
    // Writes the whole text, replacing the file only once the new one is complete. Fails with
    // "Cannot create file %s" or "Failed to Save Stream".
    void SaveToFile(const QString& fileName);
    // Appends `line` as a new last line: never at the caret, leaving the selection as it is,
    // and beyond the reach of Undo.
    void Add(const QString& line);

private:
    TRichEdit& editor_;
};

// The rich edit control: a text editor that reads and writes plain text or RTF and shows
// per-character formatting. Its text separates lines with CR LF.
class TRichEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TRichEdit(QWidget* parent = nullptr);

    // Plain mode reads and writes files as plain text, rich mode as RTF. Switching changes
    // nothing that is shown.
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool plain) { plainText_ = plain; }

    QString Text() const;
    // Replaces the whole text; the same text again changes nothing and raises no change.
    void SetText(const QString& text);
    // Empties the editor for a new document.
    void Clear();
    void SelectAll();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();

    QFont Font() const { return font(); }
    void SetFont(const QFont& font);

    bool WordWrap() const { return lineWrapMode() != NoWrap; }
    // Switching re-creates the control: the text stays, the undo history is lost.
    void SetWordWrap(bool wrap);

    // Typing and pasting stop at this many characters (a line break counts as one); text the
    // program puts in is never cut. 0 means no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

    RichEditLines& Lines() { return lines_; }

    // The encoding of the plain file last loaded, used again when saving as plain text.
    TextEncoding plainEncoding() const { return plainEncoding_; }
    void setPlainEncoding(TextEncoding encoding) { plainEncoding_ = encoding; }

    // The number of characters, counting each line break as one.
    int length() const;

    // Shows `document` in place of the current one, which is deleted; the undo history goes.
    void adoptDocument(std::unique_ptr<QTextDocument> document);

signals:
    // The text changed, by typing or by a command.
    void OnChange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int room() const;

    bool plainText_ = true;
    int maxLength_ = 0;
    TextEncoding plainEncoding_ = TextEncoding::Utf8;
    RichEditLines lines_{*this};
};

// The WordWrap menu rule: a checked item switches wrapping off and is unchecked; an unchecked
// one is checked and switches wrapping on.
void toggleWordWrap(QAction& item, TRichEdit& editor);

// Editor text (CR LF, lone CR or LF between lines) to the widget's paragraphs and back.
QString toEditorParagraphs(const QString& text);
QString fromEditorParagraphs(const QString& raw);

} // namespace quillon
