#include "DeviceSession.h"

#include "lang/Texts.h"
#include "model/ValueLimits.h"
#include "serial/PortMap.h"
#include "serial/PortOpener.h"
#include "settings/ConfigFolder.h"

#include <QCoreApplication>

#include <thread>

namespace korvane::cli {

namespace {

volatile std::sig_atomic_t g_stop = 0;

extern "C" void OnStopSignal(int)
{
    g_stop = 1;
}

constexpr int CliComNumber = 1;

// "COM1".."COM10", spelt as in the window's menu.
std::optional<int> ComNumber(const std::string &device)
{
    for (int com = serial::PortMap::FirstCom; com <= serial::PortMap::LastCom; ++com) {
        if (device == "COM" + std::to_string(com)) {
            return com;
        }
    }
    return std::nullopt;
}

}  // namespace

void EnsureCoreApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    // QCoreApplication keeps references to argc and argv for its lifetime.
    // It is never deleted: destroying it during exit, after Qt's own statics
    // are gone, crashes.
    static int argc = 1;
    static char name[] = "korvane-cli";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

bool StopRequested()
{
    return g_stop != 0;
}

StopSignals::StopSignals()
{
    g_stop = 0;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_oldInt);
    sigaction(SIGTERM, &action, &m_oldTerm);
}

StopSignals::~StopSignals()
{
    sigaction(SIGINT, &m_oldInt, nullptr);
    sigaction(SIGTERM, &m_oldTerm, nullptr);
}

DeviceSession::DeviceSession(std::uint8_t language, std::chrono::steady_clock::duration tickPeriod)
    : m_appReady((EnsureCoreApplication(), true)),
      m_language(language),
      m_tickPeriod(tickPeriod),
      m_nextTick(std::chrono::steady_clock::now() + tickPeriod),
      m_link(m_image, *this)
{
    m_link.setPort(&m_port);
}

DeviceSession::~DeviceSession()
{
    m_link.setPort(nullptr);
    m_port.ClosePort();
}

std::optional<std::string> DeviceSession::Open(const std::string &devicePath)
{
    serial::PortMap map;
    int com = CliComNumber;
    if (const std::optional<int> number = ComNumber(devicePath)) {
        // The device the window would open for that COM number.
        map.loadOverrides(settings::LoadIniFile(settings::SettingsFile()).file);
        com = *number;
    } else if (!map.attach(CliComNumber, QString::fromStdString(devicePath))) {
        return lang::MessageText(lang::TextId::ComOpenError, m_language) + " (no device given)";
    }
    const serial::OpenResult result = serial::OpenPort(m_port, map, static_cast<std::uint8_t>(com));
    if (const auto message = serial::OpenFailureMessage(result, m_language)) {
        return message->toStdString() + " " + result.error.toStdString();
    }
    m_opened = true;
    m_nextTick = std::chrono::steady_clock::now() + m_tickPeriod;
    return std::nullopt;
}

void DeviceSession::Tick()
{
    const auto now = std::chrono::steady_clock::now();
    if (m_nextTick < now) {
        const auto late = (now - m_nextTick) / m_tickPeriod + 1;
        m_nextTick += late * m_tickPeriod;
    }
    std::this_thread::sleep_until(m_nextTick);
    m_nextTick += m_tickPeriod;
    m_link.tick();
    ++m_ticks;
}

bool DeviceSession::RunUntilIdle(const std::function<void()> &afterTick)
{
    const std::uint64_t limit = m_ticks + MaxTransferTicks;
    while (m_link.transferMode() != link::TransferMode::Idle) {
        if (StopRequested() || m_ticks >= limit) {
            return false;
        }
        Tick();
        if (afterTick) {
            afterTick();
        }
    }
    return true;
}

std::optional<std::string> DeviceSession::takePortLoss()
{
    if (!m_opened || m_port.isOpen()) {
        return std::nullopt;
    }
    m_opened = false;
    return m_port.lastError().toStdString();
}

void DeviceSession::NormaliseImage()
{
    model::NormaliseImage(m_image);
}

link::MonitorInputs DeviceSession::monitorInputs() const
{
    link::MonitorInputs inputs;
    inputs.ignitionLimiter = m_image[model::Offset::IgnitionLimiter];
    inputs.servoEnable = m_image[model::Offset::ServoEnable];
    inputs.extendedMonitor = m_extendedMonitor;
    inputs.n2oEnabled = m_image[model::Offset::N2oEnable] != 0;
    inputs.language = m_language;
    return inputs;
}

}  // namespace korvane::cli
