#include "EditorMarks.h"

#include "NumericEditor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <set>

namespace korvane::ui {

namespace {

constexpr int Outset = 3;     // how far a corner reaches out of a box
constexpr int FrameGap = 4;   // between a radio group and its frame
constexpr int FrameWidth = 2;

enum class Shape { TopRight, TopLeft, Frame };

// Where a mark sits, in the editor's coordinates: a numeric editor's edit
// field (the triangle inside its top-right corner, clear of the digits,
// which start at the left), a check box's box (the triangle on its corner,
// clear of the tick), a radio group's whole frame, the model list's corner.
struct Placement {
    Shape shape = Shape::TopLeft;
    QRect area;
};

Placement PlacementOf(QWidget *editor)
{
    if (const auto *numeric = qobject_cast<NumericEditor *>(editor))
        return {Shape::TopRight, numeric->edit()->geometry()};
    if (auto *box = qobject_cast<QCheckBox *>(editor)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return {Shape::TopLeft, box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)};
    }
    if (qobject_cast<QGroupBox *>(editor) != nullptr)
        return {Shape::Frame, editor->rect()};
    return {Shape::TopLeft, editor->rect()};
}

QRegion ShapeRegion(Shape shape, QSize size)
{
    const int s = EditorMarks::Size;
    switch (shape) {
    case Shape::TopRight:
        return QRegion(QPolygon({QPoint(0, 0), QPoint(s, 0), QPoint(s, s)}));
    case Shape::TopLeft:
        return QRegion(QPolygon({QPoint(0, 0), QPoint(s, 0), QPoint(0, s)}));
    case Shape::Frame:
        break;
    }
    const QRect outer(QPoint(0, 0), size);
    return QRegion(outer).subtracted(QRegion(outer.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth)));
}

// A sibling of the editor drawn over its corner or around it, passing every
// mouse event through; it follows the editor's place and visibility. The mask
// keeps repaints of what lies below from spreading beyond the mark.
class Mark final : public QWidget {
public:
    explicit Mark(QWidget *editor) : QWidget(editor->parentWidget()), m_editor(editor)
    {
        setObjectName(QStringLiteral("CompareMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        editor->installEventFilter(this);
        QWidget::hide();
    }

    void setWanted(bool wanted)
    {
        m_wanted = wanted;
        follow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setClipRegion(ShapeRegion(m_shape, size()));
        painter.fillRect(rect(), EditorMarks::Colour);
    }

private:
    void follow()
    {
        const bool visible = m_wanted && !m_editor->isHidden();
        if (visible) {
            const Placement placement = PlacementOf(m_editor);
            const int s = EditorMarks::Size;
            QRect geometry;
            switch (placement.shape) {
            case Shape::TopRight:
                geometry = QRect(placement.area.right() - s + 1, placement.area.top(), s, s);
                break;
            case Shape::TopLeft:
                geometry = QRect(placement.area.left() - Outset, placement.area.top() - Outset, s, s);
                break;
            case Shape::Frame:
                geometry = placement.area.adjusted(-FrameGap, -FrameGap, FrameGap, FrameGap);
                break;
            }
            geometry.translate(m_editor->pos());
            if (geometry != this->geometry() || placement.shape != m_shape) {
                m_shape = placement.shape;
                setGeometry(geometry);
                setMask(ShapeRegion(m_shape, geometry.size()));
            }
            raise();
        }
        if (isHidden() == visible)
            setVisible(visible);
    }

    QWidget *m_editor;
    Shape m_shape = Shape::TopLeft;
    bool m_wanted = false;
};

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
                placed.corner = new Mark(mark.editor);
            static_cast<Mark *>(placed.corner.data())->setWanted(true);
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
        static_cast<Mark *>(placed.corner.data())->setWanted(false);
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
