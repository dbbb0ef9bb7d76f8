#pragma once

// A captioned group of radio buttons in columns; the item index is -1 when no
// button is selected.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace korvane::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &name, const QString &caption, const QStringList &items, int columns,
               QWidget *parent = nullptr);

    [[nodiscard]] int itemIndex() const;
    // Fires no signal; -1 (or any index outside the items) clears the selection.
    void setItemIndex(int index);
    void setItems(const QStringList &items);

signals:
    void clicked();  // the user picked an item (mouse or keyboard)

private:
    QButtonGroup *m_buttons;
    QList<QRadioButton *> m_radios;
};

}  // namespace korvane::ui
