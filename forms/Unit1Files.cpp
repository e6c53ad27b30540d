#include "core/Captions.h"
#include "core/DocumentType.h"
#include "core/KindEntries.h"
#include "core/Messages.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/htmedit1.h"
#include "forms/nov1.h"
#include "platform/Dialogs.h"
#include "platform/QtStrings.h"
#include "platform/TRichEdit.h"

#include <string_view>

namespace {

QString namedCaption(const QString& fileName) {
    return quillon::toQString(quillon::captions::namedPrefix) + fileName;
}

} // namespace

void TForm1::New1Click() {
    SetSaveMode(quillon::SaveMode::Plain);
    re1->Clear();
    currentFile.clear();
    new_->Show();
    setWindowTitle(quillon::toQString(quillon::captions::untitled));
}

void TForm1::Open1Click() {
    if (!od1.Execute(this) || od1.FileName.isEmpty())
        return;
    const quillon::DocumentType& kind = quillon::documentTypeAt(od1.FilterIndex);
    if (kind.index == quillon::entries::html) {
        if (quillon::MessageDlg(this,
                                quillon::toQString(quillon::messages::editOpenedHtmlQuestion)) ==
            quillon::DialogButton::Yes) {
            re1->Lines().LoadFromFile(od1.FileName);
            HandOverText = re1->Text();
            HandOverPending = true;
            re1->SetText(QString());
            htm1->ShowModal();
            ApplyCompilerSubmenus(quillon::CompilerSubmenu::None);
            SetSaveMode(quillon::SaveMode::Plain);
        } else {
            HandOverText.clear();
            HandOverPending = false;
        }
    } else if (kind.index == quillon::entries::richText) {
        SetSaveMode(quillon::SaveMode::Rich);
    } else if (kind.changesSubmenus) {
        ApplyCompilerSubmenus(kind.submenu);
        SetSaveMode(quillon::SaveMode::Plain);
    }

    // Read again after a hand-over: the composer may have written the file meanwhile.
    re1->Lines().LoadFromFile(od1.FileName);
    setWindowTitle(namedCaption(od1.FileName));
    currentFile = od1.FileName;
    od1.FilterIndex = quillon::allFilesIndex;
}

void TForm1::Save1Click() {
    if (currentFile.isEmpty()) {
        SaveAs1Click();
        return;
    }
    re1->Lines().SaveToFile(currentFile);
}

void TForm1::SaveAs1Click() {
    if (!sd1.Execute(this) || sd1.FileName.isEmpty())
        return;
    const quillon::DocumentType& kind =
        quillon::kindOfEntry(sd1.Filter.toStdString(), sd1.FilterIndex);
    if (kind.saveMode == quillon::SaveMode::Rich)
        SetSaveMode(quillon::SaveMode::Rich);
    // Appended as typed, even to a name that already ends in it; "All files" appends nothing.
    sd1.FileName += quillon::toQString(kind.extension);
    re1->Lines().SaveToFile(sd1.FileName);
    setWindowTitle(namedCaption(sd1.FileName));
    currentFile = sd1.FileName;
}
