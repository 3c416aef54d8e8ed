// COnlineSchema: reads the online-schema exchange file "Online.tmp" (frames and placeholders of the drawing).
#pragma once

#include "drawing/CRecordArray.h"
#include "platform/CString.h"

#include <cstdio>

struct OnlineRahmen {
    int x[4] = {};
    int y[4] = {};
};

struct OnlineSchrift {
    CString faceName;
    int align = 0;  // 0 left, 2 right, 6 center
    CString styleName;
    int size = 0;       // the drawing's point-size value
    int color = 0;      // red in the low byte
    int backColor = 0;  // negative for none
};

struct OnlinePlatzhalter {
    int anchor = 0;  // 0 left, 1 right
    int x = 0;
    int y = 0;
    OnlineSchrift font;
    CString text;
};

class COnlineSchema {
public:
    COnlineSchema() = default;
    ~COnlineSchema() = default;

    // True when the whole file was read; false for a missing file, a line that names no record, or a record cut
    // short. The arrays then hold what was read before the fault.
    bool ReadFile(const char* path);

    CRecordArray<OnlineRahmen> m_Rahmen;
    CRecordArray<OnlinePlatzhalter> m_Platzhalter;

private:
    bool ReadRahmen(std::FILE* file);
    bool ReadPlatzhalter(std::FILE* file, int anchor);
};
