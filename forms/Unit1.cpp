#include "forms/Unit1.h"

#include "core/Captions.h"
#include "forms/Globals.h"
#include "platform/Menus.h"
#include "platform/TRegistry.h"
#include "platform/TRichEdit.h"
#include "ui_Unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScreen>
#include <array>

using quillon::MenuRow;

namespace {

constexpr std::array<MenuRow<TForm1>, 36> mainMenu{{
    {0, "File1", "&File", nullptr, nullptr},
    {1, "New1", "New", "Ctrl+N", &TForm1::New1Click},
    {1, "Open1", "Open", "Ctrl+O", &TForm1::Open1Click},
    {1, "Save1", "Save", "Ctrl+S", &TForm1::Save1Click},
    {1, "SaveAs1", "Save As", nullptr, &TForm1::SaveAs1Click},
    {1, "N1", "-", nullptr, nullptr},
    {1, "Exit1", "Exit", "Alt+F4", &TForm1::Exit1Click},
    {0, "Edit1", "&Edit", nullptr, nullptr},
    {1, "Undo1", "Undo", "Ctrl+Z", &TForm1::Undo1Click},
    {1, "N3", "-", nullptr, nullptr},
    {1, "Copy1", "Copy", "Ctrl+C", &TForm1::Copy1Click},
    {1, "Cut1", "Cut", "Ctrl+X", &TForm1::Cut1Click},
    {1, "Paste1", "Paste", "Ctrl+V", &TForm1::Paste1Click},
    {1, "N6", "-", nullptr, nullptr},
    {1, "WordWrap1", "WordWrap", "Ctrl+W", &TForm1::WordWrap1Click},
    {1, "N2", "-", nullptr, nullptr},
    {1, "Options1", "Options", nullptr, &TForm1::Options1Click},
    {0, "Compiler1", "&Compiler", nullptr, nullptr},
    {1, "Asembler1", "Asembler", nullptr, nullptr},
    {2, "MakeOBJ1", "Make OBJ", "F5", &TForm1::MakeOBJ1Click},
    {2, "asmexe", "Make Exec.", "F6", &TForm1::asmexeClick},
    {1, "C1", "C ", nullptr, nullptr},
    {2, "compil", "Compile", "F7", nullptr},
    {1, "Pascal1", "Pascal", nullptr, nullptr},
    {2, "pascom", "Compile", "F8", nullptr},
    {1, "BASIC1", "BASIC", nullptr, nullptr},
    {2, "bascom", "Compile", "F9", nullptr},
    {1, "N5", "-", nullptr, nullptr},
    {1, "Options2", "Options", nullptr, &TForm1::Options2Click},
    {0, "Tools1", "&Tools", nullptr, nullptr},
    {1, "Tagloom1", "Tagloom", nullptr, &TForm1::Tagloom1Click},
    {1, "Pixmere1", "Pixmere", nullptr, nullptr},
    {1, "Dirwander1", "Dirwander", nullptr, nullptr},
    {0, "Help1", "&Help", nullptr, nullptr},
    {1, "About1", "About", "F1", &TForm1::About1Click},
}};

constexpr int editorWidth = 537;
constexpr int editorHeight = 329;
constexpr int maximisedWidthMargin = 12;
constexpr int maximisedHeightMargin = 48;
constexpr int storedFontNameLimit = 31;

} // namespace

TForm1::TForm1(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form1"));
    re1 = ui->re1;
    setFont(quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));
    re1->SetFont(quillon::fontOf(QStringLiteral("System"), -17, true));
    re1->SetText(QStringLiteral("\r\n"));
    quillon::buildMenus<TForm1>(this, menuBar(), mainMenu);
    quillon::setFormMenuBar(this, menuBar());
    item("WordWrap1")->setCheckable(true);
    quillon::onEvent(re1, &quillon::TRichEdit::OnChange, this, [this] { re1Change(); });

    const auto openFilter = QString::fromUtf8(quillon::filters::openFilter);
    od1.Filter = openFilter;
    od1.FilterIndex = quillon::allFilesIndex;
    sd1.Filter = QString::fromUtf8(quillon::filters::saveFilter);
    sd1.FilterIndex = quillon::allFilesIndex;

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // The first form is shown while it is being created, so its show-time initialisation runs
    // before any other window exists.
    show();
}

TForm1::~TForm1() = default;

QAction* TForm1::item(const char* name) const {
    return quillon::menuItem(this, name);
}

void TForm1::ApplyCompilerSubmenus(quillon::CompilerSubmenu submenu) {
    const auto states = quillon::submenusFor(submenu);
    item("Asembler1")->setEnabled(states.asembler);
    item("C1")->setEnabled(states.c);
    item("Pascal1")->setEnabled(states.pascal);
    item("BASIC1")->setEnabled(states.basic);
}

void TForm1::SetSaveMode(quillon::SaveMode mode) {
    re1->SetPlainText(mode == quillon::SaveMode::Plain);
}

void TForm1::FormShow() {
    {
        quillon::TRegistry registry;
        quillon::readSettingsAtStart(registry, Settings);
    }
    for (const char* name : {"Asembler1", "C1", "Pascal1", "BASIC1", "Save1", "Undo1"})
        item(name)->setEnabled(false);
    setWindowTitle(QString::fromUtf8(quillon::captions::startup));
    const QString storedFont = QString::fromStdString(Settings.Font).left(storedFontNameLimit);
    if (!storedFont.isEmpty()) {
        QFont font = re1->Font();
        font.setFamily(storedFont);
        re1->SetFont(font);
    }
}

void TForm1::FormResize() {
    if (isMinimized())
        return;
    if (isMaximized()) {
        const QSize outer = frameGeometry().size();
        re1->setGeometry(0, 0, outer.width() - maximisedWidthMargin,
                         outer.height() - maximisedHeightMargin);
    } else {
        re1->setGeometry(0, 0, editorWidth, editorHeight);
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    TForm::closeEvent(event);
    // Closing the main window ends the program, whatever other window is still open.
    QCoreApplication::quit();
}

void TForm1::re1Change() {
    item("Save1")->setEnabled(true);
    item("Undo1")->setEnabled(true);
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Undo1Click() {
    re1->Undo();
}

void TForm1::Copy1Click() {
    re1->CopyToClipboard();
}

void TForm1::Cut1Click() {
    re1->CutToClipboard();
}

void TForm1::Paste1Click() {
    re1->PasteFromClipboard();
}

void TForm1::WordWrap1Click() {
    quillon::toggleWordWrap(*item("WordWrap1"), *re1);
}
