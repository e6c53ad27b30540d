#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/htmedit1.h"
#include "forms/htmop3.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

using quillon::test::ProgramUnderTest;

namespace {

const QString htmlFilter = QStringLiteral("HTML (*.html)|*.html| All files (*.*)|*.*");

// Tools → Tagloom of the main window, then waits until the composer has the keyboard.
void showComposerFromTools() {
    Form1->item("Tagloom1")->trigger();
    QTRY_VERIFY(htm1->isActiveWindow());
}

void activateMainWindow() {
    Form1->activateWindow();
    QTRY_VERIFY(Form1->isActiveWindow());
}

void typeIntoComposer(const QString& text) {
    QTest::keyClick(htm1->re1, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(htm1->re1, text);
}

QByteArray fileText(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class ComposerTest : public QObject {
    Q_OBJECT

private slots:
    void toolsShowsAnEmptyComposerReadyForHtml() {
        ProgramUnderTest program;
        QVERIFY(!htm1->isVisible());
        QVERIFY(htm1->od1.Filter.isEmpty());
        showComposerFromTools();
        QCOMPARE(htm1->windowTitle(), QStringLiteral("Tagloom"));
        QCOMPARE(htm1->pos(), QPoint(214, 144));
        QCOMPARE(htm1->re1->Text(), QString());
        QCOMPARE(htm1->re1->geometry(), QRect(0, 32, 793, 497));
        QVERIFY(htm1->re1->PlainText());
        QVERIFY(!htm1->re1->WordWrap());
        QVERIFY(!htm1->item("N15")->isChecked());
        QVERIFY(htm1->re1->Font().bold());
        QCOMPARE(htm1->re1->Font().pixelSize(), 19);
        QCOMPARE(QFontInfo(htm1->re1->Font()).fixedPitch(), true);
        QVERIFY(!htm1->item("N4")->isEnabled());
        QVERIFY(!htm1->item("Undo1")->isEnabled());
        QCOMPARE(htm1->od1.Filter, htmlFilter);
        QCOMPARE(htm1->sd1.Filter, htmlFilter);
        QVERIFY(htm1->sd1.OverwritePrompt);
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void aHandOverIsTakenOnceAndTheComposersOwnWorkSurvivesSwitchingWindows() {
        ProgramUnderTest program;
        HandOverText = QStringLiteral("<html>\r\n");
        HandOverPending = true;
        showComposerFromTools();
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<html>\r\n"));
        QVERIFY(!HandOverPending);
        QVERIFY(htm1->item("N4")->isEnabled());
        QVERIFY(htm1->item("Undo1")->isEnabled());

        typeIntoComposer(QStringLiteral("<body>"));
        activateMainWindow();
        showComposerFromTools();
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<html>\r\n<body>"));

        // Declined: Open empties the text and hands nothing over.
        HandOverText.clear();
        activateMainWindow();
        htm1->activateWindow();
        QTRY_VERIFY(htm1->isActiveWindow());
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<html>\r\n<body>"));

        // Handed over while the composer stays open: the next activation takes it.
        activateMainWindow();
        HandOverText = QStringLiteral("<p align=>\r\n");
        HandOverPending = true;
        htm1->activateWindow();
        QTRY_VERIFY(htm1->isActiveWindow());
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<p align=>\r\n"));
        QVERIFY(!HandOverPending);
    }

    void theModalComposerTakesTheHandOverAndCutsWithCtrlXItself() {
        ProgramUnderTest program;
        QApplication::clipboard()->clear();
        Form1->re1->SetText(QStringLiteral("main text"));
        Form1->re1->selectAll();
        HandOverText = QStringLiteral("<html>\r\n");
        HandOverPending = true;
        bool activated = false;
        QString textOnArrival;
        QString textAfterCut;
        QTimer::singleShot(0, htm1, [&] {
            activated = QTest::qWaitFor([] { return htm1->isActiveWindow(); });
            textOnArrival = htm1->re1->Text();
            QTest::keyClick(htm1->re1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(htm1->re1, Qt::Key_X, Qt::ControlModifier);
            textAfterCut = htm1->re1->Text();
            QTest::keyClick(htm1->re1, Qt::Key_F4, Qt::AltModifier);
        });
        htm1->ShowModal();
        QVERIFY(!htm1->isVisible());
        QVERIFY(activated);
        QCOMPARE(textOnArrival, QStringLiteral("<html>\r\n"));
        QCOMPARE(textAfterCut, QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("<html>\n"));
        QCOMPARE(Form1->re1->Text(), QStringLiteral("main text"));
    }

    void theModelessComposerPassesCtrlXToTheMainEditorAndCutsWithShiftCtrlC() {
        ProgramUnderTest program;
        QApplication::clipboard()->clear();
        Form1->re1->SetText(QStringLiteral("main text"));
        Form1->re1->selectAll();
        showComposerFromTools();
        typeIntoComposer(QStringLiteral("<br>"));
        QTest::keyClick(htm1->re1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(htm1->re1, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(Form1->re1->Text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("main text"));
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<br>"));

        QTest::keyClick(htm1->re1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(htm1->re1->Text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("<br>"));
    }

    void typingAndPastingStopAt90CharactersButProgramTextIsWhole() {
        ProgramUnderTest program;
        const QString longPage = QString(120, u'x');
        HandOverText = longPage;
        HandOverPending = true;
        showComposerFromTools();
        QCOMPARE(htm1->re1->Text(), longPage);
        QTest::keyClicks(htm1->re1, QStringLiteral("y"));
        QCOMPARE(htm1->re1->Text(), longPage);

        QTest::keyClick(htm1->re1, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClicks(htm1->re1, QString(100, u'a'));
        QCOMPARE(htm1->re1->Text(), QString(90, u'a'));
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(htm1->re1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(htm1->re1->Text(), QString(90, u'a'));
    }

    void delDeletesTheSelectionOnly() {
        ProgramUnderTest program;
        showComposerFromTools();
        typeIntoComposer(QStringLiteral("abc"));
        QTest::keyClick(htm1->re1, Qt::Key_Home);
        QTest::keyClick(htm1->re1, Qt::Key_Delete);
        QCOMPARE(htm1->re1->Text(), QStringLiteral("abc"));
        QTest::keyClick(htm1->re1, Qt::Key_Right);
        QTest::keyClick(htm1->re1, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(htm1->re1, Qt::Key_Delete);
        QCOMPARE(htm1->re1->Text(), QStringLiteral("ac"));
    }

    void editCommandsActOnTheComposersEditor() {
        ProgramUnderTest program;
        QApplication::clipboard()->clear();
        showComposerFromTools();
        typeIntoComposer(QStringLiteral("ab"));
        QTest::keyClick(htm1->re1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(htm1->re1->Text(), QString());
        typeIntoComposer(QStringLiteral("ab"));
        QTest::keyClick(htm1->re1, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(htm1->re1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("b"));
        QTest::keyClick(htm1->re1, Qt::Key_End);
        QTest::keyClick(htm1->re1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(htm1->re1->Text(), QStringLiteral("abb"));
    }

    void wordWrapStartsOffAndItsFirstUseSwitchesItOn() {
        ProgramUnderTest program;
        showComposerFromTools();
        QTest::keyClick(htm1->re1, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(htm1->re1->WordWrap());
        QVERIFY(htm1->item("N15")->isChecked());
        QTest::keyClick(htm1->re1, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!htm1->re1->WordWrap());
        QVERIFY(!htm1->item("N15")->isChecked());
    }

    void aboutShowsItsMessageAndOptionsShowsTheOptionsWindow() {
        ProgramUnderTest program;
        showComposerFromTools();
        QTest::keyClick(htm1->re1, Qt::Key_F1);
        QCOMPARE(program.dialogs().messages, QStringList{QStringLiteral("Small HTML editor")});
        htm1->item("N10")->trigger();
        QTRY_VERIFY(Form3->isVisible());
    }

    void newEmptiesTheTextAndNamesItUntitled() {
        ProgramUnderTest program;
        showComposerFromTools();
        typeIntoComposer(QStringLiteral("<html>"));
        QTest::keyClick(htm1->re1, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(htm1->re1->Text(), QString());
        QCOMPARE(htm1->windowTitle(), QStringLiteral("Tagloom - Untitled"));
    }

    void saveAsAddsHtmlEvenTwiceToTheSameName() {
        ProgramUnderTest program;
        showComposerFromTools();
        typeIntoComposer(QStringLiteral("<html>"));
        const QString index = program.scratch(QStringLiteral("index"));
        const QString written = index + QStringLiteral(".html");
        program.dialogs().willChooseFile(index, 1);
        htm1->item("SaveAs1")->trigger();
        QCOMPARE(fileText(written), QByteArray("<html>"));
        QCOMPARE(htm1->windowTitle(), QStringLiteral("Tagloom - ") + written);
        QCOMPARE(htm1->sd1.FileName, index);
        const auto& request = program.dialogs().fileQuestions.at(0);
        QVERIFY(request.save);
        QCOMPARE(request.request.filter, htmlFilter);
        QVERIFY(request.request.confirmOverwrite);

        typeIntoComposer(QStringLiteral("!"));
        program.dialogs().willChooseFile(index, 1);
        htm1->item("SaveAs1")->trigger();
        QCOMPARE(fileText(written), QByteArray("<html>!"));
        QVERIFY(!QFile::exists(written + QStringLiteral(".html")));
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void saveWritesTheNameAsEnteredUntilTheOpenDialogHoldsOne() {
        ProgramUnderTest program;
        showComposerFromTools();
        typeIntoComposer(QStringLiteral("<p align=>"));
        const QString page = program.scratch(QStringLiteral("page.htm"));
        program.dialogs().willChooseFile(page, 1);
        QTest::keyClick(htm1->re1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fileText(page), QByteArray("<p align=>"));
        QCOMPARE(htm1->windowTitle(), QStringLiteral("Tagloom"));

        const QString opened = program.scratch(QStringLiteral("old.html"));
        QFile file(opened);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<b>\r\n");
        file.close();
        program.dialogs().willChooseFile(opened, 1);
        QTest::keyClick(htm1->re1, Qt::Key_O, Qt::ControlModifier);
        program.dialogs().willChooseFile(page, 1);
        QTest::keyClick(htm1->re1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fileText(page + QStringLiteral(".html")), QByteArray("<b>\r\n"));
        QVERIFY(program.dialogs().unexpected.isEmpty());
    }

    void openLoadsWholeTextAndNamesTheWindowAFailingOpenChangesNothing() {
        ProgramUnderTest program;
        showComposerFromTools();
        const QString name = program.scratch(QStringLiteral("long.html"));
        const QByteArray longPage = "<html>\r\n" + QByteArray(150, 'x') + "\r\n</html>\r\n";
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(longPage);
        file.close();
        program.dialogs().willChooseFile(name, 1);
        QTest::keyClick(htm1->re1, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(htm1->re1->Text(), QString::fromLatin1(longPage));
        QCOMPARE(htm1->windowTitle(), QStringLiteral("Tagloom - ") + name);
        QCOMPARE(program.dialogs().fileQuestions.at(0).request.filter, htmlFilter);

        const QString missing = program.scratch(QStringLiteral("missing.html"));
        program.dialogs().willChooseFile(missing, 1);
        QTest::keyClick(htm1->re1, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Cannot open file ") + missing + u'.'});
        QCOMPARE(htm1->windowTitle(), QStringLiteral("Tagloom - ") + name);
    }

    void cancelledFileDialogsEndTheirCommand() {
        ProgramUnderTest program;
        showComposerFromTools();
        typeIntoComposer(QStringLiteral("<html>"));
        const QString first = program.scratch(QStringLiteral("first"));
        program.dialogs().willChooseFile(first, 1);
        htm1->item("SaveAs1")->trigger();
        QVERIFY(QFile::remove(first + QStringLiteral(".html")));
        const QString caption = htm1->windowTitle();

        program.dialogs().willCancelFile();
        htm1->item("SaveAs1")->trigger();
        program.dialogs().willCancelFile();
        QTest::keyClick(htm1->re1, Qt::Key_S, Qt::ControlModifier);
        program.dialogs().willCancelFile();
        QTest::keyClick(htm1->re1, Qt::Key_O, Qt::ControlModifier);

        QCOMPARE(program.dialogs().fileQuestions.size(), std::size_t{4});
        QCOMPARE(QDir(program.scratch(QString())).entryList(QDir::Files), QStringList());
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<html>"));
        QCOMPARE(htm1->windowTitle(), caption);
        QVERIFY(program.dialogs().errors.isEmpty());
    }
};

QTEST_MAIN(ComposerTest)
#include "composer_test.moc"
