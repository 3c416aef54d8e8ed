// The drawing reader's sources: what a pin's recorded partners stand for, and the outputs a pin drives.
#include "drawing/CZeichnung.h"

#include "drawing/DrawingServices.h"
#include "store/AusgangParam.h"

#include <vector>

namespace {

struct Bereich {
    const char* art;
    BYTE quellArt;
    int hoechste;  // the highest number that is a source
};

// Plant and network kinds whose objects stand for a numbered source.
const Bereich kBereiche[] = {
    {"Eingang", 1, 16}, {"Sensorstatus", 97, 17}, {"Ausgang", 2, 14}, {"Netzwerkeingang", 99, 32},
    {"Netzwerkstatus", 96, 33},
};

constexpr BYTE kMeldungQuelle = 98;
constexpr int kErsteFunktionsQuelle = 3;
constexpr int kLetzteFunktionsQuelle = 47;

}  // namespace

int CZeichnung::ReadConnections(int objektId, int pinId, BYTE maximum, int* objektIds, int* pinIds)
{
    CFeldDatei file("para/Connections.tmp");
    while (file.IsLoaded() && file.GetPosition() < file.GetLength()) {
        const int objekt = file.ReadInt();
        const int pin = file.ReadInt();
        const int count = file.ReadInt();
        // A count that the rest of the file cannot hold ends the scan.
        if (file.IsPastEnd() || count < 0 ||
            static_cast<long long>(count) * 2 * CFeldDatei::kIntBytes > file.GetLength() - file.GetPosition())
            return 0;
        if (objekt == objektId && pin == pinId) {
            const int n = count < maximum ? count : maximum;
            for (int i = 0; i < n; ++i) {
                objektIds[i] = file.ReadInt();
                pinIds[i] = file.ReadInt();
            }
            return n;
        }
        file.Seek(count * 2 * CFeldDatei::kIntBytes, 1);
    }
    return 0;
}

bool CZeichnung::GetQuelle(int objektId, int pinId, BYTE& art, BYTE& nummer)
{
    ObjektInfo info;
    const int n = FindObjekt(objektId);
    if (n == 0 || !GetObjekt(n, info)) return false;

    for (const Bereich& bereich : kBereiche) {
        if (info.art != bereich.art) continue;
        BYTE value = 0;
        int textId = 0;
        if (GetEingangNr(objektId, value, textId) && value >= 1 && value <= bereich.hoechste) {
            art = bereich.quellArt;
            nummer = value;
        } else {
            art = 0;
        }
        return true;
    }
    if (info.art == "Meldung") {
        const int slot = drawing::Services().FindMeldungSlot(objektId);
        if (slot >= 1 && slot <= 8) {
            art = kMeldungQuelle;
            nummer = static_cast<BYTE>(slot);
        } else {
            art = 0;
        }
        return true;
    }
    // A function: the function's number selects the source kind, the pin's output variable the number.
    const int funktionsNummer = drawing::Services().GetFunktionsNummer(objektId);
    const int quellArt = funktionsNummer + kErsteFunktionsQuelle;
    ObjektInfo objekt;
    PinInfo pin;
    const int variable = FindPin(objektId, pinId, objekt, pin)
                             ? drawing::Services().GetAusgangVariableNr(objekt.art, pin.name)
                             : 0;
    if (funktionsNummer < 0 || quellArt < kErsteFunktionsQuelle || quellArt > kLetzteFunktionsQuelle ||
        variable <= 0 || variable > 255) {
        art = 0;
        nummer = 255;
    } else {
        art = static_cast<BYTE>(quellArt);
        nummer = static_cast<BYTE>(variable);
    }
    return true;
}

void CZeichnung::GetPinQuelle(int objektId, BYTE pinNummer, BYTE& art, BYTE& nummer)
{
    PinInfo pin;
    if (!GetPin(pinNummer, objektId, pin)) return;
    int partnerObjekt = 0, partnerPin = 0;
    if (ReadConnections(objektId, pin.pinId, 1, &partnerObjekt, &partnerPin) == 0) {
        art = 0;
        return;
    }
    GetQuelle(partnerObjekt, partnerPin, art, nummer);
}

void CZeichnung::GetPinQuelleMitArt(const CString& objektArt, int objektId, BYTE pinNummer, BYTE& art, BYTE& nummer)
{
    PinInfo pin;
    if (!GetPinOfKind(objektArt, pinNummer, objektId, pin)) return;
    int partnerObjekt = 0, partnerPin = 0;
    if (ReadConnections(objektId, pin.pinId, 1, &partnerObjekt, &partnerPin) == 0) {
        art = 0;
        return;
    }
    GetQuelle(partnerObjekt, partnerPin, art, nummer);
}

bool CZeichnung::GetAusgangNummer(int objektId, BYTE& nummer)
{
    ObjektInfo info;
    const int n = FindObjekt(objektId);
    if (n == 0 || !GetObjekt(n, info)) return false;
    int textId = 0, textId2 = 0;
    if (info.art == "Mischer_Ausgang") return GetMischerNr(objektId, nummer, textId, textId2);
    if (info.art == "Ausgang" || info.art == "Analog_Ausgang") return GetAusgangNr(objektId, nummer, textId);
    return false;
}

void CZeichnung::GetAusgangFlags(int objektId, BYTE pinNummer, BYTE flags[16])
{
    for (int i = 0; i < 16; ++i) flags[i] = 0;
    PinInfo pin;
    if (!GetPin(pinNummer, objektId, pin)) return;
    int objekte[20], pins[20];
    const int count = ReadConnections(objektId, pin.pinId, 20, objekte, pins);
    for (int i = 0; i < count; ++i) {
        BYTE ausgang = 0;
        if (GetAusgangNummer(objekte[i], ausgang) && ausgang >= 1 && ausgang <= 16) flags[ausgang - 1] = 1;
    }
}

void CZeichnung::GetSechsAusgangFlags(int objektId, BYTE pinNummer, BYTE flags[6])
{
    static const int kAusgaenge[6] = {1, 2, 6, 7, 15, 16};
    BYTE alle[16];
    GetAusgangFlags(objektId, pinNummer, alle);
    for (int i = 0; i < 6; ++i) flags[i] = alle[kAusgaenge[i] - 1];
}

BYTE CZeichnung::GetMischerStartAusgang(int objektId, BYTE pinNummer)
{
    BYTE alle[16];
    GetAusgangFlags(objektId, pinNummer, alle);
    for (BYTE start : kMischerErsteAusgaenge)
        if (alle[start - 1]) return start;
    return 0;
}

void CZeichnung::GetNetzAusgaenge(Quelle quellen[16], int erste)
{
    bool seen[16] = {};
    const int count = GetObjektAnzahl();
    for (int n = 1; n <= count; ++n) {
        ObjektInfo info;
        if (!GetObjekt(n, info) || info.art != "Netzwerkausgang") continue;
        m_objekte->Seek(kRecordBytes * (n - 1) + 90, 0);
        const int nummer = m_objekte->ReadInt();
        if (nummer < erste || nummer > erste + 15) continue;
        Quelle& quelle = quellen[nummer - erste];
        GetPinQuelleMitArt(info.art, info.objektId, 1, quelle.kind, quelle.number);
        seen[nummer - erste] = true;
    }
    for (int i = 0; i < 16; ++i)
        if (!seen[i]) quellen[i] = Quelle();
}

void CZeichnung::GetNetzAusgaengeDigital(Quelle quellen[16]) { GetNetzAusgaenge(quellen, 1); }

void CZeichnung::GetNetzAusgaengeAnalog(Quelle quellen[16]) { GetNetzAusgaenge(quellen, 17); }
