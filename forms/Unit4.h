#pragma once

#include "platform/TForm.h"

#include <memory>

namespace Ui {
class TForm4;
}

class TForm4 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

private:
    std::unique_ptr<Ui::TForm4> ui;
};
