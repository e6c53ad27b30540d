#include "platform/TRichEdit.h"

#include "core/PlainText.h"
#include "core/Failure.h"
#include "core/Messages.h"
#include "platform/SafeSave.h"

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
    explicit BusyCursor(std::size_t size)
        : busy_(size >= busySize)
    {
        if (busy_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (busy_)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool busy_;
};

std::string localName(const QString& fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

} // namespace

void RichEditLines::LoadFromFile(const QString& fileName)
{
    const std::string bytes = readWholeFile(localName(fileName));
    BusyCursor busy(bytes.size());

    // The new text is laid out in a document of its own and only then handed to the editor,
    // which is much faster than filling the document the editor shows.
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    document->setDefaultFont(editor_.font());
    auto encoding = TextEncoding::Utf8;
    // RTF reading joins here with the RTF reader; until then every file reads as plain text,
    // which is also what a file that is not RTF falls back to.
    {
        const DecodedText decoded = decodePlainText(bytes);
        document->setPlainText(QString::fromUtf8(decoded.text));
        encoding = decoded.encoding;
    }
    editor_.adoptDocument(std::move(document));
    editor_.setPlainEncoding(encoding);
}

void RichEditLines::SaveToFile(const QString& fileName)
{
    std::string bytes;
    if (editor_.PlainText()) {
        EncodedText encoded =
            encodePlainText(editor_.Text().toStdString(), editor_.plainEncoding());
        bytes = std::move(encoded.bytes);
        editor_.setPlainEncoding(encoded.encoding);
    } else {
        // RTF writing joins here with the RTF writer.
        throw Failure(std::string(messages::failedToSaveStream));
    }
    BusyCursor busy(bytes.size());
    saveFileSafely(localName(fileName), bytes);
}

} // namespace quillon
