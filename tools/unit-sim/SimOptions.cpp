#include "SimOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace korvane::unitsim {

namespace {

std::optional<std::uint64_t> ParseCount(const std::string &text, std::uint64_t low, std::uint64_t high)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 12) {
        return std::nullopt;
    }
    const std::uint64_t value = std::stoull(text);
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseSeconds(const std::string &text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(value) || value <= 0.0 ||
        value > 1e7) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string> &arguments)
{
    ParsedCommandLine result;
    SimOptions &o = result.options;
    bool speedGiven = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        auto fail = [&](const std::string &why) {
            result.error = why;
            return result;
        };
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) {
                return inlineValue;
            }
            if (i + 1 < arguments.size()) {
                return arguments[++i];
            }
            return std::nullopt;
        };
        auto flag = [&](bool &target) {
            if (inlineValue) {
                return false;
            }
            target = true;
            return true;
        };
        auto count = [&](std::uint64_t low, std::uint64_t high) -> std::optional<std::uint64_t> {
            const auto text = value();
            return text ? ParseCount(*text, low, high) : std::nullopt;
        };

        if (name == "--help" || name == "-h") {
            result.help = true;
            return result;
        }
        if (name == "--version") {
            result.version = true;
            return result;
        }
        if (name == "--never-answer") {
            if (!flag(o.faults.neverAnswer)) {
                return fail(name + " takes no value");
            }
        } else if (name == "--bad-echo") {
            if (!flag(o.faults.badEcho)) {
                return fail(name + " takes no value");
            }
        } else if (name == "--out-of-limits") {
            if (!flag(o.outOfLimits)) {
                return fail(name + " takes no value");
            }
        } else if (name == "--short-burst") {
            if (!flag(o.faults.shortBurst)) {
                return fail(name + " takes no value");
            }
        } else if (name == "--quiet") {
            if (!flag(o.quiet)) {
                return fail(name + " takes no value");
            }
        } else if (name == "--link" || name == "--path-file" || name == "--image" || name == "--firmware-text") {
            const auto text = value();
            if (!text || (text->empty() && name != "--firmware-text")) {
                return fail(name + " needs a value");
            }
            if (name == "--link") {
                o.linkPath = *text;
            } else if (name == "--path-file") {
                o.pathFile = *text;
            } else if (name == "--image") {
                o.imagePath = *text;
            } else {
                if (text->size() > Field::FirmwareTextLength) {
                    return fail("--firmware-text holds at most 30 characters");
                }
                o.firmwareText = *text;
            }
        } else if (name == "--exit-after-seconds") {
            const auto text = value();
            const auto seconds = text ? ParseSeconds(*text) : std::nullopt;
            if (!seconds) {
                return fail("--exit-after-seconds needs a positive number of seconds");
            }
            o.exitAfterSeconds = seconds;
        } else if (name == "--answer-late") {
            const auto ms = count(0, 600000);
            if (!ms) {
                return fail("--answer-late needs milliseconds, 0..600000");
            }
            o.faults.answerLateMs = *ms;
        } else if (name == "--corrupt-every") {
            const auto n = count(1, 1000000);
            if (!n) {
                return fail("--corrupt-every needs a count, 1..1000000");
            }
            o.faults.corruptEvery = static_cast<std::uint32_t>(*n);
        } else if (name == "--disappear-after") {
            const auto n = count(1, 1000000);
            if (!n) {
                return fail("--disappear-after needs a count, 1..1000000");
            }
            o.faults.disappearAfter = static_cast<std::uint32_t>(*n);
        } else if (name == "--layout-version") {
            const auto v = count(0, 255);
            if (!v) {
                return fail("--layout-version needs a number, 0..255");
            }
            o.layoutVersion = static_cast<std::uint8_t>(*v);
        } else if (name == "--replay") {
            const auto text = value();
            if (!text || text->empty()) {
                return fail("--replay needs a log file");
            }
            o.replayPath = *text;
        } else if (name == "--speed") {
            const auto text = value();
            const auto speed = text ? ParseSeconds(*text) : std::nullopt;
            if (!speed || *speed > 1000.0) {
                return fail("--speed needs a positive factor, at most 1000");
            }
            o.replaySpeed = *speed;
            speedGiven = true;
        } else if (name == "--loop") {
            if (!flag(o.replayLoop)) {
                return fail(name + " takes no value");
            }
        } else if (name == "--saving-ms") {
            const auto ms = count(1, 600000);
            if (!ms) {
                return fail("--saving-ms needs milliseconds, 1..600000");
            }
            o.savingMs = *ms;
        } else {
            return fail("unknown argument '" + arguments[i] + "'");
        }
    }
    if ((speedGiven || o.replayLoop) && o.replayPath.empty()) {
        result.error = "--speed and --loop need --replay";
    }
    return result;
}

std::string HelpText()
{
    return R"(Usage: korvane-unit-sim [OPTION]...
Simulates the engine control unit on a pseudo-terminal. The first line on
standard output is the path of the terminal to open (57600 8N1, raw); logs go
to standard error. Runs until SIGINT or SIGTERM.

The unit answers 102-byte frames (check byte = 0xFF XOR bytes 0..100):
  0x30            poll: a monitor frame (0xB0) from a small engine model that
                  is a function of the time since start: engine speed sweeps
                  the advance-map axis in 20 s, throttle 0..100..0 % in 7 s,
                  coolant warms from 20 to 90 C in 60 s, battery 13.5 V
  0x40..0x4B      read (and verify 0x41..0x4B): the block from memory
  0x00            program block 0: answered with the unit's own header,
                  the tool's block 0 is not stored
  0x01..0x0B      program: stored and echoed as stored
Frames with a bad check byte are dropped together with everything buffered;
an incomplete frame older than 50 ms is dropped when new bytes arrive. After
block 11 of a run that began with block 0 the programming counter (monitor
offset 31) goes up and the saving countdown (offset 95) runs from 1103 to 0
in 4 s (see --saving-ms).

Options:
  --link PATH               also make PATH a symlink to the terminal (an
                            existing symlink is replaced); removed at exit
  --path-file FILE          write the terminal path to FILE
  --exit-after-seconds S    exit after S seconds (decimals allowed)
  --image FILE              load the 1200-byte parameter memory from FILE; a
                            block 0 of zeros is replaced by the unit's header
  --layout-version V        report layout version V (header byte 10 and
                            monitor offset 100) instead of 35
  --firmware-text TEXT      firmware text in header bytes 16..45 (max 30)
  --saving-ms MS            duration of the saving countdown (default 4000)
  --replay LOG.csv          answer polls with the frames of a ride log, each
                            poll with the latest frame not after the replay
                            clock, which starts at the first poll; reads and
                            programs still use the memory. After the last
                            frame polls go unanswered (the tool shows No
                            Connection). A log without frames is refused
  --speed X                 replay X times as fast (default 1; 0.5 is half)
  --loop                    start the log again at its end
  --quiet                   no log output
  --help                    show this text and exit
  --version                 show the version and exit

Faults:
  --never-answer            read every frame, answer none
  --answer-late MS          hold every answer back by MS milliseconds
  --corrupt-every N         spoil the check byte of every Nth answer
  --bad-echo                store programmed blocks 1..11 but echo them with
                            data byte 7 changed
  --out-of-limits           start with the start limiter (byte 103) at 5,
                            below its limit, so a read ends in a failing
                            verify; programming overwrites it as usual
  --short-burst             once, just before the first answer to a block
                            request (read, verify or program), send 40
                            garbage bytes, which spoil that answer
  --disappear-after N       after the Nth answer has been taken up, close the
                            terminal and exit, like an unplugged adapter

Exit status:
  0   on a signal, after --exit-after-seconds or after --disappear-after
  1   when the terminal, the link, the path file or the image cannot be set up
  2   on bad usage or a log that cannot be replayed
)";
}

}  // namespace korvane::unitsim
