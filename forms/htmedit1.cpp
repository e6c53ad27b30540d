#include "forms/htmedit1.h"

#include "ui_htmedit1.h"

Thtm1::Thtm1(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Thtm1>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("htm1"));
}

Thtm1::~Thtm1() = default;
