// Translation of the function objects: one table row per function kind, one routine for all of them.
#include "translate/CTranslate.h"

#include "drawing/ObjectKinds.h"
#include "resources/UiTexts.h"
#include "store/Bezeichnung.h"
#include "store/CParaDaten.h"
#include "store/DrawingCommands.h"
#include "store/FuncEntry.h"
#include "store/FunctionTypes.h"
#include "texts/CTexte.h"
#include "texttables/FunktionsListe.h"
#include "texttables/StandardDesignations.h"

#include <cstddef>
#include <cstring>

namespace T = ui::symbols;

namespace {

#define F(Record, field) static_cast<int>(offsetof(Record, field))

// How one text of a function symbol is made. "Byte k" is offset k of the kind's decoded, repaired record, written
// with offsetof of the record's field.
enum class Art : BYTE {
    kPin,            // the pin's display text
    kPinSuffix,      // the pin's display text with the mark of the digital source at bytes k .. k + 2
    kPinThirdStage,  // as kPinSuffix; no " (OFF)" while the cascade has at most two boilers (its boiler count)
    kPinInverted,    // the pin's display text, " (inv.)" when the source at bytes k, k + 1 is connected and inverted
    kLabel,          // a constant text
    kParticipant,    // the name of participant k
};

// Text i of a kind belongs to the text object named by entry 5 + i of the kind's translation list in the drawing's
// kind table (drawing/ObjectKinds), the pin's name for the pin kinds.
struct Text {
    Art art;
    int arg = 0;                 // byte k, or the participant's index
    const char* label = nullptr;  // kLabel only
};

Text Pin() { return {Art::kPin}; }
Text Suffix(int byte) { return {Art::kPinSuffix, byte}; }
Text ThirdStage(int byte) { return {Art::kPinThirdStage, byte}; }
Text Inv(int byte) { return {Art::kPinInverted, byte}; }
Text Label(const char* text) { return {Art::kLabel, 0, text}; }
Text Participant(int index) { return {Art::kParticipant, index}; }

using Liste = CTexte::TeilnehmerListe;

struct Teilnehmer {
    Liste list = Liste::Keine;
    int count = 0;      // participant bytes in the record
    int countByte = 0;  // the byte holding how many of them are in use
    int firstByte = 0;
    int step = 1;       // distance between two participant bytes
};

struct FunktionsArt {
    int typeCode;
    const char* title;  // the symbol's title, framed by two blanks on each side
    std::vector<Text> texts;  // texts 6 onwards, in the order of their ids in "Translate.tmp"
    Teilnehmer teilnehmer = {};
};

const std::vector<FunktionsArt>& Arten()
{
    static const char* const S = T::kMarkSwitch;
    static const char* const R = T::kMarkSpeed;
    static const char* const M = T::kMarkMixer;
    static const char* const P = T::kParticipantsLabel;
    static const std::vector<FunktionsArt> arten = {
        {texts::kTypeAnalogfunc, T::kTitleAnalogfunc,
         {Suffix(F(AnalogfuncParam, release)), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(R)}},
        {texts::kTypeAnfHeizung, T::kTitleAnfHeizung,
         {Suffix(F(AnfHeizungParam, release)), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeAnfWarmwasser, T::kTitleAnfWarmwasser,
         {Suffix(F(AnfWarmwasserParam, release)), Pin(), Pin(), Inv(F(AnfWarmwasserParam, externalSwitch)), Pin(),
          Pin(), Pin(), Label(S), Pin(), Label(R)}},
        {texts::kTypeFuncKontrolle, T::kTitleFuncKontrolle,
         {Pin(), Pin(), Suffix(F(FuncKontrolleParam, differenceRelease)), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeHzkrReg, T::kTitleHzkrReg,
         {Suffix(F(HzkrRegParam, release)), Suffix(F(HzkrRegParam, pumpRelease)), Suffix(F(HzkrRegParam, mixerRelease)),
          Pin(), Pin(), Pin(), Inv(F(HzkrRegParam, externalSwitch)), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S), Pin(),
          Label(M)}},
        {texts::kTypeKesselkaskade, T::kTitleKesselkaskade,
         {Suffix(F(KesselkaskadeParam, release)), Suffix(F(KesselkaskadeParam, release2)),
          ThirdStage(F(KesselkaskadeParam, release3)), Pin(), Pin(), Label(P), Participant(0), Participant(1),
          Participant(2), Participant(3), Participant(4), Participant(5), Pin(), Pin(), Pin(), Pin(),
          Label(T::kBoilerA), Pin(), Pin(), Label(S), Label(T::kBoilerB), Pin(), Pin(), Label(S), Label(T::kBoilerC),
          Pin(), Pin(), Label(S)},
         {Liste::Anforderungen, 6, F(KesselkaskadeParam, participantCount), F(KesselkaskadeParam, participants), 1}},
        {texts::kTypeKuehlfunc, T::kTitleKuehlfunc,
         {Suffix(F(KuehlfuncParam, release)), Pin(), Pin(), Pin(), Label(R), Pin(), Label(S)}},
        {texts::kTypeLadepumpe, T::kTitleLadepumpe,
         {Suffix(F(LadepumpeParam, release)), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeLogikfunc, T::kTitleLogikfunc,
         {Suffix(F(LogikfuncParam, release)), Inv(F(LogikfuncParam, inputs[0])), Inv(F(LogikfuncParam, inputs[1])),
          Inv(F(LogikfuncParam, inputs[2])), Inv(F(LogikfuncParam, inputs[3])), Inv(F(LogikfuncParam, inputs[4])),
          Inv(F(LogikfuncParam, inputs[5])), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeMischerReg, T::kTitleMischerReg,
         {Suffix(F(MischerRegParam, release)), Pin(), Pin(), Pin(), Pin(), Label(M)}},
        {texts::kTypePID_Regelung, T::kTitlePID_Regelung,
         {Suffix(F(PID_RegelungParam, release)), Pin(), Pin(), Pin(), Pin(), Label(T::kEventControl), Pin(), Pin(),
          Pin(), Pin(), Pin(), Label(R)}},
        {texts::kTypeProfilfunc, T::kTitleProfilfunc,
         {Suffix(F(ProfilfuncParam, release)), Pin(), Inv(F(ProfilfuncParam, start)), Inv(F(ProfilfuncParam, stop)),
          Inv(F(ProfilfuncParam, reset)), Inv(F(ProfilfuncParam, clock)), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeSchaltuhr, T::kTitleSchaltuhr,
         {Suffix(F(SchaltuhrParam, release)), Inv(F(SchaltuhrParam, blocking)), Pin(), Pin(), Label(S)}},
        {texts::kTypeSolarregelung, T::kTitleSolarregelung,
         {Suffix(F(SolarregelungParam, release)), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeSolarvorrang, T::kTitleSolarvorrang,
         {Suffix(F(SolarvorrangParam, release)), Pin(), Label(P), Participant(0), Participant(1), Participant(2),
          Participant(3), Participant(4), Participant(5), Participant(6), Participant(7), Participant(8),
          Participant(9), Pin(), Label(S)},
         {Liste::Solar, 10, F(SolarvorrangParam, participantCount), F(SolarvorrangParam, participants),
          sizeof(SolarvorrangTeilnehmer)}},
        {texts::kTypeStartfunc, T::kTitleStartfunc,
         {Suffix(F(StartfuncParam, release)), Pin(), Pin(), Label(P), Participant(0), Participant(1), Participant(2),
          Participant(3), Participant(4), Participant(5), Participant(6), Participant(7), Participant(8),
          Participant(9), Pin(), Label(S)},
         {Liste::Solar2, 10, F(StartfuncParam, solarCount), F(StartfuncParam, solarControls), 1}},
        {texts::kTypeSync, T::kTitleSync,
         {Suffix(F(SyncParam, release)), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeTimer, T::kTitleTimer,
         {Suffix(F(TimerParam, release)), Suffix(F(TimerParam, trigger)), Pin(), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeVergleich, T::kTitleVergleich,
         {Suffix(F(VergleichParam, release)), Pin(), Pin(), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeWMZ, T::kTitleWMZ,
         {Suffix(F(WMZParam, release)), Pin(), Pin(), Pin(), Inv(F(WMZParam, reset)), Pin(), Pin(), Pin()}},
        {texts::kTypeWartungsfunc, T::kTitleWartungsfunc,
         {Inv(F(WartungsfuncParam, externalSwitch)), Label(P), Participant(0), Participant(1), Participant(2),
          Participant(3), Participant(4), Pin(), Label(S), Pin(), Label(R)},
         {Liste::Heizkreise, 5, F(WartungsfuncParam, circuitCount), F(WartungsfuncParam, circuits), 1}},
        {texts::kTypeZaehler, T::kTitleZaehler,
         {Suffix(F(ZaehlerParam, release)), Inv(F(ZaehlerParam, inputs[0])), Inv(F(ZaehlerParam, inputs[1])),
          Inv(F(ZaehlerParam, inputs[2])), Inv(F(ZaehlerParam, inputs[3])), Inv(F(ZaehlerParam, inputs[4])),
          Inv(F(ZaehlerParam, inputs[5])), Inv(F(ZaehlerParam, reset)), Pin()}},
        {texts::kTypeZirkulation, T::kTitleZirkulation,
         {Suffix(F(ZirkulationParam, release)), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
    };
    return arten;
}

#undef F

const FunktionsArt* FindArt(const CString& kind)
{
    const int code = texts::TypeCodeOfKind(kind.GetString());
    for (const FunktionsArt& art : Arten())
        if (code != 0 && art.typeCode == code) return &art;
    return nullptr;
}

// The name of the text object that text i of a function kind belongs to; "" when the kind's list has no such entry.
const char* TextObject(const CString& kind, size_t i)
{
    const drawing::KindInfo* info = drawing::FindKind(kind.GetString());
    return info && 5 + i < info->translate.size() ? info->translate[5 + i] : "";
}

// Byte k of a decoded record; 0 beyond its end.
BYTE ByteAt(const std::vector<BYTE>& record, int k)
{
    return k >= 0 && static_cast<size_t>(k) < record.size() ? record[static_cast<size_t>(k)] : 0;
}

// The names of the participants, one per participant byte.
std::vector<CString> TeilnehmerNamen(const Teilnehmer& t, const std::vector<BYTE>& record, CParaDaten& para,
                                     CTexte& texte)
{
    if (t.list == Liste::Keine) return {};
    FunktionsListe list;
    texte.GetTeilnehmerListe(t.list, list, &para);
    const int inUse = ByteAt(record, t.countByte);
    std::vector<CString> names;
    for (int i = 0; i < t.count; ++i) {
        const BYTE participant = ByteAt(record, t.firstByte + i * t.step);  // function number + 1; 0 none
        names.push_back(texte.GetTeilnehmerText(list, static_cast<BYTE>(inUse), static_cast<BYTE>(i), participant));
    }
    return names;
}

}  // namespace

bool CTranslate::IsFunktion(const CString& kind)
{
    return FindArt(kind) != nullptr;
}

void CTranslate::TranslateFunktion(TranslateFile& file, DrawingCommands& channel, CParaDaten& para, CTexte& texte,
                                   const TranslateHeader& header)
{
    const FunktionsArt* art = FindArt(header.kind);
    if (!art) return;
    const int work = CParaDaten::kWorkFile;

    // The record is the object's only when its slot carries the object's id and the kind's type; an id of 0 or
    // below would find a free slot.
    std::vector<BYTE> record;
    if (header.objectId > 0) {
        const BYTE slot = para.FindFuncSlot(work, header.objectId);
        FuncEntry entry;
        if (slot != 0 && para.GetFuncEntry(work, slot, entry) && entry.type == art->typeCode)
            record = functypes::ReadRepairedFuncRecord(para, work, slot, art->typeCode, false);
    }
    const bool hasRecord = !record.empty();
    auto byteAt = [&record](int k) { return ByteAt(record, k); };
    const std::vector<CString> participants =
        hasRecord ? TeilnehmerNamen(art->teilnehmer, record, para, texte) : std::vector<CString>();

    // "TypeTxt", "Type", "BezeichnungTxt", "EingangsvarTxt", "AusgangsvarTxt", then the kind's texts.
    std::vector<int> ids;
    if (!ReadNumbers(file, 5 + static_cast<int>(art->texts.size()), ids)) return;

    if (hasRecord) {
        const Bezeichnung designation{byteAt(0), byteAt(1), byteAt(2)};
        Queue(channel, header.designationTextId, texte.GetBezeichnungText(work, header.kind, designation));
    }
    Queue(channel, ids[0], T::kTypeLabel);
    Queue(channel, ids[1], art->title);
    Queue(channel, ids[2], T::kDesignationLabel);
    Queue(channel, ids[3], T::kInputVariablesLabel);
    Queue(channel, ids[4], T::kOutputVariablesLabel);

    for (size_t i = 0; i < art->texts.size(); ++i) {
        const Text& def = art->texts[i];
        const int id = ids[5 + i];
        const int k = def.arg;
        switch (def.art) {
        case Art::kPin:
            Queue(channel, id, texte.GetPinText(header.kind, TextObject(header.kind, i)));
            break;
        case Art::kLabel:
            Queue(channel, id, def.label);
            break;
        case Art::kPinSuffix:
        case Art::kPinThirdStage:
        case Art::kPinInverted: {
            if (!hasRecord) break;
            CString label = texte.GetPinText(header.kind, TextObject(header.kind, i));
            if (def.art == Art::kPinInverted) {
                AppendSuffix(label, byteAt(k), 1, byteAt(k + 1), 0);
            } else {
                const int boilers = static_cast<int>(offsetof(KesselkaskadeParam, boilerCount));
                const BYTE suppressOff = def.art == Art::kPinThirdStage && byteAt(boilers) <= 2 ? 1 : 0;
                AppendSuffix(label, byteAt(k), suppressOff, byteAt(k + 1), byteAt(k + 2));
            }
            Queue(channel, id, label);
            break;
        }
        case Art::kParticipant:
            if (hasRecord && static_cast<size_t>(k) < participants.size())
                Queue(channel, id, participants[static_cast<size_t>(k)]);
            break;
        }
    }
}
