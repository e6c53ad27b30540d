#pragma once

#include <QLabel>

namespace quillon {

// A picture that reacts to a left click, released over it.
class TImage : public QLabel {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

signals:
    void OnClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quillon
