// The decoded record of one output: outputs 1 to 14 (switching, speed control, mixer, data line) in 16 bytes of
// area 0, the analog outputs 15 and 16 in a short form of 8 bytes. Both forms share this record.
#pragma once

#include "platform/Types.h"

// Output types of outputs 1 to 14, stored in bits 0..3 of byte 0.
enum AusgangTyp : int {
    kAusgangUnbenutzt = 0,
    kAusgangSchalt = 1,      // "USC.COMUT."
    kAusgangDrehzahl = 2,    // "REG.GIRI VAR"
    kAusgangMischer = 3,     // "MISCELATORE"
    kAusgangDatenleitung = 4 // "LINEA DATI"
};
static_assert(kAusgangMischer == 3 && kAusgangDatenleitung == 4);

// A mixer drives an output pair, opening on its first output and closing on the next one; only these four pairs
// are wired for it.
inline constexpr BYTE kMischerErsteAusgaenge[4] = {3, 8, 10, 12};
constexpr bool IsMischerErsterAusgang(int n) { return n == 3 || n == 8 || n == 10 || n == 12; }
constexpr bool IsMischerZweiterAusgang(int n) { return IsMischerErsterAusgang(n - 1); }

struct AusgangParam {
    // Outputs 1 to 14.
    int type = 0;            // AusgangTyp
    int phaseCut = 0;        // speed-control mode: 1 phase cut ("Taglio Fase"), 0 wave packet ("Pacco Onda")
    int group = 0;           // designation group
    BYTE index = 0;          // designation index, 1-based
    BYTE digit = 0;          // designation digit 0..9
    BYTE delay = 0;          // "RITARDO", time byte
    BYTE followUp = 0;       // "FZ.INTEGR" of switching and speed-control outputs, time byte; shares its byte
    BYTE runTime = 0;        // "DECORRENZA" of a mixer, time byte; shares its byte with followUp
    // Output 14 only.
    BYTE extension = 0;      // "KRX9274E:", 1 = yes
    BYTE netToDataLine = 0;  // "RET.ENT.=>LD.:", 1 = yes
    // Outputs 15 and 16 only.
    BYTE scaleInLow = 0;     // lower scale point, input value in tens
    BYTE scaleInHigh = 0;    // upper scale point, input value in tens
    BYTE scaleOutLow = 0;    // lower scale point, output value (0.05 V or 0.5 %)
    BYTE scaleOutHigh = 0;   // upper scale point, output value
    BYTE digitalLevel = 0;   // "Tens.Com.DIG:", output value when driven by a digital command
    BYTE pwm = 0;            // mode: 1 "PWM", 0 "0-10V"
};
