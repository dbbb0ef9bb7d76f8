#include "serial/PortOpener.h"

#include "PtyPair.h"
#include "lang/Texts.h"

#include <gtest/gtest.h>

namespace korvane::serial {
namespace {

class PortOpenerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureCoreApplication(); }
    void SetUp() override { ASSERT_TRUE(m_pty.valid()); }

    test::PtyPair m_pty;
    PortMap m_map;
    SerialPort m_port;
};

TEST_F(PortOpenerTest, OpensTheDeviceOfTheChosenNumber)
{
    ASSERT_TRUE(m_map.attach(2, m_pty.slavePath()));
    const OpenResult result = OpenPort(m_port, m_map, 2);
    EXPECT_EQ(result.outcome, OpenOutcome::Opened);
    EXPECT_EQ(result.device, m_pty.slavePath());
    EXPECT_TRUE(m_port.isOpen());
    EXPECT_FALSE(OpenFailureMessage(result, lang::English).has_value());
}

TEST_F(PortOpenerTest, NumberOutsideOneToTenOpensNothingAndShowsNothing)
{
    ASSERT_TRUE(m_map.attach(1, m_pty.slavePath()));
    ASSERT_EQ(OpenPort(m_port, m_map, 1).outcome, OpenOutcome::Opened);
    for (std::uint8_t number : {0, 11, 255}) {
        const OpenResult result = OpenPort(m_port, m_map, number);
        EXPECT_EQ(result.outcome, OpenOutcome::NotAttempted);
        EXPECT_TRUE(result.device.isEmpty());
        EXPECT_FALSE(OpenFailureMessage(result, lang::English).has_value());
        // The port in hand is left alone.
        EXPECT_TRUE(m_port.isOpen());
        EXPECT_EQ(m_port.devicePath(), m_pty.slavePath());
    }
}

TEST_F(PortOpenerTest, MissingDeviceFailsWithTheComOpeningMessage)
{
    ASSERT_TRUE(m_map.attach(7, QStringLiteral("/dev/korvane-missing-adapter")));
    const OpenResult result = OpenPort(m_port, m_map, 7);
    EXPECT_EQ(result.outcome, OpenOutcome::Failed);
    EXPECT_EQ(result.device, QStringLiteral("/dev/korvane-missing-adapter"));
    EXPECT_TRUE(result.error.contains(result.device));
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_EQ(OpenFailureMessage(result, lang::English), QStringLiteral("Com opening error!"));
    EXPECT_EQ(OpenFailureMessage(result, lang::German),
              QString::fromStdString(lang::MessageText(lang::TextId::ComOpenError, lang::German)));
}

}  // namespace
}  // namespace korvane::serial
