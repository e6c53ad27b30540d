#include "platform/RichTextBridge.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace quillon {

namespace {

enum Property {
    alignmentProperty = QTextFormat::UserProperty + 1,
    leftIndentProperty,
    rightIndentProperty,
    firstLineIndentProperty,
    charsetProperty,
};

QTextBlockFormat blockFormatOf(const ParagraphFormat& format) {
    QTextBlockFormat block;
    block.setProperty(alignmentProperty, static_cast<int>(format.alignment));
    block.setProperty(leftIndentProperty, format.leftIndentTwips);
    block.setProperty(rightIndentProperty, format.rightIndentTwips);
    block.setProperty(firstLineIndentProperty, format.firstLineIndentTwips);
    return block;
}

ParagraphFormat paragraphFormatOf(const QTextBlockFormat& block) {
    ParagraphFormat format;
    format.alignment = static_cast<Alignment>(block.intProperty(alignmentProperty));
    format.leftIndentTwips = block.intProperty(leftIndentProperty);
    format.rightIndentTwips = block.intProperty(rightIndentProperty);
    format.firstLineIndentTwips = block.intProperty(firstLineIndentProperty);
    return format;
}

QTextCharFormat charFormatOf(const CharFormat& format) {
    QTextCharFormat chars;
    if (!format.fontFamily.empty())
        chars.setFontFamilies({QString::fromStdString(format.fontFamily)});
    chars.setFontPointSize(format.fontSizeHalfPoints / 2.0);
    chars.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    chars.setFontItalic(format.italic);
    chars.setFontUnderline(format.underline);
    chars.setFontStrikeOut(format.strikeOut);
    if (format.color) {
        const auto rgb = *format.color;
        chars.setForeground(
            QColor(int((rgb >> 16) & 0xff), int((rgb >> 8) & 0xff), int(rgb & 0xff)));
    }
    if (format.charset != 0)
        chars.setProperty(charsetProperty, format.charset);
    return chars;
}

int halfPointsOf(const QFont& font) {
    if (font.pointSizeF() > 0)
        return int(std::lround(font.pointSizeF() * 2));
    // Pixel sizes are taken at 96 dots per inch, as the editor's own fonts are given.
    return int(std::lround(font.pixelSize() * 72.0 / 96.0 * 2));
}

CharFormat charFormatOf(const QTextCharFormat& chars, const QFont& defaultFont) {
    CharFormat format;
    const QStringList families = chars.fontFamilies().toStringList();
    format.fontFamily =
        (families.isEmpty() ? defaultFont.family() : families.constFirst()).toStdString();
    format.fontSizeHalfPoints = chars.hasProperty(QTextFormat::FontPointSize)
                                    ? int(std::lround(chars.fontPointSize() * 2))
                                    : halfPointsOf(defaultFont);
    format.bold = chars.hasProperty(QTextFormat::FontWeight) ? chars.fontWeight() >= QFont::Bold
                                                             : defaultFont.bold();
    format.italic =
        chars.hasProperty(QTextFormat::FontItalic) ? chars.fontItalic() : defaultFont.italic();
    format.underline = chars.hasProperty(QTextFormat::TextUnderlineStyle) ? chars.fontUnderline()
                                                                          : defaultFont.underline();
    format.strikeOut = chars.hasProperty(QTextFormat::FontStrikeOut) ? chars.fontStrikeOut()
                                                                     : defaultFont.strikeOut();
    if (chars.hasProperty(QTextFormat::ForegroundBrush)) {
        const QColor color = chars.foreground().color();
        format.color = (std::uint32_t(color.red()) << 16) | (std::uint32_t(color.green()) << 8) |
                       std::uint32_t(color.blue());
    }
    format.charset = chars.intProperty(charsetProperty);
    return format;
}

} // namespace

void fillTextDocument(QTextDocument& target, const RichDocument& source) {
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph& paragraph : source.paragraphs) {
        if (first)
            cursor.setBlockFormat(blockFormatOf(paragraph.format));
        else
            cursor.insertBlock(blockFormatOf(paragraph.format), QTextCharFormat());
        first = false;
        for (const Run& run : paragraph.runs)
            cursor.insertText(QString::fromStdString(run.text), charFormatOf(run.format));
    }
    cursor.endEditBlock();
}

RichDocument richDocumentOf(const QTextDocument& source, const QFont& defaultFont) {
    RichDocument document;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        Paragraph paragraph;
        paragraph.format = paragraphFormatOf(block.blockFormat());
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (!piece.isValid() || piece.length() == 0)
                continue;
            paragraph.runs.push_back(
                Run{piece.text().toStdString(), charFormatOf(piece.charFormat(), defaultFont)});
        }
        document.paragraphs.push_back(std::move(paragraph));
    }
    return normalized(std::move(document));
}

} // namespace quillon
