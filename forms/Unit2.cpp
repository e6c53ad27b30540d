#include "forms/Unit2.h"

#include "core/HelpText.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "ui_Unit2.h"

#include <QPlainTextEdit>
#include <QPushButton>

TForm2::TForm2(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(quillon::fontOf(QStringLiteral("MS Sans Serif"), -11));
    setFixedSize(401, 185);
    move(293, 173);
    Memo1 = ui->Memo1;
    BitBtn1 = ui->BitBtn1;

    QStringList lines;
    for (const std::string_view line : quillon::helpLines)
        lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    Memo1->setPalette(palette);

    quillon::onEvent(BitBtn1, &QPushButton::clicked, this,
                     [this] { closeModal(quillon::ModalResult::Ok); });
}

TForm2::~TForm2() = default;
