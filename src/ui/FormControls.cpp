#include "ui/FormControls.h"

#include "ui/EditorRegistry.h"
#include "ui/EnterKeyFilter.h"
#include "ui/GestureSink.h"
#include "ui/NumericEditor.h"
#include "ui/SheetParts.h"

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
    return AddGroup(parent, QString::fromLatin1(name), caption, geometry);
}

NumericEditor *FormControls::editor(QWidget *parent, const QString &name, const QPoint &topLeft)
{
    return AddEditor(parent, name, NumericEditor::Origin::Form, topLeft.x(), topLeft.y(), m_sink, m_registry,
                     (QStringLiteral("UpDown") + name).toStdString());
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
