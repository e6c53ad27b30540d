#pragma once

#include "platform/Shell.h"

#include <QString>
#include <vector>

namespace quillon::test {

// Records the programs the editor asks to start, and starts none.
class RecordingShell final : public Shell {
public:
    struct Start {
        QString program;
        QString parameters;
        QString folder;
        bool operator==(const Start&) const = default;
    };
    std::vector<Start> starts;

    void execute(const QString& program, const QString& parameters,
                 const QString& folder) override {
        starts.push_back({program, parameters, folder});
    }
};

} // namespace quillon::test
