#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/htmedit1.h"
#include "forms/nov1.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTest>
#include <QTimer>

using quillon::DialogButton;
using quillon::test::ProgramUnderTest;

using quillon::test::enabledSubmenus;
using quillon::test::fileBytes;
using quillon::test::writeBytes;

namespace {

const QString htmlQuestion =
    QStringLiteral("You heve opened an HTML source file.Do you want to edit it with Tagloom?");

void saveAs(ProgramUnderTest& program, const QString& name, int entry) {
    program.dialogs().willChooseFile(name, entry);
    Form1->item("SaveAs1")->trigger();
}

void open(ProgramUnderTest& program, const QString& name, int entry) {
    program.dialogs().willChooseFile(name, entry);
    QTest::keyClick(Form1->re1, Qt::Key_O, Qt::ControlModifier);
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void saveAsAppendsTheExtensionOfTheChosenEntry_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("written");
        QTest::newRow("text") << "report" << 6 << "report.txt";
        QTest::newRow("already .txt") << "report.txt" << 6 << "report.txt.txt";
        QTest::newRow("assembler") << "prog" << 1 << "prog.asm";
        QTest::newRow("c") << "main" << 4 << "main.c";
        QTest::newRow("html") << "page" << 5 << "page.html";
        QTest::newRow("all files: as entered") << "notes" << 8 << "notes";
    }
    void saveAsAppendsTheExtensionOfTheChosenEntry() {
        QFETCH(QString, entered);
        QFETCH(int, entry);
        QFETCH(QString, written);
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("hello"));
        saveAs(program, program.scratch(entered), entry);

        QCOMPARE(fileBytes(program.scratch(written)), QByteArray("hello\r\n"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + program.scratch(written));
        QCOMPARE(Form1->currentFile, program.scratch(written));
        QCOMPARE(program.dialogs().fileQuestions.at(0).request.filter,
                 QStringLiteral("ASM    (DOS Asembler files)|*.asm|PAS     (Pascal files)|*.pas|"
                                "BAS     (BASIC files)|*.bas|C          (C files)|*.c|"
                                "HTML  (Web pages)|*.html|TXT     (DOS Text files)|*.txt|"
                                "RTF      (Rich Text files)|*.rtf|All files  (*.*)|*.*"));
        QCOMPARE(program.dialogs().fileQuestions.at(0).request.filterIndex, 8);
        QVERIFY(Form1->re1->PlainText());
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void onlyTheRichTextEntryOfSaveAsSwitchesToRtf() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("rich"));
        saveAs(program, program.scratch("a"), 7);
        QVERIFY(!Form1->re1->PlainText());
        QVERIFY(fileBytes(program.scratch("a.rtf")).startsWith("{\\rtf"));

        saveAs(program, program.scratch("b"), 6);
        QVERIFY(!Form1->re1->PlainText());
        QVERIFY(fileBytes(program.scratch("b.txt")).startsWith("{\\rtf"));
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void cancelledSaveAsWritesNothingAndChangesNothing() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("x"));
        saveAs(program, program.scratch("report"), 6);
        const QString caption = Form1->windowTitle();

        program.dialogs().willCancelFile();
        Form1->item("SaveAs1")->trigger();
        QVERIFY(!QFile::exists(program.scratch("report.txt.txt")));
        QCOMPARE(Form1->windowTitle(), caption);
        QCOMPARE(Form1->currentFile, program.scratch("report.txt"));
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void aFailedSaveAsKeepsTextCaptionAndFile() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("keep"));
        const QString caption = Form1->windowTitle();
        const QString target = program.scratch("missing-folder/report");
        saveAs(program, target, 6);
        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Cannot create file ") + target + ".txt."});
        QCOMPARE(Form1->windowTitle(), caption);
        QVERIFY(Form1->currentFile.isEmpty());
        QCOMPARE(Form1->re1->Text(), QStringLiteral("keep\r\n"));
    }

    void openAppliesTheKindOfTheChosenEntry_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("submenus");
        QTest::addColumn<bool>("plain");
        // Every case starts in rich mode with only C1 enabled.
        QTest::newRow("assembler") << 1 << QStringList{"Asembler1"} << true;
        QTest::newRow("pascal") << 2 << QStringList{"Pascal1"} << true;
        QTest::newRow("basic") << 3 << QStringList{"BASIC1"} << true;
        QTest::newRow("c") << 4 << QStringList{"C1"} << true;
        QTest::newRow("text") << 6 << QStringList{} << true;
        QTest::newRow("rich text: menus stay") << 7 << QStringList{"C1"} << false;
        QTest::newRow("all files: nothing changes") << 8 << QStringList{"C1"} << false;
    }
    void openAppliesTheKindOfTheChosenEntry() {
        QFETCH(int, entry);
        QFETCH(QStringList, submenus);
        QFETCH(bool, plain);
        ProgramUnderTest program;
        const QString file = program.scratch("source");
        QVERIFY(writeBytes(file, "line one\r\nline two\r\n"));
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::C1);
        Form1->SetSaveMode(quillon::SaveMode::Rich);

        open(program, file, entry);
        QVERIFY(program.dialogs().errors.isEmpty());
        QCOMPARE(enabledSubmenus(), submenus);
        QCOMPARE(Form1->re1->PlainText(), plain);
        QCOMPARE(Form1->re1->Text(), QStringLiteral("line one\r\nline two\r\n"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + file);
        QCOMPARE(Form1->currentFile, file);
        QCOMPARE(Form1->od1.FilterIndex, 8);
        QVERIFY(program.dialogs().confirmations.isEmpty());
    }

    void openReadsAnRtfFileAsRichText() {
        ProgramUnderTest program;
        const QString file = program.scratch("doc.rtf");
        QVERIFY(writeBytes(file, "{\\rtf1\\ansi {\\b bold} plain\\par}"));
        open(program, file, 7);
        QVERIFY(program.dialogs().errors.isEmpty());
        QVERIFY(!Form1->re1->PlainText());
        QVERIFY(Form1->re1->Text().startsWith(QStringLiteral("bold plain")));
    }

    void cancelledOpenChangesNothing() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("draft"));
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::Pascal1);
        Form1->od1.FilterIndex = 2;
        program.dialogs().willCancelFile();
        QTest::keyClick(Form1->re1, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Utitled.txt"));
        QCOMPARE(Form1->re1->Text(), QStringLiteral("draft\r\n"));
        QCOMPARE(enabledSubmenus(), QStringList{"Pascal1"});
        QVERIFY(Form1->re1->PlainText());
        QCOMPARE(Form1->od1.FilterIndex, 2);
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void aFailedOpenKeepsTheCaptionAndTheDocumentsFile() {
        ProgramUnderTest program;
        const QString own = program.scratch("own.txt");
        QVERIFY(writeBytes(own, "mine\r\n"));
        open(program, own, 8);
        const QString missing = program.scratch("missing.pas");
        open(program, missing, 2);

        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Cannot open file ") + missing + "."});
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + own);
        QCOMPARE(Form1->currentFile, own);
        QCOMPARE(Form1->re1->Text(), QStringLiteral("mine\r\n"));
        QCOMPARE(Form1->od1.FilterIndex, 2);
    }

    void htmlOpenAnsweredNoReadsIntoTheMainEditor_data() {
        QTest::addColumn<DialogButton>("answer");
        QTest::newRow("no") << DialogButton::No;
        QTest::newRow("cancel") << DialogButton::Cancel;
    }
    void htmlOpenAnsweredNoReadsIntoTheMainEditor() {
        QFETCH(DialogButton, answer);
        ProgramUnderTest program;
        const QString page = program.scratch("page.html");
        QVERIFY(writeBytes(page, "<html>\r\n</html>\r\n"));
        HandOverText = QStringLiteral("an earlier page");
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::Asembler1);
        program.dialogs().confirmAnswers.push_back(answer);

        open(program, page, 5);
        QCOMPARE(program.dialogs().confirmations, QStringList{htmlQuestion});
        QCOMPARE(Form1->re1->Text(), QStringLiteral("<html>\r\n</html>\r\n"));
        QVERIFY(HandOverText.isEmpty());
        QVERIFY(!HandOverPending);
        QVERIFY(!htm1->isVisible());
        QCOMPARE(enabledSubmenus(), QStringList{"Asembler1"});
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + page);
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void htmlOpenAnsweredYesHandsTheFileToTheModalComposer() {
        ProgramUnderTest program;
        const QString page = program.scratch("page.html");
        QVERIFY(writeBytes(page, "<p>first</p>\r\n"));
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::Asembler1);
        Form1->SetSaveMode(quillon::SaveMode::Rich);
        program.dialogs().confirmAnswers.push_back(DialogButton::Yes);

        bool composerWasModal = false;
        bool composerTookTheText = false;
        QString editorWhileComposing = QStringLiteral("<not seen>");
        QTimer::singleShot(0, htm1, [&] {
            composerWasModal = htm1->isVisible() && htm1->isModal();
            editorWhileComposing = Form1->re1->Text();
            composerTookTheText = QTest::qWaitFor(
                [] { return htm1->re1->Text() == QStringLiteral("<p>first</p>\r\n"); });
            // The composer writes the page, then is edited further and closed without saving.
            QVERIFY(writeBytes(page, "<p>second</p>\r\n"));
            QTest::keyClicks(htm1->re1, QStringLiteral("unsaved"));
            htm1->close();
        });
        open(program, page, 5);

        QVERIFY(composerWasModal);
        QCOMPARE(editorWhileComposing, QString());
        QVERIFY(composerTookTheText);
        QCOMPARE(HandOverText, QStringLiteral("<p>first</p>\r\n"));
        QVERIFY(!htm1->isVisible());
        QCOMPARE(Form1->re1->Text(), QStringLiteral("<p>second</p>\r\n"));
        QCOMPARE(enabledSubmenus(), QStringList{});
        QVERIFY(Form1->re1->PlainText());
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + page);
        QCOMPARE(Form1->currentFile, page);
        QCOMPARE(Form1->od1.FilterIndex, 8);
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void htmlHandOverToAVisibleComposerStopsAfterEmptyingTheEditor() {
        ProgramUnderTest program;
        const QString page = program.scratch("page.html");
        QVERIFY(writeBytes(page, "<p>text</p>\r\n"));
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::Pascal1);
        htm1->Show();
        program.dialogs().confirmAnswers.push_back(DialogButton::Yes);

        open(program, page, 5);
        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Cannot make a visible window modal.")});
        QCOMPARE(Form1->re1->Text(), QString());
        QCOMPARE(HandOverText, QStringLiteral("<p>text</p>\r\n"));
        QVERIFY(HandOverPending);
        QCOMPARE(enabledSubmenus(), QStringList{"Pascal1"});
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Utitled.txt"));
        QVERIFY(Form1->currentFile.isEmpty());
        QCOMPARE(Form1->od1.FileName, page);
        QCOMPARE(Form1->od1.FilterIndex, 5);

        htm1->Show();
        QTRY_COMPARE(htm1->re1->Text(), QStringLiteral("<p>text</p>\r\n"));
    }

    void aMissingHtmlFileHandedOverEndsBeforeTheComposer() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("draft"));
        HandOverText = QStringLiteral("earlier");
        const QString missing = program.scratch("gone.html");
        program.dialogs().confirmAnswers.push_back(DialogButton::Yes);

        open(program, missing, 5);
        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Cannot open file ") + missing + "."});
        QVERIFY(!htm1->isVisible());
        QCOMPARE(HandOverText, QStringLiteral("earlier"));
        QCOMPARE(Form1->re1->Text(), QStringLiteral("draft\r\n"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Utitled.txt"));
    }

    void saveWritesTheOpenedFileAndLeavesTheLastSaveAsAlone() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("other"));
        saveAs(program, program.scratch("b"), 6);
        const QString a = program.scratch("a.txt");
        QVERIFY(writeBytes(a, "alpha\r\n"));
        open(program, a, 8);

        QTest::keyClick(Form1->re1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Form1->re1, QStringLiteral("omega"));
        QTest::keyClick(Form1->re1, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(fileBytes(a), QByteArray("alpha\r\nomega"));
        QCOMPARE(fileBytes(program.scratch("b.txt")), QByteArray("other\r\n"));
        QCOMPARE(program.dialogs().fileQuestions.size(), std::size_t{2});
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + a);
        QVERIFY(Form1->item("Save1")->isEnabled());
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void saveOfANewDocumentAsksForAName() {
        ProgramUnderTest program;
        QTest::keyClicks(Form1->re1, QStringLiteral("old"));
        saveAs(program, program.scratch("old"), 6);

        QTest::keyClick(Form1->re1, Qt::Key_N, Qt::ControlModifier);
        new_->close();
        QTest::keyClicks(Form1->re1, QStringLiteral("new"));
        program.dialogs().willChooseFile(program.scratch("fresh"), 6);
        QTest::keyClick(Form1->re1, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(program.dialogs().fileQuestions.size(), std::size_t{2});
        QVERIFY(program.dialogs().fileQuestions.back().save);
        QCOMPARE(fileBytes(program.scratch("fresh.txt")), QByteArray("new"));
        QCOMPARE(fileBytes(program.scratch("old.txt")), QByteArray("old\r\n"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + program.scratch("fresh.txt"));
        QVERIFY(program.dialogs().unexpected.isEmpty());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
