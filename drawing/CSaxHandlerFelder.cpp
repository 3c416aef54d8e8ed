// The XML import's field setter: which group object of a drawing object fills which field of its record.
#include "drawing/CSaxHandler.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

using drawing::KindFamily;
using drawing::KindInfo;

namespace {

// The version mark's number: every character of "Biblio-Vers" is stripped from the front of the role, then the
// blanks; the decimal number that follows gives the version. False when none follows.
bool ReadVersion(const std::string& role, int& version)
{
    size_t first = role.find_first_not_of("Biblio-Vers");
    if (first == std::string::npos) return false;
    first = role.find_first_not_of(' ', first);
    if (first == std::string::npos) return false;
    const char* digits = role.c_str() + first;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(digits, &end, 10);
    if (end == digits || errno != 0) return false;
    version = static_cast<int>(value & 0xFF);
    return true;
}

int RoleIndex(const std::vector<const char*>& roles, const std::string& role)
{
    for (size_t i = 0; i < roles.size(); ++i)
        if (role == roles[i]) return static_cast<int>(i);
    return -1;
}

// The participant number n of a role "beteiligte Funktion n" (1 to the kind's count); 0 otherwise.
int TeilnehmerNummer(const KindInfo& kind, const std::string& role)
{
    const size_t prefix = std::strlen(drawing::kBeteiligteFunktion);
    if (kind.participants == 0 || role.compare(0, prefix, drawing::kBeteiligteFunktion) != 0) return 0;
    for (int n = 1; n <= kind.participants; ++n)
        if (role.compare(prefix, std::string::npos, std::to_string(n)) == 0) return n;
    return 0;
}

const char* DesignationRole(const KindInfo& kind)
{
    return kind.family == KindFamily::Meldung ? drawing::kMeldungstyp : drawing::kBezeichnung;
}

// An index text's number, or 0 (unassigned) when the text is no number of 0 to 255.
BYTE IndexNummer(const XMLCh* text)
{
    bool clean = false;
    int value = drawing::XmlToUInt(text, &clean);
    return clean && value >= 0 && value <= 255 ? static_cast<BYTE>(value) : 0;
}

}  // namespace

std::string CSaxHandler::CutText(std::string text, size_t n)
{
    if (text.size() > n) text.resize(n);
    drawing::BlankControls(text);
    return text;
}

void CSaxHandler::SetObjektFeld(unsigned code, const XMLCh* text)
{
    // Group objects of an object whose header never completed find no record and change nothing.
    if (code > kStilName || !m_record) return;
    const KindInfo& kind = *m_record->kind;
    const bool online = kind.family == KindFamily::OnlineRahmen || kind.family == KindFamily::OnlinePlatzhalter;
    if (kind.family == KindFamily::Knotenpunkt) return;
    if (online) {
        SetOnlineFeld(code, text);
        return;
    }
    if (code == kGruppenKopf) SetGruppenKopf();
    else if (code == kTextString && m_gruppe.typ == "text") SetTextString(text);
}

void CSaxHandler::SetGruppenKopf()
{
    ObjektDaten& record = *m_record;
    const KindInfo& kind = *record.kind;
    const std::string& role = m_gruppe.name;
    const std::string& type = m_gruppe.typ;

    if (kind.versionType && type == kind.versionType && role.find("Biblio-Vers") != std::string::npos) {
        int version = 0;
        if (ReadVersion(role, version)) record.bibliotheksVersion = static_cast<BYTE>(version);
        return;
    }
    if (type == "polylinie") {
        int pin = kind.PinIndex(role);
        if (pin >= 0) {
            record.pins[static_cast<size_t>(pin)].name = role;
            record.pins[static_cast<size_t>(pin)].id = m_gruppenId;
        }
        return;
    }
    if (type != "text") return;
    if (kind.HasPinLabels()) {
        int pin = kind.PinIndex(role);
        if (pin >= 0) {
            record.pins[static_cast<size_t>(pin)].labelId = m_gruppenId;
            return;
        }
    }
    if (role == DesignationRole(kind)) {
        record.bezeichnungId = m_gruppenId;
    } else if (kind.family == KindFamily::Meldung && role == drawing::kMeldungsursache) {
        record.ursacheId = m_gruppenId;
    } else if (kind.family == KindFamily::Netzwerk && role == "Type") {
        record.netzTypId = m_gruppenId;
    } else if (int r = RoleIndex(kind.roleIds, role); r >= 0) {
        record.rollenIds[static_cast<size_t>(r)] = m_gruppenId;
    } else if (int n = TeilnehmerNummer(kind, role); n > 0) {
        record.teilnehmer[static_cast<size_t>(n - 1)].name = role;
        record.teilnehmer[static_cast<size_t>(n - 1)].id = m_gruppenId;
    } else if (int i = RoleIndex(kind.indexRoles, role); i >= 0) {
        record.nummerIds[i] = m_gruppenId;
    }
}

void CSaxHandler::SetTextString(const XMLCh* text)
{
    ObjektDaten& record = *m_record;
    const KindInfo& kind = *record.kind;
    const std::string& role = m_gruppe.name;
    if (role == DesignationRole(kind)) {
        record.bezeichnung = CutText(XmlToString(text), 28);
    } else if (kind.family == KindFamily::Meldung && role == drawing::kMeldungsursache) {
        record.ursache = CutText(XmlToString(text), 28);
    } else if (kind.family == KindFamily::Netzwerk && role == "Type") {
        record.netzTyp = CutText(XmlToString(text), 48);
    } else if (int i = RoleIndex(kind.indexRoles, role); i >= 0) {
        record.nummern[i] = IndexNummer(text);
    }
}

void CSaxHandler::SetOnlineFeld(unsigned code, const XMLCh* text)
{
    ObjektDaten& record = *m_record;
    const bool rahmen = record.kind->family == KindFamily::OnlineRahmen;
    const int limit = rahmen ? 4 : 3;
    switch (code) {
    case kPunktX:
        if (record.xAnzahl < limit) record.x[record.xAnzahl++] = drawing::XmlToUInt(text);
        return;
    case kPunktY:
        if (record.yAnzahl < limit) record.y[record.yAnzahl++] = drawing::XmlToUInt(text);
        return;
    default:
        break;
    }
    if (rahmen) return;
    if (code == kTextString) {
        if (m_gruppe.typ == "text" && m_gruppe.name == "Text2") {
            std::string value = XmlToString(text);
            record.platzhalterText = CutText(value.substr(0, value.find('\n')), std::string::npos);
        }
        return;
    }
    if (m_gruppe.name != "Text1") return;
    switch (code) {
    case kFacename: record.schriftart = CutText(XmlToString(text), std::string::npos); break;
    case kTextFarbe: record.textFarbe = drawing::XmlToColour(text); break;
    case kHintergrundFarbe: record.hintergrundFarbe = drawing::XmlToColour(text); break;
    case kAusrichtung: record.ausrichtung = drawing::XmlToUInt(text); break;
    case kPunktGroesse: record.schriftGroesse = drawing::XmlToUInt(text); break;
    case kStilName: record.stilName = CutText(XmlToString(text), std::string::npos); break;
    default: break;
    }
}
