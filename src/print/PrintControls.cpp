#include "print/PrintControls.h"

#include "printout/HiddenControls.h"
#include "ui/EditorRegistry.h"
#include "ui/NumericEditor.h"
#include "ui/SpinArrows.h"

#include <QRegularExpression>
#include <QWidget>

namespace korvane::print {

QList<QWidget *> FindControls(const QWidget &root, const ui::EditorRegistry &registry, std::string_view name,
                              int count)
{
    QList<QWidget *> found;
    for (ui::NumericEditor *editor : registry.numerics(name))
        found.append(editor->upDown());
    if (!found.isEmpty())
        return found;

    const QString objectName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    found = root.findChildren<QWidget *>(objectName);
    if (!found.isEmpty() || count <= 1)
        return found;
    const QRegularExpression run(QStringLiteral("^%1\\d+$").arg(QRegularExpression::escape(objectName)));
    return root.findChildren<QWidget *>(run);
}

QList<QWidget *> FindPrintHiddenControls(const QWidget &root, const ui::EditorRegistry &registry)
{
    QList<QWidget *> all;
    for (const printout::HiddenControl &control : printout::PrintHiddenControls())
        all += FindControls(root, registry, control.name, control.count);
    return all;
}

}  // namespace korvane::print
