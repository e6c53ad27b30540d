#pragma once

#include "platform/Application.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"

#include <QString>
#include <QTemporaryDir>
#include <optional>

namespace quillon::test {

// The whole program as it starts, with scripted dialogs, a recording shell and its settings
// store in a fresh temporary config folder. One per test.
class ProgramUnderTest final {
public:
    // `storeText`, when given, is the store file's text before the program starts.
    explicit ProgramUnderTest(const std::optional<QByteArray>& storeText = std::nullopt);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    ScriptedDialogs& dialogs() { return *dialogs_; }
    RecordingShell& shell() { return *shell_; }
    QString storeFile() const;
    QByteArray storeText() const;
    // A path inside a scratch folder of this test.
    QString scratch(const QString& name) const;

private:
    QTemporaryDir configHome_;
    QTemporaryDir scratch_;
    QByteArray previousConfigHome_;
    std::optional<Application> application_;
    ScriptedDialogs* dialogs_ = nullptr;
    RecordingShell* shell_ = nullptr;
};

// Waits until the program has no more events to handle right now.
void settle();

} // namespace quillon::test
