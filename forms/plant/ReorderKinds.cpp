// The two reordering lists: the functions of the used slots and the eight message slots. The first save reads every
// slot and writes nothing when a read fails; every save rewrites the slots from what that first read found, so a save
// that failed halfway is retried from the slots as they were.
#include "forms/plant/CReorderForm.h"

#include "drawing/StoreDrawingReader.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/MeldungParam.h"
#include "texts/CTexte.h"

#include <array>

CFuncOrder* g_pFuncOrder = nullptr;
CMeldungOrder* g_pMeldungOrder = nullptr;

IMPLEMENT_DYNCREATE(CFuncOrder, CReorderForm)
IMPLEMENT_DYNCREATE(CMeldungOrder, CReorderForm)

namespace {

constexpr int kWorkFile = CParaDaten::kWorkFile;
constexpr BYTE kFuncSlots = 44;
constexpr BYTE kMeldungSlots = 8;
constexpr BYTE kMeldungKind = 98;

// ---- functions: the used slots from slot 1 up to the first free one ----

std::vector<CString> ReadFunctionRows()
{
    std::vector<CString> rows;
    CParaDaten para;
    CTexte texte;
    for (BYTE slot = 1; slot <= kFuncSlots; ++slot) {
        FuncEntry entry;
        if (!para.GetFuncEntry(kWorkFile, slot, entry) || entry.type == 0 || entry.type == 0xFF)
            break;
        rows.push_back(texte.GetFunktionsName(kWorkFile, slot));
    }
    return rows;
}

// What moves with a function: its drawing object id, its table entry (with the function number) and its record.
struct FunctionSlot {
    int id = -1;
    std::array<BYTE, 8> entry {};
    std::array<BYTE, 128> record {};
};

ReorderKind::Rewrite ReadFunctionSlots(size_t count)
{
    CParaDaten para;
    std::vector<FunctionSlot> snapshot(count);
    for (size_t i = 0; i < count; ++i) {
        const BYTE slot = static_cast<BYTE>(i + 1);
        if (!para.GetFuncId(kWorkFile, slot, snapshot[i].id) ||
            !para.ReadFuncRaw(kWorkFile, slot, snapshot[i].entry.data(), snapshot[i].record.data()))
            return {};
    }
    return [snapshot](const std::vector<int>& order) {
        if (order.size() != snapshot.size())
            return false;
        CParaDaten para;
        for (size_t p = 0; p < order.size(); ++p) {
            const BYTE slot = static_cast<BYTE>(p + 1);
            const FunctionSlot& moved = snapshot[static_cast<size_t>(order[p] - 1)];
            if (!para.SetFuncId(kWorkFile, slot, moved.id) ||
                !para.WriteFuncRaw(kWorkFile, slot, moved.entry.data(), moved.record.data()))
                return false;
        }
        return true;
    };
}

// ---- messages: all eight slots, free ones included ----

std::vector<CString> ReadMeldungRows()
{
    std::vector<CString> rows;
    drawing::StoreDrawingReader reader;
    CParaDaten para;
    para.UseDrawing(&reader);
    CTexte texte;
    for (BYTE slot = 1; slot <= kMeldungSlots; ++slot) {
        MeldungParam message;
        para.GetMeldung(kWorkFile, slot, message, true);
        CString text = ui::kMsgOrderFree;
        if (message.type >= 1 && message.type <= 4) {
            CString digit;
            if (message.digit >= 1 && message.digit <= 9)
                digit.Format("%d", message.digit);
            text.Format(ui::kMsgOrderRow, ui::kMsgOrderTypes[message.type - 1],
                        texte.GetMeldungBezeichnung(kWorkFile, message).GetString(), digit.GetString());
        }
        rows.push_back(text);
    }
    return rows;
}

struct MeldungSlot {
    int id = -1;
    BYTE number = 0xFF;
    std::array<BYTE, 16> record {};
};

ReorderKind::Rewrite ReadMeldungSlots(size_t count)
{
    if (count != kMeldungSlots)
        return {};
    CParaDaten para;
    std::vector<MeldungSlot> snapshot(kMeldungSlots);
    for (size_t i = 0; i < kMeldungSlots; ++i) {
        const BYTE slot = static_cast<BYTE>(i + 1);
        MeldungSlot& s = snapshot[i];
        if (!para.GetMeldungId(kWorkFile, slot, s.id) || !para.ReadMeldungRaw(kWorkFile, slot, s.record.data()))
            return {};
        s.number = para.GetMeldungNr(kWorkFile, slot);
        // A message with an object but no number could not be read.
        if (s.id > 0 && s.number == 0xFF)
            return {};
    }
    LoggingListen logging;
    const bool haveLogging = para.GetLoggingListen(kWorkFile, logging);
    return [snapshot, haveLogging, logging](const std::vector<int>& order) {
        if (order.size() != kMeldungSlots)
            return false;
        CParaDaten para;
        for (size_t p = 0; p < kMeldungSlots; ++p) {
            const BYTE slot = static_cast<BYTE>(p + 1);
            const MeldungSlot& moved = snapshot[static_cast<size_t>(order[p] - 1)];
            if (!para.SetMeldungId(kWorkFile, slot, moved.id) || !para.SetMeldungNr(kWorkFile, slot, moved.number) ||
                !para.WriteMeldungRaw(kWorkFile, slot, moved.record.data()))
                return false;
        }
        if (!haveLogging)
            return true;
        // The logging lists name a message by its slot: each reference follows its message. A number outside the
        // eight slots names no message and stays as it is.
        BYTE newSlot[kMeldungSlots + 1] = {};
        for (size_t p = 0; p < kMeldungSlots; ++p)
            newSlot[order[p]] = static_cast<BYTE>(p + 1);
        auto follow = [&](Quelle& source) {
            if (source.kind == kMeldungKind && source.number >= 1 && source.number <= kMeldungSlots)
                source.number = newSlot[source.number];
        };
        LoggingListen moved = logging;
        for (LoggingListen::Datensatz& set : moved.sets) {
            for (Quelle& source : set.analog)
                follow(source);
            for (Quelle& source : set.digital)
                follow(source);
        }
        return para.SetLoggingListen(kWorkFile, moved);
    };
}

const ReorderKind kFunctionOrder {IDD_FUNC_ORDER,     IDC_FUNCORDER_GROUP, IDC_FUNCORDER_LIST, ui::kFuncOrderTitle,
                                  ui::kFuncOrderGroup, ui::kFuncOrderColumn, ReadFunctionRows,  ReadFunctionSlots};
const ReorderKind kMeldungOrder {IDD_MELDUNG_ORDER, IDC_MSGORDER_GROUP,  IDC_MSGORDER_LIST, ui::kMsgOrderTitle,
                                 ui::kMsgOrderGroup, ui::kMsgOrderColumn, ReadMeldungRows,   ReadMeldungSlots};

}  // namespace

CFuncOrder::CFuncOrder() : CReorderForm(kFunctionOrder) {}

CMeldungOrder::CMeldungOrder() : CReorderForm(kMeldungOrder) {}
