// The scales of the analog function by unit.
#include "forms/logic/AnalogScale.h"

#include "platform/CLocale.h"
#include "resources/ValueLists.h"

#include <cstdlib>

namespace analog_scale {

namespace {

constexpr long kNoDimension = 0;
constexpr long kTemperature = 1;

CString Text(const std::string& text)
{
    return CString(text);
}

// 0..250 right-aligned: six, four or two blanks before one, two or three digits.
CString Whole(int v)
{
    return resources::PaddedNumber(v, 6);
}

// -125..125: negatives by the magnitude's digits.
CString SignedWhole(int v)
{
    if (v >= 0)
        return Whole(v);
    return CString(" -") + resources::PaddedNumber(-v, 4);
}

// -50..200 degrees.
CString Degrees(int v)
{
    if (v < 0)
        return Text(platform::FormatC(v > -10 ? " -   %d" : " - %d", -v));
    return Text(platform::FormatC(v < 10 ? "     %d" : v < 100 ? "   %d" : "  %d", v));
}

// 0..200 as ten times the value, W/m².
CString Radiation(int v)
{
    return resources::PaddedNumber(10 * v, 6);
}

}  // namespace

std::vector<CString> ValueItems(long unit, bool result)
{
    std::vector<CString> items;
    if (unit == kNoDimension) {
        for (int v = result ? 0 : -125; v <= (result ? 250 : 125); ++v)
            items.push_back(result ? Whole(v) : SignedWhole(v));
    } else if (unit == kTemperature) {
        for (int v = -50; v <= 200; ++v)
            items.push_back(Degrees(v));
    } else {
        for (int v = 0; v <= 200; ++v)
            items.push_back(Radiation(v));
    }
    return items;
}

int ValueIndex(long unit, BYTE value, bool result)
{
    if (unit == kNoDimension)
        return result ? value : static_cast<signed char>(value) + 125;
    if (unit == kTemperature)
        return value >= 201 ? value - 206 : value + 50;  // 206..255 stand for -50..-1
    return value;
}

BYTE ValueOf(long unit, int index, bool result)
{
    if (unit == kNoDimension)
        return static_cast<BYTE>(result ? index : index - 125);
    if (unit == kTemperature)
        return static_cast<BYTE>(index - 50);
    return static_cast<BYTE>(index);
}

std::vector<CString> OffsetItems(long unit)
{
    std::vector<CString> items;
    if (unit == kNoDimension) {
        for (int v = -125; v <= 125; ++v)
            items.push_back(SignedWhole(v));
    } else if (unit == kTemperature) {
        for (int code = -127; code <= 127; ++code)
            items.push_back(resources::DifferenceText(code, " -", "  "));
    } else {
        for (int v = 0; v <= 200; ++v)
            items.push_back(Whole(v));
    }
    return items;
}

int OffsetIndex(long unit, BYTE offset)
{
    if (unit == kNoDimension)
        return static_cast<signed char>(offset) + 125;
    if (unit == kTemperature)
        return static_cast<signed char>(offset) + 127;
    return offset;
}

BYTE OffsetOf(long unit, int index)
{
    return static_cast<BYTE>(unit == kNoDimension ? index - 125 : unit == kTemperature ? index - 127 : index);
}

}  // namespace analog_scale
