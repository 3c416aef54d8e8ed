// The tables a function type gives the function form frame: what its three forms show, which record field each
// control edits and how, its inputs and outputs. The frame's base classes (FunctionParamForm, FunctionVarInForm,
// FunctionVarOutForm) do everything else; a kind's own classes hold these tables and only what a table cannot say.
//
// Record fields are record::FieldRef, named with the store's macros: RECORD_FIELD(MischerRegParam, inverse) is the
// field's offset and size, a signed one RECORD_SIGNED, a bit field of a wider word RECORD_BITS. The record itself
// is the catalog's (store/FunctionTypes.h): read, written and repaired through the type's row, unless the kind
// brings a record access of its own (a message's record is no function's).
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "store/FieldInfo.h"

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

class CParaCheck;
class CParaDaten;

namespace forms {

// ---- The type ----

// How the three forms reach their record in the parameter set: the templates, the decoded record's size, the object
// kind (pin texts), the slot of the run's object and the record's read, write, blank state and repair. A function
// type's row of the catalog gives all of it; a kind whose record is no function's fills one of its own.
struct RecordAccess {
    int parameters, inputs, outputs;  // the form templates; outputs 0 for none
    size_t size;                      // bytes of the decoded record
    const char* kind;                 // object kind of the drawing
    // The slot that holds the drawing object's record; 0 for none.
    BYTE (*findSlot)(CParaDaten& para, int file, int objectId);
    // False, record untouched, when the slot cannot be read; with complete the drawing completes the sources.
    bool (*read)(CParaDaten& para, int file, BYTE slot, BYTE* record, bool complete);
    bool (*write)(CParaDaten& para, int file, BYTE slot, const BYTE* record);
    void (*blank)(BYTE* record);  // the record before any read
    void (*check)(CParaCheck& check, int file, BYTE* record, BYTE keepLowBit);
};

struct FunctionKind {
    int code;               // the catalog's type code; its row gives the record, the templates and the kind name
    const char* title;      // spaced title of the three forms
    bool reshowOnActivate;  // the parameter form shows the record again on every later activation
    const RecordAccess* access = nullptr;  // null: the catalog row of code
};

// The kind's record access: its own, or the one the catalog row of its code gives. Throws for a code the catalog
// does not know.
const RecordAccess& AccessOf(const FunctionKind& kind);

// ---- Layout: the rows a form template is generated from ----

enum class ControlKind : BYTE {
    None,     // a caption alone (a heading line)
    Combo,    // drop-down list
    Radios,   // a radio group, its buttons side by side
    Edit,     // a right-aligned edit field for a typed number (the kind handles its EN_CHANGE)
    Digits,   // the same, taking typed digits only
    Grid,        // a row of drop-down lists (cells), in the grid's columns, handled by the kind itself; its caption
                 // stands in the template before the first column
    GridHeader,  // the statics above the grid's columns (cells), set by the kind at run time
    Button,      // a push button (its text the row's buttonText) after the row's caption, if any
};

struct RadioButton {
    UINT id;
    const char* text;
    int width = 56;  // dialog units; the next button follows 4 units after it
};

// One line of a form: a caption, the control it labels and the unit after it.
struct LayoutRow {
    UINT captionId = 0;  // static set at run time; 0 none
    const char* caption = nullptr;
    UINT controlId = 0;
    ControlKind kind = ControlKind::None;
    const char* unit = nullptr;          // a fixed unit text beside the control; null none
    std::vector<RadioButton> radios {};  // Radios: the group, the first button carrying its id
    // The unit static's id when its text changes (a value control's unit rule or the kind's SetCaption); 0 none.
    UINT unitId = 0;
    std::vector<UINT> cells {};  // Grid, GridHeader: the controls of the columns
    // A check box in the caption column, its text the caption, handled by the kind itself: beside the row's control,
    // or over the whole line in a row of kind None.
    UINT checkId = 0;
    const char* buttonText = nullptr;  // Button: its text
};

// A push button, with a caption static before it (captionId 0: none).
inline LayoutRow ButtonRow(UINT id, const char* text, UINT captionId = 0, const char* caption = nullptr)
{
    return {captionId, caption, id, ControlKind::Button, nullptr, {}, 0, {}, 0, text};
}

// A caption, its drop-down list and a fixed unit (null none).
inline LayoutRow ComboRow(UINT captionId, const char* caption, UINT controlId, const char* unit = nullptr)
{
    return {captionId, caption, controlId, ControlKind::Combo, unit};
}

// Lines under a group box (boxId 0: no box).
struct LayoutGroup {
    UINT boxId = 0;
    const char* title = nullptr;
    std::vector<LayoutRow> rows;
    // Rows side by side: the first column is filled first, each row `rowHeight` dialog units high, each list of a
    // narrow fixed width after its caption.
    int columns = 1;
    int rowHeight = 16;
    int listWidth = 44;
};

// ---- Values: which field a control edits ----

// The items of a list: numbers stand in the template, words are inserted at run time.
struct ValueItems {
    std::vector<CString> numbers {};                 // template items (from resources/ValueLists)
    std::span<const char* const> words {};           // run-time items
};

// A control is enabled exactly when the field equals the value (or, with differs, when it does not), and the
// further rule holds too; a disabled list shows no selection.
struct EnableRule {
    bool always = true;
    record::FieldRef field {};
    long equals = 0;
    bool differs = false;
    const EnableRule* also = nullptr;
};

bool RuleHolds(const EnableRule& rule, const BYTE* record);

struct ValueControl {
    UINT id;            // the combo, the first radio button of the group, or a row's check box (0 or 1 + offset)
    record::FieldRef field;
    long offset = 0;    // stored value = item index + offset
    ValueItems items {};
    EnableRule enable {};
    bool reshow = false;  // a pick shows the record again (the type's repair then acts on it)
    // Radios: the button shown for a stored value beyond the group (index); lists show no selection for one.
    int beyond = 0;
    // A unit static (the layout row's unitId) whose text follows the stored value, set on every show and pick.
    const char* (*unit)(long value) = nullptr;
};

// The field a control edits when the record's field table has a row for it: the row's field, read signed where
// the row's scale orders the byte signed (a difference, a signed number, a temperature range below zero).
constexpr record::FieldRef Edits(const record::FieldInfo* row)
{
    record::FieldRef field = row->field;
    const bool belowZero = row->scale == record::Scale::Temperature && row->low > row->high;
    if (field.size == 1 &&
        (row->scale == record::Scale::Difference || row->scale == record::Scale::Signed || belowZero))
        field.isSigned = true;
    return field;
}

// The rows of a record's field table, found when the program is compiled: Rows::Row(offsetof(R, member)) does not
// compile when the table has no row for the member. A form names the row rather than state the field again.
//
//     using Rows = FieldTable<record::kMischerRegFields>;
//     RangeControl(IDC_MISCHER_DIFFERENCE, Rows::Row(offsetof(R, difference))),
template <const auto& table>
struct FieldTable {
    static consteval const record::FieldInfo* Row(unsigned offset) { return record::RowAt(table, offset); }
};

// A list of exactly the row's range, item index = the value's place in it: numbers for a plain number or a
// temperature range of 0 deg C and above, hysteresis texts, times of day, difference texts (signed). Throws for a
// scale (or a temperature range below zero) the forms show no such list of.
ValueControl RangeControl(UINT id, const record::FieldInfo* row, EnableRule enable = {}, bool reshow = false);

// A list of the full temperature difference code (index = signed code + 128) on a signed byte; with reshow a
// pick shows the record again, so the repair puts a switch-off difference on its side at once.
ValueControl DifferenceControl(UINT id, record::FieldRef field, bool reshow, EnableRule enable = {});

// "Sec" for time bytes up to 90, "Min" up to 156, "Ore" beyond.
const char* TimeByteUnit(long value);

// The button that opens the time-program dialog on the record's programs: the first program offered, the number
// of choices, and the offsets of the programs in use, the windows per program, the setpoint flag and the block.
struct TimeProgramButton {
    UINT id;
    BYTE first;
    BYTE choices;
    unsigned programsField, windowsField, setpointField, blockField;
};

// The designation part of a parameter form whose record is no function's (a function's form takes the function
// head: the group list 1770, the type's standard names or the 16 user designations, in bytes 0 to 2). In a group
// box of its own: the group's radio buttons (index = group) with the designations button after them, then the name
// list with its digit list. Every group's list begins with item 0 "none"; a name beyond the list shows item 0.
struct DesignationHead {
    record::FieldRef group, name, digit;
    UINT boxId;
    const char* boxTitle;
    std::vector<RadioButton> groupRadios;
    UINT nameCaptionId;
    const char* nameCaption;
    CString (*item)(BYTE group, BYTE index);  // the text of a group's list item
    BYTE lastName[2];                         // the last item of each group's list
    // While the rule fails, the designation is out of use: every control of the head disabled, nothing selected,
    // and the variable forms' designation line is empty.
    EnableRule inUse {};
    std::span<const LayoutGroup> above {};  // rows between the title and the head
};

// ---- Input-variable form ----

enum class InputKind : BYTE { Digital, Analog };

enum class ModeRule : BYTE {
    FixedState,  // unconnected: the combo sets the fixed state; connected: the inverted flag
    Optional,    // unconnected: the combo does nothing (hidden where hideUnconnected says so)
};

struct InputRow {
    const char* name;
    int number = 0;  // numbered heading "\n%s %d:" when not 0
    UINT headingId;
    UINT sourceLabelId;  // "Fonte:"
    InputKind kind;
    unsigned kindField;      // offsets of the source kind, inverted flag and number (or fixed state)
    unsigned invertedField;  // Digital only
    unsigned numberField;
    BYTE notUsed;  // what an unconnected input shows: 1 "non usato", 0 its fixed state or nothing
    UINT kindTextId, numberTextId, variableTextId;
    UINT modeLabelId = 0;  // Digital only
    UINT modeComboId = 0;
    ModeRule rule = ModeRule::FixedState;
    bool hideUnconnected = false;  // an unconnected input's mode combo is hidden and its mode label empty
    // The offset of a field whose 0 makes the input "not used" (notUsed 1), else notUsed 0; -1 the fixed notUsed.
    int notUsedWhenZero = -1;
    // The heading's format with the name; null "\n%s:" (or "\n%s %d:" with a number). A heading of its own lines
    // ("%s:") stands lower in its box, below the box's frame.
    const char* headingFormat = nullptr;
    // While the rule fails the input is out of use: "Utente", "non usato", no mode. Looked at on every activation,
    // so a change on the parameter form shows at once; an input in use is filled again then.
    EnableRule inUse {};
    UINT unitId = 0;  // a unit text after the mode list (an analog input's offset), set by the kind
};

// The participants an input-variable form chooses, in the fields of the catalog row's participants: how many (a
// count list of the numbers firstCount to the row's count, its item index the count minus firstCount) and which
// function in each place (lists filled once from the parameter form's participant list; the places beyond the count
// hidden, those up to firstCount always shown). A pick stores at once.
struct ParticipantLists {
    UINT countLabelId;
    const char* countLabel;
    UINT countComboId;
    long firstCount;
    UINT listsLabelId;
    const char* listsLabel;
    std::vector<UINT> listIds;  // places 1 to n, in two columns of up to five
    int countBlanks = 3;        // blanks before a one-digit number of the count list
};

// An analog input with the not-used flag 0: heading, "Fonte:", kind, number and variable texts; the number field
// follows the kind field.
inline InputRow AnalogInput(const char* name, UINT heading, UINT source, unsigned kindField, UINT kind, UINT number,
                            UINT variable)
{
    return {name, 0, heading, source, InputKind::Analog, kindField, 0, kindField + 1, 0, kind, number, variable};
}

// ---- Output-variable form ----

enum class BoxLabel : BYTE {
    Single,  // "U n"
    Analog,  // "U n (=analog)"
    Pair,    // "U n, n+1"
    None,    // "nessuno"
};

// A box is checked when its field holds `equals` (or, with equals -1, anything but 0); a fallback box when no other
// box of its group is.
struct OutputBox {
    UINT id;
    BoxLabel label;
    int output;  // controller output number n of the label
    record::FieldRef field {};
    long equals = -1;
    bool fallback = false;
};

struct OutputGroup {
    UINT boxId;
    const char* name;
    std::vector<OutputBox> boxes;
    const char* kind = nullptr;  // the kind of outputs in the title; null "Uscita"
};

// Pages of a tab control over an output-variable form's boxes: the same boxes show and edit each page's flags, the
// fields of a page `shift` bytes beyond the boxes' own. With pages the boxes are enabled and a click stores at once.
struct OutputPage {
    const char* name;  // the tab's text "<name>"
    unsigned shift;
};
struct OutputPages {
    UINT tabId;
    std::vector<OutputPage> pages;
};

// "U n", "U n (=analog)", "U n, n+1" or "nessuno".
CString OutputBoxLabel(const OutputBox& box);

// The boxes of outputs 1 to 16 in the first switching output group of a form.
inline constexpr UINT kSwitchingOutputBoxes[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                                                   1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};
// The boxes of outputs 1 to 16 in the second switching output group of a form.
inline constexpr UINT kSecondOutputBoxes[16] = {1251, 1253, 1255, 1257, 1259, 1261, 1263, 1266,
                                                1269, 1271, 1273, 1275, 1278, 1511, 1281, 1282};

// The 16 boxes of a switching output group: outputs 1 to 16 in fields first .. first + 15, 15 and 16 analog.
std::vector<OutputBox> SixteenOutputs(const UINT (&ids)[16], unsigned firstField);

// The 6 boxes of a speed-controlled output group: outputs 1, 2, 6, 7, 15 and 16 in fields first .. first + 5,
// labelled "U n" without the analog mark.
std::vector<OutputBox> SpeedOutputs(const UINT (&ids)[6], unsigned firstField);

}  // namespace forms
