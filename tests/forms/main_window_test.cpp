#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

using quillon::test::ProgramUnderTest;

using quillon::test::storeWith;

namespace {

const char* const startUpDisabled[] = {"Asembler1", "C1", "Pascal1", "BASIC1", "Save1", "Undo1"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartCreatesTheKeyAndCompletesTheInitialisation() {
        ProgramUnderTest program;
        QVERIFY(program.dialogs().errors.isEmpty());
        QVERIFY(program.storeText().contains(
            "[HKEY_CURRENT_USER\\Software\\marrowkit\\quillon\\Settings]"));
        QCOMPARE(Settings.tasm, std::string());
        QCOMPARE(Settings.Font, std::string());
        QCOMPARE(Settings.SaveNormalText, 0);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Utitled.txt"));
        for (const char* name : startUpDisabled)
            QVERIFY2(!Form1->item(name)->isEnabled(), name);
        QCOMPARE(Form1->re1->Text(), QStringLiteral("\r\n"));
        QCOMPARE(Form1->re1->Font().family(), QStringLiteral("System"));
        QCOMPARE(Form1->re1->Font().pixelSize(), 17);
        QVERIFY(Form1->re1->Font().bold());
        QVERIFY(Form1->re1->PlainText());
    }

    void aStoredValueOfTheWrongTypeStopsTheInitialisationThere() {
        ProgramUnderTest program(storeWith("\"tasm\"=dword:00000007\n\"Font\"=\"Courier\"\n"));
        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Invalid data type for 'tasm'")});
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon"));
        QVERIFY(Form1->item("Save1")->isEnabled());
        QCOMPARE(Settings.Font, std::string());
    }

    void storedValuesAreReadAndALongFontNameIsCut() {
        const QByteArray fortyCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
        ProgramUnderTest program(
            storeWith("\"tasm\"=\"/usr/bin/nasm\"\n\"Font\"=\"" + fortyCharacters + "\"\n"));
        QCOMPARE(Settings.tasm, std::string("/usr/bin/nasm"));
        QCOMPARE(Form1->re1->Font().family(), QString::fromLatin1(fortyCharacters.left(31)));
        QCOMPARE(Form1->re1->Font().pixelSize(), 17);
        QVERIFY(Form1->re1->Font().bold());
    }

    void typingOneCharacterEnablesSaveAndUndo() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("a"));
        QVERIFY(Form1->item("Save1")->isEnabled());
        QVERIFY(Form1->item("Undo1")->isEnabled());
        QCOMPARE(Form1->re1->Text(), QStringLiteral("a\r\n"));
    }

    void disabledUndoAndSaveTakeTheirKeysAndDoNothing() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("abc"));
        Form1->item("Undo1")->setEnabled(false);
        Form1->item("Save1")->setEnabled(false);
        QTest::keyClick(Form1->re1, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(Form1->re1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Form1->re1->Text(), QStringLiteral("abc\r\n"));
        QVERIFY(program.dialogs().fileQuestions.empty());
        Form1->item("Undo1")->setEnabled(true);
        QTest::keyClick(Form1->re1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Form1->re1->Text(), QStringLiteral("\r\n"));
    }

    void theMainMenusCopyActsFromAnotherWindow() {
        ProgramUnderTest program;
        Form1->re1->SetText(QStringLiteral("copy me"));
        Form1->re1->selectAll();
        QApplication::clipboard()->clear();
        QLineEdit other;
        other.show();
        other.setFocus();
        QTest::keyClick(&other, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("copy me"));
    }

    void theEditorKeepsItsSizeInTheNormalStateAndFollowsAMaximisedWindow() {
        ProgramUnderTest program;
        Form1->resize(700, 500);
        QTest::qWait(0);
        QCOMPARE(Form1->re1->size(), QSize(537, 329));
        // This test runs on an 800 x 600 screen, which a maximised window fills.
        Form1->showMaximized();
        QTRY_COMPARE(Form1->frameGeometry().size(), QSize(800, 600));
        QTRY_COMPARE(Form1->re1->size(), QSize(788, 552));
        QCOMPARE(Form1->re1->pos(), QPoint(0, 0));
        Form1->showNormal();
        QTRY_COMPARE(Form1->re1->size(), QSize(537, 329));
    }

    void wordWrapsFirstUseOnlyChecksTheItem() {
        ProgramUnderTest program;
        QVERIFY(Form1->re1->WordWrap());
        QTest::keyClick(Form1->re1, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(Form1->item("WordWrap1")->isChecked());
        QVERIFY(Form1->re1->WordWrap());
        QTest::keyClick(Form1->re1, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!Form1->item("WordWrap1")->isChecked());
        QVERIFY(!Form1->re1->WordWrap());
    }

    void exitClosesTheMainWindow() {
        ProgramUnderTest program;
        QTest::keyClick(Form1->re1, Qt::Key_F4, Qt::AltModifier);
        QVERIFY(!Form1->isVisible());
    }

    void compileItemsWithoutActionDoNothing() {
        ProgramUnderTest program;
        Form1->item("C1")->setEnabled(true);
        const QString before = Form1->re1->Text();
        Form1->item("compil")->trigger();
        QCOMPARE(Form1->re1->Text(), before);
        QVERIFY(program.dialogs().unexpected.isEmpty());
        QVERIFY(program.shell().starts.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
