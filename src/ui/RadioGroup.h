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
    // New texts keep the selection; a new item count keeps it when still in range.
    void setItems(const QStringList &items);
    [[nodiscard]] const QList<QRadioButton *> &buttons() const { return m_radios; }
    // Qt::NoFocus takes the group out of the tab order.
    void setButtonFocusPolicy(Qt::FocusPolicy policy);

signals:
    void clicked();  // the user picked an item (mouse or keyboard)

private:
    QButtonGroup *m_buttons;
    QList<QRadioButton *> m_radios;
    int m_columns;
    Qt::FocusPolicy m_buttonFocus = Qt::StrongFocus;
};

}  // namespace korvane::ui
