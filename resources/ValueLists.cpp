// The shared value lists of the dialog templates.
#include "resources/ValueLists.h"

#include "platform/CLocale.h"

#include <cstdlib>
#include <string>

namespace resources {

namespace {

// Magnitude of a difference code in tenths of a kelvin: 0.1 K steps up to 9.9 K, 1 K steps to 25 K, then 5 K steps.
int DifferenceMagnitudeTenths(int v)
{
    const int m = std::abs(v);
    if (m <= 99)
        return m;
    if (m <= 115)
        return (m - 90) * 10;
    return (30 + 5 * (m - 116)) * 10;
}

// Tenths of a kelvin as a list shows them: one decimal below 10 K, whole kelvins from 10 K on.
CString Kelvin(int tenths)
{
    if (tenths < 100)
        return platform::FormatC("%d.%d", tenths / 10, tenths % 10);
    return platform::FormatC("%d", tenths / 10);
}

void Add(ValueList& list, CString text, long code)
{
    list.items.push_back(std::move(text));
    list.codes.push_back(code);
}

}  // namespace

CString PaddedNumber(long value, int oneDigitBlanks)
{
    const CString digits = platform::FormatC("%ld", value);
    const int blanks = oneDigitBlanks - 2 * (digits.GetLength() - 1);
    return CString(std::string(static_cast<size_t>(blanks > 0 ? blanks : 0), ' ').c_str()) + digits;
}

ValueList NumberList(long first, long last, int oneDigitBlanks)
{
    ValueList list;
    for (long v = first; v <= last; ++v)
        Add(list, PaddedNumber(v, oneDigitBlanks), v);
    return list;
}

ValueList TemperatureList()
{
    return NumberList(0, 99);
}

ValueList PercentList()
{
    return NumberList(0, 100);
}

CString DifferenceText(int code, const char* minus, const char* plus)
{
    return CString(code < 0 ? minus : plus) + Kelvin(DifferenceMagnitudeTenths(code));
}

ValueList DifferenceList(int first, int last)
{
    ValueList list;
    for (int v = first; v <= last; ++v)
        Add(list, DifferenceText(v, "- ", "  "), v & 0xFF);
    return list;
}

ValueList ScaledList(long first, long last, long scale, int oneDigitBlanks)
{
    ValueList list;
    for (long v = first; v <= last; ++v)
        Add(list, PaddedNumber(v * scale, oneDigitBlanks), v);
    return list;
}

ValueList HysteresisList(int first, int last)
{
    ValueList list;
    for (int c = first; c <= last; ++c)
        Add(list, CString("  ") + Kelvin(c <= 99 ? c : (c - 90) * 10), c);
    return list;
}

ValueList TimeOfDayList(const char* prefix)
{
    ValueList list;
    for (int v = 0; v <= 143; ++v)
        Add(list, CString(prefix) + platform::FormatC("%02d.%02d", v / 6, v % 6 * 10), v);
    return list;
}

ValueList TimeByteList(int last)
{
    ValueList list;
    for (int v = 0; v <= last && v <= 255; ++v) {
        if (v <= 90)
            Add(list, PaddedNumber(v), v);
        else if (v <= 106)
            Add(list, platform::FormatC("%d.%d", (v - 87) / 2, (v - 87) % 2 * 5), v);
        else if (v <= 156)
            Add(list, PaddedNumber(v - 97), v);
        else
            Add(list, platform::FormatC("%d.%d", (v - 155) / 2, (v - 155) % 2 * 5), v);
    }
    return list;
}

CString TimeByteText(int value, const char* halfMinuteUnit)
{
    CString text;
    if (value <= 90)
        text.Format(ui::kTimeoutSeconds, value);
    else if (value <= 106)
        text.Format(ui::kTimeoutHalfMinutes, (value - 87) / 2.0, halfMinuteUnit);
    else if (value <= 156)
        text.Format(ui::kTimeoutMinutes, value - 97);
    else
        text.Format(ui::kTimeoutHours, (value - 155) / 2.0);
    return text;
}

ValueList OnOffList()
{
    ValueList list;
    Add(list, "OFF", 0);
    Add(list, "ON", 1);
    return list;
}

}  // namespace resources
