// The drawing reader's numbers of inputs, outputs, mixer outputs and network objects, and their write-back.
#include "drawing/CZeichnung.h"

namespace {

constexpr int kNummer = 90;
constexpr int kNummerText = 100;
constexpr int kZweiteNummer = 110;
constexpr int kZweiteNummerText = 120;
constexpr int kNetzTyp = 110;

// A stored number as a byte: a field that holds no number, or one outside 0 to 255, counts as unassigned (0).
BYTE AsNumber(int value) { return value >= 0 && value <= 255 ? static_cast<BYTE>(value) : 0; }

}  // namespace

bool CZeichnung::SeekField(int objektId, int offset)
{
    if (!SeekObjekt(objektId)) return false;
    m_objekte->Seek(offset, 1);
    return true;
}

bool CZeichnung::ReadNumberAndId(int objektId, int offset, BYTE& nummer, int& textId)
{
    if (!SeekField(objektId, offset)) return false;
    int value = m_objekte->ReadInt();
    int id = m_objekte->ReadInt();
    if (m_objekte->IsPastEnd()) return false;
    nummer = AsNumber(value);
    textId = id;
    return true;
}

bool CZeichnung::WriteNumber(int objektId, int offset, BYTE nummer)
{
    return SeekField(objektId, offset) && m_objekte->WriteInt(nummer) && m_objekte->WriteBack();
}

bool CZeichnung::GetEingangNr(int objektId, BYTE& nummer, int& textId)
{
    return ReadNumberAndId(objektId, kNummer, nummer, textId);
}

bool CZeichnung::SetEingangNr(int objektId, BYTE nummer) { return WriteNumber(objektId, kNummer, nummer); }

bool CZeichnung::GetAusgangNr(int objektId, BYTE& nummer, int& textId)
{
    return ReadNumberAndId(objektId, kNummer, nummer, textId);
}

bool CZeichnung::SetAusgangNr(int objektId, BYTE nummer) { return WriteNumber(objektId, kNummer, nummer); }

bool CZeichnung::GetMischerNr(int objektId, BYTE& nummer, int& textId1, int& textId2)
{
    BYTE first = 0;
    int id1 = 0;
    if (!ReadNumberAndId(objektId, kNummer, first, id1)) return false;
    m_objekte->Seek(kZweiteNummerText - kZweiteNummer, 1);
    int id2 = m_objekte->ReadInt();
    if (m_objekte->IsPastEnd()) return false;
    nummer = first;
    textId1 = id1;
    textId2 = id2;
    return true;
}

bool CZeichnung::SetMischerNr(int objektId, BYTE nummer)
{
    if (!SeekField(objektId, kNummer) || !m_objekte->WriteInt(nummer)) return false;
    m_objekte->Seek(kZweiteNummer - kNummerText, 1);
    if (!m_objekte->WriteInt(static_cast<BYTE>(nummer + 1))) return false;
    return m_objekte->WriteBack();
}

bool CZeichnung::GetNetzNr(int objektId, BYTE& nummer, int& textId)
{
    return ReadNumberAndId(objektId, kNummer, nummer, textId);
}

bool CZeichnung::GetNetzDaten(int objektId, CString& typText, int& typTextId, BYTE& knoten, int& knotenTextId,
                              BYTE& knotenAusgang, int& knotenAusgangTextId)
{
    if (!SeekField(objektId, kNetzTyp)) return false;
    CString text = m_objekte->ReadText50();
    int textId = m_objekte->ReadInt();
    int node = m_objekte->ReadInt();
    int nodeId = m_objekte->ReadInt();
    int output = m_objekte->ReadInt();
    int outputId = m_objekte->ReadInt();
    if (m_objekte->IsPastEnd()) return false;
    typText = text;
    typTextId = textId;
    knoten = AsNumber(node);
    knotenTextId = nodeId;
    knotenAusgang = AsNumber(output);
    knotenAusgangTextId = outputId;
    return true;
}

bool CZeichnung::SetNetzNr(const CString& art, int objektId, BYTE nummer)
{
    if (art != "Netzwerkeingang" && art != "Netzwerkausgang" && art != "Netzwerkstatus") return false;
    return WriteNumber(objektId, kNummer, nummer);
}

bool CZeichnung::GetNetzStatusNr(int objektId, BYTE& nummer, int& textId)
{
    return ReadNumberAndId(objektId, kNummer, nummer, textId);
}

bool CZeichnung::CountNetzAusgaenge(BYTE analog[16], BYTE digital[16])
{
    for (int i = 0; i < 16; ++i) {
        if (analog) analog[i] = 0;
        if (digital) digital[i] = 0;
    }
    const int count = GetObjektAnzahl();
    for (int n = 1; n <= count; ++n) {
        ObjektInfo info;
        if (!GetObjekt(n, info) || info.art != "Netzwerkausgang") continue;
        // By position, so that objects sharing an id are each counted with their own number.
        m_objekte->Seek(kRecordBytes * (n - 1) + kNummer, 0);
        const BYTE nummer = AsNumber(m_objekte->ReadInt());
        if (nummer >= 1 && nummer <= 16) {
            if (digital) ++digital[nummer - 1];
        } else if (nummer >= 17 && nummer <= 32) {
            if (analog) ++analog[nummer - 17];
        }
    }
    return true;
}
