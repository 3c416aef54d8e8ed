// Translation of the function objects: the symbol texts of each function type, named after its row, and one routine
// for all of them.
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
#include <span>

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

constexpr Text Pin() { return {Art::kPin}; }
constexpr Text Input() { return {Art::kPinLabel}; }
constexpr Text Label(const char* text) { return {Art::kLabel, 0, text}; }
constexpr Text Participant(int index) { return {Art::kParticipant, index}; }

constexpr const char* S = T::kMarkSwitch;
constexpr const char* R = T::kMarkSpeed;
constexpr const char* M = T::kMarkMixer;
constexpr const char* P = T::kParticipantsLabel;

// The texts of each kind's symbol from text 6 onwards, in the order of their ids in "Translate.tmp", named after the
// kind's row of the function types.
namespace symbol_texts {
constexpr Text kAnalogfunc[] = {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(R)};
constexpr Text kAnfHeizung[] = {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)};
constexpr Text kAnfWarmwasser[] = {Input(), Pin(), Pin(), Input(), Pin(), Pin(), Pin(), Label(S), Pin(), Label(R)};
constexpr Text kFuncKontrolle[] = {Pin(), Pin(), Input(), Pin(), Label(S), Pin(), Label(S)};
constexpr Text kHzkrReg[] = {Input(), Input(), Input(), Pin(), Pin(), Pin(), Input(), Pin(), Pin(), Pin(), Pin(), Pin(),
    Label(S), Pin(), Label(M)};
constexpr Text kKesselkaskade[] = {Input(), Input(), Input(), Pin(), Pin(), Label(P), Participant(0), Participant(1),
    Participant(2), Participant(3), Participant(4), Participant(5), Pin(), Pin(), Pin(), Pin(), Label(T::kBoilerA),
    Pin(), Pin(), Label(S), Label(T::kBoilerB), Pin(), Pin(), Label(S), Label(T::kBoilerC), Pin(), Pin(), Label(S)};
constexpr Text kKuehlfunc[] = {Input(), Pin(), Pin(), Pin(), Label(R), Pin(), Label(S)};
constexpr Text kLadepumpe[] = {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)};
constexpr Text kLogikfunc[] = {Input(), Input(), Input(), Input(), Input(), Input(), Input(), Pin(), Label(S), Pin(),
    Label(S)};
constexpr Text kMischerReg[] = {Input(), Pin(), Pin(), Pin(), Pin(), Label(M)};
constexpr Text kPID_Regelung[] = {Input(), Pin(), Pin(), Pin(), Pin(), Label(T::kEventControl), Pin(), Pin(), Pin(),
    Pin(), Pin(), Label(R)};
constexpr Text kProfilfunc[] = {Input(), Pin(), Input(), Input(), Input(), Input(), Pin(), Pin(), Pin(), Label(S)};
constexpr Text kSchaltuhr[] = {Input(), Input(), Pin(), Pin(), Label(S)};
constexpr Text kSolarregelung[] = {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)};
constexpr Text kSolarvorrang[] = {Input(), Pin(), Label(P), Participant(0), Participant(1), Participant(2),
    Participant(3), Participant(4), Participant(5), Participant(6), Participant(7), Participant(8), Participant(9),
    Pin(), Label(S)};
constexpr Text kStartfunc[] = {Input(), Pin(), Pin(), Label(P), Participant(0), Participant(1), Participant(2),
    Participant(3), Participant(4), Participant(5), Participant(6), Participant(7), Participant(8), Participant(9),
    Pin(), Label(S)};
constexpr Text kSync[] = {Input(), Pin(), Pin(), Pin(), Label(S)};
constexpr Text kTimer[] = {Input(), Input(), Pin(), Pin(), Label(S), Pin(), Label(S)};
constexpr Text kVergleich[] = {Input(), Pin(), Pin(), Pin(), Label(S), Pin(), Label(S)};
constexpr Text kWMZ[] = {Input(), Pin(), Pin(), Pin(), Input(), Pin(), Pin(), Pin()};
constexpr Text kWartungsfunc[] = {Input(), Label(P), Participant(0), Participant(1), Participant(2), Participant(3),
    Participant(4), Pin(), Label(S), Pin(), Label(R)};
constexpr Text kZaehler[] = {Input(), Input(), Input(), Input(), Input(), Input(), Input(), Input(), Pin()};
constexpr Text kZirkulation[] = {Input(), Pin(), Pin(), Pin(), Pin(), Pin(), Pin(), Label(S)};
}  // namespace symbol_texts

struct FunktionsArt {
    int typeCode;
    const char* title;            // the symbol's title, framed by two blanks on each side
    std::span<const Text> texts;  // texts 6 onwards
};

// One per function type, from its row: a type without its title or its texts does not compile.
#define FUNKTIONS_ART(name, code, kind, head, outputCount) {texts::kType##name, T::kTitle##name, symbol_texts::k##name},
constexpr FunktionsArt kArten[] = {FUNCTION_TYPE_ROWS(FUNKTIONS_ART)};
#undef FUNKTIONS_ART

const FunktionsArt* FindArt(const CString& kind)
{
    const int code = texts::TypeCodeOfKind(kind.GetString());
    for (const FunktionsArt& art : kArten)
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
