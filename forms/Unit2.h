#pragma once

#include "platform/TForm.h"

#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace Ui {
class TForm2;
}

// The help window: a fixed text about the editor and an OK button, shown modally.
class TForm2 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    QPlainTextEdit* Memo1;
    QPushButton* BitBtn1;

private:
    std::unique_ptr<Ui::TForm2> ui;
};
