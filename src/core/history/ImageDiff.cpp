#include "history/ImageDiff.h"

#include "history/ParameterNames.h"
#include "lang/Captions.h"
#include "lang/CompareTexts.h"
#include "pages/EditorBindings.h"
#include "pages/JetMode.h"
#include "pages/Pages.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>

namespace korvane::history {
namespace {

namespace Offset = model::Offset;
using lang::CompareTextId;
using pages::EditorBinding;

constexpr std::string_view JetModeControl = "Menu_Jet123Mode";
constexpr std::string_view Arrow = " → ";

// Bytes that some editor (or the Jet 14-23 menu) shows.
const std::array<bool, model::ImageSize> &EditedBytes()
{
    static const std::array<bool, model::ImageSize> edited = [] {
        std::array<bool, model::ImageSize> bytes{};
        for (const EditorBinding &binding : pages::EditorBindings()) {
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(binding.offset), binding.count, true);
        }
        bytes[Offset::JetMode] = true;
        return bytes;
    }();
    return edited;
}

DiffEntry EntryAt(std::uint8_t page, std::string_view control, std::size_t offset)
{
    DiffEntry entry;
    entry.page = page;
    entry.control = control;
    entry.offsets[0] = static_cast<std::uint16_t>(offset);
    return entry;
}

void SetValues(DiffEntry &entry, EntryKind kind, int a, int b, std::string aText, std::string bText)
{
    entry.kind = kind;
    entry.valueA = a;
    entry.valueB = b;
    entry.a = std::move(aText);
    entry.b = std::move(bText);
}

void AddBinding(std::vector<DiffEntry> &entries, const EditorBinding &binding, const model::ConfigImage &a,
                const model::ConfigImage &b, const DiffOptions &options)
{
    const std::uint8_t language = options.language;
    const auto first = static_cast<std::ptrdiff_t>(binding.offset);
    const auto last = first + static_cast<std::ptrdiff_t>(binding.count);
    if (!options.includeEqual && std::equal(a.bytes.begin() + first, a.bytes.begin() + last, b.bytes.begin() + first)) {
        return;
    }
    std::optional<BindingNamer> namer;
    for (std::size_t i = 0; i < binding.count; ++i) {
        const std::size_t offset = binding.offset + i;
        const std::uint8_t byteA = a[offset];
        const std::uint8_t byteB = b[offset];
        if (byteA == byteB && !options.includeEqual) {
            continue;
        }
        if (!namer) {
            namer.emplace(binding, language);
        }
        DiffEntry entry = EntryAt(binding.page, binding.control, offset);
        entry.index = static_cast<std::uint16_t>(i);
        entry.parameter = namer->Name(i, a);
        switch (binding.kind) {
        case pages::ControlKind::Numeric: {
            const int valueA = EditorValue(binding, byteA);
            const int valueB = EditorValue(binding, byteB);
            const bool cell = binding.count == model::MapCells;
            SetValues(entry, cell ? EntryKind::MapCell : EntryKind::Value, valueA, valueB, std::to_string(valueA),
                      std::to_string(valueB));
            if (cell) {
                entry.row = static_cast<std::int8_t>(i / model::MapColumns);
                entry.column = static_cast<std::int8_t>(i % model::MapColumns);
            } else if (binding.count > 1) {
                entry.column = static_cast<std::int8_t>(i);
            }
            break;
        }
        case pages::ControlKind::Check:
            SetValues(entry, EntryKind::Check, byteA, byteB, ValueText(binding, byteA, language),
                      ValueText(binding, byteB, language));
            break;
        case pages::ControlKind::Radio:
            SetValues(entry, EntryKind::Choice, byteA, byteB, ValueText(binding, byteA, language),
                      ValueText(binding, byteB, language));
            break;
        case pages::ControlKind::Combo:
            // The type bytes follow the model; taking the model takes them too.
            SetValues(entry, EntryKind::Model, byteA, byteB, ValueText(binding, byteA, language),
                      ValueText(binding, byteB, language));
            entry.offsets = {static_cast<std::uint16_t>(Offset::BikeType),
                             static_cast<std::uint16_t>(Offset::TypeFlag),
                             static_cast<std::uint16_t>(Offset::TypeConstant)};
            entry.offsetCount = 3;
            break;
        }
        entries.push_back(std::move(entry));
    }
}

void AddJetMode(std::vector<DiffEntry> &entries, const model::ConfigImage &a, const model::ConfigImage &b,
                const DiffOptions &options)
{
    const std::uint8_t language = options.language;
    const std::uint8_t modeA = a[Offset::JetMode];
    const std::uint8_t modeB = b[Offset::JetMode];
    if (modeA == modeB && !options.includeEqual) {
        return;
    }
    DiffEntry entry = EntryAt(pages::Inj14APage, JetModeControl, Offset::JetMode);
    entry.parameter = JetModeName(language);
    SetValues(entry, EntryKind::Choice, modeA, modeB, JetModeChoice(modeA, language), JetModeChoice(modeB, language));
    entries.push_back(std::move(entry));
}

void AddOtherBytes(std::vector<DiffEntry> &entries, const model::ConfigImage &a, const model::ConfigImage &b,
                   const DiffOptions &options)
{
    const auto &edited = EditedBytes();
    const bool modelDiffers = a[Offset::BikeType] != b[Offset::BikeType];
    for (std::size_t offset = options.includeHeader ? 0 : model::BlockSize; offset < model::ImageSize; ++offset) {
        if (edited[offset] || a[offset] == b[offset]) {
            continue;
        }
        if (modelDiffers && (offset == Offset::TypeFlag || offset == Offset::TypeConstant)) {
            continue;
        }
        DiffEntry entry = EntryAt(OtherBytesPage, {}, offset);
        entry.index = static_cast<std::uint16_t>(offset);
        entry.parameter = lang::CompareText(CompareTextId::Byte, options.language, {std::to_string(offset)});
        SetValues(entry, EntryKind::Byte, a[offset], b[offset], std::to_string(a[offset]), std::to_string(b[offset]));
        entries.push_back(std::move(entry));
    }
}

bool FollowsInj14A(const DiffEntry &entry, std::span<const DiffEntry> entries, const model::ConfigImage &after)
{
    return entry.page == pages::Inj23APage && pages::JetModeOf(after) != pages::JetMode::Separate &&
           FindEntry(entries, pages::Inj14APage, entry.control, entry.index) != nullptr;
}

}  // namespace

std::vector<DiffEntry> ImageDiff(const model::ConfigImage &a, const model::ConfigImage &b, const DiffOptions &options)
{
    std::vector<DiffEntry> entries;
    entries.reserve(static_cast<std::size_t>(
        std::inner_product(a.bytes.begin(), a.bytes.end(), b.bytes.begin(), std::ptrdiff_t{0}, std::plus<>(),
                           [](std::uint8_t x, std::uint8_t y) { return x != y ? 1 : 0; })));
    const auto bindings = pages::EditorBindings();
    for (std::uint8_t page = 0; page < pages::PageCount; ++page) {
        if (page == pages::Inj14APage) {
            AddJetMode(entries, a, b, options);
        }
        for (const EditorBinding &binding : bindings) {
            if (binding.page == page) {
                AddBinding(entries, binding, a, b, options);
            }
        }
    }
    AddOtherBytes(entries, a, b, options);
    return entries;
}

std::span<const DiffEntry> EntriesOfPage(std::span<const DiffEntry> entries, std::uint8_t page)
{
    const auto first = std::find_if(entries.begin(), entries.end(), [&](const DiffEntry &e) { return e.page == page; });
    const auto last = std::find_if(first, entries.end(), [&](const DiffEntry &e) { return e.page != page; });
    return {first, last};
}

const DiffEntry *FindEntry(std::span<const DiffEntry> entries, std::uint8_t page, std::string_view control,
                           std::size_t index)
{
    for (const DiffEntry &entry : EntriesOfPage(entries, page)) {
        if (entry.control == control && entry.index == index) {
            return &entry;
        }
    }
    return nullptr;
}

void ApplyOther(model::ConfigImage &a, const model::ConfigImage &b, std::span<const DiffEntry> entries)
{
    for (const DiffEntry &entry : entries) {
        for (const std::uint16_t offset : entry.coveredOffsets()) {
            a[offset] = b[offset];
        }
    }
}

std::string DiffEntry::deltaText() const
{
    if (!hasDelta())
        return {};
    // Built piece by piece: "+" + std::string trips a false -Wrestrict of GCC 12 at -O3.
    std::string text = delta() > 0 ? std::string(1, '+') : std::string();
    text += std::to_string(delta());
    return text;
}

std::string DescribeChange(const model::ConfigImage &before, const model::ConfigImage &after, std::uint8_t language)
{
    const std::vector<DiffEntry> entries = ImageDiff(before, after, {language, true});
    std::vector<const DiffEntry *> own;
    for (const DiffEntry &entry : entries) {
        if (!FollowsInj14A(entry, entries, after)) {
            own.push_back(&entry);
        }
    }
    if (own.empty()) {
        return {};
    }
    if (own.size() == 1) {
        return own.front()->parameter + ": " + own.front()->a + std::string(Arrow) + own.front()->b;
    }
    const std::string count = std::to_string(own.size());
    const std::uint8_t page = own.front()->page;
    const bool onePage = std::all_of(own.begin(), own.end(), [&](const DiffEntry *e) { return e->page == page; });
    if (onePage) {
        return lang::CompareText(CompareTextId::PageChanges, language, {PageName(page, language), count});
    }
    return lang::CompareText(CompareTextId::Changes, language, {count});
}

}  // namespace korvane::history
