#pragma once

// The simulated control unit for --simulate and for the replay of a ride log:
// korvane-unit-sim in a child process on a pseudo-terminal, ended with this
// object (or with us, should we die first).

#include <QProcess>
#include <QString>

namespace korvane::app {

class SimulatedUnitProcess {
public:
    SimulatedUnitProcess() = default;
    ~SimulatedUnitProcess();
    SimulatedUnitProcess(const SimulatedUnitProcess &) = delete;
    SimulatedUnitProcess &operator=(const SimulatedUnitProcess &) = delete;

    // Starts the unit with the given switches (e.g. --replay LOG) and waits
    // (at most a few seconds) for its terminal. False with error() set when
    // the program is missing or reports nothing; a unit that refuses its
    // switches gives its own message (without the program's name).
    [[nodiscard]] bool start(const QStringList &switches = {});
    [[nodiscard]] bool running() const { return m_process.state() != QProcess::NotRunning; }
    void stop();
    [[nodiscard]] const QString &devicePath() const { return m_devicePath; }
    [[nodiscard]] const QString &error() const { return m_error; }

    // Next to our own program when installed, else the build tree's, else PATH.
    [[nodiscard]] static QString FindProgram();

private:
    QProcess m_process;
    QString m_devicePath;
    QString m_error;
};

}  // namespace korvane::app
