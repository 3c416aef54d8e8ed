// The function form frame in the window model, on the mixer control's tables: the designation handlers' rules, the
// enable and no-selection rules of a value list, what a pick stores, and a save that must be refused.
#include "StoreTestFolder.h"

#include "forms/heating/CHzkrReg.h"
#include "forms/heating/CKesselkaskade.h"
#include "forms/heating/CMischerReg.h"
#include "forms/heating/CZirkulation.h"
#include "forms/logic/CWartungsfunc.h"
#include "link/StartContext.h"
#include "platform/CFrameWnd.h"
#include "platform/ResourceRegistry.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "resources/ValueLists.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
#include "store/KesselkaskadeParam.h"
#include "store/MischerRegParam.h"
#include "support/TestDriver.h"
#include "texts/CTexte.h"
#include "texttables/StandardDesignations.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using platform::TestDriver;

constexpr int kObjectId = 200;

struct Start {
    BYTE group, index, digit;
    BYTE setpointKind;  // 0: the form edits the setpoint
};

class FunctionParamFormTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }
    void TearDown() override
    {
        if (m_frame)
            m_frame->DestroyWindow();
        StoreTestFolder::TearDown();
    }

    // A working copy whose slot 1 holds the mixer control of object `slotId`, then the form as the shell makes it
    // and its first activation.
    void Open(const Start& start, int slotId = kObjectId)
    {
        CParaDaten::ReleaseFiles();
        {
            CParaDaten para;
            ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
            ASSERT_TRUE(para.SetFuncEntry(CParaDaten::kWorkFile, 1, FuncEntry {texts::kTypeMischerReg, 0xFF, 0}));
            ASSERT_TRUE(para.SetFuncId(CParaDaten::kWorkFile, 1, slotId));
            MischerRegParam r;
            r.designation = {start.group, start.index, start.digit};
            r.setpoint = {start.setpointKind, 45};
            r.difference = 100;
            r.offAction = kMischerZu;
            ASSERT_TRUE(para.SetUserBezeichnung(CParaDaten::kWorkFile, 1, "CALDAIA"));
            ASSERT_TRUE(para.SetMischerReg(CParaDaten::kWorkFile, 1, r));
            m_committed = ReadCommitted();
        }
        m_run.start.id = kObjectId;
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Function form test"));
        m_frame->ShowWindow(SW_SHOW);
        m_form = new CMischerReg;
        m_form->UseRunContext(&m_run);
        ASSERT_TRUE(
            m_form->Create(nullptr, "morv9274 View", WS_VISIBLE, CRect(0, 0, 0, 0), m_frame, IDW_FORM_PARAMETER));
        g_pMischerReg = m_form;
        m_form->SendMessage(WM_INITIALUPDATE);
        m_form->OnActivateView(TRUE, m_form, nullptr);
    }
    MischerRegParam Record() const
    {
        MischerRegParam r;
        std::memcpy(&r, m_form->Record(), sizeof r);
        return r;
    }
    std::string ReadCommitted() const { return ReadFile("para/para.par"); }

    TestDriver m_driver;
    CFrameWnd* m_frame = nullptr;
    RunContext m_run;  // the run's object is the controller's drawing object
    CMischerReg* m_form = nullptr;
    std::string m_committed;
};

TEST_F(FunctionParamFormTest, DesignationHandlersFollowTheFrameRules)
{
    const struct {
        const char* what;
        Start start;
        UINT control;  // picked
        int index;
        Bezeichnung expected;
        int names;          // items of the name list afterwards
        bool digitEnabled;
        bool manageEnabled;
        const char* line;   // the variable forms' designation line
    } cases[] = {
        {"same group again changes nothing", {0, 1, 2, 0}, IDC_BEZ_GRUPPE, 0, {0, 1, 2}, 3, true, false, "\nREG.M. 2"},
        {"other group clears name and digit", {0, 1, 2, 0}, IDC_BEZ_GRUPPE, 1, {1, 0, 0}, 16, true, true, "\nCALDAIA"},
        {"back to the standard names", {1, 3, 4, 0}, IDC_BEZ_GRUPPE, 0, {0, 0, 0}, 3, false, false, "\n------------"},
        {"no designation forces digit 0", {0, 2, 5, 0}, IDC_BEZ_NAME, 0, {0, 0, 0}, 3, false, false, "\n------------"},
        {"a digit in group 0", {0, 2, 0, 0}, IDC_BEZ_ZIFFER, 7, {0, 2, 7}, 3, true, false, "\nAUM.RT. 7"},
        {"user designation 1 keeps the digit", {1, 5, 3, 0}, IDC_BEZ_NAME, 0, {1, 0, 3}, 16, true, true,
         "\nCALDAIA 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.start);
        ASSERT_TRUE(m_driver.Select(*m_form, c.control, c.index));
        const MischerRegParam r = Record();
        EXPECT_EQ(r.designation.group, c.expected.group);
        EXPECT_EQ(r.designation.index, c.expected.index);
        EXPECT_EQ(r.designation.digit, c.expected.digit);
        EXPECT_EQ(m_driver.Items(*m_form, IDC_BEZ_NAME).size(), static_cast<size_t>(c.names));
        EXPECT_EQ(m_driver.Enabled(*m_form, IDC_BEZ_ZIFFER), c.digitEnabled);
        EXPECT_EQ(m_driver.Enabled(*m_form, IDC_BEZ_VERWALTEN), c.manageEnabled);
        EXPECT_EQ(m_form->DesignationLine(), c.line);
        m_frame->DestroyWindow();
        m_frame = nullptr;
    }
}

TEST_F(FunctionParamFormTest, ASetpointFromASourceIsNeitherShownNorEditable)
{
    Open({0, 1, 0, 1});
    EXPECT_FALSE(m_driver.Enabled(*m_form, 1490));
    EXPECT_EQ(m_driver.CurSel(*m_form, 1490), -1);
    EXPECT_FALSE(m_driver.Select(*m_form, 1490, 3));
    EXPECT_EQ(Record().setpoint.number, 45);
    EXPECT_EQ(m_driver.CurSel(*m_form, 1491), 225);  // code 100 at index 100 + 125
    EXPECT_EQ(m_driver.Text(*m_form, 1491), "  10");
}

TEST_F(FunctionParamFormTest, APickStoresItsField)
{
    Open({0, 1, 0, 0});
    EXPECT_EQ(m_driver.CurSel(*m_form, 1490), 45);
    ASSERT_TRUE(m_driver.Select(*m_form, 1317, 2));
    ASSERT_TRUE(m_driver.Select(*m_form, 1490, 9));
    ASSERT_TRUE(m_driver.Select(*m_form, 1491, 124));
    ASSERT_TRUE(m_driver.Click(*m_form, 1043));
    const MischerRegParam r = Record();
    EXPECT_EQ(r.offAction, 2u);
    EXPECT_EQ(r.setpoint.number, 9);
    EXPECT_EQ(static_cast<signed char>(r.difference), -1);
    EXPECT_EQ(r.inverse, 1);
    EXPECT_EQ(m_driver.Text(*m_form, 1491), "- 0.1");
}

TEST_F(FunctionParamFormTest, ASaveWithoutASlotWarnsWritesNothingAndStays)
{
    // No slot carries the object: the form shows the blank record as repaired and must not write slot 0.
    Open({0, 1, 2, 0}, 999);
    EXPECT_TRUE(m_form->ReadFailed());
    ASSERT_TRUE(m_driver.Select(*m_form, 1317, 2));
    m_form->SaveAndExit();  // returns: the save was refused
    ASSERT_EQ(m_driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_driver.MessageBoxes()[0].caption, messages::CaptionOf(messages::kFunctionSaveFailed));
    EXPECT_EQ(m_driver.MessageBoxes()[0].text, messages::Text(messages::kFunctionSaveFailed));
    EXPECT_EQ(ReadCommitted(), m_committed);
    CParaDaten para;
    MischerRegParam stored;
    ASSERT_TRUE(para.GetMischerReg(CParaDaten::kWorkFile, 1, stored, false));
    EXPECT_EQ(stored.offAction & 0xF, 1u);
}

TEST(FormFieldTest, FieldsReadAndWriteTheirBitsOnly)
{
    const struct {
        record::FieldRef field;
        long written;
        long read;           // what the field then reads
        std::uint32_t word;  // the record's first word afterwards, from 0xA5A5A5A5
    } cases[] = {
        {{.offset = 0, .size = 4, .bits = 4}, 2, 2, 0xA5A5A5A2},     // a 4-bit field keeps the word's other bits
        {{.offset = 0, .size = 4, .bits = 4}, 0x13, 3, 0xA5A5A5A3},  // and takes only its own
        {{.offset = 0, .size = 4, .bits = 2, .shift = 6}, 1, 1, 0xA5A5A565},  // two bits from bit 6
        {{.offset = 0, .size = 1, .isSigned = true}, -125, -125, 0xA5A5A583},
        {{.offset = 1, .size = 1}, 255, 255, 0xA5A5FFA5},
        {{.offset = 0, .size = 2, .isSigned = true}, -2, -2, 0xA5A5FFFE},
        {{.offset = 0, .size = 4, .isSigned = true}, -3, -3, 0xFFFFFFFD},
    };
    for (const auto& c : cases) {
        std::uint32_t word = 0xA5A5A5A5;
        BYTE record[4];
        std::memcpy(record, &word, 4);
        record::WriteField(record, c.field, c.written);
        std::memcpy(&word, record, 4);
        EXPECT_EQ(record::ReadField(record, c.field), c.read) << c.written;
        EXPECT_EQ(word, c.word) << c.written;
    }
}

}  // namespace

// The boiler cascade's save labels the third stage's release pin with the plain pin text while it runs two boilers,
// whatever the release's source; with three boilers the frame's suffix rule applies.
TEST(FormFieldTest, ARangeControlListsExactlyTheRowsRange)
{
    using record::Scale;
    const record::FieldRef byte {"byte", 3, 1};
    const struct {
        record::FieldInfo row;
        std::vector<CString> items;
        long offset;   // stored value of the first item
        bool isSigned;
    } cases[] = {
        {record::Ranged(byte, Scale::Plain, 1, 100, 1), resources::NumberList(1, 100).items, 1, false},
        {record::Ranged(byte, Scale::Plain, 0, 240, 1), resources::NumberList(0, 240).items, 0, false},
        {record::Ranged(byte, Scale::Temperature, 90, 200, 130), resources::NumberList(90, 200).items, 90, false},
        {record::Ranged(byte, Scale::Hysteresis, 5, 115, 80), resources::HysteresisList(5).items, 5, false},
        {record::Ranged(byte, Scale::TimeOfDay, 0, 143, 42), resources::TimeOfDayList().items, 0, false},
        // a difference byte's range wraps: 131 is -125
        {record::Ranged(byte, Scale::Difference, 131, 127, 80), resources::DifferenceList(-125, 127).items, -125,
         true},
    };
    for (const auto& c : cases) {
        const forms::ValueControl control = forms::RangeControl(7, &c.row);
        EXPECT_EQ(control.id, 7u);
        EXPECT_EQ(control.field.offset, 3u);
        EXPECT_EQ(control.field.isSigned, c.isSigned) << c.row.low;
        EXPECT_EQ(control.offset, c.offset) << c.row.low;
        EXPECT_EQ(control.items.numbers, c.items) << c.row.low;
    }
    // A temperature range that reaches below zero reads the byte signed, as the list of such a range counts.
    const record::FieldInfo outside = record::Ranged(byte, Scale::Temperature, 236, 99, 0);
    EXPECT_TRUE(forms::Edits(&outside).isSigned);
    EXPECT_THROW(forms::RangeControl(7, &outside), std::logic_error);
    const record::FieldInfo duration = record::Ranged(byte, Scale::Duration, 0, 251, 1);
    EXPECT_THROW(forms::RangeControl(7, &duration), std::logic_error);
}

TEST(BoilerCascadeLabels, TheThirdStagesReleaseIsPlainWithTwoBoilers)
{
    struct Probe : CKesselkaskade {
        using CKesselkaskade::PrepareLabels;
    };
    const functypes::FunctionType* type = functypes::FindFunctionType(texts::kTypeKesselkaskade);
    ASSERT_NE(type, nullptr);
    const functypes::PinLabel* third = functypes::FindPinLabel(*type, 3);
    ASSERT_NE(third, nullptr);
    const struct {
        BYTE boilers;
        DigitalQuelle release;
        const char* suffix;
    } cases[] = {
        {2, {1, 1, 4}, ""},         {2, {0, 0, 0}, ""},          {2, {0, 0, 1}, ""},
        {3, {1, 1, 4}, " (inv.)"}, {3, {0, 0, 0}, " (OFF)"},    {3, {1, 0, 4}, ""},
    };
    for (const auto& c : cases) {
        KesselkaskadeParam r;
        r.boilerCount = c.boilers;
        r.release3 = c.release;
        std::vector<BYTE> record(sizeof r);
        std::memcpy(record.data(), &r, sizeof r);
        Probe form;
        form.PrepareLabels(record);
        const DigitalQuelle* q = reinterpret_cast<const DigitalQuelle*>(record.data() + third->field);
        CString label;
        CTexte::AppendPinSuffix(label, q->kind, functypes::ShowsNoFixedValue(*third, record) ? 1 : 0, q->inverted,
                                q->number);
        EXPECT_EQ(std::string(label.GetString()), c.suffix) << int(c.boilers) << " " << int(c.release.kind);
    }
}

// The unit statics that the forms' control tables name carry their ids: a static of the unit's text on the line of
// its list, right of it.
TEST(FormTemplateUnits, TheMinuteUnitsBesideTheirListsCarryTheirIds)
{
    resources::RegisterResources();
    const struct {
        const char* kind;
        std::function<CView*()> make;
        BYTE type;
        UINT list;
        UINT unit;
    } cases[] = {
        {"heating-circuit controller", [] { return new CHzkrReg; }, texts::kTypeHzkrReg, 1161, 1344},
        {"circulation", [] { return new CZirkulation; }, texts::kTypeZirkulation, 1268, 1755},
        {"maintenance function", [] { return new CWartungsfunc; }, texts::kTypeWartungsfunc, 1451, 1728},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<CView> form(c.make());
        const functypes::FunctionType* type = functypes::FindFunctionType(c.type);
        ASSERT_NE(type, nullptr);
        const platform::DialogTemplate* dialog =
            platform::ResourceRegistry::Instance().Dialog(static_cast<UINT>(type->forms.parameters));
        ASSERT_NE(dialog, nullptr);
        const platform::ControlTemplate* list = nullptr;
        const platform::ControlTemplate* unit = nullptr;
        for (const platform::ControlTemplate& control : dialog->controls) {
            if (control.id == c.list)
                list = &control;
            if (control.id == c.unit)
                unit = &control;
        }
        ASSERT_NE(list, nullptr);
        ASSERT_NE(unit, nullptr) << "no control " << c.unit;
        EXPECT_EQ(unit->cls, platform::ControlClass::Static);
        EXPECT_EQ(std::string(unit->text.GetString()), "Min");
        EXPECT_GT(unit->rect.x, list->rect.x);
        EXPECT_LT(unit->rect.y - list->rect.y, 8);
    }
}
