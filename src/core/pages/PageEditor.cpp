#include "pages/PageEditor.h"

#include "pages/EditingTools.h"
#include "pages/JetMode.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace korvane::pages {
namespace {

namespace Offset = model::Offset;

// The Inj-23A byte that follows a given Inj-14A byte, or 0 for none.
std::size_t PartnerOf(const EditorBinding &binding, std::size_t index)
{
    if (binding.page != Inj14APage) {
        return 0;
    }
    if (binding.offset == Offset::Jet14ARpm) {
        return Offset::Jet23ARpm + index;
    }
    if (binding.offset == Offset::Jet14AMap) {
        return Offset::Jet23AMap + index;
    }
    return 0;
}

std::size_t PositionOf(std::uint8_t page, std::string_view control)
{
    std::size_t position = 0;
    for (const EditorBinding *binding : BindingsOfPage(page)) {
        if (binding->control == control) {
            return position;
        }
        position += binding->count;
    }
    throw std::out_of_range("no control " + std::string(control) + " on page " + std::to_string(page));
}

PageValues ValuesOf(const model::ConfigImage &image, std::uint8_t page)
{
    PageValues shown;
    shown.page = page;
    shown.values.reserve(ValueCountOfPage(page));
    for (const EditorBinding *binding : BindingsOfPage(page)) {
        for (std::size_t i = 0; i < binding->count; ++i) {
            shown.values.push_back(ImageToEditor(*binding, image[binding->offset + i]));
        }
    }
    return shown;
}

}  // namespace

int PageValues::at(std::string_view control, std::size_t index) const
{
    return values.at(PositionOf(page, control) + index);
}

int &PageValues::at(std::string_view control, std::size_t index)
{
    return values.at(PositionOf(page, control) + index);
}

PageEditor::PageEditor() = default;

void PageEditor::SetCurrentPage(std::uint8_t page)
{
    if (page != m_currentPage) {
        m_hasShown = false;
    }
    m_currentPage = page;
    m_mapBase = MapBaseOf(page);
}

PageValues PageEditor::ShowPage(const model::ConfigImage &image)
{
    PageValues shown = ValuesOf(image, m_currentPage);
    if (IsMapPage(m_currentPage)) {
        shown.all = m_allFlags[m_currentPage] != 0;
    }
    m_shown = shown;
    m_hasShown = true;
    return shown;
}

void PageEditor::TakePage(model::ConfigImage &image, const PageValues &edited)
{
    const std::uint8_t page = m_currentPage;
    if (edited.page != page || edited.values.size() != ValueCountOfPage(page)) {
        return;
    }
    // Coupled, the Inj-23A map only follows Inj-14A.
    if (MapLocked(image, page)) {
        return;
    }
    // Only what the user changed is written, so a stored value that its
    // editor can only show clamped survives until it is edited.
    const std::vector<int> baseline =
        m_hasShown && m_shown.page == page ? m_shown.values : ValuesOf(image, page).values;
    const JetMode jetMode = JetModeOf(image);

    std::size_t position = 0;
    for (const EditorBinding *binding : BindingsOfPage(page)) {
        for (std::size_t i = 0; i < binding->count; ++i, ++position) {
            const int value = edited.values[position];
            std::uint8_t byte = 0;
            if (value == baseline[position] || !EditorToImage(*binding, value, byte)) {
                continue;
            }
            const std::size_t offset = binding->offset + i;
            const std::size_t partner = PartnerOf(*binding, i);
            if (partner != 0 && jetMode == JetMode::Coupled && byte != image[offset]) {
                // Coupled maps keep their difference: the partner moves by as much.
                const int moved = image[partner] + (byte - image[offset]);
                image[partner] = static_cast<std::uint8_t>(std::clamp(moved, 0, 255));
            }
            image[offset] = byte;
        }
    }

    if (page == Inj14APage && jetMode == JetMode::Equal) {
        std::copy_n(image.bytes.begin() + Offset::Jet14ARpm, model::CurvePoints,
                    image.bytes.begin() + Offset::Jet23ARpm);
        std::copy_n(image.bytes.begin() + Offset::Jet14AMap, model::MapCells,
                    image.bytes.begin() + Offset::Jet23AMap);
    }
    if (IsMapPage(page)) {
        m_allFlags[page] = edited.all ? 1 : 0;
    }
}

PageValues PageEditor::DesignValues(std::uint8_t page)
{
    PageValues design;
    design.page = page;
    for (const EditorBinding *binding : BindingsOfPage(page)) {
        design.values.insert(design.values.end(), binding->count, binding->initial);
    }
    return design;
}

}  // namespace korvane::pages
