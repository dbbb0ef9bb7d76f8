#include "app/UnitChanges.h"

#include "history/ImageDiff.h"
#include "lang/HistoryTexts.h"
#include "ui/Colours.h"
#include "ui/RuzneSheet.h"
#include "ui/WidgetState.h"

#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace korvane::app {

namespace {

bool SameParameters(const model::ConfigImage &a, const model::ConfigImage &b)
{
    const auto first = static_cast<std::ptrdiff_t>(model::BlockSize);
    return std::equal(a.bytes.begin() + first, a.bytes.end(), b.bytes.begin() + first);
}

}  // namespace

UnitChanges::UnitChanges(QStatusBar *bar, ui::RuzneSheet *sheet) : m_label(new QLabel(bar)), m_sheet(sheet)
{
    m_label->setObjectName(QStringLiteral("LabelNotInUnit"));
    bar->addPermanentWidget(m_label);
    m_label->hide();
}

void UnitChanges::setConfirmed(const model::ConfigImage &image, const QString &unit)
{
    m_confirmed = image;
    m_unitName = unit;
}

void UnitChanges::setFileSet(const std::optional<model::ConfigImage> &fileSet)
{
    m_fileSet = fileSet;
}

void UnitChanges::update(const model::ConfigImage &image, std::uint8_t language)
{
    // Each editor counts once, as the compare panel lists it.
    m_count = m_confirmed && !SameParameters(image, *m_confirmed)
                  ? history::ImageDiff(image, *m_confirmed, {language, false}).size()
                  : 0;
    show(language);
    m_sheet->setFileModified(m_fileSet && !SameParameters(image, *m_fileSet));
}

void UnitChanges::show(std::uint8_t language)
{
    if (m_count > 0)
        ui::SetLabelText(m_label, QString::fromStdString(lang::ChangesNotInUnitText(m_count, language)));
    ui::SetShown(m_label, m_count > 0);
}

}  // namespace korvane::app
