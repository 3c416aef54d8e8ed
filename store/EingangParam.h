// The decoded record of one plant input (sensor, switch or pulse transmitter), stored in 16 bytes of area 0.
#pragma once

#include "platform/Types.h"

// Input types (field type) and measured quantities; the values are stored in byte 0 of the input record.
enum EingangTyp : int { kEingangUnbenutzt = 0, kEingangDigital = 1, kEingangAnalog = 2, kEingangImpuls = 3 };
enum EingangGroesse : int {
    // analog
    kGroesseTemperatur = 1,
    kGroesseStrahlung = 2,
    kGroesseSpannung = 3,
    kGroesseStrom = 4,
    kGroesseWiderstand = 5,
    // impulse
    kGroesseWind = 0,
    kGroesseDurchfluss = 1,
    kGroesseImpulse = 2,
};
static_assert(kEingangImpuls == 3 && kGroesseWiderstand == 5 && kGroesseImpulse == 2);

struct EingangParam {
    int type = 0;             // 0 unused, 1 digital, 2 analog, 3 impulse
    int quantity = 0;         // measured quantity: analog 1..5 (EingangGroesse), impulse 0..2, others 1
    int sensorType = 0;       // temperature sensor: 1 "KTY10", 2 "Pt1000", 3 "RAS", 4 "RAS PT"; else 1
    BYTE divisor = 0;         // pulse input (impulse quantity 2): 1..250; shares its byte with sensor and process
                              // quantity and with factor
    int group = 0;            // designation group (meaning by type)
    BYTE index = 0;           // designation index, 1-based; one past the list means none
    BYTE digit = 0;           // designation digit 0..9
    BYTE averaging = 0;       // averaging time in 0.1 s, 0..60
    BYTE factor = 0;          // wind: pulse quotient in 0.01 Hz 1..100; flow: litres per pulse in 0.5 l 1..200
    int processQuantity = 0;  // of a voltage, current or resistance input: 0 none .. 7 pressure
    BYTE sensorCheck = 0;     // 1 on
    BYTE correction = 0;      // sensor correction: difference byte (temperature), signed W/m² (solar radiation);
                              // shares its byte with scaleInLow
    BYTE scaleInLow = 0;      // lower scale input value
    BYTE scaleOutLow = 0;     // lower scale output value 0..15
    BYTE scaleInHighMinus1 = 0;  // upper scale input value minus 1
    BYTE scaleOutHigh = 0;    // upper scale output value 0..15
};
