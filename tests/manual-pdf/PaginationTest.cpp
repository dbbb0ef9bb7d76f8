#include "ManualDocument.h"
#include "ManualLinks.h"
#include "Pagination.h"
#include "PdfPages.h"
#include "TableRules.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace korvane::manualpdf {
namespace {

const QString Sample = QStringLiteral(KORVANE_TEST_DATA_DIR "/manual-pdf/sample.md");

QString WriteManual(const QTemporaryDir &folder, const QString &markdown)
{
    QFile file(folder.filePath(QStringLiteral("manual.md")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(markdown.toUtf8());
    return file.fileName();
}

QTextBlock BlockStarting(const QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text().startsWith(text))
            return block;
    return {};
}

TEST(PaginationTest, HeadingAnchorsAreTheOnesForgesMake)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("1 Getting started"), QStringLiteral("1-getting-started")},
        {QStringLiteral("3.2 The page \"Position\""), QStringLiteral("32-the-page-position")},
        {QStringLiteral("Any device for one run: --device"), QStringLiteral("any-device-for-one-run---device")},
        {QStringLiteral("13 L'outil en ligne de commande korvane-cli"),
         QStringLiteral("13-loutil-en-ligne-de-commande-korvane-cli")},
        {QStringLiteral("Droits d'accès\u00a0: le groupe dialout"),
         QStringLiteral("droits-daccès-le-groupe-dialout")},
        {QStringLiteral("1 První kroky"), QStringLiteral("1-první-kroky")},
    };
    for (const auto &[heading, anchor] : cases)
        EXPECT_EQ(HeadingAnchor(heading), anchor) << heading.toStdString();
}

TEST(PaginationTest, ALinkToNoHeadingIsReported)
{
    QTemporaryDir folder;
    QTextDocument document;
    const QString manual = WriteManual(folder, QStringLiteral("# Title\n\n1. [Gone](#gone)\n\n## Here\n"));
    const QStringList problems = LoadManual(document, manual, PageBody(ManualPageLayout()));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("#gone"))) << problems[0].toStdString();
}

// For each contents entry: its chapter, the page it shows and the page the
// chapter's heading is on.
struct Entry {
    QString anchor;
    int shown;
    int page;
};

std::vector<Entry> Contents(const QTextDocument &document)
{
    QHash<QString, int> pages;
    for (const HeadingPage &heading : HeadingPages(document))
        pages[heading.anchor] = heading.page;
    std::vector<Entry> entries;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString anchor = block.blockFormat().property(ContentsEntryProperty).toString();
        if (!anchor.isEmpty())
            entries.push_back({anchor, block.text().section(u'\t', -1).toInt(), pages.value(anchor)});
    }
    return entries;
}

TEST(PaginationTest, ContentsEntriesShowThePageTheirChapterStartsOn)
{
    QTextDocument document;
    ASSERT_EQ(LoadManual(document, Sample, PageBody(ManualPageLayout())), QStringList());
    Paginate(document);
    const std::pair<QString, int> chapters[] = {
        {QStringLiteral("a-table"), 1}, {QStringLiteral("code"), 1}, {QStringLiteral("a-second-chapter"), 2}};
    const std::vector<Entry> entries = Contents(document);
    ASSERT_EQ(entries.size(), std::size(chapters));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].anchor, chapters[i].first);
        EXPECT_EQ(entries[i].page, chapters[i].second) << entries[i].anchor.toStdString();
        EXPECT_EQ(entries[i].shown, chapters[i].second) << entries[i].anchor.toStdString();
    }
}

TEST(PaginationTest, EveryManualHasNumberedContentsAndNoStrandedHeading)
{
    for (const char *language : {"en", "de", "fr", "cz"}) {
        QTextDocument document;
        const QString manual = QStringLiteral(KORVANE_TEST_DATA_DIR "/../../docs/manual/Korvane_%1.md").arg(language);
        ASSERT_EQ(LoadManual(document, manual, PageBody(ManualPageLayout())), QStringList()) << language;
        Paginate(document);
        EXPECT_EQ(StrandedHeadings(document), QStringList()) << language;
        const std::vector<Entry> entries = Contents(document);
        EXPECT_EQ(entries.size(), 14U) << language;
        for (const Entry &entry : entries)
            EXPECT_EQ(entry.shown, entry.page) << language << ' ' << entry.anchor.toStdString();
    }
}

// Filler pushes the heading down line by line past the foot of the first
// page; whatever follows it, its first lines (marked FOLLOW) share its page.
TEST(PaginationTest, AHeadingNeverEndsAPage)
{
    const QString text = QStringLiteral(" words that fill a line of the body to make a paragraph wrap").repeated(4);
    const std::pair<const char *, QString> followers[] = {
        {"paragraph", QStringLiteral("FOLLOW") + text},
        {"table", QStringLiteral("| Head | Meaning |\n|---|---|\n| FOLLOW | one |\n| two | three |")},
        {"subheading", QStringLiteral("### Sub\n\nFOLLOW") + text},
    };
    for (const auto &[kind, follower] : followers) {
        int strandedBefore = 0;
        for (int filler = 30; filler < 70; ++filler) {
            QTemporaryDir folder;
            const QString manual = WriteManual(
                folder, QStringLiteral("# T\n\n") + QStringLiteral("Filler line.\n\n").repeated(filler)
                            + QStringLiteral("## Heading\n\n") + follower + QStringLiteral("\n\nEnd.\n"));
            QTextDocument document;
            ASSERT_EQ(LoadManual(document, manual, PageBody(ManualPageLayout())), QStringList());
            const auto headingPage = [&] {
                const QTextBlock heading = BlockStarting(document, QStringLiteral("Heading"));
                return PageAt(document, LineRect(document, heading, 0).top());
            };
            const auto followPage = [&] {
                const QTextBlock follow = BlockStarting(document, QStringLiteral("FOLLOW"));
                const int line = std::min(1, follow.layout()->lineCount() - 1);
                return PageAt(document, LineRect(document, follow, line).bottom() - 1);
            };
            strandedBefore += headingPage() != followPage() ? 1 : 0;
            Paginate(document);
            EXPECT_EQ(headingPage(), followPage()) << kind << " after " << filler << " lines";
            EXPECT_EQ(StrandedHeadings(document), QStringList()) << kind << " after " << filler << " lines";
        }
        EXPECT_GT(strandedBefore, 0) << kind << ": the filler never strands the heading";
    }
}

TEST(PaginationTest, EveryTableRuleIsOneLineOfOneWidth)
{
    QTextDocument document;
    const QSizeF body = PageBody(ManualPageLayout());
    ASSERT_EQ(LoadManual(document, Sample, body), QStringList());
    const QList<QLineF> lines = RuleLines(TableRules(document, QRectF(QPointF(0, 0), body)));
    // The sample's table has three columns and three rows.
    QList<double> across;
    QList<double> down;
    for (const QLineF &line : lines)
        (line.dy() == 0 ? across : down).append(line.dy() == 0 ? line.y1() : line.x1());
    EXPECT_EQ(across.size(), 4);
    EXPECT_EQ(down.size(), 4);
    for (const QList<double> &rules : {across, down})
        for (int i = 1; i < rules.size(); ++i)
            EXPECT_GT(rules[i] - rules[i - 1], 2 * RuleWidth) << "two rules drawn as one wider one";
}

}  // namespace
}  // namespace korvane::manualpdf
