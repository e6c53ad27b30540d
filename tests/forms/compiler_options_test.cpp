#include "core/Settings.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/Unit4.h"
#include "platform/TRadioGroup.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using quillon::test::ProgramUnderTest;

using quillon::test::enabledSubmenus;
using quillon::test::storeWith;

namespace {

const char* const submenus[] = {"Asembler1", "C1", "Pascal1", "BASIC1"};

void showCompilerOptions() {
    Form1->item("Options2")->trigger();
    QTRY_VERIFY(Form4->isVisible());
    QTRY_VERIFY(Form4->isActiveWindow());
}

void choose(int item) {
    QRadioButton* button = Form4->rg1->button(item);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QList<QGroupBox*> groups() {
    return {Form4->ab1, Form4->cb1, Form4->pb1, Form4->bb1};
}

QList<QLineEdit*> allFields() {
    return {Form4->Edit1, Form4->Edit2, Form4->Edit3, Form4->Edit4, Form4->Edit5,
            Form4->Edit6, Form4->Edit7, Form4->Edit8, Form4->Edit9};
}

} // namespace

class CompilerOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void aNewRunShowsEmptyFieldsWithOnlyTheAssemblerGroupUsable() {
        ProgramUnderTest program(storeWith("\"tasm\"=\"/opt/tasm\"\n\"BASIC\"=\"/opt/qb\"\n"));
        showCompilerOptions();
        QCOMPARE(Form4->windowTitle(), QStringLiteral("Compiler options"));
        QCOMPARE(Form4->size(), QSize(454, 332));
        QCOMPARE(Form4->rg1->ItemIndex(), 0);
        QCOMPARE(Form4->rg1->Items(),
                 (QStringList{QStringLiteral("Asembler"), QStringLiteral("C (DOS)"),
                              QStringLiteral("Pascal"), QStringLiteral("BASIC ")}));
        for (QLineEdit* field : allFields())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        QVERIFY(Form4->ab1->isEnabled());
        for (QGroupBox* group : {Form4->cb1, Form4->pb1, Form4->bb1})
            QVERIFY2(!group->isEnabled(), qPrintable(group->objectName()));
        QVERIFY(Form4->Edit1->isEnabled());
        QVERIFY(!Form4->Edit3->isEnabled());
        QVERIFY(!Form4->Edit9->isEnabled());

        QDir().mkpath(QStringLiteral(QUILLON_BINARY_DIR "/screenshots"));
        QVERIFY(Form4->grab().save(QStringLiteral(QUILLON_BINARY_DIR "/screenshots/Form4.png")));
    }

    void choosingACompilerEnablesItsGroupItsPathFieldAndItsSubmenu_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("pathField");
        QTest::addColumn<QString>("submenu");
        QTest::newRow("C (DOS)") << 1 << "Edit3"
                                 << "C1";
        QTest::newRow("Pascal") << 2 << "Edit4"
                                << "Pascal1";
        QTest::newRow("BASIC ") << 3 << "Edit5"
                                << "BASIC1";
    }

    void choosingACompilerEnablesItsGroupItsPathFieldAndItsSubmenu() {
        QFETCH(int, item);
        QFETCH(QString, pathField);
        QFETCH(QString, submenu);
        ProgramUnderTest program;
        showCompilerOptions();
        choose(item);
        QCOMPARE(Form4->rg1->ItemIndex(), item);
        for (int group = 0; group < 4; ++group)
            QCOMPARE(groups()[group]->isEnabled(), group == item);
        QCOMPARE(Form4->focusWidget()->objectName(), pathField);
        QCOMPARE(enabledSubmenus(), QStringList{submenu});
        QVERIFY(program.dialogs().errors.isEmpty());
    }

    void basicSilencesF5AndF6UntilAsemblerIsChosenAgain() {
        ProgramUnderTest program(storeWith("\"tasm\"=\"/opt/tasm\"\n\"tlink\"=\"/opt/tlink\"\n"));
        showCompilerOptions();
        choose(3);
        QTest::keyClick(Form4->focusWidget(), Qt::Key_F5);
        QTest::keyClick(Form4->focusWidget(), Qt::Key_F6);
        QVERIFY(program.shell().starts.empty());

        // Asembler, chosen after another item, is a real choice even for a text document.
        choose(0);
        QCOMPARE(enabledSubmenus(), QStringList{QStringLiteral("Asembler1")});
        QCOMPARE(Form4->focusWidget(), Form4->Edit1);
        QTest::keyClick(Form4->Edit1, Qt::Key_F5);
        QCOMPARE(program.shell().starts.size(), std::size_t{1});
        QCOMPARE(program.shell().starts[0].program, QStringLiteral("/opt/tasm"));
    }

    void clickingTheSelectedItemDoesNothing() {
        ProgramUnderTest program;
        showCompilerOptions();
        const QByteArray storeBefore = program.storeText();
        Form4->Edit2->setFocus();
        choose(0);
        QVERIFY(enabledSubmenus().isEmpty());
        QCOMPARE(Form4->rg1->ItemIndex(), 0);
        QVERIFY(!Form4->cb1->isEnabled());
        QCOMPARE(program.storeText(), storeBefore);
    }

    void okStoresEveryFieldAndTheChoiceAndReadsThePathsBack() {
        ProgramUnderTest program;
        showCompilerOptions();
        const QStringList typed{"/t asm", "/tlink", "/cc", "/fpc", "/qb", "-m", "-p", "-c", "-b"};
        // A field takes typing only while its group is the chosen one.
        const std::vector<std::vector<int>> fieldsOfGroup{{0, 1, 5}, {2, 7}, {3, 6}, {4, 8}};
        for (int group = 3; group >= 0; --group) {
            choose(group);
            for (const int field : fieldsOfGroup[static_cast<std::size_t>(group)])
                QTest::keyClicks(allFields()[field], typed[field]);
        }
        // The paths of the groups that are disabled now are stored as well.
        choose(2);
        QTest::mouseClick(Form4->BitBtn1, Qt::LeftButton);

        QVERIFY(!Form4->isVisible());
        QVERIFY(program.dialogs().errors.isEmpty());
        const QByteArray store = program.storeText();
        for (const char* line :
             {"\"tasm\"=\"/t asm\"\n", "\"tlink\"=\"/tlink\"\n", "\"moret\"=\"-m\"\n",
              "\"C\"=\"/cc\"\n", "\"morec\"=\"-c\"\n", "\"Pascal\"=\"/fpc\"\n",
              "\"morep\"=\"-p\"\n", "\"BASIC\"=\"/qb\"\n", "\"moreb\"=\"-b\"\n",
              "\"rg1\"=dword:00000002\n"})
            QVERIFY2(store.contains(line), line);
        const std::pair<std::string quillon::Settings::*, const char*> readBack[] = {
            {&quillon::Settings::tasm, "/t asm"}, {&quillon::Settings::tlink, "/tlink"},
            {&quillon::Settings::C, "/cc"},       {&quillon::Settings::Pascal, "/fpc"},
            {&quillon::Settings::BASIC, "/qb"},   {&quillon::Settings::moret, "-m"},
            {&quillon::Settings::morec, "-c"},    {&quillon::Settings::morep, "-p"},
            {&quillon::Settings::moreb, "-b"}};
        for (const auto& [field, value] : readBack)
            QCOMPARE(Settings.*field, std::string(value));

        showCompilerOptions();
        for (int field = 0; field < 9; ++field)
            QCOMPARE(allFields()[field]->text(), typed[field]);
        QCOMPARE(Form4->rg1->ItemIndex(), 2);
    }

    void okAtOnceStoresNineEmptyStringsAndEmptiesThePaths() {
        ProgramUnderTest program(storeWith("\"tasm\"=\"/opt/tasm\"\n\"tlink\"=\"/opt/tlink\"\n"));
        QCOMPARE(Settings.tasm, std::string("/opt/tasm"));
        showCompilerOptions();
        QTest::mouseClick(Form4->BitBtn1, Qt::LeftButton);
        const QByteArray store = program.storeText();
        for (const char* name :
             {"tasm", "tlink", "moret", "C", "morec", "Pascal", "morep", "BASIC", "moreb"})
            QVERIFY2(store.contains("\"" + QByteArray(name) + "\"=\"\"\n"), name);
        QVERIFY(store.contains("\"rg1\"=dword:00000000\n"));
        QCOMPARE(Settings.tasm, std::string());
        QCOMPARE(Settings.tlink, std::string());
    }

    void closingAnyOtherWayStoresNothing() {
        ProgramUnderTest program;
        showCompilerOptions();
        const QByteArray storeBefore = program.storeText();
        QTest::keyClicks(Form4->Edit1, QStringLiteral("/opt/tasm"));
        Form4->close();
        QVERIFY(!Form4->isVisible());
        QCOMPARE(program.storeText(), storeBefore);
        QCOMPARE(Settings.tasm, std::string());
        QVERIFY(Form1->isVisible());
    }

    void aFailedWriteIsReportedAndTheWindowStaysOpen() {
        ProgramUnderTest program;
        showCompilerOptions();
        QTest::keyClicks(Form4->Edit1, QStringLiteral("/opt/tasm"));
        const QByteArray storeBefore = program.storeText();
        {
            // The key exists already, so creating and opening it write nothing; the first value
            // makes the store file grow past the cap.
            quillon::test::FileSizeLimit limit(static_cast<rlim_t>(storeBefore.size()));
            QVERIFY(limit.active());
            QTest::mouseClick(Form4->BitBtn1, Qt::LeftButton);
        }
        QCOMPARE(program.dialogs().errors,
                 QStringList{QStringLiteral("Failed to set data for 'tasm'")});
        QVERIFY(Form4->isVisible());
        QCOMPARE(program.storeText(), storeBefore);
        QCOMPARE(Settings.tasm, std::string());

        QTest::mouseClick(Form4->BitBtn1, Qt::LeftButton);
        QVERIFY(!Form4->isVisible());
        QCOMPARE(Settings.tasm, std::string("/opt/tasm"));
    }
};

QTEST_MAIN(CompilerOptionsTest)
#include "compiler_options_test.moc"
