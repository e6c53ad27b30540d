#include "platform/TPanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace quillon {

namespace {

void drawBevel(QPainter& painter, const QRect& rect, const QPalette& palette, Bevel bevel) {
    if (bevel != Bevel::None)
        qDrawShadePanel(&painter, rect, palette, bevel == Bevel::Lowered, 1);
}

int widthOf(Bevel bevel) {
    return bevel == Bevel::None ? 0 : 1;
}

} // namespace

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    SetBevels(outer_, inner_);
}

void TPanel::SetBevels(Bevel outer, Bevel inner) {
    outer_ = outer;
    inner_ = inner;
    const int margin = widthOf(outer) + widthOf(inner);
    setContentsMargins(margin, margin, margin, margin);
    update();
}

void TPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawBevel(painter, rect(), palette(), outer_);
    const int outerWidth = widthOf(outer_);
    drawBevel(painter, rect().adjusted(outerWidth, outerWidth, -outerWidth, -outerWidth), palette(),
              inner_);
}

} // namespace quillon
