#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace korvane::ui {

RadioGroup::RadioGroup(const QString &name, const QString &caption, const QStringList &items, int columns,
                       QWidget *parent)
    : QGroupBox(caption, parent), m_buttons(new QButtonGroup(this)), m_columns(qMax(1, columns))
{
    setObjectName(name);
    m_buttons->setExclusive(true);
    // idClicked comes from user clicks and keyboard selection only, never
    // from setChecked, so showing a value cannot raise the handler.
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int) { emit clicked(); });
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setVerticalSpacing(0);
    setItems(items);
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < m_radios.size()) {
        m_radios.at(index)->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last button.
    m_buttons->setExclusive(false);
    for (QRadioButton *radio : std::as_const(m_radios)) {
        radio->setChecked(false);
    }
    m_buttons->setExclusive(true);
}

void RadioGroup::setItems(const QStringList &items)
{
    if (items.size() == m_radios.size()) {
        for (qsizetype k = 0; k < items.size(); ++k) {
            m_radios.at(k)->setText(items.at(k));
        }
        return;
    }
    const int selected = itemIndex();
    for (QRadioButton *radio : std::as_const(m_radios)) {
        m_buttons->removeButton(radio);
        delete radio;
    }
    m_radios.clear();
    auto *grid = static_cast<QGridLayout *>(layout());
    // Items fill the columns top to bottom, one column after the other.
    const int rows = static_cast<int>((items.size() + m_columns - 1) / m_columns);
    for (qsizetype k = 0; k < items.size(); ++k) {
        auto *radio = new QRadioButton(items.at(k), this);
        radio->setObjectName(objectName() + QStringLiteral("_") + QString::number(k));
        radio->setFocusPolicy(m_buttonFocus);
        m_buttons->addButton(radio, static_cast<int>(k));
        const int row = rows > 0 ? static_cast<int>(k) % rows : 0;
        const int column = rows > 0 ? static_cast<int>(k) / rows : 0;
        grid->addWidget(radio, row, column);
        m_radios.append(radio);
    }
    setItemIndex(selected);
}

void RadioGroup::setButtonFocusPolicy(Qt::FocusPolicy policy)
{
    m_buttonFocus = policy;
    for (QRadioButton *radio : std::as_const(m_radios)) {
        radio->setFocusPolicy(policy);
    }
}

}  // namespace korvane::ui
