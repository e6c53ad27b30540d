#include "platform/TRadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>
#include <algorithm>

namespace quillon {

namespace {
constexpr int itemIndent = 8;
} // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            selected(id);
    });
}

void TRadioGroup::setItems(const QStringList& items) {
    for (QRadioButton* button : buttons_)
        delete button;
    buttons_.clear();
    items_ = items;
    itemIndex_ = -1;
    for (int index = 0; index < items_.size(); ++index) {
        auto* button = new QRadioButton(items_[index], this);
        button->setObjectName(objectName() + QString::number(index));
        group_->addButton(button, index);
        buttons_.push_back(button);
        button->show();
    }
    placeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(buttons_.size()) || index == itemIndex_)
        return;
    settingIndex_ = true;
    buttons_[static_cast<std::size_t>(index)]->setChecked(true);
    settingIndex_ = false;
}

QRadioButton* TRadioGroup::button(int index) const {
    if (index < 0 || index >= static_cast<int>(buttons_.size()))
        return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void TRadioGroup::selected(int index) {
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    if (!settingIndex_)
        emit OnClick();
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    placeButtons();
}

void TRadioGroup::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placeButtons();
}

void TRadioGroup::placeButtons() {
    if (buttons_.empty())
        return;
    const QRect inside = contentsRect();
    const int count = static_cast<int>(buttons_.size());
    const int rowHeight = std::max(inside.height() / count, 1);
    const int buttonHeight = std::min(rowHeight, fontMetrics().height() + 4);
    for (int index = 0; index < count; ++index) {
        const int rowTop = inside.top() + index * rowHeight;
        buttons_[static_cast<std::size_t>(index)]->setGeometry(
            inside.left() + itemIndent, rowTop + (rowHeight - buttonHeight) / 2,
            inside.width() - 2 * itemIndent, buttonHeight);
    }
}

} // namespace quillon
