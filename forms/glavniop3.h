#pragma once

#include "platform/Dialogs.h"
#include "platform/TForm.h"

#include <memory>

class QPushButton;

namespace Ui {
class Tgenop;
}

namespace quillon {
class TRadioGroup;
}

// The general options: the main editor's save mode and font, and the stored general settings.
class Tgenop final : public quillon::TForm {
    Q_OBJECT

public:
    explicit Tgenop(QWidget* parent = nullptr);
    ~Tgenop() override;

    quillon::TRadioGroup* rg1;
    QPushButton* Button1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    quillon::TFontDialog fd1;

    void rg1Click();
    void Button1Click();
    void BitBtn1Click();

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::Tgenop> ui;
};
