#pragma once

#include "core/RichDocument.h"

#include <optional>
#include <string_view>

namespace quillon {

// Reads an RTF document into the rich-text model.
//
// nullopt when `bytes` is not RTF: it must start, after optional white space, with "{\rtf". Any
// other input gives a document, however damaged: a missing closing brace ends the document at the
// end of the input, text after the outer group closes is ignored, groups nested deeper than the
// reader keeps state for are skipped, and characters that cannot be decoded become U+FFFD. The
// reader never recurses, and its memory is bounded by a small multiple of the input size.
//
// The result is normalized (see normalized()): no empty runs, adjacent runs with equal formats
// merged, and at least one paragraph. Table cells end with a tab and rows with a paragraph end;
// list labels (\listtext) are kept as text; headers, footers, footnotes, pictures, objects and
// field instructions are skipped, while a field's result is kept.
std::optional<RichDocument> readRtf(std::string_view bytes);

} // namespace quillon
