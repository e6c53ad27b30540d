#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/htmedit1.h"
#include "forms/nov1.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using quillon::DialogButton;
using quillon::test::ProgramUnderTest;

using quillon::test::enabledSubmenus;
using quillon::test::fileBytes;

namespace {

QWidget* chooserPart(const char* name) {
    auto* part = new_->findChild<QWidget*>(QString::fromLatin1(name));
    if (part == nullptr)
        qFatal("the chooser has no %s", name);
    return part;
}

void clickIcon(const char* image) {
    QTest::mouseClick(chooserPart(image), Qt::LeftButton);
}

void startNewDocument() {
    QTest::keyClick(Form1->re1, Qt::Key_N, Qt::ControlModifier);
    QTRY_VERIFY(new_->isVisible());
}

} // namespace

class NewChooserTest : public QObject {
    Q_OBJECT

private slots:
    void theChooserIsLaidOutAsItsWindowResource() {
        ProgramUnderTest program;
        startNewDocument();
        QCOMPARE(new_->windowTitle(), QStringLiteral("New"));
        QCOMPARE(new_->size(), QSize(180, 218));
        QCOMPARE(new_->minimumSize(), new_->maximumSize());
        QCOMPARE(chooserPart("Panel1")->geometry(), QRect(1, 0, 177, 217));

        struct Icon {
            const char* image;
            QPoint at;
            const char* hint;
            const char* label;
            QPoint labelAt;
        };
        const Icon icons[] = {
            {"Image1", {8, 16}, "Click to craete text file", "Text", {16, 56}},
            {"Image2", {64, 16}, "Click to craete rich text file", "RTF", {72, 56}},
            {"Image3", {112, 16}, "Click to craete asembler file", "Asembler", {112, 56}},
            {"Image4", {8, 80}, "Click to craete Pascal file", "Pascal", {8, 120}},
            {"Image5", {64, 80}, "Click to craete BASIC file", "BASIC", {64, 120}},
            {"Image6", {112, 80}, "Click to craete C file", "C - DOS", {112, 120}},
            {"Image7", {8, 144}, "Click to craete HTML file", "HTML", {8, 184}},
        };
        QWidget* panel = chooserPart("Panel1");
        for (const Icon& icon : icons) {
            auto* image = qobject_cast<QLabel*>(chooserPart(icon.image));
            QVERIFY2(image != nullptr, icon.image);
            QCOMPARE(image->parentWidget(), panel);
            QCOMPARE(image->geometry(), QRect(icon.at, QSize(32, 32)));
            QCOMPARE(image->toolTip(), QString::fromLatin1(icon.hint));
            QVERIFY2(!image->pixmap().isNull(), icon.image);
            QCOMPARE(image->pixmap().size(), QSize(32, 32));
            const auto labels = panel->findChildren<QLabel*>();
            const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) {
                return l->text() == QString::fromLatin1(icon.label);
            });
            QVERIFY2(label != labels.end(), icon.label);
            QCOMPARE((*label)->pos(), icon.labelAt);
            QVERIFY((*label)->isVisible());
        }
        auto* cancel = qobject_cast<QPushButton*>(chooserPart("BitBtn1"));
        QVERIFY(cancel != nullptr);
        QCOMPARE(cancel->parentWidget(), panel);
        QCOMPARE(cancel->geometry(), QRect(64, 144, 81, 33));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QVERIFY(!cancel->icon().isNull());

        QDir().mkpath(QStringLiteral(QUILLON_BINARY_DIR "/screenshots"));
        QVERIFY(new_->grab().save(QStringLiteral(QUILLON_BINARY_DIR "/screenshots/new.png")));
    }

    void newEmptiesTheEditorAndNamesNoFile() {
        ProgramUnderTest program;
        Form1->SetSaveMode(quillon::SaveMode::Rich);
        Form1->currentFile = program.scratch("old.txt");
        QTest::keyClicks(Form1->re1, QStringLiteral("old text"));
        startNewDocument();
        QCOMPARE(Form1->re1->Text(), QString());
        QVERIFY(Form1->re1->PlainText());
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Untitled"));
        QVERIFY(Form1->currentFile.isEmpty());
    }

    void anIconPreparesTheMainWindowForItsKind_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QList<DialogButton>>("answers");
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("saveFilter");
        QTest::addColumn<QStringList>("submenus");
        QTest::newRow("text") << QByteArray("Image1") << QList<DialogButton>{} << true
                              << "Quillon - Untitled.txt"
                              << "TXT   (DOS Text file)|*.txt|All files   [*.*]|*.*"
                              << QStringList{};
        QTest::newRow("rich text")
            << QByteArray("Image2") << QList<DialogButton>{} << false << "Quillon - Untitled.rtf"
            << "RTF   (Rich Text file)|*.rtf|All files   [*.*]|*.*" << QStringList{};
        QTest::newRow("assembler")
            << QByteArray("Image3") << QList<DialogButton>{} << true << "Quillon - Untitled.asm"
            << "ASM   (DOS Asembler file)|*.asm|All files   [*.*]|*.*" << QStringList{"Asembler1"};
        QTest::newRow("pascal") << QByteArray("Image4") << QList<DialogButton>{} << true
                                << "Quillon - Untitled.pas"
                                << "PAS   (DOS Pascal file)|*.pas|All files   [*.*]|*.*"
                                << QStringList{"Pascal1"};
        QTest::newRow("basic") << QByteArray("Image5") << QList<DialogButton>{} << true
                               << "Quillon - Untitled.bas"
                               << "BAS   (DOS BASIC file)|*.bas|All files   [*.*]|*.*"
                               << QStringList{"BASIC1"};
        QTest::newRow("c") << QByteArray("Image6") << QList<DialogButton>{} << true
                           << "Quillon - Untitled.c"
                           << "C   (DOS C file)|*.c|All files   [*.*]|*.*" << QStringList{"C1"};
        for (const auto answer : {DialogButton::No, DialogButton::Cancel}) {
            QTest::addRow("html, composer declined %d", int(answer))
                << QByteArray("Image7") << QList<DialogButton>{answer} << true
                << "Quillon - Untitled.html"
                << "HTML   (Web Page)|*.html|All files   [*.*]|*.*" << QStringList{};
        }
    }
    void anIconPreparesTheMainWindowForItsKind() {
        QFETCH(QByteArray, image);
        QFETCH(QList<DialogButton>, answers);
        QFETCH(bool, plain);
        QFETCH(QString, caption);
        QFETCH(QString, saveFilter);
        QFETCH(QStringList, submenus);
        ProgramUnderTest program;
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::C1);
        Form1->sd1.FilterIndex = 3;
        startNewDocument();
        // Typing while the chooser is open is kept by the pick.
        QTest::keyClicks(Form1->re1, QStringLiteral("typed"));
        QVERIFY(Form1->item("Save1")->isEnabled());
        for (const auto answer : answers)
            program.dialogs().confirmAnswers.push_back(answer);

        clickIcon(image.constData());
        QVERIFY(!new_->isVisible());
        QCOMPARE(Form1->re1->PlainText(), plain);
        QCOMPARE(Form1->windowTitle(), caption);
        QCOMPARE(Form1->sd1.Filter, saveFilter);
        QCOMPARE(Form1->sd1.FilterIndex, 3);
        QCOMPARE(enabledSubmenus(), submenus);
        QVERIFY(!Form1->item("Save1")->isEnabled());
        QVERIFY(!Form1->item("Undo1")->isEnabled());
        QCOMPARE(Form1->re1->Text(), QStringLiteral("typed"));
        QVERIFY(!htm1->isVisible());
        QVERIFY(program.dialogs().unexpected.isEmpty());
    }

    void saveAsAfterTheTextIconOffersTheNarrowedList() {
        ProgramUnderTest program;
        startNewDocument();
        clickIcon("Image1");
        QTest::keyClicks(Form1->re1, QStringLiteral("one"));
        program.dialogs().willChooseFile(program.scratch("first"), 1);
        QTest::keyClick(Form1->re1, Qt::Key_S, Qt::ControlModifier);
        program.dialogs().willChooseFile(program.scratch("second"), 2);
        Form1->item("SaveAs1")->trigger();

        const auto& questions = program.dialogs().fileQuestions;
        QCOMPARE(questions.size(), std::size_t{2});
        QCOMPARE(questions[0].request.filter,
                 QStringLiteral("TXT   (DOS Text file)|*.txt|All files   [*.*]|*.*"));
        QCOMPARE(fileBytes(program.scratch("first.txt")), QByteArray("one"));
        QCOMPARE(fileBytes(program.scratch("second")), QByteArray("one"));
        QVERIFY(!QFile::exists(program.scratch("second.txt")));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - ") + program.scratch("second"));
    }

    void cancelLeavesWhatNewDid_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("button") << false;
        QTest::newRow("escape") << true;
    }
    void cancelLeavesWhatNewDid() {
        QFETCH(bool, byEscape);
        ProgramUnderTest program;
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::Pascal1);
        const QString saveFilter = Form1->sd1.Filter;
        startNewDocument();
        if (byEscape)
            QTest::keyClick(new_->focusWidget() != nullptr ? new_->focusWidget() : new_,
                            Qt::Key_Escape);
        else
            QTest::mouseClick(chooserPart("BitBtn1"), Qt::LeftButton);
        QVERIFY(!new_->isVisible());
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Untitled"));
        QCOMPARE(enabledSubmenus(), QStringList{"Pascal1"});
        QCOMPARE(Form1->sd1.Filter, saveFilter);
        QVERIFY(Form1->isVisible());
    }

    void theHtmlIconAnsweredYesOnlyOpensTheComposer() {
        ProgramUnderTest program;
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::BASIC1);
        const QString saveFilter = Form1->sd1.Filter;
        HandOverText = QStringLiteral("<p>handed over earlier</p>");
        HandOverPending = true;
        startNewDocument();
        QTest::keyClicks(Form1->re1, QStringLiteral("x"));
        program.dialogs().confirmAnswers.push_back(DialogButton::Yes);

        clickIcon("Image7");
        QCOMPARE(program.dialogs().confirmations,
                 QStringList{QStringLiteral("You heve created an HTML source file.Do you want to "
                                            "compose it with Tagloom?")});
        QVERIFY(!new_->isVisible());
        QTRY_VERIFY(htm1->isVisible());
        QVERIFY(!htm1->isModal());
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Untitled"));
        QCOMPARE(enabledSubmenus(), QStringList{"BASIC1"});
        QCOMPARE(Form1->sd1.Filter, saveFilter);
        QVERIFY(Form1->item("Save1")->isEnabled());
        QCOMPARE(HandOverText, QStringLiteral("<p>handed over earlier</p>"));
    }

    void aLaterPickActsOnTheMainWindowAsItIsThen() {
        ProgramUnderTest program;
        startNewDocument();
        const QString page = program.scratch("page.txt");
        {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("opened meanwhile\r\n");
        }
        program.dialogs().willChooseFile(page, 8);
        QTest::keyClick(Form1->re1, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(new_->isVisible());

        clickIcon("Image3");
        QCOMPARE(Form1->re1->Text(), QStringLiteral("opened meanwhile\r\n"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quillon - Untitled.asm"));
        // The caption names no file any more, so Save asks for one.
        QTest::keyClicks(Form1->re1, QStringLiteral("+"));
        program.dialogs().willChooseFile(program.scratch("prog"), 1);
        QTest::keyClick(Form1->re1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fileBytes(page), QByteArray("opened meanwhile\r\n"));
        QCOMPARE(fileBytes(program.scratch("prog.asm")), QByteArray("+opened meanwhile\r\n"));
    }
};

QTEST_MAIN(NewChooserTest)
#include "new_chooser_test.moc"
