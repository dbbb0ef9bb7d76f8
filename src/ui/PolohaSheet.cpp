#include "PolohaSheet.h"

#include "EditorRegistry.h"
#include "GestureSink.h"
#include "RadioGroup.h"

#include <QGroupBox>
#include <QLabel>

namespace korvane::ui {

namespace {

constexpr int GroupHeight = 168;

}  // namespace

PolohaSheet::PolohaSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Poloha"));
    m_a = build(Side::A, 6, sink, registry);
    m_b = build(Side::B, 6 + GroupHeight + 10, sink, registry);
}

PolohaSheet::Part PolohaSheet::build(Side side, int top, GestureSink &sink, EditorRegistry &registry)
{
    const QString letter = side == Side::A ? QStringLiteral("A") : QStringLiteral("B");
    const QString suffix = QStringLiteral("Poloha") + letter;
    Part part;
    part.group = AddGroup(this, QStringLiteral("GroupBox") + suffix, QStringLiteral("Position of Injection ") + letter,
                          QRect(8, top, 960, GroupHeight));
    AddLabel(part.group, QStringLiteral("Label") + suffix + QStringLiteral("_1"), QStringLiteral("RPM"), 6, 37, 36);
    AddLabel(part.group, QStringLiteral("Label") + suffix + QStringLiteral("_2"), QStringLiteral("[°]"), 6, 72, 36);
    part.curve = AddCurveControls(part.group, suffix + QStringLiteral("_Rpm"), suffix + QStringLiteral("_Deg"),
                                  suffix, sink, registry);

    part.reference = new RadioGroup(QStringLiteral("RadioGroup") + suffix, QStringLiteral("Position of:"),
                                    {QStringLiteral("Beginning"), QStringLiteral("Centre"), QStringLiteral("End")},
                                    3, part.group);
    part.reference->setGeometry(10, 100, 320, 56);
    // Out of the tab order: Tab walks the editors only.
    part.reference->setButtonFocusPolicy(Qt::NoFocus);
    part.reference->setItemIndex(1);
    connect(part.reference, &RadioGroup::clicked, this, [&sink] { sink.RadioGroupPolohaAClick(); });
    registry.addRadio((QStringLiteral("RadioGroup") + suffix).toStdString(), part.reference);
    return part;
}

}  // namespace korvane::ui
