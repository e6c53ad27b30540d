#include "platform/Application.h"
#include "platform/TRichEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <optional>

using namespace quillon;

class RichEditTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        application.emplace();
        editor.emplace();
        editor->show();
    }

    void cleanup() {
        editor.reset();
        application.reset();
    }

    void textSeparatesLinesWithCrLf() {
        editor->SetText(QStringLiteral("one\rtwo\nthree\r\nfour"));
        QCOMPARE(editor->Text(), QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
        QCOMPARE(editor->document()->blockCount(), 4);
        editor->SetText(QStringLiteral("\r\n"));
        QCOMPARE(editor->document()->blockCount(), 2);
        QCOMPARE(editor->Text(), QStringLiteral("\r\n"));
    }

    void settingTheSameTextRaisesNoChange() {
        editor->SetText(QStringLiteral("abc\r\n"));
        QSignalSpy changes(&*editor, &TRichEdit::OnChange);
        editor->SetText(QStringLiteral("abc\r\n"));
        QCOMPARE(changes.count(), 0);
        editor->SetText(QStringLiteral("abd\r\n"));
        QVERIFY(changes.count() > 0);
        const auto afterSet = changes.count();
        QTest::keyClicks(&*editor, QStringLiteral("x"));
        QVERIFY(changes.count() > afterSet);
    }

    void typingAndPastingStopAtTheMaximumLength() {
        editor->SetMaxLength(5);
        QTest::keyClicks(&*editor, QStringLiteral("abcdefgh"));
        QCOMPARE(editor->Text(), QStringLiteral("abcde"));
        QTest::keyClick(&*editor, Qt::Key_Return);
        QCOMPARE(editor->Text(), QStringLiteral("abcde"));

        editor->SetText(QStringLiteral("ab"));
        editor->moveCursor(QTextCursor::End);
        QApplication::clipboard()->setText(QStringLiteral("123456"));
        editor->PasteFromClipboard();
        QCOMPARE(editor->Text(), QStringLiteral("ab123"));

        // Replacing a selection makes room for what replaces it.
        editor->selectAll();
        QTest::keyClicks(&*editor, QStringLiteral("wxyz"));
        QCOMPARE(editor->Text(), QStringLiteral("wxyz"));
    }

    void textTheProgramPutsInIsNeverCut() {
        editor->SetMaxLength(3);
        editor->SetText(QStringLiteral("a long line of text"));
        QCOMPARE(editor->Text(), QStringLiteral("a long line of text"));
        editor->Lines().Add(QStringLiteral("<html>"));
        QCOMPARE(editor->Text(), QStringLiteral("a long line of text\r\n<html>"));
    }

    void addAppendsANewLastLineAndLeavesTheSelection() {
        editor->SetText(QString());
        editor->Lines().Add(QStringLiteral("<html>"));
        editor->Lines().Add(QStringLiteral("<head>"));
        QCOMPARE(editor->Text(), QStringLiteral("<html>\r\n<head>\r\n"));

        editor->SetText(QStringLiteral("abc def"));
        QTextCursor selection = editor->textCursor();
        selection.setPosition(0);
        selection.setPosition(3, QTextCursor::KeepAnchor);
        editor->setTextCursor(selection);
        editor->Lines().Add(QStringLiteral("<br>"));
        QCOMPARE(editor->Text(), QStringLiteral("abc def\r\n<br>"));
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("abc"));
    }

    void anAddedLineCannotBeUndone() {
        editor->SetText(QString());
        QTest::keyClicks(&*editor, QStringLiteral("abc"));
        editor->Lines().Add(QStringLiteral("<br>"));
        editor->Undo();
        QCOMPARE(editor->Text(), QStringLiteral("abc\r\n<br>"));
    }

    void switchingWordWrapKeepsTheTextAndDropsUndo() {
        QTest::keyClicks(&*editor, QStringLiteral("abc"));
        QVERIFY(editor->document()->isUndoAvailable());
        editor->SetWordWrap(false);
        QVERIFY(!editor->WordWrap());
        QCOMPARE(editor->Text(), QStringLiteral("abc"));
        QVERIFY(!editor->document()->isUndoAvailable());
    }

    void theTabKeyIsNotTaken() {
        QTest::keyClick(&*editor, Qt::Key_Tab);
        QCOMPARE(editor->Text(), QString());
    }

private:
    std::optional<Application> application;
    std::optional<TRichEdit> editor;
};

QTEST_MAIN(RichEditTest)
#include "rich_edit_test.moc"
