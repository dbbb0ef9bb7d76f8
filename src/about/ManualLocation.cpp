#include "about/ManualLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korvane::about {

#ifndef KORVANE_MANUAL_FROM_PROGRAM
#define KORVANE_MANUAL_FROM_PROGRAM "../share/korvane/manual"
#endif

QStringList ManualFolders()
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                              QStringLiteral(KORVANE_MANUAL_FROM_PROGRAM));
    return {QDir::currentPath(), installed};
}

QString FindManual(const QString &fileName, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QFileInfo info(QDir(folder), fileName);
        if (info.isFile() && info.isReadable())
            return info.absoluteFilePath();
    }
    return {};
}

}  // namespace korvane::about
