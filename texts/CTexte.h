// CTexte: the text service. It turns internal names, codes and records of the parameter set into the texts the user
// sees (Italian in this build), and writes the drawing evaluation's protocol file.
//
// Holds no data: construct one on the stack wherever a text is needed, any number at once. Every operation returns
// a new text (or a number) and changes nothing but what it names (the protocol file, an out argument, a list). No
// operation reports a failure or shows a message: whatever cannot be found yields the "not found" text of its kind
// ("------------" for a designation, "--------" for a function output variable, "" for a kind or pin).
// Operations that read the parameter set use a CParaDaten handle of their own unless they take one.
//
// The class is split over several source files by area:
//   CTexte.cpp             object kinds, pins, function types and their output variables
//   CTexteBezeichnung.cpp  standard and displayed designations of functions
//   CTexteAnlage.cpp       designations of inputs, outputs and messages
//   CTexteQuelle.cpp       texts of variable sources
//   CTexteNetz.cpp         texts of network inputs, outputs and status
//   CTexteListe.cpp        function lists for combo boxes
//   CTexteProtokoll.cpp    the protocol file of the drawing evaluation
//   CTexteSpeicher.cpp     function count and memory need, the default data-logging block
//   CTexteUebersicht.cpp   texts of the function overview
//   CTexteZeichnung.cpp    label refresh of the drawing: the walk, plant, message and network objects, pin labels
//   CTexteFunktion.cpp     label refresh of function objects, one table row per function type
// Operations of further areas go into further CTexte<Area>.cpp files and are declared in a section of their own.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "store/Bezeichnung.h"
#include "store/FunctionTypes.h"
#include "store/Quelle.h"
#include "texttables/FunktionsListe.h"

#include <vector>

class CComboBox;
class CFortschritt;
class CParaCheck;
class CParaDaten;
class DrawingCommands;
class DrawingReader;
class CZeichnung;
struct AusgangParam;
struct EingangParam;
struct FuncViewEntry;
struct MeldungParam;
struct NetzEingang;
struct ObjektInfo;

// The texts of one network variable as the label refresh and the translation put them into a network object: its title (as sent, and
// without the blanks that frame it, as the drawing gives it back), its short number text, and the node and node
// output that the object shows.
struct NetzTextEintrag {
    CString titelGetrimmt;
    CString titel;
    CString kurzText;
    BYTE knoten = 0;
    BYTE knotenAusgang = 0;
};

class CTexte {
public:
    CTexte() = default;
    virtual ~CTexte() = default;

    // ---- Object kinds, pins, function types and output variables (CTexte.cpp) ----

    // Display name of an internal kind name (exact, case-sensitive); "" for any other name.
    CString GetObjektArtText(const CString& kind) const;
    // Display text of a pin of a message or function kind; "" when the kind or the pin is not listed. Five texts
    // end in a blank, which belongs to them.
    CString GetPinText(const CString& kind, const CString& pin) const;
    // Internal kind name of a function type code 1 to 23; "" for any other code.
    CString GetFunktionsArt(BYTE typeCode) const;
    CString GetFunktionsArtText(BYTE typeCode) const;
    // Number of output variables of a type; 0 outside 1 to 23.
    int GetAusgangVariableAnzahl(int typeCode) const;
    // Output-variable number (1 to 10) that an output pin of a function kind carries; 0 for any other pin or kind.
    BYTE GetAusgangVariableNr(const CString& kind, const CString& pin) const;
    // Short name of output variable nr of a type; "--------" when the type has no such variable.
    CString GetAusgangVariableText(BYTE typeCode, BYTE nr) const;

    // ---- Designations of functions (CTexteBezeichnung.cpp) ----

    // k, the number of standard designations of a function kind; 0 for any other name.
    BYTE GetStandardBezAnzahl(const CString& kind) const;
    // Standard name index (1 to k) with the digit 1 to 9 appended; "------------" without digit for index 0, an
    // index above k or a kind that is no function kind.
    CString GetStandardBezeichnung(const CString& kind, BYTE index, BYTE digit) const;
    // Group 0: the standard designation. Other groups: user-defined designation index + 1 (index 0 to 15) of the
    // working file, as stored, with the digit 1 to 9 appended; "------------" for an index above 15.
    CString GetBezeichnung(int file, const CString& kind, const Bezeichnung& designation) const;
    // The designation as written into the drawing: "------------" shown as "- - - - - -", framed by two blanks on
    // each side.
    CString GetBezeichnungText(int file, const CString& kind, const Bezeichnung& designation) const;
    // Designation of the function in slot 1 to 44 of the working file, unframed; "------------" for any other slot.
    CString GetFunktionsName(int file, BYTE slot) const;

    // ---- Designations of inputs, outputs and messages (CTexteAnlage.cpp) ----
    // Group and index choose a predefined list (by the input's measured and process quantity, the output's type)
    // or a user-defined designation 1 to 16 of the working file; an index outside its list gives "------------".

    CString GetEingangBezeichnung(int file, const EingangParam& input) const;
    // "inutiliz." for an unused input, else the designation with its digit 1 to 9 (after "------------" too).
    CString GetEingangText(int file, const EingangParam& input) const;
    CString GetAusgangBezeichnung(int file, const AusgangParam& output) const;
    // "inutiliz." for an unused output, else the designation with its digit 1 to 9 (after "------------" too).
    CString GetAusgangText(int file, const AusgangParam& output) const;
    // The cause of a message; its type is not consulted.
    CString GetMeldungBezeichnung(int file, const MeldungParam& message) const;
    // The cause with its digit as written into the drawing: "------------" alone shown as "- - - - - - -", framed
    // by two blanks on each side.
    CString GetMeldungBezeichnungText(int file, const MeldungParam& message) const;
    // "  ERRORE  ", "  AVVISO  ", "  GUASTO  ", "  MESSAGGIO  ", or "  inutilizzato  " for any other type.
    CString GetMeldungsArt(int file, const MeldungParam& message) const;

    // ---- Variable sources (CTexteQuelle.cpp) ----

    // "Utente", "Entrata", "Uscita", "St.Rete", "St.Sonda", "Messag.", "Rete", or for kinds 3 to 46 the designation
    // of the function numbered kind - 3 ("------------" when no slot holds it); "" for any other kind.
    CString GetQuelleKurzText(int file, BYTE kind) const;
    // Name of the variable a source delivers; "------------" for a kind it cannot name, "--------" for an output
    // variable of a function that does not exist.
    CString GetQuelleVariableText(int file, BYTE kind, BYTE number) const;
    // One-line text of a source: "non usato", "<kind> <n> - <variable>" for inputs, outputs, sensor status and
    // messages, "<kind> - <n>: <variable>" for the others.
    CString GetQuelleLangText(int file, const Quelle& source) const;
    // The source label, number label and variable text of one input variable of a function form, from working
    // file 2. With kind 0 the variable text is "non usato" when noFixedState is set and empty otherwise.
    void GetQuelleTexte(BYTE kind, BYTE number, BYTE noFixedState, CString& sourceLabel, CString& numberLabel,
                        CString& variableText) const;
    // GetQuelleTexte, and the mode label with the mode combo box. Kind 0 with noFixedState: an empty mode label
    // and a disabled combo box. Kind 0 without: "Stato:", items "OFF" and "ON", "ON" selected when fixedState is
    // not 0. Other kinds: "Modo:", items "normale" and "inverso", item mode selected. The combo box is emptied
    // before it is filled (which sends no notification) and never enabled here.
    void FillQuelleCtrls(BYTE kind, BYTE number, BYTE noFixedState, CString& sourceLabel, CString& numberLabel,
                         CString& variableText, CString& modeLabel, BYTE mode, CComboBox& modeCombo,
                         BYTE fixedState) const;

    // ---- Network (CTexteNetz.cpp) ----

    // Title of network input n (1 to 16 from the digital list, 17 to 32 from the analog list): "(DL)" or "(CAN)"
    // by the input's bus when a node sends it, the plain title when none does and for any other n. Three blanks
    // frame each title.
    CString GetNetzVariableText(BYTE n, const NetzEingang digital[16], const NetzEingang analog[16]) const;

    // "DIGITALE n" for 1 to 16, "ANALOG n-16" for 17 to 32, "non usato" otherwise.
    CString GetNetzNrLangText(BYTE n) const;
    // As GetNetzNrLangText, with 33 (all) "Tutti Sonde".
    CString GetNetzStatusText(BYTE n) const;
    // "DIGITALn" for 1 to 16, "ANALOG.n-16" for 17 to 32, "inutiliz." otherwise.
    CString GetNetzNrText(BYTE n) const;
    // As GetNetzNrText, with 33 (all network inputs) "tutti gli ingr. della rete".
    CString GetNetzNrTextAlle(BYTE n) const;
    // The number texts of GetNetzNrText, for network outputs.
    CString GetNetzAusgangNrText(BYTE n) const;

    // ---- Function lists (CTexteListe.cpp) ----

    // Fill the list from working file 2 of the given store handle (a handle of its own when null): entry 0 is
    // (0, "- - - - - - -"), then in slot order one entry per function of the wanted types, with the reference
    // value function number + 1 and the function's designation.
    void GetAnforderungsListe(FunktionsListe& list, CParaDaten* para) const;  // heating and hot-water requests
    void GetSolarListe(FunktionsListe& list, CParaDaten* para) const;         // solar controls
    void GetSolarListe2(FunktionsListe& list, CParaDaten* para) const;        // solar controls, for a second form
    void GetHzkrListe(FunktionsListe& list, CParaDaten* para) const;          // heating-circuit controllers
    // Index of the first entry 0 to count whose reference value equals value; 0 when none does.
    BYTE FindInListe(const FunktionsListe& list, BYTE value) const;
    // Text of the first entry 0 to count whose reference value equals value; "" when none does.
    CString GetListenBezeichnung(const FunktionsListe& list, BYTE value) const;

    // ---- Protocol file (CTexteProtokoll.cpp) ----

    // The protocol of the drawing evaluation, relative to the program directory.
    static constexpr const char* kProtokollDatei = "para/Protokoll.tmp";
    // Code 0 empties the file. Codes 1 to 7 append one entry of three CR LF lines: the code and the text's byte
    // length, each right-aligned in 8 characters, and the text on one line (a line break inside the text is
    // written as a blank, so one entry never spans more lines). Any other code does nothing. The file is opened
    // and closed by every call; when it cannot be opened nothing is written.
    void WriteProtokoll(int code, const CString& text) const;

    // ---- Function count and memory need (CTexteSpeicher.cpp) ----

    // The used function slots from slot 1 up to the first empty one (type 0 or 255), at most 44.
    BYTE GetFunktionsAnzahl(int file) const;
    // The parameter and variable bytes that the functions of the used slots need in the controller, counted up to
    // the first empty slot. Records are read (with a drawing, their sources from it) and repaired before their
    // counts are used. With a progress range, reports slot / 44 percent after each slot.
    void GetSpeicherbedarf(int file, int& parameterBytes, int& variableBytes, DrawingReader* drawing,
                           CFortschritt* progress) const;
    // The default CAN data-logging block of a new parameter set into block (at least 236 bytes); bytes 2 and 3
    // keep what the caller put there.
    static void DefaultLoggingDaten(BYTE* block);

    // ---- Function overview (CTexteUebersicht.cpp) ----

    // Text of one overview entry, its inputs, outputs and functions taken from the given working file: "" for kind
    // 0; "Utente", "Entrata", "Uscita" or the function's designation for a group header; otherwise the value's
    // label ("- - - -" for a value the group does not have, "--------" for a function group whose slot is empty
    // or that no slot carries).
    CString GetFuncViewText(int file, const FuncViewEntry& entry) const;
    // One letter for the entry's access kind: "F" header, "A", "B", "C", "T", "E"; "-" for any other kind.
    CString GetFuncViewArtKuerzel(const FuncViewEntry& entry) const;

    // ---- Label refresh of the drawing (CTexteZeichnung.cpp, CTexteFunktion.cpp) ----
    // The texts the drawing shows are made to follow working file 2: each refresh appends "settext" lines to the
    // caller's channel and never executes it. A target text id of 0 or less (a pin without label, an object without
    // that text) gets no command. Every result is true when at least one command was appended.

    // Group bits of UpdateZeichnung: the object kinds each refreshes.
    enum : UINT {
        kLabelsEingaenge = 1,       // "Eingang", "Sensorstatus"
        kLabelsAusgaenge = 2,       // "Ausgang", "Mischer_Ausgang", "Analog_Ausgang"
        kLabelsFunktionen = 4,      // the 23 function kinds
        kLabelsMeldungen = 8,       // "Meldung"
        kLabelsNetzEingaenge = 16,  // "Netzwerkeingang", "Netzwerkstatus"
        kLabelsNetzAusgaenge = 32,  // "Netzwerkausgang"
        kLabelsAlle = 0xFFFF,
    };
    // Walks every object of the drawing whose kind belongs to a group of the mask, except the object whose id is
    // skipId (none when negative). A designation is sent only when it differs from what the drawing shows; the
    // framed designations of functions and messages, the cause of a message, pin labels and participant texts are
    // sent on every refresh, since the drawing gives texts back without their framing blanks.
    bool UpdateZeichnung(DrawingCommands& channel, UINT groups, int skipId) const;
    // The labels of the digital input pins of a function object from its decoded record (byte k is offset k), by the
    // kind's rows: the one place the label refresh and the forms' saves take them from. A pin that cannot be looked
    // up or has no label (id 0 or less) is skipped. False, nothing appended, for a kind that is no function.
    bool SetFunktionPinLabels(DrawingCommands& channel, CZeichnung& drawing, const CString& kind, int objectId,
                              const std::vector<BYTE>& record) const;
    // The labels of the participant pins of a function object, by its kind's participants row: each place's text
    // (GetTeilnehmerText) from the list of its kind, built from the parameter set. The same skips as above.
    bool SetTeilnehmerPinLabels(DrawingCommands& channel, CZeichnung& drawing, CParaDaten& para, const CString& kind,
                                int objectId, const std::vector<BYTE>& record) const;
    // The designation, pin labels and participant texts of one function object, by its kind; false and nothing
    // appended for a kind that is no function. A pin label drawn without its connector still gets its pin's text.
    // An object that no slot carries gets the designation of a function without one ("- - - - - -" framed) and
    // nothing else. The record is read and repaired by the shared function
    // record reader, so the checker is not used here; the signature is the one UpdateMeldung shares.
    bool UpdateFunktion(DrawingCommands& channel, CParaDaten& para, CParaCheck& check, CZeichnung& drawing,
                        const ObjektInfo& object) const;
    // The message type, the cause and the labels of the three input pins of a message object. An object that no
    // message slot carries gets the texts of an unused message without cause, and no pin labels.
    bool UpdateMeldung(DrawingCommands& channel, CParaDaten& para, CParaCheck& check, CZeichnung& drawing,
                       const ObjektInfo& object) const;
    // One digital input pin's label: its display text, then " (inv.)" when a source is connected inverted, or
    // " (OFF)" when none is connected, the pin has a fixed value (noFixedValue 0) and that value is 0. Appended
    // without comparison; false, nothing appended, for a label id of 0 or less.
    bool SetPinLabel(DrawingCommands& channel, BYTE sourceKind, BYTE noFixedValue, BYTE inverted, BYTE fixedValue,
                     const CString& kind, const CString& pin, int labelId) const;
    // The tables of texts that the label refresh and the translation both take from working file 2, each record
    // repaired first: GetEingangText of inputs 1 to 16 (input n at n - 1); the texts of network inputs 1 to 32 by
    // number, [0] those of a network input not in use; the texts of network outputs 1 to 32 by number, with this
    // controller's own node ([0] unused).
    void GetEingangTexte(CParaDaten& para, CParaCheck& check, CString texts[16]) const;
    void GetNetzEingangTexte(CParaDaten& para, CParaCheck& check, NetzTextEintrag entries[33]) const;
    void GetNetzAusgangTexte(CParaDaten& para, CParaCheck& check, NetzTextEintrag entries[33]) const;
    // The mark of SetPinLabel, appended to label.
    static void AppendPinSuffix(CString& label, BYTE sourceKind, BYTE noFixedValue, BYTE inverted, BYTE fixedValue);

    // The functions a participant field may name, by the kind of list (the function-type catalog's).
    using TeilnehmerListe = functypes::ParticipantList;
    // Fills the list as its builder above does; leaves it untouched for None.
    void GetTeilnehmerListe(TeilnehmerListe which, FunktionsListe& list, CParaDaten* para) const;
    // The text of participant place index (from 0) that holds function (function number + 1): dashes for a place
    // at or beyond inUse or holding 0; else the function's designation in the list, "- - - - - - -" for one
    // without designation and "" for a function the list does not hold (deleted, or of another type).
    CString GetTeilnehmerText(const FunktionsListe& list, BYTE inUse, BYTE index, BYTE function) const;

private:
    CString EingangVariableText(int file, BYTE n) const;
    CString AusgangVariableText(int file, BYTE n) const;
    CString MeldungVariableText(int file, BYTE slot) const;
    // The functions a participant list of the catalog offers (functypes::ListOffers), in slot order.
    void FillFunktionsListe(FunktionsListe& list, CParaDaten* para, TeilnehmerListe which) const;
};
