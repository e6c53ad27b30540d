#include "core/DocumentType.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "platform/Application.h"
#include "platform/Shell.h"
#include "platform/TRichEdit.h"
#include "support/ProgramUnderTest.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using quillon::test::ProgramUnderTest;
using Start = quillon::test::RecordingShell::Start;

using quillon::test::storeWith;
using quillon::test::writeBytes;

namespace {

const QByteArray toolsStore = storeWith("\"tasm\"=\"/opt/tasm\"\n\"tlink\"=\"/opt/tlink\"\n");

void pressInEditor(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Form1->re1, key, modifiers);
}

// Opens an assembler source the way a person does: Ctrl+O, the file, the assembler entry.
void openAssemblerSource(ProgramUnderTest& program, const QString& file) {
    program.dialogs().willChooseFile(file, quillon::documentTypeAt(1).index);
    pressInEditor(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(Form1->currentFile, file);
    QVERIFY(Form1->item("Asembler1")->isEnabled());
}

// Runs each program to its end, with the one argument the editor gives, so that a test can look
// at what the program made.
class RunningShell final : public quillon::Shell {
public:
    QStringList failures;

    void execute(const QString& program, const QString& parameters,
                 const QString& folder) override {
        QProcess process;
        process.setProgram(program);
        if (!parameters.isEmpty())
            process.setArguments({parameters});
        process.setWorkingDirectory(folder);
        process.start();
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            failures << program + ": " + QString::fromLocal8Bit(process.readAllStandardError());
    }
};

QByteArray exitProgram(int status) {
    return "global _start\r\nsection .text\r\n_start:\r\n    mov eax, 60\r\n    mov edi, " +
           QByteArray::number(status) + "\r\n    syscall\r\n";
}

} // namespace

class BuildCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void makeExecBeforeAnyMakeObjPassesObj() {
        ProgramUnderTest program(toolsStore);
        Form1->ApplyCompilerSubmenus(quillon::CompilerSubmenu::Asembler1);
        pressInEditor(Qt::Key_F6);
        QCOMPARE(program.shell().starts, (std::vector<Start>{{"/opt/tlink", "obj", QString()}}));
        QCOMPARE(AsmSourceName, QStringLiteral("obj"));
    }

    void makeObjPassesTheFileAndMakeExecItsObjectName_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("object");
        QTest::newRow("windows path") << "C:\\WORK\\PROG.ASM"
                                      << "C:\\WORK\\PROG.obj";
        QTest::newRow("blanks") << "my folder/my prog.asm"
                                << "my folder/my prog.obj";
        QTest::newRow("shell characters") << "a \"q\";$(touch x)`id`'.asm"
                                          << "a \"q\";$(touch x)`id`'.obj";
        QTest::newRow("non-ASCII ending") << "Prüfung.äsm"
                                          << "Prüfung.obj";
        const QString longFolder = QString(120, QLatin1Char('d'));
        QTest::newRow("longer than 79") << longFolder + "/PROG.asm" << longFolder + "/PROG.obj";
    }

    void makeObjPassesTheFileAndMakeExecItsObjectName() {
        QFETCH(QString, source);
        QFETCH(QString, object);
        ProgramUnderTest program(toolsStore);
        // The names are taken inside the test's scratch folder, where the source is created.
        source = program.scratch(source);
        object = program.scratch(object);
        QVERIFY(QDir().mkpath(QFileInfo(source).path()));
        QVERIFY(writeBytes(source, "nop\r\n"));
        openAssemblerSource(program, source);
        pressInEditor(Qt::Key_F5);
        pressInEditor(Qt::Key_F6);
        pressInEditor(Qt::Key_F6);
        QCOMPARE(program.shell().starts, (std::vector<Start>{{"/opt/tasm", source, QString()},
                                                             {"/opt/tlink", object, QString()},
                                                             {"/opt/tlink", object, QString()}}));
        QCOMPARE(AsmSourceName, object);
    }

    void f5AndF6DoNothingWhileTheAsemblerSubmenuIsDisabled() {
        ProgramUnderTest program(toolsStore);
        const QString source = program.scratch(QStringLiteral("PROG.asm"));
        QVERIFY(writeBytes(source, "nop\r\n"));
        program.dialogs().willChooseFile(source, quillon::allFilesIndex);
        pressInEditor(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Form1->currentFile, source);
        QVERIFY(!Form1->item("Asembler1")->isEnabled());
        pressInEditor(Qt::Key_F5);
        pressInEditor(Qt::Key_F6);
        QVERIFY(program.shell().starts.empty());
        QVERIFY(AsmSourceName.isEmpty());
    }

    void aProgramThatCannotBeStartedReportsNothing_data() {
        QTest::addColumn<QByteArray>("store");
        QTest::newRow("no tasm stored") << QByteArray();
        QTest::newRow("missing program") << storeWith("\"tasm\"=\"/nonexistent/tasm\"\n");
    }

    void aProgramThatCannotBeStartedReportsNothing() {
        QFETCH(QByteArray, store);
        ProgramUnderTest program(store.isEmpty() ? std::nullopt : std::optional(store));
        quillon::Application::instance().setShell(
            std::make_unique<quillon::DetachedProcessShell>());
        const QString source = program.scratch(QStringLiteral("PROG.asm"));
        QVERIFY(writeBytes(source, "nop\r\n"));
        openAssemblerSource(program, source);
        pressInEditor(Qt::Key_F5);
        QCOMPARE(AsmSourceName, source);
        QVERIFY(program.dialogs().errors.isEmpty());
        QVERIFY(program.dialogs().messages.isEmpty());
        QVERIFY(program.dialogs().unexpected.isEmpty());
    }

    void theProjectsToolWrappersBuildWhatIsOnDisk() {
        if (QStandardPaths::findExecutable(QStringLiteral("nasm")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("ld")).isEmpty())
            QSKIP("nasm and ld are not installed");
        const QString tools = QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../tools"));
        ProgramUnderTest program(storeWith("\"tasm\"=\"" + tools.toUtf8() +
                                           "/tasm\"\n\"tlink\"=\"" + tools.toUtf8() +
                                           "/tlink\"\n"));
        auto shell = std::make_unique<RunningShell>();
        RunningShell& running = *shell;
        quillon::Application::instance().setShell(std::move(shell));

        const QString folder = program.scratch(QStringLiteral("my dir ;$(touch pwned) 'q'"));
        QVERIFY(QDir().mkpath(folder));
        const QString source = folder + QStringLiteral("/PROG 1.asm");
        QVERIFY(writeBytes(source, exitProgram(42)));
        openAssemblerSource(program, source);
        // Changes that are not saved: the tools work on the file as stored.
        Form1->re1->SelectAll();
        for (const QByteArray& line : exitProgram(7).split('\n')) {
            QTest::keyClicks(Form1->re1, QString::fromLatin1(line.trimmed()));
            QTest::keyClick(Form1->re1, Qt::Key_Return);
        }

        pressInEditor(Qt::Key_F5);
        QVERIFY2(running.failures.isEmpty(), qPrintable(running.failures.join('\n')));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/PROG 1.obj")));
        pressInEditor(Qt::Key_F6);
        QVERIFY2(running.failures.isEmpty(), qPrintable(running.failures.join('\n')));

        QProcess built;
        built.start(folder + QStringLiteral("/PROG 1"), QStringList());
        QVERIFY(built.waitForFinished(30000));
        QCOMPARE(built.exitCode(), 42);
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/pwned")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("pwned")));
        QVERIFY(program.dialogs().errors.isEmpty());
    }
};

QTEST_MAIN(BuildCommandsTest)
#include "build_commands_test.moc"
