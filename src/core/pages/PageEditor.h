#pragma once

// The editing state of the window and the two transfers between the image
// and the editors of the page on view.
//
// A take-over writes only the editors whose value differs from what the last
// show put there, so a stored byte outside its editor's range (shown clamped)
// stays as it is until the user changes that editor. On the Inj-14A page the
// Inj-23A partner follows JetMode: Coupled moves the partner by the same
// amount, "14 = 23" makes it equal.

#include "model/ConfigImage.h"
#include "model/Snapshot.h"
#include "pages/EditorBindings.h"

#include <cstdint>
#include <vector>

namespace korvane::pages {

// The editor values of one page, in the order of BindingsOfPage(page), each
// row contributing `count` values (a map row by row, like the image).
struct PageValues {
    std::uint8_t page = AdvancePage;
    std::vector<int> values;
    bool all = false;  // "All" check box of the map group; map pages only

    // Value of control on this page at index; the binding must exist.
    [[nodiscard]] int at(std::string_view control, std::size_t index = 0) const;
    int &at(std::string_view control, std::size_t index = 0);
};

class PageEditor {
public:
    PageEditor();

    [[nodiscard]] std::uint8_t CurrentPage() const { return m_currentPage; }
    [[nodiscard]] std::uint16_t MapBase() const { return m_mapBase; }
    // Sets CurrentPage and MapBase together; takes nothing over.
    void SetCurrentPage(std::uint8_t page);

    [[nodiscard]] const model::AllFlags &allFlags() const { return m_allFlags; }
    [[nodiscard]] model::AllFlags &allFlags() { return m_allFlags; }

    // Image -> editor values of the current page. Remembers them as shown.
    [[nodiscard]] PageValues ShowPage(const model::ConfigImage &image);
    // Editor values of the current page -> image (see above). Values of
    // another page than the current one are ignored.
    void TakePage(model::ConfigImage &image, const PageValues &edited);

    // The design values of a page, before anything was shown.
    [[nodiscard]] static PageValues DesignValues(std::uint8_t page);

private:
    std::uint8_t m_currentPage = AdvancePage;
    std::uint16_t m_mapBase = MapBaseOf(AdvancePage);
    model::AllFlags m_allFlags{};
    PageValues m_shown;
    bool m_hasShown = false;
};

}  // namespace korvane::pages
