#include "TestImage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane::pages::test {
namespace {

namespace Offset = model::Offset;

std::set<std::size_t> BoundBytes(std::uint8_t page)
{
    std::set<std::size_t> bytes;
    for (const EditorBinding *binding : BindingsOfPage(page)) {
        for (std::size_t i = 0; i < binding->count; ++i) {
            bytes.insert(binding->offset + i);
        }
    }
    return bytes;
}

enum class Choice { Max, Min, Middle };

int Chosen(const EditorBinding &binding, Choice choice)
{
    if (binding.kind == ControlKind::Combo) {
        return choice == Choice::Max ? 28 : choice == Choice::Min ? 0 : 14;
    }
    switch (choice) {
    case Choice::Max:
        return binding.max;
    case Choice::Min:
        return binding.min;
    case Choice::Middle:
        return binding.min + binding.step * ((binding.max - binding.min) / binding.step / 2);
    }
    return 0;
}

TEST(PageEditor, EveryEditorRoundTripsThroughItsOwnBytesOnly)
{
    for (std::uint8_t page = 0; page < PageCount; ++page) {
        model::ConfigImage image = DefaultImage();
        PageEditor editor;
        const std::set<std::size_t> bound = BoundBytes(page);
        for (Choice choice : {Choice::Max, Choice::Min, Choice::Middle}) {
            const model::ConfigImage before = image;
            const PageValues taken = ShowEditTake(editor, image, page, [&](PageValues &values) {
                std::size_t position = 0;
                for (const EditorBinding *binding : BindingsOfPage(page)) {
                    std::fill_n(values.values.begin() + static_cast<std::ptrdiff_t>(position), binding->count,
                                Chosen(*binding, choice));
                    position += binding->count;
                }
            });
            EXPECT_EQ(editor.ShowPage(image).values, taken.values) << "page " << int(page);
            for (std::size_t offset : Changed(before, image)) {
                EXPECT_TRUE(bound.contains(offset)) << "page " << int(page) << " wrote byte " << offset;
            }
        }
    }
}

// A byte the editor can only show clamped survives a take-over of its page
// until the user changes that editor.
TEST(PageEditor, OutOfRangeByteIsKeptUntilItsEditorIsChanged)
{
    struct Case {
        std::uint8_t page;
        std::size_t offset;
        std::uint8_t stored;
        std::string_view control;
        std::size_t index;
        int edit;  // an editor value to try; -1 stores nothing for Radio and Combo
        int editedByte;
    };
    const Case cases[] = {
        {InjBPage, 867, 120, "UpDownMapCell", 17, 90, 90},
        {PolohaPage, 268, 200, "UpDownPolohaA_Deg", 3, 700, 140},
        {PolohaPage, Offset::PositionBRef, 5, "RadioGroupPolohaB", 0, -1, 5},
        {RuznePage, Offset::BikeType, 40, "ComboBoxBike", 0, -1, 40},
        {RuznePage, Offset::StartLimiter, 5, "UpDownOmez1", 0, 1000, 10},
        {RuznePage, Offset::Tps100Voltage, 250, "UpDownTps100", 0, 4800, 230},
        {RuznePage, Offset::TempDisplay, 7, "CheckBoxTempDisplay", 0, 0, 0},
    };
    for (const Case &c : cases) {
        model::ConfigImage image = DefaultImage();
        image[c.offset] = c.stored;
        PageEditor editor;
        // Another editor of the page changes, so the take-over does run.
        const auto rows = BindingsOfPage(c.page);
        const EditorBinding *other = *std::find_if(rows.begin(), rows.end(), [&](const EditorBinding *row) {
            return row->kind == ControlKind::Numeric && row->control != c.control;
        });
        ShowEditTake(editor, image, c.page, [&](PageValues &values) {
            int &value = values.at(other->control);
            value = value == other->min ? other->max : other->min;
        });
        EXPECT_EQ(image[c.offset], c.stored) << c.control;

        ShowEditTake(editor, image, c.page, [&](PageValues &values) { values.at(c.control, c.index) = c.edit; });
        EXPECT_EQ(image[c.offset], c.editedByte) << c.control << " edited to " << c.edit;
    }
}

TEST(PageEditor, TakeOverWithoutShowComparesWithTheImage)
{
    model::ConfigImage image = DefaultImage();
    image[867] = 120;
    PageEditor viewer;
    viewer.SetCurrentPage(InjBPage);
    PageValues values = viewer.ShowPage(image);
    values.at("UpDownMapCell", 0) = 42;

    PageEditor fresh;
    fresh.SetCurrentPage(InjBPage);
    const model::ConfigImage before = image;
    fresh.TakePage(image, values);
    EXPECT_EQ(Changed(before, image), std::set<std::size_t>{850});
    EXPECT_EQ(image[850], 42);
}

TEST(PageEditor, PageChangeWritesNothingAndDropsUnconfirmedValues)
{
    model::ConfigImage image = DefaultImage();
    PageEditor editor;
    editor.SetCurrentPage(AdvancePage);
    PageValues typed = editor.ShowPage(image);
    typed.at("UpDownMapCell", 5) = 33;
    typed.at("UpDownMapRpm", 0) = 900;
    typed.all = true;
    const model::ConfigImage before = image;

    editor.SetCurrentPage(Inj14APage);
    EXPECT_EQ(editor.CurrentPage(), Inj14APage);
    EXPECT_EQ(editor.MapBase(), 550);
    (void)editor.ShowPage(image);
    editor.TakePage(image, typed);  // values of a page no longer shown

    EXPECT_EQ(image, before);
    EXPECT_EQ(editor.allFlags()[AdvancePage], 0);
}

TEST(PageEditor, AllFlagFollowsTheCheckBoxOfEachMapPage)
{
    model::ConfigImage image = DefaultImage();
    PageEditor editor;
    ShowEditTake(editor, image, InjBPage, [](PageValues &values) { values.all = true; });
    EXPECT_EQ(editor.allFlags(), (model::AllFlags{0, 0, 0, 1, 0}));
    EXPECT_TRUE(editor.ShowPage(image).all);

    editor.SetCurrentPage(AdvancePage);
    EXPECT_FALSE(editor.ShowPage(image).all);
    editor.SetCurrentPage(InjBPage);
    ShowEditTake(editor, image, InjBPage, [](PageValues &values) { values.all = false; });
    EXPECT_EQ(editor.allFlags()[InjBPage], 0);
}

TEST(PageEditor, CellMaximumIsThatOfTheMapPageShown)
{
    model::ConfigImage image = DefaultImage();
    std::fill_n(image.bytes.begin() + Offset::AdvMap, model::MapCells, 200);
    std::fill_n(image.bytes.begin() + Offset::Jet14AMap, model::MapCells, 200);
    PageEditor editor;
    editor.SetCurrentPage(AdvancePage);
    EXPECT_EQ(editor.ShowPage(image).at("UpDownMapCell", 0), 60);
    editor.SetCurrentPage(Inj14APage);
    const PageValues shown = editor.ShowPage(image);
    EXPECT_TRUE(std::all_of(shown.values.begin() + 15, shown.values.end(), [](int v) { return v == 200; }));
}

// Inj-14A edits and the Inj-23A partner under each JetMode.
struct PartnerCase {
    const char *name;
    std::uint8_t jetMode;
    std::string_view control;
    std::size_t index;
    std::uint8_t own, partner;  // bytes before
    int edit;
    std::uint8_t ownAfter, partnerAfter;
};

TEST(PageEditor, Inj14APartnerFollowsJetMode)
{
    const PartnerCase cases[] = {
        {"coupled cell up", 1, "UpDownMapCell", 33, 100, 120, 110, 110, 130},
        {"coupled clamp high", 1, "UpDownMapCell", 33, 100, 250, 110, 110, 255},
        {"coupled clamp low", 1, "UpDownMapCell", 0, 100, 3, 90, 90, 0},
        {"coupled axis down", 1, "UpDownMapRpm", 4, 50, 48, 4500, 45, 43},
        {"separate", 0, "UpDownMapCell", 33, 100, 120, 110, 110, 120},
        {"unknown mode is separate", 7, "UpDownMapCell", 33, 100, 120, 110, 110, 120},
    };
    for (const PartnerCase &c : cases) {
        model::ConfigImage image = DefaultImage(c.jetMode);
        const bool axis = c.control == "UpDownMapRpm";
        const std::size_t own = (axis ? Offset::Jet14ARpm : Offset::Jet14AMap) + c.index;
        const std::size_t partner = (axis ? Offset::Jet23ARpm : Offset::Jet23AMap) + c.index;
        image[own] = c.own;
        image[partner] = c.partner;
        const model::ConfigImage before = image;
        PageEditor editor;
        ShowEditTake(editor, image, Inj14APage, [&](PageValues &v) { v.at(c.control, c.index) = c.edit; });

        EXPECT_EQ(image[own], c.ownAfter) << c.name;
        EXPECT_EQ(image[partner], c.partnerAfter) << c.name;
        for (std::size_t offset : Changed(before, image)) {
            EXPECT_TRUE(offset == own || offset == partner) << c.name << " changed byte " << offset;
        }
    }
}

TEST(PageEditor, CoupledPartnerMovesOnlyForValuesTheUserChanged)
{
    model::ConfigImage image = DefaultImage(1);
    image[Offset::Jet14AMap + 7] = 255;  // shown as 250, not edited
    const model::ConfigImage before = image;
    PageEditor editor;
    ShowEditTake(editor, image, Inj14APage, [](PageValues &v) { v.at("UpDownMapCell", 8) += 1; });
    EXPECT_EQ(Changed(before, image), (std::set<std::size_t>{Offset::Jet14AMap + 8, Offset::Jet23AMap + 8}));
}

TEST(PageEditor, EqualModeCopiesTheWholeMapAndAxis)
{
    model::ConfigImage image = DefaultImage(2);
    for (std::size_t i = 0; i < model::MapCells; ++i) {
        image[Offset::Jet23AMap + i] = static_cast<std::uint8_t>(i % 200);
    }
    image[Offset::Jet23ARpm + 2] = 77;
    PageEditor editor;
    ShowEditTake(editor, image, Inj14APage, [](PageValues &v) { v.at("UpDownMapCell", 20) = 5; });

    EXPECT_EQ(image[Offset::Jet14AMap + 20], 5);
    EXPECT_TRUE(std::equal(image.bytes.begin() + Offset::Jet14ARpm, image.bytes.begin() + Offset::Jet23ARpm,
                           image.bytes.begin() + Offset::Jet23ARpm));
    EXPECT_TRUE(std::equal(image.bytes.begin() + Offset::Jet14AMap, image.bytes.begin() + Offset::Jet23AMap,
                           image.bytes.begin() + Offset::Jet23AMap));
}

TEST(PageEditor, OtherMapPagesNeverChangeAnotherMap)
{
    for (std::uint8_t jetMode : {1, 2}) {
        for (std::uint8_t page : {AdvancePage, Inj23APage, InjBPage, InjIapPage}) {
            model::ConfigImage image = DefaultImage(jetMode);
            const model::ConfigImage before = image;
            PageEditor editor;
            ShowEditTake(editor, image, page, [](PageValues &v) {
                for (std::size_t i = 0; i < model::MapCells; ++i) {
                    v.at("UpDownMapCell", i) = 1;
                }
                v.at("UpDownMapRpm", 14) = 24000;
            });
            const std::set<std::size_t> bound = BoundBytes(page);
            const std::set<std::size_t> changed = Changed(before, image);
            // Coupled, the Inj-23A map takes no edits of its own.
            EXPECT_EQ(changed.empty(), page == Inj23APage && jetMode == 1) << int(page);
            for (std::size_t offset : changed) {
                EXPECT_TRUE(bound.contains(offset)) << "page " << int(page) << " changed " << offset;
            }
        }
    }
}

}  // namespace
}  // namespace korvane::pages::test
