// Binding rows of record fields: text scales of the byte scales and rows built from field rows.
#include "store/FieldBinding.h"

#include "store/RecordCodec.h"

#include <stdexcept>

namespace record {

namespace {

long SignedByte(long stored) { return static_cast<signed char>(stored); }
bool FromSignedByte(long shown, long& stored)
{
    if (shown < -128 || shown > 127)
        return false;
    stored = shown & 0xFF;
    return true;
}

long Celsius(long stored) { return TemperatureCelsius(static_cast<BYTE>(stored)); }
bool FromCelsius(long shown, long& stored)
{
    if (shown < -55 || shown > 200)
        return false;
    stored = TemperatureByte(static_cast<int>(shown));
    return true;
}

long Difference(long stored) { return DifferenceTenths(static_cast<BYTE>(stored)); }
bool FromDifference(long shown, long& stored)
{
    if (shown < -900 || shown > 850)
        return false;
    const BYTE b = DifferenceByte(static_cast<int>(shown));
    stored = b;
    return DifferenceTenths(b) == shown;
}

long Hysteresis(long stored) { return HysteresisTenths(static_cast<BYTE>(stored)); }
bool FromHysteresis(long shown, long& stored)
{
    if (shown >= 0 && shown <= 99)
        stored = shown;
    else if (shown >= 100 && shown % 10 == 0 && shown / 10 + 90 <= 255)
        stored = shown / 10 + 90;
    else
        return false;
    return true;
}

long Seconds(long stored) { return DurationSeconds(static_cast<BYTE>(stored)); }
bool FromSeconds(long shown, long& stored)
{
    for (int b = 0; b <= 255; ++b)
        if (DurationSeconds(static_cast<BYTE>(b)) == shown) {
            stored = b;
            return true;
        }
    return false;
}

long Minutes(long stored) { return TimeOfDayMinutes(static_cast<BYTE>(stored)); }
bool FromMinutes(long shown, long& stored)
{
    if (shown < 0 || shown % 10 != 0 || shown / 10 > 255)
        return false;
    stored = shown / 10;
    return true;
}

long TimesTen(long stored) { return 10 * stored; }
bool FromTimesTen(long shown, long& stored)
{
    if (shown < 0 || shown % 10 != 0 || shown / 10 > 255)
        return false;
    stored = shown / 10;
    return true;
}

}  // namespace

platform::TextScale TextScaleOf(const FieldInfo& info)
{
    switch (info.scale) {
    case Scale::Signed:
        // A signed word is read signed by its bound field; a signed byte is converted here.
        return info.field.size == 1 ? platform::TextScale {0, SignedByte, FromSignedByte} : platform::TextScale {};
    case Scale::Temperature: return {0, Celsius, FromCelsius};
    case Scale::Difference: return {1, Difference, FromDifference};
    case Scale::Hysteresis: return {1, Hysteresis, FromHysteresis};
    case Scale::Duration: return {0, Seconds, FromSeconds};
    case Scale::TimeOfDay: return {0, Minutes, FromMinutes};
    case Scale::Tenths: return {1};
    case Scale::Hundredths: return {2};
    case Scale::TimesTen: return {0, TimesTen, FromTimesTen};
    case Scale::Plain: break;
    }
    return {};
}

long ShownOf(const FieldInfo& info, long stored)
{
    const platform::TextScale scale = TextScaleOf(info);
    return scale.toShown ? scale.toShown(stored) : stored;
}

platform::BoundField BoundFieldOf(const FieldInfo& info, unsigned element)
{
    return {info.field.offset + element * info.stride, info.field.size,
            info.scale == Scale::Signed && info.field.size != 1};
}

platform::BindingRow BindEdit(UINT controlId, const FieldInfo& info, unsigned element)
{
    return platform::EditBinding(controlId, BoundFieldOf(info, element), TextScaleOf(info), ShownOf(info, info.low),
                                 ShownOf(info, info.high));
}

platform::BindingRow BindCombo(UINT controlId, const FieldInfo& info, std::vector<long> codes, unsigned element)
{
    if (codes.empty())
        codes.assign(info.codes.begin(), info.codes.end());
    return platform::ComboBinding(controlId, BoundFieldOf(info, element), std::move(codes));
}

platform::BindingRow BindCheck(UINT controlId, const FieldInfo& info, unsigned element)
{
    return platform::CheckBinding(controlId, BoundFieldOf(info, element));
}

const FieldInfo& Row(std::span<const FieldInfo> table, unsigned offset)
{
    if (const FieldInfo* info = FindField(table, offset))
        return *info;
    throw std::out_of_range("no field row at that offset");
}

}  // namespace record
