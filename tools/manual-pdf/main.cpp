// korvane-manual-pdf MANUAL.md OUTPUT.pdf: one Markdown manual to one PDF.

#include "ManualDocument.h"
#include "ManualFonts.h"
#include "PdfPages.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv)
{
    using namespace korvane::manualpdf;
    // A build machine has no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QGuiApplication::arguments().mid(1);
    if (arguments.size() != 2) {
        std::fputs("Usage: korvane-manual-pdf MANUAL.md OUTPUT.pdf\n", stderr);
        return 2;
    }
    const QString &input = arguments.at(0);
    const QString &output = arguments.at(1);

    if (const QString error = PinDejaVuFonts(); !error.isEmpty()) {
        std::fprintf(stderr, "korvane-manual-pdf: %s\n", qPrintable(error));
        return 1;
    }
    const QPageLayout layout = ManualPageLayout();
    QTextDocument document;
    const QStringList problems = LoadManual(document, input, PageBody(layout));
    for (const QString &problem : problems)
        std::fprintf(stderr, "korvane-manual-pdf: %s: %s\n", qPrintable(input), qPrintable(problem));
    if (!problems.isEmpty())
        return 1;

    const QString title = document.firstBlock().text().trimmed();
    if (const QString error = WritePdf(document, layout, output, title); !error.isEmpty()) {
        std::fprintf(stderr, "korvane-manual-pdf: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
