// Where each record lives in the memory image: area 0 (the controller's EEPROM image) and area 2 (the parameter
// file's character area). Every record operation addresses exactly its range from here.
#pragma once

namespace layout {

// Areas of a memory-image file.
constexpr int kAreaEeprom = 0;    // 32,768 bytes, the same in parameter and function-data files
constexpr int kAreaIEeprom = 1;   // 1,024 bytes, all FF, never read or written
constexpr int kAreaParData = 2;   // 65,536 characters, parameter file only

constexpr unsigned kEepromSize = 32768;
constexpr unsigned kIEepromSize = 1024;
constexpr unsigned kParDataSize = 65536;

// Counts of a parameter set.
constexpr unsigned kFuncSlots = 44;
constexpr unsigned kMeldungSlots = 8;
constexpr unsigned kEingaenge = 16;
constexpr unsigned kAusgaenge = 16;
constexpr unsigned kUserBezeichnungen = 16;
// The controller's memory for the functions' variables and parameters, in bytes.
constexpr int kVariableBytes = 384;
constexpr int kParameterBytes = 832;
constexpr unsigned kUserBezeichnungLength = 12;

// Area 0.
constexpr unsigned kReglerEinstellungen = 0;          // 64 bytes
constexpr unsigned kPotentiostat = 128;               // 120 bytes
constexpr unsigned kFuncRecordSize = 128;
constexpr unsigned FuncRecord(unsigned slot) { return 128 * slot + 128; }           // slot 1..44
constexpr unsigned kLoggingMaster = 5888;             // master node and time-out, 2 bytes
constexpr unsigned kLoggingDigital1 = 6016;           // 13 sources of 4 bytes
constexpr unsigned kLoggingDigital2 = 6068;
constexpr unsigned kLoggingAnalog1 = 6144;            // 16 sources of 4 bytes
constexpr unsigned kLoggingAnalog2 = 6208;
constexpr unsigned kMeldungRecordSize = 16;
constexpr unsigned MeldungRecord(unsigned slot) { return 16 * slot + 6256; }        // slot 1..8
constexpr unsigned kUserBezeichnungSize = 13;
constexpr unsigned UserBezeichnung(unsigned n) { return 13 * n + 6387; }            // n 1..16
constexpr unsigned kNetzwerk = 6656;                  // 64 bytes
constexpr unsigned kSendebedingungen = 6720;          // 32 bytes
constexpr unsigned kNetzTimeouts = 6752;              // 32 bytes
constexpr unsigned kNetzAusgaengeDigital = 6784;      // 32 bytes
constexpr unsigned kNetzAusgaengeAnalog = 6816;       // 32 bytes
constexpr unsigned kNetzEingaengeDigital = 6848;      // 32 bytes
constexpr unsigned kNetzEingaengeAnalog = 6880;       // 32 bytes
constexpr unsigned kEingangRecordSize = 16;
constexpr unsigned EingangRecord(unsigned n) { return 16 * n + 6896; }              // input 1..16
constexpr unsigned kAusgangRecordSize = 16;
constexpr unsigned AusgangRecord(unsigned n) { return 16 * n + 7152; }              // output 1..14
constexpr unsigned kAusgang15 = 7392;                 // 8 bytes (short form)
constexpr unsigned kAusgang16 = 7408;                 // 8 bytes (short form)
constexpr unsigned kAntiblockierschutz = 7416;        // 4 bytes
constexpr unsigned kFuncEntrySize = 8;
constexpr unsigned FuncEntry(unsigned slot) { return 8 * slot + 7416; }             // slot 1..44
constexpr unsigned kBegruessung = 7808;               // 128 bytes
constexpr unsigned kFuncView = 7936;                  // 128 entries of 2 bytes

// Area 2.
constexpr unsigned kFuncIdLength = 5;
constexpr unsigned FuncId(unsigned slot) { return 5 * slot - 5; }                   // slot 1..44
constexpr unsigned kCompilerPfad = 336;               // 250 characters
constexpr unsigned kCompilerPfadLength = 250;
constexpr unsigned kMeldungIdLength = 5;
constexpr unsigned MeldungId(unsigned slot) { return 8 * slot + 588; }              // slot 1..8
constexpr unsigned kMeldungNrLength = 3;
constexpr unsigned MeldungNr(unsigned slot) { return 8 * slot + 593; }              // slot 1..8
constexpr unsigned kExportPfad = 660;                 // 249 characters
constexpr unsigned kExportPfadLength = 249;
constexpr unsigned kExportFilter = 909;               // 7 characters
constexpr unsigned kExportFilterLength = 7;
constexpr unsigned kSprache = 957;                    // 3 characters
constexpr unsigned kSpracheLength = 3;

// The ranges of the map, pinned: stored files depend on them.
static_assert(FuncRecord(1) == 256 && FuncRecord(kFuncSlots) + kFuncRecordSize == kLoggingMaster);
static_assert(MeldungRecord(1) == 6272 && MeldungRecord(kMeldungSlots) + kMeldungRecordSize == 6400);
static_assert(UserBezeichnung(1) == 6400 && UserBezeichnung(kUserBezeichnungen) + kUserBezeichnungSize == 6608);
static_assert(EingangRecord(1) == 6912 && EingangRecord(kEingaenge) + kEingangRecordSize == 7168);
static_assert(AusgangRecord(1) == 7168 && AusgangRecord(14) + kAusgangRecordSize == kAusgang15);
static_assert(FuncEntry(1) == 7424 && FuncEntry(kFuncSlots) == 7768);
static_assert(FuncId(kFuncSlots) == 215 && MeldungId(kMeldungSlots) == 652 && MeldungNr(kMeldungSlots) == 657);
static_assert(MeldungId(1) == 596 && MeldungNr(1) == 601);
static_assert(kCompilerPfad + kCompilerPfadLength == 586 && kExportPfad + kExportPfadLength == kExportFilter);

}  // namespace layout
