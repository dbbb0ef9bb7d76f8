#include "print/HeaderText.h"

#include "printout/PrintHeader.h"

#include <QLocale>

namespace korvane::print {

QString PrintHeader(std::uint8_t language, const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    const std::string timeFormat =
        printout::TimeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat).toStdString());
    const QString time = locale.toString(when.time(), QString::fromStdString(timeFormat));
    return QString::fromStdString(printout::PrintHeaderText(language, date.toStdString(), time.toStdString()));
}

}  // namespace korvane::print
