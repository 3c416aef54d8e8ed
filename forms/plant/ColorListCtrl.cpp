// The list view that colours its cells by row.
#include "forms/plant/ColorListCtrl.h"

void CColorListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *result = CDRF_NOTIFYITEMDRAW;
    } else if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        cd->clrText = kDefaultText;
        *result = CDRF_NOTIFYSUBITEMDRAW;
    } else if (cd->nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
        const int row = static_cast<int>(cd->nmcd.dwItemSpec);
        const bool first = m_colors.threshold < 0 || row < m_colors.threshold;
        const bool odd = row % 2 != 0;
        cd->clrText = first ? m_colors.text1 : m_colors.text2;
        cd->clrTextBk = first ? (odd ? m_colors.oddBack1 : m_colors.evenBack1)
                              : (odd ? m_colors.oddBack2 : m_colors.evenBack2);
    }
}
