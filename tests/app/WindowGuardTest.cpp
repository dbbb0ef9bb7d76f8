// Window behaviour that no other test pins down: the Com menu's check mark and
// a typed but unconfirmed value reaching a saved file.

#include "WindowFixture.h"

#include "model/ConfigImage.h"
#include "model/ParameterFile.h"
#include "pages/Pages.h"
#include "settings/ConfigFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace korvane::test {
namespace {

class WindowGuardTest : public WindowFixture {
protected:
    // Every COM number names a device that does not exist, so no real port is touched.
    void writeSettings(const std::string &basic)
    {
        std::string text = "[Ports]\n";
        for (int com = 1; com <= 10; ++com)
            text += "COM" + std::to_string(com) + "=" + workPath(QStringLiteral("none")).toStdString() + "\n";
        std::filesystem::create_directories(settings::ConfigFolder());
        std::ofstream(settings::SettingsFile(), std::ios::binary) << text << "[BASIC]\n" << basic;
    }

    // The number of the checked Com item; 0 for none, -1 for several.
    int checkedCom() const
    {
        int checked = 0;
        for (std::size_t i = 0; i < window->menu().MenuComN.size(); ++i) {
            if (window->menu().MenuComN[i]->isChecked())
                checked = checked == 0 ? static_cast<int>(i) + 1 : -1;
        }
        return checked;
    }
};

TEST_F(WindowGuardTest, ComMenuChecksThePortInUse)
{
    const struct {
        const char *stored;
        int checked;
    } starts[] = {{"", 1}, {"ComPort=7\n", 7}, {"ComPort=10\n", 10}};
    for (const auto &s : starts) {
        SCOPED_TRACE(s.stored);
        writeSettings(s.stored);
        open();
        EXPECT_EQ(window->portNumber(), s.checked);
        EXPECT_EQ(checkedCom(), s.checked) << "after start";
        window.reset();
    }
    open();
    for (int com = 1; com <= 10; ++com) {
        window->menu().MenuComN[static_cast<std::size_t>(com - 1)]->trigger();
        EXPECT_EQ(window->portNumber(), com);
        EXPECT_EQ(checkedCom(), com) << "after choosing Com " << com;
    }
}

TEST_F(WindowGuardTest, SaveKeepsATypedValueNotYetConfirmed)
{
    const struct {
        std::uint8_t page;
        const char *edit;
        const char *typed;
        std::size_t offset;
        int saved;
    } cases[] = {
        {pages::RuznePage, "EditOmez1", "9000", model::Offset::StartLimiter, 90},
        {pages::InjBPage, "EditMapCell0_0", "90", model::Offset::JetBMap, 90},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.edit);
        open();
        window->pageControl()->setCurrentIndex(c.page);
        auto *edit = window->findChild<QLineEdit *>(QLatin1String(c.edit));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(c.typed));
        ASSERT_NE(int{window->image()[c.offset]}, c.saved) << "the value must not be taken over before Save";

        const QString path = workPath(QStringLiteral("typed.ign"));
        dialogs.fileToSave = path;
        window->menu().MenuSave->trigger();
        model::ConfigImage file{};
        bool extMonitor = false;
        std::ifstream in(path.toStdString(), std::ios::binary);
        ASSERT_TRUE(model::ReadParameterFile(in, file, extMonitor));
        EXPECT_EQ(int{file[c.offset]}, c.saved);
        window.reset();
    }
}

}  // namespace
}  // namespace korvane::test
