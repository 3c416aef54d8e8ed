// g_BezeichnungsTexte: the predefined designation texts that the forms and the designation operations share.
//
// Every predefined list owns one head entry, "------------", which stands for "no designation" and is the list's
// index 0. Where a list's items lie in the table too, item i of the list with head h is entry h - i. The table is
// complete at compile time, so it is ready before any code runs, and it never changes.
#pragma once

#include <array>

constexpr int kBezeichnungsTexteCount = 109;
extern const std::array<const char*, kBezeichnungsTexteCount> g_BezeichnungsTexte;

namespace texts {

// Head entries of the lists. Entries 0 to 22 head the standard-name lists of the function kinds
// (FunctionTypeInfo::headEntry). The temperature and radiation heads come twice: 28 to 99 serve inputs that convert
// a voltage, current or resistance into their quantity, 100 to 108 the inputs that measure directly.
enum BezeichnungsKopf : int {
    kHeadMessages = 23,
    kHeadDataLineOutputs = 24,
    kHeadMixerOutputs = 25,
    kHeadClimateOutputs = 26,
    kHeadGeneralOutputs = 27,
    kHeadClimateTemperatures = 32,      // items 28 to 31
    kHeadPerformanceTemperatures = 45,  // items 33 to 44
    kHeadConsumerTemperatures = 62,     // items 46 to 61
    kHeadProducerTemperatures = 78,     // items 63 to 77
    kHeadGeneralTemperatures = 97,      // items 79 to 96
    kHeadSolarRadiation = 99,           // item 98
    kHeadOtherQuantities = 100,
    kHeadImpulseInputs = 101,
    kHeadDigitalInputs = 102,
    kHeadSolarRadiationDirect = 103,
    kHeadClimateTemperaturesDirect = 104,
    kHeadPerformanceTemperaturesDirect = 105,
    kHeadConsumerTemperaturesDirect = 106,
    kHeadProducerTemperaturesDirect = 107,
    kHeadGeneralTemperaturesDirect = 108,
};

}  // namespace texts
