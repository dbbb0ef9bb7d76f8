#pragma once

// The corrections page: starting corrections over time, acceleration and
// start injection, the coolant and inlet-air corrections, and the live
// corrections the unit reports.

#include "SheetParts.h"

#include <QWidget>

class QGroupBox;

namespace korvane::ui {

class KorekceSheet : public QWidget {
    Q_OBJECT
public:
    static constexpr int TemperatureRows = 5;
    static constexpr int StartSteps = 4;

    KorekceSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent = nullptr);

    // SyticCas1..4 as index 0..3; SyticKorekce0..3.
    [[nodiscard]] NumericEditor *startTime(int index) const { return m_startTimes.at(index); }
    [[nodiscard]] NumericEditor *startCorrection(int index) const { return m_startCorrections.at(index); }
    [[nodiscard]] QLabel *startTimeZeroLabel() const { return m_startTimeZero; }           // LabelSyticCas0
    [[nodiscard]] QLabel *lastStartCorrectionLabel() const { return m_lastCorrection; }   // LabelSyticKorekce4
    [[nodiscard]] NumericEditor *akcelPrah() const { return m_akcelPrah; }
    [[nodiscard]] NumericEditor *akcelJet() const { return m_akcelJet; }
    [[nodiscard]] NumericEditor *startJet() const { return m_startJet; }
    [[nodiscard]] NumericEditor *korVoda(int row) const { return m_voda.at(row); }
    [[nodiscard]] NumericEditor *korVzduch(int row) const { return m_vzduch.at(row); }
    [[nodiscard]] QLabel *korSyticLabel() const { return m_liveSytic; }
    [[nodiscard]] QLabel *korNapetiLabel() const { return m_liveNapeti; }
    [[nodiscard]] QLabel *korVodaLabel() const { return m_liveVoda; }
    [[nodiscard]] QLabel *korVzduchLabel() const { return m_liveVzduch; }
    [[nodiscard]] QLabel *korTlakLabel() const { return m_liveTlak; }

private:
    void buildStartGroup(GestureSink &sink, EditorRegistry &registry);
    void buildInjectionGroups(GestureSink &sink, EditorRegistry &registry);
    void buildTemperatureGroup(GestureSink &sink, EditorRegistry &registry);
    void buildLiveLabels();

    QList<NumericEditor *> m_startTimes;
    QList<NumericEditor *> m_startCorrections;
    QLabel *m_startTimeZero = nullptr;
    QLabel *m_lastCorrection = nullptr;
    NumericEditor *m_akcelPrah = nullptr;
    NumericEditor *m_akcelJet = nullptr;
    NumericEditor *m_startJet = nullptr;
    QList<NumericEditor *> m_voda;
    QList<NumericEditor *> m_vzduch;
    QLabel *m_liveSytic = nullptr;
    QLabel *m_liveNapeti = nullptr;
    QLabel *m_liveVoda = nullptr;
    QLabel *m_liveVzduch = nullptr;
    QLabel *m_liveTlak = nullptr;
};

}  // namespace korvane::ui
