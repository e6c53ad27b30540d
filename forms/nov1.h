#pragma once

#include "platform/TForm.h"

#include <memory>

namespace Ui {
class Tnew;
}

namespace quillon {
struct DocumentType;
}

// The new-file chooser: one icon per document kind. Each pick prepares the main window, in the
// state it has at that moment, for a new document of that kind.
class Tnew final : public quillon::TForm {
    Q_OBJECT

public:
    explicit Tnew(QWidget* parent = nullptr);
    ~Tnew() override;

    void Image1Click();
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void BitBtn1Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pick(const quillon::DocumentType& kind);

    std::unique_ptr<Ui::Tnew> ui;
};
