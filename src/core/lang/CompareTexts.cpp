#include "lang/CompareTexts.h"

#include "lang/Texts.h"

#include <array>
#include <cstddef>

namespace korvane::lang {
namespace {

struct CompareRow {
    CompareTextId id;
    std::array<std::string_view, LanguageCount> text;
};

constexpr std::size_t RowCount = static_cast<std::size_t>(CompareTextId::Count);

// Czech plurals depend on the number; "počet změn" (number of changes) reads
// right for any count.
constexpr std::array<CompareRow, RowCount> Rows{{
    {CompareTextId::Byte, {"byte %1", "Byte %1", "octet %1", "bajt %1"}},
    {CompareTextId::Point, {"Point %1", "Punkt %1", "Point %1", "Bod %1"}},
    {CompareTextId::Rpm, {"rpm", "U/min", "tr/min", "ot/min"}},
    {CompareTextId::Ticked, {"ticked", "angehakt", "coché", "zaškrtnuto"}},
    {CompareTextId::NotTicked, {"not ticked", "nicht angehakt", "non coché", "nezaškrtnuto"}},
    {CompareTextId::UnknownItem, {"unknown (%1)", "unbekannt (%1)", "inconnu (%1)", "neznámé (%1)"}},
    {CompareTextId::OtherBytes,
     {"Bytes without editor", "Bytes ohne Editor", "Octets sans éditeur", "Bajty bez editoru"}},
    {CompareTextId::PageChanges,
     {"%1: %2 changes", "%1: %2 Änderungen", "%1 : %2 modifications", "%1: počet změn %2"}},
    {CompareTextId::Changes, {"%1 changes", "%1 Änderungen", "%1 modifications", "Počet změn: %1"}},
    {CompareTextId::NoDifferences, {"No differences.", "Keine Unterschiede.", "Aucune différence.", "Žádné rozdíly."}},
    {CompareTextId::DifferenceCount, {"Differences: %1", "Unterschiede: %1", "Différences : %1", "Rozdíly: %1"}},
    {CompareTextId::SheetTitle, {"Tune sheet", "Abstimmungsblatt", "Fiche de réglage", "Přehled nastavení"}},
    {CompareTextId::Firmware, {"Firmware", "Firmware", "Micrologiciel", "Firmware"}},
    {CompareTextId::Date, {"Date", "Datum", "Date", "Datum"}},
    {CompareTextId::ComparedWith, {"Compared with", "Verglichen mit", "Comparé avec", "Porovnáno s"}},
    {CompareTextId::Parameter, {"Parameter", "Parameter", "Paramètre", "Parametr"}},
    {CompareTextId::Value, {"Value", "Wert", "Valeur", "Hodnota"}},
    {CompareTextId::OtherValue, {"Other value", "Anderer Wert", "Autre valeur", "Jiná hodnota"}},
    {CompareTextId::Difference, {"Difference", "Differenz", "Différence", "Rozdíl"}},
    {CompareTextId::Page, {"Page", "Seite", "Page", "Strana"}},
    {CompareTextId::Unit, {"unit on %1", "Gerät an %1", "boîtier sur %1", "jednotka na %1"}},
    {CompareTextId::RestorePoint,
     {"restore point %1", "Wiederherstellungspunkt %1", "point de restauration %1", "bod obnovení %1"}},
    {CompareTextId::Legend,
     {"Values in bold differ; the compared set's value follows in brackets.",
      "Fett gedruckte Werte weichen ab; der Wert des Vergleichssatzes folgt in Klammern.",
      "Les valeurs en gras diffèrent ; la valeur comparée suit entre parenthèses.",
      "Tučné hodnoty se liší; hodnota porovnávané sady následuje v závorce."}},
    {CompareTextId::PanelTitle, {"Compare", "Vergleich", "Comparaison", "Porovnání"}},
    {CompareTextId::ChangedOnly, {"Changed only", "Nur Unterschiede", "Différences seulement", "Jen rozdíly"}},
    {CompareTextId::TakeCaption,
     {"Take the other value:", "Anderen Wert übernehmen:", "Reprendre l'autre valeur :", "Převzít druhou hodnotu:"}},
    {CompareTextId::TakeEntries, {"Selected", "Ausgewählte", "Sélection", "Vybrané"}},
    {CompareTextId::TakePage, {"Whole page", "Ganze Seite", "Toute la page", "Celá strana"}},
    {CompareTextId::TakeAll, {"All", "Alle", "Tout", "Vše"}},
    {CompareTextId::OtherValueTip, {"Other value: %1", "Anderer Wert: %1", "Autre valeur : %1", "Jiná hodnota: %1"}},
}};

consteval bool RowsInIdOrder()
{
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        if (static_cast<std::size_t>(Rows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInIdOrder(), "compare rows must follow the order of CompareTextId");

}  // namespace

std::string CompareText(CompareTextId id, std::uint8_t language)
{
    const auto row = static_cast<std::size_t>(id);
    if (row >= RowCount) {
        return {};
    }
    return std::string(Rows[row].text[language < LanguageCount ? language : std::uint8_t{English}]);
}

std::string CompareText(CompareTextId id, std::uint8_t language, std::initializer_list<std::string_view> arguments)
{
    const std::string pattern = CompareText(id, language);
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number < arguments.size()) {
            text += *(arguments.begin() + number);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace korvane::lang
