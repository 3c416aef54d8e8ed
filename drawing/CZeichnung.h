// The drawing reader: objects, pins, partners, sources and numbers of the drawing as the exchange files describe it.
//
// Constructed for one operation; reflects "KS_Objects.tmp", "FuncIDs.tmp" and "MeldungIDs.tmp" of the folder "para"
// as they were at construction, and the wiring files as they were at its first partner search. Missing files are no
// error: queries then answer false, 0 or empty. Number write-backs change the reader's copy and the one field in
// "KS_Objects.tmp".
//
// CZeichnung.cpp holds objects, pins, ids, texts and the library check; CZeichnungPartner.cpp the partner search;
// CZeichnungQuellen.cpp the sources of pins and the output flags; CZeichnungNummern.cpp the numbers of plant and
// network objects.
#pragma once

#include "drawing/CFeldDatei.h"
#include "drawing/CVerbindungsListe.h"
#include "platform/CString.h"
#include "platform/Types.h"
#include "store/Quelle.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace drawing {
class WiringIndex;
}

struct ObjektInfo {
    CString art;                 // kind name
    int objektId = 0;
    BYTE bibliotheksVersion = 255;  // tenths; 255 when the field is missing
    CString bezeichnung;         // without blanks around it
    int bezeichnungId = 0;
};

struct PinInfo {
    CString name;
    int pinId = 0;
    BYTE verbindungsart = 0;
    int labelId = 0;
};

class CZeichnung {
public:
    static constexpr int kRecordBytes = 1400;

    CZeichnung();
    virtual ~CZeichnung();
    CZeichnung(const CZeichnung&) = delete;
    CZeichnung& operator=(const CZeichnung&) = delete;

    // Objects, pins, ids and texts.
    int GetObjektAnzahl();
    bool GetObjekt(int n, ObjektInfo& info);  // n from 1
    int FindObjekt(int objektId);             // index from 1; 0 when absent
    bool SeekObjekt(int objektId);
    bool ReadObjektInfo(ObjektInfo& info);
    int CheckBibliotheksVersion(const ObjektInfo& info);  // 0, or 4 when the object cannot be used
    void LogProtokoll(const CString& text, int code);
    bool GetFuncID(int n, int& objektId, int& funktionsTyp, BYTE& funktionsNummer);  // n from 0
    bool GetMeldungID(int n, int& objektId, BYTE& meldungsNummer);                     // n from 0
    static BYTE GetPinAnzahl(const CString& art);
    bool GetPin(BYTE n, int objektId, PinInfo& pin);
    bool GetPinOfKind(const CString& art, BYTE n, int objektId, PinInfo& pin);
    bool ReadPin(PinInfo& pin);
    bool FindPin(int objektId, int pinId, ObjektInfo& info, PinInfo& pin);
    bool GetTextId(int objektId, int& textId);
    bool GetTextId2(int objektId, int& textId);
    static CString GetVerbindungsartName(int verbindungsart);
    CString GetPinText(const CString& art, const CString& pinName);
    CString GetObjektArtText(const CString& art);

    // Every other pin of the net of the pin, each once, in the order of discovery; the count.
    int FindPartner(int objektId, int pinId, CVerbindungsListe& liste);

    // Sources of pins, from "Connections.tmp".
    static int ReadConnections(int objektId, int pinId, BYTE maximum, int* objektIds, int* pinIds);
    bool GetQuelle(int objektId, int pinId, BYTE& art, BYTE& nummer);
    void GetPinQuelle(int objektId, BYTE pin, BYTE& art, BYTE& nummer);
    void GetPinQuelle(int objektId, BYTE pin, Quelle& quelle) { GetPinQuelle(objektId, pin, quelle.kind, quelle.number); }
    void GetPinQuelleMitArt(const CString& objektArt, int objektId, BYTE pin, BYTE& art, BYTE& nummer);
    bool GetAusgangNummer(int objektId, BYTE& nummer);
    void GetAusgangFlags(int objektId, BYTE pin, BYTE flags[16]);
    // The flags of the speed-controlled and analog outputs 1, 2, 6, 7, 15 and 16 that the pin drives.
    void GetSechsAusgangFlags(int objektId, BYTE pin, BYTE flags[6]);
    // The first output (3, 8, 10 or 12) of the mixer output pair that the pin drives; 0 when none.
    BYTE GetMischerStartAusgang(int objektId, BYTE pin);
    void GetNetzAusgaengeDigital(Quelle quellen[16]);
    void GetNetzAusgaengeAnalog(Quelle quellen[16]);

    // Numbers of plant and network objects.
    bool GetEingangNr(int objektId, BYTE& nummer, int& textId);
    bool SetEingangNr(int objektId, BYTE nummer);
    bool GetAusgangNr(int objektId, BYTE& nummer, int& textId);
    bool SetAusgangNr(int objektId, BYTE nummer);
    bool GetMischerNr(int objektId, BYTE& nummer, int& textId1, int& textId2);
    bool SetMischerNr(int objektId, BYTE nummer);
    bool GetNetzNr(int objektId, BYTE& nummer, int& textId);
    bool GetNetzDaten(int objektId, CString& typText, int& typTextId, BYTE& knoten, int& knotenTextId,
                      BYTE& knotenAusgang, int& knotenAusgangTextId);
    bool SetNetzNr(const CString& art, int objektId, BYTE nummer);
    bool GetNetzStatusNr(int objektId, BYTE& nummer, int& textId);
    bool CountNetzAusgaenge(BYTE analog[16], BYTE digital[16]);

    // Connection check (CZeichnungVerbindungen.cpp). Checks every pin of the object against the rules of its
    // connection kind, logs the faults, and appends one record per checked pin to the open "Connections.tmp"
    // (none for the pins of output objects). Stops at the first faulty pin; true when every pin passed.
    bool CheckVerbindungen(const CString& art, int objektId, std::FILE* connections, bool abbruchHinweis);
    // "%d %s" for every non-zero count in the order the protocol shows them, joined by ", ".
    static CString GetVerbindungsDetails(const int counts[20]);

private:
    const drawing::WiringIndex& Wiring();
    bool SeekField(int objektId, int offset);
    bool ReadNumberAndId(int objektId, int offset, BYTE& nummer, int& textId);
    bool WriteNumber(int objektId, int offset, BYTE nummer);
    bool SeekPin(int objektId, int blockBytes, BYTE n);
    void GetNetzAusgaenge(Quelle quellen[16], int erste);

    std::unique_ptr<CFeldDatei> m_objekte;
    std::unique_ptr<CFeldDatei> m_funcIds;
    std::unique_ptr<CFeldDatei> m_meldungIds;
    std::unique_ptr<drawing::WiringIndex> m_wiring;
    std::vector<int> m_objektIds;  // object id of every record, for the lookups by id
};
