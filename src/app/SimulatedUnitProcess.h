#pragma once

// The simulated control unit for --simulate: korvane-unit-sim in a child
// process on a pseudo-terminal, ended with this object (or with us, should
// we die first).

#include <QProcess>
#include <QString>

namespace korvane::app {

class SimulatedUnitProcess {
public:
    SimulatedUnitProcess() = default;
    ~SimulatedUnitProcess();
    SimulatedUnitProcess(const SimulatedUnitProcess &) = delete;
    SimulatedUnitProcess &operator=(const SimulatedUnitProcess &) = delete;

    // Starts the unit and waits (at most a few seconds) for its terminal.
    // False with error() set when the program is missing or reports nothing.
    [[nodiscard]] bool start();
    [[nodiscard]] const QString &devicePath() const { return m_devicePath; }
    [[nodiscard]] const QString &error() const { return m_error; }

    // Next to our own program when installed, else the build tree's, else PATH.
    [[nodiscard]] static QString FindProgram();

private:
    void stop();

    QProcess m_process;
    QString m_devicePath;
    QString m_error;
};

}  // namespace korvane::app
