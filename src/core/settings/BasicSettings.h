#pragma once

// The section "BASIC" of the settings file: window placement, port, language,
// the last file, the page on view and four check boxes. The keys are spelled
// as they always were ("PageControl1->ActivePageIndex"), so that existing
// files and a person editing one still find them, and are written in the
// order of the table.

#include "model/ConfigImage.h"
#include "pages/Pages.h"
#include "settings/IniFile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

namespace korvane::settings {

inline constexpr std::string_view BasicSection = "BASIC";

struct BasicSettings {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::uint8_t comPort = 1;
    std::uint8_t language = 0;
    std::string file;    // caption of LabelFile2
    std::string iniDir;  // full path of the parameter file last saved or opened
    pages::Page activePage = pages::AdvancePage;
    bool extMonitor = false;
    bool allServo = false;
    bool allPolohaA = false;
    bool allPolohaB = false;

    friend bool operator==(const BasicSettings &, const BasicSettings &) = default;
};

// How a key is read: a 32-bit integer; an integer of which the low 8 bits are
// kept; text (empty when missing); a page index, which must name one of the
// eleven pages as read; a check box, ticked by any number but 0.
using BasicField = std::variant<std::int32_t BasicSettings::*, std::uint8_t BasicSettings::*,
                                std::string BasicSettings::*, pages::Page BasicSettings::*, bool BasicSettings::*>;

struct BasicKey {
    std::string_view key;
    BasicField field;
};

inline constexpr std::array<BasicKey, 13> BasicKeys{{
    {"Left", &BasicSettings::left},
    {"Top", &BasicSettings::top},
    {"Height", &BasicSettings::height},
    {"Width", &BasicSettings::width},
    {"ComPort", &BasicSettings::comPort},
    {"Language", &BasicSettings::language},
    {"File", &BasicSettings::file},
    {"IniDir", &BasicSettings::iniDir},
    {"PageControl1->ActivePageIndex", &BasicSettings::activePage},
    {"CheckBoxExtMonitor->Checked", &BasicSettings::extMonitor},
    {"CheckBoxAll_Servo->Checked", &BasicSettings::allServo},
    {"CheckBoxAll_PolohaA->Checked", &BasicSettings::allPolohaA},
    {"CheckBoxAll_PolohaB->Checked", &BasicSettings::allPolohaB},
}};

// Every key missing or unreadable keeps its value from current; the texts
// become empty instead.
[[nodiscard]] BasicSettings ReadBasicSettings(const IniFile &ini, const BasicSettings &current);
void WriteBasicSettings(IniFile &ini, const BasicSettings &settings);

// Rewrites the section in the file at path, keeping every other line of it.
// A file that exists but cannot be read is left alone and reported, since
// writing it anew would lose what the user keeps there (the port map).
[[nodiscard]] bool SaveBasicSettings(const std::filesystem::path &path, const BasicSettings &settings,
                                     std::string *error = nullptr);

// The page a run opens on: the stored page, or page 0 when the tab of the
// stored page is hidden with these parameters (Tuning always; Inj-23A while
// it equals Inj-14A).
[[nodiscard]] pages::Page OpeningPage(pages::Page stored, const model::ConfigImage &image);

}  // namespace korvane::settings
