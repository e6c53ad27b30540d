#include "forms/Unit4.h"

#include "ui_Unit4.h"

TForm4::TForm4(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::TForm4>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form4"));
}

TForm4::~TForm4() = default;
