#include "forms/htmop3.h"

#include "forms/Globals.h"
#include "forms/htmedit1.h"
#include "platform/Application.h"
#include "platform/TRichEdit.h"
#include "ui_htmop3.h"

#include <QStyle>

namespace {

// Shared by the frame and the button beside the field.
const QString saveToFolderCaption = QStringLiteral("Enter \"Save to..\" folder ");

} // namespace

TForm3::TForm3(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form3"));
    move(200, 110);
    setFont(quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));
    ui->GroupBox1->setTitle(saveToFolderCaption);
    ui->Button2->setText(saveToFolderCaption);
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    fd2.Font = quillon::fontOf(QStringLiteral("MS Sans Serif"), -11);

    quillon::onEvent(ui->Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    quillon::onEvent(ui->BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    quillon::onEvent(ui->BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

TForm3::~TForm3() = default;

void TForm3::Button1Click() {
    if (!fd2.Execute(this))
        return;
    htm1->re1->SetFont(fd2.Font);
}

void TForm3::BitBtn1Click() {
    close();
}

void TForm3::BitBtn2Click() {
    close();
}
