#pragma once

// What the commands that draw (print, sheet) need from Qt: a graphical
// application object without a screen, and silence about that.

#include <QtGlobal>

namespace korvane::cli {

// Makes sure a QApplication exists, on the offscreen platform unless one is
// chosen; it is kept for the process. Throws when another kind of application
// object exists already.
void EnsureGuiApplication();

// Qt's remarks about the offscreen platform (no size hints, no runtime
// folder) are no news to the user of a command line; real errors still show.
class QuietPlatform {
public:
    QuietPlatform() { s_previous = qInstallMessageHandler(&QuietPlatform::handle); }
    ~QuietPlatform() { qInstallMessageHandler(s_previous); }
    QuietPlatform(const QuietPlatform &) = delete;
    QuietPlatform &operator=(const QuietPlatform &) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            if (s_previous != nullptr)
                s_previous(type, context, text);
        }
    }
    static inline QtMessageHandler s_previous = nullptr;
};

}  // namespace korvane::cli
