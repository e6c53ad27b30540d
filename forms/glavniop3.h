#pragma once

#include "platform/TForm.h"

#include <memory>

namespace Ui {
class Tgenop;
}

class Tgenop final : public quillon::TForm {
    Q_OBJECT

public:
    explicit Tgenop(QWidget* parent = nullptr);
    ~Tgenop() override;

private:
    std::unique_ptr<Ui::Tgenop> ui;
};
