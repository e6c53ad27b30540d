#pragma once

#include "platform/Dialogs.h"
#include "platform/TForm.h"

#include <memory>

namespace Ui {
class TForm3;
}

// The composer's options: a font for its editor, and a "Save to" folder field that does nothing.
class TForm3 final : public quillon::TForm {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    quillon::TFontDialog fd2;

    void Button1Click();
    void BitBtn1Click();
    void BitBtn2Click();

private:
    std::unique_ptr<Ui::TForm3> ui;
};
