// The message forms in the window model, on a working copy whose slot 2 holds the message: what the type enables,
// the two cause lists and what shows for a cause beyond its list, the group and cause handlers, the input modes and
// the four pages of output flags, and a run whose object no message slot carries.
#include "StoreTestFolder.h"

#include "forms/plant/CMeldung.h"
#include "forms/plant/CMeldungVarIn.h"
#include "forms/plant/CMeldungVarOut.h"
#include "link/StartContext.h"
#include "platform/CFrameWnd.h"
#include "resources/PlantIds.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "store/CParaDaten.h"
#include "store/MeldungParam.h"
#include "support/TestDriver.h"

#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using platform::TestDriver;

constexpr int kObjectId = 400;
constexpr BYTE kSlot = 2;  // slot 1 is free: a message slot is found by its object id

class MeldungFormTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }
    void TearDown() override
    {
        if (m_frame)
            m_frame->DestroyWindow();
        m_frame = nullptr;
        g_pMeldung = nullptr;
        StoreTestFolder::TearDown();
    }

    // The working copy with the message of `slotId` in slot 2, then the trio as the shell makes it and the
    // parameter form's first activation.
    void Open(const MeldungParam& start, int slotId = kObjectId)
    {
        if (m_frame)
            m_frame->DestroyWindow();
        CParaDaten::ReleaseFiles();
        {
            CParaDaten para;
            ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
            ASSERT_TRUE(para.SetMeldungId(CParaDaten::kWorkFile, kSlot, slotId));
            ASSERT_TRUE(para.SetMeldungNr(CParaDaten::kWorkFile, kSlot, 0));
            ASSERT_TRUE(para.SetUserBezeichnung(CParaDaten::kWorkFile, 3, "POMPA"));
            ASSERT_TRUE(para.SetMeldung(CParaDaten::kWorkFile, kSlot, start));
            m_committed = ReadFile("para/para.par");
        }
        m_run.start.id = kObjectId;
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Message form test"));
        m_frame->ShowWindow(SW_SHOW);
        const UINT ids[3] = {IDW_FORM_PARAMETER, IDW_FORM_VARIN, IDW_FORM_VAROUT};
        const forms::FunctionFormFactories trio = forms::FormsOfMeldung();
        CView* views[3] = {trio.parameters(), trio.inputs(), trio.outputs()};
        for (int k = 0; k < 3; ++k) {
            if (auto* user = dynamic_cast<UsesRunContext*>(views[k]))
                user->UseRunContext(&m_run);
            ASSERT_TRUE(views[k]->Create(nullptr, "morv9274 View", WS_VISIBLE, CRect(0, 0, 0, 0), m_frame, ids[k]));
            if (k == 0)
                trio.publish(views[k]);
            views[k]->SendMessage(WM_INITIALUPDATE);
        }
        m_form = g_pMeldung;
        m_varIn = views[1];
        m_varOut = views[2];
        m_form->OnActivateView(TRUE, m_form, nullptr);
    }
    MeldungParam Record() const
    {
        MeldungParam m;
        std::memcpy(&m, m_form->Record(), sizeof m);
        return m;
    }
    static MeldungParam Message(BYTE type, BYTE group, BYTE cause, BYTE number)
    {
        MeldungParam m;
        m.type = type;
        m.group = group;
        m.index = cause;
        m.digit = number;
        return m;
    }

    // Every file of the test folder with its bytes.
    std::map<std::string, std::string> Files() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder))
            if (entry.is_regular_file()) {
                const std::string path = std::filesystem::relative(entry.path(), m_folder).string();
                files[path] = ReadFile(path);
            }
        return files;
    }

    TestDriver m_driver;
    CFrameWnd* m_frame = nullptr;
    RunContext m_run;  // the run's object is the message's drawing object
    CMeldung* m_form = nullptr;
    CView* m_varIn = nullptr;
    CView* m_varOut = nullptr;
    std::string m_committed;
};

TEST_F(MeldungFormTest, TheTypeEnablesTheCauseAndEachGroupHasItsList)
{
    const struct {
        const char* what;
        MeldungParam start;
        int causes;     // items of the cause list
        int cause;      // its selection
        int number;     // the number list's selection
        bool used;      // group buttons, cause list and alarm box enabled
        bool numbered;  // number list enabled
        bool manage;    // "..." enabled
        int alarm;
        const char* line;  // the variable forms' designation line
    } cases[] = {
        {"not used: nothing to choose", Message(0, 0, 4, 2), 12, -1, -1, false, false, false, 0, ""},
        {"a default cause with its number", Message(2, 0, 4, 2), 12, 4, 2, true, true, false, 0, "\nSonda 2"},
        {"a user designation", Message(1, 1, 3, 0), 17, 3, 0, true, true, true, 0, "\nPOMPA"},
        {"no cause: no number", Message(4, 0, 0, 5), 12, 0, 0, true, false, false, 0, "\n------------"},
        {"a cause beyond the user list", Message(3, 1, 17, 7), 17, 0, 0, true, false, true, 0, "\n------------"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MeldungParam start = c.start;
        start.alarm = 1;
        Open(start);
        const std::vector<CString> causes = m_driver.Items(*m_form, IDC_BEZ_NAME);
        ASSERT_EQ(causes.size(), static_cast<size_t>(c.causes));
        EXPECT_EQ(causes[0], "------------");
        EXPECT_EQ(causes[1], c.causes == 12 ? "Circolatione" : " 1 - - - - -");
        EXPECT_EQ(causes.back(), c.causes == 12 ? "Rete" : "16 - - - - -");
        EXPECT_EQ(m_driver.CurSel(*m_form, IDC_BEZ_NAME), c.cause);
        EXPECT_EQ(m_driver.CurSel(*m_form, IDC_BEZ_ZIFFER), c.number);
        EXPECT_EQ(m_driver.CurSel(*m_form, IDC_MELDUNG_TYP), c.start.type);
        for (const UINT id : {IDC_MELDUNG_GRUPPE_DEFAULT, IDC_MELDUNG_GRUPPE_USER, IDC_BEZ_NAME, IDC_MELDUNG_WARNTON})
            EXPECT_EQ(m_driver.Enabled(*m_form, id), c.used) << id;
        EXPECT_EQ(m_driver.Enabled(*m_form, IDC_BEZ_ZIFFER), c.numbered);
        EXPECT_EQ(m_driver.Enabled(*m_form, IDC_BEZ_VERWALTEN), c.manage);
        EXPECT_EQ(m_driver.Check(*m_form, IDC_MELDUNG_WARNTON), c.used ? 1 : 0);
        EXPECT_EQ(m_driver.Check(*m_form, IDC_MELDUNG_GRUPPE_USER), c.used && c.start.group == 1 ? 1 : 0);
        EXPECT_EQ(m_driver.Check(*m_form, IDC_MELDUNG_GRUPPE_DEFAULT), c.used && c.start.group == 0 ? 1 : 0);
        EXPECT_EQ(m_form->DesignationLine(), c.line);
    }
}

TEST_F(MeldungFormTest, HandlersStoreTypeGroupCauseNumberAndAlarm)
{
    Open(Message(0, 0, 4, 2));
    // A type makes the message used; the cause it had shows at once.
    ASSERT_TRUE(m_driver.Select(*m_form, IDC_MELDUNG_TYP, 3));
    EXPECT_EQ(Record().type, 3);
    EXPECT_TRUE(m_driver.Enabled(*m_form, IDC_BEZ_NAME));
    EXPECT_EQ(m_driver.CurSel(*m_form, IDC_BEZ_NAME), 4);
    // The group already chosen changes nothing; the other clears cause and number and brings its list.
    ASSERT_TRUE(m_driver.Click(*m_form, IDC_MELDUNG_GRUPPE_DEFAULT));
    EXPECT_EQ(Record().index, 4);
    EXPECT_EQ(Record().digit, 2);
    ASSERT_TRUE(m_driver.Click(*m_form, IDC_MELDUNG_GRUPPE_USER));
    EXPECT_EQ(Record().group, 1);
    EXPECT_EQ(Record().index, 17);  // no cause, as the repair says it
    EXPECT_EQ(Record().digit, 0);
    EXPECT_EQ(m_driver.Items(*m_form, IDC_BEZ_NAME).size(), 17u);
    EXPECT_FALSE(m_driver.Enabled(*m_form, IDC_BEZ_ZIFFER));
    EXPECT_TRUE(m_driver.Enabled(*m_form, IDC_BEZ_VERWALTEN));
    ASSERT_TRUE(m_driver.Select(*m_form, IDC_BEZ_NAME, 3));
    ASSERT_TRUE(m_driver.Select(*m_form, IDC_BEZ_ZIFFER, 9));
    EXPECT_EQ(Record().index, 3);
    EXPECT_EQ(Record().digit, 9);
    EXPECT_EQ(m_form->DesignationLine(), "\nPOMPA 9");
    // Back to "none": cause and number go together.
    ASSERT_TRUE(m_driver.Select(*m_form, IDC_BEZ_NAME, 0));
    EXPECT_EQ(Record().index, 17);
    EXPECT_EQ(Record().digit, 0);
    ASSERT_TRUE(m_driver.Click(*m_form, IDC_MELDUNG_WARNTON));
    EXPECT_EQ(Record().alarm, 1);
    ASSERT_TRUE(m_driver.Click(*m_form, IDC_MELDUNG_WARNTON));
    EXPECT_EQ(Record().alarm, 0);
    // Not used again: everything but the type is out of reach, the record keeps its cause.
    ASSERT_TRUE(m_driver.Select(*m_form, IDC_MELDUNG_TYP, 0));
    EXPECT_FALSE(m_driver.Enabled(*m_form, IDC_MELDUNG_GRUPPE_USER));
    EXPECT_FALSE(m_driver.Select(*m_form, IDC_BEZ_NAME, 2));
    EXPECT_EQ(Record().group, 1);
    EXPECT_EQ(m_form->DesignationLine(), "");
}

TEST_F(MeldungFormTest, InputModesGoIntoTheRecordAtOnce)
{
    MeldungParam start = Message(1, 0, 1, 0);
    start.release = {0, 0, 1};
    start.activate = {0, 1, 0};
    start.cancel = {0, 0, 0};
    Open(start);
    m_varIn->OnActivateView(TRUE, m_varIn, m_form);
    const MeldungInputIds* ids = kMeldungInputIds;
    EXPECT_EQ(m_driver.Text(*m_varIn, ids[0].heading), "\nRILASCIO MESSAG.:");
    EXPECT_EQ(m_driver.Text(*m_varIn, ids[2].heading), "\nCANCEL MESSAG.:");
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(m_driver.Text(*m_varIn, ids[k].kind), "Utente") << k;
        EXPECT_EQ(m_driver.Text(*m_varIn, ids[k].modeLabel), "Stato:") << k;
        EXPECT_EQ(m_driver.Items(*m_varIn, ids[k].mode), (std::vector<CString>{"OFF", "ON"})) << k;
    }
    EXPECT_EQ(m_driver.CurSel(*m_varIn, ids[0].mode), 1);
    ASSERT_TRUE(m_driver.Select(*m_varIn, ids[0].mode, 0));
    ASSERT_TRUE(m_driver.Select(*m_varIn, ids[2].mode, 1));
    const MeldungParam r = Record();
    EXPECT_EQ(r.release.number, 0);
    EXPECT_EQ(r.cancel.number, 1);
    EXPECT_EQ(r.activate.inverted, 1);  // an unconnected input's pick sets its fixed state only
    EXPECT_EQ(r.activate.number, 0);
}

TEST_F(MeldungFormTest, EachPageOfOutputFlagsIsASetOfItsOwn)
{
    MeldungParam start = Message(2, 0, 1, 0);
    start.normalOn[0] = 1;
    start.errorRelease[15] = 1;
    Open(start);
    m_varOut->OnActivateView(TRUE, m_varOut, m_form);
    EXPECT_EQ(m_driver.Items(*m_varOut, IDC_MELDUNG_PAGES),
              (std::vector<CString>{"<normale ON>", "<dominante ON>", "<dominante OFF>", "<Rilascio Errore?>"}));
    EXPECT_EQ(m_driver.Text(*m_varOut, IDC_MELDUNG_OUTPUT_GROUP), "Mess. Attivo - Uscita");
    EXPECT_EQ(m_driver.Text(*m_varOut, 1413), "U 16 (=analog)");
    const UINT box1 = 1028, box3 = 1048, box16 = 1413;
    EXPECT_TRUE(m_driver.Enabled(*m_varOut, box3));
    EXPECT_EQ(m_driver.Check(*m_varOut, box1), 1);
    // Output 3 on page "dominante OFF": that set alone.
    ASSERT_TRUE(m_driver.Select(*m_varOut, IDC_MELDUNG_PAGES, 2));
    EXPECT_EQ(m_driver.Check(*m_varOut, box1), 0);
    ASSERT_TRUE(m_driver.Click(*m_varOut, box3));
    MeldungParam r = Record();
    EXPECT_EQ(r.dominantOff[2], 1);
    EXPECT_EQ(r.normalOn[2] + r.dominantOn[2] + r.errorRelease[2], 0);
    EXPECT_EQ(r.normalOn[0], 1);
    // Each page shows its own flags again.
    const struct {
        int page;
        UINT box;
        int checked;
    } shown[] = {{0, box1, 1}, {0, box3, 0}, {1, box3, 0}, {3, box16, 1}, {2, box3, 1}, {2, box16, 0}};
    for (const auto& s : shown) {
        ASSERT_TRUE(m_driver.Select(*m_varOut, IDC_MELDUNG_PAGES, s.page));
        EXPECT_EQ(m_driver.Check(*m_varOut, s.box), s.checked) << s.page << " " << s.box;
    }
    ASSERT_TRUE(m_driver.Click(*m_varOut, box3));
    r = Record();
    EXPECT_EQ(r.dominantOff[2], 0);
    EXPECT_EQ(r.errorRelease[15], 1);
}

// No message slot carries the object: the form shows an unused message, and its save ends the process as a cancel
// does, without writing any file and without a command for the drawing tool.
TEST_F(MeldungFormTest, ASaveOfAnObjectWithoutASlotEndsAsACancel)
{
    Open(Message(2, 0, 4, 2), 999);
    EXPECT_TRUE(m_form->ReadFailed());
    EXPECT_EQ(m_driver.CurSel(*m_form, IDC_MELDUNG_TYP), 0);
    EXPECT_FALSE(m_driver.Enabled(*m_form, IDC_BEZ_NAME));
    ASSERT_TRUE(m_driver.Select(*m_form, IDC_MELDUNG_TYP, 1));
    ASSERT_TRUE(m_driver.Select(*m_form, IDC_BEZ_NAME, 3));
    const std::map<std::string, std::string> before = Files();
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(m_form->SaveAndExit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Files(), before);
    EXPECT_TRUE(m_driver.MessageBoxes().empty());
}

}  // namespace
