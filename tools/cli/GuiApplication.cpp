#include "GuiApplication.h"

#include <QApplication>

#include <stdexcept>

namespace korvane::cli {

void EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        if (qobject_cast<QApplication *>(QCoreApplication::instance()) == nullptr)
            throw std::runtime_error("drawing needs a graphical application object");
        return;
    }
    // No screen is needed: the window is drawn offscreen unless a platform is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the process, like the core application of the device commands.
    static int argc = 1;
    static char name[] = "korvane-cli";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

}  // namespace korvane::cli
