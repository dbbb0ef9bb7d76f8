#include "lang/Captions.h"

#include "lang/Texts.h"

#include <algorithm>

namespace korvane::lang {

namespace {

constexpr CaptionProperty Caption = CaptionProperty::Caption;
constexpr CaptionProperty Hint = CaptionProperty::Hint;

// A caption that reads the same in every language: symbols, numbers, units
// and the few menu items that keep their design text.
constexpr CaptionRow Neutral(std::string_view control, std::string_view text)
{
    return {control, Caption, {text, text, text, text}};
}

// A caption known only in English so far; every language shows the English
// text until the row is translated.
constexpr CaptionRow EnglishOnly(std::string_view control, std::string_view text)
{
    return {control, Caption, {text, text, text, text}};
}

constexpr std::array<std::string_view, LanguageCount> TitleRow{
    "Programming of Korvane unit",
    "Programmierung der Korvane Zündbox",
    "Programation de Korvane unité",
    "Programování jednotky Korvane"};

constexpr std::array<std::array<std::string_view, 3>, LanguageCount> PositionRefRows{{
    {"Beginning", "Centre", "End"},
    {"Beginning", "Centre", "End"},  // not translated yet
    {"Beginning", "Centre", "End"},  // not translated yet
    {"Beginning", "Centre", "End"},  // not translated yet
}};

// English, German, French, Czech. Verbatim, odd spellings, doubled blanks
// and access-key ampersands included.
constexpr CaptionRow Rows[] = {
    // Connection label, menus, tool bar.
    {"LabelSpojeni", Caption,
     {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc", "Není spojení s PC"}},
    {"MenuFile", Caption, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {"MenuNew", Caption, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {"MenuOpen", Caption, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {"MenuSave", Caption, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {"MenuPrint", Caption, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {"MenuExit", Caption, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {"MenuCom", Caption, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {"MenuDevice", Caption, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {"MenuRead", Caption, {"&Read", "&Lesen", "&Lire", "Čí&st"}},
    {"ButtonRead", Caption, {"&Read", "&Lesen", "&Lire", "Čí&st"}},
    {"MenuVerify", Caption, {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"}},
    {"ButtonVerify", Caption, {"&Verify", "&Vergleichen", "&Verifier", "&Verifikace"}},
    {"MenuProgram", Caption, {"&Program", "&Programmieren", "&Programer", "&Programovat"}},
    {"ButtonProgram", Caption, {"&Program", "&Programmieren", "&Programer", "&Programovat"}},
    {"Menu_Jet123Normal", Caption, {"Separate", "Getrennt", "Séparé", "Oddělený"}},
    {"Menu_Jet123Coupled", Caption, {"Coupled", "Gekoppelt", "couplé", "Spřažený"}},
    {"Menu_Jet123Mode", Caption, {"Jet 14-23", "Einspritzung 14-23", "inject 14-23", "Vstřik 14-23"}},
    {"MenuTools", Caption, {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    {"MenuLanguage", Caption, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {"MenuEnglish", Caption, {"&English", "&Englisch", "&Englais", "&Anglicky"}},
    {"MenuGerman", Caption, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {"MenuFrench", Caption, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {"MenuCzech", Caption, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {"MenuHelp", Caption, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {"MenuContens", Caption, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {"MenuAbout", Caption, {"&About...", "&Über Programm...", "&Information", "&O programu..."}},

    // Page tabs and the "All" boxes.
    {"TabSheet_Poloha", Caption, {"Position", "Lage", "Positon", "Poloha"}},
    {"TabSheet_Servo", Caption, {"Servo", "Servo", "Servo", "Servo"}},
    {"GroupBoxServo", Caption, {"Servo", "Servo", "Servo", "Servo"}},
    {"CheckBoxAll_Servo", Caption, {"All", "Alles", "Tout", "Vše"}},
    {"CheckBoxAll_PolohaA", Caption, {"All", "Alles", "Tout", "Vše"}},
    {"CheckBoxAll_PolohaB", Caption, {"All", "Alles", "Tout", "Vše"}},
    {"CheckBoxAll_Map", Caption, {"All", "Alles", "Tout", "Vše"}},
    {"GroupBoxOther", Caption, {"Other", "Andere", "Autres", "Různé"}},
    {"TabSheet_Ruzne", Caption, {"Other", "Andere", "Autres", "Různé"}},
    {"TabSheet_Korekce", Caption, {"Corrections", "Korrektionen", "Corrections", "Korekce"}},
    {"TabSheet_Ladeni", Caption, {"Tuning", "Einstellung", "Tuning", "Ladění"}},
    {"MapPage0", Caption, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {"MapPage1", Caption, {"Injection - 14", "Einspritz - 14", "Injection - 14", "Vstřik - 14"}},
    {"MapPage2", Caption, {"Injection - 23", "Einspritz - 23", "Injection - 23", "Vstřik - 23"}},
    {"MapPage3", Caption, {"Injection - B", "Einspritz - B", "Injection - B", "Vstřik - B"}},
    {"MapPage4", Caption, {"Injection - IAP", "Einspritz - IAP", "Injection - IAP", "Vstřik - IAP"}},
    {"TabSheet_Gas", Caption, {"N2O Controller", "N2O Kontroller", "N2O Controller", "Řízení N2O"}},

    // Hints: tooltip and status-bar text.
    {"LabelVerze1", Hint,
     {"Version of program in ignition",
      "Version des Programms der Zündung",
      "Variantes de courbe d´avance",
      "Verze programu v zapalování"}},
    {"LabelVerze2", Hint,
     {"Date of program in ignition",
      "Datum des Programms der Zündung",
      "Date de programation de la courbe d´avance",
      "Datum zhotovení programu v zapalování"}},
    {"LabelVerze3", Hint,
     {"Time of program in ignition",
      "Programmierzeitpunkt der Zündung",
      "Temp de programation de la courbe d´avance",
      "Čas zhotovení programu v zapalování"}},
    {"SpeedButton5", Hint,
     {"Open file with parametrs",
      "Kenndatendatei öffnen",
      "Ouvrir fichier avec paramètres",
      "Otevření souboru s parametry"}},
    {"MenuOpen", Hint,
     {"Open file with parametrs",
      "Kenndatendatei öffnen",
      "Ouvrir fichier avec paramètres",
      "Otevření souboru s parametry"}},
    {"SpeedButton6", Hint,
     {"Set default parametrs",
      "Neue Kenndatendaten erstellen",
      "Reprogramation des paramètres initial Dórigine",
      "Nastavení výchozích parametrů"}},
    {"MenuNew", Hint,
     {"Set default parametrs",
      "Neue Kenndatendaten erstellen",
      "Reprogramation des paramètres initial Dórigine",
      "Nastavení výchozích parametrů"}},
    {"SpeedButton7", Hint,
     {"Save parametrs to file",
      "Kenndaten in Datei speichern",
      "Sauvegarder les paramètres",
      "Uložení parametrů do souboru"}},
    {"MenuSave", Hint,
     {"Save parametrs to file",
      "Kenndaten in Datei speichern",
      "Sauvegarder les paramètres",
      "Uložení parametrů do souboru"}},
    {"SpeedButtonPrint", Hint,
     {"Print parametrs", "Druck der Kenndaten", "Imprimer paramètres", "Tisk parametrů"}},
    {"MenuPrint", Hint,
     {"Print parametrs", "Druck der Kenndaten", "Imprimer paramètres", "Tisk parametrů"}},
    {"ButtonProgram", Hint,
     {"Programing  set parametrs to ignition",
      "Programmieren der Kenndaten auf die Zündbox",
      "Programer les paramètres dans ECU",
      "Programování nastavených parametrů do zapalování"}},
    {"MenuProgram", Hint,
     {"Programing  set parametrs to ignition",
      "Programmieren der Kenndaten auf die Zündbox",
      "Programer les paramètres dans ECU",
      "Programování nastavených parametrů do zapalování"}},
    {"ButtonVerify", Hint,
     {"Compare set parametrs  with parametrs of ignition",
      "Vergleich der Kenndaten mit Zündboxkenndaten",
      "Comparer les paramètres de ECU",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {"MenuVerify", Hint,
     {"Compare set parametrs  with parametrs of ignition",
      "Vergleich der Kenndaten mit Zündboxkenndaten",
      "Comparer les paramètres de ECU",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {"ButtonRead", Hint,
     {"Reading parametrs from ignition",
      "Kenndaten aus Zündung lesen",
      "Lire paramètres ECU",
      "Čtení parametrů ze zapalování"}},
    {"MenuRead", Hint,
     {"Reading parametrs from ignition",
      "Kenndaten aus Zündung lesen",
      "Lire paramètres ECU",
      "Čtení parametrů ze zapalování"}},
    {"MenuExit", Hint, {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    {"CheckBoxProgHned", Hint,
     {"Programing at once after change",
      "Programmmierung gleich nach der Änderung",
      "Programation instantanée des modifications",
      "Programování ihned po změně"}},
    {"GroupBoxActivation", Hint,
     {"Checked items means activation by closing to ground",
      "Gezeichnete Punkt bedeutet Aktivierung durch Schaltverbindung zu Grund",
      "Les points marqués sont activ avec le contacte de masse",
      "Zaškrtnutí znamená aktivaci připojením na zem"}},
    {"MenuCom", Hint,
     {"Set number of com",
      "Com-Anschluß festlegen",
      "installer nombre de com",
      "Nastavení čísla serivého portu (Com) "}},
    // "Set com" and the port number, in every language.
    {"MenuCom1", Hint, {"Set com 1", "Com-Anschluß auswahl 1", "installer com 1", "Nastavení komunikace na port com 1"}},
    {"MenuCom2", Hint, {"Set com 2", "Com-Anschluß auswahl 2", "installer com 2", "Nastavení komunikace na port com 2"}},
    {"MenuCom3", Hint, {"Set com 3", "Com-Anschluß auswahl 3", "installer com 3", "Nastavení komunikace na port com 3"}},
    {"MenuCom4", Hint, {"Set com 4", "Com-Anschluß auswahl 4", "installer com 4", "Nastavení komunikace na port com 4"}},
    {"MenuCom5", Hint, {"Set com 5", "Com-Anschluß auswahl 5", "installer com 5", "Nastavení komunikace na port com 5"}},
    {"MenuCom6", Hint, {"Set com 6", "Com-Anschluß auswahl 6", "installer com 6", "Nastavení komunikace na port com 6"}},
    {"MenuCom7", Hint, {"Set com 7", "Com-Anschluß auswahl 7", "installer com 7", "Nastavení komunikace na port com 7"}},
    {"MenuCom8", Hint, {"Set com 8", "Com-Anschluß auswahl 8", "installer com 8", "Nastavení komunikace na port com 8"}},
    {"MenuCom9", Hint, {"Set com 9", "Com-Anschluß auswahl 9", "installer com 9", "Nastavení komunikace na port com 9"}},
    {"MenuCom10", Hint,
     {"Set com 10", "Com-Anschluß auswahl 10", "installer com 10", "Nastavení komunikace na port com 10"}},
    {"MenuLanguage", Hint,
     {"Language|Set English or German or French",
      "Sprache",
      "Sélection de la lange",
      "Nastavení jazyka na angličtinu, češtinu nebo němčinu"}},

    // "Other" page.
    EnglishOnly("LabelOmez1", "Start limiter [rpm]"),
    EnglishOnly("CheckBoxAktLimiter1", "Start limiter"),
    EnglishOnly("LabelOmez2", "Ignition Limiter [rpm]"),
    EnglishOnly("LabelOmez3", "Injection Limiter [rpm]"),
    EnglishOnly("LabelPilotLight", "Gear Shift Light [rpm]"),
    EnglishOnly("LabelClutchTime", "Clutch master time [ms]"),
    EnglishOnly("LabelClutchPause", "Clutch master pause [ms]"),
    EnglishOnly("CheckBoxBlokEnable", "Blocking enable"),
    EnglishOnly("CheckBoxProgHned", "Programming after change"),
    EnglishOnly("CheckBoxExtMonitor", "Detailed representation"),
    EnglishOnly("GroupBoxActivation", "Activation by Switch on"),
    // Shares its wording with the fall-sensor label of the live data.
    {"CheckBoxAktBlok1", Caption, {"Fall sensor", "Fallsensor", "Fall sensor", "Pádový senzor"}},
    EnglishOnly("CheckBoxAktN2o", "Activation N2O"),
    EnglishOnly("GroupBoxDisplay", "Display on Bike"),
    EnglishOnly("CheckBoxTempDisplay", "Temperature instead of speed"),
    EnglishOnly("CheckBoxGearDisplay", "Gear instead of servo"),
    EnglishOnly("LabelRpmPulsu", "Pulses per revolution"),
    EnglishOnly("LabelRpmKorekce", "Correction"),
    EnglishOnly("LabelFile1", "File:"),
    EnglishOnly("LabelBike", "Motorbike Type"),

    // Positions page.
    EnglishOnly("GroupBoxPolohaA", "Position of Injection A"),
    EnglishOnly("GroupBoxPolohaB", "Position of Injection B"),
    EnglishOnly("RadioGroupPolohaA", "Position of:"),
    EnglishOnly("RadioGroupPolohaB", "Position of:"),

    // Corrections page.
    EnglishOnly("GroupBoxAkcel", "Acceleration Injection"),
    EnglishOnly("LabelAkcelPrah", "Threshold [%/s]"),
    EnglishOnly("LabelAkcelJet", "Size [us]"),
    // Shares its wording with the cooling label of the live data.
    {"GroupBoxChlazeni", Caption, {"Cooling", "Kühlung", "Cooling", "Chlazení"}},
    EnglishOnly("GroupBoxVodaVzduch", "Temperature Corrections"),
    EnglishOnly("GroupBoxStartJet", "Start Injection"),
    EnglishOnly("LabelVoda2", "Coolant"),
    EnglishOnly("LabelVzduch2", "Inlet Air"),
    EnglishOnly("GroupBoxSytic", "Starting Corrections"),
    EnglishOnly("LabelSyticCas", "Time [s]"),
    EnglishOnly("LabelSyticKorekce", "Corrections for -10°C [%]"),

    // Servo page.
    EnglishOnly("LabelGearIsCecked", "Gear instead of servo is checked"),
    EnglishOnly("CheckBoxServoEnable", "Servo Enable"),
    EnglishOnly("LabelServoHyster", "Servo Hysteresis [mV]"),

    // N2O page.
    EnglishOnly("CheckBoxGas", "N2O Enabled"),
    EnglishOnly("GroupBoxGas", "N2O"),
    EnglishOnly("LabelGas1", "N2O 1 [%]"),
    EnglishOnly("LabelGas2", "N2O 2 [%]"),
    EnglishOnly("GroupBoxRetard", "Retard"),
    EnglishOnly("LabelRetard1", "Retard 1 [°]"),
    EnglishOnly("LabelRetard2", "Retard 2 [°]"),
    // English only so far, except that French leaves these four blank.
    {"LabelGasD", Caption, {"Delay [ms]", "Delay [ms]", "", "Delay [ms]"}},
    {"LabelRetardD", Caption, {"Delay [ms]", "Delay [ms]", "", "Delay [ms]"}},
    {"LabelGasT", Caption, {"Build up Time [ms]", "Build up Time [ms]", "", "Build up Time [ms]"}},
    {"LabelRetardT", Caption, {"Build up Time [ms]", "Build up Time [ms]", "", "Build up Time [ms]"}},

    // Design captions that no language changes; applying them is harmless
    // and keeps one table for every caption of the window.
    Neutral("MenuCom1", "Com &1"),
    Neutral("MenuCom2", "Com &2"),
    Neutral("MenuCom3", "Com &3"),
    Neutral("MenuCom4", "Com &4"),
    Neutral("MenuCom5", "Com &5"),
    Neutral("MenuCom6", "Com &6"),
    Neutral("MenuCom7", "Com &7"),
    Neutral("MenuCom8", "Com &8"),
    Neutral("MenuCom9", "Com &9"),
    Neutral("MenuCom10", "Com 1&0"),
    Neutral("Menu_Jet123Stejny", "14 = 23"),
    Neutral("MenuToolsMinus", "Minus "),
    Neutral("MenuToolsPlus", "Plus"),

    // Map group shared by the five map pages.
    Neutral("LabelMapRpm", "RPM"),
    Neutral("LabelMapTps", "TPS"),
    Neutral("ButtonMinus_Map", "-"),
    Neutral("ButtonPlus_Map", "+"),

    // Positions and servo rows.
    Neutral("LabelPolohaA_1", "RPM"),
    Neutral("LabelPolohaA_2", "[°]"),
    Neutral("ButtonMinus_PolohaA", "-"),
    Neutral("ButtonPlus_PolohaA", "+"),
    Neutral("LabelPolohaB_1", "RPM"),
    Neutral("LabelPolohaB_2", "[°]"),
    Neutral("ButtonMinus_PolohaB", "-"),
    Neutral("ButtonPlus_PolohaB", "+"),
    Neutral("LabelServoRpm", "RPM"),
    Neutral("LabelServoNap", "[mV]"),
    Neutral("ButtonMinus_Servo", "-"),
    Neutral("ButtonPlus_Servo", "+"),

    // "Other" page design captions.
    EnglishOnly("CheckBoxAktClutch", "Clutch master"),
    EnglishOnly("CheckBoxAktRpm", "Tacho/Lambda"),
    Neutral("GroupBoxTps", "TPS"),
    Neutral("LabelTps0", "0%  [mV]"),
    Neutral("LabelTps100", "100%  [mv]"),
    Neutral("ButtonTps0", "TPS 0 %"),
    Neutral("ButtonTps100", "TPS 100 %"),
    Neutral("GroupBoxRpm", "RPM"),
    Neutral("LabelChlazeni", "[°C]"),

    // Corrections page design captions.
    Neutral("LabelSyticCas0", "0"),
    Neutral("LabelSyticKorekce4", "100"),
    Neutral("LabelStartJet", "[ms]"),
    Neutral("LabelKorTeplota0", "-10 °C"),
    Neutral("LabelKorTeplota1", "20 °C"),
    Neutral("LabelKorTeplota2", "50 °C"),
    Neutral("LabelKorTeplota3", "80 °C"),
    Neutral("LabelKorTeplota4", "110 °C"),

    // Tuning page.
    EnglishOnly("LabelLadeni", "Caution - For experienced user only!"),
    Neutral("LabelLadeniLambda", "Lambda"),
    EnglishOnly("LabelLadeniHyster", "Hyster"),
    Neutral("LabelLadeniRpm", "Rpm"),
    Neutral("LabelLadeniTps", "Tps"),
    EnglishOnly("LabelLadeniCas", "Cas"),
};

std::uint8_t ValidLanguage(std::uint8_t language)
{
    return language < LanguageCount ? language : std::uint8_t{English};
}

}  // namespace

std::span<const CaptionRow> CaptionTable()
{
    return Rows;
}

const CaptionRow *FindCaption(std::string_view control, CaptionProperty property)
{
    const auto *row = std::find_if(std::begin(Rows), std::end(Rows), [&](const CaptionRow &r) {
        return r.control == control && r.property == property;
    });
    return row == std::end(Rows) ? nullptr : row;
}

std::string CaptionText(std::string_view control, CaptionProperty property, std::uint8_t language)
{
    const CaptionRow *row = FindCaption(control, property);
    return row ? std::string(row->text[ValidLanguage(language)]) : std::string();
}

HintParts SplitHint(std::string_view hint)
{
    const auto bar = hint.find('|');
    if (bar == std::string_view::npos) {
        return {std::string(hint), std::string(hint)};
    }
    return {std::string(hint.substr(0, bar)), std::string(hint.substr(bar + 1))};
}

std::string WindowTitle(std::uint8_t language)
{
    return std::string(TitleRow[ValidLanguage(language)]);
}

std::array<std::string_view, 3> PositionRefItems(std::uint8_t language)
{
    return PositionRefRows[ValidLanguage(language)];
}

}  // namespace korvane::lang
