#include "core/RegFileRegistry.h"

#include "core/Failure.h"
#include "core/Messages.h"

#include <exception>

namespace quillon {

namespace {

std::optional<RegFile> parsedOrEmpty(const std::optional<std::string>& text) {
    return text ? RegFile::parse(*text) : RegFile{};
}

std::string cutAtFirstZero(std::string text) {
    if (const auto zero = text.find('\0'); zero != std::string::npos)
        text.resize(zero);
    return text;
}

std::int32_t littleEndianInteger(const RegistryValue& value) {
    if (value.bytes.empty())
        return static_cast<std::int32_t>(value.dword);
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < value.bytes.size() && i < 4; ++i)
        number |= static_cast<std::uint32_t>(value.bytes[i]) << (8 * i);
    return static_cast<std::int32_t>(number);
}

} // namespace

RegFileRegistry::RegFileRegistry(RegStorage& storage) : storage_(storage) {}

std::optional<std::string> RegFileRegistry::resolvedPath(std::string_view path) const {
    std::string resolved;
    if (path.starts_with('\\')) {
        resolved = path.substr(1);
    } else if (openKey_ && !openKey_->empty()) {
        resolved = path.empty() ? *openKey_ : *openKey_ + "\\" + std::string(path);
    } else {
        resolved = path;
    }
    if (resolved.ends_with('\\'))
        resolved.pop_back();
    if (!RegFile::isValidKeyPath(resolved))
        return std::nullopt;
    return resolved;
}

bool RegFileRegistry::changeFile(const std::function<void(RegFile&)>& change) {
    bool parsed = true;
    try {
        const bool stored = storage_.update([&](const std::optional<std::string>& current) {
            auto file = parsedOrEmpty(current);
            if (!file) {
                parsed = false;
                return std::optional<std::string>();
            }
            const RegFile before = *file;
            change(*file);
            if (*file == before)
                return std::optional<std::string>();
            return std::optional<std::string>(file->serialize());
        });
        return stored && parsed;
    } catch (const std::exception&) {
        return false;
    }
}

bool RegFileRegistry::ensureKey(const std::string& path) {
    return changeFile([&](RegFile& file) {
        if (!file.hasKey(path))
            file.createKey(path);
    });
}

bool RegFileRegistry::keyExists(const std::string& path) {
    try {
        const auto text = storage_.load();
        const auto file = text ? RegFile::parse(*text) : std::nullopt;
        return file && file->hasKey(path);
    } catch (const std::exception&) {
        return false;
    }
}

void RegFileRegistry::CreateKey(std::string_view path) {
    const auto resolved = resolvedPath(path);
    if (!resolved || !ensureKey(*resolved))
        throw Failure(formatMessage(messages::failedToCreateKey, path));
}

bool RegFileRegistry::OpenKey(std::string_view path, bool canCreate) {
    const auto resolved = resolvedPath(path);
    if (!resolved)
        return false;
    const bool opened = canCreate ? ensureKey(*resolved) : keyExists(*resolved);
    if (opened)
        openKey_ = *resolved;
    return opened;
}

bool RegFileRegistry::writeValue(std::string_view name, RegistryValue value) {
    if (!openKey_ || !RegFile::isValidValueName(name))
        return false;
    return changeFile([&](RegFile& file) { file.setValue(*openKey_, name, value); });
}

void RegFileRegistry::WriteString(std::string_view name, std::string_view value) {
    if (!writeValue(name, RegistryValue::text(std::string(value))))
        throw Failure(formatMessage(messages::failedToSetData, name));
}

void RegFileRegistry::WriteInteger(std::string_view name, std::int32_t value) {
    if (!writeValue(name, RegistryValue::number(static_cast<std::uint32_t>(value))))
        throw Failure(formatMessage(messages::failedToSetData, name));
}

std::optional<RegistryValue> RegFileRegistry::readValue(std::string_view name) {
    if (!openKey_)
        return std::nullopt;
    std::optional<std::string> text;
    try {
        text = storage_.load();
    } catch (const StorageError&) {
        return std::nullopt;
    }
    const auto file = text ? RegFile::parse(*text) : std::nullopt;
    const RegistryValue* value = file ? file->value(*openKey_, name) : nullptr;
    if (!value)
        return std::nullopt;
    return *value;
}

std::string RegFileRegistry::ReadString(std::string_view name) {
    const auto value = readValue(name);
    if (!value)
        return {};
    if (value->type == regSz || value->type == regExpandSz)
        return cutAtFirstZero(value->asText());
    if (value->dataSize() == 0)
        return {};
    throw Failure(formatMessage(messages::invalidDataType, name));
}

std::int32_t RegFileRegistry::ReadInteger(std::string_view name) {
    const auto value = readValue(name);
    if (!value)
        return 0;
    if (value->dataSize() > 4)
        throw Failure(formatMessage(messages::failedToGetData, name));
    if (value->type != regDword)
        throw Failure(formatMessage(messages::invalidDataType, name));
    return littleEndianInteger(*value);
}

} // namespace quillon
