// Templates of the function forms from their tables: one geometry for all kinds, in dialog units.
#include "forms/frame/FormLayout.h"

#include "platform/ResourceRegistry.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"

#include <algorithm>
#include <cstring>

namespace forms {

namespace {

using platform::ControlClass;
using platform::ControlTemplate;
using platform::DialogTemplate;

// The classic form's width: the frame's client area beside the toolbar holds it whole.
constexpr int kWidth = 420;
constexpr int kMargin = 8;
constexpr int kIndent = 20;
constexpr int kCaptionWidth = 76;
constexpr int kControlX = 100;
constexpr int kControlWidth = 70;
constexpr int kUnitX = 174;
constexpr int kRowHeight = 16;
constexpr int kTextHeight = 9;
constexpr int kComboDrop = 120;  // a drop-down's height with its list open
constexpr int kGroupGap = 3;
// An input's box on the input-variable form: its heading and its source line; eight of them fit the frame.
constexpr int kInputBox = 36;
constexpr int kDialogWidth = 220;  // a field dialog: captions, lists and units of one column

constexpr DWORD kStatic = SS_LEFT | WS_GROUP;
constexpr DWORD kCombo = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;

DialogTemplate Form(UINT id)
{
    return DialogTemplate {id, WS_CHILD, {0, 0, kWidth, 0}, "", {"MS Sans Serif", 8}, {}};
}

// The title line in its box, as every function form begins.
void AddTitle(DialogTemplate& t)
{
    t.controls.push_back({ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {kMargin, 4, kWidth - 2 * kMargin, 20}});
    t.controls.push_back({ControlClass::Static, IDC_TITLE, SS_CENTER, {16, 11, kWidth - 32, kTextHeight}});
}

// The designation line of the variable forms: a line break, then name and digit, centred.
int AddDesignationLine(DialogTemplate& t)
{
    t.controls.push_back({ControlClass::Static, IDC_BEZ_NAME, SS_CENTER, {16, 26, kWidth - 32, 18}});
    return 50;
}

const ValueControl* FindValue(std::span<const ValueControl> values, UINT id)
{
    for (const ValueControl& v : values)
        if (v.id == id)
            return &v;
    return nullptr;
}

// The columns of a grid: after a narrow caption, lists of a fixed width; a dash between the second and third.
constexpr int kGridX = kIndent + 24;
constexpr int kGridColumn = 62;
constexpr int kGridWidth = 50;

int GridX(size_t column)
{
    return kGridX + static_cast<int>(column) * kGridColumn + (column >= 2 ? 14 : 0);
}

void AddGridRow(DialogTemplate& t, const LayoutRow& row, int y)
{
    if (row.kind == ControlKind::GridHeader) {
        for (size_t i = 0; i < row.cells.size(); ++i)
            t.controls.push_back(
                {ControlClass::Static, row.cells[i], kStatic, {GridX(i), y + 3, kGridWidth, kTextHeight}});
        return;
    }
    if (row.caption)
        t.controls.push_back({ControlClass::Static, IDC_STATIC_ITEM, kStatic, {kIndent, y + 3, 20, kTextHeight},
                              row.caption});
    for (size_t i = 0; i < row.cells.size(); ++i) {
        t.controls.push_back({ControlClass::ComboBox, row.cells[i], kCombo, {GridX(i), y, kGridWidth, kComboDrop}});
        if (i == 1)
            t.controls.push_back({ControlClass::Static, IDC_STATIC_ITEM, SS_CENTER, {GridX(1) + kGridWidth, y + 3,
                                                                                   GridX(2) - GridX(1) - kGridWidth,
                                                                                   kTextHeight}, "-"});
    }
}

// Where a row's caption, control and unit stand: one column over the whole box, or one of several side by side.
struct Column {
    int captionX = kIndent, captionWidth = kCaptionWidth;
    int controlX = kControlX, controlWidth = kControlWidth;
    int unitX = kUnitX, unitWidth = 40;
};

// Column `k` of `columns` in a box `width` wide: the caption takes what the list and its unit leave.
Column ColumnOf(int k, const LayoutGroup& group, int width)
{
    const int columnWidth = (width - 2 * kIndent) / group.columns;
    const int x = kIndent + k * columnWidth;
    constexpr int kUnit = 16;
    const int caption = columnWidth - group.listWidth - kUnit - 6;
    return {x, caption, x + caption + 2, group.listWidth, x + caption + group.listWidth + 4, kUnit};
}

void AddRow(DialogTemplate& t, const LayoutRow& row, int y, std::span<const ValueControl> values, int width,
            const Column& c)
{
    if (row.kind == ControlKind::Grid || row.kind == ControlKind::GridHeader) {
        AddGridRow(t, row, y);
        return;
    }
    if (row.checkId) {
        // Alone on its line, the check box takes the whole line of its box.
        const int checkWidth = row.kind == ControlKind::None ? width - 2 * kIndent : c.captionWidth;
        t.controls.push_back({ControlClass::Button, row.checkId, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP,
                              {c.captionX, y + 2, checkWidth, 10}, row.caption});
    } else if (row.captionId) {
        const int captionWidth = row.kind == ControlKind::None ? width - 2 * kIndent : c.captionWidth;
        // A caption of two lines starts at the control's top.
        const bool twoLines = row.caption && std::strchr(row.caption, '\n');
        const platform::DialogRect rect = twoLines
                                              ? platform::DialogRect {c.captionX, y - 2, captionWidth, 2 * kTextHeight}
                                              : platform::DialogRect {c.captionX, y + 3, captionWidth, kTextHeight};
        t.controls.push_back({ControlClass::Static, row.captionId, kStatic, rect});
    }
    switch (row.kind) {
    case ControlKind::None:
    case ControlKind::Grid:
    case ControlKind::GridHeader: break;
    case ControlKind::Combo: {
        const ValueControl* value = FindValue(values, row.controlId);
        t.controls.push_back({ControlClass::ComboBox, row.controlId, kCombo, {c.controlX, y, c.controlWidth, kComboDrop},
                              "", value ? value->items.numbers : std::vector<CString> {}});
        break;
    }
    case ControlKind::Button:
        t.controls.push_back({ControlClass::Button, row.controlId, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                              {c.controlX, y, c.controlWidth, 14}, row.buttonText ? row.buttonText : ""});
        break;
    case ControlKind::Radios: {
        // A group without a caption of its own starts where captions do.
        int x = row.captionId ? c.controlX : c.captionX;
        bool first = true;
        for (const RadioButton& radio : row.radios) {
            const DWORD style = BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0);
            t.controls.push_back({ControlClass::Button, radio.id, style, {x, y + 2, radio.width, 10}});
            x += radio.width + 4;
            first = false;
        }
        break;
    }
    case ControlKind::Edit:
    case ControlKind::Digits: {
        const DWORD style = ES_AUTOHSCROLL | ES_RIGHT | WS_BORDER | WS_TABSTOP | WS_GROUP |
                            (row.kind == ControlKind::Digits ? ES_NUMBER : 0);
        t.controls.push_back({ControlClass::Edit, row.controlId, style, {c.controlX, y, c.controlWidth, 12}});
        break;
    }
    }
    if (row.unit || row.unitId)
        t.controls.push_back({ControlClass::Static, row.unitId ? row.unitId : IDC_STATIC_ITEM, kStatic,
                              {c.unitX, y + 3, c.unitWidth, kTextHeight}, row.unit ? row.unit : ""});
}

// A row whose caption has two lines is higher.
int RowHeight(const LayoutRow& row)
{
    return row.captionId && row.caption && std::strchr(row.caption, '\n') ? kRowHeight + 6 : kRowHeight;
}

// The groups of rows one below the other from y, their boxes `width` wide; returns the y below the last.
int AddGroups(DialogTemplate& t, std::span<const LayoutGroup> groups, std::span<const ValueControl> values, int y,
              int width)
{
    for (const LayoutGroup& group : groups) {
        // The first line stands below the box's caption, or below its top line, which a box without a caption
        // draws half a line down as well.
        const int top = group.boxId ? 11 : 7;
        // Rows in columns fill the first column, then the next, on lines of the group's own height.
        const size_t perColumn = (group.rows.size() + group.columns - 1) / std::max(group.columns, 1);
        int height = 0;
        for (size_t start = 0; start < group.rows.size(); start += perColumn) {
            int column = 0;
            for (size_t r = start; r < std::min(start + perColumn, group.rows.size()); ++r)
                column += group.columns > 1 ? group.rowHeight : RowHeight(group.rows[r]);
            height = std::max(height, column);
        }
        height += top + 1;
        t.controls.push_back(
            {ControlClass::Button, group.boxId ? group.boxId : IDC_STATIC_ITEM, BS_GROUPBOX,
             {kMargin, y, width - 2 * kMargin, height}});
        int ry = y + top;
        for (size_t r = 0; r < group.rows.size(); ++r) {
            const LayoutRow& row = group.rows[r];
            if (group.columns > 1) {
                const int k = static_cast<int>(r / perColumn);
                AddRow(t, row, y + top + static_cast<int>(r % perColumn) * group.rowHeight, values, width,
                       ColumnOf(k, group, width));
                continue;
            }
            // A higher row's control stands in the middle of its caption's lines.
            const int extra = RowHeight(row) - kRowHeight;
            AddRow(t, row, ry + extra / 2, values, width, {});
            ry += RowHeight(row);
        }
        y += height + kGroupGap;
    }
    return y;
}

// A head of its own: its box with the group's buttons and the designations button, then the name and digit lists;
// returns the y below it.
int AddHead(DialogTemplate& t, const DesignationHead& head, std::vector<CString> digits, int y)
{
    t.controls.push_back({ControlClass::Button, head.boxId, BS_GROUPBOX, {kMargin, y, kWidth - 2 * kMargin, 44}});
    int x = kControlX;
    bool first = true;
    for (const RadioButton& radio : head.groupRadios) {
        const DWORD style = BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0);
        t.controls.push_back({ControlClass::Button, radio.id, style, {x, y + 13, radio.width, 10}});
        x += radio.width + 4;
        first = false;
    }
    t.controls.push_back({ControlClass::Button, IDC_BEZ_VERWALTEN, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          {kUnitX + 34, y + 11, 18, 13}, ui::kDesignationManage});
    t.controls.push_back(
        {ControlClass::Static, head.nameCaptionId, kStatic, {kIndent, y + 30, kCaptionWidth, kTextHeight}});
    t.controls.push_back(
        {ControlClass::ComboBox, IDC_BEZ_NAME, kCombo, {kControlX, y + 27, kControlWidth, kComboDrop}});
    t.controls.push_back(
        {ControlClass::ComboBox, IDC_BEZ_ZIFFER, kCombo, {kUnitX, y + 27, 30, kComboDrop}, "", std::move(digits)});
    return y + 44 + kGroupGap;
}

}  // namespace

DialogTemplate ParamTemplate(UINT id, std::span<const LayoutGroup> groups, std::span<const ValueControl> values,
                             const DesignationHead* head)
{
    DialogTemplate t = Form(id);
    AddTitle(t);
    std::vector<CString> digits = {""};
    for (int d = 1; d <= 9; ++d)
        digits.push_back(CString(static_cast<char>('0' + d)));
    if (head) {
        int y = AddGroups(t, head->above, values, 28, kWidth);
        y = AddHead(t, *head, std::move(digits), y);
        t.rect.cy = AddGroups(t, groups, values, y, kWidth) + kMargin;
        return t;
    }
    t.controls.push_back({ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {kMargin, 28, kWidth - 2 * kMargin, 42}});
    t.controls.push_back(
        {ControlClass::Static, IDC_BEZ_GRUPPE_LABEL, kStatic, {kIndent, 39, kCaptionWidth, kTextHeight}});
    t.controls.push_back({ControlClass::ComboBox, IDC_BEZ_GRUPPE, kCombo, {kControlX, 36, kControlWidth, 60}});
    t.controls.push_back({ControlClass::Static, IDC_BEZ_LABEL, kStatic, {kIndent, 55, kCaptionWidth, kTextHeight}});
    t.controls.push_back({ControlClass::ComboBox, IDC_BEZ_NAME, kCombo, {kControlX, 52, kControlWidth, kComboDrop}});
    t.controls.push_back(
        {ControlClass::ComboBox, IDC_BEZ_ZIFFER, kCombo, {kUnitX, 52, 30, kComboDrop}, "", std::move(digits)});
    t.controls.push_back({ControlClass::Button, IDC_BEZ_VERWALTEN, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          {kUnitX + 34, 52, 18, 13}, ui::kDesignationManage});

    t.rect.cy = AddGroups(t, groups, values, 76, kWidth) + kMargin;
    return t;
}

DialogTemplate DialogTemplateOf(UINT id, std::span<const LayoutGroup> groups, std::span<const ValueControl> values)
{
    DialogTemplate t {id, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, {0, 0, kDialogWidth, 0}, "",
                      {"MS Sans Serif", 8}, {}};
    const int y = AddGroups(t, groups, values, 7, kDialogWidth);
    t.controls.push_back({ControlClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
                          {kDialogWidth / 2 - 60, y + 4, 50, 14}});
    t.controls.push_back(
        {ControlClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, {kDialogWidth / 2 + 10, y + 4, 50, 14}});
    t.rect.cy = y + 26;
    return t;
}

DialogTemplate VarInTemplate(UINT id, std::span<const InputRow> inputs, const ParticipantLists* participants,
                             int places)
{
    DialogTemplate t = Form(id);
    AddTitle(t);
    int y = AddDesignationLine(t);
    // Up to eight inputs: the heading above the source line. More stand in lower boxes, the heading left of the
    // source line, so that all of them fit the frame.
    const bool beside = inputs.size() > 8;
    const int box = beside ? 28 : kInputBox;
    const int x = beside ? 114 : 0;  // the source line's shift to the right
    for (const InputRow& in : inputs) {
        t.controls.push_back(
            {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {kMargin, y, kWidth - 2 * kMargin, box}});
        // The heading begins with a line break: its text stands on the second line, below the box's top line. A
        // heading of its own lines starts lower.
        const int headingY = in.headingFormat ? y + 5 : y + 2;
        t.controls.push_back({ControlClass::Static, in.headingId, kStatic, {16, headingY, beside ? 110 : 160, 18}});
        const int line = beside ? y + 12 : y + box - 13;
        t.controls.push_back({ControlClass::Static, in.sourceLabelId, kStatic, {x + 16, line, 28, kTextHeight}});
        t.controls.push_back({ControlClass::Static, in.kindTextId, kStatic, {x + 46, line, 56, kTextHeight}});
        t.controls.push_back({ControlClass::Static, in.numberTextId, kStatic, {x + 104, line, 18, kTextHeight}});
        t.controls.push_back(
            {ControlClass::Static, in.variableTextId, kStatic, {x + 124, line, beside ? 80 : 94, kTextHeight}});
        // With a unit text after it, the list moves left to make room.
        const int shift = (in.unitId ? 24 : 0) + (beside ? 14 : 0);
        if (in.modeLabelId)
            t.controls.push_back(
                {ControlClass::Static, in.modeLabelId, kStatic, {x + 222 - shift, line, 30, kTextHeight}});
        if (in.modeComboId)
            t.controls.push_back({ControlClass::ComboBox, in.modeComboId, kCombo,
                                  {x + 254 - shift, line - 3, 54, in.unitId ? 120 : 60}});
        if (in.unitId)
            t.controls.push_back({ControlClass::Static, in.unitId, kStatic, {x + 288 - shift + 24, line, 24, kTextHeight}});
        y += box + 1;
    }
    if (participants) {
        // The count, then the places in two columns of up to five.
        const int rows = (static_cast<int>(participants->listIds.size()) + 1) / 2;
        const int height = 40 + rows * kRowHeight;
        t.controls.push_back(
            {ControlClass::Button, IDC_STATIC_ITEM, BS_GROUPBOX, {kMargin, y, kWidth - 2 * kMargin, height}});
        t.controls.push_back({ControlClass::Static, participants->countLabelId, kStatic,
                              {16, y + 11, 150, kTextHeight}});
        const ParticipantLists& p = *participants;
        t.controls.push_back({ControlClass::ComboBox, p.countComboId, kCombo, {170, y + 8, 40, kComboDrop}, "",
                              resources::NumberList(p.firstCount, places, p.countBlanks).items});
        t.controls.push_back({ControlClass::Static, participants->listsLabelId, kStatic,
                              {16, y + 27, 150, kTextHeight}});
        for (size_t k = 0; k < participants->listIds.size(); ++k) {
            const int column = static_cast<int>(k) / rows;
            const int row = static_cast<int>(k) % rows;
            t.controls.push_back({ControlClass::ComboBox, participants->listIds[k], kCombo,
                                  {16 + column * 148, y + 38 + row * kRowHeight, 140, kComboDrop}});
        }
        y += height + kGroupGap;
    }
    t.rect.cy = y + kMargin;
    return t;
}

DialogTemplate VarOutTemplate(UINT id, std::span<const OutputGroup> groups, const OutputPages* pages)
{
    constexpr int kColumns = 4;
    constexpr int kBoxRow = 14;
    DialogTemplate t = Form(id);
    AddTitle(t);
    int y = AddDesignationLine(t);
    if (pages) {
        t.controls.push_back({ControlClass::Tab, pages->tabId, WS_TABSTOP | WS_GROUP,
                              {kMargin, y, kWidth - 2 * kMargin, 14}});
        y += 18;
    }
    const DWORD boxStyle = BS_AUTOCHECKBOX | WS_GROUP | (pages ? WS_TABSTOP : WS_DISABLED);
    for (const OutputGroup& group : groups) {
        const int rows = (static_cast<int>(group.boxes.size()) + kColumns - 1) / kColumns;
        const int height = 14 + rows * kBoxRow;
        t.controls.push_back(
            {ControlClass::Button, group.boxId, BS_GROUPBOX, {kMargin, y, kWidth - 2 * kMargin, height}});
        for (size_t i = 0; i < group.boxes.size(); ++i) {
            const int column = static_cast<int>(i) % kColumns;
            const int row = static_cast<int>(i) / kColumns;
            t.controls.push_back({ControlClass::Button, group.boxes[i].id, boxStyle,
                                  {kIndent + column * 72, y + 12 + row * kBoxRow, 68, 10}});
        }
        y += height + kGroupGap;
    }
    t.rect.cy = y + kMargin;
    return t;
}

void EnsureTemplate(UINT id, const std::function<DialogTemplate()>& make)
{
    platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    if (!registry.Dialog(id))
        registry.AddDialog(make());
}

}  // namespace forms
