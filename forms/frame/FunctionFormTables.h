// The tables a function type gives the function form frame: what its three forms show, which record field each
// control edits and how, its inputs and outputs. The frame's base classes (FunctionParamForm, FunctionVarInForm,
// FunctionVarOutForm) do everything else; a kind's own classes hold these tables and only what a table cannot say.
//
// Record fields are named by offsetof: FORM_FIELD(MischerRegParam, difference) is the field's offset and size, and
// a bit field of a wider word adds its width (FORM_BITS). The record itself is the catalog's
// (store/FunctionTypes.h): read, written and repaired through the type's row.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace forms {

// A stored number of the decoded record.
struct Field {
    unsigned offset = 0;
    unsigned size = 1;      // 1, 2 or 4 bytes, host byte order
    unsigned bits = 0;      // the low `bits` bits of the word; 0 the whole word
    bool isSigned = false;  // a signed byte or word
    unsigned shift = 0;     // a bit field starts at this bit of the word
};

#define FORM_FIELD(Record, member)                                                                                     \
    ::forms::Field {                                                                                                   \
        static_cast<unsigned>(offsetof(Record, member)), static_cast<unsigned>(sizeof(std::declval<Record&>().member)) \
    }
#define FORM_SIGNED(Record, member)                                                \
    ::forms::Field {                                                               \
        static_cast<unsigned>(offsetof(Record, member)),                           \
            static_cast<unsigned>(sizeof(std::declval<Record&>().member)), 0, true \
    }
#define FORM_BITS(Record, member, n)                                         \
    ::forms::Field {                                                         \
        static_cast<unsigned>(offsetof(Record, member)),                     \
            static_cast<unsigned>(sizeof(std::declval<Record&>().member)), n \
    }

// `n` bits from bit `at` of the word.
#define FORM_BITS_AT(Record, member, n, at)                                                         \
    ::forms::Field {                                                                                \
        static_cast<unsigned>(offsetof(Record, member)),                                            \
            static_cast<unsigned>(sizeof(std::declval<Record&>().member)), n, false, at             \
    }

long ReadField(const BYTE* record, const Field& field);
// Writes the value into the field; a bit field keeps the word's other bits.
void WriteField(BYTE* record, const Field& field, long value);

// ---- The type ----

struct FunctionKind {
    int code;               // the catalog's type code; its row gives the record, the templates and the kind name
    const char* title;      // spaced title of the three forms
    bool reshowOnActivate;  // the parameter form shows the record again on every later activation
    // The types whose participant lists (the catalog's participants of their rows) may name a function of this
    // kind: the save sends this function's designation to every participant pin of theirs that names it.
    std::span<const int> listedBy {};
};

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
    Button,      // a push button in the control column, its text the row's caption; handled by the kind itself
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
    // The unit static's id when the kind changes its text (SetCaption; the unit above its first text); 0 none.
    UINT unitId = 0;
    std::vector<UINT> cells {};  // Grid, GridHeader: the controls of the columns
    // A check box in the caption column, its text the caption, handled by the kind itself: beside the row's control,
    // or over the whole line in a row of kind None.
    UINT checkId = 0;
};

// Lines under a group box (boxId 0: no box).
struct LayoutGroup {
    UINT boxId = 0;
    const char* title = nullptr;
    std::vector<LayoutRow> rows;
};

// ---- Values: which field a control edits ----

// The items of a list: numbers stand in the template, words are inserted at run time.
struct ValueItems {
    std::vector<CString> numbers {};                 // template items (from resources/ValueLists)
    std::span<const char* const> words {};           // run-time items
};

// A control is enabled exactly when the field equals the value (or, with differs, when it does not); a disabled
// list shows no selection.
struct EnableRule {
    bool always = true;
    Field field {};
    long equals = 0;
    bool differs = false;
};

struct ValueControl {
    UINT id;            // the combo, or the first radio button of the group
    Field field;
    long offset = 0;    // stored value = item index + offset
    ValueItems items {};
    EnableRule enable {};
    bool reshow = false;  // a pick shows the record again (the type's repair then acts on it)
    // Radios: the button shown for a stored value beyond the group (index); lists show no selection for one.
    int beyond = 0;
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
    // Its texts and mode list are filled on every activation (the parameter form's mode decides whether the input
    // is in use), not only on the first.
    bool everyActivation = false;
    UINT unitId = 0;  // a unit text after the mode list (an analog input's offset), set by the kind
    bool twoLineHeading = false;  // the name holds its own line break: heading "%s:" without a leading one
};

// The participants an input-variable form chooses, in the fields of the catalog row's participants: how many (a
// count list whose item index is the count minus firstCount) and which function in each place (lists filled once
// from the parameter form's participant list; the places beyond the count hidden). A pick stores at once.
struct ParticipantLists {
    UINT countLabelId;
    const char* countLabel;
    UINT countComboId;
    long firstCount;
    UINT listsLabelId;
    const char* listsLabel;
    std::vector<UINT> listIds;  // places 1 to n, in two columns of up to five
};

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
    Field field {};
    long equals = -1;
    bool fallback = false;
};

struct OutputGroup {
    UINT boxId;
    const char* name;
    std::vector<OutputBox> boxes;
    const char* kind = nullptr;  // the kind of outputs in the title; null "Uscita"
};

// "U n", "U n (=analog)", "U n, n+1" or "nessuno".
CString OutputBoxLabel(const OutputBox& box);

// The 16 boxes of a switching output group: outputs 1 to 16 in fields first .. first + 15, 15 and 16 analog.
std::vector<OutputBox> SixteenOutputs(const UINT (&ids)[16], unsigned firstField);

// The 6 boxes of a speed-controlled output group: outputs 1, 2, 6, 7, 15 and 16 in fields first .. first + 5,
// labelled "U n" without the analog mark.
std::vector<OutputBox> SpeedOutputs(const UINT (&ids)[6], unsigned firstField);

}  // namespace forms
