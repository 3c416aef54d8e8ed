// CColorListCtrl: a list view that colours its cells by row.
#pragma once

#include "platform/CListCtrl.h"

// The list of the values of a data record; rows before the threshold row and from it on have colours of their own.
// Its owner hands it the list's custom-draw notification.
class CColorListCtrl : public CListCtrl {
public:
    struct ColorSettings {
        COLORREF text1 = kDefaultText, oddBack1 = kDefaultBack, evenBack1 = kDefaultBack;
        COLORREF text2 = kDefaultText, oddBack2 = kDefaultBack, evenBack2 = kDefaultBack;
        int threshold = -1;  // negative: no threshold
    };
    void SetColors(const ColorSettings& settings) { m_colors = settings; }
    void OnCustomDraw(NMHDR* header, LRESULT* result);

private:
    ColorSettings m_colors;
};
