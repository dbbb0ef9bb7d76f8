#include "ManualDocument.h"
#include "ManualFonts.h"
#include "PdfPages.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

namespace korvane::manualpdf {
namespace {

const QString Sample = QStringLiteral(KORVANE_TEST_DATA_DIR "/manual-pdf/sample.md");

class ManualDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Images must be found beside the manual, not in the working folder.
        ASSERT_TRUE(m_elsewhere.isValid());
        m_oldWork = QDir::currentPath();
        QDir::setCurrent(m_elsewhere.path());
    }
    void TearDown() override { QDir::setCurrent(m_oldWork); }

    QTemporaryDir m_elsewhere;
    QString m_oldWork;
};

std::vector<QTextImageFormat> Images(const QTextDocument &document)
{
    std::vector<QTextImageFormat> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images.push_back(it.fragment().charFormat().toImageFormat());
    return images;
}

TEST_F(ManualDocumentTest, TextAndCodeAreSetInDejaVu)
{
    QTextDocument document;
    ASSERT_EQ(LoadManual(document, Sample, PageBody(ManualPageLayout())), QStringList());
    EXPECT_EQ(QFontInfo(document.defaultFont()).family(), TextFamily);

    int code = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool fixed = format.fontFixedPitch() || block.blockFormat().nonBreakableLines();
            code += fixed ? 1 : 0;
            EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{fixed ? CodeFamily : TextFamily})
                << it.fragment().text().toStdString();
        }
    }
    EXPECT_GE(code, 2) << "the sample has inline code and a code block";
}

TEST_F(ManualDocumentTest, TablesHavePaddedRuledCellsAndARepeatedHeader)
{
    QTextDocument document;
    ASSERT_EQ(LoadManual(document, Sample, PageBody(ManualPageLayout())), QStringList());
    int tables = 0;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        ++tables;
        const QTextTableFormat format = table->format();
        EXPECT_EQ(format.cellPadding(), CellPadding);
        EXPECT_GT(format.border(), 0);
        EXPECT_EQ(format.headerRowCount(), 1);
    }
    EXPECT_EQ(tables, 1);
}

TEST_F(ManualDocumentTest, ImagesComeFromTheManualsFolderAndFitTheBody)
{
    const QSizeF body = PageBody(ManualPageLayout());
    QTextDocument document;
    ASSERT_EQ(LoadManual(document, Sample, body), QStringList());
    const std::vector<QTextImageFormat> images = Images(document);
    ASSERT_EQ(images.size(), 2U);
    // 1200 × 300 is shrunk to the body width with its proportions; 64 × 64 stays.
    EXPECT_DOUBLE_EQ(images[0].width(), body.width());
    EXPECT_DOUBLE_EQ(images[0].height(), body.width() / 4);
    EXPECT_DOUBLE_EQ(images[1].width(), 64);
    EXPECT_DOUBLE_EQ(images[1].height(), 64);
}

TEST_F(ManualDocumentTest, AMissingImageOrManualIsReported)
{
    QFile manual(m_elsewhere.filePath(QStringLiteral("broken.md")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.write("# Broken\n\n![gone](images/gone.png)\n");
    manual.close();

    QTextDocument document;
    const QSizeF body = PageBody(ManualPageLayout());
    const QStringList problems = LoadManual(document, manual.fileName(), body);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("images/gone.png"))) << problems[0].toStdString();

    QTextDocument none;
    EXPECT_EQ(LoadManual(none, m_elsewhere.filePath(QStringLiteral("absent.md")), body).size(), 1);
}

TEST_F(ManualDocumentTest, EveryChapterButTheFirstStartsANewPage)
{
    QTextDocument document;
    ASSERT_EQ(LoadManual(document, Sample, PageBody(ManualPageLayout())), QStringList());
    QStringList breaking;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            breaking << block.text();
    EXPECT_EQ(breaking, QStringList{QStringLiteral("A second chapter")});
    EXPECT_EQ(document.pageCount(), 2);
}

}  // namespace
}  // namespace korvane::manualpdf
