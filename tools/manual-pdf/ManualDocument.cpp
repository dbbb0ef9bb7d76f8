#include "ManualDocument.h"

#include "ManualFonts.h"
#include "ManualLinks.h"
#include "TableRules.h"

#include <QBrush>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVariant>

#include <vector>

namespace korvane::manualpdf {

namespace {

const QColor HeaderColour(0xE8, 0xE8, 0xE8);
const QColor CodeColour(0xF2, 0xF2, 0xF2);

// The Markdown reader leaves most text on the default font but gives code its
// own fixed-pitch family; both are pinned here, fragment by fragment.
void PinFonts(QTextDocument &document)
{
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        std::vector<std::pair<int, int>> code;
        std::vector<std::pair<int, int>> text;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const bool fixed = fragment.charFormat().fontFixedPitch() || block.blockFormat().nonBreakableLines();
            (fixed ? code : text).emplace_back(fragment.position(), fragment.length());
        }
        for (const auto &[runs, family] : {std::pair{&code, CodeFamily}, std::pair{&text, TextFamily}}) {
            QTextCharFormat format;
            format.setFontFamilies(QStringList{family});
            for (const auto &[position, length] : *runs) {
                cursor.setPosition(position);
                cursor.setPosition(position + length, QTextCursor::KeepAnchor);
                cursor.mergeCharFormat(format);
            }
        }
    }
}

void FormatBlocks(QTextDocument &document)
{
    QTextCursor cursor(&document);
    bool firstChapter = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const int level = format.headingLevel();
        if (level == 1) {
            if (!firstChapter)
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            firstChapter = false;
        }
        if (level > 0)
            format.setTopMargin(level <= 2 ? 14.0 : 8.0);
        if (format.nonBreakableLines())
            format.setBackground(CodeColour);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

void FormatTable(QTextTable &table)
{
    QTextTableFormat format = table.format();
    format.setCellPadding(CellPadding);
    format.setCellSpacing(0);
    format.setBorder(RuleWidth);
    format.setBorderBrush(RuleColour);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setHeaderRowCount(1);
    table.setFormat(format);
    // With collapsed borders the cells draw the rules, one line between two cells.
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            QTextTableCell cell = table.cellAt(row, column);
            QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            cellFormat.setBorder(format.border());
            cellFormat.setBorderBrush(RuleColour);
            cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            if (row == 0)
                cellFormat.setBackground(HeaderColour);
            cell.setFormat(cellFormat);
        }
    }
}

void FormatTables(QTextFrame *frame)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            FormatTable(*table);
        FormatTables(child);
    }
}

// Screenshots are wider than a page; they are shown at the body width, never
// enlarged. An image that cannot be loaded is a fault of the manual.
QStringList FitImages(QTextDocument &document, double bodyWidth)
{
    std::vector<std::pair<int, QTextImageFormat>> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat())
                images.emplace_back(fragment.position(), fragment.charFormat().toImageFormat());
        }
    }

    QStringList problems;
    QTextCursor cursor(&document);
    for (auto &[position, image] : images) {
        const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(image.name()));
        QImage picture = resource.value<QImage>();
        if (picture.isNull())
            picture.loadFromData(resource.toByteArray());
        if (picture.isNull()) {
            problems << QStringLiteral("image %1 cannot be loaded").arg(image.name());
            continue;
        }
        double width = image.width() > 0 ? image.width() : picture.width();
        double height = image.height() > 0 ? image.height() : width * picture.height() / picture.width();
        if (width > bodyWidth) {
            height *= bodyWidth / width;
            width = bodyWidth;
        }
        image.setWidth(width);
        image.setHeight(height);
        // An image is one character of the text.
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(image);
    }
    return problems;
}

}  // namespace

QStringList LoadManual(QTextDocument &document, const QString &path, const QSizeF &pageBody)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};

    QFont font(TextFamily);
    font.setPointSizeF(TextPointSize);
    document.setDefaultFont(font);
    // Metrics from the font design, not from screen hinting, since the page
    // is drawn at the printer's resolution.
    document.setUseDesignMetrics(true);
    document.setDocumentMargin(0);
    document.setPageSize(pageBody);
    // Relative image paths are relative to the manual, not to our working folder.
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteDir().absolutePath() + QLatin1Char('/')));
    document.setMarkdown(QString::fromUtf8(file.readAll()), QTextDocument::MarkdownDialectGitHub);

    PinFonts(document);
    FormatBlocks(document);
    FormatTables(document.rootFrame());
    return FitImages(document, pageBody.width()) + ResolveLinks(document, pageBody.width());
}

}  // namespace korvane::manualpdf
