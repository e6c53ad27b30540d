#include "forms/Unit2.h"

#include "ui_Unit2.h"

TForm2::TForm2(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Form2"));
}

TForm2::~TForm2() = default;
