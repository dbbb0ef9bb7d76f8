#include "ManualDocument.h"
#include "PdfPages.h"
#include "TableRules.h"

#include <QFile>
#include <QPageSize>
#include <QRegularExpression>
#include <QtEndian>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace korvane::manualpdf {
namespace {

const QString Sample = QStringLiteral(KORVANE_TEST_DATA_DIR "/manual-pdf/sample.md");

QByteArray SamplePdf(const QTemporaryDir &out, int *pages = nullptr)
{
    const QPageLayout layout = ManualPageLayout();
    QTextDocument document;
    EXPECT_EQ(LoadManual(document, Sample, PageBody(layout)), QStringList());
    const QString pdf = out.filePath(QStringLiteral("sample.pdf"));
    EXPECT_EQ(WritePdf(document, layout, pdf, QStringLiteral("Sample manual")), QString());
    if (pages)
        *pages = document.pageCount();
    QFile file(pdf);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QStringList Captures(const QString &text, const QString &pattern)
{
    QStringList found;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// The page contents, inflated: what the PDF draws.
QString Drawing(const QByteArray &pdf)
{
    QString drawing;
    static const QRegularExpression stream(QStringLiteral("/FlateDecode[^>]*>>\\s*stream\\n"));
    for (auto it = stream.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const qsizetype from = it.next().capturedEnd();
        const QByteArray packed = pdf.mid(from, pdf.indexOf("endstream", from) - from);
        QByteArray sized(4, '\0');
        qToBigEndian(static_cast<quint32>(packed.size() * 50), sized.data());
        drawing += QString::fromLatin1(qUncompress(sized + packed));
    }
    return drawing;
}

TEST(PdfPagesTest, BodyIsA4InsideTheMarginsAboveTheFooter)
{
    const QPageLayout layout = ManualPageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    const QSizeF body = PageBody(layout);
    // 170 mm of 210 mm, in whole units of 1/96 inch, so page edges fall on
    // the layout's own steps.
    EXPECT_NEAR(body.width(), 170 / 25.4 * 96, 1.0);
    EXPECT_EQ(body.height(), std::floor(body.height()));
    EXPECT_LT(body.height(), 257 / 25.4 * 96);
    EXPECT_GT(body.height(), 240 / 25.4 * 96);
}

TEST(PdfPagesTest, WritesOnePdfPagePerDocumentPageWithTheFontsEmbedded)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    int pages = 0;
    const QByteArray bytes = SamplePdf(out, &pages);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(page), pages);
    EXPECT_TRUE(bytes.contains("DejaVuSans")) << "text font not embedded";
    EXPECT_TRUE(bytes.contains("DejaVuSansMono")) << "code font not embedded";
}

// The contents lead within the file to the page each chapter starts on, and
// the amended file's new cross references point at the objects they name.
TEST(PdfPagesTest, ContentsEntriesLinkToTheirChaptersPages)
{
    QTemporaryDir out;
    const QString pdf = QString::fromLatin1(SamplePdf(out));
    const QStringList pageObjects =
        Captures(Captures(pdf, QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]")).value(0), QStringLiteral("(\\d+) 0 R"));
    QStringList targets;
    for (const QString &object : Captures(pdf, QStringLiteral("/Subtype /Link[^>]*/Dest \\[(\\d+) 0 R")))
        targets << QString::number(pageObjects.indexOf(object) + 1);
    EXPECT_EQ(targets, (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_FALSE(pdf.contains(QStringLiteral("/URI (#"))) << "an internal link left as an address";

    const QString update = pdf.mid(pdf.lastIndexOf(QStringLiteral("\nxref\n")));
    static const QRegularExpression subsection(QStringLiteral("(?<=\\n)(\\d+) (\\d+)\\n((?:\\d{10} \\d{5} n \\n)+)"));
    int checked = 0;
    for (auto it = subsection.globalMatch(update); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QStringList offsets = Captures(match.captured(3), QStringLiteral("(\\d{10}) "));
        for (int i = 0; i < offsets.size(); ++i, ++checked) {
            const QString object = QStringLiteral("%1 0 obj").arg(match.captured(1).toInt() + i);
            EXPECT_TRUE(pdf.mid(offsets[i].toLongLong()).startsWith(object)) << object.toStdString();
        }
    }
    EXPECT_EQ(checked, 4) << "three links and the first page's list of them";
}

// Every rule is a stroke of one width; none is a thin filled rectangle, as
// the layout would draw them, two per rule between cells.
TEST(PdfPagesTest, TableRulesAreStrokedAtOneWidth)
{
    QTemporaryDir out;
    const QString drawing = Drawing(SamplePdf(out));
    const QStringList widths =
        Captures(drawing, QStringLiteral("0\\.6\\d* 0\\.6\\d* 0\\.6\\d* SCN\\s+([\\d.]+) w"));
    ASSERT_FALSE(widths.isEmpty());
    for (const QString &width : widths)
        EXPECT_DOUBLE_EQ(width.toDouble(), RuleWidth);
    static const QRegularExpression fill(QStringLiteral("([-\\d.]+) ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) re\\s+f"));
    for (auto it = fill.globalMatch(drawing); it.hasNext();) {
        const QRegularExpressionMatch rect = it.next();
        EXPECT_GT(std::min(std::abs(rect.captured(3).toDouble()), std::abs(rect.captured(4).toDouble())), 1.0)
            << rect.captured(0).toStdString();
    }
}

TEST(PdfPagesTest, AnUnwritablePathIsAnError)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("x"));
    EXPECT_FALSE(WritePdf(document, ManualPageLayout(), QStringLiteral("/nonexistent/folder/x.pdf"), {}).isEmpty());
}

}  // namespace
}  // namespace korvane::manualpdf
