// Window timings of the real program under the offscreen platform, in a release build:
//   start-up until the main window is shown, and the time per typed key at the start and at
//   the end of a 10 MB document with word wrap on, in plain and in rich mode.
#include "core/RichDocument.h"
#include "core/RtfWriter.h"
#include "forms/FormSet.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "platform/Application.h"
#include "platform/TRichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t documentBytes = 10 * 1000 * 1000;
constexpr int keysPerPlace = 200;

QString plainDocumentFile(const QTemporaryDir& folder) {
    const QString name = folder.filePath(QStringLiteral("plain.txt"));
    QFile file(name);
    file.open(QIODevice::WriteOnly);
    const QByteArray line = "The quick brown fox jumps over the lazy dog, again and again.\r\n";
    QByteArray text;
    text.reserve(qsizetype(documentBytes + line.size()));
    while (std::size_t(text.size()) < documentBytes)
        text += line;
    file.write(text);
    return name;
}

QString richDocumentFile(const QTemporaryDir& folder) {
    quillon::RichDocument document;
    std::size_t size = 0;
    for (int i = 0; size < documentBytes * 7 / 10; ++i) {
        quillon::Paragraph paragraph;
        for (int r = 0; r < 4; ++r) {
            quillon::Run run;
            run.text = "Formatted words in a run of their own ";
            run.format.bold = (i + r) % 2 == 0;
            run.format.italic = r == 1;
            run.format.underline = r == 2;
            run.format.fontFamily = r == 3 ? "DejaVu Serif" : "DejaVu Sans";
            run.format.fontSizeHalfPoints = 20 + 2 * r;
            if (r == 3)
                run.format.color = 0x2060c0;
            size += run.text.size();
            paragraph.runs.push_back(run);
        }
        document.paragraphs.push_back(std::move(paragraph));
    }
    const std::string rtf = quillon::writeRtf(document);
    const QString name = folder.filePath(QStringLiteral("rich.rtf"));
    QFile file(name);
    file.open(QIODevice::WriteOnly);
    file.write(rtf.data(), qsizetype(rtf.size()));
    return name;
}

// The process's peak resident memory so far, in megabytes.
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Types keys at the caret and returns the median time per key, painting included.
double medianKeyMilliseconds(quillon::TRichEdit& editor) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < keysPerPlace; ++i) {
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&editor, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&editor, &release);
        editor.viewport()->repaint();
        QApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

void measureTyping(const char* mode, const QString& fileName, bool plain) {
    Form1->re1->SetPlainText(plain);
    QElapsedTimer load;
    load.start();
    Form1->re1->Lines().LoadFromFile(fileName);
    QApplication::processEvents();
    const double megabytes = double(QFileInfo(fileName).size()) / 1e6;
    std::printf("open %-5s %.1f MB in re1: %8.1f ms, peak memory %.0f MB (%.1f x the file)\n", mode,
                megabytes, double(load.nsecsElapsed()) / 1e6, peakMegabytes(),
                peakMegabytes() / megabytes);

    Form1->re1->moveCursor(QTextCursor::Start);
    std::printf("key at start, %-5s: %8.3f ms (median of %d)\n", mode,
                medianKeyMilliseconds(*Form1->re1), keysPerPlace);
    Form1->re1->moveCursor(QTextCursor::End);
    std::printf("key at end,   %-5s: %8.3f ms (median of %d)\n", mode,
                medianKeyMilliseconds(*Form1->re1), keysPerPlace);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());

    QElapsedTimer startUp;
    startUp.start();
    QApplication qtApplication(argc, argv);
    quillon::Application application;
    application.setTitle(QStringLiteral("Quillon"));
    CreateForms();
    QApplication::processEvents();
    std::printf("start-up to Form1 shown: %8.1f ms (visible: %s)\n",
                double(startUp.nsecsElapsed()) / 1e6, Form1->isVisible() ? "yes" : "no");

    QTemporaryDir folder;
    measureTyping("plain", plainDocumentFile(folder), true);
    measureTyping("rich", richDocumentFile(folder), false);
    DestroyForms();
    return 0;
}
