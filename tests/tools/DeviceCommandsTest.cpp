// The device commands in-process: command lines, file and port failures that
// need no unit, the status lines and the CSV rows.

#include "CliCommands.h"
#include "InProcessCli.h"
#include "MonitorCsv.h"
#include "StatusPrinter.h"

#include "link/Frames.h"

#include "../core/model/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace korvane::cli {
namespace {

using model::test::TempDir;
using model::test::WriteWholeFile;

using test::Cli;
using test::CliRun;

std::vector<std::string> Split(const std::string &row)
{
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(row);
    while (std::getline(in, cell, ',')) {
        cells.push_back(cell);
    }
    if (!row.empty() && row.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

TEST(DeviceCommandLine, WrongCommandLinesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> lines = {
        {"read", "-o", "x.ign"},                                         // no device
        {"read", "--device", "/dev/null"},                               // no output
        {"read", "--device", "/dev/null", "-o", "x.ign", "--lang", "it"},  // unknown language
        {"program", "--device", "/dev/null"},                            // no file
        {"verify", "--device", "/dev/null", "a.ign", "b.ign"},           // two files
        {"monitor", "--device", "/dev/null"},                            // no --csv
        {"monitor", "--device", "/dev/null", "--csv", "-", "--seconds", "0"},
        {"monitor", "--device", "/dev/null", "--csv", "-", "--seconds", "ten"},
    };
    for (const auto &line : lines) {
        const CliRun run = Cli(line);
        EXPECT_EQ(run.code, ExitUsage) << line[0] << ' ' << line[1] << "...\n" << run.err;
        EXPECT_NE(run.err.find("Usage: korvane-cli " + line[0]), std::string::npos) << run.err;
    }
}

TEST(DeviceCommandLine, EveryCommandHasItsHelp)
{
    for (const std::string name : {"read", "program", "verify", "monitor"}) {
        const CliRun run = Cli({name, "--help"});
        EXPECT_EQ(run.code, ExitSuccess) << name;
        EXPECT_TRUE(run.out.starts_with("Usage: korvane-cli " + name + " --device PATH")) << run.out;
    }
}

TEST(DeviceCommandLine, AMissingDeviceIsAComOpeningErrorInTheChosenLanguage)
{
    TempDir dir;
    const std::string device = (dir / "no-such-tty").string();
    const CliRun english = Cli({"read", "--device", device, "-o", (dir / "x.ign").string()});
    EXPECT_EQ(english.code, ExitFailure);
    EXPECT_TRUE(english.err.starts_with("Com opening error! ")) << english.err;
    EXPECT_NE(english.err.find(device), std::string::npos) << "the reason names the device: " << english.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.ign"));

    const CliRun german = Cli({"monitor", "--device", device, "--csv", (dir / "x.csv").string(), "--lang", "de"});
    EXPECT_EQ(german.code, ExitFailure);
    EXPECT_TRUE(german.err.starts_with("Falscher COM-Anschlußes!")) << german.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.csv")) << "nothing is created before the port opens";
}

TEST(DeviceCommandLine, AFileOfAnotherVersionIsRefusedBeforeTheDeviceIsTouched)
{
    TempDir dir;
    const auto file = (dir / "old.ign").string();
    WriteWholeFile(file, "TREMOLAX_KEY  34 \r\nBIKE 3 ");
    for (const std::string command : {"program", "verify"}) {
        const CliRun run = Cli({command, "--device", (dir / "no-such-tty").string(), file, "--lang", "fr"});
        EXPECT_EQ(run.code, ExitFailure) << command;
        EXPECT_TRUE(run.err.starts_with("Programme du fichier non compatible avec programme PC!")) << run.err;
        EXPECT_EQ(run.err.find("Erreur connections PC!"), std::string::npos) << run.err;
    }
    const CliRun missing = Cli({"program", "--device", "/dev/null", (dir / "missing.ign").string()});
    EXPECT_EQ(missing.code, ExitFailure);
    EXPECT_TRUE(missing.err.starts_with("Open file error!")) << missing.err;
}

TEST(StatusLines, OneLinePerChangeFailuresOnTheErrorStream)
{
    std::ostringstream out;
    std::ostringstream err;
    StatusPrinter printer(out, err, lang::English);
    link::StatusView status;
    status.visible = true;
    status.text = lang::TextId::Programming;
    for (int gauge = 0; gauge <= 3; ++gauge) {  // the gauge filling is no news
        status.gauge = gauge;
        printer.Show(status);
    }
    status.text = lang::TextId::Verifying;
    printer.Show(status);
    status.colour = link::Colour::Red;
    status.text = lang::TextId::VerifyError;
    printer.Show(status);
    printer.Show(status);
    EXPECT_EQ(out.str(), "Program device:\nVerify:\n");
    EXPECT_EQ(err.str(), "Verify error!\n");
}

TEST(StatusLines, SavingShowsItsProgressAndAHiddenLabelShowsAgain)
{
    std::ostringstream out;
    std::ostringstream err;
    StatusPrinter printer(out, err, lang::German);
    link::StatusView status;
    status.visible = true;
    status.text = lang::TextId::Programming;
    status.okSuffix = true;
    printer.Show(status);
    status.text = lang::TextId::Saving;
    status.okSuffix = false;
    for (const int gauge : {0, 0, 5, 11}) {
        status.gauge = gauge;
        printer.Show(status);
    }
    status.visible = false;
    printer.Show(status);
    status.visible = true;
    printer.Show(status);
    EXPECT_EQ(out.str(), "Programmieren: OK\nSpeicherung: 0/11\nSpeicherung: 5/11\nSpeicherung: 11/11\n"
                         "Speicherung: 11/11\n");
    EXPECT_EQ(err.str(), "");
}

class CsvFrame {
public:
    CsvFrame() { m_frame[0] = link::MonitorByte; }
    CsvFrame &u8(std::size_t offset, std::uint8_t value)
    {
        m_frame[offset] = value;
        return *this;
    }
    CsvFrame &u16(std::size_t offset, std::uint16_t value)
    {
        m_frame[offset] = static_cast<std::uint8_t>(value & 0xFF);
        m_frame[offset + 1] = static_cast<std::uint8_t>(value >> 8);
        return *this;
    }
    [[nodiscard]] std::vector<std::string> row(bool extended) const
    {
        const auto readout = link::DecodeMonitorFrame(m_frame, {});
        return Split(MonitorCsvRow(readout.numbers, "T", 1.5, extended));
    }

private:
    link::MonitorFrame m_frame{};
};

std::string Cell(const std::vector<std::string> &header, const std::vector<std::string> &row,
                 const std::string &column)
{
    const auto it = std::find(header.begin(), header.end(), column);
    if (it == header.end()) {
        ADD_FAILURE() << "no column " << column;
        return {};
    }
    return row.at(static_cast<std::size_t>(it - header.begin()));
}

TEST(MonitorCsv, RowsCarryTheFramesValuesInEngineeringUnits)
{
    const auto header = Split(MonitorCsvHeader(false));
    const auto row = CsvFrame()
                         .u16(1, 6000)     // rpm
                         .u16(19, 1000)    // injection 14A raw, x30 us
                         .u16(17, 205)     // supply raw: 1001 mV, x11 at the battery
                         .u16(5, 1013)     // manifold pressure, 0.1 kPa
                         .u16(93, 950)     // voltage correction, us + 1000
                         .u16(85, 125)     // coolant correction, 0.1 %
                         .u8(51, 42)       // throttle %
                         .u8(53, 190)      // coolant + 100
                         .u8(54, 125)      // air + 100
                         .u8(97, 4)        // gear
                         .u8(100, 0x23)    // layout version
                         .u8(66, 1)        // N2O active
                         .row(false);
    ASSERT_EQ(row.size(), header.size());
    EXPECT_EQ(row[0], "T");
    EXPECT_EQ(row[1], "1.500");
    EXPECT_EQ(Cell(header, row, "rpm"), "6000");
    EXPECT_EQ(Cell(header, row, "inj_14a_us"), "30000");
    EXPECT_EQ(Cell(header, row, "duty_pct"), "150");
    EXPECT_EQ(Cell(header, row, "battery_v"), "11.011");
    EXPECT_EQ(Cell(header, row, "manifold_kpa"), "101.3");
    EXPECT_EQ(Cell(header, row, "corr_voltage_us"), "-50");
    EXPECT_EQ(Cell(header, row, "corr_coolant_pct"), "12.5");
    EXPECT_EQ(Cell(header, row, "throttle_pct"), "42");
    EXPECT_EQ(Cell(header, row, "coolant_c"), "90");
    EXPECT_EQ(Cell(header, row, "air_c"), "25");
    EXPECT_EQ(Cell(header, row, "gear"), "4");
    EXPECT_EQ(Cell(header, row, "layout_version"), "35");
    EXPECT_EQ(Cell(header, row, "n2o"), "1");
    EXPECT_EQ(Cell(header, row, "cooling"), "0");
}

TEST(MonitorCsv, SensorFaultsLeaveTheValueEmptyAndSetTheirFlag)
{
    const auto header = Split(MonitorCsvHeader(true));
    const auto row = CsvFrame()
                         .u8(51, 101)     // throttle above 100 %
                         .u8(53, 0)       // coolant sensor error
                         .u8(54, 0)       // air sensor error
                         .u16(7, 104)     // IAP raw below its window
                         .u16(3, 1006)    // manifold raw at the top of its window
                         .u16(13, 1023)   // coolant raw
                         .row(true);
    ASSERT_EQ(row.size(), header.size());
    for (const std::string sensor : {"throttle", "coolant", "air", "iap"}) {
        EXPECT_EQ(Cell(header, row, sensor + "_error"), "1") << sensor;
    }
    EXPECT_EQ(Cell(header, row, "throttle_pct"), "");
    EXPECT_EQ(Cell(header, row, "coolant_c"), "");
    EXPECT_EQ(Cell(header, row, "air_c"), "");
    EXPECT_EQ(Cell(header, row, "iap_pct"), "");
    EXPECT_EQ(Cell(header, row, "manifold_error"), "0");
    EXPECT_EQ(Cell(header, row, "coolant_mv"), "5000");
    EXPECT_EQ(Cell(header, row, "iap_mv"), "508");
}

TEST(MonitorCsv, TimestampsAreUtcWithMilliseconds)
{
    using namespace std::chrono;
    const system_clock::time_point when{seconds(1741948927) + milliseconds(125)};
    EXPECT_EQ(IsoTimestamp(when), "2025-03-14T10:42:07.125Z");
    EXPECT_EQ(IsoTimestamp(system_clock::time_point{milliseconds(-1)}), "1969-12-31T23:59:59.999Z");
}

}  // namespace
}  // namespace korvane::cli
