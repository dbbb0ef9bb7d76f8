#include "lang/MapToolsTexts.h"

#include "lang/Texts.h"

#include <array>

namespace korvane::lang {

namespace {

struct MapTextRow {
    MapText id;
    std::array<std::string_view, LanguageCount> text;
};

// French puts a no-break space before a colon.
constexpr std::array<MapTextRow, static_cast<std::size_t>(MapText::Count)> Rows{{
    {MapText::ViewMenu, {"Vie&w", "&Ansicht", "Aff&ichage", "Z&obrazení"}},
    {MapText::TableEditing, {"&Table editing", "&Tabellenbearbeitung", "Édition en &tableau", "Úpravy v &tabulce"}},
    {MapText::CellColours, {"Cell c&olours", "Zell&farben", "C&ouleurs des cellules", "&Barvy buněk"}},
    {MapText::ColoursOff, {"&Off", "A&us", "&Désactivées", "&Vypnuto"}},
    {MapText::ColoursByValue, {"&By value", "Nach &Wert", "Selon la &valeur", "Podle &hodnoty"}},
    {MapText::ColoursHits, {"&Hits", "&Treffer", "&Passages", "Če&tnost"}},
    {MapText::ColoursLambdaAdvice,
     {"&Lambda advice", "&Lambda-Empfehlung", "Conseil &lambda", "Doporučení podle &lambdy"}},
    {MapText::Map3D, {"&3D map", "&3D-Kennfeld", "Carte &3D", "&3D mapa"}},
    {MapText::RecordLiveData,
     {"Record live &data", "&Messdaten aufzeichnen", "Enregistrer les &données en direct", "Nahrávat živá &data"}},
    {MapText::ResetHitCounts,
     {"Reset hit co&unts", "Trefferzähler z&urücksetzen", "&Remettre les passages à zéro", "Vy&nulovat četnosti"}},
    {MapText::ScalePrompt,
     {"Scale the selection by [%]:", "Auswahl skalieren um [%]:", "Mettre la sélection à l’échelle de [%]\u00A0:",
      "Změnit výběr v poměru [%]:"}},
    {MapText::SetPrompt,
     {"Set the selection to:", "Auswahl setzen auf:", "Fixer la sélection à\u00A0:", "Nastavit výběr na:"}},
    {MapText::KeyLegend1,
     {"Arrows move · Shift+arrows select · + − step (Shift ×10) · * scale · = set",
      "Pfeiltasten bewegen · Umschalt+Pfeiltasten markieren · + − Schritt (Umschalt ×10) · * skalieren · = setzen",
      "Flèches déplacent · Maj+flèches sélectionnent · + − un pas (Maj ×10) · * mettre à l’échelle · = fixer",
      "Šipky posun · Shift+šipky výběr · + − krok (Shift ×10) · * v poměru · = nastavit"}},
    {MapText::KeyLegend2,
     {"I interpolate · S smooth · L lock · Ctrl+C/V copy/paste · Ctrl+Z/Y undo/redo · F4/F5 green cell",
      "I interpolieren · S glätten · L sperren · Strg+C/V kopieren/einfügen · Strg+Z/Y rückgängig/wiederholen · "
      "F4/F5 grüne Zelle",
      "I interpoler · S lisser · L verrouiller · Ctrl+C/V copier/coller · Ctrl+Z/Y annuler/rétablir · "
      "F4/F5 cellule verte",
      "I interpolovat · S vyhladit · L zamknout · Ctrl+C/V kopírovat/vložit · Ctrl+Z/Y zpět/znovu · "
      "F4/F5 zelená buňka"}},
    {MapText::OneCellLimited, {"1 cell limited", "1 Zelle begrenzt", "1 cellule limitée", "1 buňka omezena"}},
    {MapText::CellsLimited, {"%1 cells limited", "%1 Zellen begrenzt", "%1 cellules limitées", "%1 buněk omezeno"}},
    {MapText::CellsLimitedFew,
     {"%1 cells limited", "%1 Zellen begrenzt", "%1 cellules limitées", "%1 buňky omezeny"}},
    {MapText::PasteNotWholeNumber,
     {"Line %1, field %2 is not a whole number", "Zeile %1, Feld %2 ist keine ganze Zahl",
      "Ligne %1, champ %2\u00A0: nombre entier attendu", "Řádek %1, pole %2 není celé číslo"}},
    {MapText::PasteDoesNotFit,
     {"The pasted block does not fit the table from this cell (line %1, field %2)",
      "Der eingefügte Block passt ab dieser Zelle nicht in die Tabelle (Zeile %1, Feld %2)",
      "Le bloc collé dépasse du tableau à partir de cette cellule (ligne %1, champ %2)",
      "Vložený blok se od této buňky do tabulky nevejde (řádek %1, pole %2)"}},
    {MapText::PasteNothing,
     {"Nothing to paste: the clipboard holds no numbers", "Nichts einzufügen: die Zwischenablage enthält keine Zahlen",
      "Rien à coller\u00A0: le presse-papiers ne contient aucun nombre",
      "Není co vložit: schránka neobsahuje žádná čísla"}},
    {MapText::MapLockedCoupled,
     {"Inj-23A follows Inj-14A (Coupled) and cannot be edited",
      "Inj-23A folgt Inj-14A (Gekoppelt) und kann nicht bearbeitet werden",
      "Inj-23A suit Inj-14A (couplé) et ne peut pas être modifiée",
      "Inj-23A sleduje Inj-14A (Spřažený) a nelze ji upravovat"}},
    {MapText::EngineSpeedAxis, {"Engine speed [rpm]", "Drehzahl [U/min]", "Régime [tr/min]", "Otáčky [ot/min]"}},
    {MapText::ThrottleAxis, {"Throttle [%]", "Drosselklappe [%]", "Papillon [%]", "Škrticí klapka [%]"}},
    {MapText::PressureAxis,
     {"Manifold pressure [%]", "Saugrohrdruck [%]", "Pression d’admission [%]", "Tlak v sání [%]"}},
    {MapText::TemperatureAxis, {"Temperature [°C]", "Temperatur [°C]", "Température [°C]", "Teplota [°C]"}},
    {MapText::NoMapOnPage,
     {"This page has no map or curve to show.", "Diese Seite hat kein Kennfeld und keine Kurve zum Anzeigen.",
      "Cette page n’a ni carte ni courbe à afficher.", "Tato stránka nemá mapu ani křivku k zobrazení."}},
    {MapText::TurnHint,
     {"Drag or arrow keys: turn · Home: default view", "Ziehen oder Pfeiltasten: drehen · Pos1: Grundansicht",
      "Glisser ou flèches\u00A0: tourner · Origine\u00A0: vue par défaut",
      "Tažení nebo šipky: otočit · Home: výchozí pohled"}},
    {MapText::OperatingPoint, {"Operating point", "Betriebspunkt", "Point de fonctionnement", "Pracovní bod"}},
    {MapText::SelectionMark, {"Selection", "Auswahl", "Sélection", "Výběr"}},
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
static_assert(RowsInIdOrder(), "map text rows must follow the order of MapText");

}  // namespace

std::string_view MapToolsText(MapText id, std::uint8_t language)
{
    const auto row = static_cast<std::size_t>(id);
    if (row >= Rows.size()) {
        return {};
    }
    return Rows[row].text[language < LanguageCount ? language : std::uint8_t{English}];
}

std::string CellsLimitedText(std::size_t count, std::uint8_t language)
{
    MapText id = MapText::CellsLimited;
    if (count == 1) {
        return std::string(MapToolsText(MapText::OneCellLimited, language));
    }
    if (count >= 2 && count <= 4) {
        id = MapText::CellsLimitedFew;  // differs in Czech only
    }
    return FillIn(MapToolsText(id, language), std::to_string(count));
}

std::string PasteErrorText(MapText id, std::size_t line, std::size_t field, std::uint8_t language)
{
    return FillIn(MapToolsText(id, language), std::to_string(line), std::to_string(field));
}

std::string FillIn(std::string_view text, std::string_view first, std::string_view second)
{
    std::string filled;
    filled.reserve(text.size() + first.size() + second.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            filled += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace korvane::lang
