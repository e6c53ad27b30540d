#include "forms/glavniop3.h"

#include "ui_glavniop3.h"

Tgenop::Tgenop(QWidget* parent) : TForm(parent), ui(std::make_unique<Ui::Tgenop>()) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("genop"));
}

Tgenop::~Tgenop() = default;
