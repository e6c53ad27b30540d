#include "platform/TRichEdit.h"

#include "core/AppendRule.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace quillon {

namespace {
constexpr QChar paragraphSeparator(0x2029);
constexpr QChar lineSeparator(0x2028);
} // namespace

QString toEditorParagraphs(const QString& text) {
    QString paragraphs;
    paragraphs.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            paragraphs += u'\n';
        } else {
            paragraphs += c;
        }
    }
    return paragraphs;
}

QString fromEditorParagraphs(const QString& raw) {
    QString text;
    text.reserve(raw.size() + raw.size() / 32);
    for (const QChar c : raw) {
        if (c == paragraphSeparator || c == lineSeparator)
            text += QStringLiteral("\r\n");
        else
            text += c;
    }
    return text;
}

TRichEdit::TRichEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setLineWrapMode(WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QPlainTextEdit::textChanged, this, &TRichEdit::OnChange);
}

QString TRichEdit::Text() const {
    return fromEditorParagraphs(document()->toRawText());
}

void TRichEdit::SetText(const QString& text) {
    const QString paragraphs = toEditorParagraphs(text);
    if (paragraphs == toEditorParagraphs(Text()))
        return;
    setPlainText(paragraphs);
}

void TRichEdit::Clear() {
    SetText(QString());
    // An emptied editor holds a new document, and new documents are written as UTF-8.
    plainEncoding_ = TextEncoding::Utf8;
}

void TRichEdit::SelectAll() {
    selectAll();
}

void TRichEdit::ClearSelection() {
    textCursor().removeSelectedText();
}

void TRichEdit::CopyToClipboard() {
    copy();
}

void TRichEdit::CutToClipboard() {
    cut();
}

void TRichEdit::PasteFromClipboard() {
    paste();
}

void TRichEdit::Undo() {
    undo();
}

void TRichEdit::SetFont(const QFont& newFont) {
    setFont(newFont);
    document()->setDefaultFont(newFont);
}

void TRichEdit::SetWordWrap(bool wrap) {
    setLineWrapMode(wrap ? WidgetWidth : NoWrap);
    document()->clearUndoRedoStacks();
}

void TRichEdit::adoptDocument(std::unique_ptr<QTextDocument> newDocument) {
    // The editor deletes the document it had when that one is its child, as it is here.
    newDocument->setParent(this);
    setDocument(newDocument.release());
    document()->setDefaultFont(font());
}

int TRichEdit::length() const {
    return document()->characterCount() - 1;
}

int TRichEdit::room() const {
    const QTextCursor cursor = textCursor();
    return maxLength_ - length() + (cursor.selectionEnd() - cursor.selectionStart());
}

void TRichEdit::keyPressEvent(QKeyEvent* event) {
    // The Tab key moves the focus at most; no tab character can be typed.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        event->ignore();
        return;
    }
    const bool inserts = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const bool breaksLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (maxLength_ > 0 && (inserts || breaksLine) && room() < 1) {
        event->accept();
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TRichEdit::insertFromMimeData(const QMimeData* source) {
    if (maxLength_ <= 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = toEditorParagraphs(source->text());
    text.truncate(std::max(0, room()));
    if (!text.isEmpty())
        insertPlainText(text);
}

void toggleWordWrap(QAction& item, TRichEdit& editor) {
    if (item.isChecked()) {
        editor.SetWordWrap(false);
        item.setChecked(false);
    } else {
        item.setChecked(true);
        editor.SetWordWrap(true);
    }
}

void RichEditLines::Add(const QString& line) {
    // Only whether the text ends with a line break matters to the rule, not the whole text.
    const std::string lastLine = editor_.document()->lastBlock().text().isEmpty() ? "" : "x";
    const std::string insertion = appendInsertion(lastLine, line.toStdString());
    QTextCursor end(editor_.document());
    end.movePosition(QTextCursor::End);
    end.insertText(toEditorParagraphs(QString::fromStdString(insertion)));
    editor_.document()->clearUndoRedoStacks();
}

} // namespace quillon
