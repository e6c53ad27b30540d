#include "forms/glavniop3.h"

#include "core/DocumentType.h"
#include "core/Settings.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "platform/Application.h"
#include "platform/TRadioGroup.h"
#include "platform/TRegistry.h"
#include "platform/TRichEdit.h"
#include "ui_glavniop3.h"

#include <QPushButton>

namespace {

constexpr int clientWidth = 384;
constexpr int clientHeight = 115;
constexpr int plainItem = 0;

} // namespace

Tgenop::Tgenop(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Tgenop>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("genop"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));
    setFixedSize(clientWidth, clientHeight);
    move(202, 100);

    rg1 = ui->rg1;
    Button1 = ui->Button1;
    BitBtn1 = ui->BitBtn1;
    BitBtn2 = ui->BitBtn2;
    Button1->setFont(quillon::fontOf(QStringLiteral("MS Sans Serif"), -16));
    fd1.Font = quillon::fontOf(QStringLiteral("MS Sans Serif"), -11);
    rg1->SetItemIndex(plainItem);

    quillon::onEvent(rg1, &quillon::TRadioGroup::OnClick, this, [this] { rg1Click(); });
    quillon::onEvent(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    quillon::onEvent(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    quillon::onEvent(BitBtn2, &QPushButton::clicked, this, [this] { close(); });
}

Tgenop::~Tgenop() = default;

void Tgenop::rg1Click() {
    quillon::TRegistry registry;
    Form1->SetSaveMode(rg1->ItemIndex() == plainItem ? quillon::SaveMode::Plain
                                                     : quillon::SaveMode::Rich);
    quillon::storeSaveModeChoice(registry);
}

void Tgenop::Button1Click() {
    if (fd1.Execute(this))
        Form1->re1->SetFont(fd1.Font);
}

void Tgenop::BitBtn1Click() {
    quillon::TRegistry registry;
    quillon::storeGeneralOptions(registry, Settings);
    close();
}

void Tgenop::FormClose() {
    Form1->Show();
}
