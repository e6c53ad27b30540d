#pragma once

#include "core/RegFile.h"
#include "core/Registry.h"

#include <functional>
#include <optional>
#include <string>

namespace quillon {

// A Registry kept in one .reg text. Every read loads the text afresh and every change is a
// read-modify-write of the whole text, so two running copies never lose each other's values.
// A text that does not parse is never overwritten: its keys cannot be opened, created or written.
class RegFileRegistry final : public Registry {
public:
    explicit RegFileRegistry(RegStorage& storage);

    void CreateKey(std::string_view path) override;
    bool OpenKey(std::string_view path, bool canCreate) override;
    void WriteString(std::string_view name, std::string_view value) override;
    void WriteInteger(std::string_view name, std::int32_t value) override;
    std::string ReadString(std::string_view name) override;
    std::int32_t ReadInteger(std::string_view name) override;

    // The open key relative to HKEY_CURRENT_USER, or nullopt when none is open.
    const std::optional<std::string>& openKey() const { return openKey_; }

private:
    std::optional<std::string> resolvedPath(std::string_view path) const;
    // Read-modify-write of the whole file; false when it cannot be parsed, read or written. A
    // change that changes no key or value writes nothing, so a file stays as its writer left it.
    bool changeFile(const std::function<void(RegFile&)>& change);
    bool ensureKey(const std::string& path);
    bool keyExists(const std::string& path);
    bool writeValue(std::string_view name, RegistryValue value);
    std::optional<RegistryValue> readValue(std::string_view name);

    RegStorage& storage_;
    std::optional<std::string> openKey_;
};

} // namespace quillon
