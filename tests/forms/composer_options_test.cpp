#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/htmedit1.h"
#include "forms/htmop3.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using quillon::test::ProgramUnderTest;

namespace {

const QString saveToFolder = QStringLiteral("Enter \"Save to..\" folder ");

// Tools → Tagloom, then Edit → Options of the composer.
void showOptions() {
    Form1->item("Tagloom1")->trigger();
    QTRY_VERIFY(htm1->isActiveWindow());
    htm1->item("N10")->trigger();
    QTRY_VERIFY(Form3->isActiveWindow());
}

template <typename Control> Control* control(const char* name) {
    auto* found = Form3->findChild<Control*>(QString::fromUtf8(name));
    if (found == nullptr)
        qFatal("Form3 has no %s", name);
    return found;
}

QFont chosenFont() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(23);
    font.setItalic(true);
    return font;
}

} // namespace

class ComposerOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void theOptionsWindowStandsAsPlaced() {
        ProgramUnderTest program;
        QVERIFY(!Form3->isVisible());
        showOptions();
        QCOMPARE(Form3->windowTitle(), QStringLiteral("Tagloom - Options"));
        QCOMPARE(Form3->pos(), QPoint(200, 110));
        QCOMPARE(Form3->size(), QSize(358, 109));
        QCOMPARE(Form3->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(Form3->font().pixelSize(), 11);

        struct Placed {
            const char* name;
            QRect geometry;
            QString caption;
        };
        const Placed controls[] = {
            {"Button1", QRect(0, 8, 169, 33), QStringLiteral("Change font")},
            {"Button2", QRect(184, 40, 153, 25), saveToFolder},
            {"BitBtn1", QRect(8, 48, 59, 25), QStringLiteral("OK")},
            {"BitBtn2", QRect(72, 48, 65, 25), QStringLiteral("Cancel")},
        };
        QWidget* client = Form3->centralWidget();
        for (const Placed& placed : controls) {
            auto* button = control<QPushButton>(placed.name);
            QCOMPARE(button->geometry(), placed.geometry);
            QCOMPARE(button->text(), placed.caption);
            QCOMPARE(button->parentWidget(), client);
        }
        auto* frame = control<QGroupBox>("GroupBox1");
        QCOMPARE(frame->geometry(), QRect(176, 0, 169, 73));
        QCOMPARE(frame->title(), saveToFolder);
        auto* folder = control<QLineEdit>("Edit1");
        QCOMPARE(folder->geometry(), QRect(184, 16, 153, 21));
        QCOMPARE(folder->parentWidget(), client);
        // Placed over the frame, so it must be drawn above it.
        QVERIFY(client->children().indexOf(folder) > client->children().indexOf(frame));

        QDir().mkpath(QStringLiteral(QUILLON_BINARY_DIR "/screenshots"));
        QVERIFY(Form3->grab().save(QStringLiteral(QUILLON_BINARY_DIR "/screenshots/Form3.png")));
    }

    void aChosenFontReachesTheComposerAtOnceAndCancelKeepsIt() {
        ProgramUnderTest program;
        showOptions();
        program.dialogs().fontAnswers.push_back(chosenFont());
        QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(program.dialogs().fontQuestions.size(), std::size_t{1});
        QCOMPARE(program.dialogs().fontQuestions.front().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(program.dialogs().fontQuestions.front().pixelSize(), 11);
        QCOMPARE(htm1->re1->Font(), chosenFont());

        QTest::mouseClick(control<QPushButton>("BitBtn2"), Qt::LeftButton);
        QTRY_VERIFY(!Form3->isVisible());
        QCOMPARE(htm1->re1->Font(), chosenFont());
        QVERIFY(program.dialogs().unexpected.isEmpty());
    }

    void aCancelledFontDialogChangesNoFontAndOkOnlyCloses() {
        ProgramUnderTest program;
        showOptions();
        const QFont before = htm1->re1->Font();
        program.dialogs().fontAnswers.push_back(std::nullopt);
        QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(htm1->re1->Font(), before);

        QTest::mouseClick(control<QPushButton>("BitBtn1"), Qt::LeftButton);
        QTRY_VERIFY(!Form3->isVisible());
        QCOMPARE(htm1->re1->Font(), before);
    }

    void theSaveToFolderFieldAndButtonDoNothing() {
        ProgramUnderTest program;
        showOptions();
        const QFont font = htm1->re1->Font();
        QTest::keyClicks(control<QLineEdit>("Edit1"), QStringLiteral("/tmp/pages"));
        QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
        QVERIFY(Form3->isVisible());
        QCOMPARE(htm1->re1->Font(), font);
        QCOMPARE(htm1->re1->Text(), QString());
        QVERIFY(program.dialogs().fileQuestions.empty());
        QVERIFY(program.dialogs().fontQuestions.empty());
        QVERIFY(program.dialogs().unexpected.isEmpty());
    }

    void theOptionsWindowWorksFromTheModalComposer() {
        ProgramUnderTest program;
        program.dialogs().fontAnswers.push_back(chosenFont());
        bool optionsActive = false;
        QTimer::singleShot(0, htm1, [&] {
            (void)QTest::qWaitFor([] { return htm1->isActiveWindow(); });
            htm1->item("N10")->trigger();
            optionsActive = QTest::qWaitFor([] { return Form3->isActiveWindow(); });
            QPushButton* changeFont = control<QPushButton>("Button1");
            QTest::mouseClick(Form3->windowHandle(), Qt::LeftButton, {},
                              changeFont->mapTo(Form3, changeFont->rect().center()));
            Form3->close();
            htm1->close();
        });
        htm1->ShowModal();
        QVERIFY(optionsActive);
        QCOMPARE(htm1->re1->Font(), chosenFont());
    }
};

QTEST_MAIN(ComposerOptionsTest)
#include "composer_options_test.moc"
