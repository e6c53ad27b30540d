#include "forms/nov1.h"

#include "core/DocumentType.h"
#include "core/KindEntries.h"
#include "core/Messages.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "forms/htmedit1.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/QtStrings.h"
#include "platform/TImage.h"
#include "platform/TPanel.h"
#include "ui_nov1.h"

#include <QKeyEvent>
#include <QScreen>
#include <string_view>
#include <utility>

Tnew::Tnew(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Tnew>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("new"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));
    setFixedSize(180, 218);
    ui->Panel1->SetBevels(quillon::Bevel::Raised, quillon::Bevel::Lowered);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    const std::pair<quillon::TImage*, void (Tnew::*)()> images[] = {
        {ui->Image1, &Tnew::Image1Click}, {ui->Image2, &Tnew::Image2Click},
        {ui->Image3, &Tnew::Image3Click}, {ui->Image4, &Tnew::Image4Click},
        {ui->Image5, &Tnew::Image5Click}, {ui->Image6, &Tnew::Image6Click},
        {ui->Image7, &Tnew::Image7Click},
    };
    for (const auto& [image, handler] : images)
        quillon::onEvent(image, &quillon::TImage::OnClick, this,
                         [this, handler = handler] { (this->*handler)(); });
    quillon::onEvent(ui->BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

Tnew::~Tnew() = default;

void Tnew::keyPressEvent(QKeyEvent* event) {
    // Esc presses the Cancel button, wherever the focus is in the chooser.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui->BitBtn1->click();
        return;
    }
    TForm::keyPressEvent(event);
}

void Tnew::pick(const quillon::DocumentType& kind) {
    Form1->SetSaveMode(kind.saveMode.value_or(quillon::SaveMode::Plain));
    Form1->setWindowTitle(quillon::toQString(kind.newDocumentCaption));
    // The caption now names no file, so Save must ask for one.
    Form1->currentFile.clear();
    Form1->sd1.Filter = quillon::toQString(kind.narrowedSaveFilter);
    Form1->ApplyCompilerSubmenus(kind.submenu);
    Form1->item("Save1")->setEnabled(false);
    Form1->item("Undo1")->setEnabled(false);
}

void Tnew::Image1Click() {
    pick(quillon::documentTypeAt(quillon::entries::text));
    close();
}

void Tnew::Image2Click() {
    pick(quillon::documentTypeAt(quillon::entries::richText));
    close();
}

void Tnew::Image3Click() {
    pick(quillon::documentTypeAt(quillon::entries::assembler));
    close();
}

void Tnew::Image4Click() {
    pick(quillon::documentTypeAt(quillon::entries::pascal));
    close();
}

void Tnew::Image5Click() {
    pick(quillon::documentTypeAt(quillon::entries::basic));
    close();
}

void Tnew::Image6Click() {
    pick(quillon::documentTypeAt(quillon::entries::c));
    close();
}

void Tnew::Image7Click() {
    const auto answer =
        quillon::MessageDlg(this, quillon::toQString(quillon::messages::composeNewHtmlQuestion));
    close();
    if (answer == quillon::DialogButton::Yes)
        htm1->Show();
    else
        pick(quillon::documentTypeAt(quillon::entries::html));
}

void Tnew::BitBtn1Click() {
    close();
}
