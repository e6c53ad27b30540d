#include "support/ProgramUnderTest.h"

#include "forms/FormSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace quillon::test {

ProgramUnderTest::ProgramUnderTest(const std::optional<QByteArray>& storeText)
    : previousConfigHome_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8());
    if (storeText) {
        QDir().mkpath(QFileInfo(storeFile()).path());
        QFile file(storeFile());
        if (file.open(QIODevice::WriteOnly))
            file.write(*storeText);
    }
    application_.emplace();
    application_->setTitle(QStringLiteral("Quillon"));
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    application_->setDialogs(std::move(dialogs));
    auto shell = std::make_unique<RecordingShell>();
    shell_ = shell.get();
    application_->setShell(std::move(shell));
    CreateForms();
    settle();
}

ProgramUnderTest::~ProgramUnderTest() {
    DestroyForms();
    application_.reset();
    qputenv("XDG_CONFIG_HOME", previousConfigHome_);
}

QString ProgramUnderTest::storeFile() const {
    return configHome_.path() + QStringLiteral("/quillon/registry.reg");
}

QByteArray ProgramUnderTest::storeText() const {
    QFile file(storeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ProgramUnderTest::scratch(const QString& name) const {
    return scratch_.filePath(name);
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace quillon::test
