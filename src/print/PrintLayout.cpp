#include "print/PrintLayout.h"

#include <QLabel>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace korvane::print {

namespace {

bool HoldsAny(const QWidget *container, const QList<QWidget *> &keep)
{
    return std::any_of(keep.begin(), keep.end(),
                       [container](const QWidget *kept) { return kept != nullptr && container->isAncestorOf(kept); });
}

}  // namespace

void PrintLayout::hideControls(const QList<QWidget *> &controls, const QList<QWidget *> &keep)
{
    for (QWidget *control : controls) {
        if (control == nullptr || keep.contains(control))
            continue;
        if (HoldsAny(control, keep))
            empty(control, keep);
        else
            hideOne(control);
    }
}

void PrintLayout::empty(QWidget *container, const QList<QWidget *> &keep)
{
    if (auto *frame = qobject_cast<QFrame *>(container); frame != nullptr && !m_recorded.contains(frame)) {
        m_recorded.insert(frame);
        m_frames.push_back({frame, frame->frameShape()});
        frame->setFrameShape(QFrame::NoFrame);
    }
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (keep.contains(child))
            continue;
        if (HoldsAny(child, keep))
            empty(child, keep);
        else
            hideOne(child);
    }
}

void PrintLayout::hideOne(QWidget *widget)
{
    if (m_recorded.contains(widget))
        return;
    m_recorded.insert(widget);
    QSizePolicy policy = widget->sizePolicy();
    m_widgets.push_back({widget, widget->isHidden(), policy.retainSizeWhenHidden()});
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    widget->hide();
}

void PrintLayout::hideOtherTabs(QTabWidget &tabs)
{
    if (m_tabs.isNull()) {
        m_tabs = &tabs;
        m_tabsShown.clear();
        for (int i = 0; i < tabs.count(); ++i)
            m_tabsShown.push_back(tabs.isTabVisible(i));
    }
    for (int i = 0; i < tabs.count(); ++i) {
        if (i != tabs.currentIndex() && tabs.isTabVisible(i))
            tabs.setTabVisible(i, false);
    }
}

void PrintLayout::fitText(QLabel &label)
{
    const QWidget *parent = label.parentWidget();
    const int room = parent != nullptr ? parent->width() - label.x() : label.width();
    const int wanted = std::min(std::max(label.width(), label.sizeHint().width()), room);
    if (wanted == label.width())
        return;
    m_widened.emplace_back(&label, label.geometry());
    label.resize(wanted, label.height());
}

void PrintLayout::restore()
{
    for (auto it = m_widened.rbegin(); it != m_widened.rend(); ++it) {
        if (!it->first.isNull())
            it->first->setGeometry(it->second);
    }
    for (const HiddenWidget &hidden : m_widgets) {
        if (hidden.widget.isNull())
            continue;
        hidden.widget->setVisible(!hidden.wasHidden);
        QSizePolicy policy = hidden.widget->sizePolicy();
        policy.setRetainSizeWhenHidden(hidden.retainedSize);
        hidden.widget->setSizePolicy(policy);
    }
    for (const EmptiedFrame &emptied : m_frames) {
        if (!emptied.frame.isNull())
            emptied.frame->setFrameShape(emptied.shape);
    }
    if (!m_tabs.isNull()) {
        const int count = std::min(m_tabs->count(), static_cast<int>(m_tabsShown.size()));
        for (int i = 0; i < count; ++i) {
            if (m_tabs->isTabVisible(i) != m_tabsShown[static_cast<std::size_t>(i)])
                m_tabs->setTabVisible(i, m_tabsShown[static_cast<std::size_t>(i)]);
        }
    }
    m_widgets.clear();
    m_recorded.clear();
    m_frames.clear();
    m_widened.clear();
    m_tabs.clear();
    m_tabsShown.clear();
}

}  // namespace korvane::print
