#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr std::uint32_t regNone = 0;
inline constexpr std::uint32_t regSz = 1;
inline constexpr std::uint32_t regExpandSz = 2;
inline constexpr std::uint32_t regBinary = 3;
inline constexpr std::uint32_t regDword = 4;

// One typed value. REG_SZ keeps its text in `string` (UTF-8) and REG_DWORD its number in `dword`;
// every other type keeps its data as stored in `bytes`, so a foreign value survives unchanged.
// A REG_DWORD whose data is not four bytes long keeps that data in `bytes` as well; one with no
// data at all reads as the number 0.
struct RegistryValue {
    std::uint32_t type = regSz;
    std::string string;
    std::uint32_t dword = 0;
    std::vector<std::uint8_t> bytes;

    static RegistryValue text(std::string text);
    static RegistryValue number(std::uint32_t number);
    static RegistryValue raw(std::uint32_t type, std::vector<std::uint8_t> data);

    // The size in bytes of the data a Windows registry would hold (REG_SZ as UTF-16 with its
    // terminating zero).
    std::size_t dataSize() const;
    // The text of a REG_SZ, or of any other type's data read as UTF-16LE.
    std::string asText() const;

    bool operator==(const RegistryValue&) const = default;
};

// The text of one ".reg" export file restricted to HKEY_CURRENT_USER. Key paths are relative to
// HKEY_CURRENT_USER with no leading backslash ("" is HKEY_CURRENT_USER itself). Paths and value
// names compare case-insensitively (ASCII) and keep the case and order they were first given in.
class RegFile {
public:
    static std::optional<RegFile> parse(std::string_view text);
    std::string serialize() const;

    // A path is valid when its parts are non-empty and hold no control characters; a value name
    // when it holds no control characters. Invalid ones cannot be written in the file format.
    static bool isValidKeyPath(std::string_view path);
    static bool isValidValueName(std::string_view name);

    bool hasKey(std::string_view path) const;
    // Both throw std::invalid_argument for a path or name the format cannot carry.
    void createKey(std::string_view path);
    void setValue(std::string_view path, std::string_view name, RegistryValue value);
    const RegistryValue* value(std::string_view path, std::string_view name) const;

    struct NamedValue {
        std::string name;
        RegistryValue value;
        bool operator==(const NamedValue&) const = default;
    };
    struct Key {
        std::string path;
        std::vector<NamedValue> values;
        bool operator==(const Key&) const = default;
    };
    const std::vector<Key>& keys() const { return keys_; }

    bool operator==(const RegFile&) const = default;

private:
    Key* findKey(std::string_view path);
    const Key* findKey(std::string_view path) const;
    Key& keyCreatedIfMissing(std::string_view path);

    std::vector<Key> keys_;
};

// UTF-8 with every invalid sequence replaced by U+FFFD.
std::string repairedUtf8(std::string_view text);
std::vector<std::uint8_t> utf16LeBytes(std::string_view utf8, bool withTerminatingZero);
// Lenient: unpaired surrogates become U+FFFD and an odd last byte is dropped.
std::string utf8FromUtf16Le(const std::vector<std::uint8_t>& bytes);

} // namespace quillon
