#include "ui/View3DWindow.h"

#include "ui/CurvePlotView.h"
#include "ui/MapSurfaceView.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStackedLayout>

namespace korvane::ui {

View3DWindow::View3DWindow(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("View3DWindow"));
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_surface = new MapSurfaceView(this);
    m_plots = new CurvePlotView(this);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("View3DNote"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_note->setMargin(20);
    m_stack->addWidget(m_surface);
    m_stack->addWidget(m_plots);
    m_stack->addWidget(m_note);
    // The arrow keys turn the surface without a click into it first.
    setFocusProxy(m_surface);
}

QWidget *View3DWindow::current() const { return m_stack->currentWidget(); }

bool View3DWindow::showContent(const maptools::ViewContent &content)
{
    bool changed = false;
    QWidget *pane = m_note;
    if (content.surface) {
        changed = m_surface->setContent(*content.surface);
        pane = m_surface;
    } else if (!content.plots.empty()) {
        changed = m_plots->setPlots(content.plots);
        pane = m_plots;
    } else if (m_note->text() != QString::fromStdString(content.note)) {
        m_note->setText(QString::fromStdString(content.note));
        changed = true;
    }
    if (m_stack->currentWidget() != pane) {
        m_stack->setCurrentWidget(pane);
        changed = true;
    }
    return changed;
}

void View3DWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

}  // namespace korvane::ui
