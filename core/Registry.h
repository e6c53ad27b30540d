#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillon {

// The registry operations the program relies on; one object per use, rooted at HKEY_CURRENT_USER.
// A path starting with "\" is taken from the root; any other path from the open key.
class Registry {
public:
    virtual ~Registry() = default;
    // Throws Failure("Failed to create key %s").
    virtual void CreateKey(std::string_view path) = 0;
    // False on failure; never throws.
    virtual bool OpenKey(std::string_view path, bool canCreate) = 0;
    // Both throw Failure("Failed to set data for '%s'").
    virtual void WriteString(std::string_view name, std::string_view value) = 0;
    virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
    virtual std::string ReadString(std::string_view name) = 0;
    virtual std::int32_t ReadInteger(std::string_view name) = 0;
};

class StorageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the .reg text lives. The platform gives a locked file; tests give memory.
class RegStorage {
public:
    using Change = std::function<std::optional<std::string>(const std::optional<std::string>&)>;

    virtual ~RegStorage() = default;
    // The current text; nullopt when there is no file yet. Throws StorageError on I/O failure.
    virtual std::optional<std::string> load() = 0;
    // Read-modify-write as one step under the storage's lock. `change` gets the current text
    // (nullopt = no file) and returns the new text, or nullopt to write nothing. Returns false
    // when the storage could not be read or written.
    virtual bool update(const Change& change) = 0;
};

} // namespace quillon
