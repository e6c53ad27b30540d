#pragma once

#include "platform/Dialogs.h"
#include "platform/TForm.h"

#include <memory>

class QMenu;
class QPushButton;

namespace Ui {
class Thtm1;
}

namespace quillon {
class TRichEdit;
struct Snippet;
} // namespace quillon

// The HTML composer: a plain-text editor under a row of buttons that append tags line by line.
class Thtm1 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit Thtm1(QWidget* parent = nullptr);
    ~Thtm1() override;

    quillon::TRichEdit* re1;
    quillon::TOpenDialog od1;
    quillon::TSaveDialog sd1;
    // The editor's context menu, the "Text style" menu and the "<FORM>" menu.
    QMenu* pm1;
    QMenu* pm2;
    QMenu* pm3;

    QAction* item(const char* name) const;
    QPushButton* button(const char* name) const;

    void N5Click();
    void N16Click();
    void N4Click();
    void SaveAs1Click();
    void N7Click();
    void Undo1Click();
    void N8Click();
    void N13Click();
    void N9Click();
    void N12Click();
    void N15Click();
    void N10Click();
    void N14Click();
    void re1Change();

    // Appends the snippet of a button or popup menu item, after asking for its value if it
    // needs one.
    void SnippetClick(const quillon::Snippet& snippet);

protected:
    void FormShow() override;
    void FormActivate() override;

private:
    void buildButtonRow();
    void buildPopupMenus();
    void appendImage(const quillon::Snippet& snippet);
    void appendLine(const QString& line);

    std::unique_ptr<Ui::Thtm1> ui;
};
