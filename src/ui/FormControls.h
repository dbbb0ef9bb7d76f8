#pragma once

// Builds the controls of a fixed page at their design places and ties them to
// the window's gestures and to the editor registry, so that every page wires
// its editors and check boxes the same way.

#include <QPoint>
#include <QRect>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace korvane::ui {

class EditorRegistry;
class EnterKeyFilter;
class GestureSink;
class NumericEditor;

// One labelled editor of a form page: its label, its editor's base name and
// the caption in the window's design.
struct EditorRow {
    const char *label;
    const char *name;
    const char *caption;
};

class FormControls {
public:
    // How a check box reports to the window.
    enum CheckWiring : unsigned {
        NoWiring = 0,
        MouseUp = 1,   // user clicks (mouse, Space) -> CheckBoxMouseUp
        EnterKey = 2,  // Enter -> FormKeyPress
        Registered = 4,  // holds an image byte: known to the registry
    };

    static constexpr int RowHeight = 21;
    static constexpr int RowPitch = 28;

    // Enter filter is owned by page.
    FormControls(QWidget *page, GestureSink &sink, EditorRegistry &registry);

    QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
    QGroupBox *group(QWidget *parent, const char *name, const QString &caption, const QRect &geometry);
    // A form editor "Edit"+name / "UpDown"+name, registered under its spin name.
    NumericEditor *editor(QWidget *parent, const QString &name, const QPoint &topLeft);
    QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                        unsigned wiring);
    // Enter in control is the window's FormKeyPress.
    void takeEnter(QWidget *control);

private:
    GestureSink &m_sink;
    EditorRegistry &m_registry;
    EnterKeyFilter *m_enter;
};

}  // namespace korvane::ui
