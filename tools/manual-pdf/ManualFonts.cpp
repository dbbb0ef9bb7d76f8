#include "ManualFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace korvane::manualpdf {

QString PinDejaVuFonts(const QString &folder)
{
    // Bold faces are real; italics are slanted by Qt when only the core set
    // is installed.
    static const QStringList files = {
        QStringLiteral("DejaVuSans.ttf"),
        QStringLiteral("DejaVuSans-Bold.ttf"),
        QStringLiteral("DejaVuSansMono.ttf"),
        QStringLiteral("DejaVuSansMono-Bold.ttf"),
    };
    QStringList missing;
    for (const QString &file : files) {
        const QString path = QDir(folder).filePath(file);
        if (QFontDatabase::addApplicationFont(path) < 0)
            missing << path;
    }
    if (missing.isEmpty())
        return {};
    return QStringLiteral("cannot load %1 (Debian package fonts-dejavu-core)").arg(missing.join(QStringLiteral(", ")));
}

}  // namespace korvane::manualpdf
