#include "ui/LadeniSheet.h"

#include "ui/Colours.h"
#include "ui/FormControls.h"

#include <QGroupBox>
#include <QLabel>

namespace korvane::ui {
namespace {

constexpr EditorRow TuningRows[] = {
    {"LabelLadeniLambda", "LadeniLambda", "Lambda"},
    {"LabelLadeniHyster", "LadeniHyster", "Hyster"},
    {"LabelLadeniRpm", "LadeniRpm", "Rpm"},
    {"LabelLadeniTps", "LadeniTps", "Tps"},
    {"LabelLadeniCas", "LadeniCas", "Cas"},
};

const QColor Warning{255, 0, 0};

}  // namespace

LadeniSheet::LadeniSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Ladeni"));
    setWindowTitle(QStringLiteral("Tuning"));
    FormControls form(this, sink, registry);

    auto *warning = form.label(this, "LabelLadeni", QStringLiteral("Caution - For experienced user only!"),
                               {10, 12, 400, FormControls::RowHeight});
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    SetForeground(warning, Warning);

    // Nothing reads it; it only takes Enter like the other controls.
    form.checkBox(this, "CheckBoxLadeniPovoleno", QString(), {10, 40, 200, FormControls::RowHeight},
                  FormControls::EnterKey);

    const int rows = static_cast<int>(std::size(TuningRows));
    auto *group = form.group(this, "GroupBoxLadeni", QString(), {10, 70, 240, 24 + rows * FormControls::RowPitch});
    int top = 20;
    for (const EditorRow &row : TuningRows) {
        form.label(group, row.label, QString::fromLatin1(row.caption), {10, top, 110, FormControls::RowHeight});
        form.editor(group, QString::fromLatin1(row.name), {140, top});
        top += FormControls::RowPitch;
    }
}

}  // namespace korvane::ui
