#include "ManualLinks.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

#include <vector>

namespace korvane::manualpdf {

namespace {

// The one internal target every fragment of block links to, else empty.
QString SoleTarget(const QTextBlock &block)
{
    QString target;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QString fragmentTarget = InternalTarget(it.fragment().charFormat().anchorHref());
        if (fragmentTarget.isEmpty() || (!target.isEmpty() && fragmentTarget != target))
            return {};
        target = fragmentTarget;
    }
    return target;
}

void NameHeadings(QTextDocument &document)
{
    QHash<QString, int> seen;
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QString anchor = HeadingAnchor(block.text());
        if (const int repeats = seen[anchor]++; repeats > 0)
            anchor += QStringLiteral("-%1").arg(repeats);
        QTextCharFormat name;
        name.setAnchorNames({anchor});
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(name);
    }
}

// "title<tab>0", the page number right-aligned at the body's edge; the
// number is set once the pages are known. The whole line is the link and
// reads as plain text, as contents do on paper.
void MakeContentsEntry(QTextBlock block, const QString &anchor, double bodyWidth)
{
    const QTextDocument *document = block.document();
    QTextCharFormat format = block.begin().fragment().charFormat();
    format.clearForeground();
    format.setFontUnderline(false);

    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral("\t0"));
    cursor.setPosition(block.position());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);

    QTextBlockFormat blockFormat = block.blockFormat();
    const double indent = block.textList()->format().indent() * document->indentWidth() + blockFormat.leftMargin();
    blockFormat.setTabPositions({QTextOption::Tab(bodyWidth - indent, QTextOption::RightTab)});
    blockFormat.setProperty(ContentsEntryProperty, anchor);
    cursor.setBlockFormat(blockFormat);
}

}  // namespace

QString HeadingAnchor(const QString &heading)
{
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c == u' ')
            anchor += u'-';
        else if (c.isLetterOrNumber() || c.isMark() || c == u'-' || c == u'_')
            anchor += c;
    }
    return anchor;
}

QString InternalTarget(const QString &href)
{
    if (!href.startsWith(u'#'))
        return {};
    return QUrl::fromPercentEncoding(href.mid(1).toUtf8());
}

QTextBlock HeadingBlock(const QTextDocument &document, const QString &anchor)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.begin() != block.end()
            && block.begin().fragment().charFormat().anchorNames().contains(anchor))
            return block;
    }
    return {};
}

QStringList ResolveLinks(QTextDocument &document, double bodyWidth)
{
    NameHeadings(document);

    QStringList problems;
    std::vector<std::pair<QTextBlock, QString>> entries;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString target = InternalTarget(it.fragment().charFormat().anchorHref());
            if (!target.isEmpty() && !HeadingBlock(document, target).isValid())
                problems << QStringLiteral("link \"%1\" leads to no heading (#%2)").arg(it.fragment().text(), target);
        }
        if (block.textList() != nullptr)
            if (const QString target = SoleTarget(block); !target.isEmpty())
                entries.emplace_back(block, target);
    }
    for (const auto &[block, anchor] : entries)
        MakeContentsEntry(block, anchor, bodyWidth);
    return problems;
}

}  // namespace korvane::manualpdf
