// The input form's lists and their codings.
#include "forms/plant/EingangLists.h"

#include "resources/PlantTexts.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"

namespace plant {

namespace {

const std::span<const char* const> kTemperatureLists[] = {
    ui::input_lists::kGeneralTemperatures, ui::input_lists::kProducerTemperatures,
    ui::input_lists::kConsumerTemperatures, ui::input_lists::kPerformanceTemperatures,
    ui::input_lists::kClimateTemperatures};

CString Item(const char* format, double value)
{
    CString item;
    item.Format(format, value);
    return item;
}

}  // namespace

std::span<const char* const> EingangStandardList(const EingangParam& input, bool sixGroups)
{
    if (sixGroups)
        return kTemperatureLists[input.group >= 0 && input.group < 5 ? input.group : 0];
    if (input.type == kEingangDigital)
        return ui::input_lists::kDigitalInputs;
    if (input.type == kEingangImpuls)
        return ui::input_lists::kImpulseInputs;
    if (input.quantity == kGroesseStrahlung || input.processQuantity == 2)
        return ui::input_lists::kSolarRadiation;
    return ui::input_lists::kOtherQuantities;
}

ValueList EingangCorrection(const EingangParam& input, bool temperature, bool solar)
{
    ValueList list;
    if (temperature) {
        for (int v = -127; v <= 127; ++v)
            list.items.push_back(resources::DifferenceText(v, " - ", "   "));
        list = {std::move(list.items), ui::kEingangCorrectionLabel, ui::kUnitKelvinShort,
                static_cast<signed char>(input.correction) + 127};
    } else if (solar) {
        for (int v = -99; v <= 99; ++v)
            list.items.push_back(Item(v < 0 ? " - %.0f" : "   %.0f", v < 0 ? -v : v));
        list = {std::move(list.items), ui::kEingangCorrectionLabel, ui::kUnitIrradiance,
                static_cast<signed char>(input.correction) + 99};
    } else if (input.quantity == kGroesseImpulse) {
        for (int i = 1; i <= 250; ++i)
            list.items.push_back(Item(i < 10 ? "    %.0f" : i < 100 ? "   %.0f" : " %.0f", i));
        list = {std::move(list.items), ui::kEingangDivisorLabel, "", input.divisor - 1};
    } else if (input.quantity == kGroesseWind) {
        for (int i = 1; i <= 100; ++i)
            list.items.push_back(Item(" %03.02f", i / 100.0));
        list = {std::move(list.items), ui::kEingangQuotientLabel, ui::kUnitHertz, input.factor - 1};
    } else {
        for (int i = 1; i <= 200; ++i)
            list.items.push_back(Item(i < 20 ? "  %2.1f" : i < 200 ? " %2.1f" : "%2.1f", i / 2.0));
        list = {std::move(list.items), ui::kEingangQuotientLabel, ui::kUnitFlowQuotient, input.factor - 1};
    }
    return list;
}

ValueList EingangSignalScale(const EingangParam& input, bool upper)
{
    const bool current = input.quantity == kGroesseStrom;
    const double step = current ? 10.0 : 20.0;
    ValueList list;
    list.unit = current                        ? ui::kUnitMilliampere
        : input.quantity == kGroesseWiderstand ? ui::kUnitKiloohm
                                               : ui::kUnitVolt;
    for (int i = 0; i < 250; ++i)
        list.items.push_back(Item(current ? "%3.1f" : "%3.2f", (i + (upper ? 1 : 0)) / step));
    list.selection = upper ? input.scaleInHighMinus1 : input.scaleInLow;
    return list;
}

ValueList EingangProcessScale(const EingangParam& input)
{
    struct Scale {
        int step;
        int count;
        const char* unit;
    };
    Scale scale{10, 11, ""};
    switch (input.processQuantity) {
    case 1: scale = {10, 11, ui::kUnitCelsius}; break;
    case 2: scale = {100, 11, ui::kUnitIrradiance}; break;
    case 6: scale = {100, 16, ui::kUnitFlow}; break;
    case 7: scale = {1, 16, ui::kUnitBar}; break;
    default: break;
    }
    ValueList list;
    list.unit = scale.unit;
    for (int i = 0; i < scale.count; ++i)
        list.items.push_back(Item("%.0f", i * scale.step));
    return list;
}

}  // namespace plant
