#pragma once

// Visibility and enabled state set only where they change: these run on
// every live-data frame, and a needless change would lay out and repaint.

#include <QWidget>

namespace korvane::ui {

inline void SetShown(QWidget *widget, bool shown)
{
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}

inline void SetEnabled(QWidget *widget, bool enabled)
{
    // Asks the widget's own setting, not the one it inherits.
    if (widget->testAttribute(Qt::WA_ForceDisabled) == enabled)
        widget->setEnabled(enabled);
}

}  // namespace korvane::ui
