#include "link/DeviceLink.h"

#include <algorithm>
#include <utility>

namespace korvane::link {

namespace {

constexpr std::uint8_t BlockMask = 0x3F;
constexpr std::uint8_t LastBlock = model::BlockCount - 1;
constexpr std::uint8_t FirstVerifyBlock = ReadBase + 1;  // block 0 is never verified
constexpr std::uint8_t ProgramBase = 0x00;

std::span<const std::uint8_t, FrameDataSize> FrameData(std::span<const std::uint8_t, FrameSize> frame)
{
    return frame.subspan<1, FrameDataSize>();
}

// The unit may report its own pulses-per-revolution, so a verify lets that one
// byte differ.
bool BlockMatches(std::span<const std::uint8_t, FrameDataSize> data, const model::ConfigImage &image, std::size_t block)
{
    const auto expected = image.block(block);
    for (std::size_t i = 0; i < FrameDataSize; ++i) {
        if (data[i] != expected[i] && block * model::BlockSize + i != model::Offset::PulsesPerRev) {
            return false;
        }
    }
    return true;
}

bool EchoMatches(std::span<const std::uint8_t, FrameDataSize> data, const model::ConfigImage &image, std::size_t block)
{
    const auto expected = image.block(block);
    return std::equal(data.begin(), data.end(), expected.begin());
}

bool LayoutSupported(const model::ConfigImage &image)
{
    return image[model::Offset::LayoutVersion] == model::SupportedLayoutVersion;
}

}  // namespace

DeviceLink::DeviceLink(model::ConfigImage &image, LinkHost &host) : m_image(image), m_host(host) {}

void DeviceLink::MenuReadClick()
{
    m_aside.reset();
    StartOperation(TransferMode::Read, ReadBase, lang::TextId::Reading);
    m_fileNameCleared = true;
}

void DeviceLink::ReadAsideClick()
{
    m_aside = AsidePurpose::Compare;
    StartOperation(TransferMode::Read, ReadBase, lang::TextId::Reading);
}

void DeviceLink::ProgramWithBackupClick()
{
    m_aside = AsidePurpose::BackupProgram;
    StartOperation(TransferMode::Read, ReadBase, lang::TextId::Reading);
}

void DeviceLink::MenuVerifyClick()
{
    m_host.TakePage();
    m_host.NormaliseImage();
    m_host.ShowPage();
    StartOperation(TransferMode::Verify, FirstVerifyBlock, lang::TextId::Verifying);
    m_programOk = false;
}

void DeviceLink::MenuProgramClick()
{
    m_host.TakePage();
    m_host.NormaliseImage();
    m_host.ShowPage();
    StartProgram();
}

void DeviceLink::StartProgram()
{
    m_aside.reset();
    StartOperation(TransferMode::Program, ProgramBase, lang::TextId::Programming);
    m_programOk = false;
    m_programStarted = m_image;
}

void DeviceLink::ProgramAfterChange(bool programAfterChangeTicked)
{
    if (!programAfterChangeTicked) {
        m_programAfterChangeArmed = false;
        return;
    }
    // Ticking the option counts as a change, so the unit is brought in line once.
    bool changed = !m_programAfterChangeArmed;
    m_programAfterChangeArmed = true;
    for (std::size_t j = model::BlockSize; j < model::ImageSize; ++j) {
        if (m_lastProgrammedCopy[j] != m_image[j]) {
            changed = true;
            m_lastProgrammedCopy[j] = m_image[j];
        }
    }
    if (changed) {
        StartProgram();
    }
}

void DeviceLink::StartOperation(TransferMode mode, std::uint8_t blockByte, lang::TextId text)
{
    m_mode = mode;
    m_runKind = mode;
    m_blockByte = blockByte;
    m_retryCount = 0;
    SetStatus(text, false, Colour::Normal);
    m_statusHold = StatusHoldTicks;
    m_status.visible = true;
    SetGauge(0);
    m_status.gaugeVisible = true;
}

void DeviceLink::ShowPrintHeader(std::string header)
{
    SetStatus(lang::TextId::PrintHeader, false, Colour::White);
    m_status.caption = std::move(header);
    m_status.visible = true;
    m_status.gaugeVisible = false;
    m_statusHold = StatusHoldTicks;
}

void DeviceLink::ShowPrintFailure()
{
    SetStatus(lang::TextId::PrintError, false, Colour::Red);
    m_status.visible = true;
    m_status.gaugeVisible = false;
    m_statusHold = StatusHoldTicks;
}

void DeviceLink::HideStatus()
{
    m_status.visible = false;
    m_status.gaugeVisible = false;
    m_statusHold = 0;
}

void DeviceLink::tick()
{
    ReceiveStep();
    if (m_mode == TransferMode::Idle) {
        IdleStep();
    } else {
        TimeoutStep();
    }

    if (m_statusHold > 0) {
        --m_statusHold;
        if (m_statusHold == 0) {
            m_status.visible = false;
            m_status.gaugeVisible = false;
            m_programOk = false;
        }
    }

    if (m_linkWatch >= LinkWatchLimit) {
        m_noConnectionVisible = !m_printing;
    } else {
        ++m_linkWatch;
        m_noConnectionVisible = false;
    }
}

void DeviceLink::ReceiveStep()
{
    if (m_port == nullptr || !m_port->isOpen()) {
        return;
    }
    const std::size_t waiting = m_port->bytesWaiting();
    if (waiting < FrameSize) {
        return;
    }
    const std::size_t wanted = std::min(waiting, m_receiveBuffer.size());
    const std::size_t got = m_port->read(std::span<std::uint8_t>(m_receiveBuffer.data(), wanted));
    if (got < FrameSize) {
        return;  // the port lost bytes it had announced; nothing whole to look at
    }
    // Only the first frame counts; anything read with it is dropped.
    const std::span<const std::uint8_t, FrameSize> frame(m_receiveBuffer.data(), FrameSize);
    if (frame[0] == MonitorByte) {
        HandleMonitorFrame(frame);
    } else {
        HandleResponse(frame);
    }
}

void DeviceLink::HandleMonitorFrame(std::span<const std::uint8_t, FrameSize> frame)
{
    if (!FrameCheckOk(frame)) {
        return;
    }
    m_linkWatch = 0;
    MonitorInputs inputs = m_host.monitorInputs();
    // The unit's own header, as a transfer read it; a header in the image may
    // come from a file or from another unit.
    if (m_versionTexts) {
        inputs.unitFirmware = m_versionTexts->version;
    }
    MonitorReadout readout = DecodeMonitorFrame(frame, inputs);
    m_monitorValues = readout.values;
    m_monitorReadout = std::move(readout);
}

void DeviceLink::HandleResponse(std::span<const std::uint8_t, FrameSize> frame)
{
    if (!FrameCheckOk(frame)) {
        return;
    }
    if (frame[0] != (m_blockByte ^ AnswerBit)) {
        return;
    }
    if (m_mode == TransferMode::Idle) {
        return;
    }
    m_linkWatch = 0;
    const std::uint8_t block = m_blockByte & BlockMask;
    if (block >= model::BlockCount) {
        return;
    }
    const auto data = FrameData(frame);

    switch (m_mode) {
    case TransferMode::Read: {
        // Received blocks stay apart from the image until the last one is in.
        const auto target = m_readBuffer.block(block);
        std::copy(data.begin(), data.end(), target.begin());
        if (block == 0) {
            m_versionTexts = model::DecodeHeader(m_readBuffer);
            if (!LayoutSupported(m_readBuffer)) {
                m_mode = TransferMode::Idle;
                m_aside.reset();
                m_host.ShowPage();  // shows the unit's version texts
                m_messages.push_back(lang::TextId::UnitVersionMismatch);
                return;
            }
        }
        if (block < LastBlock) {
            NextBlock();
            return;
        }
        if (m_aside) {
            FinishAsideRead();
            return;
        }
        m_readArrived = m_readBuffer;
        m_image = m_readBuffer;
        m_imageChanged = true;
        m_host.NormaliseImage();
        m_host.ShowPage();
        StartClosingVerify();
        return;
    }
    case TransferMode::Program:
        if (block == 0) {
            // The header is the unit's own: take it over whatever the tool held.
            const auto header = m_image.block(0);
            std::copy(data.begin(), data.end(), header.begin());
            m_imageChanged = true;
            m_versionTexts = model::DecodeHeader(m_image);
            m_host.NormaliseImage();
            m_host.ShowPage();
            if (!LayoutSupported(m_image)) {
                m_mode = TransferMode::Idle;
                m_messages.push_back(lang::TextId::UnitVersionMismatch);
                return;
            }
        } else if (!EchoMatches(data, m_image, block)) {
            return;  // resent by the time-out step
        }
        if (block < LastBlock) {
            NextBlock();
            return;
        }
        m_programOk = true;
        StartClosingVerify();
        return;
    case TransferMode::Verify:
        if (!BlockMatches(data, m_image, block)) {
            return;  // asked again by the time-out step
        }
        if (block < LastBlock) {
            NextBlock();
            return;
        }
        SetGauge(GaugeMax);
        SetStatus(lang::TextId::Verifying, true, Colour::Normal);
        m_statusHold = StatusHoldTicks;
        m_mode = TransferMode::Idle;
        m_confirmed = m_runKind;
        return;
    case TransferMode::Idle:
        return;
    }
}

void DeviceLink::FinishAsideRead()
{
    const AsidePurpose purpose = *m_aside;
    m_aside.reset();
    m_asideRead = AsideRead{purpose, m_readBuffer};
    if (purpose == AsidePurpose::BackupProgram) {
        MenuProgramClick();
        return;
    }
    SetGauge(GaugeMax);
    SetStatus(lang::TextId::Reading, true, Colour::Normal);
    m_statusHold = StatusHoldTicks;
    m_mode = TransferMode::Idle;
}

void DeviceLink::NextBlock()
{
    SetGauge(m_status.gauge + 1);
    ++m_blockByte;
    m_retryCount = 1;
    SendBlock();
}

void DeviceLink::StartClosingVerify()
{
    m_mode = TransferMode::Verify;
    m_blockByte = FirstVerifyBlock;
    m_retryCount = 1;
    SendBlock();
    SetStatus(lang::TextId::Verifying, false, Colour::Normal);
    m_statusHold = StatusHoldTicks;
    m_status.visible = true;
    SetGauge(0);
}

void DeviceLink::TimeoutStep()
{
    if (m_mode == TransferMode::Read) {
        m_programOk = false;
    }
    ++m_waitTicks;
    if (m_waitTicks < ResendTicks) {
        return;
    }
    m_waitTicks = 0;
    ++m_retryCount;
    if (m_retryCount <= MaxSends) {
        SendBlock();
    } else {
        Fail();
    }
}

void DeviceLink::Fail()
{
    switch (m_mode) {
    case TransferMode::Program:
        SetStatus(lang::TextId::ProgramError, false, Colour::Red);
        break;
    case TransferMode::Verify:
        SetStatus(lang::TextId::VerifyError, false, Colour::Red);
        m_programOk = false;
        break;
    case TransferMode::Read:
        SetStatus(lang::TextId::ReadError, false, Colour::Red);
        break;
    case TransferMode::Idle:
        return;
    }
    m_statusHold = StatusHoldTicks;
    m_mode = TransferMode::Idle;
    m_aside.reset();
}

void DeviceLink::IdleStep()
{
    ++m_waitTicks;
    if (m_waitTicks >= PollTicks) {
        m_waitTicks = 0;
        SendPoll();
    }
    const std::uint16_t countdown = m_monitorValues.savingCountdown;
    if (countdown > 0) {
        SetStatus(lang::TextId::Saving, false, Colour::Normal);
        m_statusHold = StatusHoldTicks;
        SetGauge((static_cast<int>(SavingStart) - countdown) * GaugeMax / SavingStart);
    } else if (m_programOk) {
        SetStatus(lang::TextId::Programming, true, m_status.colour);
        SetGauge(GaugeMax);
    }
}

void DeviceLink::SendBlock()
{
    m_waitTicks = 0;
    if (m_port == nullptr || !m_port->isOpen()) {
        return;
    }
    const RequestFrame frame = BuildRequestFrame(m_blockByte, m_mode, m_image);
    m_port->writeFrame(frame);
}

void DeviceLink::SendPoll()
{
    if (m_port == nullptr || !m_port->isOpen()) {
        return;
    }
    const PollFrame frame = BuildPollFrame();
    m_port->writeFrame(frame);
}

void DeviceLink::SetStatus(lang::TextId text, bool okSuffix, Colour colour)
{
    m_status.text = text;
    m_status.caption.clear();
    m_status.okSuffix = okSuffix;
    m_status.colour = colour;
}

void DeviceLink::SetGauge(int progress)
{
    m_status.gauge = std::clamp(progress, 0, GaugeMax);
}

std::vector<lang::TextId> DeviceLink::takeMessages()
{
    return std::exchange(m_messages, {});
}

std::optional<MonitorReadout> DeviceLink::takeMonitorReadout()
{
    return std::exchange(m_monitorReadout, std::nullopt);
}

bool DeviceLink::takeImageChanged()
{
    return std::exchange(m_imageChanged, false);
}

bool DeviceLink::takeFileNameCleared()
{
    return std::exchange(m_fileNameCleared, false);
}

std::optional<model::ConfigImage> DeviceLink::takeReadArrived()
{
    return std::exchange(m_readArrived, std::nullopt);
}

std::optional<model::ConfigImage> DeviceLink::takeProgramStarted()
{
    return std::exchange(m_programStarted, std::nullopt);
}

std::optional<TransferMode> DeviceLink::takeConfirmed()
{
    return std::exchange(m_confirmed, std::nullopt);
}

std::optional<AsideRead> DeviceLink::takeAsideRead()
{
    return std::exchange(m_asideRead, std::nullopt);
}

}  // namespace korvane::link
