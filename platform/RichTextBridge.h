#pragma once

#include "core/RichDocument.h"

#include <QFont>

class QTextDocument;

namespace quillon {

// Fills an empty document with the paragraphs and formatted runs of a rich document. Paragraph
// alignment and indents are kept with each block even where the editor does not show them.
void fillTextDocument(QTextDocument& target, const RichDocument& source);

// The rich document a text document holds. Text typed without a format of its own takes
// `defaultFont`, the font the editor shows it in.
RichDocument richDocumentOf(const QTextDocument& source, const QFont& defaultFont);

} // namespace quillon
