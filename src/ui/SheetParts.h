#pragma once

// Small builders shared by the pages: controls at absolute positions of the
// 96-dpi design, editors wired to the window's gesture handlers.

#include "NumericEditor.h"

#include <QList>
#include <QString>

#include <string_view>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace korvane::ui {

class EditorRegistry;
class GestureSink;

// editExit, upDownClick and enterPressed to EditExit, UpDownClick and
// FormKeyPress(edit).
void WireEditor(NumericEditor *editor, GestureSink &sink);

// An editor named name at (editLeft, top), wired and registered under control.
NumericEditor *AddEditor(QWidget *parent, const QString &name, NumericEditor::Origin origin, int editLeft, int top,
                         GestureSink &sink, EditorRegistry &registry, std::string_view control);

// A run of count editors name0 .. name<count-1>, registered in index order.
QList<NumericEditor *> AddEditorRow(QWidget *parent, const QString &name, int count, int firstLeft, int pitch,
                                    int top, GestureSink &sink, EditorRegistry &registry,
                                    std::string_view control);

// width < 0: as wide as the text.
QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width = -1);
QGroupBox *AddGroup(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
QCheckBox *AddCheckBox(QWidget *parent, const QString &name, const QString &text, int left, int top);
// The 20 x 20 "-" and "+" buttons with their large font; no tab stop.
QPushButton *AddStepButton(QWidget *parent, const QString &name, const QString &text, int left, int top);

// The two 15-point rows of a curve group (positions, servo) at pitch 60 and
// its "-", "+" and "All" tools.
struct CurveControls {
    QList<NumericEditor *> upper;  // engine speed
    QList<NumericEditor *> lower;  // angle or voltage
    QPushButton *minus = nullptr;
    QPushButton *plus = nullptr;
    QCheckBox *all = nullptr;
};

inline constexpr int CurveToolsTop = 118;

// Rows "<upperName><i>" / "<lowerName><i>" registered as "UpDown<upperName>" /
// "UpDown<lowerName>"; tools ButtonMinus_<suffix>, ButtonPlus_<suffix>,
// CheckBoxAll_<suffix> ("All" reports to CheckBoxMouseUp).
CurveControls AddCurveControls(QGroupBox *group, const QString &upperName, const QString &lowerName,
                               const QString &suffix, GestureSink &sink, EditorRegistry &registry);

}  // namespace korvane::ui
