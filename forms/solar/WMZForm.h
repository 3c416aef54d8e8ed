// What the heat meter's parameter form shares between its two files (CWMZ.cpp: layouts and display,
// CWMZEingabe.cpp: the typed numbers and the checks of the save): the typed fields and the calibration's range.
#pragma once

#include "platform/Types.h"
#include "store/WMZParam.h"

namespace wmz {

enum : UINT { kLower = 1208, kUpper = 1209, kLowerDiff = 1210, kUpperDiff = 1211, kMwh = 1214, kKwh = 1215 };

// The typed fields: id, decimals, minus allowed, text limit. The order of CWMZ::m_edits.
inline constexpr struct {
    UINT id;
    int decimals;
    bool minus;
    int limit;
} kEdits[6] = {{kLower, 2, true, 7}, {kUpper, 2, true, 7},  {kLowerDiff, 2, true, 7},
               {kUpperDiff, 2, true, 7}, {kMwh, 0, false, 5}, {kKwh, 1, false, 5}};

// The calibration values the controller takes.
inline bool CalibrationInRange(const WMZParam& r)
{
    return r.upperTemp >= 5000 && r.upperTemp <= 16000 && r.upperDiff >= -9999 && r.upperDiff <= 9999 &&
           r.lowerTemp >= -9999 && r.lowerTemp <= 2499 && r.lowerDiff >= -9999 && r.lowerDiff <= 9999;
}

// What an unset calibration holds.
inline void ResetCalibration(WMZParam& r)
{
    r.upperTemp = 5000;
    r.upperDiff = 0;
    r.lowerTemp = 2499;
    r.lowerDiff = 0;
}

}  // namespace wmz
