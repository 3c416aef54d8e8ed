// The value lists that many dialog templates share, generated in one place. Each list gives both the items of a
// combo box (ControlTemplate::items) and the stored code of each item, so a template's items and the codes they
// stand for come from one source:
//
//     const resources::ValueList kDiff = resources::DifferenceList();
//     {platform::ControlClass::ComboBox, IDC_DIFF_ON, CBS_DROPDOWNLIST | WS_VSCROLL, {..}, "", kDiff.items},
//
// Numbers are right-aligned by blanks as the templates write them: a one-digit number after four blanks, a
// two-digit one after two, a longer one without ("    5", "  45", "120"). Some lists pad narrower: with three blanks
// before one digit, a two-digit number gets one ("   5", " 45").
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "resources/UiTexts.h"

#include <vector>

namespace resources {

struct ValueList {
    std::vector<CString> items;  // the texts, in item order
    std::vector<long> codes;     // the stored code of each item
};

// A number with the blanks that right-align it in a list: oneDigitBlanks before one digit, two fewer for each
// further digit, none at the least.
CString PaddedNumber(long value, int oneDigitBlanks = 4);

// first..last, item text the padded number, code = the number.
ValueList NumberList(long first, long last, int oneDigitBlanks = 4);
// first..last, item text the padded number times scale, code = the number (radiation in steps of 10 W/m2).
ValueList ScaledList(long first, long last, long scale, int oneDigitBlanks = 4);
// Temperatures 0..99 deg C ("    0" .. "  99"), code = the degrees.
ValueList TemperatureList();
// Percentages 0..100.
ValueList PercentList();
// The temperature difference code v from first to last (-128..127): "- 90" .. "- 10", "- 9.9" .. "- 0.1", "  0.0" ..
// "  9.9", "  10" .. "  85"; one decimal below 10 K, whole kelvins from 10 K on. The code is the stored byte of v.
// The full list has 256 items, item index = v + 128.
ValueList DifferenceList(int first = -128, int last = 127);
// The text of a signed temperature-difference code (-128..127) with the sign prefix a list shows: tenths of a kelvin
// below 10 K, whole kelvins from there.
CString DifferenceText(int code, const char* minus, const char* plus);
// The hysteresis code from first (0, 1 or 5) to last (115 unless said): "  0.5" .. "  9.9", "  10" .. "  25";
// code = the stored byte (from 100 on, 10 K steps of one kelvin: code - 90 kelvins).
ValueList HysteresisList(int first, int last = 115);
// Times of day in 10-minute steps: "00.00" .. "23.50" after prefix, code 0..143.
ValueList TimeOfDayList(const char* prefix = "");
// Time bytes 0..last: seconds 0..90 as padded numbers, half minutes 2.0..9.5 (91..106) with one decimal, whole
// minutes 10..59 (107..156) as padded numbers, half hours 1.0, 1.5, .. (157 on) with one decimal.
ValueList TimeByteList(int last);
// The text of a time byte (a duration) that the time-out list and the documentation show: "90 sec", half minutes
// 91..106 "2.0 min" (in halfMinuteUnit), "10 min", half hours 157 on "1.0 ore".
CString TimeByteText(int value, const char* halfMinuteUnit = ui::kTimeoutMinuteUnit);
// "OFF", "ON", codes 0 and 1.
ValueList OnOffList();

}  // namespace resources
