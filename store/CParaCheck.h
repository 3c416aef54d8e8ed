// CParaCheck: the plausibility checker. Every operation repairs one decoded record in place, overwriting each
// out-of-range field with its fixed replacement; it has no result and never reports. Construct it on the stack
// where a record is to be repaired; it keeps nothing between calls.
//
// The keep-low-bit argument of the function and message repairs decides how a fixed digital value above 1 is
// repaired: to its lowest bit (import, and the documentation of an outside function-data file) or to 1 (forms,
// compiler, documentation of the own parameter set).
//
// The class is split over several source files:
//   CParaCheck.cpp    the shared operations: source kinds, flags, the designation and the digital source triple
//                     with which every function-record repair begins
//   CParaCheckZeitprogramm.cpp  the time-program block
//   CParaCheckSolar.cpp   solar control, solar priority, PID control, heat meter, start and cooling function
//   CParaCheckHeizung.cpp heating-circuit controller, heating and hot-water request, charge pump, circulation
//   CParaCheckPlant.cpp     inputs, outputs, anti-seize settings
//   CParaCheckSettings.cpp  controller settings
//   CParaCheckMeldung.cpp   messages
//   CParaCheckNetz.cpp      network records
//   CParaCheckLogging.cpp   CAN data logging
//   CParaCheckKessel.cpp    mixer control and boiler cascade
//   CParaCheckLogik.cpp     logic, time and monitoring functions
// The repairs of each record kind go into further CParaCheck<Area>.cpp files and are declared in a section of their
// own below.
#pragma once

#include "platform/Types.h"
#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/HzkrRegParam.h"
#include "store/KuehlfuncParam.h"
#include "store/LadepumpeParam.h"
#include "store/PID_RegelungParam.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/WMZParam.h"
#include "store/Zeitprogramm.h"
#include "store/ZirkulationParam.h"
#include "store/AnalogfuncParam.h"
#include "store/FuncKontrolleParam.h"
#include "store/KesselkaskadeParam.h"
#include "store/LogikfuncParam.h"
#include "store/MischerRegParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"
#include "store/AntiblockierschutzParam.h"
#include "store/AusgangParam.h"
#include "store/EingangParam.h"
#include "store/LoggingListen.h"
#include "store/MeldungParam.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/Quelle.h"
#include "store/ReglerEinstellungen.h"
#include "store/Sendebedingungen.h"

class CParaCheck {
public:
    // Mask bits of CheckQuelle: each forbids one source kind (0xFFFF forbids every kind).
    enum : DWORD {
        kForbidNone = 0x01,           // kind 0
        kForbidEingang = 0x02,        // kind 1
        kForbidSensorStatus = 0x04,   // kind 97
        kForbidAusgang = 0x08,        // kind 2
        kForbidFuncOutput = 0x10,     // kinds 3 to 46
        kForbidMeldung = 0x20,        // kind 98
        kForbidNetzEingang = 0x40,    // kind 99
        kForbidNetzStatus = 0x80,     // kind 96
        kForbidAll = 0xFFFF,
    };

    CParaCheck() = default;
    virtual ~CParaCheck() = default;

    // ---- Shared operations (CParaCheck.cpp) ----

    // A kind outside 0, 1, 2, 3..46, 96..99, or a kind the mask forbids, becomes the replacement. Only the kind
    // byte is looked at and changed; the number byte that follows it is left as it is.
    void CheckQuelle(BYTE* kind, DWORD forbidden, BYTE replacement);
    // 0 and 1 stay; a larger value becomes its lowest bit with keepLowBit, else 1.
    void CheckFlag(BYTE* flag, BYTE keepLowBit);
    // Bytes 0 to 2 of a decoded function record (group, index, digit) for a type with k standard names: an index
    // outside 1..k (group 0) or above 15 (other groups) clears index and digit; then a digit above 9 becomes 0.
    // The group is never changed.
    void CheckBezeichnung(BYTE* designation, BYTE standardCount);
    // The same, with k of a function type code 1 to 23 (0 for any other code).
    void CheckFuncBezeichnung(BYTE* designation, int typeCode);
    // A digital source triple (kind, inverted flag, number): an unknown kind becomes 0; with kind 0 the number is
    // the fixed value and is repaired with CheckFlag. The inverted flag is not repaired.
    void CheckDigitalQuelle(BYTE* triple, BYTE keepLowBit);

    // ---- Time programs (CParaCheckZeitprogramm.cpp) ----

    // The block of five programs and its control fields: a program count outside smallest..5 becomes smallest, a
    // window count outside 1..3 becomes 2; in every program and window, used or not, a start or end above 143
    // becomes 0 and a setpoint above 90 becomes 20. Day flags and the setpoint switch are not repaired.
    void CheckZeitprogramm(BYTE smallest, BYTE* programs, BYTE* windows, Zeitprogramm* block);

    // ---- Solar and energy functions (CParaCheckSolar.cpp) ----
    // The checks that take a file test the functions a record refers to against that file's function table.

    void CheckSolarregelung(SolarregelungParam& record, BYTE keepLowBit);
    void CheckSolarvorrang(int file, SolarvorrangParam& record, BYTE keepLowBit);
    void CheckPidRegelung(PID_RegelungParam& record, BYTE keepLowBit);
    void CheckWmz(WMZParam& record, BYTE keepLowBit);
    void CheckStartfunc(int file, StartfuncParam& record, BYTE keepLowBit);
    void CheckKuehlfunc(KuehlfuncParam& record, BYTE keepLowBit);

    // ---- Heating functions (CParaCheckHeizung.cpp) ----

    void CheckHzkrReg(HzkrRegParam& record, BYTE keepLowBit);
    void CheckAnfHeizung(AnfHeizungParam& record, BYTE keepLowBit);
    void CheckAnfWarmwasser(AnfWarmwasserParam& record, BYTE keepLowBit);
    void CheckLadepumpe(LadepumpeParam& record, BYTE keepLowBit);
    void CheckZirkulation(ZirkulationParam& record, BYTE keepLowBit);

    // ---- Inputs, outputs, anti-seize settings (CParaCheckPlant.cpp) ----

    // A designation index outside a list 1..k becomes k + 1 (none) with digit 0. Fields the type does not use are
    // set to fixed values, so that the shared stored bytes hold what the type needs.
    void CheckEingang(BYTE n, EingangParam& record);
    void CheckAusgang(BYTE n, AusgangParam& record);
    // A time of day above 143 becomes 07.00.
    void CheckAntiblockierschutz(AntiblockierschutzParam& record);

    // ---- Controller settings (CParaCheckSettings.cpp) ----

    // Contrast, brightness, light-off; a digit above 9 resets all four expert-code digits to the default code.
    void CheckRegler(ReglerEinstellungen& record);

    // ---- Messages (CParaCheckMeldung.cpp) ----

    void CheckMeldung(MeldungParam& record, BYTE keepLowBit);

    // ---- Network (CParaCheckNetz.cpp) ----

    void CheckNetzKnoten(NetzwerkParam& record);
    void CheckNetzZeiten(Sendebedingungen& record);
    void CheckNetzTimeouts(BYTE timeouts[8]);
    // Unknown kinds and network inputs (a network input cannot feed a network output) become kind 0.
    void CheckNetzAusgaengeDigital(Quelle sources[16]);
    void CheckNetzAusgaengeAnalog(Quelle sources[16]);
    void CheckNetzEingaengeDigital(NetzEingang inputs[16]);
    void CheckNetzEingaengeAnalog(NetzEingang inputs[16]);

    // ---- CAN data logging (CParaCheckLogging.cpp) ----

    void CheckLogging(LoggingListen& record);
    // ---- Mixer control and boiler cascade (CParaCheckKessel.cpp) ----

    void CheckMischerReg(MischerRegParam& record, BYTE keepLowBit);
    // Reads the function table of the working file: a participant that names no heating or hot-water request
    // there becomes 0.
    void CheckKesselkaskade(int file, KesselkaskadeParam& record, BYTE keepLowBit);

    // ---- Logic, time and monitoring functions (CParaCheckLogik.cpp) ----

    void CheckAnalogfunc(AnalogfuncParam& record, BYTE keepLowBit);
    void CheckLogikfunc(LogikfuncParam& record, BYTE keepLowBit);
    void CheckVergleich(VergleichParam& record, BYTE keepLowBit);
    // Nothing of this record depends on keepLowBit.
    void CheckFuncKontrolle(FuncKontrolleParam& record, BYTE keepLowBit);
    void CheckTimer(TimerParam& record, BYTE keepLowBit);
    void CheckZaehler(ZaehlerParam& record, BYTE keepLowBit);
    void CheckSchaltuhr(SchaltuhrParam& record, BYTE keepLowBit);
    void CheckSync(SyncParam& record, BYTE keepLowBit);
    void CheckProfil(ProfilfuncParam& record, BYTE keepLowBit);
    // Reads the function table of the working file: a reference that names no heating-circuit controller there
    // becomes 0. Nothing depends on keepLowBit.
    void CheckWartungsfunc(int file, WartungsfuncParam& record, BYTE keepLowBit);

};
