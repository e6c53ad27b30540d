#include "core/ObjectName.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "platform/Shell.h"

namespace {

// The tools' own windows are shown normally.
constexpr int normalWindow = 5;

} // namespace

// Both commands run the tools on what is stored on disk; the editor's text is not saved first.
void TForm1::MakeOBJ1Click() {
    AsmSourceName = currentFile;
    ShellExecute(QString::fromStdString(Settings.tasm), AsmSourceName, QString(), normalWindow);
}

void TForm1::asmexeClick() {
    AsmSourceName = QString::fromStdString(quillon::objectFileName(AsmSourceName.toStdString()));
    ShellExecute(QString::fromStdString(Settings.tlink), AsmSourceName, QString(), normalWindow);
}
