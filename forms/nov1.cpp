#include "forms/nov1.h"

#include "ui_nov1.h"

Tnew::Tnew(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Tnew>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("new"));
}

Tnew::~Tnew() = default;
