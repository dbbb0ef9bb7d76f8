#include "about/FormAbout.h"

#include "about/AboutPicture.h"
#include "about/BuildStamp.h"
#include "lang/Captions.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

namespace korvane::about {

namespace {

constexpr int LabelPointSize = 8;
constexpr int ExitPixelSize = 19;
constexpr int ExitWidth = 56;
constexpr int ExitHeight = 34;

QLabel *BlackLabel(QWidget *parent, const char *name, const QString &text, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont face = label->font();
    face.setPointSize(LabelPointSize);
    label->setFont(face);
    label->adjustSize();
    label->move(at);
    return label;
}

}  // namespace

FormAbout::FormAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormAbout"));
    setFixedSize(DesignWidth, DesignHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setPixmap(QPixmap::fromImage(DrawAboutPicture()));
    m_image->setGeometry(QRect(QPoint(2, 2), AboutPictureSize));

    m_date = BlackLabel(this, "LabelDate", QString::fromLatin1(BuildDate()), QPoint(16, 569));
    m_time = BlackLabel(this, "LabelTime", QString::fromLatin1(BuildTime()), QPoint(168, 569));

    // A flat button rather than a bare label, so Enter and the keyboard close it too.
    m_exit = new QPushButton(QStringLiteral("OK"), this);
    m_exit->setObjectName(QStringLiteral("LabelExit"));
    m_exit->setFlat(true);
    m_exit->setDefault(true);
    m_exit->setCursor(Qt::PointingHandCursor);
    QFont exitFace = m_exit->font();
    exitFace.setPixelSize(ExitPixelSize);
    m_exit->setFont(exitFace);
    m_exit->setGeometry(480, 561, ExitWidth, ExitHeight);
    connect(m_exit, &QPushButton::clicked, this, &FormAbout::Button1Click);
}

void FormAbout::FormActivate(std::uint8_t language)
{
    setWindowTitle(QString::fromStdString(
        lang::CaptionText("FormAbout", lang::CaptionProperty::Caption, language)));
}

void FormAbout::CentreOn(const QRect &area)
{
    move(area.left() + area.width() / 2 - width() / 2, area.top() + area.height() / 2 - height() / 2);
}

void FormAbout::Button1Click()
{
    accept();
}

}  // namespace korvane::about
