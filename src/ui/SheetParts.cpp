#include "SheetParts.h"

#include "EditorRegistry.h"
#include "GestureSink.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korvane::ui {

void WireEditor(NumericEditor *editor, GestureSink &sink)
{
    QObject::connect(editor, &NumericEditor::editExit, editor, [&sink] { sink.EditExit(); });
    QObject::connect(editor, &NumericEditor::upDownClick, editor, [&sink] { sink.UpDownClick(); });
    QObject::connect(editor, &NumericEditor::enterPressed, editor,
                     [&sink, editor] { sink.FormKeyPress(editor->edit()); });
}

NumericEditor *AddEditor(QWidget *parent, const QString &name, NumericEditor::Origin origin, int editLeft, int top,
                         GestureSink &sink, EditorRegistry &registry, std::string_view control)
{
    auto *editor = new NumericEditor(name, origin, parent);
    editor->placeAt(editLeft, top);
    WireEditor(editor, sink);
    registry.addNumeric(control, editor);
    return editor;
}

QList<NumericEditor *> AddEditorRow(QWidget *parent, const QString &name, int count, int firstLeft, int pitch,
                                    int top, GestureSink &sink, EditorRegistry &registry,
                                    std::string_view control)
{
    QList<NumericEditor *> row;
    for (int i = 0; i < count; ++i) {
        row.append(AddEditor(parent, name + QString::number(i), NumericEditor::Origin::BuiltInCode,
                             firstLeft + pitch * i, top, sink, registry, control));
    }
    return row;
}

QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, int left, int top, int width)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    const QSize hint = label->sizeHint();
    label->setGeometry(left, top, width < 0 ? hint.width() : width, hint.height());
    return label;
}

QGroupBox *AddGroup(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

QCheckBox *AddCheckBox(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->move(left, top);
    box->adjustSize();
    return box;
}

QPushButton *AddStepButton(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    QFont font = button->font();
    font.setPointSize(14);
    button->setFont(font);
    button->setFocusPolicy(Qt::ClickFocus);
    button->setGeometry(left, top, 20, 20);
    return button;
}

CurveControls AddCurveControls(QGroupBox *group, const QString &upperName, const QString &lowerName,
                               const QString &suffix, GestureSink &sink, EditorRegistry &registry)
{
    constexpr int Points = 15;
    constexpr int FirstLeft = 44;
    constexpr int Pitch = 60;
    CurveControls controls;
    const QString upperControl = QStringLiteral("UpDown") + upperName;
    const QString lowerControl = QStringLiteral("UpDown") + lowerName;
    controls.upper = AddEditorRow(group, upperName, Points, FirstLeft, Pitch, 34, sink, registry,
                                  upperControl.toStdString());
    controls.lower = AddEditorRow(group, lowerName, Points, FirstLeft, Pitch, 69, sink, registry,
                                  lowerControl.toStdString());
    controls.minus = AddStepButton(group, QStringLiteral("ButtonMinus_") + suffix, QStringLiteral("-"), 353,
                                   CurveToolsTop);
    controls.plus = AddStepButton(group, QStringLiteral("ButtonPlus_") + suffix, QStringLiteral("+"), 401,
                                  CurveToolsTop);
    controls.all = AddCheckBox(group, QStringLiteral("CheckBoxAll_") + suffix, QStringLiteral("All"), 450,
                               CurveToolsTop + 2);
    QObject::connect(controls.all, &QCheckBox::clicked, controls.all, [&sink] { sink.CheckBoxMouseUp(); });
    return controls;
}

}  // namespace korvane::ui
