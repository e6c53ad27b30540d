#pragma once

#include "core/Registry.h"

#include <optional>
#include <string>

namespace quillon {

// The settings store kept in one file that every running copy of the program shares. A change is
// made under an exclusive flock() on a lock file beside it and lands by an atomic rename, so a
// reader sees either the old text or the new one, never a mix, and no change is lost.
class RegFileStorage final : public RegStorage {
public:
    explicit RegFileStorage(std::string filePath);

    // $XDG_CONFIG_HOME/quillon/registry.reg, or under $HOME/.config when XDG_CONFIG_HOME is unset,
    // empty or not absolute.
    static std::string defaultPath();

    const std::string& filePath() const { return filePath_; }

    std::optional<std::string> load() override;
    bool update(const Change& change) override;

private:
    std::string filePath_;
    std::string lockPath_;
};

} // namespace quillon
