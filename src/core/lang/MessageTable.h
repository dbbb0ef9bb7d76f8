#pragma once

// The message table itself, for the few captions that share a message text's
// wording and must read it from the same row.

#include "lang/Texts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace korvane::lang::detail {

// One row per message text: English, German, French, Czech. Texts are kept
// verbatim, odd spellings and trailing blanks included: callers append
// values directly after them.
struct TextRow {
    TextId id;
    std::array<std::string_view, LanguageCount> text;
};

inline constexpr std::size_t TextCount = static_cast<std::size_t>(TextId::Count);

// For ManualOpenError the row holds only the prefix; the rest is composed.
inline constexpr std::array<TextRow, TextCount> MessageRows{{
    {TextId::ManualFile,
     {"Korvane_en.pdf",
      "Korvane_de.pdf",
      "Korvane_fr.pdf",
      "Korvane_cz.pdf"}},
    {TextId::ProgramError,
     {"Program error!",
      "Programmierfehler!",
      "Erreur de programmation!",
      "Chyba programování"}},
    {TextId::VerifyError,
     {"Verify error!",
      "Vergleichsfehler",
      "Verifier erreur!",
      "Chyba verifikace!"}},
    {TextId::ReadError,
     {"Read error!",
      "Lesefehler",
      "Lire erreur!",
      "Chyba čtení!"}},
    {TextId::Programming,
     {"Program device:",
      "Programmieren:",
      "Programmer:",
      "Programování:"}},
    {TextId::Verifying,
     {"Verify:",
      "Vergleichen:",
      "Vérifier:",
      "Verifikace:"}},
    {TextId::Reading,
     {"Read:",
      "Lesen:",
      "Lire",
      "Čtení:"}},
    {TextId::Saving,
     {"Saving:",
      "Speicherung:",
      "Mémorisation",
      "Ukládání:"}},
    {TextId::UnitVersionMismatch,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a v zapalování!"}},
    {TextId::ComOpenError,
     {"Com opening error!",
      "Falscher COM-Anschlußes!",
      "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {TextId::FileOpenError,
     {"Open file error!",
      "Fehler beim öffnen der Datei!",
      "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {TextId::FileVersionMismatch,
     {"Unmatched version of *.ign file!",
      "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!",
      "Neshodná verze souboru *.ign!"}},
    {TextId::AskDefaults,
     {"Do you want default setting?",
      "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?",
      "Chcete nastavit základní hodnoty?"}},
    {TextId::PrintHeader,
     {"Date and time of printing:  ",
      "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ",
      "Datum a čas tisku:  "}},
    {TextId::ManualOpenError,
     {"Error by opening file ",
      "Fehler beim öffnen der Datei ",
      "Erreur à l´ouvertur du Fichier ",
      "Chyba při otevírání souboru "}},
    {TextId::Advance,
     {"Advance",
      "Vorzündung",
      "Avance",
      "Předstih"}},
    {TextId::ProgramCount,
     {"Number of Programing= ",
      "Programmierungsanzahl= ",
      "Nombre de programmations= ",
      "Počet programování= "}},
    {TextId::Blocking,
     {"Blocking = ",
      "Blockierung = ",
      "Blocage = ",
      "Blokování = "}},
    {TextId::StartLimiter,
     {"Start limiter = ",
      "Start Begrenzer = ",
      "Limitateur départ = ",
      "Startovací omezovač = "}},
    {TextId::Yes,
     {"YES",
      "JA",
      "Oui",
      "ANO"}},
    {TextId::No,
     {"NO",
      "NEIN",
      "Non",
      "NE"}},
    {TextId::InjectionTime,
     {"Injection time",
      "Einspritzzeit",
      "Temp de injection",
      "Čas vstřiku"}},
    {TextId::MaxInjection,
     {"Max injection",
      "Max.Einspritz",
      "Max injection",
      "Max. vstřik"}},
    {TextId::Position,
     {"Position",
      "Lage",
      "Positon",
      "Poloha"}},
    {TextId::ServoDesired,
     {"Servo desired",
      "Servo Sollspannung",
      "Servo desired",
      "Servo požadované"}},
    {TextId::ServoMeasured,
     {"Servo measured",
      "Servo gemessene",
      "Servo measured",
      "Servo měřené"}},
    {TextId::FallSensor,
     {"Fall sensor",
      "Fallsensor",
      "Fall sensor",
      "Pádový senzor"}},
    {TextId::Cooling,
     {"Cooling",
      "Kühlung",
      "Cooling",
      "Chlazení"}},
    {TextId::Gear,
     {"Gear",
      "Übersetzung",
      "Gear",
      "Převod"}},
    {TextId::BaseAdvance,
     {"Base advance [°]",
      "Basis Vorzündung [°]",
      "Avance de base [°]",
      "Základní předstih [°]"}},
    {TextId::IapToTp,
     {"IAP -> TP [%]",
      "IAP -> TP [%]",
      "IAP -> TP [%]",
      "Hranice přepnutí z IAP na TP [%TP]"}},
    {TextId::PrintError,
     {"Print error!",
      "Druckfehler!",
      "Erreur d'impression !",
      "Chyba tisku!"}},
    {TextId::Unit,
     {"Unit: ",
      "Steuergerät: ",
      "Boîtier : ",
      "Jednotka: "}},
    {TextId::UnitLayout,
     {"layout ",
      "Parameterversion ",
      "version des paramètres ",
      "verze parametrů "}},
}};

consteval bool RowsInIdOrder()
{
    for (std::size_t i = 0; i < MessageRows.size(); ++i) {
        if (static_cast<std::size_t>(MessageRows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInIdOrder(), "message rows must follow the order of TextId");

// The stored row of id; ManualOpenError holds its prefix only.
constexpr const std::array<std::string_view, LanguageCount> &MessageRow(TextId id)
{
    return MessageRows[static_cast<std::size_t>(id)].text;
}

}  // namespace korvane::lang::detail
