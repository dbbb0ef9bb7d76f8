#include "lang/HistoryTexts.h"

#include "lang/Captions.h"

#include <gtest/gtest.h>

#include <set>

namespace korvane::lang {
namespace {

using enum HistoryTextId;

// The character after the '&', lower-cased when it is ASCII; empty without one.
std::string AccessLetter(std::string_view text)
{
    const std::size_t at = text.find('&');
    if (at == std::string_view::npos || at + 1 >= text.size()) {
        return {};
    }
    const auto lead = static_cast<unsigned char>(text[at + 1]);
    if (lead < 0x80) {
        return std::string(1, static_cast<char>(std::tolower(lead)));
    }
    std::size_t length = 1;
    while (at + 1 + length < text.size() && (static_cast<unsigned char>(text[at + 1 + length]) & 0xC0u) == 0x80u) {
        ++length;
    }
    return std::string(text.substr(at + 1, length));
}

std::set<std::string> Placeholders(std::string_view text)
{
    std::set<std::string> found;
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at + 1)) {
        found.insert(std::string(text.substr(at, 2)));
    }
    return found;
}

TEST(HistoryTexts, EveryRowSpeaksEveryLanguageWithTheSamePlaceholders)
{
    ASSERT_EQ(HistoryTextRows().size(), static_cast<std::size_t>(HistoryTextId::Count));
    for (const HistoryTextRow &row : HistoryTextRows()) {
        for (std::uint8_t language = 0; language < LanguageCount; ++language) {
            EXPECT_FALSE(row.text[language].empty()) << static_cast<int>(row.id) << " in " << int{language};
            EXPECT_EQ(Placeholders(row.text[language]), Placeholders(row.text[English]))
                << row.text[English] << " / " << row.text[language];
        }
    }
}

TEST(HistoryTexts, NewAccessLettersCollideWithNothingAroundThem)
{
    const std::vector<std::string_view> menuBar{"MenuFile", "MenuCom", "MenuDevice", "MenuLanguage", "MenuHelp",
                                                "ButtonRead", "ButtonVerify", "ButtonProgram"};
    const std::vector<std::string_view> fileMenu{"MenuNew", "MenuOpen", "MenuSave", "MenuPrint", "MenuExit"};
    for (std::uint8_t language = 0; language < LanguageCount; ++language) {
        std::set<std::string> taken;
        for (std::string_view control : menuBar) {
            taken.insert(AccessLetter(CaptionText(control, CaptionProperty::Caption, language)));
        }
        const std::string edit = AccessLetter(HistoryText(MenuEdit, language));
        EXPECT_FALSE(edit.empty());
        EXPECT_FALSE(taken.contains(edit)) << "Edit menu, language " << int{language};

        std::set<std::string> editItems;
        for (HistoryTextId id : {MenuUndoStep, MenuRedoStep, MenuChangesNotInUnit, MenuOptions}) {
            EXPECT_TRUE(editItems.insert(AccessLetter(HistoryText(id, language))).second)
                << HistoryText(id, language);
        }
        EXPECT_EQ(AccessLetter(HistoryText(MenuUndo, language)), AccessLetter(HistoryText(MenuUndoStep, language)));
        EXPECT_EQ(AccessLetter(HistoryText(MenuRedo, language)), AccessLetter(HistoryText(MenuRedoStep, language)));

        std::set<std::string> fileItems;
        for (std::string_view control : fileMenu) {
            fileItems.insert(AccessLetter(CaptionText(control, CaptionProperty::Caption, language)));
        }
        for (HistoryTextId id : {MenuHistory, MenuCompareFile, MenuCompareUnit, MenuExportSheet}) {
            EXPECT_TRUE(fileItems.insert(AccessLetter(HistoryText(id, language))).second)
                << HistoryText(id, language);
        }
    }
}

TEST(HistoryTexts, CountsTakeThePluralFormOfTheLanguage)
{
    struct Case {
        std::uint8_t language;
        std::size_t count;
        const char *text;
    };
    for (const Case &c : {Case{English, 1, "1 change not in the unit"}, Case{English, 0, "0 changes not in the unit"},
                          Case{German, 3, "3 nicht übertragene Änderungen"},
                          Case{French, 0, "0 modification non transférée"},
                          Case{French, 2, "2 modifications non transférées"},
                          Case{Czech, 1, "1 nepřenesená změna"}, Case{Czech, 4, "4 nepřenesené změny"},
                          Case{Czech, 5, "5 nepřenesených změn"}, Case{Czech, 22, "22 nepřenesených změn"},
                          Case{9, 2, "2 changes not in the unit"}}) {
        EXPECT_EQ(ChangesNotInUnitText(c.count, c.language), c.text);
    }
}

TEST(HistoryTexts, LabelsComposeWithTheWindowsOwnWords)
{
    EXPECT_EQ(JetModeStepLabel(1, English), "Jet 14-23: Coupled");
    EXPECT_EQ(JetModeStepLabel(0, German), "Einspritzung 14-23: Getrennt");
    EXPECT_EQ(JetModeStepLabel(2, French), "inject 14-23 : 14 = 23");

    EXPECT_EQ(UndoMenuText("", English), "&Undo");
    EXPECT_EQ(UndoMenuText("Rock & roll %2", English), "&Undo Rock && roll %2");
    EXPECT_EQ(RedoMenuText(HistoryText(StepRead, Czech), Czech), "Zn&ovu: Čtení ze zapalování");
    EXPECT_EQ(HistoryText(FolderNotWritable, French, "/home/x", "Disque plein"),
              "Impossible d'enregistrer les points de restauration dans /home/x : Disque plein");
}

}  // namespace
}  // namespace korvane::lang
