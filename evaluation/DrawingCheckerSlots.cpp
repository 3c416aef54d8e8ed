// The function and message slots of the working copy follow the drawing: kept slots take the object's current id,
// slots whose object is gone are deleted, new objects get new slots.
#include "evaluation/DrawingChecker.h"

#include "drawing/CZeichnung.h"
#include "drawing/StoreDrawingReader.h"
#include "evaluation/SlotChanges.h"
#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "texts/CTexte.h"

#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int kWork = CParaDaten::kWorkFile;


struct FuncSlot {
    int id = -1;
    int type = 0;
    BYTE number = 255;
    bool matched = false;
};

struct NewFunc {
    int id;
    int type;
    BYTE number;
};

// A function or message object of the drawing, as the protocol names it: kind, "$", number, and its id.
struct SlotObject {
    CString kind;
    int number;
    int id;
};

// The function and message objects of the drawing, in drawing order.
std::vector<SlotObject> SlotObjects(CZeichnung& zeichnung)
{
    std::vector<SlotObject> objects;
    CTexte texte;
    int id = 0;
    int type = 0;
    BYTE number = 0;
    for (int i = 0; zeichnung.GetFuncID(i, id, type, number); ++i)
        objects.push_back({texte.GetFunktionsArt(static_cast<BYTE>(type)), number, id});
    for (int i = 0; zeichnung.GetMeldungID(i, id, number); ++i)
        objects.push_back({CString("Meldung"), number, id});
    return objects;
}

// Slots store and match an object id by its five lowest digits, so two function or message objects whose ids share
// them cannot be told apart: each such object is named beside the first one with its digits. True when any was.
bool ReportSharedIdDigits(CZeichnung& zeichnung, const std::function<void(int, const CString&)>& protokoll)
{
    const std::vector<SlotObject> objects = SlotObjects(zeichnung);
    std::map<int, size_t> first;
    bool found = false;
    for (size_t i = 0; i < objects.size(); ++i) {
        const int digits = CParaDaten::IdDigits(objects[i].id);
        if (digits == 0) continue;  // no slot at all
        auto [at, isNew] = first.emplace(digits, i);
        if (isNew) continue;
        const SlotObject& a = objects[at->second];
        const SlotObject& b = objects[i];
        protokoll(1, CString(platform::FormatC(ui::kEvalSameIdDigits, a.kind.GetString(), a.number, a.id,
                                               b.kind.GetString(), b.number, b.id)));
        found = true;
    }
    return found;
}

}  // namespace

bool DrawingChecker::BeginSlotStep(const char* title, CZeichnung& zeichnung)
{
    SetStatus(title);
    Protokoll(5, title);
    SetProgress(0);
    auto protokoll = [this](int code, const CString& text) { Protokoll(code, text); };
    if (!ReportSharedIdDigits(zeichnung, protokoll))
        return true;
    Protokoll(7, ui::kEvalAborted);
    SetProgress(100);
    return false;
}

BYTE DrawingChecker::StepFunktionen()
{
    if (!Runs(kFunctions)) return 0;
    CParaDaten para;
    CZeichnung zeichnung;
    // A deleted function's participants are cleared in the records as the drawing connects them.
    drawing::StoreDrawingReader reader(zeichnung);
    para.UseDrawing(&reader);
    if (!BeginSlotStep(ui::kEvalFunctionsTitle, zeichnung))
        return kFatal;
    // Every slot that holds an object takes part, wherever it stands in the table: a slot behind a gap that did
    // not take part would keep its id while the object got a second slot.
    FuncSlot slots[kMaxFunktionen + 1];
    for (BYTE s = 1; s <= kMaxFunktionen; ++s) {
        FuncEntry entry;
        para.GetFuncEntry(kWork, s, entry);
        para.GetFuncId(kWork, s, slots[s].id);
        slots[s].type = entry.type;
        slots[s].number = entry.number;
    }
    SetProgress(10);

    std::vector<NewFunc> neue;
    BYTE verdict = 0;
    CTexte texte;
    int objektId = 0;
    int typ = 0;
    BYTE nummer = 0;
    for (int i = 0; zeichnung.GetFuncID(i, objektId, typ, nummer); ++i) {
        // An id with nothing to store (0, a text that is no number, 100000, ...) would get a slot no evaluation
        // could find again: the object gets none.
        if (CParaDaten::IdDigits(objektId) == 0) {
            Protokoll(3, CString(platform::FormatC(ui::kEvalNoUsableId,
                                                   texte.GetFunktionsArt(static_cast<BYTE>(typ)).GetString(), nummer,
                                                   objektId)));
            verdict |= kMeldungen;
            continue;
        }
        FuncSlot* found = nullptr;
        for (int s = 1; s <= kMaxFunktionen && found == nullptr; ++s) {
            FuncSlot& slot = slots[s];
            if (slot.id >= 1 && !slot.matched && slot.type == typ && slot.number == nummer && nummer < 44)
                found = &slot;
        }
        if (found != nullptr) {
            const int s = static_cast<int>(found - slots);
            if (found->id != CParaDaten::IdDigits(objektId)) para.SetFuncId(kWork, static_cast<BYTE>(s), objektId);
            found->matched = true;
        } else {
            neue.push_back({objektId, typ, nummer});
        }
    }

    // From the last slot down, so that a deletion never moves a slot that is still to be deleted. A function whose
    // stored id is 0 or lost belongs to no object and is deleted as one whose object has gone.
    int belegt = 0;
    for (int s = kMaxFunktionen; s >= 1; --s) {
        if (slots[s].id < 0 && slots[s].type == 0) continue;  // free
        if (slots[s].matched) {
            ++belegt;
        } else if (!drawing::GetSlotChanges().DeleteFunc(para, kWork, static_cast<BYTE>(s), m_pChannel)) {
            ++belegt;  // still there
        }
    }
    SetProgress(40);

    const int gesamt = belegt + static_cast<int>(neue.size());
    Protokoll(6, CString(platform::FormatC(ui::kEvalFunctionCount, gesamt, kMaxFunktionen)));
    if (gesamt > kMaxFunktionen) {
        Protokoll(1, CString(platform::FormatC(ui::kEvalTooManyFunctions, kMaxFunktionen, gesamt - kMaxFunktionen)));
        Protokoll(7, ui::kEvalAborted);
        verdict |= kFatal;
    } else {
        for (const NewFunc& neu : neue) {
            if (drawing::GetSlotChanges().CreateFunc(para, kWork, neu.id, neu.type, m_pChannel)) continue;
            Protokoll(1, CString(platform::FormatC(ui::kEvalCreateFailed,
                                                   texte.GetFunktionsArt(static_cast<BYTE>(neu.type)).GetString(),
                                                   neu.number, neu.id)));
            Protokoll(7, ui::kEvalAborted);
            verdict |= kFatal;
            break;
        }
    }
    SetProgress(100);
    return verdict;
}

BYTE DrawingChecker::StepMeldungen()
{
    if (!Runs(kMessages)) return 0;
    CParaDaten para;
    CZeichnung zeichnung;
    if (!BeginSlotStep(ui::kEvalMessagesTitle, zeichnung))
        return kFatal;
    int ids[kMaxMeldungen + 1] = {};
    BYTE nummern[kMaxMeldungen + 1] = {};
    bool matched[kMaxMeldungen + 1] = {};
    for (BYTE s = 1; s <= kMaxMeldungen; ++s) {
        ids[s] = -1;
        para.GetMeldungId(kWork, s, ids[s]);
        nummern[s] = para.GetMeldungNr(kWork, s);
    }
    SetProgress(50);

    std::vector<std::pair<int, BYTE>> neue;
    BYTE verdict = 0;
    int objektId = 0;
    BYTE nummer = 0;
    for (int i = 0; zeichnung.GetMeldungID(i, objektId, nummer); ++i) {
        if (CParaDaten::IdDigits(objektId) == 0) {
            Protokoll(3, CString(platform::FormatC(ui::kEvalNoUsableId, "Meldung", nummer, objektId)));
            verdict |= kMeldungen;
            continue;
        }
        int found = 0;
        for (int s = 1; s <= kMaxMeldungen && found == 0; ++s)
            if (ids[s] > 0 && nummern[s] < kMaxMeldungen && !matched[s] && nummern[s] == nummer) found = s;
        if (found != 0) {
            if (ids[found] != CParaDaten::IdDigits(objektId))
                para.SetMeldungId(kWork, static_cast<BYTE>(found), objektId);
            matched[found] = true;
        } else {
            neue.push_back({objektId, nummer});
        }
    }
    // A message whose stored id is 0 or lost belongs to no object and is freed as one whose object has gone.
    for (BYTE s = 1; s <= kMaxMeldungen; ++s)
        if ((ids[s] > 0 || nummern[s] < 0x80) && !matched[s])
            drawing::GetSlotChanges().DeleteMeldung(para, kWork, s, m_pChannel);

    // Counted afresh: a deleted slot that held no valid number was never in use.
    int belegt = 0;
    for (BYTE s = 1; s <= kMaxMeldungen; ++s) {
        int id = -1;
        para.GetMeldungId(kWork, s, id);
        if (id > 0 && para.GetMeldungNr(kWork, s) < kMaxMeldungen) ++belegt;
    }
    SetProgress(80);

    const int gesamt = belegt + static_cast<int>(neue.size());
    Protokoll(6, CString(platform::FormatC(ui::kEvalMessageCount, gesamt, kMaxMeldungen)));
    if (gesamt > kMaxMeldungen) {
        Protokoll(1, CString(platform::FormatC(ui::kEvalTooManyMessages, kMaxMeldungen, gesamt - kMaxMeldungen)));
        Protokoll(7, ui::kEvalAborted);
        verdict |= kFatal;
    } else {
        for (const auto& [id, nr] : neue) {
            if (drawing::GetSlotChanges().CreateMeldung(para, kWork, id, m_pChannel)) continue;
            Protokoll(1, CString(platform::FormatC(ui::kEvalCreateFailed, "Meldung", nr, id)));
            Protokoll(7, ui::kEvalAborted);
            verdict |= kFatal;
            break;
        }
    }
    SetProgress(100);
    return verdict;
}
