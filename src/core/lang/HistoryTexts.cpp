#include "lang/HistoryTexts.h"

#include "lang/Captions.h"

namespace korvane::lang {

namespace {

using enum HistoryTextId;

// English, German, French, Czech. The unit is called as the window's own
// texts call it: "unit", "Zündung", "boîtier", "zapalování".
constexpr HistoryTextRow Rows[] = {
    {StepEdit, {"Edit", "Bearbeitung", "Modification", "Úprava"}},
    {StepNew, {"New", "Neu", "Nouveaux paramètres", "Nové parametry"}},
    {StepOpen, {"Open", "Öffnen", "Ouverture d'un fichier", "Otevření souboru"}},
    {StepRead, {"Read", "Lesen", "Lecture du boîtier", "Čtení ze zapalování"}},
    {StepModelChange, {"Model change", "Modellwechsel", "Changement de modèle", "Změna modelu"}},
    {StepJetMode, {"%1: %2", "%1: %2", "%1 : %2", "%1: %2"}},
    {StepPlus, {"Plus (F5)", "Plus (F5)", "Plus (F5)", "Plus (F5)"}},
    {StepMinus, {"Minus (F4)", "Minus (F4)", "Minus (F4)", "Minus (F4)"}},
    {StepColumnUp, {"Column up", "Spalte erhöhen", "Augmenter la colonne", "Zvýšení sloupce"}},
    {StepColumnDown, {"Column down", "Spalte verringern", "Diminuer la colonne", "Snížení sloupce"}},
    {StepPositionAMinus,
     {"Position of Injection A -", "Lage der Einspritzung A -", "Position de l'injection A -", "Poloha vstřiku A -"}},
    {StepPositionAPlus,
     {"Position of Injection A +", "Lage der Einspritzung A +", "Position de l'injection A +", "Poloha vstřiku A +"}},
    {StepPositionBMinus,
     {"Position of Injection B -", "Lage der Einspritzung B -", "Position de l'injection B -", "Poloha vstřiku B -"}},
    {StepPositionBPlus,
     {"Position of Injection B +", "Lage der Einspritzung B +", "Position de l'injection B +", "Poloha vstřiku B +"}},
    {StepServoMinus, {"Servo -", "Servo -", "Servo -", "Servo -"}},
    {StepServoPlus, {"Servo +", "Servo +", "Servo +", "Servo +"}},
    {StepTps0, {"TPS 0 %", "TPS 0 %", "TPS 0 %", "TPS 0 %"}},
    {StepTps100, {"TPS 100 %", "TPS 100 %", "TPS 100 %", "TPS 100 %"}},
    {StepRestorePoint,
     {"Open restore point", "Wiederherstellungspunkt öffnen", "Ouverture d'un point de restauration",
      "Otevření bodu obnovení"}},
    {StepLambdaAdvice,
     {"Apply lambda advice", "Lambda-Empfehlung übernehmen", "Application du conseil lambda",
      "Použití doporučení lambda"}},
    {StepTakeOther,
     {"Take the other value", "Anderen Wert übernehmen", "Reprendre l'autre valeur", "Převzetí druhé hodnoty"}},
    {StepSetValue, {"Set value", "Wert setzen", "Définir la valeur", "Nastavení hodnoty"}},
    {StepAddSteps, {"Add steps", "Schritte addieren", "Ajouter des pas", "Přičtení kroků"}},
    {StepScale, {"Scale", "Skalieren", "Mettre à l'échelle", "Změna měřítka"}},
    {StepInterpolate, {"Interpolate", "Interpolieren", "Interpoler", "Interpolace"}},
    {StepSmooth, {"Smooth", "Glätten", "Lisser", "Vyhlazení"}},
    {StepPaste, {"Paste", "Einfügen", "Coller", "Vložení"}},

    {MenuEdit, {"&Edit", "&Bearbeiten", "É&dition", "Úp&ravy"}},
    {MenuUndo, {"&Undo", "&Rückgängig", "&Annuler", "&Zpět"}},
    {MenuUndoStep, {"&Undo %1", "&Rückgängig: %1", "&Annuler : %1", "&Zpět: %1"}},
    {MenuRedo, {"&Redo", "&Wiederherstellen", "&Rétablir", "Zn&ovu"}},
    {MenuRedoStep, {"&Redo %1", "&Wiederherstellen: %1", "&Rétablir : %1", "Zn&ovu: %1"}},
    {MenuChangesNotInUnit,
     {"&Changes not in the unit", "&Nicht übertragene Änderungen", "&Modifications non transférées",
      "&Nepřenesené změny"}},
    {MenuOptions, {"&Options", "&Optionen", "&Options", "&Možnosti"}},
    {MenuBackupBeforeProgram,
     {"&Back up the unit before programming", "Zündung vor dem Programmieren &sichern",
      "&Sauvegarder le boîtier avant la programmation", "&Zálohovat zapalování před programováním"}},

    {MenuHistory, {"&History…", "&Verlauf…", "&Historique…", "&Historie…"}},
    {MenuCompareFile,
     {"&Compare with file…", "Mit Datei ver&gleichen…", "&Comparer avec un fichier…", "Po&rovnat se souborem…"}},
    {MenuCompareUnit,
     {"Compare with the &unit", "Mit der &Zündung vergleichen", "Comparer avec le &boîtier",
      "Porovnat se &zapalováním"}},
    {MenuExportSheet,
     {"Export &tune sheet…", "&Abstimmungsblatt exportieren…", "&Exporter la fiche de réglage…",
      "&Exportovat přehled nastavení…"}},

    {HistoryTitle, {"History", "Verlauf", "Historique", "Historie"}},
    {ColumnTime, {"Time", "Zeitpunkt", "Date", "Čas"}},
    {ColumnKind, {"Kind", "Art", "Type", "Druh"}},
    {ColumnModel, {"Model", "Modell", "Modèle", "Model"}},
    {ColumnFirmware, {"Firmware", "Firmware", "Firmware", "Firmware"}},
    {ColumnNote, {"Note", "Notiz", "Note", "Poznámka"}},
    {ColumnDifferences, {"Differences", "Unterschiede", "Différences", "Rozdíly"}},
    {ColumnFile, {"File", "Datei", "Fichier", "Soubor"}},
    {ButtonOpen, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {ButtonCompare, {"&Compare", "&Vergleichen", "&Comparer", "&Porovnat"}},
    {ButtonClose, {"Close", "Schließen", "Fermer", "Zavřít"}},
    {KindRead, {"Read", "Gelesen", "Lecture", "Čtení"}},
    {KindProgram, {"Program", "Programmiert", "Programmation", "Programování"}},
    {KindProgramConfirmed,
     {"Program, confirmed", "Programmiert, bestätigt", "Programmation confirmée", "Programování potvrzeno"}},
    {KindBackup,
     {"Unit before programming", "Zündung vor dem Programmieren", "Boîtier avant programmation",
      "Zapalování před programováním"}},
    {KindAdvice,
     {"Before lambda advice", "Vor Lambda-Empfehlung", "Avant conseil lambda", "Před doporučením lambda"}},
    {KindOther, {"Other file", "Fremde Datei", "Autre fichier", "Cizí soubor"}},
    {Unreadable, {"unreadable", "unlesbar", "illisible", "nečitelný"}},

    {FolderNotWritable,
     {"Restore points cannot be saved in %1: %2", "Wiederherstellungspunkte können nicht in %1 gespeichert werden: %2",
      "Impossible d'enregistrer les points de restauration dans %1 : %2", "Body obnovení nelze uložit do %1: %2"}},
    {ChangesNotInUnitOne,
     {"%1 change not in the unit", "%1 nicht übertragene Änderung", "%1 modification non transférée",
      "%1 nepřenesená změna"}},
    {ChangesNotInUnitFew,
     {"%1 changes not in the unit", "%1 nicht übertragene Änderungen", "%1 modifications non transférées",
      "%1 nepřenesené změny"}},
    {ChangesNotInUnitMany,
     {"%1 changes not in the unit", "%1 nicht übertragene Änderungen", "%1 modifications non transférées",
      "%1 nepřenesených změn"}},
};

static_assert(std::size(Rows) == static_cast<std::size_t>(HistoryTextId::Count));

constexpr bool RowsInEnumOrder()
{
    for (std::size_t i = 0; i < std::size(Rows); ++i) {
        if (static_cast<std::size_t>(Rows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInEnumOrder());

std::uint8_t Checked(std::uint8_t language) { return language < LanguageCount ? language : std::uint8_t{English}; }

std::string WithPlaceholders(std::string_view pattern, std::string_view first, std::string_view second)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text += pattern[i + 1] == '1' ? first : second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string MenuWithLabel(HistoryTextId bare, HistoryTextId withLabel, std::string_view label,
                          std::uint8_t language)
{
    if (label.empty()) {
        return HistoryText(bare, language);
    }
    std::string shown;
    for (char c : label) {
        shown += c;
        if (c == '&') {
            shown += '&';
        }
    }
    return HistoryText(withLabel, language, shown);
}

}  // namespace

std::span<const HistoryTextRow> HistoryTextRows() { return Rows; }

std::string HistoryText(HistoryTextId id, std::uint8_t language)
{
    const auto index = static_cast<std::size_t>(id);
    if (index >= std::size(Rows)) {
        return {};
    }
    return std::string(Rows[index].text[Checked(language)]);
}

std::string HistoryText(HistoryTextId id, std::uint8_t language, std::string_view first, std::string_view second)
{
    return WithPlaceholders(HistoryText(id, language), first, second);
}

std::string JetModeStepLabel(std::uint8_t mode, std::uint8_t language)
{
    constexpr std::array<std::string_view, 3> Items{"Menu_Jet123Normal", "Menu_Jet123Coupled", "Menu_Jet123Stejny"};
    const std::string menu = CaptionText("Menu_Jet123Mode", CaptionProperty::Caption, language);
    const std::string item = CaptionText(Items[mode < Items.size() ? mode : 0], CaptionProperty::Caption, language);
    return HistoryText(StepJetMode, language, menu, item);
}

std::string UndoMenuText(std::string_view label, std::uint8_t language)
{
    return MenuWithLabel(MenuUndo, MenuUndoStep, label, language);
}

std::string RedoMenuText(std::string_view label, std::uint8_t language)
{
    return MenuWithLabel(MenuRedo, MenuRedoStep, label, language);
}

std::string ChangesNotInUnitText(std::size_t count, std::uint8_t language)
{
    language = Checked(language);
    HistoryTextId form = ChangesNotInUnitMany;
    if (count == 1 || (language == French && count == 0)) {
        form = ChangesNotInUnitOne;
    } else if (language == Czech && count >= 2 && count <= 4) {
        form = ChangesNotInUnitFew;
    }
    return HistoryText(form, language, std::to_string(count));
}

}  // namespace korvane::lang
