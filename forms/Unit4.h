#pragma once

#include "platform/TForm.h"

#include <memory>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace Ui {
class TForm4;
}

namespace quillon {
class TRadioGroup;
}

// The compiler options: the tool paths for the four languages and the active compiler, which
// also decides the main window's usable compiler submenu. OK stores them.
class TForm4 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    QGroupBox* ab1;
    QGroupBox* cb1;
    QGroupBox* pb1;
    QGroupBox* bb1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    quillon::TRadioGroup* rg1;
    QPushButton* BitBtn1;

    void rg1Click();
    void BitBtn1Click();

private:
    std::unique_ptr<Ui::TForm4> ui;
};
