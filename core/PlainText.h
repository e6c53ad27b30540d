#pragma once

#include <string>
#include <string_view>

namespace quillon {

enum class TextEncoding { Utf8, Utf8WithBom, Windows1252 };

// text is UTF-8 with lines separated by '\n'.
struct DecodedText {
    std::string text;
    TextEncoding encoding;
};

// Valid UTF-8 (after an optional byte order mark) is read as UTF-8, anything else as
// Windows-1252. CR LF, lone CR and lone LF all become '\n'; zero bytes are kept as U+0000.
DecodedText decodePlainText(std::string_view bytes);

// encoding is the one actually used: it falls back to Utf8 when Windows-1252 cannot hold a
// character of the text.
struct EncodedText {
    std::string bytes;
    TextEncoding encoding;
};

// Every line break of the text ('\n', and also CR LF or a lone CR should the text hold them) is
// written as CR LF.
EncodedText encodePlainText(std::string_view text, TextEncoding encoding);

} // namespace quillon
