#include "SimLoop.h"

#include "PathFile.h"
#include "PseudoTerminal.h"
#include "ReplayLog.h"
#include "SlaveLink.h"
#include "UnitSimulator.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <vector>

namespace korvane::unitsim {

namespace {

constexpr int PollSliceMs = 10;
constexpr std::uint64_t DrainWaitMs = 500;
constexpr std::uint64_t DrainSettleMs = 30;
// The client has stopped reading if this much is still waiting to go out.
constexpr std::size_t OutgoingLimit = 64 * 1024;

volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void OnStopSignal(int)
{
    g_stopRequested = 1;
}

void InstallStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: poll() returns at once
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

class Clock {
public:
    [[nodiscard]] std::uint64_t nowMs() const
    {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start)
                .count());
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// Gives the client a moment to take up the last answer before the line goes.
// The pty hands written bytes on to the slave asynchronously, so an empty
// slave queue counts only after a short settling time.
void WaitForClientToRead(int slaveFd, const Clock &clock)
{
    const std::uint64_t start = clock.nowMs();
    while (clock.nowMs() < start + DrainWaitMs && !g_stopRequested) {
        int waiting = 0;
        if (::ioctl(slaveFd, FIONREAD, &waiting) != 0) {
            return;
        }
        if (waiting <= 0 && clock.nowMs() >= start + DrainSettleMs) {
            return;
        }
        ::usleep(2000);
    }
}

}  // namespace

std::optional<Memory> PrepareMemory(const SimOptions &options, std::string &error)
{
    HeaderInfo header;
    header.firmwareText = options.firmwareText;
    if (options.layoutVersion) {
        header.layoutVersion = *options.layoutVersion;
    }

    Memory memory{};
    if (options.imagePath.empty()) {
        memory = BuildDefaultMemory(header);
    } else {
        auto loaded = LoadMemoryFile(options.imagePath, error);
        if (!loaded) {
            return std::nullopt;
        }
        memory = *loaded;
        auto headerBlock = MemoryBlock(memory, 0);
        if (std::all_of(headerBlock.begin(), headerBlock.end(), [](std::uint8_t b) { return b == 0; })) {
            // Images saved by a tool may carry no header; a unit always has one.
            const Block own = BuildHeaderBlock(header);
            std::copy(own.begin(), own.end(), headerBlock.begin());
        }
        if (options.layoutVersion) {
            memory[Field::LayoutVersion] = *options.layoutVersion;
        }
        if (!options.firmwareText.empty()) {
            const Block own = BuildHeaderBlock(header);
            std::copy_n(own.begin() + Field::FirmwareText, Field::FirmwareTextLength,
                        headerBlock.begin() + Field::FirmwareText);
        }
    }
    if (options.outOfLimits) {
        memory[Field::StartLimiter] = 5;
    }
    return memory;
}

int RunSimulator(const SimOptions &options, std::ostream &out, std::ostream &log)
{
    auto say = [&](const std::string &text) {
        if (!options.quiet) {
            log << "korvane-unit-sim: " << text << std::endl;
        }
    };
    auto failure = [&](const std::string &text) {
        log << "korvane-unit-sim: " << text << std::endl;
        return 1;
    };

    std::string error;
    const auto memory = PrepareMemory(options, error);
    if (!memory) {
        return failure(error);
    }
    std::optional<ReplayLog> replay;
    if (!options.replayPath.empty()) {
        replay = ReplayLog::Load(options.replayPath, error);
        if (!replay) {
            failure(error);
            return 2;
        }
        replay->setSpeed(options.replaySpeed);
        replay->setLoop(options.replayLoop);
    }

    PseudoTerminal terminal;
    if (!terminal.open(error)) {
        return failure(error);
    }
    SlaveLink link;
    if (!options.linkPath.empty() && !link.create(options.linkPath, terminal.slavePath(), error)) {
        return failure(error);
    }
    if (!options.pathFile.empty() && !WriteFileAtomically(options.pathFile, terminal.slavePath() + "\n", error)) {
        return failure(error);
    }
    // Whoever waits for this line may use the link and the path file at once.
    out << terminal.slavePath() << '\n' << std::flush;

    g_stopRequested = 0;
    InstallStopHandlers();

    UnitSimulator unit(*memory, options.faults, options.savingMs);
    unit.setLog(say);
    if (replay) {
        say("replaying " + options.replayPath + ": " + std::to_string(replay->size()) + " frames");
        unit.setReplay(std::move(*replay));
    }
    say("unit on " + terminal.slavePath());

    const Clock clock;
    const std::optional<std::uint64_t> exitAtMs =
        options.exitAfterSeconds ? std::optional<std::uint64_t>(static_cast<std::uint64_t>(*options.exitAfterSeconds * 1000.0))
                                 : std::nullopt;
    std::vector<std::uint8_t> outgoing;
    std::array<std::uint8_t, 4096> chunk{};
    bool hangupReported = false;

    while (!g_stopRequested) {
        const std::uint64_t now = clock.nowMs();
        if (exitAtMs && now >= *exitAtMs) {
            say("time is up");
            break;
        }
        std::uint64_t wait = PollSliceMs;
        if (const auto due = unit.nextAnswerDue()) {
            wait = std::min(wait, *due > now ? *due - now : 0);
        }
        if (exitAtMs) {
            wait = std::min(wait, *exitAtMs - now);
        }

        pollfd entry{terminal.masterFd(), static_cast<short>(POLLIN | (outgoing.empty() ? 0 : POLLOUT)), 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(wait));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failure(std::string("poll: ") + std::strerror(errno));
        }

        if (entry.revents & POLLIN) {
            for (;;) {
                const ssize_t got = ::read(terminal.masterFd(), chunk.data(), chunk.size());
                if (got > 0) {
                    unit.feed(std::span<const std::uint8_t>(chunk.data(), static_cast<std::size_t>(got)),
                              clock.nowMs());
                    continue;
                }
                break;
            }
        } else if (entry.revents & (POLLHUP | POLLERR)) {
            // Not expected while the slave is held open; avoid spinning on it.
            if (!hangupReported) {
                say("terminal reports a hangup");
                hangupReported = true;
            }
            ::usleep(static_cast<useconds_t>(PollSliceMs) * 1000);
        }

        const auto answers = unit.takeOutput(clock.nowMs());
        outgoing.insert(outgoing.end(), answers.begin(), answers.end());
        while (!outgoing.empty()) {
            const ssize_t written = ::write(terminal.masterFd(), outgoing.data(), outgoing.size());
            if (written <= 0) {
                break;
            }
            outgoing.erase(outgoing.begin(), outgoing.begin() + written);
        }
        if (outgoing.size() > OutgoingLimit) {
            say("client is not reading, dropped " + std::to_string(outgoing.size()) + " bytes");
            outgoing.clear();
        }

        if (unit.unplugged() && outgoing.empty()) {
            WaitForClientToRead(terminal.slaveFd(), clock);
            say("unplugged after " + std::to_string(unit.counters().answersSent) + " answers");
            terminal.close();
            return 0;
        }
    }
    if (g_stopRequested) {
        say("stopped by signal");
    }
    return 0;
}

}  // namespace korvane::unitsim
