#include "lang/Captions.h"
#include "lang/Texts.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace korvane::lang {
namespace {

constexpr auto Caption = CaptionProperty::Caption;
constexpr auto Hint = CaptionProperty::Hint;

TEST(CaptionsTest, EveryControlAndPropertyHasOneRow)
{
    std::set<std::pair<std::string_view, CaptionProperty>> seen;
    for (const CaptionRow &row : CaptionTable()) {
        EXPECT_TRUE(seen.emplace(row.control, row.property).second)
            << row.control << " property " << int(row.property);
    }
    // The 125 translated rows plus the design captions kept in one table.
    EXPECT_GE(seen.size(), 125u);
}

TEST(CaptionsTest, EveryRowHasATextInEveryLanguage)
{
    for (const CaptionRow &row : CaptionTable()) {
        for (std::uint8_t language = 0; language < LanguageCount; ++language) {
            EXPECT_FALSE(row.text[language].empty()) << row.control << " language " << int(language);
        }
    }
}

TEST(CaptionsTest, SpotChecksInEveryLanguage)
{
    struct Case {
        std::string_view control;
        CaptionProperty property;
        std::uint8_t language;
        std::string_view expected;
    };
    const Case cases[] = {
        {"MenuDevice", Caption, English, "&Ignition"},
        {"MenuContens", Caption, English, "&Contents..."},
        {"ButtonVerify", Hint, English, "Compare set parametrs  with parametrs of ignition"},
        {"MenuCom10", Caption, English, "Com 1&0"},
        {"MenuToolsMinus", Caption, Czech, "Minus "},
        {"MapPage4", Caption, English, "Injection - IAP"},
        {"MapPage1", Caption, German, "Einspritz - 14"},
        {"MenuCom", Caption, German, "&COM-Anschluß"},
        {"MenuCom3", Hint, German, "Com-Anschluß auswahl 3"},
        {"MenuAbout", Caption, German, "&Über Programm..."},
        {"MenuFrench", Caption, French, "&Francais"},
        {"Menu_Jet123Coupled", Caption, French, "couplé"},
        {"SpeedButton6", Hint, French, "Reprogramation des paramètres initial Dórigine"},
        {"LabelGasT", Caption, French, "Temps de montée [ms]"},
        {"LabelRetardD", Caption, French, "Délai [ms]"},
        {"LabelOmez2", Caption, German, "Zündbegrenzer [U/min]"},
        {"LabelVoda2", Caption, Czech, "Chladivo"},
        {"FormAbout", Caption, German, "Über Programm Varnok_R"},
        {"FormAbout", Caption, Czech, "O programu Varnok_R"},
        {"MenuRead", Caption, Czech, "Čí&st"},
        {"ButtonRead", Caption, Czech, "Čí&st"},
        {"TabSheet_Gas", Caption, Czech, "Řízení N2O"},
        {"MenuCom", Hint, Czech, "Nastavení čísla serivého portu (Com) "},
        {"MenuCom10", Hint, Czech, "Nastavení komunikace na port com 10"},
        {"CheckBoxAll_Map", Caption, Czech, "Vše"},
        {"LabelKorTeplota0", Caption, German, "-10 °C"},
        // Unknown languages read as English, unknown rows as nothing.
        {"MenuFile", Caption, 4, "&File"},
        {"MenuFile", Hint, English, ""},
        {"NoSuchControl", Caption, English, ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(CaptionText(c.control, c.property, c.language), c.expected)
            << c.control << " language " << int(c.language);
    }
    EXPECT_EQ(FindCaption("NoSuchControl", Caption), nullptr);
}

TEST(CaptionsTest, CaptionsSharingAMessageTextAgreeWithIt)
{
    const std::pair<std::string_view, TextId> shared[] = {
        {"TabSheet_Poloha", TextId::Position},
        {"CheckBoxAktBlok1", TextId::FallSensor},
        {"GroupBoxChlazeni", TextId::Cooling},
        {"MapPage0", TextId::Advance},
    };
    for (const auto &[control, id] : shared) {
        for (std::uint8_t language = 0; language < LanguageCount; ++language) {
            EXPECT_EQ(CaptionText(control, Caption, language), MessageText(id, language)) << control;
        }
    }
}

TEST(CaptionsTest, WindowTitleAndRadioItemsFollowTheLanguage)
{
    EXPECT_EQ(WindowTitle(English), "Programming of Korvane unit");
    EXPECT_EQ(WindowTitle(German), "Programmierung der Korvane Zündbox");
    EXPECT_EQ(WindowTitle(French), "Programation de Korvane unité");
    EXPECT_EQ(WindowTitle(Czech), "Programování jednotky Korvane");
    EXPECT_EQ(WindowTitle(9), "Programming of Korvane unit");

    const std::array<std::string_view, 3> english{"Beginning", "Centre", "End"};
    EXPECT_EQ(PositionRefItems(English), english);
    EXPECT_EQ(PositionRefItems(200), english);
    EXPECT_EQ(PositionRefItems(Czech)[0], "Začátek");
}

TEST(CaptionsTest, SplitHintSeparatesTooltipFromStatusText)
{
    struct Case {
        std::string_view hint;
        std::string_view tooltip;
        std::string_view statusTip;
    };
    const Case cases[] = {
        {"Language|Set English or German or French", "Language", "Set English or German or French"},
        {"Open file with parametrs", "Open file with parametrs", "Open file with parametrs"},
        {"a|b|c", "a", "b|c"},
        {"|status only", "", "status only"},
        {"", "", ""},
    };
    for (const Case &c : cases) {
        const HintParts parts = SplitHint(c.hint);
        EXPECT_EQ(parts.tooltip, c.tooltip) << c.hint;
        EXPECT_EQ(parts.statusTip, c.statusTip) << c.hint;
    }
    EXPECT_EQ(SplitHint(CaptionText("MenuLanguage", Hint, German)).tooltip, "Sprache");
}

}  // namespace
}  // namespace korvane::lang
