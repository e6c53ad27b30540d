#include "core/Failure.h"
#include "core/RtfReader.h"
#include "platform/TRichEdit.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillon;

using quillon::test::fileBytes;
using quillon::test::writeBytes;

namespace {

QByteArray withCrLfBreaks(const QByteArray& bytes) {
    QByteArray result;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            result += "\r\n";
        } else if (bytes[i] == '\n') {
            result += "\r\n";
        } else {
            result += bytes[i];
        }
    }
    return result;
}

QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return QString::fromUtf8(failure.what());
    }
    return QStringLiteral("<no failure>");
}

} // namespace

class RichEditFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { editor.emplace(); }
    void cleanup() { editor.reset(); }

    void aPlainFileComesBackByteForByteApartFromLineBreaks_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\r\nna\xc3\xafve\r\n");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfline\r\n");
        QTest::newRow("Windows-1252 with unassigned bytes")
            << QByteArray("\x81\x8d\x8f\x90\x9d caf\xe9 \x80\r\n");
        QTest::newRow("lone CR and LF") << QByteArray("one\rtwo\nthree\r\n\n\r");
        QTest::newRow("zero bytes") << QByteArray("a\0b\0\0c\r\n", 9);
        QTest::newRow("no final line break") << QByteArray("last line");
        QTest::newRow("empty") << QByteArray();
    }

    void aPlainFileComesBackByteForByteApartFromLineBreaks() {
        QFETCH(QByteArray, bytes);
        const QString name = folder.filePath(QStringLiteral("plain.txt"));
        QVERIFY(writeBytes(name, bytes));
        editor->Lines().LoadFromFile(name);
        editor->Lines().SaveToFile(name);
        QCOMPARE(fileBytes(name), withCrLfBreaks(bytes));
    }

    void aClearedEditorHoldsANewDocumentWrittenAsUtf8() {
        const QString name = folder.filePath(QStringLiteral("legacy.txt"));
        QVERIFY(writeBytes(name, "caf\xe9\r\n"));
        editor->Lines().LoadFromFile(name);
        editor->Lines().SaveToFile(name);
        QCOMPARE(fileBytes(name), QByteArray("caf\xe9\r\n"));
        editor->Clear();
        editor->SetText(QString::fromUtf8("\xc3\xa9"));
        editor->Lines().SaveToFile(name);
        QCOMPARE(fileBytes(name), QByteArray("\xc3\xa9"));
    }

    void randomBytesSurviveOpenAndSave() {
        std::mt19937 random(20261211);
        const QString name = folder.filePath(QStringLiteral("random.bin"));
        for (int round = 0; round < 40; ++round) {
            QByteArray bytes;
            const int size = int(random() % 400);
            for (int i = 0; i < size; ++i) {
                const auto pick = random() % 8;
                bytes += pick == 0 ? '\r' : pick == 1 ? '\n' : pick == 2 ? '\0' : char(random());
            }
            QVERIFY(writeBytes(name, bytes));
            editor->Lines().LoadFromFile(name);
            editor->Lines().SaveToFile(name);
            QCOMPARE(fileBytes(name), withCrLfBreaks(bytes));
        }
    }

    void aZeroByteStaysInTheTextAsAVisibleCharacter() {
        const QString name = folder.filePath(QStringLiteral("zero.txt"));
        QVERIFY(writeBytes(name, QByteArray("ab\0cd", 5)));
        editor->Lines().LoadFromFile(name);
        QCOMPARE(editor->Text().size(), 5);
        QCOMPARE(editor->Text().at(2), QChar(0));
    }

    void richModeShowsTheFormatsAndWritesThemBack() {
        const QString name = folder.filePath(QStringLiteral("rich.rtf"));
        writeBytes(name,
                   "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                   "\\f0\\fs24 plain {\\b bold} {\\i\\cf1 red} \\ul under\\ulnone\\par"
                   "\\qc centred\\par}");
        editor->SetPlainText(false);
        editor->Lines().LoadFromFile(name);
        QCOMPARE(editor->Text(), QStringLiteral("plain bold red under\r\ncentred\r\n"));

        QTextCursor cursor(editor->document());
        cursor.setPosition(7);
        QVERIFY(cursor.charFormat().fontWeight() >= QFont::Bold);
        cursor.setPosition(12);
        QVERIFY(cursor.charFormat().fontItalic());
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(255, 0, 0));

        const auto original = readRtf(fileBytes(name).toStdString());
        const QString copy = folder.filePath(QStringLiteral("copy.rtf"));
        editor->Lines().SaveToFile(copy);
        const auto written = readRtf(fileBytes(copy).toStdString());
        QVERIFY(original && written);
        QCOMPARE(written->paragraphs.size(), original->paragraphs.size());
        for (std::size_t i = 0; i < original->paragraphs.size(); ++i) {
            QVERIFY(written->paragraphs[i].format == original->paragraphs[i].format);
            QCOMPARE(written->paragraphs[i].runs.size(), original->paragraphs[i].runs.size());
            for (std::size_t r = 0; r < original->paragraphs[i].runs.size(); ++r) {
                const Run& was = original->paragraphs[i].runs[r];
                const Run& is = written->paragraphs[i].runs[r];
                QCOMPARE(is.text, was.text);
                QCOMPARE(is.format.bold, was.format.bold);
                QCOMPARE(is.format.italic, was.format.italic);
                QCOMPARE(is.format.underline, was.format.underline);
                QVERIFY(is.format.color == was.format.color);
                QCOMPARE(is.format.fontFamily, was.format.fontFamily);
                QCOMPARE(is.format.fontSizeHalfPoints, was.format.fontSizeHalfPoints);
            }
        }
    }

    void aFileThatIsNotRtfIsReadAsPlainTextInRichMode() {
        const QString name = folder.filePath(QStringLiteral("not.rtf"));
        QVERIFY(writeBytes(name, "just words\r\n"));
        editor->SetPlainText(false);
        editor->Lines().LoadFromFile(name);
        QCOMPARE(editor->Text(), QStringLiteral("just words\r\n"));
    }

    void failuresCarryTheirMessages() {
        const QString missing = folder.filePath(QStringLiteral("missing.txt"));
        QCOMPARE(failureOf([&] { editor->Lines().LoadFromFile(missing); }),
                 QStringLiteral("Cannot open file ") + missing);
        QCOMPARE(failureOf([&] { editor->Lines().LoadFromFile(folder.path()); }),
                 QStringLiteral("Cannot open file ") + folder.path());
        const QString nowhere = folder.filePath(QStringLiteral("no/such/folder.txt"));
        QCOMPARE(failureOf([&] { editor->Lines().SaveToFile(nowhere); }),
                 QStringLiteral("Cannot create file ") + nowhere);
        QCOMPARE(failureOf([&] { editor->Lines().SaveToFile(QString()); }),
                 QStringLiteral("Cannot create file "));
    }

    void aSaveThatFailsPartWayLeavesTheOldFileAsItWas() {
        const QString name = folder.filePath(QStringLiteral("precious.txt"));
        const QByteArray old = "the old contents\r\n";
        QVERIFY(writeBytes(name, old));
        editor->SetText(QString(100000, QLatin1Char('x')));
        QString failure;
        {
            test::FileSizeLimit limit(4096);
            QVERIFY(limit.active());
            failure = failureOf([&] { editor->Lines().SaveToFile(name); });
        }
        QCOMPARE(failure, QStringLiteral("Failed to Save Stream"));
        QCOMPARE(fileBytes(name), old);
        // The temporary file is gone too.
        QCOMPARE(QDir(folder.path())
                     .entryList({QStringLiteral("*precious*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("precious.txt")});
    }

    void savingKeepsPermissionBitsAndWritesThroughALink() {
        const QString target = folder.filePath(QStringLiteral("target.txt"));
        const QString link = folder.filePath(QStringLiteral("link.txt"));
        QVERIFY(writeBytes(target, "old\r\n"));
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0640), 0);
        QCOMPARE(::symlink("target.txt", QFile::encodeName(link).constData()), 0);
        editor->SetText(QStringLiteral("new"));
        editor->Lines().SaveToFile(link);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fileBytes(target), QByteArray("new"));
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0640));
    }

private:
    QTemporaryDir folder;
    std::optional<TRichEdit> editor;
};

QTEST_MAIN(RichEditFilesTest)
#include "rich_edit_files_test.moc"
