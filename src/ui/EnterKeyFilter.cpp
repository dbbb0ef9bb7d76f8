#include "EnterKeyFilter.h"

#include "GestureSink.h"

#include <QKeyEvent>
#include <QWidget>

namespace korvane::ui {

EnterKeyFilter::EnterKeyFilter(GestureSink &sink, QObject *parent) : QObject(parent), m_sink(sink) {}

void EnterKeyFilter::watch(QWidget *control)
{
    control->installEventFilter(this);
}

bool EnterKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_sink.FormKeyPress(static_cast<QWidget *>(watched));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace korvane::ui
