// The record families of the parameter set, each stated once: how many items it holds, how one item is read,
// repaired and written, and whether a walk writes the repaired record back into the set it read. The compile, the
// import (its copy and its compatibility check) and the documentation walk the records through this table; each
// adds only what is its own: the compile its progress positions and the raw copy of the function slots, the import
// its filter of the function overview, the documentation its text.
//
// A walk reads one working file. The drawing's set is read with the drawing's completion and repaired as a current
// set; a function-data file's records are read as stored and repaired keeping the low bits that their flags carry
// there. The function slots are a family of their own: each slot's record is read by its function type (PassFunc).
#pragma once

#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"

#include <array>
#include <span>
#include <vector>

namespace records {

// In the order of the parameter set; the compile and the import name runs of neighbours (Ausgang with
// Antiblockierschutz, the seven network records).
enum class Family : BYTE {
    ReglerEinst,
    Potentiostat,
    Bezeichnung,
    Eingang,
    Ausgang,
    Antiblockierschutz,
    Funktion,
    FuncView,
    Meldung,
    NetzSettings,
    NetzEingaengeDigital,
    NetzEingaengeAnalog,
    NetzTimeouts,
    Sendebedingungen,
    NetzAusgaengeDigital,
    NetzAusgaengeAnalog,
    Logging,
    Begruessung,
};
constexpr int kFamilyCount = static_cast<int>(Family::Begruessung) + 1;

// The records of the families that the store keeps as lists.
using NetzEingaenge = std::array<NetzEingang, 16>;
using NetzQuellen = std::array<Quelle, 16>;
using NetzTimeouts = std::array<BYTE, 8>;
using FuncViewList = std::array<FuncViewEntry, 128>;

// Where a walk reads and writes.
struct Walk {
    int from;                // the working file read
    bool stored = false;     // from holds a function-data file: read as stored, repaired keeping the flags' low bits
    bool writeBack = false;  // the repaired record goes back into from when the family writes back (unchecked)
    int to = -1;             // the working file the record is then written into; -1 none
    bool repair = true;      // false takes the record as read
};

// How one family's item n (1..count) is read, repaired and written; the families of one item ignore n.
template <class Record>
struct Access {
    Family family;
    int count;
    // The compile and the documentation write the repaired record back into the set they read.
    bool writesBack;
    bool (*get)(CParaDaten& para, int file, int n, Record& record, bool complete);
    // Null: the record is taken as read.
    void (*repair)(CParaCheck& check, int file, int n, Record& record, bool stored);
    bool (*set)(CParaDaten& para, int file, int n, const Record& record);
};

// Item n through the walk: read from walk.from and repaired (a record that cannot be read is repaired as it
// stands), then, when it was read, written back and written into walk.to. False when the read failed; else the
// result of the write into walk.to (true without one).
template <class Record>
bool Pass(const Access<Record>& family, CParaDaten& para, int n, Record& record, const Walk& walk)
{
    const bool read = family.get(para, walk.from, n, record, !walk.stored);
    if (walk.repair && family.repair) {
        CParaCheck check;
        family.repair(check, walk.from, n, record, walk.stored);
    }
    if (!read)
        return false;
    if (walk.writeBack && family.writesBack)
        family.set(para, walk.from, n, record);
    return walk.to < 0 || family.set(para, walk.to, n, record);
}

// A function slot's decoded record (recordSize bytes of its type) through the walk, as Pass does.
bool PassFunc(const functypes::FunctionType& type, CParaDaten& para, BYTE slot, std::vector<BYTE>& fields,
              const Walk& walk);

// One row of the table, for walks that only move records.
struct FamilyRow {
    Family family;
    int count;
    bool writesBack;
    // Item n through the walk, as Pass; null for the function slots, which each walk takes by their types.
    bool (*copy)(CParaDaten& para, int n, const Walk& walk);
};

// The rows in the order of Family.
std::span<const FamilyRow> Families();
const FamilyRow& Row(Family family);

extern const Access<ReglerEinstellungen> kReglerEinst;
extern const Access<PotentiostatParam> kPotentiostat;
extern const Access<CString> kBezeichnung;
extern const Access<EingangParam> kEingang;
extern const Access<AusgangParam> kAusgang;
extern const Access<AntiblockierschutzParam> kAntiblockierschutz;
extern const Access<FuncViewList> kFuncView;
extern const Access<MeldungParam> kMeldung;
extern const Access<NetzwerkParam> kNetzSettings;
extern const Access<NetzEingaenge> kNetzEingaengeDigital;
extern const Access<NetzEingaenge> kNetzEingaengeAnalog;
extern const Access<NetzTimeouts> kNetzTimeouts;
extern const Access<Sendebedingungen> kSendebedingungen;
extern const Access<NetzQuellen> kNetzAusgaengeDigital;
extern const Access<NetzQuellen> kNetzAusgaengeAnalog;
extern const Access<LoggingListen> kLogging;
extern const Access<BegruessungsText> kBegruessung;

}  // namespace records
