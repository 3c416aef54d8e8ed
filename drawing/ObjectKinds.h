// The object kinds of the drawing export: record family, pins with connection kinds, text roles and list layouts.
//
// One table describes every kind the import knows; the import's field setter, its record writers and the drawing
// reader read their vocabulary from it. Kind, pin and role names are Windows-1252 and compared exactly.
#pragma once

#include "platform/Types.h"

#include <string_view>
#include <vector>

namespace drawing {

enum class KindFamily {
    Eingang,
    Sensorstatus,
    Ausgang,
    AnalogAusgang,
    MischerAusgang,
    Meldung,
    Knotenpunkt,
    Signal,
    Netzwerk,
    NetzwerkStatus,
    Funktion,
    OnlineRahmen,
    OnlinePlatzhalter,
};

// Connection kinds of pins; the values are stored in the exchange files.
enum Verbindungsart : BYTE {
    kSensor = 1,
    kFuncInInputOutput = 3,
    kFuncInInputOutputFuncOut = 4,
    kFuncInUserInputOutput = 5,
    kFuncInUserInputOutputFuncOut = 6,
    kFuncOutRPM = 7,
    kFuncOutSwitch = 8,
    kFuncOutSwitchExceptA16 = 9,
    kFuncOutMixer = 10,
    kFuncOutPara = 11,
    kOutpIn = 12,
    kOutputInRPM = 13,
    kOutputInA16 = 14,
    kOutputInMixer = 15,
    kOutputOut = 16,
    kNetIn = 17,
    kNetOut = 18,
    kNetStatus = 19,
};
static_assert(kSensor == 1 && kFuncInInputOutput == 3 && kFuncOutPara == 11 && kOutpIn == 12 && kNetStatus == 19);

struct PinDef {
    const char* name;
    BYTE verbindungsart;
};

// Where a "Translate.tmp" list entry takes its value from.
struct TranslateItem {
    enum Source { Number, NumberId, PinLabel, Designation, Cause, NetType, Role, Participant };
    Source source;
    int index;
};

struct KindInfo {
    const char* name;
    KindFamily family;
    int typeCode;                      // function type code 1 to 23; 0 for the other kinds
    const char* versionType;           // graphic type of the library-version mark; null when the kind has none
    std::vector<PinDef> pins;          // counted pins, in record order
    int participants;                  // "beteiligte Funktion 1" .. n entries after the pins
    std::vector<const char*> indexRoles;  // text roles whose string is a number, in number order
    std::vector<const char*> roleIds;     // further text roles of which only the id is kept
    std::vector<const char*> translate;   // "Translate.tmp" list from byte 90; "#0".."#2" are the numbers themselves
    int blockBytes;                    // bytes of the number block in "KS_Objects.tmp" before the pins
    std::vector<TranslateItem> translateItems = {};  // the translate list resolved against the kind's fields

    bool HasPinLabels() const { return family == KindFamily::Meldung || family == KindFamily::Funktion; }
    bool WritesRecords() const;        // has records in "KS_Objects.tmp" and "Translate.tmp"
    bool IsConnectable() const;        // its catch objects are connectors of pins
    int PinIndex(std::string_view pinName) const;  // 0-based, -1 when not a pin of the kind
};

// Designation role of every kind but "Meldung", whose designation is its message type.
inline constexpr const char* kBezeichnung = "Bezeichnung";
inline constexpr const char* kMeldungstyp = "Meldungstyp";
inline constexpr const char* kMeldungsursache = "Meldungsursache";
inline constexpr const char* kBeteiligteFunktion = "beteiligte Funktion ";
inline constexpr int kAktuelleBibliotheksVersion = 11;

// The kind of that exact name, or null.
const KindInfo* FindKind(std::string_view name);
// Every known kind, in table order (the 38 kinds of the import).
const std::vector<KindInfo>& AllKinds();
// The function kind of a type code 1 to 23, or null.
const KindInfo* FindFunctionKind(int typeCode);

// Connection kind of the input pin of an output with this number ("Ausgang": 13 for 1, 2, 6, 7, else 12;
// "Analog_Ausgang": 14 for 16, else 13); the table's kind for every other pin.
BYTE PinVerbindungsart(const KindInfo& kind, int pinIndex, int number);

}  // namespace drawing
