#include "app/ToolBar.h"

#include "app/ToolIcons.h"
#include "link/DeviceLink.h"
#include "ui/BarGauge.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace korvane::app {

namespace {

constexpr int DeviceLeft = 150;
constexpr int DeviceWidth = 90;
constexpr int DeviceGap = 10;
constexpr int StatusLeft = 470;
// Between a device button's caption and its frame, on each side.
constexpr int CaptionPadding = 12;
// Between the status text and the edge of its coloured box.
constexpr int StatusPadding = 4;

QToolButton *PictureButton(QWidget *parent, const char *name, const QIcon &icon, int left)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    // Picture buttons are mouse shortcuts; the menu serves the keyboard.
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 6, 28, 28);
    return button;
}

QPushButton *DeviceButton(QWidget *parent, const char *name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 7, DeviceWidth, 26);
    return button;
}

}  // namespace

ToolBar BuildToolBar(QWidget *parent)
{
    ToolBar t;
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("GroupBoxToolBar"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setFixedHeight(ToolBarHeight);
    t.GroupBoxToolBar = frame;

    t.SpeedButton6 = PictureButton(frame, "SpeedButton6", NewIcon(), 8);
    t.SpeedButton5 = PictureButton(frame, "SpeedButton5", OpenIcon(), 38);
    t.SpeedButton7 = PictureButton(frame, "SpeedButton7", SaveIcon(), 68);
    t.SpeedButtonPrint = PictureButton(frame, "SpeedButtonPrint", PrintIcon(), 98);

    t.ButtonRead = DeviceButton(frame, "ButtonRead", QStringLiteral("&Read"), DeviceLeft);
    t.ButtonVerify = DeviceButton(frame, "ButtonVerify", QStringLiteral("Verify"), DeviceLeft + DeviceWidth + DeviceGap);
    t.ButtonProgram =
        DeviceButton(frame, "ButtonProgram", QStringLiteral("Program"), DeviceLeft + 2 * (DeviceWidth + DeviceGap));

    t.LabelHlaseni = new QLabel(QStringLiteral("Programming:"), frame);
    t.LabelHlaseni->setObjectName(QStringLiteral("LabelHlaseni"));
    t.LabelHlaseni->setGeometry(StatusLeft, 7, ToolBar::StatusWidth, 26);
    t.LabelHlaseni->setAutoFillBackground(true);
    t.LabelHlaseni->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    t.LabelHlaseni->setMargin(StatusPadding);
    QFont font = t.LabelHlaseni->font();
    font.setBold(true);
    t.LabelHlaseni->setFont(font);
    t.LabelHlaseni->hide();

    t.CGauge = new ui::BarGauge(QStringLiteral("CGauge"), link::GaugeMax, QColor(0, 0, 160), frame);
    t.CGauge->setGeometry(740, 10, 250, 20);
    t.CGauge->hide();
    return t;
}

void FitDeviceButtons(const ToolBar &toolBar)
{
    int left = DeviceLeft;
    for (QPushButton *button : {toolBar.ButtonRead, toolBar.ButtonVerify, toolBar.ButtonProgram}) {
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));  // the access key's mark takes no room
        const int width = std::max({DeviceWidth, button->sizeHint().width(),
                                    button->fontMetrics().horizontalAdvance(caption) + 2 * CaptionPadding});
        button->setGeometry(left, button->y(), width, button->height());
        left += width + DeviceGap;
    }
    QLabel *status = toolBar.LabelHlaseni;
    status->move(std::max(StatusLeft, left), status->y());
}

}  // namespace korvane::app
