#pragma once

// The device side of the 55 ms tick: receive step, transfer protocol (read,
// program, verify with retries and the closing verify), the idle poll, the
// status hold and the link watch. Deterministic: driven only by tick() and the
// bytes the port delivers. Its outputs are plain data for a view to render.

#include "lang/Texts.h"
#include "link/Colour.h"
#include "link/DevicePort.h"
#include "link/Frames.h"
#include "link/MonitorDecoder.h"
#include "model/ConfigImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvane::link {

// What the link asks of the window that owns the image and the editors.
class LinkHost {
public:
    virtual ~LinkHost() = default;
    virtual void NormaliseImage() = 0;  // normalise the owner's image
    virtual void TakePage() = 0;        // editors of the page on view -> image
    virtual void ShowPage() = 0;        // image -> editors of the page on view
    // Inputs of the monitor decoder at the moment a frame arrives.
    [[nodiscard]] virtual MonitorInputs monitorInputs() const = 0;
};

// The status label and the progress gauge.
struct StatusView {
    bool visible = false;
    lang::TextId text = lang::TextId::Programming;
    bool okSuffix = false;  // text followed by " OK"
    Colour colour = Colour::Normal;
    int gauge = 0;          // 0..GaugeMax
    bool gaugeVisible = false;
    // Shown instead of text when not empty: the printout's dated header.
    std::string caption;
};

inline constexpr int GaugeMax = 11;
inline constexpr std::uint8_t LinkWatchLimit = 18;
inline constexpr std::uint8_t StatusHoldTicks = 200;
inline constexpr std::uint8_t MaxSends = 5;
inline constexpr std::uint8_t ResendTicks = 4;
inline constexpr std::uint8_t PollTicks = 6;
inline constexpr std::uint16_t SavingStart = 1103;

// Why a read went into a buffer of its own instead of the image.
enum class AsidePurpose : std::uint8_t {
    Compare,        // compare the tool's image with the unit
    BackupProgram,  // keep the unit's parameters, then program
};

// A read into its own buffer: the unit's blocks exactly as they arrived.
struct AsideRead {
    AsidePurpose purpose = AsidePurpose::Compare;
    model::ConfigImage image;
};

class DeviceLink {
public:
    DeviceLink(model::ConfigImage &image, LinkHost &host);

    // The port may change (COM menu) or be absent; the link does not own it.
    void setPort(DevicePort *port) { m_port = port; }
    void setPrinting(bool printing) { m_printing = printing; }

    // Commands. None sends: the first request goes out from a following tick.
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    // Reads the unit with the frames of a read into a buffer of its own; the
    // image is never touched and no closing verify follows.
    void ReadAsideClick();
    // Reads the unit aside first and programs only when that read succeeds,
    // so a unit whose parameters could not be kept is left as it is.
    void ProgramWithBackupClick();
    // Programs the unit after an edit when the option is ticked and blocks 1..11 changed.
    void ProgramAfterChange(bool programAfterChangeTicked);
    // New and Open: the status label and gauge disappear at once.
    void HideStatus();
    // The printout's header in the status label on white, held like a
    // status, the gauge hidden; the next status text replaces it.
    void ShowPrintHeader(std::string header);
    // The printout failed: its error replaces the header, red and held like
    // a failed transfer, so the page does not look printed.
    void ShowPrintFailure();

    // One 55 ms tick: receive, time-out or idle step, status hold, link watch.
    void tick();

    // State, for the view and for tests.
    [[nodiscard]] TransferMode transferMode() const { return m_mode; }
    [[nodiscard]] std::uint8_t blockByte() const { return m_blockByte; }
    [[nodiscard]] std::uint8_t waitTicks() const { return m_waitTicks; }
    [[nodiscard]] std::uint8_t retryCount() const { return m_retryCount; }
    [[nodiscard]] bool programOk() const { return m_programOk; }
    [[nodiscard]] std::uint8_t linkWatch() const { return m_linkWatch; }
    [[nodiscard]] std::uint8_t statusHold() const { return m_statusHold; }
    [[nodiscard]] std::uint16_t savingCountdown() const { return m_monitorValues.savingCountdown; }
    [[nodiscard]] const StatusView &status() const { return m_status; }
    [[nodiscard]] bool noConnectionVisible() const { return m_noConnectionVisible; }
    [[nodiscard]] bool versionLabelVisible() const { return !m_noConnectionVisible; }
    [[nodiscard]] const MonitorValues &monitorValues() const { return m_monitorValues; }
    [[nodiscard]] const std::optional<model::VersionTexts> &versionTexts() const { return m_versionTexts; }

    // One-shot outputs, cleared by taking them.
    [[nodiscard]] std::vector<lang::TextId> takeMessages();           // message boxes to show
    [[nodiscard]] std::optional<MonitorReadout> takeMonitorReadout();  // last decoded frame
    [[nodiscard]] bool takeImageChanged();                            // image bytes replaced
    [[nodiscard]] bool takeFileNameCleared();                         // a read emptied the file name
    // The unit's blocks of a completed read, before normalisation.
    [[nodiscard]] std::optional<model::ConfigImage> takeReadArrived();
    // The image a program run is about to send (F9 and programming after change).
    [[nodiscard]] std::optional<model::ConfigImage> takeProgramStarted();
    // A closing verify or a verify passed: the image is now what the unit holds.
    // The value is the operation that began the run (Read, Program or Verify).
    [[nodiscard]] std::optional<TransferMode> takeConfirmed();
    [[nodiscard]] std::optional<AsideRead> takeAsideRead();
    // True while a read or verify runs (the image is being compared or replaced).
    [[nodiscard]] bool readingOrVerifying() const
    {
        return m_mode == TransferMode::Read || m_mode == TransferMode::Verify;
    }

private:
    void ReceiveStep();
    void HandleResponse(std::span<const std::uint8_t, FrameSize> frame);
    void HandleMonitorFrame(std::span<const std::uint8_t, FrameSize> frame);
    void TimeoutStep();
    void IdleStep();
    void SendBlock();
    void SendPoll();
    void StartOperation(TransferMode mode, std::uint8_t blockByte, lang::TextId text);
    void StartProgram();
    void FinishAsideRead();
    void StartClosingVerify();
    void SetStatus(lang::TextId text, bool okSuffix, Colour colour);
    void SetGauge(int progress);
    void NextBlock();
    void Fail();

    model::ConfigImage &m_image;
    LinkHost &m_host;
    DevicePort *m_port = nullptr;

    TransferMode m_mode = TransferMode::Idle;
    std::uint8_t m_blockByte = 0;
    std::uint8_t m_waitTicks = 0;
    std::uint8_t m_retryCount = 0;
    bool m_programOk = false;
    std::uint8_t m_linkWatch = LinkWatchLimit;
    std::uint8_t m_statusHold = 0;
    bool m_printing = false;
    bool m_noConnectionVisible = true;

    StatusView m_status;
    MonitorValues m_monitorValues;
    std::optional<model::VersionTexts> m_versionTexts;

    // Blocks of a read are kept apart until block 11 has arrived, so that a
    // failed read never leaves two parameter sets mixed in the image.
    model::ConfigImage m_readBuffer;

    model::ConfigImage m_lastProgrammedCopy;
    bool m_programAfterChangeArmed = false;

    std::array<std::uint8_t, 15000> m_receiveBuffer{};

    std::vector<lang::TextId> m_messages;
    std::optional<MonitorReadout> m_monitorReadout;
    bool m_imageChanged = false;
    bool m_fileNameCleared = false;

    // The operation that began the current run, for takeConfirmed().
    TransferMode m_runKind = TransferMode::Idle;
    std::optional<AsidePurpose> m_aside;  // set while a read goes into m_readBuffer only
    std::optional<model::ConfigImage> m_readArrived;
    std::optional<model::ConfigImage> m_programStarted;
    std::optional<TransferMode> m_confirmed;
    std::optional<AsideRead> m_asideRead;
};

}  // namespace korvane::link
