#pragma once

#include "platform/TForm.h"

#include <memory>

namespace Ui {
class TForm2;
}

class TForm2 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};
