#include "platform/TImage.h"

#include <QMouseEvent>

namespace quillon {

TImage::TImage(QWidget* parent) : QLabel(parent) {}

void TImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit OnClick();
}

} // namespace quillon
