#include "PdfLinks.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

namespace korvane::manualpdf {

namespace {

// What the update needs to know of the file QPdfWriter wrote.
struct PdfTail {
    QList<int> pages;          // page objects in page order
    QString root;              // "2 0 R"
    QString info;
    int size = 0;              // object numbers in use
    qint64 previousXref = -1;  // where the last cross-reference section starts
};

QString Capture(const QString &text, const QString &pattern, int from = 0)
{
    const QRegularExpression expression(pattern);
    return expression.match(text, from).captured(1);
}

QString ReadTail(const QString &pdf, PdfTail &tail)
{
    static const QRegularExpression reference(QStringLiteral("(\\d+)\\s+0\\s+R"));
    const QString kids = Capture(pdf, QStringLiteral("/Type\\s*/Pages\\s*/Kids\\s*\\[([^\\]]*)\\]"));
    for (auto it = reference.globalMatch(kids); it.hasNext();)
        tail.pages.append(it.next().captured(1).toInt());

    const auto trailer = static_cast<int>(pdf.lastIndexOf(QStringLiteral("trailer")));
    if (tail.pages.isEmpty() || trailer < 0)
        return QStringLiteral("no page tree or trailer");
    tail.size = Capture(pdf, QStringLiteral("/Size\\s+(\\d+)"), trailer).toInt();
    tail.root = Capture(pdf, QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"), trailer);
    tail.info = Capture(pdf, QStringLiteral("/Info\\s+(\\d+\\s+\\d+\\s+R)"), trailer);
    bool number = false;
    tail.previousXref = Capture(pdf, QStringLiteral("startxref\\s+(\\d+)"), trailer).toLongLong(&number);
    if (tail.size <= 0 || tail.root.isEmpty() || !number)
        return QStringLiteral("an unreadable trailer");
    return {};
}

QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

QByteArray LinkObject(int number, const PdfLink &link, int targetPageObject)
{
    const QRectF &a = link.area;
    return QByteArray::number(number) + " 0 obj\n<<\n/Type /Annot\n/Subtype /Link\n/Rect [" + Number(a.left()) + ' '
         + Number(a.top()) + ' ' + Number(a.right()) + ' ' + Number(a.bottom())
         + "]\n/Border [0 0 0]\n/Dest [" + QByteArray::number(targetPageObject) + " 0 R /XYZ null "
         + Number(link.targetTop) + " null]\n>>\nendobj\n";
}

// One subsection per run of consecutive object numbers.
QByteArray XrefSection(const QMap<int, qint64> &offsets)
{
    QByteArray xref = "xref\n";
    for (auto it = offsets.cbegin(); it != offsets.cend();) {
        auto end = it;
        int count = 0;
        while (end != offsets.cend() && end.key() == it.key() + count) {
            ++end;
            ++count;
        }
        xref += QByteArray::number(it.key()) + ' ' + QByteArray::number(count) + '\n';
        for (; it != end; ++it)
            xref += QByteArray::number(it.value()).rightJustified(10, '0') + " 00000 n \n";
    }
    return xref;
}

}  // namespace

QString AddPdfLinks(const QString &path, const QList<PdfLink> &links)
{
    if (links.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
    const QByteArray bytes = file.readAll();
    const QString pdf = QString::fromLatin1(bytes);
    PdfTail tail;
    if (const QString error = ReadTail(pdf, tail); !error.isEmpty())
        return QStringLiteral("cannot add links to %1: %2").arg(path, error);

    QByteArray update = bytes.endsWith('\n') ? QByteArray() : QByteArray("\n");
    QMap<int, qint64> offsets;
    QMap<int, QByteArray> annotations;  // new annotations by page
    int next = tail.size;
    for (const PdfLink &link : links) {
        if (link.page < 0 || link.page >= tail.pages.size() || link.targetPage < 0
            || link.targetPage >= tail.pages.size())
            return QStringLiteral("cannot add links to %1: a link lies beyond the last page").arg(path);
        offsets[next] = bytes.size() + update.size();
        update += LinkObject(next, link, tail.pages[link.targetPage]);
        annotations[link.page] += QByteArray::number(next) + " 0 R ";
        ++next;
    }
    // Each page names its annotations in an array of its own; the array is
    // written again with the new ones added.
    for (auto it = annotations.cbegin(); it != annotations.cend(); ++it) {
        const QString page = QString::number(tail.pages[it.key()]);
        const QString array =
            Capture(pdf, QStringLiteral("(?:^|\\n)%1 0 obj\\s*<<[^>]*/Annots\\s+(\\d+)\\s+0\\s+R").arg(page));
        const QString existing = Capture(pdf, QStringLiteral("(?:^|\\n)%1 0 obj\\s*\\[([^\\]]*)\\]").arg(array));
        if (array.isEmpty())
            return QStringLiteral("cannot add links to %1: page object %2 has no annotation list").arg(path, page);
        offsets[array.toInt()] = bytes.size() + update.size();
        update += array.toLatin1() + " 0 obj\n[ " + existing.simplified().toLatin1() + ' ' + it.value() + "]\nendobj\n";
    }

    const qint64 xrefAt = bytes.size() + update.size();
    update += XrefSection(offsets);
    update += "trailer\n<<\n/Size " + QByteArray::number(next) + "\n/Root " + tail.root.toLatin1();
    if (!tail.info.isEmpty())
        update += "\n/Info " + tail.info.toLatin1();
    update += "\n/Prev " + QByteArray::number(tail.previousXref) + "\n>>\nstartxref\n" + QByteArray::number(xrefAt)
            + "\n%%EOF\n";

    if (!file.seek(bytes.size()) || file.write(update) != update.size() || !file.flush()) {
        file.resize(bytes.size());
        return QStringLiteral("cannot add links to %1: %2").arg(path, file.errorString());
    }
    return {};
}

}  // namespace korvane::manualpdf
