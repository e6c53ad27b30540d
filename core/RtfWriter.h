#pragma once

#include "core/RichDocument.h"

#include <string>

namespace quillon {

// Writes a document as RTF: "{\rtf1\ansi\ansicpg1252\deff0", a font table of the fonts the runs
// use (with their \fcharset), a colour table, then the paragraphs, each starting with \pard and its
// format, and character formats written only where they change. Characters of cp1252 are written
// as \'hh in runs whose charset is 0; other characters as \uN? (UTF-16, so supplementary
// characters take a surrogate pair). Run text must be valid UTF-8: invalid bytes become U+FFFD.
//
// readRtf(writeRtf(document)) == normalized(document).
std::string writeRtf(const RichDocument& document);

} // namespace quillon
