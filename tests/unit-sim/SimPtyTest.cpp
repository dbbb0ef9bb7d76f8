// Runs the built simulator and talks to it through its pseudo-terminal, the
// way a serial client does.

#include "SimMemory.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace korvane::unitsim {
namespace {

using test::XorAll;
using Clock = std::chrono::steady_clock;

class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> arguments, bool captureStdout = true)
    {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDERR_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char *> argv;
            std::string program = KORVANE_SIM_PATH;
            argv.push_back(program.data());
            for (auto &argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_stdout = out[0];
        if (captureStdout) {
            m_firstLine = ReadLine(5000);
        }
    }

    ~SimProcess()
    {
        if (m_pid > 0 && !m_exitStatus) {
            ::kill(m_pid, SIGTERM);
            (void)waitForExit(3000);
            if (!m_exitStatus) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, nullptr, 0);
            }
        }
        if (m_stdout >= 0) {
            ::close(m_stdout);
        }
    }

    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    [[nodiscard]] const std::string &slavePath() const { return m_firstLine; }
    [[nodiscard]] pid_t pid() const { return m_pid; }

    // Everything the process writes to stdout until it closes it.
    std::string ReadAll(int timeoutMs)
    {
        std::string text;
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        char c;
        while (Clock::now() < until) {
            pollfd entry{m_stdout, POLLIN, 0};
            if (::poll(&entry, 1, 50) > 0) {
                const ssize_t got = ::read(m_stdout, &c, 1);
                if (got <= 0) {
                    break;
                }
                text.push_back(c);
            }
        }
        return text;
    }

    // The exit status, once the process has ended within the time.
    std::optional<int> waitForExit(int timeoutMs)
    {
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!m_exitStatus && Clock::now() < until) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return m_exitStatus;
    }

private:
    std::string ReadLine(int timeoutMs)
    {
        std::string line;
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        char c;
        while (Clock::now() < until) {
            pollfd entry{m_stdout, POLLIN, 0};
            if (::poll(&entry, 1, 50) > 0) {
                if (::read(m_stdout, &c, 1) != 1 || c == '\n') {
                    break;
                }
                line.push_back(c);
            }
        }
        return line;
    }

    pid_t m_pid = -1;
    int m_stdout = -1;
    std::string m_firstLine;
    std::optional<int> m_exitStatus;
};

class SerialClient {
public:
    explicit SerialClient(const std::string &path)
    {
        m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        if (m_fd < 0) {
            return;
        }
        termios settings{};
        ::tcgetattr(m_fd, &settings);
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B57600);
        ::cfsetospeed(&settings, B57600);
        ::tcsetattr(m_fd, TCSANOW, &settings);
    }
    ~SerialClient()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    SerialClient(const SerialClient &) = delete;
    SerialClient &operator=(const SerialClient &) = delete;

    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }

    bool Send(std::span<const std::uint8_t> bytes)
    {
        return ::write(m_fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads until want bytes have come or the time is up; notes a hangup.
    std::vector<std::uint8_t> Receive(std::size_t want, int timeoutMs)
    {
        std::vector<std::uint8_t> bytes;
        const auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        std::uint8_t chunk[512];
        while (bytes.size() < want && Clock::now() < until) {
            pollfd entry{m_fd, POLLIN, 0};
            if (::poll(&entry, 1, 10) <= 0) {
                continue;
            }
            const ssize_t got = ::read(m_fd, chunk, sizeof chunk);
            if (got <= 0) {
                m_hungUp = true;
                break;
            }
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        return bytes;
    }

    std::vector<std::uint8_t> Exchange(std::span<const std::uint8_t> request, int timeoutMs = 2000)
    {
        if (!Send(request)) {
            return {};
        }
        return Receive(FrameSize, timeoutMs);
    }

    [[nodiscard]] bool hungUp() const { return m_hungUp; }

private:
    int m_fd = -1;
    bool m_hungUp = false;
};

std::vector<std::uint8_t> Literal(std::uint8_t command, std::uint8_t check)
{
    std::vector<std::uint8_t> frame(FrameSize, 0);
    frame[0] = command;
    frame[101] = check;
    return frame;
}

TEST(SimPty, AnswersTheLiteralPollAndReadRequests)
{
    SimProcess sim({"--quiet"});
    ASSERT_EQ(sim.slavePath().rfind("/dev/", 0), 0u) << sim.slavePath();
    SerialClient client(sim.slavePath());
    ASSERT_TRUE(client.isOpen());

    const auto monitor = client.Exchange(Literal(0x30, 0xCF));
    ASSERT_EQ(monitor.size(), FrameSize);
    EXPECT_EQ(monitor[0], 0xB0);
    EXPECT_EQ(monitor[100], 0x23);
    EXPECT_EQ(XorAll(monitor), 0);

    const auto block3 = client.Exchange(Literal(0x43, 0xBC));
    ASSERT_EQ(block3.size(), FrameSize);
    EXPECT_EQ(block3[0], 0xC3);
    EXPECT_EQ(XorAll(block3), 0);
    const Memory memory = BuildDefaultMemory(HeaderInfo{});
    EXPECT_TRUE(std::equal(block3.begin() + 1, block3.begin() + 101, memory.begin() + 300));
}

TEST(SimPty, ProgrammedBlockIsEchoedAndReadBack)
{
    SimProcess sim({"--quiet"});
    SerialClient client(sim.slavePath());
    ASSERT_TRUE(client.isOpen());
    Block data{};
    for (std::size_t i = 0; i < BlockSize; ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7);  // includes 0x0A, 0x0D, 0x11, 0x13
    }
    const auto echo = client.Exchange(test::Request(0x04, data));
    ASSERT_EQ(echo.size(), FrameSize);
    EXPECT_EQ(echo[0], 0x84);
    EXPECT_EQ(XorAll(echo), 0);
    EXPECT_TRUE(std::equal(echo.begin() + 1, echo.begin() + 101, data.begin()));

    const auto readBack = client.Exchange(test::Request(0x44));
    ASSERT_EQ(readBack.size(), FrameSize);
    EXPECT_TRUE(std::equal(readBack.begin() + 1, readBack.begin() + 101, data.begin()));
}

TEST(SimPty, CorruptRequestIsIgnoredAndTheNextOneAnswered)
{
    SimProcess sim({"--quiet"});
    SerialClient client(sim.slavePath());
    ASSERT_TRUE(client.isOpen());
    EXPECT_TRUE(client.Exchange(Literal(0x30, 0xCE), 200).empty());
    const auto answer = client.Exchange(Literal(0x30, 0xCF));
    ASSERT_EQ(answer.size(), FrameSize);
    EXPECT_EQ(answer[0], 0xB0);
}

TEST(SimPty, NeverAnswerStaysSilent)
{
    SimProcess sim({"--quiet", "--never-answer"});
    SerialClient client(sim.slavePath());
    ASSERT_TRUE(client.isOpen());
    EXPECT_TRUE(client.Exchange(Literal(0x30, 0xCF), 300).empty());
    EXPECT_TRUE(client.Exchange(Literal(0x43, 0xBC), 300).empty());
    EXPECT_FALSE(sim.waitForExit(0));
}

TEST(SimPty, DisappearAfterHangsUpAndExits)
{
    SimProcess sim({"--quiet", "--disappear-after", "2"});
    SerialClient client(sim.slavePath());
    ASSERT_TRUE(client.isOpen());
    EXPECT_EQ(client.Exchange(Literal(0x30, 0xCF)).size(), FrameSize);
    EXPECT_EQ(client.Exchange(Literal(0x43, 0xBC)).size(), FrameSize);
    EXPECT_EQ(sim.waitForExit(3000), 0);
    // The line is gone: writing fails, or reading reports the hangup.
    if (client.Send(Literal(0x30, 0xCF))) {
        EXPECT_TRUE(client.Receive(FrameSize, 300).empty());
        EXPECT_TRUE(client.hungUp());
    }
}

TEST(SimPty, LinkAndPathFileAreMadeAndTheLinkRemovedOnSignal)
{
    const auto dir = std::filesystem::temp_directory_path() / ("korvane-sim-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto link = dir / "ttyUnit";
    const auto pathFile = dir / "path.txt";
    std::filesystem::create_symlink("/nonexistent", link);  // a stale link from an earlier run

    {
        SimProcess sim({"--quiet", "--link", link.string(), "--path-file", pathFile.string()});
        ASSERT_FALSE(sim.slavePath().empty());
        EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.slavePath());
        std::ifstream file(pathFile);
        std::string written;
        std::getline(file, written);
        EXPECT_EQ(written, sim.slavePath());

        SerialClient client(link.string());
        ASSERT_TRUE(client.isOpen());
        EXPECT_EQ(client.Exchange(Literal(0x30, 0xCF)).size(), FrameSize);

        ::kill(sim.pid(), SIGTERM);
        EXPECT_EQ(sim.waitForExit(3000), 0);
        EXPECT_FALSE(std::filesystem::is_symlink(link));
    }
    std::filesystem::remove_all(dir);
}

TEST(SimPty, ExitAfterSecondsEndsTheRun)
{
    SimProcess sim({"--quiet", "--exit-after-seconds", "0.3"});
    ASSERT_FALSE(sim.slavePath().empty());
    EXPECT_EQ(sim.waitForExit(3000), 0);
}

TEST(SimPty, HelpAndBadUsage)
{
    {
        SimProcess help({"--help"}, false);
        EXPECT_NE(help.ReadAll(3000).find("--disappear-after"), std::string::npos);
        EXPECT_EQ(help.waitForExit(3000), 0);
    }
    SimProcess bad({"--corrupt-every", "zero"}, false);
    EXPECT_TRUE(bad.ReadAll(3000).empty());
    EXPECT_EQ(bad.waitForExit(3000), 2);
}

}  // namespace
}  // namespace korvane::unitsim
