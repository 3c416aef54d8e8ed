// The synchronisation's parameter form: its tables for the function form frame, the window grid by window kind,
// and the factories of its forms.
#include "forms/logic/CSync.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CSyncVarIn.h"
#include "forms/logic/CSyncVarOut.h"

#include "platform/CDataExchange.h"
#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/SyncParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Sync)

namespace {

using namespace forms;
using R = SyncParam;
using Rows = FieldTable<record::kSyncFields>;

constexpr UINT kCount = 1332;
constexpr UINT kMode = 1484;
constexpr UINT kRepetition = 1485;
constexpr UINT kFirstCell = 1110;  // window k's boxes are kFirstCell + 4k .. + 3
constexpr UINT kLastCell = 1129;
constexpr UINT kFirstHeader = 1130;
constexpr int kWindows = 5;
constexpr unsigned kFirstWindowByte = offsetof(R, windows);

LayoutRow GridRow(int window, const char* caption)
{
    const UINT first = kFirstCell + static_cast<UINT>(window) * 4;
    return {0, caption, 0, ControlKind::Grid, nullptr, {}, 0, {first, first + 1, first + 2, first + 3}};
}

const std::vector<LayoutGroup> kLayout = {
    {0,
     nullptr,
     {{1682, ui::kSyncCountLabel, kCount, ControlKind::Combo},
      {1476, ui::kSyncModeLabel, kMode, ControlKind::Combo},
      {0, nullptr, kRepetition, ControlKind::Combo}}},
    {0,
     nullptr,
     {{0,
       nullptr,
       0,
       ControlKind::GridHeader,
       nullptr,
       {},
       0,
       {kFirstHeader, kFirstHeader + 1, kFirstHeader + 2, kFirstHeader + 3}},
      GridRow(0, "1:"),
      GridRow(1, "2:"),
      GridRow(2, "3:"),
      GridRow(3, "4:"),
      GridRow(4, "5:")}},
};

// The kind and the repetition are stored by OnModus, which rebuilds the grid.
const record::FieldRef kModeField = Edits(Rows::Row(offsetof(R, mode)));
const record::FieldRef kOnceField = Edits(Rows::Row(offsetof(R, once)));

const std::vector<ValueControl> kValues = {
    {kCount, Edits(Rows::Row(offsetof(R, windowCount))), 1, {resources::NumberList(1, 5, 2).items}, {}, true},
    {kMode, kModeField, 0, {{}, ui::kSyncModes}},
    {kRepetition, kOnceField, 0, {{}, ui::kSyncRepetition}},
};

// Per window kind: which columns (start A, start B, end A, end B) are used, their lists and captions.
struct KindColumns {
    bool majorUsed, minorUsed;
    int majorFirst, majorLast, minorFirst, minorLast;
    const char* majorCaption;
    const char* minorCaption;
};
constexpr KindColumns kKinds[] = {
    {false, true, 0, 0, 0, 59, ui::kSyncHour, ui::kSyncMinute},
    {true, true, 0, 23, 0, 59, ui::kSyncHour, ui::kSyncMinute},
    {true, false, 1, 31, 0, 0, ui::kSyncDay, ui::kSyncMonth},
    {true, true, 1, 31, 1, 12, ui::kSyncDay, ui::kSyncMonth},
};

bool MinorColumn(int column)
{
    return column % 2 == 1;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSync, FunctionParamForm)
ON_CBN_SELENDOK(kMode, OnModus)
ON_CBN_SELENDOK(kRepetition, OnModus)
ON_CONTROL_RANGE(CBN_SELENDOK, kFirstCell, kLastCell, OnFenster)
END_MESSAGE_MAP()

const forms::FunctionKind CSync::kKind{texts::kTypeSync, ui::kTitleSync, false};

CSync::CSync() : FunctionParamForm({kKind, kLayout, kValues})
{}

void CSync::DoDataExchange(CDataExchange* dx)
{
    FunctionParamForm::DoDataExchange(dx);
    for (size_t i = 0; i < m_grid.size(); ++i)
        DDX_Control(dx, static_cast<int>(kFirstCell + i), m_grid[i]);
}

void CSync::ShowSpecial()
{
    const BYTE* r = Record();
    const long mode = ReadField(r, kModeField);
    const KindColumns& kind = kKinds[mode];
    const int count = r[offsetof(R, windowCount)];
    if (m_refillGrid) {
        for (int column = 0; column < 4; ++column) {
            const bool minor = MinorColumn(column);
            SetDlgItemText(static_cast<int>(kFirstHeader) + column, minor ? kind.minorCaption : kind.majorCaption);
            for (int window = 0; window < kWindows; ++window) {
                CComboBox& box = m_grid[static_cast<size_t>(window * 4 + column)];
                box.ResetContent();
                if (!(minor ? kind.minorUsed : kind.majorUsed))
                    continue;
                const int first = minor ? kind.minorFirst : kind.majorFirst;
                const int last = minor ? kind.minorLast : kind.majorLast;
                for (int v = first; v <= last; ++v)
                    box.InsertString(v - first, resources::PaddedNumber(v));
            }
        }
        m_refillGrid = false;
    }
    for (int window = 0; window < kWindows; ++window) {
        for (int column = 0; column < 4; ++column) {
            const bool minor = MinorColumn(column);
            const bool used = window < count && (minor ? kind.minorUsed : kind.majorUsed);
            CComboBox& box = m_grid[static_cast<size_t>(window * 4 + column)];
            box.EnableWindow(used);
            const int first = minor ? kind.minorFirst : kind.majorFirst;
            box.SetCurSel(used ? r[kFirstWindowByte + static_cast<unsigned>(window * 4 + column)] - first : -1);
        }
    }
    // "unico" for any stored value but 0.
    if (auto* repetition = static_cast<CComboBox*>(GetDlgItem(kRepetition)))
        repetition->SetCurSel(ReadField(r, kOnceField) != 0 ? 1 : 0);
}

void CSync::OnModus()
{
    const auto* mode = static_cast<CComboBox*>(GetDlgItem(kMode));
    const auto* repetition = static_cast<CComboBox*>(GetDlgItem(kRepetition));
    if (mode && mode->GetCurSel() >= 0)
        WriteField(Record(), kModeField, mode->GetCurSel());
    if (repetition && repetition->GetCurSel() >= 0)
        WriteField(Record(), kOnceField, repetition->GetCurSel() != 0 ? 1 : 0);
    m_refillGrid = true;
    ShowRecord(false);
}

void CSync::OnFenster(UINT id)
{
    const int window = static_cast<int>(id - kFirstCell) / 4;
    const KindColumns& kind = kKinds[ReadField(Record(), kModeField)];
    for (int column = 0; column < 4; ++column) {
        // A box without selection (a column the kind does not use) keeps its byte.
        const int index = m_grid[static_cast<size_t>(window * 4 + column)].GetCurSel();
        if (index < 0)
            continue;
        const int first = MinorColumn(column) ? kind.minorFirst : kind.majorFirst;
        Record()[kFirstWindowByte + static_cast<unsigned>(window * 4 + column)] = static_cast<BYTE>(index + first);
    }
    ShowRecord(false);
}
