#include "lang/MonitorTexts.h"
#include "lang/Texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace korvane::lang {
namespace {

bool HasDesignText(std::string_view label)
{
    const auto texts = MonitorDesignTexts();
    return std::any_of(texts.begin(), texts.end(), [&](const DesignText &t) { return t.label == label; });
}

TEST(MonitorTextsTest, DesignTextsCoverEveryLiveDataLabelOnce)
{
    std::set<std::string_view> labels;
    for (const DesignText &t : MonitorDesignTexts()) {
        EXPECT_TRUE(labels.insert(t.label).second) << t.label;
    }
    // 32 value labels, the version label and eight Test labels.
    EXPECT_EQ(labels.size(), 41u);

    const std::pair<std::string_view, std::string_view> spots[] = {
        {"LabelRpm", "RPM = ---"},
        {"LabelPodtlak", "IAP= --- [%] "},
        {"LabelNapeti", "U = ---[V]"},
        {"LabelClazeniMon", "Chlazení:--"},
        {"LabelPocetProgramovani", "Number of Programing: -----"},
        {"LabelVersion", ""},
        {"LabelTest8", "Test8 = ---"},
    };
    for (const auto &[label, text] : spots) {
        const auto texts = MonitorDesignTexts();
        const auto it = std::find_if(texts.begin(), texts.end(), [&](const DesignText &t) { return t.label == label; });
        ASSERT_NE(it, texts.end()) << label;
        EXPECT_EQ(it->text, text) << label;
    }
}

TEST(MonitorTextsTest, PlaceholdersJoinTheMessageTextOfTheLanguageAndATail)
{
    struct Case {
        std::string_view label;
        std::uint8_t language;
        std::string_view expected;
    };
    const Case cases[] = {
        {"LabelMon_Ign", German, "Vorzündung= --- [°]"},
        {"LabelMon_Ign", 6, "Advance= --- [°]"},
        {"LabelPocetProgramovani", English, "Number of Programing= ---"},
        {"LabelMonOmez1", French, "Limitateur départ = ---"},
        {"LabelMon_Jet_23B", Czech, "Čas vstřiku 23B = --- us"},
        {"LabelMaxInjProcent", German, "Max.Einspritz = --- %"},
        {"LabelMon_PolohaB", French, "Positon B = ---"},
        {"LabelServoMer", German, "Servo gemessene = --- mV"},
        {"LabelGear", Czech, "Převod = --- "},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(MonitorPlaceholder(c.label, c.language), std::optional<std::string>(c.expected)) << c.label;
    }
    EXPECT_FALSE(MonitorPlaceholder("LabelRpm", English).has_value());
    EXPECT_FALSE(MonitorPlaceholder("LabelTest1", Czech).has_value());
}

TEST(MonitorTextsTest, EveryPlaceholderLabelIsALiveDataLabelWithAPlaceholder)
{
    const auto labels = PlaceholderLabels();
    EXPECT_EQ(labels.size(), 16u);
    EXPECT_EQ(std::set<std::string_view>(labels.begin(), labels.end()).size(), labels.size());
    for (const std::string_view label : labels) {
        EXPECT_TRUE(HasDesignText(label)) << label;
        EXPECT_TRUE(MonitorPlaceholder(label, Czech).has_value()) << label;
    }
}

}  // namespace
}  // namespace korvane::lang
