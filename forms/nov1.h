#pragma once

#include "platform/TForm.h"

#include <memory>

namespace Ui {
class Tnew;
}

class Tnew final : public quillon::TForm {
    Q_OBJECT

public:
    explicit Tnew(QWidget* parent = nullptr);
    ~Tnew() override;

private:
    std::unique_ptr<Ui::Tnew> ui;
};
