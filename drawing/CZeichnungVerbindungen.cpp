// The connection check of the drawing reader: every pin of an object against the rules of its connection kind, and
// the partners that count as its connections recorded in "Connections.tmp".
#include "drawing/CZeichnung.h"

#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "store/AusgangParam.h"

#include <cstring>
#include <vector>

namespace {

// Abbreviated counts of the kept partners by connection kind.
struct Zaehler {
    const int* c;
    int S() const { return c[1]; }
    int O(int k) const { return c[k]; }
    int OO() const { return c[16]; }
    int NI() const { return c[17]; }
    int NS() const { return c[19]; }
    int FO() const { return c[7] + c[8] + c[9] + c[10] + c[11]; }
};

bool IstAusgangsObjekt(const CString& art)
{
    return art == "Ausgang" || art == "Analog_Ausgang" || art == "Mischer_Ausgang";
}

// Whether a partner pin counts for the check, by the kind of its object.
bool ZaehltAlsPartner(CZeichnung& zeichnung, const ObjektInfo& objekt, const PinInfo& pin)
{
    BYTE nummer = 0;
    int textId = 0;
    const CString& art = objekt.art;
    if (art == "Eingang") {
        zeichnung.GetEingangNr(objekt.objektId, nummer, textId);
        return nummer >= 1 && nummer <= 16;
    }
    if (art == "Sensorstatus") {
        zeichnung.GetEingangNr(objekt.objektId, nummer, textId);
        return nummer >= 1 && nummer <= 17;
    }
    if (art == "Ausgang") {
        zeichnung.GetAusgangNummer(objekt.objektId, nummer);
        return nummer >= 1 && nummer <= 14;
    }
    if (art == "Analog_Ausgang") {
        zeichnung.GetAusgangNummer(objekt.objektId, nummer);
        return nummer == 15 || nummer == 16;
    }
    if (art == "Mischer_Ausgang") {
        zeichnung.GetAusgangNummer(objekt.objektId, nummer);
        return IsMischerErsterAusgang(nummer);
    }
    if (art == "Netzwerkeingang") {
        zeichnung.GetNetzNr(objekt.objektId, nummer, textId);
        return nummer >= 1 && nummer <= 32;
    }
    if (art == "Netzwerkstatus") {
        zeichnung.GetNetzStatusNr(objekt.objektId, nummer, textId);
        return nummer >= 1 && nummer <= 33;
    }
    if (art == "Netzwerkausgang") return false;
    // Inputs of other functions and messages belong to the same net and are no source.
    return pin.verbindungsart < 3 || pin.verbindungsart > 6;
}

bool IstFehlerhaft(int eigeneArt, const Zaehler& z)
{
    switch (eigeneArt) {
    case 3: return z.NI() + z.NS() + z.FO() > 0 || z.S() + z.OO() > 1;
    case 4:
    case 6: return z.S() + z.OO() + z.NI() + z.NS() + z.FO() > 1;
    case 5: return z.FO() > 0 || z.S() + z.OO() + z.NI() + z.NS() > 1;
    case 7: return z.S() + z.NI() + z.NS() + z.FO() + z.O(12) + z.O(15) + z.OO() > 0;
    case 8: return z.S() + z.NI() + z.NS() + z.FO() + z.O(15) + z.OO() > 0;
    case 9: return z.S() + z.NI() + z.NS() + z.FO() + z.O(14) + z.O(15) + z.OO() > 0;
    case 10: return z.S() + z.NI() + z.NS() + z.FO() + z.O(12) + z.O(13) + z.O(14) + z.OO() > 0 || z.O(15) > 1;
    case 11: return z.S() + z.NI() + z.NS() + z.FO() + z.O(12) + z.O(13) + z.O(14) + z.O(15) + z.OO() > 0;
    case 12:
    case 13:
    case 14:
    case 15: return z.S() + z.OO() + z.NI() + z.NS() > 0;
    case 18: return z.NI() > 0 || z.S() + z.NS() + z.OO() + z.FO() > 1;
    default: return false;
    }
}

// The partner kinds a pin's record names, by the pin's own connection kind.
bool WirdAufgezeichnet(int eigeneArt, int partnerArt, bool fehlerhaft)
{
    auto in = [partnerArt](std::initializer_list<int> arten) {
        for (int a : arten)
            if (a == partnerArt) return true;
        return false;
    };
    switch (eigeneArt) {
    case 3:
    case 5: return in({1, 16});
    case 4:
    case 6: return in({1, 17, 19, 7, 8, 9, 10, 11, 16});
    case 7: return in({13, 14});
    case 8: return in({12, 13, 14});
    case 9: return in({12, 13});
    case 10: return in({15});
    case 11: return fehlerhaft && in({13, 14});
    case 18: return in({1, 19, 7, 8, 9, 10, 11, 16});
    default: return false;
    }
}

void SchreibeInt(std::FILE* file, int value)
{
    if (file != nullptr) std::fprintf(file, "%8d\r\n", value);
}

struct Partner {
    int objektId;
    int pinId;
    int art;
};

}  // namespace

CString CZeichnung::GetVerbindungsDetails(const int counts[20])
{
    static constexpr int kReihenfolge[] = {1, 12, 13, 14, 15, 16, 17, 19, 8, 9, 7, 10, 11};
    std::string text;
    for (int art : kReihenfolge) {
        if (counts[art] == 0) continue;
        if (!text.empty()) text += ", ";
        text += platform::FormatC("%d %s", counts[art], GetVerbindungsartName(art).GetString());
    }
    if (text.empty()) text = ui::kEvalNoConnection;
    return CString(text);
}

bool CZeichnung::CheckVerbindungen(const CString& art, int objektId, std::FILE* connections, bool abbruchHinweis)
{
    ObjektInfo objekt;
    const int index = FindObjekt(objektId);
    if (index == 0 || !GetObjekt(index, objekt)) return true;  // nothing of the object to check
    const BYTE pinAnzahl = GetPinAnzahl(art);
    const bool schreiben = !IstAusgangsObjekt(art);
    const CString artText = GetObjektArtText(art);

    for (BYTE n = 1; n <= pinAnzahl; ++n) {
        PinInfo pin;
        if (!GetPinOfKind(art, n, objektId, pin)) break;

        CVerbindungsListe liste;
        FindPartner(objektId, pin.pinId, liste);
        std::vector<Partner> behalten;
        for (int i = 0; i < liste.GetCount(); ++i) {
            const VerbindungsPaar* paar = liste.GetAt(i);
            ObjektInfo partnerObjekt;
            PinInfo partnerPin;
            if (paar == nullptr || !FindPin(paar->objektId, paar->pinId, partnerObjekt, partnerPin)) continue;
            if (ZaehltAlsPartner(*this, partnerObjekt, partnerPin))
                behalten.push_back({paar->objektId, paar->pinId, partnerPin.verbindungsart});
        }

        const CString pinText = GetPinText(art, pin.name);
        if (behalten.empty()) {
            bool fehler = false;
            if (pin.verbindungsart == 3 || pin.verbindungsart == 4) {
                LogProtokoll(CString(platform::FormatC(ui::kEvalMissingLink, artText.GetString(),
                                                       objekt.bezeichnung.GetString(), pinText.GetString())),
                             1);
                if (abbruchHinweis) LogProtokoll(ui::kEvalAborted, 7);
                fehler = true;
            }
            if (schreiben) {
                SchreibeInt(connections, objektId);
                SchreibeInt(connections, pin.pinId);
                SchreibeInt(connections, 0);
            }
            if (fehler) return false;
            continue;
        }

        int counts[20] = {};
        for (const Partner& p : behalten)
            if (p.art >= 0 && p.art < 20 && p.art != 2 && p.art != 18) ++counts[p.art];
        const Zaehler z {counts};
        const bool fehlerhaft = IstFehlerhaft(pin.verbindungsart, z);
        if (fehlerhaft) {
            const int nameArt = pin.verbindungsart >= 12 && pin.verbindungsart <= 15 ? 12 : pin.verbindungsart;
            LogProtokoll(CString(platform::FormatC(ui::kEvalWrongLink, artText.GetString(),
                                                   objekt.bezeichnung.GetString(), pinText.GetString(),
                                                   GetVerbindungsartName(nameArt).GetString())),
                         1);
            LogProtokoll(CString(platform::FormatC(ui::kEvalLinkDetails, GetVerbindungsDetails(counts).GetString())),
                         2);
            if (abbruchHinweis) LogProtokoll(ui::kEvalAborted, 7);
        }
        if (schreiben) {
            std::vector<const Partner*> paare;
            for (const Partner& p : behalten)
                if (WirdAufgezeichnet(pin.verbindungsart, p.art, fehlerhaft)) paare.push_back(&p);
            SchreibeInt(connections, objektId);
            SchreibeInt(connections, pin.pinId);
            SchreibeInt(connections, static_cast<int>(paare.size()));
            for (const Partner* p : paare) {
                SchreibeInt(connections, p->objektId);
                SchreibeInt(connections, p->pinId);
            }
        }
        if (fehlerhaft) return false;
    }
    return true;
}
