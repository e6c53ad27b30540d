#pragma once

#include <QFrame>

namespace quillon {

enum class Bevel { None, Raised, Lowered };

// A panel framed by an outer and an inner bevel, one pixel each.
class TPanel : public QFrame {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    Bevel BevelOuter() const { return outer_; }
    Bevel BevelInner() const { return inner_; }
    void SetBevels(Bevel outer, Bevel inner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
};

} // namespace quillon
