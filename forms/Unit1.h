#pragma once

#include "core/DocumentType.h"
#include "platform/Dialogs.h"
#include "platform/TForm.h"

#include <memory>

namespace Ui {
class TForm1;
}

namespace quillon {
class TRichEdit;
}

// The main editor window: one document in `re1` under the menu bar.
class TForm1 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    quillon::TRichEdit* re1;
    quillon::TOpenDialog od1;
    quillon::TSaveDialog sd1;
    // The file the document was last opened from or saved as; empty for a new document.
    QString currentFile;

    QAction* item(const char* name) const;

    // Enables exactly the kind's compiler submenu and disables the other three.
    void ApplyCompilerSubmenus(quillon::CompilerSubmenu submenu);
    void SetSaveMode(quillon::SaveMode mode);

    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Exit1Click();
    void Undo1Click();
    void Copy1Click();
    void Cut1Click();
    void Paste1Click();
    void WordWrap1Click();
    void Options1Click();
    void MakeOBJ1Click();
    void asmexeClick();
    void Options2Click();
    void Tagloom1Click();
    void About1Click();
    void re1Change();

protected:
    void FormShow() override;
    void FormResize() override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::TForm1> ui;
};
