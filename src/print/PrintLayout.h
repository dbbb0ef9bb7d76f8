#pragma once

// Puts a window into the look of its printout and gives everything back as
// it was: hidden controls, the tabs of the other pages, emptied frames.

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QSet>

#include <utility>
#include <vector>

class QLabel;
class QTabWidget;
class QWidget;

namespace korvane::print {

class PrintLayout {
public:
    // Hides controls. They keep their place: one in a layout holds its room
    // while hidden. A control that holds one of keep is emptied instead, its
    // other widgets and its frame hidden, so what is kept stays where it was.
    void hideControls(const QList<QWidget *> &controls, const QList<QWidget *> &keep);
    // Hides the tab of every page but the current one.
    void hideOtherTabs(QTabWidget &tabs);
    // Widens label to show its whole text, as far as its parent reaches.
    void fitText(QLabel &label);
    // Everything hidden since the last restore as it was before, tabs too.
    void restore();

private:
    void hideOne(QWidget *widget);
    void empty(QWidget *container, const QList<QWidget *> &keep);

    struct HiddenWidget {
        QPointer<QWidget> widget;
        bool wasHidden = false;
        bool retainedSize = false;
    };
    struct EmptiedFrame {
        QPointer<QFrame> frame;
        QFrame::Shape shape = QFrame::NoFrame;
    };
    std::vector<HiddenWidget> m_widgets;
    QSet<QWidget *> m_recorded;
    std::vector<EmptiedFrame> m_frames;
    std::vector<std::pair<QPointer<QLabel>, QRect>> m_widened;
    QPointer<QTabWidget> m_tabs;
    std::vector<bool> m_tabsShown;
};

}  // namespace korvane::print
