#include "lang/Texts.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace korvane::lang {
namespace {

TEST(TextsTest, SpotChecksInEveryLanguage)
{
    EXPECT_EQ(MessageText(TextId::ProgramError, English), "Program error!");
    EXPECT_EQ(MessageText(TextId::PrintHeader, English), "Date and time of printing:  ");
    EXPECT_EQ(MessageText(TextId::Blocking, English), "Blocking = ");

    EXPECT_EQ(MessageText(TextId::Yes, German), "JA");
    EXPECT_EQ(MessageText(TextId::ComOpenError, German), "Falscher COM-Anschlußes!");
    EXPECT_EQ(MessageText(TextId::Gear, German), "Übersetzung");

    EXPECT_EQ(MessageText(TextId::Reading, French), "Lire");
    EXPECT_EQ(MessageText(TextId::Saving, French), "Mémorisation");
    // The accent in "d´alumage" is the acute accent U+00B4, not an apostrophe.
    EXPECT_EQ(MessageText(TextId::UnitVersionMismatch, French),
              "Programme du boitier d\u00B4alumage non compatible avec programme PC!");

    EXPECT_EQ(MessageText(TextId::UnitVersionMismatch, Czech),
              "Neshodné verze proramu v PC a v zapalování!");
    EXPECT_EQ(MessageText(TextId::IapToTp, Czech), "Hranice přepnutí z IAP na TP [%TP]");
    EXPECT_EQ(MessageText(TextId::No, Czech), "NE");
    EXPECT_EQ(MessageText(TextId::PrintError, German), "Druckfehler!");
}

TEST(TextsTest, ManualOpenErrorNamesTheManualOfItsLanguage)
{
    EXPECT_EQ(MessageText(TextId::ManualOpenError, German),
              "Fehler beim öffnen der Datei Korvane_de.pdf !");
    EXPECT_EQ(MessageText(TextId::ManualOpenError, English), "Error by opening file Korvane_en.pdf !");
    EXPECT_EQ(MessageText(TextId::ManualOpenError, French),
              "Erreur à l\u00B4ouvertur du Fichier Korvane_fr.pdf !");
    EXPECT_EQ(MessageText(TextId::ManualOpenError, Czech),
              "Chyba při otevírání souboru Korvane_cz.pdf !");
}

TEST(TextsTest, EveryTextExistsInEveryLanguage)
{
    for (std::size_t id = 0; id < static_cast<std::size_t>(TextId::Count); ++id) {
        for (std::uint8_t language = 0; language < LanguageCount; ++language) {
            EXPECT_FALSE(MessageText(static_cast<TextId>(id), language).empty())
                << "id " << id << " language " << int(language);
        }
    }
}

TEST(TextsTest, LanguagesAboveCzechReadAsEnglish)
{
    EXPECT_EQ(MessageText(TextId::Advance, 4), "Advance");
    EXPECT_EQ(MessageText(TextId::ManualOpenError, 255), "Error by opening file Korvane_en.pdf !");
}

TEST(TextsTest, ArgumentSelectsLanguageOnlyWhenSpelledExactly)
{
    EXPECT_EQ(LanguageFromArgument("ENGLISH"), std::optional<std::uint8_t>(0));
    EXPECT_EQ(LanguageFromArgument("DEUTSCH"), std::optional<std::uint8_t>(1));
    EXPECT_EQ(LanguageFromArgument("FRENCH"), std::optional<std::uint8_t>(2));
    EXPECT_EQ(LanguageFromArgument("CESKY"), std::optional<std::uint8_t>(3));
    EXPECT_FALSE(LanguageFromArgument("french").has_value());
    EXPECT_FALSE(LanguageFromArgument("FRENCH ").has_value());
    EXPECT_FALSE(LanguageFromArgument("").has_value());
}

}  // namespace
}  // namespace korvane::lang
