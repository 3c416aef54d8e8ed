// CParaDaten: the one access path to the parameter set. Every other part of the program reads and writes the
// memory image only through it.
//
// A handle holds no record data: construct it on the stack wherever a record is read or written, any number at
// once. The
// three working files are process-wide objects in the folder "para" of the current directory, addressed by number:
//   0 "para/datFile.dat"   CDataFile  function-data file compiled for the controller
//   1 "para/para.par"      CParaFile  committed parameter set, the state saved beside the drawing
//   2 "para/morv9274.par"  CParaFile  working copy that forms and services read and write
// A file object is created on first use and keeps its file open until it is released: by CloseFile, before every
// whole-file copy, and when the last handle is destroyed (files 1, 2, 0 in that order).
//
// Every operation takes the working-file number first; a number outside 0 to 2, a slot, message, input or output
// number outside its range, or a file that cannot be opened makes it fail (false, 0, -1, an empty text) without
// touching any file. Lookups return a slot number (0 when absent). No operation shows a message.
//
// The class is split over several source files by area:
//   CParaDaten.cpp               handle, working files, whole-file copies, loading and saving beside the drawing,
//                                raw byte access
//   CParaDatenSlots.cpp          function and message slots: table entries, object ids, message numbers, lookups,
//                                raw slot transfer, moving a slot
//   CParaDatenBezeichnung.cpp    designation codes and the 16 user-defined designations
//   CParaDatenTextArea.cpp       compiler and export paths, export options and language code of the text area
//   CParaDatenCreate.cpp         creating and deleting functions and messages
//   CParaDatenPlant.cpp          inputs, outputs and the anti-seize settings
//   CParaDatenSettings.cpp       controller settings, potentiostat and welcome screen
//   CParaDatenMeldung.cpp        message records
//   CParaDatenNetz.cpp           network settings, transmission conditions, network inputs and output sources
//   CParaDatenLogging.cpp        CAN data logging and the function overview list
//   CParaDatenFuncRecord.cpp     the read and write steps shared by the records of all function types
//   CParaDatenSolar.cpp          solar control, solar priority, PID control, heat meter, start and cooling function
//   CParaDatenHeizung.cpp        heating-circuit controller, heating and hot-water request, charge pump, circulation
//   CParaDatenKessel.cpp         mixer control and boiler cascade records
//   CParaDatenLogik.cpp          records of the logic, time and monitoring functions
// Record operations of further areas go into further CParaDaten<Area>.cpp files and are declared in a section of
// their own below.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "store/AntiblockierschutzParam.h"
#include "store/AusgangParam.h"
#include "store/BegruessungsText.h"
#include "store/EingangParam.h"
#include "store/FuncViewEntry.h"
#include "store/LoggingListen.h"
#include "store/MeldungParam.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/PotentiostatParam.h"
#include "store/Quelle.h"
#include "store/ReglerEinstellungen.h"
#include "store/Sendebedingungen.h"
#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/Bezeichnung.h"
#include "store/HzkrRegParam.h"
#include "store/KuehlfuncParam.h"
#include "store/LadepumpeParam.h"
#include "store/PID_RegelungParam.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/WMZParam.h"
#include "store/ZirkulationParam.h"
#include "store/DrawingReader.h"
#include "store/ExportFilter.h"
#include "store/FileHeader.h"
#include "store/FuncEntry.h"
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
#include "store/RecordCodec.h"

#include <functional>

class CEepromFile;
class DrawingCommands;

class CParaDaten {
public:
    // Working-file numbers.
    enum { kDatFile = 0, kParaFile = 1, kWorkFile = 2, kFileCount = 3 };

    CParaDaten();
    virtual ~CParaDaten();
    CParaDaten(const CParaDaten&) : CParaDaten() {}
    CParaDaten& operator=(const CParaDaten&) { return *this; }

    // The drawing that this handle's reads complete records from (not owned; it must outlive the reads). A handle
    // given none, and a copy of a handle, complete from a reader that knows no drawing.
    void UseDrawing(DrawingReader* drawing) { m_drawing = drawing; }
    // Calls use with the drawing passed in by UseDrawing, or else with a reader that knows no drawing.
    template <class Use>
    void WithDrawing(Use use)
    {
        if (m_drawing) {
            use(*m_drawing);
            return;
        }
        DrawingReader none;
        use(none);
    }

    // ---- Working files and whole files (CParaDaten.cpp) ----

    // "para/<name>.<ext>" of working file n; empty for any other number.
    static CString GetFileName(int file);
    // The file object of working file n (created on first use, not yet opened); null for any other number.
    static CEepromFile* GetFile(int file);
    // Releases the object of working file n; the next access opens the file again.
    static void CloseFile(int file);
    // Releases all three file objects (1, 2, 0), so every file is complete on the disc. The process's exit path
    // calls it; tests call it between cases.
    static void ReleaseFiles();
    // The number of live handles.
    static int GetHandleCount();

    // Working file n becomes a new parameter set or function-data file with the default image.
    bool CreateEmptyFile(int file);
    // Opens working file n and reads its header; fills header (when given) only on success.
    bool CheckFileHeader(int file, FileHeader* header);
    // The whole structure of working file n is in place (CEepromFile::IsSound): only such a file is a set that may
    // be stored, committed or used as the drawing's set, or function data that may be used.
    bool IsSoundFile(int file);
    // No older structure can be converted: always false, working file 1 unchanged.
    bool ConvertFile();
    // Releases both objects and copies the source file over the target file (never leaving a half-written target).
    // False, target untouched, when the source is not sound.
    bool DuplicateFile(int source, int target);
    bool BeginWorkFile();   // 1 over 2
    // 2 over 1. A placeholder set stays one whatever is committed over it: the working set still descends from
    // the empty set, not from the person's.
    bool CommitWorkFile();
    // Copies an outside file over working file n and removes the read-only attribute from the copy; the outside file
    // is never changed. False, working file unchanged, when the outside file is missing, carries no read
    // permission at all (also for root) or cannot be copied.
    bool ImportFile(const CString& path, int file);
    // Copies working file n to an outside path, whole or not at all; a file replaced there keeps its permissions,
    // and a read-only one makes the copy fail, as does a working file that is not sound.
    bool ExportFile(int file, const CString& path);
    bool ImportDatFile(const CString& path);
    bool ExportDatFile(const CString& path);
    // The parameter file beside the drawing: the drawing's three-letter extension replaced by "pvl" for "evl"
    // (any case), else "par"; a drawing path without a three-letter extension gets ".par" appended. Loading tries
    // "pvl" then "par" for an "evl" drawing; when nothing can be loaded, working file 1 becomes an empty set and
    // the result is false. A path with no file name fails.
    // A load that fails marks working file 1 as a placeholder set (before the empty set is made), one that succeeds
    // clears the mark.
    bool LoadBesideDrawing(const CString& drawingPath);
    // Copies working file 1 to the parameter file beside the drawing. A file already there is first copied whole to
    // "<its name>.bak" beside it, so it stays recoverable, and keeps its permissions; a read-only or unreadable one
    // (no read permission at all) is left as it is and the save fails. A file a placeholder save left there
    // (IsPlaceholderSave) is replaced without a copy, so its ".bak" keeps the person's set.
    bool SaveBesideDrawing(const CString& drawingPath);
    // The parameter-file path for a drawing and an extension ("pvl" or "par"); empty when the path names no file.
    static CString ParameterFilePath(const CString& drawingPath, const char* extension);
    // The parameter file that saving beside this drawing writes ("pvl" for an "evl" drawing, else "par").
    static CString SavedParameterFilePath(const CString& drawingPath);
    // The file a save keeps the replaced parameter file in.
    static CString BackupPath(const CString& parameterFile);

    // A placeholder set: working file 1 was made a new empty set because the drawing's own set could not be
    // loaded (or was not a parameter set). It must not replace the person's file beside the drawing unless the
    // person agrees. The mark is an empty file beside the working files and outlives the run; it is set before the
    // placeholder is made, so a run killed in between errs on the safe side. When the mark cannot be made (a full
    // disc), working file 1 is removed instead and marking reports false.
    static bool IsPlaceholderSet();
    static bool MarkPlaceholderSet(bool placeholder);
    // The parameter file holds what a save of a placeholder set stored over a person's set (or what a later save
    // stored over that), unchanged since: its ".bak" holds the person's set, and no save copies this file over it.
    // The program folder remembers such saves (the set's fingerprint and the file's path).
    static bool IsPlaceholderSave(const CString& parameterFile);

    // Raw bytes of areas 0 and 1 (count 0 to 255).
    bool ReadBytes(int file, int area, UINT address, UINT count, BYTE* buffer);
    bool WriteBytes(int file, int area, UINT address, UINT count, const BYTE* bytes);

    // ---- Function and message slots (CParaDatenSlots.cpp) ----

    // Type code 0 before reading, so a failed read leaves an entry of type 0.
    bool GetFuncEntry(int file, BYTE slot, FuncEntry& entry);
    // Writes type (low byte), designation code, 00, number, FF FF FF FF.
    bool SetFuncEntry(int file, BYTE slot, FuncEntry entry);
    // The drawing object id of a function slot; -1 for a free slot.
    bool GetFuncId(int file, BYTE slot, int& id);
    // Stores the id's five lowest digits (IdDigits); an id without any (0 or less, or 100,000, 200,000, ...) frees
    // the slot.
    bool SetFuncId(int file, BYTE slot, int id);
    // The first slot whose stored id equals the id's five lowest digits (-1 finds the first free one), or 0.
    BYTE FindFuncSlot(int file, int id);
    // The first slot whose entry holds that function number (255 the first without one), or 0.
    BYTE FindFuncByNumber(int file, BYTE number);
    bool GetMeldungId(int file, BYTE slot, int& id);
    bool SetMeldungId(int file, BYTE slot, int id);
    BYTE FindMeldungSlot(int file, int id);
    // The message number 0 to 127 of a message slot; 255 when free or unreadable.
    BYTE GetMeldungNr(int file, BYTE slot);
    // Numbers 128 to 255 free the slot ("FFF").
    bool SetMeldungNr(int file, BYTE slot, BYTE number);
    BYTE FindMeldungByNumber(int file, BYTE number);
    // The raw 8-byte entry and 128-byte record of a slot (the object id is not part of it).
    bool ReadFuncRaw(int file, BYTE slot, BYTE* entry, BYTE* record);
    bool WriteFuncRaw(int file, BYTE slot, const BYTE* entry, const BYTE* record);
    // Moves a slot's id, entry and record to another slot and shifts the slots in between by one.
    bool MoveFunc(int file, BYTE from, BYTE to);
    // Working file 2: a slot holds a function with that number, and its type is that type.
    bool IsFuncOfType(int type, BYTE number);
    // The five lowest decimal digits of a drawing object id, under which slots store and match it; 0 (no id) for
    // an id of 0 or less.
    static int IdDigits(int id) { return id > 0 ? id % 100000 : 0; }

    // ---- Designations (CParaDatenBezeichnung.cpp) ----

    // The code byte of a function's designation, converted with the k standard names of the type (by kind name).
    static void DecodeBezeichnung(const char* kind, BYTE code, Bezeichnung& designation);
    static BYTE EncodeBezeichnung(const char* kind, const Bezeichnung& designation);
    // User-defined designation n (1 to 16); a never written one reads as "%2d - - - - -" of n.
    CString GetUserBezeichnung(int file, BYTE n);
    // The same text, but false, text untouched, when the file or the designation cannot be read, so a caller that
    // copies designations never copies a text the file does not hold.
    bool ReadUserBezeichnung(int file, BYTE n, CString& text);
    // Stores the first 12 characters.
    bool SetUserBezeichnung(int file, BYTE n, const CString& text);

    // ---- Text area of the parameter file (CParaDatenTextArea.cpp) ----

    // Empty unless the stored path ends in ".dat" (".txt" for the export path).
    CString GetCompilerPfad(int file);
    bool SetCompilerPfad(int file, const CString& path);
    CString GetExportPfad(int file);
    bool SetExportPfad(int file, const CString& path);
    // The defaults when none is stored.
    ExportFilter GetExportFilter(int file);
    bool SetExportFilter(int file, ExportFilter filter);
    // 0 "DEU", 1 "ENU", 2 "FRA", 3 "ITA", 4 "ESP", 5 "NLD", 6 "CES"; never written reads as 0; -1 for other
    // letters or an unreadable file. Other codes are written as never written.
    int GetSprache(int file);
    bool SetSprache(int file, int code);

    // ---- Inputs, outputs and anti-seize settings (CParaDatenPlant.cpp) ----
    // A get sets the type to 0 first, so a failed read leaves an unused input or output; on success every field
    // is decoded afresh (fields the record's form does not carry read as 0). A set builds the record from FF.

    bool GetEingang(int file, BYTE n, EingangParam& record);
    bool SetEingang(int file, BYTE n, EingangParam record);
    // Outputs 1 to 14 give fields type .. runTime (and for output 14 its two flags); outputs 15 and 16 the analog
    // fields with type 0.
    bool GetAusgang(int file, BYTE n, AusgangParam& record);
    bool SetAusgang(int file, BYTE n, AusgangParam record);
    // A failed read leaves the record as it was.
    bool GetAntiblockierschutz(int file, AntiblockierschutzParam& record);
    bool SetAntiblockierschutz(int file, AntiblockierschutzParam record);

    // ---- Controller settings, potentiostat, welcome screen (CParaDatenSettings.cpp) ----
    // A get that fails leaves its record as it was.

    bool GetReglerEinst(int file, ReglerEinstellungen& record);
    // Writes the format mark 3 whatever field 0 holds.
    bool SetReglerEinst(int file, ReglerEinstellungen record);
    // Only the release flag is read; the other fields become 0.
    bool GetPotentiostat(int file, PotentiostatParam& record);
    // The release flag and the fixed image of the rest of the record.
    bool SetPotentiostat(int file, PotentiostatParam record);
    // A screen marked as default reads as the default texts with flag 0.
    bool GetBegruessung(int file, BegruessungsText& record);
    // Flag 0 stores the default mark (the lines are not kept); otherwise each line cut to 22 characters, in display
    // characters, padded with blanks.
    bool SetBegruessung(int file, BegruessungsText record);
    static void GetDefaultBegruessung(BegruessungsText& record);
    // Windows-1252 text to the display's characters and back, one for one; characters without a display code
    // become the replacement.
    static void ToReglerZeichen(CString& text, char replacement);
    static void FromReglerZeichen(CString& text, char replacement);

    // ---- Messages (CParaDatenMeldung.cpp) ----

    // The 16 stored bytes of message slot 1..8.
    bool ReadMeldungRaw(int file, BYTE slot, BYTE* record);
    bool WriteMeldungRaw(int file, BYTE slot, const BYTE* record);
    // With complete, the three sources are then taken from the drawing when the slot has an object. A failed read
    // leaves the record as it was.
    bool GetMeldung(int file, BYTE slot, MeldungParam& record, bool complete);
    bool SetMeldung(int file, BYTE slot, MeldungParam record);

    // ---- Network (CParaDatenNetz.cpp) ----
    // A failed read leaves the record as it was. Sets write the whole stored size, unused bytes FF.

    bool GetNetzwerk(int file, NetzwerkParam& record);
    bool SetNetzwerk(int file, NetzwerkParam record);
    bool GetSendebedingungen(int file, Sendebedingungen& record);
    bool SetSendebedingungen(int file, Sendebedingungen record);
    // Time-outs in minutes: digital network inputs 1..4, 5..8, 9..12, 13..16, then analog 17..20 .. 29..32.
    bool GetNetzTimeouts(int file, BYTE timeouts[8]);
    bool SetNetzTimeouts(int file, const BYTE timeouts[8]);
    // The sources of network outputs 1..16 (17..32). With complete, the drawing's network-output objects then
    // replace them; entries without an object become kind 0, number 0.
    bool GetNetzAusgaengeDigital(int file, Quelle sources[16], bool complete);
    bool GetNetzAusgaengeAnalog(int file, Quelle sources[16], bool complete);
    bool SetNetzAusgaengeDigital(int file, const Quelle sources[16]);
    bool SetNetzAusgaengeAnalog(int file, const Quelle sources[16]);
    // Network inputs 1..16 and 17..32.
    bool GetNetzEingaengeDigital(int file, NetzEingang inputs[16]);
    bool SetNetzEingaengeDigital(int file, const NetzEingang inputs[16]);
    bool GetNetzEingaengeAnalog(int file, NetzEingang inputs[16]);
    bool SetNetzEingaengeAnalog(int file, const NetzEingang inputs[16]);

    // ---- CAN data logging and function overview (CParaDatenLogging.cpp) ----

    // Working files 1 and 2 whose master node is FF (never written) give the default logging block.
    bool GetLoggingListen(int file, LoggingListen& record);
    // True only when all five stored parts were written.
    bool SetLoggingListen(int file, const LoggingListen& record);
    // All 128 entries FF FF FF first, then the stored list up to its end mark.
    bool GetFuncView(int file, FuncViewEntry entries[128]);
    // Entries up to the first of kind FF; the rest of the stored list FF.
    bool SetFuncView(int file, const FuncViewEntry entries[128]);

    // ---- Creating and deleting functions and messages (CParaDatenCreate.cpp) ----
    // The drawing evaluation calls them on working file 2. The channel (none allowed) receives the commands that
    // rename a new object and reset the labels of pins whose participant was deleted.

    // A new function of type 1..23 for the drawing object: in the first slot that holds none, with the lowest
    // function number no function holds, designation none chosen, the type's default record; the object is renamed
    // "<type name>$<number>". False, nothing written, when no slot is free, the type is unknown or a slot cannot
    // be read.
    bool CreateFunc(int file, int id, int type, DrawingCommands* channel);
    // The default bytes of a new slot record of the type into a 128-byte buffer the caller filled with FF; nothing
    // for a type outside 1..23.
    static void GetDefaultRecord(int type, BYTE* record);
    // Clears the references to the slot's function, then moves the later slots down one place (they keep their
    // numbers) and frees slot 44. Stops with false at the first step that fails; the steps before stay done. The
    // records are completed, and the pins of the participant texts found, through the handle's drawing.
    bool DeleteFunc(int file, BYTE slot, DrawingCommands* channel);
    // Participant entries naming the slot's function (solar controls in solar priorities and start functions,
    // heating-circuit controllers in maintenance functions, requests in boiler cascades) become 0, with dashes on
    // the labels of their pins; only records that changed are written.
    bool ClearFuncReferences(int file, BYTE slot, DrawingCommands* channel);
    // Drops the group of the slot's function (its header and the entries up to the next header) from the overview.
    bool RemoveFuncFromFuncView(int file, BYTE slot, DrawingCommands* channel);
    // Logging sources that are output variables of the slot's function become no source.
    bool RemoveFuncFromLogging(int file, BYTE slot);
    // A new message in the first free message slot, with the lowest message number 0..7 no slot holds and the
    // record of a new message; the object is renamed "Meldung$<number>". False when no slot is free or a number
    // cannot be read.
    bool CreateMeldung(int file, int id, DrawingCommands* channel);
    // Frees the message slot in place after clearing the logging sources that name it; its record becomes zero.
    bool DeleteMeldung(int file, BYTE slot, DrawingCommands* channel);
    bool RemoveMeldungFromLogging(int file, BYTE slot);

    // ---- Mixer control and boiler cascade (CParaDatenKessel.cpp) ----
    // A get that fails leaves the record as it was; with complete, the sources and output flags are then taken from
    // the drawing object of the slot. A set writes nothing over a slot that cannot be read. GetDefault<Type> stores
    // the bytes of a new slot's record into a 128-byte buffer that the caller has filled with FF.

    bool GetMischerReg(int file, BYTE slot, MischerRegParam& record, bool complete);
    bool SetMischerReg(int file, BYTE slot, MischerRegParam record);
    // Each boiler's hours from the pair of agreeing copies with the larger value (0 when neither pair agrees); the
    // set writes the low 16 bits into all copies, boiler C's as 0 unless three boilers are in use.
    bool GetKesselkaskade(int file, BYTE slot, KesselkaskadeParam& record, bool complete);
    bool SetKesselkaskade(int file, BYTE slot, KesselkaskadeParam record);
    static void GetDefaultMischerReg(BYTE* record);
    static void GetDefaultKesselkaskade(BYTE* record);

    // ---- Logic, time and monitoring functions (CParaDatenLogik.cpp) ----
    // As the mixer control above.

    bool GetAnalogfunc(int file, BYTE slot, AnalogfuncParam& record, bool complete);
    bool SetAnalogfunc(int file, BYTE slot, AnalogfuncParam record);
    bool GetLogikfunc(int file, BYTE slot, LogikfuncParam& record, bool complete);
    bool SetLogikfunc(int file, BYTE slot, LogikfuncParam record);
    bool GetVergleich(int file, BYTE slot, VergleichParam& record, bool complete);
    bool SetVergleich(int file, BYTE slot, VergleichParam record);
    bool GetFuncKontrolle(int file, BYTE slot, FuncKontrolleParam& record, bool complete);
    bool SetFuncKontrolle(int file, BYTE slot, FuncKontrolleParam record);
    bool GetTimer(int file, BYTE slot, TimerParam& record, bool complete);
    bool SetTimer(int file, BYTE slot, TimerParam record);
    // The position from the pair of agreeing copies with the larger value (0 when neither agrees); the set writes
    // minutes and the low 16 bits of the position into all four copies.
    bool GetZaehler(int file, BYTE slot, ZaehlerParam& record, bool complete);
    bool SetZaehler(int file, BYTE slot, ZaehlerParam record);
    bool GetSchaltuhr(int file, BYTE slot, SchaltuhrParam& record, bool complete);
    bool SetSchaltuhr(int file, BYTE slot, SchaltuhrParam record);
    bool GetSync(int file, BYTE slot, SyncParam& record, bool complete);
    bool SetSync(int file, BYTE slot, SyncParam record);
    bool GetProfilfunc(int file, BYTE slot, ProfilfuncParam& record, bool complete);
    bool SetProfilfunc(int file, BYTE slot, ProfilfuncParam record);
    // With complete, every reference that names no heating-circuit controller of working file 2 then reads as 0.
    bool GetWartungsfunc(int file, BYTE slot, WartungsfuncParam& record, bool complete);
    bool SetWartungsfunc(int file, BYTE slot, WartungsfuncParam record);
    static void GetDefaultAnalogfunc(BYTE* record);
    static void GetDefaultLogikfunc(BYTE* record);
    static void GetDefaultVergleich(BYTE* record);
    static void GetDefaultFuncKontrolle(BYTE* record);
    static void GetDefaultTimer(BYTE* record);
    static void GetDefaultZaehler(BYTE* record);
    static void GetDefaultSchaltuhr(BYTE* record);
    static void GetDefaultSync(BYTE* record);
    static void GetDefaultProfilfunc(BYTE* record);
    static void GetDefaultWartungsfunc(BYTE* record);

    // ---- Function records of the solar, energy and heating types (CParaDatenSolar.cpp, CParaDatenHeizung.cpp) ----
    // A get reads the slot's entry and record; with complete and a drawing object stored for the slot, the drawing
    // then overwrites the sources and output flags (fixed values of unconnected sources survive). False, record
    // untouched, when the slot cannot be read. A set writes the type code, the designation code, the number and the
    // bytes the type owns over the stored ones; false, nothing written, when the slot cannot be read. Neither looks
    // at the type code stored in the entry. GetDefault<Type> stores the defaults of a new record into a slot record
    // that the caller has filled with FF; bytes the type does not own stay FF.

    bool GetSolarregelung(int file, BYTE slot, SolarregelungParam& record, bool complete);
    bool SetSolarregelung(int file, BYTE slot, SolarregelungParam record);
    // Participants that are no solar control in working file 2 read as 0.
    bool GetSolarvorrang(int file, BYTE slot, SolarvorrangParam& record, bool complete);
    bool SetSolarvorrang(int file, BYTE slot, SolarvorrangParam record);
    bool GetPidRegelung(int file, BYTE slot, PID_RegelungParam& record, bool complete);
    bool SetPidRegelung(int file, BYTE slot, PID_RegelungParam record);
    // The calibration from the first of its two stored blocks whose marker and parity bits are sound (else not
    // calibrated with the default points); the reading from the larger of its two pairs of equal copies.
    bool GetWmz(int file, BYTE slot, WMZParam& record, bool complete);
    // Both calibration blocks with parity bits and marker, all four reading copies.
    bool SetWmz(int file, BYTE slot, WMZParam record);
    // Solar controls that are no solar control in working file 2 read as 0.
    bool GetStartfunc(int file, BYTE slot, StartfuncParam& record, bool complete);
    bool SetStartfunc(int file, BYTE slot, StartfuncParam record);
    bool GetKuehlfunc(int file, BYTE slot, KuehlfuncParam& record, bool complete);
    bool SetKuehlfunc(int file, BYTE slot, KuehlfuncParam record);
    // The exclusive or of bits 0..n-1 of the value.
    static BYTE Parity(DWORD value, int n);
    static void GetDefaultSolarregelung(BYTE* record);
    static void GetDefaultSolarvorrang(BYTE* record);
    static void GetDefaultPidRegelung(BYTE* record);
    static void GetDefaultWmz(BYTE* record);
    static void GetDefaultStartfunc(BYTE* record);
    static void GetDefaultKuehlfunc(BYTE* record);

    bool GetHzkrReg(int file, BYTE slot, HzkrRegParam& record, bool complete);
    bool SetHzkrReg(int file, BYTE slot, HzkrRegParam record);
    bool GetAnfHeizung(int file, BYTE slot, AnfHeizungParam& record, bool complete);
    bool SetAnfHeizung(int file, BYTE slot, AnfHeizungParam record);
    bool GetAnfWarmwasser(int file, BYTE slot, AnfWarmwasserParam& record, bool complete);
    bool SetAnfWarmwasser(int file, BYTE slot, AnfWarmwasserParam record);
    bool GetLadepumpe(int file, BYTE slot, LadepumpeParam& record, bool complete);
    bool SetLadepumpe(int file, BYTE slot, LadepumpeParam record);
    bool GetZirkulation(int file, BYTE slot, ZirkulationParam& record, bool complete);
    bool SetZirkulation(int file, BYTE slot, ZirkulationParam record);
    static void GetDefaultHzkrReg(BYTE* record);
    static void GetDefaultAnfHeizung(BYTE* record);
    static void GetDefaultAnfWarmwasser(BYTE* record);
    static void GetDefaultLadepumpe(BYTE* record);
    static void GetDefaultZirkulation(BYTE* record);

protected:
    // Range checks shared by the record operations of every area.
    static bool IsFuncSlot(unsigned slot) { return slot >= 1 && slot <= 44; }
    static bool IsMeldungSlot(unsigned slot) { return slot >= 1 && slot <= 8; }
    static bool IsEingang(unsigned n) { return n >= 1 && n <= 16; }
    static bool IsAusgang(unsigned n) { return n >= 1 && n <= 16; }
    // The object id stored for id: its five lowest digits, -1 (free) when they are 00000 or the id is 0 or less.
    static bool StoredId(int id, int& stored);

    // ---- Function records: the steps every function type's get and set share (CParaDatenFuncRecord.cpp) ----

    // What a type decodes or encodes by hand beside its table (redundant copies, fields that depend on others):
    // called with the slot record's 128 stored bytes and the record's fields.
    using FuncRecordDecoder = std::function<void(const BYTE* stored, BYTE* fields)>;
    using FuncRecordEncoder = std::function<void(const BYTE* fields, BYTE* stored)>;
    // Reads the slot's entry and record and decodes them into fields (size bytes, zeroed first), the decoder last;
    // then, with complete and a drawing object id stored for the slot, the handle's drawing completes the fields
    // by the pins of the type's catalog row, and completed runs. False, fields untouched, when the slot cannot be
    // read.
    bool ReadFuncRecord(int file, BYTE slot, const record::FuncRecordType& type, BYTE* fields, size_t size,
                        bool complete, const FuncRecordDecoder& decoder = {},
                        const std::function<void()>& completed = {});
    // Reads the slot's entry and record, encodes the fields over them (every byte the type does not own keeps its
    // stored value), the encoder last, and writes both back. False, nothing written, when the slot cannot be read.
    bool WriteFuncRecord(int file, BYTE slot, const record::FuncRecordType& type, const BYTE* fields,
                         const FuncRecordEncoder& encoder = {});

private:
    DrawingReader* m_drawing = nullptr;
};
