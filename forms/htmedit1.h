#pragma once

#include "platform/TForm.h"

#include <memory>

namespace Ui {
class Thtm1;
}

class Thtm1 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit Thtm1(QWidget* parent = nullptr);
    ~Thtm1() override;

private:
    std::unique_ptr<Ui::Thtm1> ui;
};
