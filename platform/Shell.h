#pragma once

#include <QString>

namespace quillon {

// Starts external programs. The real one starts them detached; tests record what was asked.
class Shell {
public:
    virtual ~Shell() = default;
    // Starts `program` with `parameters` as its one argument (none when empty) in `folder` (the
    // current one when empty), without a shell and without waiting. Reports nothing when the
    // program cannot be started.
    virtual void execute(const QString& program, const QString& parameters,
                         const QString& folder) = 0;
};

class DetachedProcessShell final : public Shell {
public:
    void execute(const QString& program, const QString& parameters, const QString& folder) override;
};

} // namespace quillon

// The shell-execution routine the build commands call. The show command is accepted for the
// callers' sake; every program is shown normally.
void ShellExecute(const QString& file, const QString& parameters, const QString& folder = {},
                  int showCommand = 5);
