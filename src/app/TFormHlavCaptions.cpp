// Captions, hints and message texts of the current language.

#include "app/TFormHlav.h"

#include "lang/Captions.h"
#include "lang/MonitorTexts.h"
#include "lang/Texts.h"
#include "pages/Pages.h"
#include "ui/MapGroup.h"
#include "ui/MonitorView.h"
#include "ui/RadioGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace korvane::app {

namespace {

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

}  // namespace

void TFormHlav::ApplyMessageTexts()
{
    // Message texts are read from the language table at the moment of use;
    // what is left is the live-data placeholders while no unit answers.
    if (!m_link.noConnectionVisible())
        return;
    m_monitorView->showPlaceholders(m_language);
}

void TFormHlav::ApplyCaptions()
{
    for (std::size_t i = 0; i < m_menu.MenuLanguages.size(); ++i)
        m_menu.MenuLanguages[i]->setChecked(i == m_language);
    setWindowTitle(Q(lang::WindowTitle(m_language)));

    for (const lang::CaptionRow &row : lang::CaptionTable()) {
        const QString name = QString::fromUtf8(row.control.data(), static_cast<qsizetype>(row.control.size()));
        const QString text = Q(lang::CaptionText(row.control, row.property, m_language));
        if (row.property == lang::CaptionProperty::Hint) {
            const lang::HintParts hint = lang::SplitHint(text.toStdString());
            if (auto *action = findChild<QAction *>(name)) {
                action->setToolTip(Q(hint.tooltip));
                action->setStatusTip(Q(hint.statusTip));
            } else if (auto *widget = findChild<QWidget *>(name)) {
                widget->setToolTip(Q(hint.tooltip));
                widget->setStatusTip(Q(hint.statusTip));
            }
            continue;
        }
        if (auto *action = findChild<QAction *>(name)) {
            action->setText(text);
            continue;
        }
        auto *widget = findChild<QWidget *>(name);
        if (widget == nullptr)
            continue;
        if (const int tab = m_pageControl->indexOf(widget); tab >= 0)
            m_pageControl->setTabText(tab, text);
        else if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(text);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text);
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            group->setTitle(text);
    }

    const auto items = lang::PositionRefItems(m_language);
    QStringList itemTexts;
    for (const std::string_view item : items)
        itemTexts << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
    for (const char *name : {"RadioGroupPolohaA", "RadioGroupPolohaB"})
        m_registry.radio(name)->setItems(itemTexts);

    ApplyMessageTexts();
    UpdateVisibility();
}

}  // namespace korvane::app
