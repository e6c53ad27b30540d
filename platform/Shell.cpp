#include "platform/Shell.h"

#include "platform/Application.h"

#include <QProcess>

namespace quillon {

void DetachedProcessShell::execute(const QString& program, const QString& parameters,
                                   const QString& folder) {
    if (program.isEmpty())
        return;
    QStringList arguments;
    if (!parameters.isEmpty())
        arguments << parameters;
    QProcess::startDetached(program, arguments, folder);
}

} // namespace quillon

void ShellExecute(const QString& file, const QString& parameters, const QString& folder,
                  int showCommand) {
    Q_UNUSED(showCommand);
    quillon::Application::instance().shell().execute(file, parameters, folder);
}
