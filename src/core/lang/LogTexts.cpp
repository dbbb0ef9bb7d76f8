#include "lang/LogTexts.h"

#include <array>
#include <cstddef>

namespace korvane::lang {

namespace {

struct LogTextRow {
    LogTextId id;
    std::array<std::string_view, 4> text;
};

constexpr std::size_t LogTextCount = static_cast<std::size_t>(LogTextId::Count);

constexpr std::array<LogTextRow, LogTextCount> Rows{{
    {LogTextId::RejectEngineStopped,
     {"engine stopped or under 1000 rpm",
      "Motor steht oder unter 1000 1/min",
      "moteur arrêté ou sous 1000 tr/min",
      "motor stojí nebo pod 1000 ot/min"}},
    {LogTextId::RejectNoCell,
     {"the unit marks no map cell",
      "die Zündung markiert keine Kennfeldzelle",
      "le boîtier ne marque aucune cellule",
      "zapalování neoznačuje žádnou buňku mapy"}},
    {LogTextId::RejectRunningShort,
     {"engine running for less than 60 s",
      "Motor läuft seit weniger als 60 s",
      "moteur en marche depuis moins de 60 s",
      "motor běží kratší dobu než 60 s"}},
    {LogTextId::RejectCoolantCold,
     {"coolant under 70 °C or its sensor in error",
      "Kühlmittel unter 70 °C oder Sensorfehler",
      "liquide de refroidissement sous 70 °C ou capteur en défaut",
      "chladicí kapalina pod 70 °C nebo chyba čidla"}},
    {LogTextId::RejectThrottleJump,
     {"throttle moved more than 10 %",
      "Drosselklappe um mehr als 10 % bewegt",
      "papillon déplacé de plus de 10 %",
      "škrticí klapka se pohnula o více než 10 %"}},
    {LogTextId::RejectCellChanged,
     {"marked cell changed",
      "markierte Zelle gewechselt",
      "la cellule marquée a changé",
      "označená buňka se změnila"}},
    {LogTextId::RejectFuelCut,
     {"injection time 0 (fuel cut)",
      "Einspritzzeit 0 (Schubabschaltung)",
      "temps d'injection 0 (coupure d'injection)",
      "čas vstřiku 0 (odpojení vstřiku)"}},
    {LogTextId::RejectSensorNotReady,
     {"lambda sensor not ready (still within 350..550 mV)",
      "Lambdasonde nicht bereit (noch zwischen 350 und 550 mV)",
      "sonde lambda pas prête (toujours entre 350 et 550 mV)",
      "lambda sonda není připravena (stále v rozmezí 350..550 mV)"}},
    {LogTextId::RejectOutsideZone,
     {"cell outside the stoichiometric zone",
      "Zelle außerhalb des stöchiometrischen Bereichs",
      "cellule hors de la zone stœchiométrique",
      "buňka mimo stechiometrickou oblast"}},
    {LogTextId::RejectBetweenCells,
     {"operating point between cells",
      "Betriebspunkt zwischen zwei Zellen",
      "point de fonctionnement entre deux cellules",
      "pracovní bod mezi buňkami"}},
    {LogTextId::RejectTransient,
     {"within 3 frames after a fuel cut or a throttle change",
      "bis 3 Messungen nach Schubabschaltung oder Drosselklappensprung",
      "moins de 3 mesures après une coupure ou un mouvement du papillon",
      "do 3 měření po odpojení vstřiku nebo změně plynu"}},
    {LogTextId::RejectLogEnded,
     {"log ended before the delayed voltage",
      "Aufzeichnung endet vor der verzögerten Spannung",
      "enregistrement terminé avant la tension retardée",
      "záznam skončil před zpožděným napětím"}},
    {LogTextId::Richer,
     {"richer",
      "fetter",
      "plus riche",
      "bohatší"}},
    {LogTextId::Leaner,
     {"leaner",
      "magerer",
      "plus pauvre",
      "chudší"}},
    {LogTextId::Replay,
     {"Replay",
      "Wiedergabe",
      "Relecture",
      "Přehrávání"}},
    {LogTextId::ReplayLogMenu,
     {"&Replay log…",
      "Aufzeichnung &wiedergeben…",
      "&Rejouer un enregistrement…",
      "&Přehrát záznam…"}},
    {LogTextId::ApplyLambdaAdvice,
     {"Apply &lambda advice",
      "&Lambda-Empfehlung übernehmen",
      "Appliquer les conseils &lambda",
      "Použít doporučení &lambda"}},
    {LogTextId::LockCell,
     {"&Lock cell",
      "Zelle &sperren",
      "&Verrouiller la cellule",
      "&Zamknout buňku"}},
    {LogTextId::FolderUnwritable,
     {"Live data cannot be recorded in ",
      "Live-Daten können nicht aufgezeichnet werden in ",
      "Impossible d'enregistrer les données en direct dans ",
      "Živá data nelze zaznamenávat do "}},
    {LogTextId::SkipCutOff,
     {"line cut off",
      "Zeile abgeschnitten",
      "ligne tronquée",
      "useknutý řádek"}},
    {LogTextId::SkipCellCount,
     {"wrong number of fields",
      "falsche Anzahl Felder",
      "nombre de champs incorrect",
      "chybný počet polí"}},
    {LogTextId::SkipBadTime,
     {"time is not a number",
      "Zeit ist keine Zahl",
      "le temps n'est pas un nombre",
      "čas není číslo"}},
    {LogTextId::SkipTimeBackwards,
     {"time goes backwards",
      "Zeit läuft rückwärts",
      "le temps recule",
      "čas jde zpět"}},
    {LogTextId::SkipBadFrame,
     {"frame is not 204 hex digits",
      "Datenrahmen ist keine 204 Hex-Ziffern",
      "la trame n'a pas 204 chiffres hexadécimaux",
      "rámec nemá 204 šestnáctkových číslic"}},
    {LogTextId::SkipFrameCheck,
     {"frame check byte wrong",
      "Prüfbyte des Datenrahmens falsch",
      "octet de contrôle de la trame erroné",
      "chybný kontrolní bajt rámce"}},
    {LogTextId::SkipBadValue,
     {"value is not a number",
      "Wert ist keine Zahl",
      "la valeur n'est pas un nombre",
      "hodnota není číslo"}},
    {LogTextId::CellFrames,
     {"Frames in this cell since the reset: %1",
      "Messungen in dieser Zelle seit dem Zurücksetzen: %1",
      "Mesures dans cette cellule depuis la remise à zéro : %1",
      "Měření v této buňce od vynulování: %1"}},
    {LogTextId::CellEvidence,
     {"%1 lambda samples: %2 % lean, %3 % rich",
      "%1 Lambda-Messwerte: %2 % mager, %3 % fett",
      "%1 mesures lambda : %2 % pauvre, %3 % riche",
      "%1 vzorků lambda: %2 % chudá, %3 % bohatá"}},
    {LogTextId::CellLocked,
     {"locked: no advice",
      "gesperrt: keine Empfehlung",
      "verrouillée : aucun conseil",
      "zamčeno: žádné doporučení"}},
    {LogTextId::CellAtRail,
     {"at its limit of 10 % from the base value",
      "an der Grenze von 10 % zum Ausgangswert",
      "à sa limite de 10 % de la valeur de base",
      "na hranici 10 % od výchozí hodnoty"}},
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
static_assert(RowsInIdOrder(), "log text rows must follow the order of LogTextId");

}  // namespace

std::string_view LogText(LogTextId id, std::uint8_t language)
{
    const auto index = static_cast<std::size_t>(id);
    if (index >= LogTextCount) {
        return {};
    }
    return Rows[index].text[language < Rows[index].text.size() ? language : 0];
}

std::string_view RejectReasonText(logs::RejectReason reason, std::uint8_t language)
{
    return LogText(static_cast<LogTextId>(static_cast<std::size_t>(LogTextId::RejectEngineStopped) +
                                          static_cast<std::size_t>(reason)),
                   language);
}

std::string_view SkipReasonText(logs::SkipReason reason, std::uint8_t language)
{
    return LogText(
        static_cast<LogTextId>(static_cast<std::size_t>(LogTextId::SkipCutOff) + static_cast<std::size_t>(reason)),
        language);
}

}  // namespace korvane::lang
