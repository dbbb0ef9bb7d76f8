#include "ui/FormControls.h"

#include "ui/EditorRegistry.h"
#include "ui/EnterKeyFilter.h"
#include "ui/GestureSink.h"
#include "ui/NumericEditor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace korvane::ui {

FormControls::FormControls(QWidget *page, GestureSink &sink, EditorRegistry &registry)
    : m_sink(sink), m_registry(registry), m_enter(new EnterKeyFilter(sink, page))
{
}

QLabel *FormControls::label(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QGroupBox *FormControls::group(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

NumericEditor *FormControls::editor(QWidget *parent, const QString &name, const QPoint &topLeft)
{
    auto *editor = new NumericEditor(name, NumericEditor::Origin::Form, parent);
    editor->setGeometry(QRect(topLeft, QSize(NumericEditor::EditWidth + NumericEditor::SpinWidth,
                                             NumericEditor::RowHeight)));
    GestureSink &sink = m_sink;
    QObject::connect(editor, &NumericEditor::upDownClick, editor, [&sink] { sink.UpDownClick(); });
    QObject::connect(editor, &NumericEditor::editExit, editor, [&sink] { sink.EditExit(); });
    QObject::connect(editor, &NumericEditor::enterPressed, editor,
                     [&sink, edit = editor->edit()] { sink.FormKeyPress(edit); });
    m_registry.addNumeric((QStringLiteral("UpDown") + name).toStdString(), editor);
    return editor;
}

QCheckBox *FormControls::checkBox(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                                  unsigned wiring)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    if ((wiring & MouseUp) != 0) {
        GestureSink &sink = m_sink;
        // clicked() comes from the user only, never from setChecked().
        QObject::connect(box, &QCheckBox::clicked, box, [&sink] { sink.CheckBoxMouseUp(); });
    }
    if ((wiring & EnterKey) != 0)
        takeEnter(box);
    if ((wiring & Registered) != 0)
        m_registry.addCheck(name, box);
    return box;
}

void FormControls::takeEnter(QWidget *control)
{
    m_enter->watch(control);
}

}  // namespace korvane::ui
