#include "core/DocumentType.h"
#include "platform/QtDialogService.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <optional>

using namespace quillon;

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

struct DialogSeen {
    int preselectedEntry = 0;
};

// Once the dialog runs: note the preselected entry, pick `entry` in "Files of type" by keyboard
// (0 leaves it) and press Return in the file name.
void answerWith(DialogSeen& seen, int entry) {
    QTimer::singleShot(0, [&seen, entry] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(types != nullptr && name != nullptr);
        seen.preselectedEntry = types->currentIndex() + 1;
        if (entry > 0) {
            QTest::keyClick(types, Qt::Key_Home);
            for (int step = 1; step < entry; ++step)
                QTest::keyClick(types, Qt::Key_Down);
        }
        QTest::keyClick(name, Qt::Key_Return);
    });
}

} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theChosenEntryComesBack_data() {
        QTest::addColumn<bool>("saving");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("startEntry");
        QTest::addColumn<int>("pickedEntry");
        QTest::addColumn<int>("answeredEntry");

        QTest::newRow("save list, Text picked")
            << true << text(filters::saveFilter) << allFilesIndex << 6 << 6;
        QTest::newRow("save list, All files kept")
            << true << text(filters::saveFilter) << allFilesIndex << 0 << allFilesIndex;
        QTest::newRow("open list, HTML picked")
            << false << text(filters::openFilter) << allFilesIndex << 5 << 5;
        QTest::newRow("narrowed list, first entry kept")
            << true << text(filters::assemblerSaveFilter) << 1 << 0 << 1;
        QTest::newRow("composer list, All files picked")
            << true << text(filters::htmlFilter) << 1 << 2 << 2;
    }

    // Entry labels are padded with runs of blanks, which QFileDialog collapses.
    void theChosenEntryComesBack() {
        QFETCH(bool, saving);
        QFETCH(QString, filter);
        QFETCH(int, startEntry);
        QFETCH(int, pickedEntry);
        QFETCH(int, answeredEntry);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const FileDialogRequest request{filter, startEntry, folder.filePath("page"), false};

        QtDialogService dialogs;
        DialogSeen seen;
        answerWith(seen, pickedEntry);
        const auto answer =
            saving ? dialogs.saveFile(nullptr, request) : dialogs.openFile(nullptr, request);

        QCOMPARE(seen.preselectedEntry, startEntry);
        QVERIFY(answer.has_value());
        QCOMPARE(answer->fileName, folder.filePath("page"));
        QCOMPARE(answer->filterIndex, answeredEntry);
    }
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
