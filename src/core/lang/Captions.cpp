#include "lang/Captions.h"

#include "lang/MessageTable.h"
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

// A caption that shares its wording with a message text reads it from the
// message table, so the two can never drift apart.
constexpr CaptionRow Shared(std::string_view control, TextId id)
{
    return {control, Caption, detail::MessageRow(id)};
}

constexpr std::array<std::string_view, LanguageCount> TitleRow{
    "Programming of Korvane unit",
    "Programmierung der Korvane Zündbox",
    "Programation de Korvane unité",
    "Programování jednotky Korvane"};

// The radio items have no row of their own; their German, French and Czech
// are ours, so that the positions page does not stay half English.
constexpr std::array<std::array<std::string_view, 3>, 4> PositionRefTexts{{
    {"Beginning", "Centre", "End"},
    {"Anfang", "Mitte", "Ende"},
    {"Début", "Milieu", "Fin"},
    {"Začátek", "Střed", "Konec"},
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
    Shared("TabSheet_Poloha", TextId::Position),
    {"TabSheet_Servo", Caption, {"Servo", "Servo", "Servo", "Servo"}},
    {"GroupBoxServo", Caption, {"Servo", "Servo", "Servo", "Servo"}},
    {"CheckBoxAll_Servo", Caption, {"All", "Alles", "Tout", "Vše"}},
    {"CheckBoxAll_PolohaA", Caption, {"All", "Alles", "Tout", "Vše"}},
    {"CheckBoxAll_PolohaB", Caption, {"All", "Alles", "Tout", "Vše"}},
    {"CheckBoxAll_Map", Caption, {"All", "Alles", "Tout", "Vše"}},
    // Names no control of the window; kept so the table stays complete.
    {"GroupBoxOther", Caption, {"Other", "Andere", "Autres", "Různé"}},
    {"TabSheet_Ruzne", Caption, {"Other", "Andere", "Autres", "Různé"}},
    {"TabSheet_Korekce", Caption, {"Corrections", "Korrektionen", "Corrections", "Korekce"}},
    {"TabSheet_Ladeni", Caption, {"Tuning", "Einstellung", "Tuning", "Ladění"}},
    Shared("MapPage0", TextId::Advance),
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

    // "Other" page. German, French and Czech of these rows are our own.
    {"LabelOmez1", Caption,
     {"Start limiter [rpm]", "Startbegrenzer [U/min]", "Limiteur de départ [tr/min]", "Startovací omezovač [ot/min]"}},
    {"CheckBoxAktLimiter1", Caption,
     {"Start limiter", "Startbegrenzer", "Limiteur de départ", "Startovací omezovač"}},
    {"LabelOmez2", Caption,
     {"Ignition Limiter [rpm]", "Zündbegrenzer [U/min]", "Limiteur d'allumage [tr/min]",
      "Omezovač zapalování [ot/min]"}},
    {"LabelOmez3", Caption,
     {"Injection Limiter [rpm]", "Einspritzbegrenzer [U/min]", "Limiteur d'injection [tr/min]",
      "Omezovač vstřiku [ot/min]"}},
    {"LabelPilotLight", Caption,
     {"Gear Shift Light [rpm]", "Schaltblitz [U/min]", "Voyant de passage [tr/min]", "Kontrolka řazení [ot/min]"}},
    {"LabelClutchTime", Caption,
     {"Clutch master time [ms]", "Clutch-Master-Zeit [ms]", "Durée Clutch master [ms]", "Doba Clutch master [ms]"}},
    {"LabelClutchPause", Caption,
     {"Clutch master pause [ms]", "Clutch-Master-Pause [ms]", "Pause Clutch master [ms]",
      "Pauza Clutch master [ms]"}},
    {"CheckBoxBlokEnable", Caption,
     {"Blocking enable", "Blockierung aktiv", "Blocage activé", "Blokování povoleno"}},
    {"CheckBoxProgHned", Caption,
     {"Programming after change", "Programmieren nach Änderung", "Programmation après modification",
      "Programování po změně"}},
    {"CheckBoxExtMonitor", Caption,
     {"Detailed representation", "Detaillierte Anzeige", "Affichage détaillé", "Podrobné zobrazení"}},
    {"GroupBoxActivation", Caption,
     {"Activation by Switch on", "Aktivierung durch Schalter", "Activation par interrupteur", "Aktivace spínačem"}},
    Shared("CheckBoxAktBlok1", TextId::FallSensor),
    {"CheckBoxAktN2o", Caption, {"Activation N2O", "N2O-Aktivierung", "Activation N2O", "Aktivace N2O"}},
    {"GroupBoxDisplay", Caption,
     {"Display on Bike", "Anzeige am Motorrad", "Affichage sur la moto", "Displej na motocyklu"}},
    {"CheckBoxTempDisplay", Caption,
     {"Temperature instead of speed", "Temperatur statt Geschwindigkeit", "Température au lieu de la vitesse",
      "Teplota místo rychlosti"}},
    {"CheckBoxGearDisplay", Caption,
     {"Gear instead of servo", "Gang statt Servo", "Rapport au lieu du servo", "Převod místo serva"}},
    {"LabelRpmPulsu", Caption,
     {"Pulses per revolution", "Impulse pro Umdrehung", "Impulsions par tour", "Pulzů na otáčku"}},
    {"LabelRpmKorekce", Caption, {"Correction", "Korrektur", "Correction", "Korekce"}},
    {"LabelFile1", Caption, {"File:", "Datei:", "Fichier :", "Soubor:"}},
    {"LabelBike", Caption, {"Motorbike Type", "Motorradtyp", "Type de moto", "Typ motocyklu"}},

    // Positions page.
    {"GroupBoxPolohaA", Caption,
     {"Position of Injection A", "Lage der Einspritzung A", "Position de l'injection A", "Poloha vstřiku A"}},
    {"GroupBoxPolohaB", Caption,
     {"Position of Injection B", "Lage der Einspritzung B", "Position de l'injection B", "Poloha vstřiku B"}},
    {"RadioGroupPolohaA", Caption, {"Position of:", "Bezugspunkt:", "Référence :", "Vztaženo k:"}},
    {"RadioGroupPolohaB", Caption, {"Position of:", "Bezugspunkt:", "Référence :", "Vztaženo k:"}},

    // Corrections page.
    {"GroupBoxAkcel", Caption,
     {"Acceleration Injection", "Beschleunigungsanreicherung", "Injection d'accélération", "Akcelerační vstřik"}},
    {"LabelAkcelPrah", Caption, {"Threshold [%/s]", "Schwelle [%/s]", "Seuil [%/s]", "Práh [%/s]"}},
    {"LabelAkcelJet", Caption, {"Size [us]", "Dauer [us]", "Durée [us]", "Délka [us]"}},
    Shared("GroupBoxChlazeni", TextId::Cooling),
    {"GroupBoxVodaVzduch", Caption,
     {"Temperature Corrections", "Temperaturkorrekturen", "Corrections de température", "Teplotní korekce"}},
    {"GroupBoxStartJet", Caption,
     {"Start Injection", "Starteinspritzung", "Injection de démarrage", "Startovací vstřik"}},
    // Column heads above narrow editors: short words.
    {"LabelVoda2", Caption, {"Coolant", "Kühlmittel", "Liquide", "Chladivo"}},
    {"LabelVzduch2", Caption, {"Inlet Air", "Ansaugluft", "Air", "Vzduch"}},
    {"GroupBoxSytic", Caption,
     {"Starting Corrections", "Startkorrekturen", "Corrections de démarrage", "Startovací korekce"}},
    {"LabelSyticCas", Caption, {"Time [s]", "Zeit [s]", "Temps [s]", "Čas [s]"}},
    {"LabelSyticKorekce", Caption,
     {"Corrections for -10°C [%]", "Korrekturen bei -10°C [%]", "Corrections à -10°C [%]", "Korekce pro -10°C [%]"}},

    // Servo page.
    {"LabelGearIsCecked", Caption,
     {"Gear instead of servo is checked", "„Gang statt Servo“ ist aktiviert", "« Rapport au lieu du servo » est coché",
      "Je zaškrtnuto „Převod místo serva“"}},
    {"CheckBoxServoEnable", Caption, {"Servo Enable", "Servo aktiv", "Servo activé", "Servo povoleno"}},
    {"LabelServoHyster", Caption,
     {"Servo Hysteresis [mV]", "Servo-Hysterese [mV]", "Hystérésis du servo [mV]", "Hystereze serva [mV]"}},

    // N2O page.
    {"CheckBoxGas", Caption, {"N2O Enabled", "N2O aktiv", "N2O activé", "N2O povoleno"}},
    Neutral("GroupBoxGas", "N2O"),
    Neutral("LabelGas1", "N2O 1 [%]"),
    Neutral("LabelGas2", "N2O 2 [%]"),
    {"GroupBoxRetard", Caption, {"Retard", "Spätverstellung", "Retard", "Snížení předstihu"}},
    {"LabelRetard1", Caption, {"Retard 1 [°]", "Spätverstellung 1 [°]", "Retard 1 [°]", "Snížení předstihu 1 [°]"}},
    {"LabelRetard2", Caption, {"Retard 2 [°]", "Spätverstellung 2 [°]", "Retard 2 [°]", "Snížení předstihu 2 [°]"}},
    {"LabelGasD", Caption, {"Delay [ms]", "Verzögerung [ms]", "Délai [ms]", "Zpoždění [ms]"}},
    {"LabelRetardD", Caption, {"Delay [ms]", "Verzögerung [ms]", "Délai [ms]", "Zpoždění [ms]"}},
    {"LabelGasT", Caption, {"Build up Time [ms]", "Anstiegszeit [ms]", "Temps de montée [ms]", "Doba náběhu [ms]"}},
    {"LabelRetardT", Caption,
     {"Build up Time [ms]", "Anstiegszeit [ms]", "Temps de montée [ms]", "Doba náběhu [ms]"}},

    // Title of the About box.
    {"FormAbout", Caption,
     {"About Varnok_R", "Über Programm Varnok_R", "Information Varnok_R", "O programu Varnok_R"}},

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
    Neutral("CheckBoxAktClutch", "Clutch master"),
    Neutral("CheckBoxAktRpm", "Tacho/Lambda"),
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
    Neutral("LabelLadeni", "Caution - For experienced user only!"),
    Neutral("LabelLadeniLambda", "Lambda"),
    Neutral("LabelLadeniHyster", "Hyster"),
    Neutral("LabelLadeniRpm", "Rpm"),
    Neutral("LabelLadeniTps", "Tps"),
    Neutral("LabelLadeniCas", "Cas"),
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
    return PositionRefTexts[language < PositionRefTexts.size() ? language : 0];
}

}  // namespace korvane::lang
