// korvane-cli print, run as the real program: no display, no settings.

#include "ChildProcess.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace korvane::cli {
namespace {

using model::test::ReadWholeFile;
using model::test::TempDir;

// Sets or removes an environment variable for the child, restored afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const std::optional<std::string> &value) : m_name(name)
    {
        if (const char *old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char *m_name;
    std::optional<std::string> m_old;
};

std::size_t Count(const std::string &text, const std::string &part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(CliPrint, WritesOnePdfPageWithoutDisplayOrSettings)
{
    const TempDir dir;
    const ScopedEnv platform("QT_QPA_PLATFORM", std::nullopt);
    const ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
    const std::string pdf = (dir / "out.pdf").string();

    const test::ProcessResult printed =
        test::RunProcess(KORVANE_CLI_PATH, {"print", KORVANE_TEST_DATA_DIR "/bike11-default.ign", "-o", pdf,
                                            "--page", "1", "--lang", "de"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    const std::string content = ReadWholeFile(pdf);
    EXPECT_TRUE(content.starts_with("%PDF-"));
    EXPECT_GT(content.size(), 10000U);
    EXPECT_EQ(Count(content, "/Type /Page\n"), 1U);
    // The user's configuration folder is neither read nor written.
    EXPECT_FALSE(std::filesystem::exists(dir / "config"));

    const test::ProcessResult missing =
        test::RunProcess(KORVANE_CLI_PATH, {"print", (dir / "none.ign").string(), "-o", (dir / "x.pdf").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Open file error!"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}

}  // namespace
}  // namespace korvane::cli
