#include "forms/htmop3.h"

#include "ui_htmop3.h"

TForm3::TForm3(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form3"));
}

TForm3::~TForm3() = default;
