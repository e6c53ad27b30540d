#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/Unit2.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using quillon::test::ProgramUnderTest;

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void f1ShowsTheHelpModallyUntilOk() {
        ProgramUnderTest program;
        QTRY_VERIFY(Form1->isActiveWindow());
        bool sawModal = false;
        QTimer::singleShot(0, [&] {
            sawModal = Form2->isVisible() && Form2->isModal();
            // Typing into the main window goes nowhere while the help is shown.
            QTest::keyClick(Form1->windowHandle(), Qt::Key_X);
            QTest::mouseClick(Form2->BitBtn1, Qt::LeftButton);
        });
        QTest::keyClick(Form1->re1, Qt::Key_F1);
        QVERIFY(sawModal);
        QVERIFY(!Form2->isVisible());
        QCOMPARE(Form1->re1->Text(), QStringLiteral("\r\n"));

        QTest::keyClick(Form1->windowHandle(), Qt::Key_X);
        QCOMPARE(Form1->re1->Text(), QStringLiteral("x\r\n"));
    }

    void okEndsTheModalLoopWithOkAndTheCloseBoxWithCancel() {
        ProgramUnderTest program;
        QTimer::singleShot(0, [] { QTest::mouseClick(Form2->BitBtn1, Qt::LeftButton); });
        QCOMPARE(Form2->ShowModal(), quillon::ModalResult::Ok);
        QTimer::singleShot(0, [] { Form2->close(); });
        QCOMPARE(Form2->ShowModal(), quillon::ModalResult::Cancel);
    }

    void theTextIsFixedAndCannotBeEdited() {
        ProgramUnderTest program;
        const QString expected =
            "This is a small multipurpose editor.It supports (for now) theese extensions:\n"
            "         --RTF(Rich Text files)\n"
            "         --TXT(text files)\n"
            "         --ASM(asembler files)\n"
            "         --PAS(Pascal files)\n"
            "         --BAS(Old BASIC files)\n"
            "         --C(C DOS files)\n"
            "         --HTML(Web pages)\n"
            "The commands from the menu are standard(Open, Save , New, Copy , Paste  etc.)\n"
            "\n" +
            QStringLiteral("Quillon for Qt, 2026.");
        QCOMPARE(Form2->Memo1->toPlainText(), expected);

        QTimer::singleShot(0, [&] {
            Form2->Memo1->setFocus();
            QTest::keyClicks(Form2->Memo1, QStringLiteral("typed"));
            QTest::keyClick(Form2->Memo1, Qt::Key_Backspace);
            QTest::keyClick(Form2->Memo1, Qt::Key_V, Qt::ControlModifier);
            QDir().mkpath(QStringLiteral(QUILLON_BINARY_DIR "/screenshots"));
            Form2->grab().save(QStringLiteral(QUILLON_BINARY_DIR "/screenshots/Form2.png"));
            QTest::mouseClick(Form2->BitBtn1, Qt::LeftButton);
        });
        Form1->item("About1")->trigger();
        QCOMPARE(Form2->Memo1->toPlainText(), expected);
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Quillon Help"));
        QCOMPARE(Form2->size(), QSize(401, 185));
        QCOMPARE(Form2->BitBtn1->geometry(), QRect(163, 152, 75, 25));
        QVERIFY(program.dialogs().errors.isEmpty());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
