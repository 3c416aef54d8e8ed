// The drawing evaluation: its checks on hand-made working copies, and the dialog in the window model that shows
// their progress.
#include "DrawingTestSupport.h"

#include "drawing/DrawingServices.h"
#include "evaluation/CZeichnungAuswertenDlg.h"
#include "evaluation/DrawingChecker.h"
#include "evaluation/SlotChanges.h"
#include "link/CSCCmd.h"
#include "platform/CDialog.h"
#include "platform/ResourceRegistry.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "store/NetzEingang.h"
#include "support/TestDriver.h"
#include "texts/DrawingTextServices.h"

#include <cstring>

namespace {

using drawingtest::Doc;
using drawingtest::ReadFile;

std::string Vergleich(int id, int number)
{
    return "<object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>Vergleich$" +
           std::to_string(number) + "</name><groupobject><type>rectangle</type><id>" + std::to_string(id + 1) +
           "</id><name>Biblio-Vers 11</name></groupobject></object>\n";
}

std::string Meldung(int id, int number)
{
    return "<object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>Meldung$" +
           std::to_string(number) + "</name></object>\n";
}

// The protocol's texts of one code, in order.
std::vector<std::string> Texts(int code)
{
    std::vector<std::string> texts;
    std::istringstream in(ReadFile("para/Protokoll.tmp"));
    std::string c, length, text;
    while (std::getline(in, c) && std::getline(in, length) && std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (std::stoi(c) == code) texts.push_back(text);
    }
    return texts;
}

// The step titles the checks report, and their progress, which stays on the bar.
struct RecordingReporter : EvaluationReporter {
    void SetStatus(const char* text) override { statuses.emplace_back(text); }
    void SetProgress(int position) override
    {
        EXPECT_GE(position, 0);
        EXPECT_LE(position, 100);
    }
    std::vector<std::string> statuses;
};

class DrawingCheckerTest : public drawingtest::InTempFolder {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }
    void SetUp() override
    {
        InTempFolder::SetUp();
        m_request = {drawing::Command::Open, "", 0};
        m_run.start.xmlDir = m_folder.string().c_str();
        drawing::SetServices(&m_services);
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
    }
    void TearDown() override
    {
        CParaDaten::ReleaseFiles();
        drawing::SetSlotChanges(nullptr);
        drawing::SetServices(nullptr);
        InTempFolder::TearDown();
    }
    void PutFunc(BYTE slot, int id, int type, BYTE number)
    {
        CParaDaten para;
        BYTE entry[8] = {static_cast<BYTE>(type), 0xFF, 0, number, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        ASSERT_TRUE(para.SetFuncId(CParaDaten::kWorkFile, slot, id));
        ASSERT_TRUE(para.WriteFuncRaw(CParaDaten::kWorkFile, slot, entry, record));
    }
    BYTE Evaluate(const std::string& objects)
    {
        EXPECT_EQ(Parse(Doc(objects)), 0);
        CSCCmd channel(m_run);
        channel.Reset();
        m_reporter.statuses.clear();
        DrawingChecker checker(m_request, &channel, &m_reporter);
        const BYTE verdict = checker.Run();
        m_commands = ReadFile(std::string(channel.GetFileName().GetString()));
        return verdict;
    }
    std::string Slots()
    {
        CParaDaten para;
        std::string all;
        for (BYTE slot = 1; slot <= 44; ++slot) {
            FuncEntry entry;
            int id = -1;
            para.GetFuncEntry(CParaDaten::kWorkFile, slot, entry);
            para.GetFuncId(CParaDaten::kWorkFile, slot, id);
            if (id >= 0) all += std::to_string(slot) + ":" + std::to_string(id) + "/" + std::to_string(entry.number) + " ";
        }
        return all;
    }
    drawing::EvaluationRequest m_request;
    RunContext m_run;  // the export lies in the test folder
    RecordingReporter m_reporter;
    std::string m_commands;
    DrawingTextServices m_services;
};

TEST_F(DrawingCheckerTest, RunsOnceFromItsTimerAndIgnoresEscEnterAndClose)
{
    drawingtest::WriteFile("VORNA.xml", Doc(Vergleich(500, 0)));
    platform::TestDriver driver;
    CSCCmd channel(m_run);
    channel.Reset();
    CZeichnungAuswertenDlg dlg(m_request, &channel);
    bool stillRunning = false;
    CString status, intro;
    driver.WhenDialogRuns([&](CDialog& shown) {
        status = driver.Text(shown, IDC_STATUS_TEXT);
        intro = driver.Text(shown, IDC_EVAL_INTRO);
        driver.PressKey(shown, VK_ESCAPE);
        driver.PressKey(shown, VK_RETURN);
        shown.SendMessage(WM_CLOSE, 0, 0);
        stillRunning = shown.IsRunningModal() && !dlg.HasEvaluated();
    });
    EXPECT_EQ(dlg.Verdict(), CZeichnungAuswertenDlg::kFatal);
    dlg.DoModal();
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(status, "Inizializazzione...");
    EXPECT_EQ(intro, "Accertare e valutare i dati necessari dal disegno:");
    EXPECT_TRUE(dlg.HasEvaluated());
    EXPECT_EQ(dlg.Verdict(), 0);
    EXPECT_EQ(Texts(6), (std::vector<std::string>{"Funzioni: 1 di 44", "Messaggi: 0 di 8"}));
    EXPECT_EQ(Slots(), "1:500/0 ");
}

TEST_F(DrawingCheckerTest, TemplateIsASystemModalDialogWithoutCloseBox)
{
    const platform::DialogTemplate* tpl = platform::ResourceRegistry::Instance().Dialog(IDD_ZEICHNUNG_AUSWERTEN);
    ASSERT_NE(tpl, nullptr);
    EXPECT_EQ(tpl->style & WS_SYSMENU, 0u);
    EXPECT_NE(tpl->style & DS_SYSMODAL, 0u);
    EXPECT_EQ(tpl->rect.cx, 250);
    EXPECT_EQ(tpl->rect.cy, 114);
}

TEST_F(DrawingCheckerTest, SlotsBehindAGapKeepTheirObjects)
{
    // Slot 2 is free: the function of slot 3 still belongs to object 510 and must not get a second slot.
    PutFunc(1, 500, 9, 0);
    PutFunc(3, 510, 9, 1);
    EXPECT_EQ(Evaluate(Vergleich(500, 0) + Vergleich(510, 1)), 0);
    EXPECT_EQ(Slots(), "1:500/0 3:510/1 ");
    EXPECT_EQ(m_commands, "");
    EXPECT_EQ(Texts(6)[0], "Funzioni: 2 di 44");

    // An object gone from behind the gap is deleted, not orphaned.
    EXPECT_EQ(Evaluate(Vergleich(500, 0)), 0);
    EXPECT_EQ(Slots(), "1:500/0 ");
    EXPECT_EQ(Texts(6)[0], "Funzioni: 1 di 44");
}

TEST_F(DrawingCheckerTest, MessageCountIsTakenAfterTheDeletions)
{
    CParaDaten para;
    ASSERT_TRUE(para.SetMeldungId(CParaDaten::kWorkFile, 1, 600));
    ASSERT_TRUE(para.SetMeldungNr(CParaDaten::kWorkFile, 1, 0));
    // A slot with an object but no valid number: deleted, and it never counted as in use.
    ASSERT_TRUE(para.SetMeldungId(CParaDaten::kWorkFile, 2, 610));
    ASSERT_TRUE(para.SetMeldungNr(CParaDaten::kWorkFile, 2, 9));
    EXPECT_EQ(Evaluate(Meldung(600, 0)), 0);
    EXPECT_EQ(Texts(6), (std::vector<std::string>{"Funzioni: 0 di 44", "Messaggi: 1 di 8"}));
    int id = 0;
    para.GetMeldungId(CParaDaten::kWorkFile, 2, id);
    EXPECT_EQ(id, -1);
}

// A function whose object has gone is deleted with the drawing at hand: the clean-up finds the pins of the
// functions that list it.
TEST_F(DrawingCheckerTest, ADeletionSeesTheDrawing)
{
    struct Watching : drawing::SlotChanges {
        bool DeleteFunc(CParaDaten& para, int file, BYTE slot, DrawingCommands* channel) override
        {
            para.WithDrawing([this](DrawingReader& drawing) {
                DrawingReader::PinInfo pin;
                seesObject500 = drawing.GetPin(1, 500, pin);
            });
            return SlotChanges::DeleteFunc(para, file, slot, channel);
        }
        bool seesObject500 = false;
    } watching;
    drawing::SetSlotChanges(&watching);
    PutFunc(1, 500, 9, 0);
    PutFunc(2, 510, 9, 1);
    EXPECT_EQ(Evaluate(Vergleich(500, 0)), 0);
    EXPECT_EQ(Slots(), "1:500/0 ");
    EXPECT_TRUE(watching.seesObject500);
}

TEST_F(DrawingCheckerTest, AFailedCreateIsFatal)
{
    struct Refusing : drawing::SlotChanges {
        bool CreateFunc(CParaDaten&, int, int, int, DrawingCommands*) override { return false; }
    } refusing;
    drawing::SetSlotChanges(&refusing);
    EXPECT_EQ(Evaluate(Vergleich(500, 3)), CZeichnungAuswertenDlg::kFatal);
    EXPECT_EQ(Texts(1), std::vector<std::string> {
                            "Non è stato possibile creare lo slot per l’oggetto \"Vergleich$3\" (ID 500)."});
    EXPECT_EQ(Texts(7).size(), 1u);
    // The evaluation stopped: no message step ran.
    EXPECT_EQ(Texts(6), std::vector<std::string> {"Funzioni: 1 di 44"});
}

TEST_F(DrawingCheckerTest, ConnectionsFileThatCannotBeCreatedStopsTheCommandsThatNeedSources)
{
    std::filesystem::create_directory("para/Connections.tmp");  // a folder in its place
    m_request.command = drawing::CommandFromName("funcview");
    EXPECT_EQ(Evaluate(Vergleich(500, 0)), CZeichnungAuswertenDlg::kFatal);
    EXPECT_EQ(Texts(1), std::vector<std::string> {"Non è stato possibile creare il file \"Connections.tmp\"!"});
    m_request.command = drawing::CommandFromName("open");
    EXPECT_EQ(Evaluate(Vergleich(500, 0)), 0);
}

TEST_F(DrawingCheckerTest, ParamOnAFunctionOnlyMarksTheFaultsOfOtherFunctions)
{
    // Both comparisons lack the source of "Wert a": the other one only sets the mark, the edited one is fatal.
    m_request.command = drawing::CommandFromName("param");
    m_request.kind = "Vergleich";
    m_request.objectId = 510;
    const std::string drawing = Vergleich(500, 0) + Vergleich(510, 1);
    PutFunc(1, 500, 9, 0);
    PutFunc(2, 510, 9, 1);
    EXPECT_EQ(Evaluate(drawing), CZeichnungAuswertenDlg::kFatal | CZeichnungAuswertenDlg::kAndereFunktion);
    EXPECT_EQ(Texts(1).size(), 2u);
    EXPECT_EQ(Texts(7).size(), 1u);  // the abort note only after the edited object

    m_request.objectId = 999;  // an object that is not in the drawing
    EXPECT_EQ(Evaluate(drawing), CZeichnungAuswertenDlg::kFatal);
    EXPECT_EQ(Texts(1), std::vector<std::string> {
                            "Non è stato possibile trovare dati relativi all’oggetto selezionato."});
}

TEST_F(DrawingCheckerTest, MemoryExcessIsAnErrorOnlyForTheCompile)
{
    struct Case {
        const char* command;
        int meters;  // heat meters of 30 variable bytes each
        BYTE verdict;
        std::vector<std::string> errors, warnings;
    };
    const std::string excess = "Il fabbisogno di memoria delle variabili delle funzioni utilizzate eccede di 6 byte! ";
    const Case cases[] = {
        {"funcview", 12, 0, {}, {}},
        {"funcview", 13, CZeichnungAuswertenDlg::kMeldungen, {}, {excess}},
        {"parser", 13, CZeichnungAuswertenDlg::kFatal, {excess}, {}},
        {"open", 13, 0, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.meters));
        ASSERT_TRUE(CParaDaten().CreateEmptyFile(CParaDaten::kWorkFile));
        for (int i = 0; i < c.meters; ++i) PutFunc(static_cast<BYTE>(i + 1), 500 + 10 * i, 12, static_cast<BYTE>(i));
        m_request.command = drawing::CommandFromName(c.command);
        drawingtest::WriteFile("para/Protokoll.tmp", "");
        EXPECT_EQ(DrawingChecker(m_request, nullptr).StepSpeicher(), c.verdict);
        EXPECT_EQ(Texts(1), c.errors);
        EXPECT_EQ(Texts(3), c.warnings);
        if (m_request.command == drawing::Command::Open) continue;
        EXPECT_EQ(Texts(6), (std::vector<std::string>{"Variabili: " + std::to_string(30 * c.meters) + " di 384 byte",
                                                      "Parametri: " + std::to_string(12 * c.meters) + " di 832 byte"}));
        EXPECT_EQ(Texts(7).size(), c.verdict == CZeichnungAuswertenDlg::kFatal ? 1u : 0u);
    }
}

TEST_F(DrawingCheckerTest, NetworkInputsDefinedTwiceStopTheCompile)
{
    {
        CParaDaten para;
        NetzEingang inputs[16] = {};
        inputs[0] = {1, 5, 2};
        inputs[2] = {1, 5, 2};
        ASSERT_TRUE(para.SetNetzEingaengeDigital(CParaDaten::kWorkFile, inputs));
    }
    EXPECT_EQ(DrawingChecker({drawing::Command::FuncView, "", 0}, nullptr).StepNetzEingaenge(), 0);
    EXPECT_EQ(Texts(5).size(), 0u);
    EXPECT_EQ(DrawingChecker({drawing::Command::Parser, "", 0}, nullptr).StepNetzEingaenge(), CZeichnungAuswertenDlg::kFatal);
    // Unused entries (node 0) are alike too, but never reported.
    EXPECT_EQ(Texts(1), std::vector<std::string> {
                            "Le entrate di rete <Digital 1> ed <Digital 3> sono definite per lo stesso parametro."});
    EXPECT_EQ(Texts(7).size(), 1u);
}

TEST_F(DrawingCheckerTest, EachCommandRunsItsSteps)
{
    using C = drawing::Command;
    struct Case {
        C command;
        std::vector<std::string> steps;
    };
    const std::string parse = ui::kEvalParsing, library = ui::kEvalLibraryStatus, functions = ui::kEvalFunctionsTitle,
                      messages = ui::kEvalMessagesTitle, variables = ui::kEvalVariablesTitle,
                      memory = ui::kEvalMemoryTitle, netIn = ui::kEvalNetInputsTitle, netOut = ui::kEvalNetOutputsTitle,
                      requirements = ui::kEvalRequirementsTitle;
    const Case cases[] = {
        {C::Open, {parse, library, functions, messages}},
        {C::Parser, {parse, library, functions, messages, variables, memory, netIn, netOut, requirements}},
        {C::ParaImport, {parse, library, functions, messages, variables, netOut}},
        {C::FuncView, {parse, library, functions, variables, memory}},
        {C::CanLogging, {parse, library, functions, messages, variables, memory}},
        {C::FuncOrder, {parse, library, functions, variables, memory}},
        {C::MsgOrder, {parse, library, messages, variables}},
        {C::OnlineSchema, {parse}},
        {C::New, {parse}},
        {C::Unknown, {parse}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command));
        m_request.command = c.command;
        EXPECT_EQ(Evaluate(Meldung(700, 0)), 0);
        EXPECT_EQ(m_reporter.statuses, c.steps);
    }
    // "param" on an object the drawing lacks stops after its library step.
    m_request = {C::Param, "Vergleich", 999};
    EXPECT_EQ(Evaluate(Meldung(700, 0)), CZeichnungAuswertenDlg::kFatal);
    EXPECT_EQ(m_reporter.statuses, (std::vector<std::string> {parse, ui::kEvalObjectLibraryStatus}));
}

}  // namespace
