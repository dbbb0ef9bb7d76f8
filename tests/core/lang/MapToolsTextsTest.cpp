#include "lang/MapToolsTexts.h"
#include "lang/Texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace korvane::lang {
namespace {

MapText Id(std::size_t i) { return static_cast<MapText>(i); }

TEST(MapToolsTexts, EveryTextExistsInEveryLanguageWithTheSamePlaceholders)
{
    for (std::size_t i = 0; i < static_cast<std::size_t>(MapText::Count); ++i) {
        const std::string_view english = MapToolsText(Id(i), English);
        for (std::uint8_t language = 0; language < LanguageCount; ++language) {
            const std::string_view text = MapToolsText(Id(i), language);
            EXPECT_FALSE(text.empty()) << i << " " << int(language);
            for (std::string_view mark : {"%1", "%2"}) {
                EXPECT_EQ(text.find(mark) != text.npos, english.find(mark) != english.npos) << i << mark;
            }
        }
    }
    EXPECT_EQ(MapToolsText(MapText::SetPrompt, 9), "Set the selection to:");
}

TEST(MapToolsTexts, LimitedCountsTakeTheNumberFormOfTheLanguage)
{
    struct Case {
        std::size_t count;
        std::uint8_t language;
        const char *text;
    };
    for (const Case c : {Case{1, English, "1 cell limited"}, Case{2, English, "2 cells limited"},
                         Case{1, French, "1 cellule limitée"}, Case{12, German, "12 Zellen begrenzt"},
                         Case{1, Czech, "1 buňka omezena"}, Case{4, Czech, "4 buňky omezeny"},
                         Case{5, Czech, "5 buněk omezeno"}, Case{22, Czech, "22 buněk omezeno"}}) {
        EXPECT_EQ(CellsLimitedText(c.count, c.language), c.text);
    }
    EXPECT_EQ(PasteErrorText(MapText::PasteNotWholeNumber, 2, 13, English), "Line 2, field 13 is not a whole number");
    EXPECT_EQ(FillIn("%2 after %1", "a", "b"), "b after a");
}

char AccessLetter(std::string_view caption)
{
    const std::size_t amp = caption.find('&');
    return amp == caption.npos ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(caption[amp + 1])));
}

TEST(MapToolsTexts, ViewMenuLettersCollideWithNoMenuButtonOrEachOther)
{
    // Menus and tool-bar buttons of each language, and the Edit menu's letter.
    const std::array<std::string, LanguageCount> taken{"FCILH" "RVP" "E", "DCZSH" "LVP" "B",
                                                       "FCALA" "LVP" "E", "SPZJ" "SVP" "UA"};
    const std::vector<MapText> items{MapText::TableEditing, MapText::CellColours, MapText::Map3D,
                                     MapText::RecordLiveData, MapText::ResetHitCounts};
    const std::vector<MapText> choices{MapText::ColoursOff, MapText::ColoursByValue, MapText::ColoursHits,
                                       MapText::ColoursLambdaAdvice};
    for (std::uint8_t language = 0; language < LanguageCount; ++language) {
        std::string used = taken[language];
        const char view = AccessLetter(MapToolsText(MapText::ViewMenu, language));
        EXPECT_TRUE(std::isalnum(view) && used.find(view) == used.npos) << int(language);
        used += view;
        for (MapText item : items) {
            const char letter = AccessLetter(MapToolsText(item, language));
            EXPECT_TRUE(std::isalnum(letter) && used.find(letter) == used.npos)
                << MapToolsText(item, language);
            used += letter;
        }
        std::set<char> submenu;
        for (MapText choice : choices) {
            EXPECT_TRUE(submenu.insert(AccessLetter(MapToolsText(choice, language))).second)
                << MapToolsText(choice, language);
        }
    }
}

}  // namespace
}  // namespace korvane::lang
