#include "settings/BasicSettings.h"

#include "pages/Visibility.h"
#include "settings/ConfigFolder.h"
#include "settings/ProfileInteger.h"

#include <optional>

namespace korvane::settings {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

BasicSettings ReadBasicSettings(const IniFile &ini, const BasicSettings &current)
{
    BasicSettings read = current;
    for (const BasicKey &entry : BasicKeys) {
        const std::optional<std::string> value = ini.value(BasicSection, entry.key);
        const auto number = [&](std::int32_t fallback) {
            return value ? ParseProfileInteger(*value, fallback) : fallback;
        };
        std::visit(Overloaded{
                       [&](std::int32_t BasicSettings::*field) { read.*field = number(read.*field); },
                       [&](std::uint8_t BasicSettings::*field) {
                           read.*field = static_cast<std::uint8_t>(number(read.*field) & 0xFF);
                       },
                       [&](std::string BasicSettings::*field) { read.*field = value.value_or(std::string()); },
                       [&](pages::Page BasicSettings::*field) {
                           // Tested before the low 8 bits are kept: 258 is no page 2.
                           const std::int32_t page = number(read.*field);
                           if (page >= 0 && page < static_cast<std::int32_t>(pages::PageCount)) {
                               read.*field = static_cast<pages::Page>(page);
                           }
                       },
                       [&](bool BasicSettings::*field) { read.*field = number(read.*field ? 1 : 0) != 0; },
                   },
                   entry.field);
    }
    return read;
}

void WriteBasicSettings(IniFile &ini, const BasicSettings &settings)
{
    for (const BasicKey &entry : BasicKeys) {
        const std::string value = std::visit(
            Overloaded{
                [&](std::string BasicSettings::*field) { return settings.*field; },
                [&](bool BasicSettings::*field) { return std::string(settings.*field ? "1" : "0"); },
                [&](auto field) { return std::to_string(static_cast<std::int32_t>(settings.*field)); },
            },
            entry.field);
        ini.setValue(BasicSection, entry.key, value);
    }
}

bool SaveBasicSettings(const std::filesystem::path &path, const BasicSettings &settings, std::string *error)
{
    IniLoad load = LoadIniFile(path);
    if (!load.ok) {
        if (error != nullptr) {
            *error = load.error;
        }
        return false;
    }
    WriteBasicSettings(load.file, settings);
    return WriteConfigFile(path, load.file.text(), error);
}

pages::Page OpeningPage(pages::Page stored, const model::ConfigImage &image)
{
    const pages::Visibility visibility = pages::DeriveVisibility(image, stored);
    const bool hidden = (stored == pages::Inj23APage && !visibility.inj23ATab) ||
                        (stored == pages::LadeniPage && !pages::Visibility::TuningTab);
    return hidden ? pages::AdvancePage : stored;
}

}  // namespace korvane::settings
