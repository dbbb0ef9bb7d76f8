#include "app/SimulatedUnitProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

namespace korvane::app {

namespace {

constexpr int StartTimeoutMs = 5000;
const QString ProgramName = QStringLiteral("korvane-unit-sim");

}  // namespace

SimulatedUnitProcess::~SimulatedUnitProcess()
{
    stop();
}

QString SimulatedUnitProcess::FindProgram()
{
    const QString besideUs = QCoreApplication::applicationDirPath() + QLatin1Char('/') + ProgramName;
    if (QFileInfo(besideUs).isExecutable())
        return besideUs;
#ifdef KORVANE_SIM_BUILD_PATH
    const QString inBuildTree = QStringLiteral(KORVANE_SIM_BUILD_PATH);
    if (QFileInfo(inBuildTree).isExecutable())
        return inBuildTree;
#endif
    return QStandardPaths::findExecutable(ProgramName);
}

bool SimulatedUnitProcess::start(const QStringList &switches)
{
    stop();
    m_devicePath.clear();
    m_error.clear();
    const QString program = FindProgram();
    if (program.isEmpty()) {
        m_error = QStringLiteral("%1 was not found").arg(ProgramName);
        return false;
    }
    // The unit must not outlive us, even if we are killed.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // Its complaints are ours to show when it refuses to start, and go on to
    // our own standard error once it runs.
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    QObject::disconnect(&m_process, &QProcess::readyReadStandardError, nullptr, nullptr);
    m_process.start(program, QStringList{QStringLiteral("--quiet")} + switches);
    if (!m_process.waitForStarted(StartTimeoutMs)) {
        m_error = QStringLiteral("%1 did not start: %2").arg(program, m_process.errorString());
        return false;
    }
    // Its first line is the terminal to open.
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!m_process.canReadLine() && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    if (!m_process.canReadLine()) {
        m_process.waitForFinished(1000);
        QString said = QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed();
        if (said.startsWith(ProgramName + QLatin1String(": ")))
            said = said.mid(ProgramName.size() + 2);
        m_error = said.isEmpty() ? QStringLiteral("%1 reported no terminal").arg(program) : said;
        stop();
        return false;
    }
    QObject::connect(&m_process, &QProcess::readyReadStandardError, &m_process,
                     [this] { std::fputs(m_process.readAllStandardError().constData(), stderr); });
    m_devicePath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return !m_devicePath.isEmpty();
}

void SimulatedUnitProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(2000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

}  // namespace korvane::app
