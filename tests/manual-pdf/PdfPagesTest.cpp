#include "ManualDocument.h"
#include "PdfPages.h"

#include <QFile>
#include <QPageSize>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <cmath>

namespace korvane::manualpdf {
namespace {

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
    const QPageLayout layout = ManualPageLayout();
    QTextDocument document;
    ASSERT_EQ(LoadManual(document, QStringLiteral(KORVANE_TEST_DATA_DIR "/manual-pdf/sample.md"), PageBody(layout)),
              QStringList());
    const QString pdf = out.filePath(QStringLiteral("sample.pdf"));
    ASSERT_EQ(WritePdf(document, layout, pdf, QStringLiteral("Sample manual")), QString());

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(page), document.pageCount());
    EXPECT_TRUE(bytes.contains("DejaVuSans")) << "text font not embedded";
    EXPECT_TRUE(bytes.contains("DejaVuSansMono")) << "code font not embedded";
}

TEST(PdfPagesTest, AnUnwritablePathIsAnError)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("x"));
    EXPECT_FALSE(WritePdf(document, ManualPageLayout(), QStringLiteral("/nonexistent/folder/x.pdf"), {}).isEmpty());
}

}  // namespace
}  // namespace korvane::manualpdf
