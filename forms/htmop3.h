#pragma once

#include "platform/TForm.h"

#include <memory>

namespace Ui {
class TForm3;
}

class TForm3 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};
