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

// How one text of a function symbol is made.
enum class Art : BYTE {
    kPin,          // the pin's display text
    kPinLabel,     // the label of the digital input at this text's pin (text i: pin i + 1), from the type's row of
                   // the catalog: the pin's display text with the mark of its source
    kLabel,        // a constant text
    kParticipant,  // the name of participant k
};

// Text i of a kind belongs to the text object named by entry 5 + i of the kind's translation list in the drawing's
// kind table (drawing/ObjectKinds), the pin's name for the pin kinds.
struct Text {
    Art art;
    int arg = 0;                  // the participant's index
    const char* label = nullptr;  // kLabel only
};

Text Pin() { return {Art::kPin}; }
Text Input() { return {Art::kPinLabel}; }
Text Label(const char* text) { return {Art::kLabel, 0, text}; }
Text Participant(int index) { return {Art::kParticipant, index}; }

struct FunktionsArt {
    int typeCode;
    const char* title;  // the symbol's title, framed by two blanks on each side
    std::vector<Text> texts;  // texts 6 onwards, in the order of their ids in "Translate.tmp"
};

const std::vector<FunktionsArt>& Arten()
{
    static const char* const S = T::kMarkSwitch;
    static const char* const R = T::kMarkSpeed;
    static const char* const M = T::kMarkMixer;
    static const char* const P = T::kParticipantsLabel;
    static const std::vector<FunktionsArt> arten = {
        {texts::kTypeAnalogfunc, T::kTitleAnalogfunc,
         {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(R)}},
        {texts::kTypeAnfHeizung, T::kTitleAnfHeizung,
         {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeAnfWarmwasser, T::kTitleAnfWarmwasser,
         {Input(), Pin(), Pin(), Input(), Pin(), Pin(), Pin(), Label(S), Pin(), Label(R)}},
        {texts::kTypeFuncKontrolle, T::kTitleFuncKontrolle,
         {Pin(), Pin(), Input(), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeHzkrReg, T::kTitleHzkrReg,
         {Input(), Input(), Input(), Pin(), Pin(), Pin(), Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S), Pin(),
          Label(M)}},
        {texts::kTypeKesselkaskade, T::kTitleKesselkaskade,
         {Input(), Input(), Input(), Pin(), Pin(), Label(P), Participant(0), Participant(1), Participant(2),
          Participant(3), Participant(4), Participant(5), Pin(), Pin(), Pin(), Pin(), Label(T::kBoilerA), Pin(),
          Pin(), Label(S), Label(T::kBoilerB), Pin(), Pin(), Label(S), Label(T::kBoilerC), Pin(), Pin(), Label(S)}},
        {texts::kTypeKuehlfunc, T::kTitleKuehlfunc,
         {Input(), Pin(), Pin(), Pin(), Label(R), Pin(), Label(S)}},
        {texts::kTypeLadepumpe, T::kTitleLadepumpe,
         {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeLogikfunc, T::kTitleLogikfunc,
         {Input(), Input(), Input(), Input(), Input(), Input(), Input(), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeMischerReg, T::kTitleMischerReg,
         {Input(), Pin(), Pin(), Pin(), Pin(), Label(M)}},
        {texts::kTypePID_Regelung, T::kTitlePID_Regelung,
         {Input(), Pin(), Pin(), Pin(), Pin(), Label(T::kEventControl), Pin(), Pin(), Pin(), Pin(), Pin(), Label(R)}},
        {texts::kTypeProfilfunc, T::kTitleProfilfunc,
         {Input(), Pin(), Input(), Input(), Input(), Input(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeSchaltuhr, T::kTitleSchaltuhr,
         {Input(), Input(), Pin(), Pin(), Label(S)}},
        {texts::kTypeSolarregelung, T::kTitleSolarregelung,
         {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeSolarvorrang, T::kTitleSolarvorrang,
         {Input(), Pin(), Label(P), Participant(0), Participant(1), Participant(2), Participant(3), Participant(4),
          Participant(5), Participant(6), Participant(7), Participant(8), Participant(9), Pin(), Label(S)}},
        {texts::kTypeStartfunc, T::kTitleStartfunc,
         {Input(), Pin(), Pin(), Label(P), Participant(0), Participant(1), Participant(2), Participant(3),
          Participant(4), Participant(5), Participant(6), Participant(7), Participant(8), Participant(9), Pin(),
          Label(S)}},
        {texts::kTypeSync, T::kTitleSync,
         {Input(), Pin(), Pin(), Pin(), Label(S)}},
        {texts::kTypeTimer, T::kTitleTimer,
         {Input(), Input(), Pin(), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeVergleich, T::kTitleVergleich,
         {Input(), Pin(), Pin(), Pin(), Label(S), Pin(), Label(S)}},
        {texts::kTypeWMZ, T::kTitleWMZ,
         {Input(), Pin(), Pin(), Pin(), Input(), Pin(), Pin(), Pin()}},
        {texts::kTypeWartungsfunc, T::kTitleWartungsfunc,
         {Input(), Label(P), Participant(0), Participant(1), Participant(2), Participant(3), Participant(4), Pin(),
          Label(S), Pin(), Label(R)}},
        {texts::kTypeZaehler, T::kTitleZaehler,
         {Input(), Input(), Input(), Input(), Input(), Input(), Input(), Input(), Pin()}},
        {texts::kTypeZirkulation, T::kTitleZirkulation,
         {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)}},
    };
    return arten;
}

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

// The names of the participants, one per participant field.
std::vector<CString> TeilnehmerNamen(const functypes::Participants& t, const std::vector<BYTE>& record,
                                     CParaDaten& para, CTexte& texte)
{
    if (t.list == functypes::ParticipantList::None) return {};
    FunktionsListe list;
    texte.GetTeilnehmerListe(t.list, list, &para);
    const int inUse = ByteAt(record, t.countField);
    std::vector<CString> names;
    for (int i = 0; i < t.count; ++i) {
        const BYTE participant = ByteAt(record, t.firstField + i * t.step);  // function number + 1; 0 none
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
    const functypes::FunctionType& row = *functypes::FindFunctionType(art->typeCode);
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
        hasRecord ? TeilnehmerNamen(row.participants, record, para, texte) : std::vector<CString>();

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
        case Art::kPinLabel: {
            const functypes::PinLabel* input = functypes::FindPinLabel(row, static_cast<int>(i) + 1);
            if (!hasRecord || !input) break;
            CString label = texte.GetPinText(header.kind, TextObject(header.kind, i));
            const int f = input->field;
            AppendSuffix(label, byteAt(f), functypes::ShowsNoFixedValue(*input, record) ? 1 : 0, byteAt(f + 1),
                         byteAt(f + 2));
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
