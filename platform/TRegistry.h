#pragma once

#include "core/RegFileRegistry.h"
#include "platform/RegFileStorage.h"

namespace quillon {

// The per-user registry: HKEY_CURRENT_USER kept in the user's store file. Create one for each
// use; every read sees the file as it is now and every write lands at once.
class TRegistry final : public Registry {
public:
    TRegistry();

    void CreateKey(std::string_view path) override { registry_.CreateKey(path); }
    bool OpenKey(std::string_view path, bool canCreate) override {
        return registry_.OpenKey(path, canCreate);
    }
    void WriteString(std::string_view name, std::string_view value) override {
        registry_.WriteString(name, value);
    }
    void WriteInteger(std::string_view name, std::int32_t value) override {
        registry_.WriteInteger(name, value);
    }
    std::string ReadString(std::string_view name) override { return registry_.ReadString(name); }
    std::int32_t ReadInteger(std::string_view name) override { return registry_.ReadInteger(name); }

private:
    RegFileStorage storage_;
    RegFileRegistry registry_;
};

} // namespace quillon
