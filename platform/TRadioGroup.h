#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace quillon {

// A captioned box of radio buttons, one per item, spread evenly down its height. OnClick is
// raised when the user selects an item other than the selected one.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ Items WRITE setItems)
    Q_PROPERTY(int itemIndex READ ItemIndex WRITE SetItemIndex)

public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QStringList Items() const { return items_; }
    void setItems(const QStringList& items);

    // -1 when no item is selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    QRadioButton* button(int index) const;

signals:
    void OnClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeButtons();
    void selected(int index);

    QStringList items_;
    int itemIndex_ = -1;
    bool settingIndex_ = false;
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};

} // namespace quillon
