#pragma once

// Where F1 finds the manual. The manuals are named per language and carry no
// folder; the first folder that holds the file wins.

#include <QString>
#include <QStringList>

namespace korvane::about {

// The folders searched, in order: the working folder, so manuals beside the
// program are found when it is started from its own folder; then the
// installed manual folder, share/korvane/manual beside the program's bin.
[[nodiscard]] QStringList ManualFolders();

// The absolute path of fileName in the first of folders that holds it as a
// readable file; empty when none does. The desktop's opener reports success
// even for a missing file, so the window asks this first.
[[nodiscard]] QString FindManual(const QString &fileName, const QStringList &folders);

}  // namespace korvane::about
