// The manual tool needs a GUI application with the DejaVu fonts pinned.

#include "ManualFonts.h"

#include <QGuiApplication>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (const QString error = korvane::manualpdf::PinDejaVuFonts(); !error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return RUN_ALL_TESTS();
}
