#include "ui/GasSheet.h"

#include "ui/FormControls.h"

#include <QCheckBox>
#include <QGroupBox>

namespace korvane::ui {
namespace {

constexpr EditorRow GasRows[] = {
    {"LabelGas1", "Gas1", "N2O 1 [%]"},
    {"LabelGas2", "Gas2", "N2O 2 [%]"},
    {"LabelGasD", "GasD", "Delay [ms]"},
    {"LabelGasT", "GasT", "Build up Time [ms]"},
};

constexpr EditorRow RetardRows[] = {
    {"LabelRetard1", "Retard1", "Retard 1 [°]"},
    {"LabelRetard2", "Retard2", "Retard 2 [°]"},
    {"LabelRetardD", "RetardD", "Delay [ms]"},
    {"LabelRetardT", "RetardT", "Build up Time [ms]"},
};

constexpr int GroupWidth = 300;
constexpr int GroupTop = 44;
constexpr int CaptionWidth = 190;
constexpr int EditorX = 214;

void AddRows(FormControls &form, QWidget *group, const EditorRow (&rows)[4])
{
    int top = 24;
    for (const EditorRow &row : rows) {
        form.label(group, row.label, QString::fromUtf8(row.caption), {10, top, CaptionWidth, FormControls::RowHeight});
        form.editor(group, QString::fromLatin1(row.name), {EditorX, top});
        top += FormControls::RowPitch;
    }
}

}  // namespace

GasSheet::GasSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Gas"));
    setWindowTitle(QStringLiteral("N2O Controller"));
    FormControls form(this, sink, registry);

    m_gasEnabled = form.checkBox(this, "CheckBoxGas", QStringLiteral("N2O Enabled"), {10, 12, 300, FormControls::RowHeight},
                                 FormControls::MouseUp | FormControls::EnterKey | FormControls::Registered);

    const int height = 24 + 4 * FormControls::RowPitch + 4;
    auto *gas = form.group(this, "GroupBoxGas", QStringLiteral("N2O"), {10, GroupTop, GroupWidth, height});
    AddRows(form, gas, GasRows);
    auto *retard = form.group(this, "GroupBoxRetard", QStringLiteral("Retard"),
                              {10 + GroupWidth + 20, GroupTop, GroupWidth, height});
    AddRows(form, retard, RetardRows);
}

}  // namespace korvane::ui
