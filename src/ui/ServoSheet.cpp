#include "ServoSheet.h"

#include "EditorRegistry.h"
#include "GestureSink.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace korvane::ui {

namespace {

constexpr int GroupHeight = 150;
const QSize LogoSize(300, 180);

}  // namespace

ServoSheet::ServoSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Servo"));
    m_group = AddGroup(this, QStringLiteral("GroupBoxServo"), QStringLiteral("Servo"), QRect(8, 6, 960, GroupHeight));
    AddLabel(m_group, QStringLiteral("LabelServoRpm"), QStringLiteral("RPM"), 6, 37, 36);
    AddLabel(m_group, QStringLiteral("LabelServoNap"), QStringLiteral("[mV]"), 6, 72, 36);
    m_curve = AddCurveControls(m_group, QStringLiteral("Servo_Rpm"), QStringLiteral("Servo_mV"),
                               QStringLiteral("Servo"), sink, registry);

    AddLabel(m_group, QStringLiteral("LabelServoHyster"), QStringLiteral("Servo Hysteresis [mV]"), 10,
             CurveToolsTop + 3, 180);
    m_hyster = AddEditor(m_group, QStringLiteral("ServoHyster"), NumericEditor::Origin::Form, 200, CurveToolsTop - 1,
                         sink, registry, "UpDownServoHyster");
    // A step of the hysteresis may change what is enabled, like a check box.
    connect(m_hyster, &NumericEditor::upDownClick, this, [&sink] { sink.CheckBoxMouseUp(); });

    const int below = 6 + GroupHeight + 10;
    m_enable = AddCheckBox(this, QStringLiteral("CheckBoxServoEnable"), QStringLiteral("Servo Enable"), 16, below);
    connect(m_enable, &QCheckBox::clicked, this, [&sink] { sink.CheckBoxMouseUp(); });
    registry.addCheck("CheckBoxServoEnable", m_enable);

    m_gearLabel = AddLabel(this, QStringLiteral("LabelGearIsCecked"), QStringLiteral("Gear instead of servo is checked"),
                           200, below);
    m_gearLabel->setAutoFillBackground(true);
    QPalette yellow = m_gearLabel->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    m_gearLabel->setPalette(yellow);
    m_gearLabel->hide();

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("ImageLogo1"));
    m_logo->setPixmap(DrawLogo(LogoSize));
    m_logo->setGeometry(16, below + 34, LogoSize.width(), LogoSize.height());
}

QPixmap ServoSheet::DrawLogo(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 300.0, size.height() / 180.0);

    // Throttle body: a cast block with the bore and a half-open butterfly.
    QLinearGradient cast(0, 20, 0, 160);
    cast.setColorAt(0, QColor(205, 210, 215));
    cast.setColorAt(1, QColor(130, 138, 146));
    p.setPen(QPen(QColor(70, 75, 80), 2));
    p.setBrush(cast);
    p.drawRoundedRect(QRectF(20, 25, 150, 130), 14, 14);

    QRadialGradient bore(95, 90, 55);
    bore.setColorAt(0, QColor(40, 42, 46));
    bore.setColorAt(1, QColor(95, 100, 108));
    p.setBrush(bore);
    p.drawEllipse(QPointF(95, 90), 50, 50);

    p.save();
    p.translate(95, 90);
    p.rotate(-35);
    p.setBrush(QColor(190, 160, 80));
    p.setPen(QPen(QColor(120, 95, 40), 2));
    p.drawEllipse(QPointF(0, 0), 48, 14);
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(QPointF(-50, 0), QPointF(50, 0));
    p.restore();

    // Shaft to the servo drum.
    p.setPen(QPen(QColor(60, 60, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(170, 90), QPointF(200, 90));

    // Servo motor with its drum and two cables.
    QLinearGradient housing(200, 40, 280, 140);
    housing.setColorAt(0, QColor(60, 90, 160));
    housing.setColorAt(1, QColor(25, 40, 90));
    p.setPen(QPen(QColor(20, 25, 50), 2));
    p.setBrush(housing);
    p.drawRoundedRect(QRectF(200, 45, 80, 90), 10, 10);
    p.setBrush(QColor(225, 225, 230));
    p.drawEllipse(QPointF(240, 90), 24, 24);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(240, 90), 5, 5);

    QPainterPath cable;
    cable.moveTo(240, 66);
    cable.cubicTo(240, 20, 290, 20, 296, 5);
    cable.moveTo(240, 114);
    cable.cubicTo(240, 160, 290, 160, 296, 176);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);

    // Air flow arrows into the bore.
    p.setPen(QPen(QColor(40, 150, 220), 3, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const double y = 70 + 20 * k;
        p.drawLine(QPointF(2, y), QPointF(30, y));
        p.drawLine(QPointF(30, y), QPointF(23, y - 5));
        p.drawLine(QPointF(30, y), QPointF(23, y + 5));
    }
    return pixmap;
}

}  // namespace korvane::ui
