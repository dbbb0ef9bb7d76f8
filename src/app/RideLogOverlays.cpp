#include "app/RideLogOverlays.h"

#include "app/RideLogController.h"
#include "lang/LogTexts.h"
#include "logs/LambdaAdvisor.h"
#include "maptools/CellColours.h"
#include "pages/Pages.h"

namespace korvane::app {

namespace {

const QColor RicherColour{170, 200, 255};
const QColor LeanerColour{255, 175, 175};
const QString RicherArrow = QStringLiteral("↑");
const QString LeanerArrow = QStringLiteral("↓");

QString Text(lang::LogTextId id, std::uint8_t language)
{
    const std::string_view text = lang::LogText(id, language);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool InMap(int page, int row, int column)
{
    return page >= 0 && page < static_cast<int>(pages::MapPageCount) && row >= 0 &&
           row < static_cast<int>(model::MapRows) && column >= 0 && column < static_cast<int>(model::MapColumns);
}

int Percent(std::uint32_t part, std::uint32_t whole)
{
    return whole == 0 ? 0 : static_cast<int>((part * 100 + whole / 2) / whole);
}

// Advice that applying would carry out.
bool Moves(const logs::CellAdvice *advice)
{
    return advice != nullptr && advice->advice != logs::Advice::None && advice->newValue != advice->value;
}

}  // namespace

RideLogOverlay::RideLogOverlay(RideLogController &controller, RideLogLayer layer)
    : m_controller(controller), m_layer(layer)
{
}

std::optional<QColor> RideLogOverlay::background(int page, int row, int column) const
{
    if (!InMap(page, row, column))
        return std::nullopt;
    if (m_layer == RideLogLayer::Hits) {
        const auto p = static_cast<std::uint8_t>(page);
        const std::uint32_t count = m_controller.hits().count(p, static_cast<std::uint8_t>(row),
                                                              static_cast<std::uint8_t>(column));
        const std::uint32_t most = m_controller.hits().maximum(p);
        if (count == 0 || most == 0)
            return std::nullopt;
        const maptools::Rgb rgb = maptools::PaletteColour(static_cast<double>(count) / static_cast<double>(most));
        return QColor(rgb.r, rgb.g, rgb.b);
    }
    const logs::CellAdvice *advice = m_controller.adviceAt(page, row, column);
    if (!Moves(advice))
        return std::nullopt;
    return advice->advice == logs::Advice::Richer ? RicherColour : LeanerColour;
}

QString RideLogOverlay::arrow(int page, int row, int column) const
{
    const logs::CellAdvice *advice = m_layer == RideLogLayer::LambdaAdvice && InMap(page, row, column)
                                         ? m_controller.adviceAt(page, row, column)
                                         : nullptr;
    if (!Moves(advice))
        return {};
    return advice->advice == logs::Advice::Richer ? RicherArrow : LeanerArrow;
}

QString RideLogOverlay::toolTip(int page, int row, int column) const
{
    if (!InMap(page, row, column))
        return {};
    const std::uint8_t language = m_controller.language();
    if (m_layer == RideLogLayer::Hits) {
        return HitsText(m_controller.hits().count(static_cast<std::uint8_t>(page), static_cast<std::uint8_t>(row),
                                                  static_cast<std::uint8_t>(column)),
                        language);
    }
    if (const logs::CellAdvice *advice = m_controller.adviceAt(page, row, column))
        return AdviceText(*advice, language);
    return m_controller.locked(page, row, column) ? Text(lang::LogTextId::CellLocked, language) : QString();
}

bool RideLogOverlay::lockable(int page) const
{
    return page >= 0 && page < static_cast<int>(pages::MapPageCount) &&
           logs::AdvisedPage(static_cast<std::uint8_t>(page));
}

bool RideLogOverlay::locked(int page, int row, int column) const
{
    return m_controller.locked(page, row, column);
}

bool RideLogOverlay::toggleLock(int page, int row, int column)
{
    return m_controller.toggleLock(page, row, column);
}

QString HitsText(std::uint32_t frames, std::uint8_t language)
{
    return Text(lang::LogTextId::CellFrames, language).arg(frames);
}

QString AdviceText(const logs::CellAdvice &advice, std::uint8_t language)
{
    const logs::CellEvidence &e = advice.evidence;
    const QString evidence = Text(lang::LogTextId::CellEvidence, language)
                                 .arg(e.samples)
                                 .arg(Percent(e.lean, e.samples))
                                 .arg(Percent(e.rich, e.samples));
    if (advice.locked)
        return evidence + QLatin1Char('\n') + Text(lang::LogTextId::CellLocked, language);
    const logs::Advice direction = logs::AdviceOf(e);
    if (direction == logs::Advice::None)
        return evidence;
    const bool richer = direction == logs::Advice::Richer;
    QString text = (richer ? RicherArrow : LeanerArrow) + QLatin1Char(' ') +
                   Text(richer ? lang::LogTextId::Richer : lang::LogTextId::Leaner, language);
    if (advice.newValue != advice.value)
        text += QStringLiteral(" (%1 → %2)").arg(advice.value).arg(advice.newValue);
    else
        text += QStringLiteral(": ") + Text(lang::LogTextId::CellAtRail, language);
    return text + QLatin1Char('\n') + evidence;
}

}  // namespace korvane::app
