#include "lang/Texts.h"

#include "lang/MessageTable.h"

#include <array>
#include <cstddef>

namespace korvane::lang {

namespace {

constexpr std::string_view ManualOpenErrorTail = " !";

using detail::TextCount;

std::string_view RowText(TextId id, std::uint8_t language)
{
    return detail::MessageRow(id)[language];
}

}  // namespace

std::string MessageText(TextId id, std::uint8_t language)
{
    if (language >= LanguageCount) {
        language = English;
    }
    if (static_cast<std::size_t>(id) >= TextCount) {
        return {};
    }
    std::string text(RowText(id, language));
    if (id == TextId::ManualOpenError) {
        text += RowText(TextId::ManualFile, language);
        text += ManualOpenErrorTail;
    }
    return text;
}

std::optional<std::uint8_t> LanguageFromArgument(std::string_view argument)
{
    constexpr std::array<std::string_view, LanguageCount> Words{"ENGLISH", "DEUTSCH", "FRENCH", "CESKY"};
    for (std::uint8_t i = 0; i < LanguageCount; ++i) {
        if (argument == Words[i]) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace korvane::lang
