// COnlineSchemaHtml: the online-schema page (XHTML with CSS) built from the frame and placeholders of the drawing.
#pragma once

#include "drawing/CRecordArray.h"
#include "evaluation/COnlineSchema.h"
#include "platform/CString.h"

struct OnlineStil {
    CString fontFamily;
    CString textAlign;   // "left", "right" or "center"
    CString fontStyle;   // "italic" or "normal"
    CString fontWeight;  // "bold" or "normal"
    int fontSize = 0;    // pixels
    int color = 0;       // 0xRRGGBB
    int backColor = -1;  // 0xRRGGBB, -1 none
};

bool operator==(const OnlineStil& a, const OnlineStil& b);

struct OnlinePosition {
    int anchor = 0;  // 0 left, 1 right
    int x = 0;       // pixels from the frame's left (anchor 0) or right (anchor 1) edge
    int y = 0;
    int style = 0;   // index into the styles, from 0
    CString text;    // with entities
};

class COnlineSchemaHtml {
public:
    COnlineSchemaHtml() = default;
    ~COnlineSchemaHtml() = default;

    // Computes the page from the schema; false unless it holds exactly one frame.
    bool Build(const COnlineSchema& schema);
    // The index of the first equal style; a new style is appended.
    int AddStyle(const OnlineStil& style);
    // Writes the page with CR LF line ends; false when the file cannot be created or written.
    bool WriteFile(const char* path) const;

    // The drawing's point-size value in pixels.
    static int FontPixels(int size);
    // The drawing's colour (red in the low byte) as 0xRRGGBB.
    static int ToRgb(int color);
    // The text with the named entities, the blank as "&nbsp;", and every other byte from 0x80 as a numeric
    // character reference of its character, so the page is plain ASCII and valid as the UTF-8 it declares.
    static CString ToHtml(const CString& text);

    int m_nWidth = 0;
    int m_nHeight = 0;
    CRecordArray<OnlineStil> m_Stile;
    CRecordArray<OnlinePosition> m_Positionen;
};
