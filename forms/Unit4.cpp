#include "forms/Unit4.h"

#include "core/DocumentType.h"
#include "core/Settings.h"
#include "forms/Globals.h"
#include "forms/Unit1.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/TRadioGroup.h"
#include "platform/TRegistry.h"
#include "ui_Unit4.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace {

constexpr int clientWidth = 454;
constexpr int clientHeight = 332;

std::string textOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

} // namespace

TForm4::TForm4(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::TForm4>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form4"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));
    setFixedSize(clientWidth, clientHeight);
    move(200, 108);

    ab1 = ui->ab1;
    cb1 = ui->cb1;
    pb1 = ui->pb1;
    bb1 = ui->bb1;
    Edit1 = ui->Edit1;
    Edit2 = ui->Edit2;
    Edit3 = ui->Edit3;
    Edit4 = ui->Edit4;
    Edit5 = ui->Edit5;
    Edit6 = ui->Edit6;
    Edit7 = ui->Edit7;
    Edit8 = ui->Edit8;
    Edit9 = ui->Edit9;
    rg1 = ui->rg1;
    BitBtn1 = ui->BitBtn1;

    rg1->SetItemIndex(0);
    ab1->setEnabled(true);
    cb1->setEnabled(false);
    pb1->setEnabled(false);
    bb1->setEnabled(false);

    quillon::onEvent(rg1, &quillon::TRadioGroup::OnClick, this, [this] { rg1Click(); });
    quillon::onEvent(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

TForm4::~TForm4() = default;

void TForm4::rg1Click() {
    const int choice = rg1->ItemIndex();
    const std::array<QGroupBox*, 4> groups{ab1, cb1, pb1, bb1};
    const std::array<QLineEdit*, 4> pathFields{Edit1, Edit3, Edit4, Edit5};
    if (choice < 0 || choice >= static_cast<int>(groups.size()))
        return;
    for (std::size_t group = 0; group < groups.size(); ++group)
        groups[group]->setEnabled(static_cast<int>(group) == choice);
    pathFields[static_cast<std::size_t>(choice)]->setFocus();
    Form1->ApplyCompilerSubmenus(quillon::compilerChoiceSubmenu(choice));
}

void TForm4::BitBtn1Click() {
    const quillon::CompilerOptionFields fields{
        .tasm = textOf(Edit1),
        .tlink = textOf(Edit2),
        .moret = textOf(Edit6),
        .C = textOf(Edit3),
        .morec = textOf(Edit8),
        .Pascal = textOf(Edit4),
        .morep = textOf(Edit7),
        .BASIC = textOf(Edit5),
        .moreb = textOf(Edit9),
        .compilerChoice = rg1->ItemIndex(),
    };
    quillon::TRegistry registry;
    quillon::storeCompilerOptions(registry, fields, Settings);
    close();
}
