#include "printout/PrintHeader.h"

#include "lang/Texts.h"

namespace korvane::printout {

std::string PrintHeaderText(std::uint8_t language, std::string_view date, std::string_view time)
{
    std::string header = lang::MessageText(lang::TextId::PrintHeader, language);
    header += date;
    header += "    ";
    header += time;
    return header;
}

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

void TrimBlanks(std::string &text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    text.erase(0, first);
}

}  // namespace

std::string TimeFormatWithoutZone(std::string_view format)
{
    std::string result;
    bool quoted = false;
    bool afterZone = false;  // blanks right after a removed field are dropped too
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '\'') {
            quoted = !quoted;
            result += c;
            afterZone = false;
            continue;
        }
        if (quoted || c != 't') {
            if (!(afterZone && IsBlank(c)))
                result += c;
            afterZone = afterZone && IsBlank(c);
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == 't')
            ++i;
        while (!result.empty() && IsBlank(result.back()))
            result.pop_back();
        // "(t)" would leave "()" behind.
        if (!result.empty() && result.back() == '(' && i + 1 < format.size() && format[i + 1] == ')') {
            result.pop_back();
            ++i;
        }
        afterZone = true;
    }
    TrimBlanks(result);
    return result;
}

}  // namespace korvane::printout
