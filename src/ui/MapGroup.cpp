#include "MapGroup.h"

#include "EditorRegistry.h"
#include "GestureSink.h"
#include "NumericEditor.h"
#include "SheetParts.h"
#include "Colours.h"
#include "SpinArrows.h"
#include "WidgetState.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace korvane::ui {

namespace {

constexpr int FirstLeft = 44;
constexpr int Pitch = 62;
constexpr int AxisTop = 21;
constexpr int FirstCellTop = 53;
constexpr int RowPitch = 30;
constexpr int ToolsTop = 380;

const char *const ThrottleRows[MapGroup::Rows] = {"0%",  "2%",  "5%",  "10%", "20%",
                                                  "30%", "40%", "60%", "80%", "100%"};

}  // namespace

MapGroup::MapGroup(GestureSink &sink, EditorRegistry &registry, QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("GroupBoxMap"));
    m_trail.fill(NoTrail);

    m_gridCaptions << AddLabel(this, QStringLiteral("LabelMapRpm"), QStringLiteral("RPM"), 13, 16, 30);
    m_gridCaptions << AddLabel(this, QStringLiteral("LabelMapTps"), QStringLiteral("TPS"), 7, 37, 36);

    // Row labels end where the edits begin, so texts of any width line up
    // on the right; the marker colours the same box on every row.
    const int labelWidth = fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4;
    for (int j = 0; j < Rows; ++j) {
        auto *label = AddLabel(this, QStringLiteral("LabelMapRow") + QString::number(j),
                               QString::fromLatin1(ThrottleRows[j]), FirstLeft - 4 - labelWidth, 0, labelWidth);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->move(label->x(), FirstCellTop + RowPitch * j + (NumericEditor::RowHeight - label->height()) / 2);
        m_rowLabels.append(label);
    }

    m_axis = AddEditorRow(this, QStringLiteral("MapRpm"), Columns, FirstLeft, Pitch, AxisTop, sink, registry,
                          "UpDownMapRpm");
    for (int j = 0; j < Rows; ++j) {
        m_cells += AddEditorRow(this, QStringLiteral("MapCell%1_").arg(j), Columns, FirstLeft, Pitch,
                                FirstCellTop + RowPitch * j, sink, registry, "UpDownMapCell");
    }

    for (int i = 0; i < Columns; ++i) {
        auto *spin = new SpinArrows(this);
        spin->setObjectName(QStringLiteral("CSpinButtonMapColumn") + QString::number(i));
        spin->setGeometry(59 + Pitch * i, 350, 17, 23);
        connect(spin, &SpinArrows::upClicked, this, [this, i] { emit columnUpClicked(i); });
        connect(spin, &SpinArrows::downClicked, this, [this, i] { emit columnDownClicked(i); });
        m_columnSpins.append(spin);
    }

    m_minus = AddStepButton(this, QStringLiteral("ButtonMinus_Map"), QStringLiteral("-"), 87, ToolsTop);
    m_plus = AddStepButton(this, QStringLiteral("ButtonPlus_Map"), QStringLiteral("+"), 149, ToolsTop);
    connect(m_minus, &QPushButton::clicked, this, &MapGroup::minusClicked);
    connect(m_plus, &QPushButton::clicked, this, &MapGroup::plusClicked);

    m_all = AddCheckBox(this, QStringLiteral("CheckBoxAll_Map"), QStringLiteral("All"), 211, ToolsTop + 2);
    m_all->setFocusPolicy(Qt::ClickFocus);
    connect(m_all, &QCheckBox::clicked, this, [&sink] { sink.CheckBoxMouseUp(); });
    registry.addCheck("CheckBoxAll_Map", m_all);

    m_jetMode = AddLabel(this, QStringLiteral("LabelJetMode"), QStringLiteral("  1->2->3  "), 315, ToolsTop);
    QFont large = m_jetMode->font();
    large.setPointSize(14);
    m_jetMode->setFont(large);
    m_jetMode->setAlignment(Qt::AlignCenter);
    m_jetMode->setAutoFillBackground(true);
    SetBackground(m_jetMode, QColor(255, 255, 0));
    m_jetMode->resize(m_jetMode->sizeHint());
    m_jetMode->hide();

    m_extra = AddEditor(this, QStringLiteral("MapExtra"), NumericEditor::Origin::BuiltInCode, 625, ToolsTop, sink,
                        registry, "UpDownMapExtra");
    m_extraLabel = AddLabel(this, QStringLiteral("LabelMapExtra"), QStringLiteral("IAP -> TP [%]"), 691,
                            ToolsTop + 4, 280);
}

void MapGroup::moveToPage(QWidget *page)
{
    if (QWidget *old = parentWidget(); old != nullptr && old != page) {
        old->removeEventFilter(this);
    }
    if (parentWidget() != page)
        setParent(page);
    // Installing again only moves the filter to the front; the group may have
    // been born on this page without it.
    page->installEventFilter(this);
    setGeometry(page->rect());
    show();
}

void MapGroup::setExtraVisible(bool visible)
{
    SetShown(m_extra, visible);
    SetShown(m_extraLabel, visible);
}

void MapGroup::setExtraCaption(const QString &caption)
{
    SetLabelText(m_extraLabel, caption);
}

void MapGroup::setEditable(bool editable)
{
    if (testAttribute(Qt::WA_ForceDisabled) != editable && m_plus->isHidden() != editable)
        return;
    SetEnabled(this, editable);
    for (NumericEditor *editor : std::as_const(m_axis))
        editor->setSpinVisible(editable);
    for (NumericEditor *editor : std::as_const(m_cells))
        editor->setSpinVisible(editable);
    for (SpinArrows *spin : std::as_const(m_columnSpins))
        SetShown(spin, editable && m_gridShown);
    SetShown(m_minus, editable);
    SetShown(m_plus, editable);
    SetShown(m_all, editable);
}

void MapGroup::setGridShown(bool shown)
{
    if (shown == m_gridShown)
        return;
    m_gridShown = shown;
    for (QWidget *widget : std::as_const(m_gridCaptions))
        SetShown(widget, shown);
    for (QWidget *widget : std::as_const(m_rowLabels))
        SetShown(widget, shown);
    for (QWidget *widget : std::as_const(m_axis))
        SetShown(widget, shown);
    for (QWidget *widget : std::as_const(m_cells))
        SetShown(widget, shown);
    // The column spin buttons come back only where the map takes edits.
    for (QWidget *widget : std::as_const(m_columnSpins))
        SetShown(widget, shown && !m_plus->isHidden());
    update();  // the trail's rings go and come with the grid
}

void MapGroup::setRowTexts(const QStringList &texts)
{
    for (int j = 0; j < Rows && j < texts.size(); ++j)
        SetLabelText(m_rowLabels.at(j), texts.at(j));
}

void MapGroup::showJetMode(bool visible, const QString &text, const QColor &background)
{
    if (visible) {
        SetLabelText(m_jetMode, text);
        SetBackground(m_jetMode, background);
        if (m_jetMode->size() != m_jetMode->sizeHint())
            m_jetMode->resize(m_jetMode->sizeHint());
    }
    SetShown(m_jetMode, visible);
}

bool MapGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QGroupBox::eventFilter(watched, event);
}

int MapGroup::setTrail(const TrailAges &ages)
{
    int changed = 0;
    for (std::size_t i = 0; i < ages.size(); ++i) {
        if (ages[i] == m_trail[i])
            continue;
        m_trail[i] = ages[i];
        if (m_gridShown)
            update(TrailRingRegion(m_cells.at(static_cast<qsizetype>(i))->geometry()));
        ++changed;
    }
    return changed;
}

void MapGroup::paintEvent(QPaintEvent *event)
{
    QGroupBox::paintEvent(event);
    if (!m_gridShown || std::all_of(m_trail.begin(), m_trail.end(), [](std::uint8_t age) { return age == NoTrail; }))
        return;
    QPainter painter(this);
    // Oldest first, so that a newer ring is never painted over.
    for (int bucket = TrailBuckets - 1; bucket >= 0; --bucket) {
        for (std::size_t i = 0; i < m_trail.size(); ++i) {
            const QRect editor = m_cells.at(static_cast<qsizetype>(i))->geometry();
            if (m_trail[i] == bucket && event->region().intersects(editor.adjusted(-2, -2, 2, 2)))
                PaintTrailRing(painter, editor, m_trail[i]);
        }
    }
}

}  // namespace korvane::ui
