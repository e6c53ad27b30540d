#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/htmedit1.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using quillon::test::ProgramUnderTest;

namespace {

const QString htmlFilter = QStringLiteral("HTML (*.html)|*.html| All files (*.*)|*.*");
const QString imageFilter =
    QStringLiteral("GIF (*.gif)|*.gif|JPEG (*.jpg,*.jpeg)|*.jpg;*.jpeg| All files (*.*)|*.*");

void showComposer() {
    Form1->item("Tagloom1")->trigger();
    QTRY_VERIFY(htm1->isActiveWindow());
}

void clickButton(const char* name) {
    QPushButton* button = htm1->button(name);
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// A right click that goes through the window, as the window system delivers it, so that Qt
// turns it into a context menu request.
void rightClick(QWidget* control, QPoint at) {
    QTest::mouseClick(htm1->windowHandle(), Qt::RightButton, {}, control->mapTo(htm1, at));
}

void rightClickEditor() {
    rightClick(htm1->re1->viewport(), QPoint(200, 100));
}

void chooseFromMenu(QMenu* menu, const char* itemName) {
    QTRY_VERIFY(menu->isVisible());
    QAction* item = menu->findChild<QAction*>(QString::fromUtf8(itemName));
    QVERIFY2(item != nullptr, itemName);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QTRY_VERIFY(!menu->isVisible());
}

void typeAtEnd(const QString& text) {
    QTest::keyClick(htm1->re1, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(htm1->re1, text);
}

QString makeImage(const ProgramUnderTest& program) {
    const QString name = program.scratch(QStringLiteral("A.GIF"));
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write("GIF89a");
    return name;
}

} // namespace

class ComposerSnippetsTest : public QObject {
    Q_OBJECT

private slots:
    void everySourceAppendsItsExactText_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* source, const char* opener, const char* prompt,
                            const char* expected) {
            QTest::newRow(source) << QString::fromUtf8(source) << QString::fromUtf8(opener)
                                  << QString::fromUtf8(prompt) << QString::fromUtf8(expected);
        };
        // Prompted snippets get the value V; the image snippet gets the image's path for %1.
        row("Button1", "", "", "<html>");
        row("Button2", "", "", "<body bgcolor= background= link= alink= vlink= hlink= OnLoad=>");
        row("Button6", "", "", "<head>");
        row("Button12", "", "Please enter the title of the page", "<title>V</title>");
        row("Button3", "", "", "<img src=%1>");
        row("Button8", "", "", "<p align=>");
        row("Button9", "", "", "<hr width=>");
        row("Button10", "", "", "<br>");
        row("Button4", "", "", "<script language= src=> </script>");
        row("Button5", "", "", "<style=\"css/text\" src=></style>");
        row("HEAD1", "re1", "", "</body>");
        row("N17", "re1", "", "</html>");
        row("HEAD2", "re1", "", "</head>");
        row("Bold1", "Button11", "", "<b>");
        row("Italic1", "Button11", "", "<i>");
        row("Underline1", "Button11", "", "<u>");
        row("Bold2", "Button11", "", "</b>");
        row("Italic2", "Button11", "", "</i>");
        row("Underline2", "Button11", "", "</u>");
        row("Inputtype1", "Button7", "", "<input type= name= value= >");
        row("button13", "Button7", "Please enter the value of the button",
            "<input type=button value=V name=>");
        row("radionbutton1", "Button7", "Please enter the value of the radiobutton",
            "<input type=radio value=V name=>");
        row("checkbox1", "Button7", "Please enter the value of the checkbox",
            "<input type=checkbox value=V name=>");
        row("FORM1", "Button7", "", "</form>");
    }

    void everySourceAppendsItsExactText() {
        QFETCH(QString, source);
        QFETCH(QString, opener);
        QFETCH(QString, prompt);
        QFETCH(QString, expected);
        ProgramUnderTest program;
        showComposer();
        const QString image = makeImage(program);
        program.dialogs().willChooseFile(image, 1);
        program.dialogs().promptAnswers.push_back(QStringLiteral("V"));

        const QByteArray name = source.toUtf8();
        if (opener.isEmpty()) {
            clickButton(name.constData());
        } else if (opener == QLatin1String("re1")) {
            rightClickEditor();
            chooseFromMenu(htm1->pm1, name.constData());
        } else {
            clickButton(opener.toUtf8().constData());
            chooseFromMenu(opener == QLatin1String("Button7") ? htm1->pm3 : htm1->pm2,
                           name.constData());
        }

        QCOMPARE(htm1->re1->Text(), expected.arg(image) + QStringLiteral("\r\n"));
        QTRY_COMPARE(QApplication::focusWidget(), htm1->re1);
        if (prompt.isEmpty()) {
            QVERIFY(program.dialogs().prompts.empty());
        } else {
            QCOMPARE(program.dialogs().prompts.size(), std::size_t{1});
            const auto& asked = program.dialogs().prompts.front();
            QCOMPARE(asked.caption, QStringLiteral("Value"));
            QCOMPARE(asked.label, prompt);
            QCOMPARE(asked.initial, QString());
            QCOMPARE(asked.maxLength, 255);
        }
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void aPageFromTheButtonsAndTheEditorsMenu() {
        ProgramUnderTest program;
        showComposer();
        program.dialogs().promptAnswers.push_back(QStringLiteral("Home"));
        clickButton("Button1");
        clickButton("Button6");
        clickButton("Button12");
        rightClickEditor();
        chooseFromMenu(htm1->pm1, "HEAD2");
        QCOMPARE(htm1->re1->Text(),
                 QStringLiteral("<html>\r\n<head>\r\n<title>Home</title>\r\n</head>\r\n"));
    }

    void aSnippetGoesAfterTheLastLineAndLeavesTheSelectionAlone() {
        ProgramUnderTest program;
        showComposer();
        typeAtEnd(QStringLiteral("hello world"));
        QTest::keyClick(htm1->re1, Qt::Key_Return);
        QTest::keyClick(htm1->re1, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(htm1->re1, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        const QString selected = htm1->re1->textCursor().selectedText();
        QVERIFY(selected.startsWith(QStringLiteral("hello")));
        clickButton("Button10");
        QCOMPARE(htm1->re1->Text(), QStringLiteral("hello world\r\n<br>\r\n"));
        QCOMPARE(htm1->re1->textCursor().selectedText(), selected);
        QCOMPARE(htm1->re1->textCursor().selectionStart(), 0);
    }

    void afterAnUnfinishedLineTheSnippetStartsANewOneThatUndoCannotTake() {
        ProgramUnderTest program;
        showComposer();
        typeAtEnd(QStringLiteral("abc"));
        clickButton("Button10");
        QCOMPARE(htm1->re1->Text(), QStringLiteral("abc\r\n<br>"));
        QTest::keyClick(htm1->re1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(htm1->re1->Text(), QStringLiteral("abc\r\n<br>"));
        QTest::keyClick(htm1->re1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(htm1->re1->Text(), QStringLiteral("abc\r\n<br>"));
    }

    void aCancelledPromptPutsNothingBetweenTheTags() {
        ProgramUnderTest program;
        showComposer();
        program.dialogs().promptAnswers.push_back(std::nullopt);
        clickButton("Button12");
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<title></title>\r\n"));
    }

    void theImageIsChosenWithItsOwnFilterAndItsNameStaysForSave() {
        ProgramUnderTest program;
        showComposer();
        const QString image = makeImage(program);
        program.dialogs().willChooseFile(image, 1);
        clickButton("Button3");
        QCOMPARE(program.dialogs().fileQuestions.at(0).request.filter, imageFilter);
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<img src=") + image + QStringLiteral(">\r\n"));
        QCOMPARE(htm1->od1.Filter, htmlFilter);
        QCOMPARE(htm1->od1.FileName, image);

        const QString page = program.scratch(QStringLiteral("page"));
        program.dialogs().willChooseFile(page, 1);
        QTest::keyClick(htm1->re1, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(page + QStringLiteral(".html")));
        QVERIFY(!QFile::exists(page));
    }

    void aCancelledImageChoiceAppendsNothingAndRestoresTheFilter() {
        ProgramUnderTest program;
        showComposer();
        typeAtEnd(QStringLiteral("<p>"));
        program.dialogs().willCancelFile();
        clickButton("Button3");
        QCOMPARE(htm1->re1->Text(), QStringLiteral("<p>"));
        QCOMPARE(htm1->od1.Filter, htmlFilter);
        QCOMPARE(htm1->od1.FileName, QString());
        QTRY_COMPARE(QApplication::focusWidget(), htm1->re1);
    }

    void menuButtonsPopUpAtAFixedScreenPointOrAtTheMouse() {
        ProgramUnderTest program;
        showComposer();
        htm1->move(60, 250);
        clickButton("Button7");
        QTRY_VERIFY(htm1->pm3->isVisible());
        QCOMPARE(htm1->pm3->pos(), QPoint(234, 68));
        QTest::keyClick(htm1->pm3, Qt::Key_Escape);
        QTRY_VERIFY(!htm1->pm3->isVisible());

        clickButton("Button11");
        QTRY_VERIFY(htm1->pm2->isVisible());
        QCOMPARE(htm1->pm2->pos(), QPoint(378, 68));
        QTest::keyClick(htm1->pm2, Qt::Key_Escape);
        QTRY_VERIFY(!htm1->pm2->isVisible());

        QPushButton* textStyle = htm1->button("Button11");
        rightClick(textStyle, QPoint(5, 7));
        QTRY_VERIFY(htm1->pm2->isVisible());
        QCOMPARE(htm1->pm2->pos(), textStyle->mapToGlobal(QPoint(5, 7)));
        QTest::keyClick(htm1->pm2, Qt::Key_Escape);
        QTRY_VERIFY(!htm1->pm2->isVisible());

        rightClickEditor();
        QTRY_VERIFY(htm1->pm1->isVisible());
        const QPoint click = htm1->re1->viewport()->mapToGlobal(QPoint(200, 100));
        QCOMPARE(htm1->pm1->pos(), click - QPoint(htm1->pm1->width() / 2, 0));
        QTest::keyClick(htm1->pm1, Qt::Key_Escape);
    }

    void tabGoesFromTheEditorThroughTheButtonsInTheirOrder() {
        ProgramUnderTest program;
        showComposer();
        const QStringList order = {
            QStringLiteral("Button1"),  QStringLiteral("Button2"), QStringLiteral("Button3"),
            QStringLiteral("Button4"),  QStringLiteral("Button5"), QStringLiteral("Button7"),
            QStringLiteral("Button8"),  QStringLiteral("Button9"), QStringLiteral("Button10"),
            QStringLiteral("Button11"), QStringLiteral("Button6"), QStringLiteral("Button12")};
        htm1->re1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), htm1->re1);
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
        QCOMPARE(htm1->re1->Text(), QString());
    }

    void theButtonRowStandsAlongTheTopWithItsCaptions() {
        ProgramUnderTest program;
        showComposer();
        struct Placed {
            const char* name;
            const char* caption;
            int x;
            int width;
        };
        const Placed row[] = {
            {"Button1", "<HTML>", 0, 49},     {"Button2", "<BODY>", 48, 49},
            {"Button6", "<HEAD>", 96, 49},    {"Button12", "<TITLE>", 144, 49},
            {"Button3", "IMG", 192, 33},      {"Button7", "<FORM>", 224, 49},
            {"Button8", "<P>", 272, 33},      {"Button9", "<HR>", 304, 33},
            {"Button10", "<BR>", 336, 33},    {"Button11", "Text style", 368, 57},
            {"Button4", "<SCRIPT>", 432, 57}, {"Button5", "CSS", 488, 49},
        };
        for (const Placed& placed : row) {
            QPushButton* button = htm1->button(placed.name);
            QVERIFY2(button != nullptr, placed.name);
            QCOMPARE(button->text(), QString::fromUtf8(placed.caption));
            QCOMPARE(button->geometry(), QRect(placed.x, 0, placed.width, 33));
            QCOMPARE(button->parentWidget(), htm1->re1->parentWidget());
        }
        QCOMPARE(htm1->pm1->actions().size(), 3);
        QCOMPARE(htm1->pm2->actions().size(), 7);
        QCOMPARE(htm1->pm3->actions().size(), 6);
        QCOMPARE(htm1->findChild<QAction*>(QStringLiteral("HEAD1"))->text(),
                 QStringLiteral("End  BODY"));
        QVERIFY(htm1->findChild<QAction*>(QStringLiteral("N18"))->isSeparator());

        program.dialogs().promptAnswers.push_back(QStringLiteral("Home"));
        clickButton("Button1");
        clickButton("Button6");
        clickButton("Button12");
        rightClickEditor();
        chooseFromMenu(htm1->pm1, "HEAD2");
        clickButton("Button2");
        clickButton("Button8");
        QDir().mkpath(QStringLiteral(QUILLON_BINARY_DIR "/screenshots"));
        QVERIFY(htm1->grab().save(QStringLiteral(QUILLON_BINARY_DIR "/screenshots/htm1.png")));
    }
};

QTEST_MAIN(ComposerSnippetsTest)
#include "composer_snippets_test.moc"
