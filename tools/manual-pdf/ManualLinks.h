#pragma once

// Links inside a manual: headings are named the way Markdown forges name
// them, so "[Printing](#8-printing)" works on a forge and in the PDF alike,
// and a list item that is nothing but such a link is a contents entry that
// carries its chapter's page number.

#include <QString>
#include <QStringList>
#include <QTextFormat>

class QTextBlock;
class QTextDocument;

namespace korvane::manualpdf {

// A contents entry's block carries its chapter's anchor in this property.
inline constexpr int ContentsEntryProperty = QTextFormat::UserProperty + 1;

// The anchor of a heading as forges make it: lower case, letters, digits,
// blanks, hyphens and underscores kept, every blank a hyphen.
[[nodiscard]] QString HeadingAnchor(const QString &heading);

// Names every heading by its anchor (repeated headings get "-1", "-2", …),
// checks that every "#anchor" link names a heading and turns each contents
// entry into "title<tab>page" with the page at the right edge of a body
// bodyWidth wide. Returns the links that lead nowhere.
[[nodiscard]] QStringList ResolveLinks(QTextDocument &document, double bodyWidth);

// The heading named anchor, or an invalid block.
[[nodiscard]] QTextBlock HeadingBlock(const QTextDocument &document, const QString &anchor);

// The anchor an internal link points to, empty for any other link.
[[nodiscard]] QString InternalTarget(const QString &href);

}  // namespace korvane::manualpdf
