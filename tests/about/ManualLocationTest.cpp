#include "about/ManualLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvane::about {
namespace {

TEST(ManualLocationTest, WorkingFolderFirstThenTheInstalledFolderBesideTheProgram)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString oldWork = QDir::currentPath();
    QDir::setCurrent(work.path());

    const QStringList expected = {
        QDir(work.path()).canonicalPath(),
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/korvane/manual")),
    };
    EXPECT_EQ(ManualFolders(), expected);
    QDir::setCurrent(oldWork);
}

TEST(ManualLocationTest, TheFirstFolderHoldingTheFileWins)
{
    enum Holds { Nothing, File, Folder };
    struct Case {
        Holds first;
        Holds second;
        int found;  // index of the folder expected, -1 for none
    };
    const Case cases[] = {
        {File, File, 0},
        {Nothing, File, 1},
        {Folder, File, 1},
        {Nothing, Nothing, -1},
        {Folder, Nothing, -1},
    };
    const QString name = QStringLiteral("Korvane_cz.pdf");
    for (const Case &c : cases) {
        QTemporaryDir first;
        QTemporaryDir second;
        ASSERT_TRUE(first.isValid() && second.isValid());
        const QStringList folders = {first.path(), second.path()};
        for (int i = 0; i < 2; ++i) {
            const Holds holds = i == 0 ? c.first : c.second;
            if (holds == File) {
                QFile file(QDir(folders[i]).filePath(name));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            } else if (holds == Folder) {
                ASSERT_TRUE(QDir(folders[i]).mkdir(name));
            }
        }
        const QString expected = c.found < 0 ? QString() : QDir(folders[c.found]).absoluteFilePath(name);
        EXPECT_EQ(FindManual(name, folders), expected) << int(c.first) << ' ' << int(c.second);
    }
}

}  // namespace
}  // namespace korvane::about
