#include "core/Failure.h"
#include "platform/Application.h"
#include "platform/Menus.h"
#include "platform/TForm.h"
#include "platform/TRichEdit.h"
#include "support/ScriptedDialogs.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <array>
#include <optional>

using namespace quillon;

namespace {

// A form with a menu table of its own and a counter per item, standing for the program's forms.
class CountingForm final : public TForm {
public:
    explicit CountingForm(bool withMenu) {
        editor = new TRichEdit(this);
        setCentralWidget(editor);
        if (withMenu) {
            buildMenus<CountingForm>(this, menuBar(), rows);
            setFormMenuBar(this, menuBar());
        }
    }
    void save() { ++saves; }
    void make() { ++makes; }
    void cut() { ++cuts; }
    void deleteSelection() { ++deletes; }

    static constexpr std::array<MenuRow<CountingForm>, 7> rows{{
        {0, "File1", "&File", nullptr, nullptr},
        {1, "Save1", "Save", "Ctrl+S", &CountingForm::save},
        {0, "Compiler1", "&Compiler", nullptr, nullptr},
        {1, "Asembler1", "Asembler", nullptr, nullptr},
        {2, "MakeOBJ1", "Make OBJ", "F5", &CountingForm::make},
        {0, "Edit1", "&Edit", nullptr, nullptr},
        {1, "Cut1", "Cut", "Shift+Ctrl+C", &CountingForm::cut},
    }};

    TRichEdit* editor;
    int saves = 0;
    int makes = 0;
    int cuts = 0;
    int deletes = 0;
};

} // namespace

class ShortcutDispatcherTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        application.emplace();
        auto scripted = std::make_unique<test::ScriptedDialogs>();
        dialogs = scripted.get();
        application->setDialogs(std::move(scripted));
        mainForm.emplace(true);
        mainForm->show();
    }

    void cleanup() {
        mainForm.reset();
        application.reset();
    }

    void anEnabledItemActsAndTheKeyNeverReachesTheEditor() {
        QTest::keyClick(mainForm->editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(mainForm->saves, 1);
        QTest::keyClicks(mainForm->editor, QStringLiteral("ab"));
        QTest::keyClick(mainForm->editor, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(mainForm->cuts, 1);
        QCOMPARE(mainForm->editor->Text(), QStringLiteral("ab"));
    }

    void aDisabledItemTakesTheKeyAndDoesNothing() {
        menuItem(&*mainForm, "Save1")->setEnabled(false);
        QTest::keyClick(mainForm->editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(mainForm->saves, 0);
    }

    void anItemUnderADisabledSubmenuDoesNothing() {
        menuItem(&*mainForm, "Asembler1")->setEnabled(false);
        QTest::keyClick(mainForm->editor, Qt::Key_F5);
        QCOMPARE(mainForm->makes, 0);
        menuItem(&*mainForm, "Asembler1")->setEnabled(true);
        QTest::keyClick(mainForm->editor, Qt::Key_F5);
        QCOMPARE(mainForm->makes, 1);
    }

    void aWindowWithoutTheKeyPassesItToTheMainForm() {
        CountingForm other(false);
        other.show();
        QTest::keyClick(other.editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(mainForm->saves, 1);
    }

    void theFocusedWindowsOwnMenuComesFirst() {
        CountingForm other(true);
        other.show();
        QTest::keyClick(other.editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(other.saves, 1);
        QCOMPARE(mainForm->saves, 0);
    }

    void aContextMenuOfTheControlComesBeforeItsWindowsMenu() {
        QMenu popup;
        QAction* item = popup.addAction(QStringLiteral("Delete"));
        setItemShortcut(item, QKeySequence(Qt::Key_Delete));
        int deletes = 0;
        QObject::connect(item, &QAction::triggered, [&deletes] { ++deletes; });
        setContextPopup(mainForm->editor, &popup);
        QTest::keyClicks(mainForm->editor, QStringLiteral("xy"));
        QTest::keyClick(mainForm->editor, Qt::Key_Left);
        QTest::keyClick(mainForm->editor, Qt::Key_Delete);
        QCOMPARE(deletes, 1);
        QCOMPARE(mainForm->editor->Text(), QStringLiteral("xy"));
    }

    void whileAWindowIsModalTheMainMenuTakesNoKeys() {
        CountingForm modal(false);
        QTimer::singleShot(0, &modal, [&] {
            QTest::keyClick(modal.editor, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClicks(modal.editor, QStringLiteral("q"));
            modal.closeModal(ModalResult::Ok);
        });
        QCOMPARE(modal.ShowModal(), ModalResult::Ok);
        QCOMPARE(mainForm->saves, 0);
        QCOMPARE(modal.editor->Text(), QStringLiteral("q"));
    }

    void showingAVisibleFormModallyFails() {
        CountingForm other(false);
        other.show();
        QVERIFY_THROWS_EXCEPTION(Failure, other.ShowModal());
        try {
            other.ShowModal();
        } catch (const Failure& failure) {
            QCOMPARE(QString::fromUtf8(failure.what()),
                     QStringLiteral("Cannot make a visible window modal"));
        }
    }

    void aFailingHandlerIsReportedWithAFullStop() {
        application->guard([] { throw Failure("Cannot open file /nowhere/a.txt"); });
        application->guard([] { throw Failure("Failed to set data for 'tasm'"); });
        QCOMPARE(dialogs->errors, (QStringList{QStringLiteral("Cannot open file /nowhere/a.txt."),
                                               QStringLiteral("Failed to set data for 'tasm'")}));
    }

private:
    std::optional<Application> application;
    test::ScriptedDialogs* dialogs = nullptr;
    std::optional<CountingForm> mainForm;
};

QTEST_MAIN(ShortcutDispatcherTest)
#include "shortcut_dispatcher_test.moc"
