// Captions, hints and message texts of the current language.

#include "app/TFormHlav.h"

#include "app/TableController.h"
#include "app/RideLogController.h"

#include "app/QtTranslation.h"
#include "app/UndoController.h"
#include "lang/Captions.h"
#include "lang/Texts.h"
#include "ui/MonitorView.h"
#include "ui/RadioGroup.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVariant>

#include <algorithm>

namespace korvane::app {

namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename Target>
void SetHint(Target *target, const lang::HintParts &hint)
{
    target->setToolTip(Q(hint.tooltip));
    target->setStatusTip(Q(hint.statusTip));
}

// The design sizes labels and check boxes for their English captions; a
// longer translation widens the control rather than losing its last letters
// ("Alles" must not read "Alle"). Back in English it returns to its design.
void KeepCaptionWhole(QWidget *control, int captionWidth)
{
    static const char *const DesignWidth = "designWidth";
    if (!control->property(DesignWidth).isValid())
        control->setProperty(DesignWidth, control->width());
    const int width = std::max(control->property(DesignWidth).toInt(), captionWidth);
    if (width != control->width())
        control->resize(width, control->height());
}

}  // namespace

void TFormHlav::ApplyMessageTexts()
{
    // Message texts are read from the language table at the moment of use.
    // What is left is the live-data placeholders: only while no unit answers,
    // as the link sees it, so that a connected unit's values are never
    // overwritten (the label's own visibility says nothing before the window
    // is shown, or while the printout hides it).
    if (!m_link.noConnectionVisible())
        return;
    m_monitorView->showPlaceholders(m_language);
}

void TFormHlav::ApplyCaptions()
{
    for (std::size_t i = 0; i < m_menu.MenuLanguages.size(); ++i)
        m_menu.MenuLanguages[i]->setChecked(i == m_language);
    setWindowTitle(Q(lang::WindowTitle(m_language)));
    ApplyFeatureCaptions(m_features, m_language);
    m_undo->ApplyCaptions();
    m_rideLogs->applyCaptions();
    QtTranslation::Apply(m_language);

    // Rows name controls by object name; a row without a control here (the
    // About box's title) is read where its window is shown.
    for (const lang::CaptionRow &row : lang::CaptionTable()) {
        const QString name = Q(row.control);
        const std::string text = lang::CaptionText(row.control, row.property, m_language);
        QAction *action = findChild<QAction *>(name);
        QWidget *widget = action == nullptr ? findChild<QWidget *>(name) : nullptr;
        if (row.property == lang::CaptionProperty::Hint) {
            const lang::HintParts hint = lang::SplitHint(text);
            if (action != nullptr)
                SetHint(action, hint);
            else if (widget != nullptr)
                SetHint(widget, hint);
            continue;
        }
        const QString caption = Q(text);
        if (action != nullptr)
            action->setText(caption);
        else if (widget == nullptr)
            continue;
        else if (const int tab = m_pageControl->indexOf(widget); tab >= 0)
            m_pageControl->setTabText(tab, caption);
        else if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(caption);
            if (!label->wordWrap())
                KeepCaptionWhole(label, label->fontMetrics().horizontalAdvance(caption) + 2 * label->margin());
        } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            box->setText(caption);
            KeepCaptionWhole(box, box->sizeHint().width());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(caption);
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            group->setTitle(caption);
    }

    QStringList itemTexts;
    for (const std::string_view item : lang::PositionRefItems(m_language))
        itemTexts << Q(item);
    for (const char *name : {"RadioGroupPolohaA", "RadioGroupPolohaB"})
        m_registry.radio(name)->setItems(itemTexts);

    FitDeviceButtons(m_toolBar);
    ApplyMessageTexts();
    // The caption beside the map (base advance, IAP -> TP) comes with it.
    UpdateVisibility();
    m_table->applyLanguage();
}

}  // namespace korvane::app
