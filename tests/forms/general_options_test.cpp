#include "core/Settings.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/glavniop3.h"
#include "platform/Dialogs.h"
#include "platform/TRadioGroup.h"
#include "platform/TRichEdit.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramUnderTest.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using quillon::test::ProgramUnderTest;

namespace {

void showGeneralOptions() {
    Form1->item("Options1")->trigger();
    QTRY_VERIFY(genop->isVisible());
    QTRY_VERIFY(genop->isActiveWindow());
}

void choose(int item) {
    QRadioButton* button = genop->rg1->button(item);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class GeneralOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowStartsWithPlainTextChosen() {
        ProgramUnderTest program;
        showGeneralOptions();
        QCOMPARE(genop->windowTitle(), QStringLiteral("General options"));
        QCOMPARE(genop->size(), QSize(384, 115));
        QCOMPARE(genop->rg1->title(), QStringLiteral("Save mode"));
        QCOMPARE(genop->rg1->Items(), (QStringList{QStringLiteral("Save normal (ASCII) text"),
                                                   QStringLiteral("Save Rich Text")}));
        QCOMPARE(genop->rg1->ItemIndex(), 0);
        QCOMPARE(genop->Button1->font().pixelSize(), 16);
        QDir().mkpath(QStringLiteral(QUILLON_BINARY_DIR "/screenshots"));
        QVERIFY(genop->grab().save(QStringLiteral(QUILLON_BINARY_DIR "/screenshots/genop.png")));
    }

    void choosingASaveModeSwitchesTheEditorAndStoresZero() {
        ProgramUnderTest program;
        showGeneralOptions();
        QVERIFY(!program.storeText().contains("Save normal text"));
        Form1->re1->SetText(QStringLiteral("kept as it is"));
        choose(1);
        QVERIFY(!Form1->re1->PlainText());
        QVERIFY(program.storeText().contains("\"Save normal text\"=dword:00000000\n"));
        QCOMPARE(Form1->re1->Text(), QStringLiteral("kept as it is"));
        choose(0);
        QVERIFY(Form1->re1->PlainText());
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void choosingRichTextMakesSaveWriteRtfWhateverTheExtension() {
        ProgramUnderTest program;
        const QString file = program.scratch(QStringLiteral("notes.txt"));
        {
            QFile existing(file);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("plain\r\n");
        }
        program.dialogs().willChooseFile(file, 6);
        QTest::keyClick(Form1->re1, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Form1->currentFile, file);
        showGeneralOptions();
        choose(1);
        QTest::keyClick(Form1->re1, Qt::Key_End);
        QTest::keyClicks(Form1->re1, QStringLiteral(" text"));
        QTest::keyClick(Form1->re1, Qt::Key_S, Qt::ControlModifier);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY2(bytes.startsWith("{\\rtf1"), bytes.constData());
        QVERIFY(bytes.contains("plain text"));
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void selectingTheSelectedItemDoesNothing() {
        ProgramUnderTest program;
        showGeneralOptions();
        Form1->SetSaveMode(quillon::SaveMode::Rich);
        const QByteArray storeBefore = program.storeText();
        choose(0);
        QVERIFY(!Form1->re1->PlainText());
        QCOMPARE(program.storeText(), storeBefore);
    }

    void changeFontTypeGivesTheEditorTheChosenFontAndACancelKeepsIt() {
        ProgramUnderTest program;
        showGeneralOptions();
        const QFont original = Form1->re1->Font();
        program.dialogs().fontAnswers.push_back(std::nullopt);
        QTest::mouseClick(genop->Button1, Qt::LeftButton);
        QCOMPARE(Form1->re1->Font(), original);
        QCOMPARE(program.dialogs().fontQuestions.size(), std::size_t{1});
        QCOMPARE(program.dialogs().fontQuestions[0],
                 quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));

        QFont chosen = quillon::fontOf(QStringLiteral("Courier"), -20);
        chosen.setItalic(true);
        program.dialogs().fontAnswers.push_back(chosen);
        QTest::mouseClick(genop->Button1, Qt::LeftButton);
        QCOMPARE(Form1->re1->Font(), chosen);
        QCOMPARE(program.dialogs().fontQuestions[1],
                 quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));
        QVERIFY(program.dialogs().unexpected.isEmpty());
    }

    void okStoresTheFixedValuesWhateverWasChosenAndTheNextStartShowsArial() {
        QByteArray store;
        {
            ProgramUnderTest program;
            showGeneralOptions();
            choose(1);
            program.dialogs().fontAnswers.push_back(
                quillon::fontOf(QStringLiteral("Courier"), -20));
            QTest::mouseClick(genop->Button1, Qt::LeftButton);
            QTest::mouseClick(genop->BitBtn1, Qt::LeftButton);

            QVERIFY(!genop->isVisible());
            QTRY_VERIFY(Form1->isActiveWindow());
            QCOMPARE(Form1->re1->Font().family(), QStringLiteral("Courier"));
            store = program.storeText();
            for (const char* line : {"\"Save normal text\"=dword:00000000\n",
                                     "\"Font\"=\"Arial\"\n", "\"App state\"=\"max\"\n"})
                QVERIFY2(store.contains(line), line);
            QCOMPARE(Settings.Font, std::string("Arial"));
            QCOMPARE(Settings.AppState, std::string("max"));
            QCOMPARE(Settings.SaveNormalText, 0);
        }
        ProgramUnderTest nextRun(store);
        QCOMPARE(Form1->re1->Font().family(), QStringLiteral("Arial"));
        QCOMPARE(Form1->re1->Font().pixelSize(), 17);
        QVERIFY(Form1->re1->Font().bold());
        QVERIFY(!Form1->re1->Font().italic());
    }

    void closingBringsTheMainWindowToTheFrontAndKeepsTheChoice() {
        ProgramUnderTest program;
        showGeneralOptions();
        choose(1);
        QTest::mouseClick(genop->BitBtn2, Qt::LeftButton);
        QVERIFY(!genop->isVisible());
        QTRY_VERIFY(Form1->isActiveWindow());
        QVERIFY(!program.storeText().contains("Font"));

        showGeneralOptions();
        QCOMPARE(genop->rg1->ItemIndex(), 1);
        genop->close();
        QTRY_VERIFY(Form1->isActiveWindow());
    }

    void aFailedWriteOnOkIsReportedAndTheWindowStaysOpen() {
        ProgramUnderTest program;
        showGeneralOptions();
        const QByteArray storeBefore = program.storeText();
        {
            // The key exists already, so only the first value would make the store file grow.
            quillon::test::FileSizeLimit limit(static_cast<rlim_t>(storeBefore.size()));
            QVERIFY(limit.active());
            QTest::mouseClick(genop->BitBtn1, Qt::LeftButton);
        }
        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Failed to set data for 'Save normal text'")});
        QVERIFY(genop->isVisible());
        QCOMPARE(program.storeText(), storeBefore);
        QCOMPARE(Settings.Font, std::string());
    }
};

QTEST_MAIN(GeneralOptionsTest)
#include "general_options_test.moc"
