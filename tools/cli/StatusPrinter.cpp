#include "StatusPrinter.h"

#include "lang/Texts.h"

namespace korvane::cli {

std::string StatusText(const link::StatusView &status, std::uint8_t language)
{
    std::string text = lang::MessageText(status.text, language);
    if (status.okSuffix) {
        text += " OK";
    }
    return text;
}

StatusPrinter::StatusPrinter(std::ostream &out, std::ostream &err, std::uint8_t language)
    : m_out(out), m_err(err), m_language(language)
{
}

void StatusPrinter::Show(const link::StatusView &status)
{
    if (!status.visible) {
        m_last.reset();
        return;
    }
    const bool saving = status.text == lang::TextId::Saving;
    const Shown now{status.text, status.okSuffix, status.colour, status.gauge};
    if (m_last && m_last->text == now.text && m_last->okSuffix == now.okSuffix && m_last->colour == now.colour &&
        (!saving || m_last->gauge == now.gauge)) {
        return;
    }
    m_last = now;

    std::ostream &stream = status.colour == link::Colour::Red ? m_err : m_out;
    stream << StatusText(status, m_language);
    if (saving) {
        stream << ' ' << status.gauge << '/' << link::GaugeMax;
    }
    stream << std::endl;
}

}  // namespace korvane::cli
