#include "forms/htmedit1.h"

#include "core/Captions.h"
#include "core/DocumentType.h"
#include "core/Messages.h"
#include "forms/Globals.h"
#include "forms/htmop3.h"
#include "platform/Menus.h"
#include "platform/QtStrings.h"
#include "platform/TRichEdit.h"
#include "ui_htmedit1.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <array>
#include <string_view>

using quillon::MenuRow;

namespace {

constexpr std::array<MenuRow<Thtm1>, 24> composerMenu{{
    {0, "N1", "&File", nullptr, nullptr},
    {1, "N5", "New", "Ctrl+N", &Thtm1::N5Click},
    {1, "N16", "Open", "Ctrl+O", &Thtm1::N16Click},
    {1, "N4", "Save", "Ctrl+S", &Thtm1::N4Click},
    {1, "SaveAs1", "Save As", nullptr, &Thtm1::SaveAs1Click},
    {1, "N6", "-", nullptr, nullptr},
    {1, "N7", "Exit", "Alt+F4", &Thtm1::N7Click},
    {0, "N2", "&Edit", nullptr, nullptr},
    {1, "Undo1", "Undo", "Ctrl+Z", &Thtm1::Undo1Click},
    {1, "N21", "-", nullptr, nullptr},
    {1, "N8", "Copy", "Ctrl+C", &Thtm1::N8Click},
    {1, "N13", "Cut", "Shift+Ctrl+C", &Thtm1::N13Click},
    {1, "N9", "Paste", "Ctrl+V", &Thtm1::N9Click},
    {1, "N12", "Delete", "Del", &Thtm1::N12Click},
    {1, "N20", "-", nullptr, nullptr},
    {1, "N15", "WordWrap", "Ctrl+W", &Thtm1::N15Click},
    {1, "N11", "-", nullptr, nullptr},
    {1, "N10", "Options", nullptr, &Thtm1::N10Click},
    {0, "Tools1", "&Tools", nullptr, nullptr},
    {1, "Quillon1", "Quillon", nullptr, nullptr},
    {1, "Dirwander1", "Dirwander", nullptr, nullptr},
    {1, "Pixmere1", "Pixmere", nullptr, nullptr},
    {0, "N3", "&Help", nullptr, nullptr},
    {1, "N14", "About", "F1", &Thtm1::N14Click},
}};

constexpr int editorMaxLength = 90;
constexpr auto htmlExtension = QLatin1String(".html");

// "Terminal" is rare outside Windows; a bold fixed-pitch font of the same height stands in.
QFont terminalFont() {
    constexpr int height = -19;
    const QString terminal = QStringLiteral("Terminal");
    if (QFontDatabase::hasFamily(terminal))
        return quillon::fontOf(terminal, height, true);
    QFont font =
        quillon::fontOf(QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), height, true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

Thtm1::Thtm1(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Thtm1>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("htm1"));
    setWindowTitle(quillon::toQString(quillon::captions::composer));
    move(214, 144);
    setFont(quillon::fontOf(QStringLiteral("Arial"), -11));

    re1 = ui->re1;
    re1->SetFont(terminalFont());
    re1->SetPlainText(true);
    re1->SetWordWrap(false);
    re1->SetMaxLength(editorMaxLength);

    quillon::buildMenus<Thtm1>(this, menuBar(), composerMenu);
    quillon::setFormMenuBar(this, menuBar());
    item("N15")->setCheckable(true);
    buildButtonRow();
    buildPopupMenus();
    quillon::onEvent(re1, &quillon::TRichEdit::OnChange, this, [this] { re1Change(); });

    sd1.OverwritePrompt = true;
}

Thtm1::~Thtm1() = default;

QAction* Thtm1::item(const char* name) const {
    return quillon::menuItem(this, name);
}

QPushButton* Thtm1::button(const char* name) const {
    return findChild<QPushButton*>(QString::fromUtf8(name));
}

void Thtm1::FormShow() {
    item("N4")->setEnabled(false);
    item("Undo1")->setEnabled(false);
}

void Thtm1::FormActivate() {
    const QString htmlFilter = quillon::toQString(quillon::filters::htmlFilter);
    od1.Filter = htmlFilter;
    sd1.Filter = htmlFilter;
    // Only a hand-over made since the last one was taken replaces the text; coming back from
    // another window keeps the person's own work.
    if (HandOverPending) {
        HandOverPending = false;
        re1->SetText(HandOverText);
    }
}

void Thtm1::re1Change() {
    if (re1 == nullptr)
        return;
    item("N4")->setEnabled(true);
    item("Undo1")->setEnabled(true);
}

void Thtm1::N5Click() {
    re1->SelectAll();
    re1->ClearSelection();
    setWindowTitle(quillon::toQString(quillon::captions::composerUntitled));
}

void Thtm1::N16Click() {
    if (!od1.Execute(this))
        return;
    re1->Lines().LoadFromFile(od1.FileName);
    setWindowTitle(QString::fromStdString(quillon::composerCaption(od1.FileName.toStdString())));
}

void Thtm1::N4Click() {
    if (!sd1.Execute(this))
        return;
    // A name in the open dialog, from Open or from an image choice, makes Save add ".html".
    const QString target = od1.FileName.isEmpty() ? sd1.FileName : sd1.FileName + htmlExtension;
    re1->Lines().SaveToFile(target);
}

void Thtm1::SaveAs1Click() {
    if (!sd1.Execute(this))
        return;
    const QString target = sd1.FileName + htmlExtension;
    re1->Lines().SaveToFile(target);
    setWindowTitle(QString::fromStdString(quillon::composerCaption(target.toStdString())));
}

void Thtm1::N7Click() {
    close();
}

void Thtm1::Undo1Click() {
    re1->Undo();
}

void Thtm1::N8Click() {
    re1->CopyToClipboard();
}

void Thtm1::N13Click() {
    re1->CutToClipboard();
}

void Thtm1::N9Click() {
    re1->PasteFromClipboard();
}

void Thtm1::N12Click() {
    re1->ClearSelection();
}

void Thtm1::N15Click() {
    quillon::toggleWordWrap(*item("N15"), *re1);
}

void Thtm1::N10Click() {
    // A modal composer blocks every window that is not its own; the options window must stay
    // usable beside it.
    Form3->winId();
    Form3->windowHandle()->setTransientParent(isModal() ? windowHandle() : nullptr);
    Form3->Show();
}

void Thtm1::N14Click() {
    quillon::ShowMessage(this, quillon::toQString(quillon::messages::composerAbout));
}
