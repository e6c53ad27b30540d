#include "core/PlainText.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "platform/RichTextBridge.h"
#include "platform/SafeSave.h"
#include "platform/TRichEdit.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>
#include <memory>

namespace quillon {

namespace {

// Files this large take longer than a blink to read or write.
constexpr std::size_t busySize = 1 << 20;

class BusyCursor final {
public:
    explicit BusyCursor(std::size_t size) : busy_(size >= busySize) {
        if (busy_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (busy_)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool busy_;
};

std::string localName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

} // namespace

void RichEditLines::LoadFromFile(const QString& fileName) {
    std::string bytes = readWholeFile(localName(fileName));
    BusyCursor busy(bytes.size());

    // The new text is laid out in a document of its own and only then handed to the editor,
    // which is much faster than filling the document the editor shows.
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    document->setDefaultFont(editor_.font());
    auto encoding = TextEncoding::Utf8;
    // A file that is not RTF is read once more as plain text.
    std::optional<RichDocument> rich;
    if (!editor_.PlainText())
        rich = readRtf(bytes);
    if (rich) {
        fillTextDocument(*document, *rich);
    } else {
        // Each form of the text is let go as soon as the next exists, to keep the peak low.
        DecodedText decoded = decodePlainText(bytes);
        std::string().swap(bytes);
        QString text = QString::fromUtf8(decoded.text);
        std::string().swap(decoded.text);
        document->setPlainText(text);
        encoding = decoded.encoding;
    }
    editor_.adoptDocument(std::move(document));
    editor_.setPlainEncoding(encoding);
}

void RichEditLines::SaveToFile(const QString& fileName) {
    std::string bytes;
    if (editor_.PlainText()) {
        EncodedText encoded =
            encodePlainText(editor_.Text().toStdString(), editor_.plainEncoding());
        bytes = std::move(encoded.bytes);
        editor_.setPlainEncoding(encoded.encoding);
    } else {
        bytes = writeRtf(richDocumentOf(*editor_.document(), editor_.font()));
    }
    BusyCursor busy(bytes.size());
    saveFileSafely(localName(fileName), bytes);
}

} // namespace quillon
