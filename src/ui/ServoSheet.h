#pragma once

// The servo page: the servo curve (engine speed against target voltage), the
// hysteresis, the servo enable and a picture of a throttle servo.

#include "SheetParts.h"

#include <QWidget>

class QGroupBox;

namespace korvane::ui {

class ServoSheet : public QWidget {
    Q_OBJECT
public:
    ServoSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent = nullptr);

    [[nodiscard]] QGroupBox *groupBox() const { return m_group; }
    [[nodiscard]] NumericEditor *rpmEditor(int column) const { return m_curve.upper.at(column); }
    [[nodiscard]] NumericEditor *mvEditor(int column) const { return m_curve.lower.at(column); }
    [[nodiscard]] NumericEditor *hysterEditor() const { return m_hyster; }
    [[nodiscard]] QPushButton *minusButton() const { return m_curve.minus; }
    [[nodiscard]] QPushButton *plusButton() const { return m_curve.plus; }
    // Not an image byte: the window keeps it in the settings.
    [[nodiscard]] QCheckBox *allBox() const { return m_curve.all; }
    [[nodiscard]] QCheckBox *enableBox() const { return m_enable; }
    [[nodiscard]] QLabel *gearLabel() const { return m_gearLabel; }
    [[nodiscard]] QLabel *logo() const { return m_logo; }

    // The picture of ImageLogo1, drawn here rather than loaded.
    [[nodiscard]] static QPixmap DrawLogo(const QSize &size);

private:
    QGroupBox *m_group;
    CurveControls m_curve;
    NumericEditor *m_hyster;
    QCheckBox *m_enable;
    QLabel *m_gearLabel;
    QLabel *m_logo;
};

}  // namespace korvane::ui
