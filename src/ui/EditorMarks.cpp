#include "EditorMarks.h"

#include "NumericEditor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <set>

namespace korvane::ui {

namespace {

QPolygon Triangle(int size)
{
    return QPolygon({QPoint(0, 0), QPoint(size, 0), QPoint(0, size)});
}

// Drawn over the editor, passing every mouse event through to it; the mask
// keeps repaints of the editor below from spreading beyond the triangle.
class CornerMark final : public QWidget {
public:
    explicit CornerMark(QWidget *editor) : QWidget(editor)
    {
        setObjectName(QStringLiteral("CompareMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(EditorMarks::Size, EditorMarks::Size);
        setMask(QRegion(Triangle(EditorMarks::Size)));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(EditorMarks::Colour);
        painter.drawPolygon(Triangle(EditorMarks::Size));
    }
};

// The corner of what the user reads: the edit field, the check box's box,
// the radio group's frame.
QPoint CornerOf(QWidget *editor)
{
    if (const auto *numeric = qobject_cast<NumericEditor *>(editor))
        return numeric->edit()->geometry().topLeft();
    if (auto *box = qobject_cast<QCheckBox *>(editor)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).topLeft();
    }
    if (auto *group = qobject_cast<QGroupBox *>(editor)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group).topLeft();
    }
    return {0, 0};
}

}  // namespace

void EditorMarks::show(const std::vector<EditorMark> &marks)
{
    std::set<const QWidget *> wanted;
    for (const EditorMark &mark : marks) {
        if (mark.editor == nullptr)
            continue;
        wanted.insert(mark.editor);
        Placed &placed = m_placed[mark.editor];
        if (placed.editor.isNull()) {
            placed = Placed{};
            placed.editor = mark.editor;
        }
        if (!placed.shown) {
            placed.ownTip = mark.editor->toolTip();
            if (placed.corner.isNull())
                placed.corner = new CornerMark(mark.editor);
            placed.corner->move(CornerOf(mark.editor));
            placed.corner->raise();
            placed.corner->show();
            placed.shown = true;
        }
        if (mark.editor->toolTip() != mark.tip)
            mark.editor->setToolTip(mark.tip);
    }
    for (auto it = m_placed.begin(); it != m_placed.end();) {
        if (it->second.editor.isNull()) {
            it = m_placed.erase(it);
            continue;
        }
        if (it->second.shown && wanted.count(it->first) == 0)
            unmark(it->second);
        ++it;
    }
}

void EditorMarks::unmark(Placed &placed)
{
    placed.shown = false;
    if (!placed.corner.isNull())
        placed.corner->hide();
    if (!placed.editor.isNull())
        placed.editor->setToolTip(placed.ownTip);
}

bool EditorMarks::isMarked(const QWidget *editor) const
{
    const auto found = m_placed.find(editor);
    return found != m_placed.end() && found->second.shown && !found->second.editor.isNull();
}

std::size_t EditorMarks::count() const
{
    return static_cast<std::size_t>(std::count_if(m_placed.begin(), m_placed.end(), [](const auto &entry) {
        return entry.second.shown && !entry.second.editor.isNull();
    }));
}

QWidget *EditorMarks::cornerOf(const QWidget *editor) const
{
    return isMarked(editor) ? m_placed.at(editor).corner.data() : nullptr;
}

}  // namespace korvane::ui
