#pragma once

// The positions page: for injection A and B an engine-speed row and an angle
// row, the reference of the angle ("Position of:") and the step tools.

#include "SheetParts.h"

#include <QWidget>

class QGroupBox;

namespace korvane::ui {

class RadioGroup;

class PolohaSheet : public QWidget {
    Q_OBJECT
public:
    enum class Side { A, B };

    PolohaSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent = nullptr);

    [[nodiscard]] QGroupBox *groupBox(Side side) const { return part(side).group; }
    [[nodiscard]] NumericEditor *rpmEditor(Side side, int column) const { return part(side).curve.upper.at(column); }
    [[nodiscard]] NumericEditor *degEditor(Side side, int column) const { return part(side).curve.lower.at(column); }
    [[nodiscard]] RadioGroup *radioGroup(Side side) const { return part(side).reference; }
    [[nodiscard]] QPushButton *minusButton(Side side) const { return part(side).curve.minus; }
    [[nodiscard]] QPushButton *plusButton(Side side) const { return part(side).curve.plus; }
    // Not image bytes: the window keeps them in the settings.
    [[nodiscard]] QCheckBox *allBox(Side side) const { return part(side).curve.all; }

private:
    struct Part {
        QGroupBox *group = nullptr;
        CurveControls curve;
        RadioGroup *reference = nullptr;
    };
    [[nodiscard]] const Part &part(Side side) const { return side == Side::A ? m_a : m_b; }
    Part build(Side side, int top, GestureSink &sink, EditorRegistry &registry);

    Part m_a;
    Part m_b;
};

}  // namespace korvane::ui
