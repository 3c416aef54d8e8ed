// The drawing reader: construction, objects, pins, id lists, texts and the library-version check.
#include "drawing/CZeichnung.h"

#include "drawing/DrawingServices.h"
#include "drawing/ObjectKinds.h"
#include "drawing/WiringIndex.h"
#include "platform/CLocale.h"

namespace {

constexpr int kHeaderBytes = 90;
constexpr int kPinBytes = 60;
constexpr int kUrsacheIdOffset = 360;

std::unique_ptr<CFeldDatei> Load(const char* name)
{
    CString path;
    path.Format("para/%s", name);
    return std::make_unique<CFeldDatei>(path);
}

// Bytes of the number block that FindPin skips before the pins of a kind.
int BlockBytes(const CString& art)
{
    const drawing::KindInfo* kind = drawing::FindKind(art.str());
    return kind ? kind->blockBytes : 0;
}

}  // namespace

CZeichnung::CZeichnung()
    : m_objekte(Load("KS_Objects.tmp")),
      m_funcIds(Load("FuncIDs.tmp")),
      m_meldungIds(Load("MeldungIDs.tmp"))
{
}

CZeichnung::~CZeichnung() = default;

const drawing::WiringIndex& CZeichnung::Wiring()
{
    // The wiring files are read once, into the index, by the first reader that searches partners; their merge files
    // grow with the square of a junction's lines, and most readers never look at them.
    if (!m_wiring) {
        m_wiring = std::make_unique<drawing::WiringIndex>(Load("Connect2Fang.tmp").get(),
                                                          Load("Connect2Line.tmp").get(),
                                                          Load("Connect2Node.tmp").get(),
                                                          Load("Connect2SigOver.tmp").get());
    }
    return *m_wiring;
}

int CZeichnung::GetObjektAnzahl()
{
    return m_objekte->IsLoaded() ? m_objekte->GetLength() / kRecordBytes : 0;
}

bool CZeichnung::GetObjekt(int n, ObjektInfo& info)
{
    if (!m_objekte->IsLoaded() || n < 1 || n > GetObjektAnzahl()) return false;
    m_objekte->Seek(kRecordBytes * (n - 1), 0);
    return ReadObjektInfo(info);
}

bool CZeichnung::ReadObjektInfo(ObjektInfo& info)
{
    info.art = m_objekte->ReadText30();
    info.objektId = m_objekte->ReadInt();
    info.bibliotheksVersion = static_cast<BYTE>(m_objekte->ReadInt());
    info.bezeichnung = m_objekte->ReadText30();
    info.bezeichnung.Trim();
    info.bezeichnungId = m_objekte->ReadInt();
    return !m_objekte->IsPastEnd();
}

int CZeichnung::FindObjekt(int objektId)
{
    if (!m_objekte->IsLoaded()) return 0;
    if (m_objektIds.empty()) {
        const int count = GetObjektAnzahl();
        m_objektIds.reserve(static_cast<size_t>(count));
        for (int n = 0; n < count; ++n) {
            m_objekte->Seek(kRecordBytes * n + CFeldDatei::kText30Bytes, 0);
            m_objektIds.push_back(m_objekte->ReadInt());
        }
    }
    for (size_t i = 0; i < m_objektIds.size(); ++i)
        if (m_objektIds[i] == objektId) return static_cast<int>(i) + 1;
    return 0;
}

bool CZeichnung::SeekObjekt(int objektId)
{
    int n = FindObjekt(objektId);
    if (n == 0) return false;
    m_objekte->Seek(kRecordBytes * (n - 1), 0);
    return true;
}

int CZeichnung::CheckBibliotheksVersion(const ObjektInfo& info)
{
    const drawing::KindInfo* kind = drawing::FindKind(info.art.str());
    if (!kind || !kind->WritesRecords()) {
        CString text;
        text.Format("Oggetto della libreria sconosciuto: \"%s\"", info.art.GetString());
        LogProtokoll(text, 1);
        return 4;
    }
    if (info.bibliotheksVersion > drawing::kAktuelleBibliotheksVersion) {
        std::string text = platform::FormatC(
            "È incompatibile l’oggetto della libreria \"%s\" (\"%s\") a questa versione di VORNA più vecchia. "
            "(Versione dell‘oggetto = %2.1f / Versione supportata = %2.1f)",
            info.art.GetString(), info.bezeichnung.GetString(), info.bibliotheksVersion / 10.0,
            drawing::kAktuelleBibliotheksVersion / 10.0);
        LogProtokoll(CString(text), 1);
        return 4;
    }
    return 0;
}

void CZeichnung::LogProtokoll(const CString& text, int code) { drawing::Services().WriteProtokoll(code, text); }

bool CZeichnung::GetFuncID(int n, int& objektId, int& funktionsTyp, BYTE& funktionsNummer)
{
    if (n < 0 || !m_funcIds->IsLoaded()) return false;
    if (static_cast<long long>(n) * 30 + 30 > m_funcIds->GetLength()) return false;
    m_funcIds->Seek(n * 30, 0);
    objektId = m_funcIds->ReadInt();
    funktionsTyp = m_funcIds->ReadInt();
    funktionsNummer = static_cast<BYTE>(m_funcIds->ReadInt());
    return true;
}

bool CZeichnung::GetMeldungID(int n, int& objektId, BYTE& meldungsNummer)
{
    if (n < 0 || !m_meldungIds->IsLoaded()) return false;
    if (static_cast<long long>(n) * 20 + 20 > m_meldungIds->GetLength()) return false;
    m_meldungIds->Seek(n * 20, 0);
    objektId = m_meldungIds->ReadInt();
    meldungsNummer = static_cast<BYTE>(m_meldungIds->ReadInt());
    return true;
}

BYTE CZeichnung::GetPinAnzahl(const CString& art)
{
    const drawing::KindInfo* kind = drawing::FindKind(art.str());
    return kind && kind->WritesRecords() ? static_cast<BYTE>(kind->pins.size()) : 0;
}

bool CZeichnung::SeekPin(int objektId, int blockBytes, BYTE n)
{
    // The pin must lie inside the object's own record.
    const int offset = kHeaderBytes + blockBytes + kPinBytes * (n - 1);
    if (n < 1 || offset + kPinBytes > kRecordBytes - 2) return false;
    if (!SeekObjekt(objektId)) return false;
    m_objekte->Seek(offset, 1);
    return true;
}

bool CZeichnung::GetPin(BYTE n, int objektId, PinInfo& pin)
{
    return SeekPin(objektId, 0, n) && ReadPin(pin);
}

bool CZeichnung::GetPinOfKind(const CString& art, BYTE n, int objektId, PinInfo& pin)
{
    int block = 0;
    if (art == "Ausgang" || art == "Analog_Ausgang") block = 20;
    else if (art == "Mischer_Ausgang") block = 40;
    else if (art == "Netzwerkausgang") block = 120;
    return SeekPin(objektId, block, n) && ReadPin(pin);
}

bool CZeichnung::ReadPin(PinInfo& pin)
{
    pin.name = m_objekte->ReadText30();
    pin.pinId = m_objekte->ReadInt();
    pin.verbindungsart = static_cast<BYTE>(m_objekte->ReadInt());
    pin.labelId = m_objekte->ReadInt();
    return !m_objekte->IsPastEnd();
}

bool CZeichnung::FindPin(int objektId, int pinId, ObjektInfo& info, PinInfo& pin)
{
    if (!SeekObjekt(objektId)) return false;
    if (!ReadObjektInfo(info)) return false;
    const BYTE count = GetPinAnzahl(info.art);
    if (count == 0) return false;
    m_objekte->Seek(BlockBytes(info.art), 1);
    for (BYTE n = 1; n <= count; ++n) {
        if (!ReadPin(pin)) return false;
        if (pin.pinId == pinId) return true;
    }
    return false;
}

bool CZeichnung::GetTextId(int objektId, int& textId)
{
    int n = FindObjekt(objektId);
    ObjektInfo info;
    if (n == 0 || !GetObjekt(n, info)) return false;
    textId = info.bezeichnungId;
    return true;
}

bool CZeichnung::GetTextId2(int objektId, int& textId)
{
    if (!SeekObjekt(objektId)) return false;
    m_objekte->Seek(kUrsacheIdOffset, 1);
    int id = m_objekte->ReadInt();
    if (m_objekte->IsPastEnd()) return false;
    textId = id;
    return true;
}

CString CZeichnung::GetVerbindungsartName(int verbindungsart)
{
    static const char* const names[20] = {"",
                                          "Sensor",
                                          "",
                                          "FuncIn_InputOutput",
                                          "FuncIn_InputOutputFuncOut",
                                          "FuncIn_UserInputOutput",
                                          "FuncIn_UserInputOutputFuncOut",
                                          "FuncOutRPM",
                                          "FuncOutSwitch",
                                          "FuncOutSwitchExceptA16",
                                          "FuncOutMixer",
                                          "FuncOutPara",
                                          "OutpIn",
                                          "OutputInRPM",
                                          "OutputInA16",
                                          "OutputInMixer",
                                          "OutputOut",
                                          "NetIn",
                                          "NetOut",
                                          "NetStatus"};
    return verbindungsart >= 0 && verbindungsart < 20 ? CString(names[verbindungsart]) : CString();
}

CString CZeichnung::GetPinText(const CString& art, const CString& pinName)
{
    return drawing::Services().GetPinText(art, pinName);
}

CString CZeichnung::GetObjektArtText(const CString& art) { return drawing::Services().GetObjektArtText(art); }
