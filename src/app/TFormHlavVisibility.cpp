// What the parameters and the page on view let the user see.

#include "app/TFormHlav.h"

#include "lang/Texts.h"
#include "pages/Pages.h"
#include "ui/MapGroup.h"

#include <QTabWidget>

namespace korvane::app {

void TFormHlav::UpdateVisibility()
{
    // The scalar beside the map belongs to the advance and IAP maps only.
    const std::uint8_t page = m_editor.CurrentPage();
    const bool extra = page == pages::AdvancePage || page == pages::InjIapPage;
    // Runs on every live-data frame: change only what differs, or the whole
    // page would be laid out and repainted again each time.
    m_mapGroup->setExtraVisible(extra);
    if (extra)
        m_mapGroup->setExtraCaption(Text(page == pages::InjIapPage ? lang::TextId::IapToTp : lang::TextId::BaseAdvance));
    if (m_pageControl->isTabVisible(pages::LadeniPage))
        m_pageControl->setTabVisible(pages::LadeniPage, false);
}

}  // namespace korvane::app
