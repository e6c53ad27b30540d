#include "core/RegFile.h"

#include "core/CodePage.h"

#include <algorithm>
#include <stdexcept>

namespace quillon {

namespace {

constexpr std::string_view header = "Windows Registry Editor Version 5.00";
constexpr std::string_view hive = "HKEY_CURRENT_USER";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t hexLineWidth = 78;

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

bool hasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> parseHexNumber(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    std::uint32_t number = 0;
    for (const char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + static_cast<std::uint32_t>(digit);
    }
    return number;
}

void appendHex(std::string& out, std::uint32_t number, int width) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[number % 16]);
        number /= 16;
    } while (number != 0);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    out += text;
}

void appendUtf16Unit(std::vector<std::uint8_t>& out, std::uint32_t unit) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

// Reads a quoted string starting at text[at] == '"'; leaves `at` after the closing quote.
std::optional<std::string> parseQuoted(std::string_view text, std::size_t& at) {
    std::string out;
    for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            ++at;
            return out;
        }
        if (c == '\\') {
            if (++at == text.size() || (text[at] != '\\' && text[at] != '"'))
                return std::nullopt;
        }
        out += text[at];
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> parseHexBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    if (trimmed(text).empty())
        return bytes;
    while (true) {
        const auto comma = text.find(',');
        const auto token = trimmed(text.substr(0, comma));
        if (token.size() != 2)
            return std::nullopt;
        const auto byte = parseHexNumber(token, 2);
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        if (comma == std::string_view::npos)
            return bytes;
        text.remove_prefix(comma + 1);
    }
}

std::string hexLines(std::string line, const std::vector<std::uint8_t>& bytes) {
    std::string out;
    bool lineHasByte = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string token;
        appendHex(token, bytes[i], 2);
        if (i + 1 < bytes.size())
            token += ',';
        if (lineHasByte && line.size() + token.size() + 1 > hexLineWidth) {
            out += line + "\\\n";
            line = "  ";
        }
        line += token;
        lineHasByte = true;
    }
    return out + line + "\n";
}

std::string valueLine(const RegFile::NamedValue& entry) {
    const std::string name = entry.name.empty() ? "@" : quoted(entry.name);
    const RegistryValue& value = entry.value;
    if (value.type == regSz) {
        if (!hasControl(value.string))
            return name + "=" + quoted(value.string) + "\n";
        return hexLines(name + "=hex(1):", utf16LeBytes(value.string, true));
    }
    if (value.type == regDword && value.bytes.empty()) {
        std::string line = name + "=dword:";
        appendHex(line, value.dword, 8);
        return line + "\n";
    }
    if (value.type == regBinary)
        return hexLines(name + "=hex:", value.bytes);
    std::string prefix = name + "=hex(";
    appendHex(prefix, value.type, 1);
    return hexLines(prefix + "):", value.bytes);
}

std::optional<std::string> parseSectionPath(std::string_view inner) {
    if (equalsIgnoringCase(inner, hive))
        return std::string();
    if (inner.size() <= hive.size() + 1 ||
        !equalsIgnoringCase(inner.substr(0, hive.size()), hive) || inner[hive.size()] != '\\')
        return std::nullopt;
    const auto path = inner.substr(hive.size() + 1);
    if (!RegFile::isValidKeyPath(path))
        return std::nullopt;
    return std::string(path);
}

// Parses the data after "name=". Hex data may continue over the following lines, which are
// consumed from `lines` by advancing `lineIndex`.
std::optional<RegistryValue> parseData(std::string_view data,
                                       const std::vector<std::string_view>& lines,
                                       std::size_t& lineIndex) {
    if (data.starts_with('"')) {
        std::size_t at = 0;
        auto text = parseQuoted(data, at);
        if (!text || at != data.size())
            return std::nullopt;
        return RegistryValue::text(std::move(*text));
    }
    if (data.starts_with("dword:")) {
        const auto digits = data.substr(6);
        const auto number = digits.size() == 8 ? parseHexNumber(digits, 8) : std::nullopt;
        if (!number)
            return std::nullopt;
        return RegistryValue::number(*number);
    }
    std::uint32_t type = regBinary;
    if (data.starts_with("hex:")) {
        data.remove_prefix(4);
    } else if (data.starts_with("hex(")) {
        const auto close = data.find("):");
        if (close == std::string_view::npos)
            return std::nullopt;
        const auto number = parseHexNumber(data.substr(4, close - 4), 8);
        if (!number)
            return std::nullopt;
        type = *number;
        data.remove_prefix(close + 2);
    } else {
        return std::nullopt;
    }
    std::string joined(data);
    while (!joined.empty() && joined.back() == '\\') {
        joined.pop_back();
        if (lineIndex + 1 >= lines.size())
            break;
        joined += trimmed(lines[++lineIndex]);
    }
    auto bytes = parseHexBytes(joined);
    if (!bytes)
        return std::nullopt;
    return RegistryValue::raw(type, std::move(*bytes));
}

RegistryValue normalized(RegistryValue value) {
    if (value.type == regSz) {
        value.string = repairedUtf8(value.string);
        value.dword = 0;
        value.bytes.clear();
    } else if (value.type == regDword) {
        value.string.clear();
        if (value.bytes.size() == 4) {
            value.dword = static_cast<std::uint32_t>(value.bytes[0]) |
                          static_cast<std::uint32_t>(value.bytes[1]) << 8 |
                          static_cast<std::uint32_t>(value.bytes[2]) << 16 |
                          static_cast<std::uint32_t>(value.bytes[3]) << 24;
            value.bytes.clear();
        } else if (!value.bytes.empty()) {
            value.dword = 0;
        }
    } else {
        value.string.clear();
        value.dword = 0;
    }
    return value;
}

} // namespace

std::string repairedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();)
        appendUtf8(decodeUtf8(text, at), out);
    return out;
}

std::vector<std::uint8_t> utf16LeBytes(std::string_view utf8, bool withTerminatingZero) {
    std::vector<std::uint8_t> out;
    out.reserve(utf8.size() * 2 + 2);
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t codePoint = decodeUtf8(utf8, at);
        if (codePoint < 0x10000) {
            appendUtf16Unit(out, codePoint);
        } else {
            const char32_t offset = codePoint - 0x10000;
            appendUtf16Unit(out, 0xD800 + (offset >> 10));
            appendUtf16Unit(out, 0xDC00 + (offset & 0x3FF));
        }
    }
    if (withTerminatingZero)
        appendUtf16Unit(out, 0);
    return out;
}

std::string utf8FromUtf16Le(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) {
        return static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t next = unitAt(i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00), out);
                ++i;
                continue;
            }
        }
        appendUtf8(unit >= 0xD800 && unit <= 0xDFFF ? replacementCharacter : unit, out);
    }
    return out;
}

RegistryValue RegistryValue::text(std::string text) {
    return normalized(RegistryValue{regSz, std::move(text), 0, {}});
}

RegistryValue RegistryValue::number(std::uint32_t number) {
    return RegistryValue{regDword, {}, number, {}};
}

RegistryValue RegistryValue::raw(std::uint32_t type, std::vector<std::uint8_t> data) {
    if (type == regSz) {
        std::string decoded = utf8FromUtf16Le(data);
        if (!decoded.empty() && decoded.back() == '\0')
            decoded.pop_back();
        return text(std::move(decoded));
    }
    return normalized(RegistryValue{type, {}, 0, std::move(data)});
}

std::size_t RegistryValue::dataSize() const {
    if (type == regSz)
        return utf16LeBytes(string, true).size();
    if (type == regDword && bytes.empty())
        return 4;
    return bytes.size();
}

std::string RegistryValue::asText() const {
    return type == regSz ? string : utf8FromUtf16Le(bytes);
}

bool RegFile::isValidKeyPath(std::string_view path) {
    if (path.empty())
        return true;
    if (hasControl(path))
        return false;
    std::size_t start = 0;
    while (true) {
        const auto separator = path.find('\\', start);
        if (separator == start || start == path.size())
            return false;
        if (separator == std::string_view::npos)
            return true;
        start = separator + 1;
    }
}

bool RegFile::isValidValueName(std::string_view name) {
    return !hasControl(name);
}

std::optional<RegFile> RegFile::parse(std::string_view text) {
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    if (lines.empty() || trimmed(lines[0]) != header)
        return std::nullopt;

    RegFile file;
    std::optional<std::string> section;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto line = trimmed(lines[i]);
        if (line.empty() || line.starts_with(';'))
            continue;
        if (line.starts_with('[')) {
            if (!line.ends_with(']'))
                return std::nullopt;
            section = parseSectionPath(line.substr(1, line.size() - 2));
            if (!section)
                return std::nullopt;
            file.createKey(*section);
            continue;
        }
        if (!section)
            return std::nullopt;
        std::size_t at = 0;
        std::string name;
        if (line.starts_with('@')) {
            at = 1;
        } else if (line.starts_with('"')) {
            auto quotedName = parseQuoted(line, at);
            if (!quotedName || !isValidValueName(*quotedName))
                return std::nullopt;
            name = std::move(*quotedName);
        } else {
            return std::nullopt;
        }
        if (at >= line.size() || line[at] != '=')
            return std::nullopt;
        auto value = parseData(line.substr(at + 1), lines, i);
        if (!value)
            return std::nullopt;
        file.setValue(*section, name, std::move(*value));
    }
    return file;
}

std::string RegFile::serialize() const {
    std::string out(header);
    out += "\n\n";
    for (const Key& key : keys_) {
        out += '[';
        out += hive;
        if (!key.path.empty())
            out += "\\" + key.path;
        out += "]\n";
        for (const NamedValue& entry : key.values)
            out += valueLine(entry);
        out += '\n';
    }
    return out;
}

RegFile::Key* RegFile::findKey(std::string_view path) {
    const auto found = std::find_if(keys_.begin(), keys_.end(), [&](const Key& key) {
        return equalsIgnoringCase(key.path, path);
    });
    return found == keys_.end() ? nullptr : &*found;
}

const RegFile::Key* RegFile::findKey(std::string_view path) const {
    return const_cast<RegFile*>(this)->findKey(path);
}

RegFile::Key& RegFile::keyCreatedIfMissing(std::string_view path) {
    if (Key* key = findKey(path))
        return *key;
    if (!isValidKeyPath(path))
        throw std::invalid_argument("key path the file format cannot hold");
    keys_.push_back(Key{std::string(path), {}});
    return keys_.back();
}

bool RegFile::hasKey(std::string_view path) const {
    return findKey(path) != nullptr;
}

void RegFile::createKey(std::string_view path) {
    keyCreatedIfMissing(path);
}

void RegFile::setValue(std::string_view path, std::string_view name, RegistryValue value) {
    if (!isValidValueName(name))
        throw std::invalid_argument("value name the file format cannot hold");
    Key& key = keyCreatedIfMissing(path);
    value = normalized(std::move(value));
    const auto found = std::find_if(key.values.begin(), key.values.end(), [&](const NamedValue& v) {
        return equalsIgnoringCase(v.name, name);
    });
    if (found != key.values.end())
        found->value = std::move(value);
    else
        key.values.push_back(NamedValue{std::string(name), std::move(value)});
}

const RegistryValue* RegFile::value(std::string_view path, std::string_view name) const {
    const Key* key = findKey(path);
    if (!key)
        return nullptr;
    for (const NamedValue& entry : key->values) {
        if (equalsIgnoringCase(entry.name, name))
            return &entry.value;
    }
    return nullptr;
}

} // namespace quillon
