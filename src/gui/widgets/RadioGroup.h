#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace linealidad {

// A captioned group of radio buttons, one item selected at a time and addressed by its index,
// as the program's radio groups are. The buttons are stacked top to bottom.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    // The selected item; -1 when none is.
    int itemIndex() const;
    // Selects an item; -1 selects none.
    void setItemIndex(int index);
    QRadioButton* item(int index) const;

private:
    QButtonGroup* buttons_;
};

} // namespace linealidad
