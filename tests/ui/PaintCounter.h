#pragma once

// Counts the paint events a set of widgets receives, to prove that a value
// written again unchanged repaints nothing.

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace korvane::ui::test {

class PaintCounter : public QObject {
public:
    void watch(QWidget *widget) { widget->installEventFilter(this); }
    void watchTree(QWidget *root)
    {
        watch(root);
        for (QWidget *child : root->findChildren<QWidget *>())
            watch(child);
    }
    // Lets pending repaints happen, then starts counting afresh.
    void settle()
    {
        flush();
        m_paints = 0;
    }
    // Lets pending repaints happen and returns how many there were.
    [[nodiscard]] int paintsAfterFlush()
    {
        flush();
        return m_paints;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return QObject::eventFilter(watched, event);
    }

private:
    static void flush()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    int m_paints = 0;
};

}  // namespace korvane::ui::test
