// The main frame of the window commands in the process, driven as a person would through the test driver: the
// toolbar of each command, the forms the verdict switches in, the form switches, the enable rules, the status-bar
// prompts, the about box, the ends of a run and WINDOW.ini.
#include "link/StartContext.h"
#include "platform/CDialog.h"
#include "platform/CFormView.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "platform/FirstActivation.h"
#include "platform/ProcessExit.h"
#include "platform/ResourceRegistry.h"
#include "platform/TextFile.h"
#include "platform/UserInput.h"
#include "platform/WindowData.h"
#include "platform/WindowObserver.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "resources/ToolBarImages.h"
#include "shell/CMainFrame.h"
#include "shell/CMorv9274App.h"
#include "support/TestDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace {

std::vector<std::string> g_activations;
int g_saves = 0;
int g_assigns = 0;

// A form that records its activations, in place of a form of a later issue.
class RecordingForm : public CFormView {
public:
    explicit RecordingForm(const char* name) : CFormView(IDD_MORV9274_FORM), m_name(name) {}
    void OnActivateView(BOOL activate, CView* activated, CView* deactivated) override
    {
        if (activate)
            g_activations.push_back(m_name);
        CFormView::OnActivateView(activate, activated, deactivated);
    }
    std::string m_name;
};

std::vector<std::string> g_fills;

// A form that fills itself on its first activation, as the program's forms do.
class FillingForm : public CFormView, public platform::FirstActivation {
public:
    explicit FillingForm(const char* name) : CFormView(IDD_MORV9274_FORM), m_name(name) {}
    void OnActivateView(BOOL activate, CView* activated, CView* deactivated) override
    {
        if (activate)
            FillOnFirstActivation([this] { g_fills.push_back(m_name); });
        CFormView::OnActivateView(activate, activated, deactivated);
    }
    std::string m_name;
};

// A form whose template does not exist, so its creation fails.
class BrokenForm : public CFormView {
public:
    BrokenForm() : CFormView(9999) {}
};

const FormRow kTrio {"param",
                     {"Heizkreisregler"},
                     IDR_TOOLBAR_FUNKTION,
                     {{FormSlot::Parameter, IDW_FORM_PARAMETER, 1, +[]() -> CView* { return new RecordingForm("P"); }},
                      {FormSlot::VarIn, IDW_FORM_VARIN, 2, +[]() -> CView* { return new RecordingForm("I"); }},
                      {FormSlot::VarOut, IDW_FORM_VAROUT, 3, +[]() -> CView* { return new RecordingForm("O"); }}},
                     FormSlot::Parameter,
                     +[] { ++g_saves; }};

const FormRow kPair {"param",
                     {"Zähler"},
                     IDR_TOOLBAR_FUNKTION,
                     {{FormSlot::Parameter, IDW_FORM_PARAMETER, 1, +[]() -> CView* { return new RecordingForm("P"); }},
                      {FormSlot::VarIn, IDW_FORM_VARIN, 2, +[]() -> CView* { return new RecordingForm("I"); }}},
                     FormSlot::Parameter,
                     +[] { ++g_saves; }};

const FormRow kCompilerPair{"parser",
                            {},
                            IDR_TOOLBAR_COMPILER,
                            {{FormSlot::Compiler, IDW_FORM_FIRST, 1, +[]() -> CView* { return new FillingForm("C"); }},
                             {FormSlot::Export, IDW_FORM_SECOND, 2, +[]() -> CView* { return new FillingForm("X"); }}},
                            FormSlot::Compiler};

const FormRow kInput {"param",
                      {"Eingang"},
                      IDR_TOOLBAR_EINGANG,
                      {{FormSlot::Eingang, IDW_FORM_FIRST, 1, +[]() -> CView* { return new RecordingForm("E"); }}},
                      FormSlot::Eingang,
                      +[] { ++g_saves; },
                      +[] { ++g_assigns; },
                      +[] { ++g_saves; ++g_assigns; }};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("morv-frame-" + std::to_string(getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir / "para");
        setenv("MORV9274_HOME", m_dir.c_str(), 1);
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        m_cwd = cwd;
        ASSERT_EQ(chdir(m_dir.c_str()), 0);
        resources::RegisterResources();
        g_activations.clear();
        g_fills.clear();
        g_saves = 0;
        g_assigns = 0;
        m_app = std::make_unique<CMorv9274App>();
    }
    void TearDown() override
    {
        if (m_app->m_pMainWnd)
            m_app->m_pMainWnd->DestroyWindow();
        platform::ResetQuit();
        m_app.reset();
        EXPECT_EQ(chdir(m_cwd.c_str()), 0);
        unsetenv("MORV9274_HOME");
        std::filesystem::remove_all(m_dir);
    }

    CMainFrame& Start(const char* command, const char* kind, BYTE verdict = 0)
    {
        m_app->GetRunContext().start.cmd = command;
        m_app->GetRunContext().start.name = kind;
        m_app->SetDrawingVerdict(verdict);
        EXPECT_TRUE(m_app->StartMainFrame());
        return *m_app->GetMainFrame();
    }
    CMainFrame& Start(const FormRow& row, BYTE verdict = 0)
    {
        m_app->GetRunContext().start.cmd = row.command;
        m_app->GetRunContext().start.name = row.kinds.empty() ? "" : row.kinds[0];
        m_app->SetDrawingVerdict(verdict);
        EXPECT_TRUE(m_app->StartMainFrame(row));
        return *m_app->GetMainFrame();
    }
    // The form in the frame's pane.
    CView* Shown(CMainFrame& frame) { return dynamic_cast<CView*>(frame.GetDlgItem(AFX_IDW_PANE_FIRST)); }
    std::string Placement() const
    {
        std::string bytes;
        platform::ReadWholeFile((m_dir / "WINDOW.ini").c_str(), bytes);
        return bytes;
    }
    void WritePlacement(const std::string& bytes) const
    {
        ASSERT_TRUE(platform::WriteFileAtomically((m_dir / "WINDOW.ini").c_str(), bytes));
    }

    std::filesystem::path m_dir;
    std::string m_cwd;
    std::unique_ptr<CMorv9274App> m_app;
    platform::TestDriver m_driver;
};

// The loaded toolbar: its commands in order, placeholders as "P", and where the placeholders became separators.
struct LoadedToolBar {
    UINT id = 0;
    std::vector<UINT> buttons;
    std::set<int> placeholders;
};

LoadedToolBar Loaded(CToolBar& bar)
{
    LoadedToolBar loaded;
    loaded.id = bar.GetBitmapId();
    for (int i = 0; i < bar.GetCount(); ++i) {
        if (bar.GetItemID(i) != ID_SEPARATOR)
            loaded.buttons.push_back(bar.GetItemID(i));
        else if (bar.GetImageIndex(i) >= 0)
            loaded.placeholders.insert(i);
    }
    return loaded;
}

TEST_F(MainFrameTest, EachCommandAndKindShowsItsToolbarWithItsGroups)
{
    const struct {
        const char* command;
        const char* kind;
        UINT toolBar;
        std::set<int> placeholders;  // indexes among the loaded entries, separators counted
    } cases[] = {
        {"parser", "", 170, {2, 4, 8, 12}},           {"paraimport", "", 216, {2, 4, 8, 10}},
        {"funcview", "", 171, {4, 8}},                {"canlogging", "", 217, {4, 8}},
        {"funcorder", "", 200, {4, 8}},               {"msgorder", "", 201, {4, 8}},
        {"param", "Sensorstatus", 130, {8, 12}},      {"param", "Eingang", 130, {8, 12}},
        {"param", "Mischer_Ausgang", 131, {8, 12}},   {"param", "Analog_Ausgang", 131, {8, 12}},
        {"param", "Signal_Übernahme", 139, {4, 8}},   {"param", "Netzwerkstatus", 202, {8, 12}},
        {"param", "Netzwerkausgang", 203, {8, 12}},   {"param", "Wärmemengenzähler", 132, {4, 12}},
        {"param", "Meldung", 132, {4, 12}},           {"param", "Heizkreisregler", 132, {4, 12}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.kind);
        CMainFrame& frame = Start(c.command, c.kind);
        LoadedToolBar loaded = Loaded(frame.GetToolBar());
        EXPECT_EQ(loaded.id, c.toolBar);
        EXPECT_EQ(loaded.placeholders, c.placeholders);
        EXPECT_EQ(frame.GetToolBar().GetBarStyle() & CBRS_ALIGN_LEFT, CBRS_ALIGN_LEFT);
        // The toolbar's images hold one picture per button of the resource, placeholders included.
        const platform::Image* image = platform::ResourceRegistry::Instance().GetImage(c.toolBar);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->size, CSize(100 * static_cast<int>(loaded.buttons.size() + loaded.placeholders.size()), 33));
        TearDown();
        SetUp();
    }
}

// The pixels of one button's picture.
std::vector<std::uint32_t> Picture(const platform::Image& image, int index, CSize button)
{
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < button.cy; ++y)
        for (int x = 0; x < button.cx; ++x)
            pixels.push_back(image.At(index * button.cx + x, y));
    return pixels;
}

TEST_F(MainFrameTest, EveryButtonHasAPictureOfItsOwnOnItsToolbar)
{
    ASSERT_TRUE(resources::GlyphsAreWellFormed());
    const platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    for (UINT id : {130u, 131u, 132u, 139u, 170u, 171u, 200u, 201u, 202u, 203u, 216u, 217u}) {
        SCOPED_TRACE(id);
        const platform::ToolBarResource* bar = registry.ToolBar(id);
        const platform::Image* image = registry.GetImage(id);
        ASSERT_NE(bar, nullptr);
        ASSERT_NE(image, nullptr);
        std::vector<std::vector<std::uint32_t>> seen;
        int index = 0;
        for (UINT command : bar->commands) {
            if (command == ID_SEPARATOR)
                continue;
            std::vector<std::uint32_t> picture = Picture(*image, index++, bar->buttonImage);
            const bool blank = std::all_of(picture.begin(), picture.end(), [](std::uint32_t p) { return p == 0; });
            EXPECT_EQ(blank, command == ID_TOOLBAR_PLACEHOLDER) << command;
            if (blank)
                continue;
            EXPECT_EQ(std::find(seen.begin(), seen.end(), picture), seen.end()) << command;
            seen.push_back(picture);
        }
    }
    const platform::Image* icon = registry.GetImage(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->size, CSize(32, 32));
}

TEST_F(MainFrameTest, TheFrameIsShownNormallyTitledWithItsStatusBar)
{
    CMainFrame& frame = Start("funcview", "");
    CString title;
    frame.GetWindowText(title);
    EXPECT_EQ(title, "Vorna - morv9274");
    EXPECT_TRUE(frame.IsWindowVisible());
    EXPECT_FALSE(frame.IsIconic());
    CRect rect;
    frame.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(749, 603));
    const CRect screen = platform::ScreenRect();
    EXPECT_EQ(rect.TopLeft(),
              CPoint(screen.left + (screen.Width() - 749) / 2, screen.top + (screen.Height() - 603) / 2));
    // An empty menu bar: one disabled item without text.
    ASSERT_EQ(frame.GetMenuId(), static_cast<UINT>(IDR_MAINFRAME));
    const std::vector<platform::MenuItem>* menu = platform::ResourceRegistry::Instance().Menu(IDR_MAINFRAME);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->size(), 1u);
    EXPECT_TRUE(menu->front().disabled);
    EXPECT_EQ(menu->front().text, "");
    CStatusBar& bar = frame.GetStatusBar();
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.GetPaneText(0), "Pronto");
    EXPECT_EQ(bar.GetPaneText(1), "UF");
    EXPECT_EQ(bar.GetPaneText(2), "NUM");
    EXPECT_EQ(bar.GetPaneText(3), "RF");
}

TEST_F(MainFrameTest, ACommandWhoseFormsAreNotBuiltShowsTheStartViewAndKeepsTheProtocol)
{
    // A row as the import's would be before its form exists: no factory.
    const FormRow unbuilt {"paraimport", {}, IDR_TOOLBAR_IMPORT, {{FormSlot::Import, IDW_FORM_FIRST, 1}},
                           FormSlot::Import};
    CMainFrame& frame = Start(unbuilt);
    EXPECT_EQ(Shown(frame), m_app->GetForm(FormSlot::StartView));
    ASSERT_NE(m_app->GetForm(FormSlot::Protokoll), nullptr);
    EXPECT_FALSE(m_app->GetForm(FormSlot::Protokoll)->IsWindowVisible());
    EXPECT_EQ(m_app->GetForm(FormSlot::Import), nullptr);
    EXPECT_FALSE(m_driver.ToolbarButtonEnabled(frame, ID_SHOW_IMPORT));
    EXPECT_FALSE(m_driver.ToolbarButtonEnabled(frame, ID_SAVE_AND_CLOSE));
    EXPECT_TRUE(m_driver.ToolbarButtonEnabled(frame, ID_CLOSE_WINDOW));
    EXPECT_TRUE(m_driver.PressToolbarButton(frame, ID_SHOW_PROTOKOLL));
    EXPECT_EQ(Shown(frame), m_app->GetForm(FormSlot::Protokoll));
}

TEST_F(MainFrameTest, TheVerdictDecidesWhichFormsFillThemselvesFirst)
{
    const struct {
        BYTE verdict;
        std::vector<std::string> activated;
        bool protocolShown;
    } cases[] = {
        {0, {"P"}, false},
        {1, {"P"}, true},  // the start form fills itself, then the protocol goes over it
        {4, {}, true},     // only the protocol
        {5, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.verdict));
        CMainFrame& frame = Start(kTrio, c.verdict);
        EXPECT_EQ(g_activations, c.activated);
        EXPECT_EQ(Shown(frame) == m_app->GetForm(FormSlot::Protokoll), c.protocolShown);
        EXPECT_EQ(m_app->IsFirstActivationPending(ProtocolFormEntry().firstActivation), !c.protocolShown);
        EXPECT_EQ(m_app->GetCurrentPage(), c.protocolShown ? 1 : 0);
        // Every form exists, hidden but the shown one, each with an id of its own.
        std::set<int> ids;
        for (FormSlot slot : {FormSlot::StartView, FormSlot::Protokoll, FormSlot::Parameter, FormSlot::VarIn,
                              FormSlot::VarOut}) {
            CView* form = m_app->GetForm(slot);
            ASSERT_NE(form, nullptr);
            ids.insert(form->GetDlgCtrlID());
            EXPECT_EQ(form->IsWindowVisible() != FALSE, form == Shown(frame));
        }
        EXPECT_EQ(ids, (std::set<int> {0xE900, 0xE901, 0xE904, 0xE905, 0xE906}));
        TearDown();
        SetUp();
    }
}

TEST_F(MainFrameTest, EachFormFillsItselfOnceThroughTheFlagOfItsPosition)
{
    CMainFrame& frame = Start(kCompilerPair);
    EXPECT_EQ(g_fills, std::vector<std::string>{"C"});
    EXPECT_FALSE(m_app->IsFirstActivationPending(1));
    EXPECT_TRUE(m_app->IsFirstActivationPending(2));
    EXPECT_TRUE(m_app->IsFirstActivationPending(ProtocolFormEntry().firstActivation));
    for (UINT command : {ID_SHOW_EXPORT, ID_SHOW_COMPILER, ID_SHOW_PROTOKOLL, ID_SHOW_EXPORT})
        EXPECT_TRUE(m_driver.PressToolbarButton(frame, command));
    EXPECT_EQ(g_fills, (std::vector<std::string>{"C", "X"}));
    for (int position = 0; position < kFormPositions; ++position)
        EXPECT_EQ(m_app->IsFirstActivationPending(position), position == 3) << position;
}

// Every form the frame creates fills itself through the frame's flag, none through a flag of its own.
TEST_F(MainFrameTest, EveryFormOfTheTableTakesTheFramesFirstActivationFlag)
{
    std::vector<const FormEntry*> entries{&ProtocolFormEntry()};
    for (const FormRow& row : FormRows())
        for (const FormEntry& entry : row.forms)
            entries.push_back(&entry);
    for (const FormEntry* entry : entries) {
        if (!entry->create)
            continue;
        SCOPED_TRACE(entry->childId);
        EXPECT_GE(entry->firstActivation, 0);
        EXPECT_LT(entry->firstActivation, kFormPositions);
        CView* form = entry->create();
        EXPECT_NE(dynamic_cast<platform::FirstActivation*>(form), nullptr);
        delete form;
    }
}

// The forms that work on the run's object or talk to the drawing tool read the application's context, not one of
// their own.
TEST_F(MainFrameTest, TheFormsWorkOnTheRunsContext)
{
    const struct {
        const char* command;
        const char* kind;
        FormSlot slot;
    } cases[] = {
        {"param", "Sensorstatus", FormSlot::Eingang},
        {"param", "Analog_Ausgang", FormSlot::Ausgang},
        {"param", "Netzwerkstatus", FormSlot::NetzwerkEingang},
        {"param", "Signal_Übergabe", FormSlot::SignalUebergabe},
        {"param", "Meldung", FormSlot::Parameter},
        {"param", "Mischerregelfunktion", FormSlot::Parameter},
        {"funcview", "", FormSlot::FuncView},
        {"canlogging", "", FormSlot::CanLogging},
        {"msgorder", "", FormSlot::MeldungOrder},
        {"parser", "", FormSlot::Compiler},
        {"parser", "", FormSlot::Export},
        {"paraimport", "", FormSlot::Import},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.kind);
        m_app->GetRunContext().start.id = 4711;
        Start(c.command, c.kind);
        const auto* user = dynamic_cast<UsesRunContext*>(m_app->GetForm(c.slot));
        ASSERT_NE(user, nullptr);
        EXPECT_EQ(&user->Run(), &m_app->GetRunContext());
        EXPECT_EQ(user->Start().id, 4711);
        EXPECT_EQ(user->Start().name, c.kind);
        TearDown();
        SetUp();
    }
}

TEST_F(MainFrameTest, FormSwitchesExchangeThePaneAndActivateTheForm)
{
    CMainFrame& frame = Start(kTrio);
    CView* parameter = m_app->GetForm(FormSlot::Parameter);
    CView* varIn = m_app->GetForm(FormSlot::VarIn);
    CView* varOut = m_app->GetForm(FormSlot::VarOut);
    EXPECT_TRUE(m_driver.PressToolbarButton(frame, ID_SHOW_VARIN));
    EXPECT_EQ(Shown(frame), varIn);
    EXPECT_EQ(frame.GetActiveView(), varIn);
    EXPECT_EQ(parameter->GetDlgCtrlID(), IDW_FORM_VARIN);
    EXPECT_FALSE(parameter->IsWindowVisible());
    // The shown form fills the client area beside the toolbar and above the status bar.
    CRect pane;
    varIn->GetWindowRect(&pane);
    CRect client;
    frame.GetClientRect(&client);
    EXPECT_GT(pane.Width(), 0);
    EXPECT_LT(pane.Width(), client.Width());
    EXPECT_TRUE(m_driver.PressToolbarButton(frame, ID_SHOW_VAROUT));
    EXPECT_TRUE(m_driver.PressToolbarButton(frame, ID_SHOW_PROTOKOLL));
    EXPECT_TRUE(m_driver.PressToolbarButton(frame, ID_SHOW_PARAMETER));
    EXPECT_EQ(Shown(frame), parameter);
    // Pressing the shown form's button again changes nothing.
    EXPECT_TRUE(m_driver.PressToolbarButton(frame, ID_SHOW_PARAMETER));
    EXPECT_EQ(g_activations, (std::vector<std::string> {"P", "I", "O", "P"}));
    // The ids travel with the switches; every form keeps one of its own.
    std::set<int> ids;
    for (CView* form : {m_app->GetForm(FormSlot::StartView), m_app->GetForm(FormSlot::Protokoll), parameter, varIn,
                        varOut})
        ids.insert(form->GetDlgCtrlID());
    EXPECT_EQ(ids, (std::set<int> {0xE900, 0xE901, 0xE904, 0xE905, 0xE906}));
    EXPECT_FALSE(varOut->IsWindowVisible());
}

TEST_F(MainFrameTest, AFatalVerdictLeavesOnlyTheProtocolTerminateAndAbout)
{
    for (BYTE verdict : {BYTE {0}, BYTE {4}}) {
        SCOPED_TRACE(static_cast<int>(verdict));
        CMainFrame& frame = Start(kInput, verdict);
        const bool fatal = verdict == 4;
        const struct {
            UINT id;
            bool enabledWhenFatal;
        } buttons[] = {{ID_SAVE_ASSIGN_EINGANG, false}, {ID_SAVE_AND_CLOSE, false}, {ID_ASSIGN_EINGANG, false},
                       {ID_TERMINATE, true},            {ID_SHOW_EINGANG, false},   {ID_SHOW_PROTOKOLL, true}};
        for (const auto& b : buttons)
            EXPECT_EQ(m_driver.ToolbarButtonEnabled(frame, b.id), !fatal || b.enabledWhenFatal) << b.id;
        // A disabled command runs neither from its button nor when it reaches the frame otherwise.
        EXPECT_EQ(m_driver.PressToolbarButton(frame, ID_SAVE_AND_CLOSE), !fatal);
        EXPECT_EQ(m_driver.PressToolbarButton(frame, ID_ASSIGN_EINGANG), !fatal);
        frame.SendMessage(WM_COMMAND, MAKEWPARAM(ID_SAVE_ASSIGN_EINGANG, 0), 0);
        EXPECT_EQ(m_driver.PressToolbarButton(frame, ID_SHOW_EINGANG), !fatal);
        EXPECT_EQ(g_saves, fatal ? 0 : 2);
        EXPECT_EQ(g_assigns, fatal ? 0 : 2);
        EXPECT_EQ(g_activations, fatal ? std::vector<std::string> {} : std::vector<std::string> {"E"});
        // The about box still opens from its accelerator.
        bool aboutRan = false;
        m_driver.WhenDialogRuns([&](CDialog& dialog) {
            aboutRan = true;
            m_driver.Click(dialog, IDOK);
        });
        EXPECT_TRUE(m_driver.PressKey(frame, 'V', platform::UserInput::kControl | platform::UserInput::kAlt));
        EXPECT_TRUE(aboutRan);
        TearDown();
        SetUp();
    }
}

// Records what a window backend would be told.
class RecordingObserver : public platform::WindowObserver {
public:
    RecordingObserver() { platform::AddWindowObserver(this); }
    ~RecordingObserver() override { platform::RemoveWindowObserver(this); }
    void WindowChanged(HWND hwnd, platform::WindowChange change) override { m_seen.insert({hwnd, change}); }
    bool Saw(const CWnd& window, platform::WindowChange change) const
    {
        return m_seen.count({window.m_hWnd, change}) != 0;
    }
    std::set<std::pair<HWND, platform::WindowChange>> m_seen;
};

TEST_F(MainFrameTest, AWindowBackendIsToldOfEveryChangeOfTheFrame)
{
    using platform::WindowChange;
    RecordingObserver observer;
    CMainFrame& frame = Start(kTrio);
    EXPECT_TRUE(observer.Saw(frame, WindowChange::Created));
    EXPECT_TRUE(observer.Saw(frame, WindowChange::Text));        // the title
    EXPECT_TRUE(observer.Saw(frame, WindowChange::Visibility));  // shown
    EXPECT_TRUE(observer.Saw(frame.GetToolBar(), WindowChange::Items));
    EXPECT_TRUE(observer.Saw(frame.GetStatusBar(), WindowChange::Items));

    observer.m_seen.clear();
    CView* parameter = m_app->GetForm(FormSlot::Parameter);
    CView* varIn = m_app->GetForm(FormSlot::VarIn);
    ASSERT_TRUE(m_driver.PressToolbarButton(frame, ID_SHOW_VARIN));
    for (CView* form : {parameter, varIn}) {
        EXPECT_TRUE(observer.Saw(*form, WindowChange::Id));
        EXPECT_TRUE(observer.Saw(*form, WindowChange::Visibility));
    }
    EXPECT_TRUE(observer.Saw(*varIn, WindowChange::Placement));

    observer.m_seen.clear();
    CToolBar& bar = frame.GetToolBar();
    ASSERT_TRUE(platform::UserInput::HoverToolbarButton(bar, bar.CommandToIndex(ID_SHOW_PARAMETER)));
    EXPECT_TRUE(observer.Saw(frame.GetStatusBar(), WindowChange::Text));

    // An enabled state that changes reaches the backend with the idle update.
    observer.m_seen.clear();
    frame.UpdateCommandUI();
    EXPECT_FALSE(observer.Saw(bar, WindowChange::Items));
    m_app->SetDrawingVerdict(kDrawingCheckFatal);
    frame.UpdateCommandUI();
    EXPECT_TRUE(observer.Saw(bar, WindowChange::Items));
}

TEST_F(MainFrameTest, TheOutputVariablesCommandNeedsAnOutputVariableForm)
{
    CMainFrame& withOut = Start(kTrio);
    EXPECT_TRUE(m_driver.ToolbarButtonEnabled(withOut, ID_SHOW_VAROUT));
    TearDown();
    SetUp();
    CMainFrame& without = Start(kPair);
    EXPECT_FALSE(m_driver.ToolbarButtonEnabled(without, ID_SHOW_VAROUT));
    EXPECT_FALSE(m_driver.PressToolbarButton(without, ID_SHOW_VAROUT));
    EXPECT_TRUE(m_driver.ToolbarButtonEnabled(without, ID_SHOW_VARIN));
    EXPECT_TRUE(m_driver.PressToolbarButton(without, ID_SAVE_AND_CLOSE));
    EXPECT_EQ(g_saves, 1);
}

TEST_F(MainFrameTest, PointingAtAButtonShowsItsPrompt)
{
    const struct {
        const char* command;
        const char* kind;
        UINT id;
        const char* prompt;
    } cases[] = {
        {"param", "Eingang", ID_SAVE_ASSIGN_EINGANG,
         "Salvare la parametrizzazione, assegnare l’ingresso e chiudere la finestra di dialogo"},
        {"param", "Eingang", ID_ASSIGN_EINGANG, "Assegnare l’ingresso impostato all’oggetto grafico selezionato"},
        {"param", "Eingang", ID_SHOW_EINGANG, "Parametrare gli ingressi"},
        {"param", "Ausgang", ID_SAVE_ASSIGN_AUSGANG, ""},
        {"param", "Ausgang", ID_ASSIGN_AUSGANG, "Assegnare l’uscita impostata all’oggetto grafico selezionato"},
        {"param", "Ausgang", ID_SHOW_AUSGANG, "Parametrare le uscite"},
        {"param", "Vergleich", ID_SAVE_AND_CLOSE,
         "Salvare le modifiche della parametrizzazione e chiudere la finestra di dialogo"},
        {"param", "Vergleich", ID_TERMINATE, "Terminare la parametrizzazione senza salvare le modifiche"},
        {"param", "Vergleich", ID_SHOW_PARAMETER, "Parametrare la funzione selezionata"},
        {"param", "Vergleich", ID_SHOW_VARIN, ""},
        {"param", "Vergleich", ID_SHOW_VAROUT, "Indica le variabili di uscita della funzione selezionata"},
        {"param", "Vergleich", ID_SHOW_PROTOKOLL, "Protocollo errore di valutazione del disegno"},
        {"param", "Signal_Übergabe", ID_SHOW_SIGNAL, "Parametrare il trasferimento / l’accettazione dei segnali"},
        {"param", "Netzwerkeingang", ID_SAVE_ASSIGN_NETZ,
         "Salvare le impostazioni, assegnarle all’oggetto di rete selezionato e chiudere la finestra di dialogo"},
        {"param", "Netzwerkeingang", ID_SAVE_SETTINGS_AND_CLOSE,
         "Salvare le modifiche delle impostazioni e chiudere la finestra di dialogo"},
        {"param", "Netzwerkeingang", ID_ASSIGN_NETZ,
         "Assegnare le impostazioni selezionate all’oggetto di rete nel disegno"},
        {"param", "Netzwerkeingang", ID_SHOW_NETZEINGANG, "Parametrare gli ingressi di rete"},
        {"param", "Netzwerkausgang", ID_SHOW_NETZAUSGANG, "Parametrare le uscite di rete"},
        {"parser", "", ID_CLOSE_WINDOW, "Chiudere la finestra"},
        {"parser", "", ID_SHOW_COMPILER, "Creare dati di funzione"},
        {"parser", "", ID_SHOW_EXPORT, "Esportare la parametrizzazione in un file di testo per la documentazione"},
        {"paraimport", "", ID_SHOW_IMPORT, "Importare nel disegno i parametri dai dati di funzione"},
        {"funcview", "", ID_SHOW_FUNCVIEW, "Sinottica delle funzioni - editor"},
        {"canlogging", "", ID_SHOW_CANLOGGING, "Modifica definizioni per la raccolta dati CAN"},
        {"funcorder", "", ID_SHOW_FUNCORDER, "Cambiare l’ordine delle funzioni"},
        {"msgorder", "", ID_SHOW_MSGORDER, "Cambiare l’ordine dei messaggi"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CMainFrame& frame = Start(c.command, c.kind);
        CToolBar& bar = frame.GetToolBar();
        const int index = bar.CommandToIndex(c.id);
        ASSERT_GE(index, 0);
        // Prompts show also for disabled buttons, as the pointer moves over them.
        EXPECT_TRUE(platform::UserInput::HoverToolbarButton(bar, index));
        EXPECT_EQ(frame.GetStatusBar().GetPaneText(0), c.prompt);
        EXPECT_TRUE(platform::UserInput::HoverToolbarButton(bar, -1));
        EXPECT_EQ(frame.GetStatusBar().GetPaneText(0), "Pronto");
        TearDown();
        SetUp();
    }
}

TEST_F(MainFrameTest, TheAboutBoxShowsTheVersions)
{
    CMainFrame& frame = Start("parser", "");
    CString caption;
    CString version;
    CString controller;
    bool ownerDisabled = false;
    m_driver.WhenDialogRuns([&](CDialog& dialog) {
        dialog.GetWindowText(caption);
        version = m_driver.Text(dialog, IDC_ABOUT_VERSION);
        controller = m_driver.Text(dialog, IDC_ABOUT_CONTROLLER);
        ownerDisabled = !frame.IsWindowEnabled();
        EXPECT_TRUE(m_driver.Key(dialog, IDOK, VK_RETURN));
    });
    EXPECT_TRUE(m_driver.PressKey(frame, 'V', platform::UserInput::kControl | platform::UserInput::kAlt));
    EXPECT_EQ(caption, "Informazione su morv9274");
    EXPECT_EQ(version, "morv9274 versione 1.29 IT");
    EXPECT_EQ(controller, "KRX9274 a partire da vers. A3.24");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(frame.IsWindowEnabled());
    // Ctrl+V alone is no accelerator.
    m_driver.WhenDialogRuns([&](CDialog&) { ADD_FAILURE() << "about box opened by Ctrl+V"; });
    m_driver.PressKey(frame, 'V', platform::UserInput::kControl);
}

TEST_F(MainFrameTest, TerminateAndAltF4EndAtOnceWithoutWritingThePlacement)
{
    for (BYTE verdict : {BYTE {0}, BYTE {4}}) {
        EXPECT_EXIT(
            {
                CMainFrame& frame = Start("param", "Eingang", verdict);
                m_driver.PressToolbarButton(frame, ID_TERMINATE);
                std::fprintf(stderr, "still running\n");
                std::exit(3);
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_EXIT(
            {
                CMainFrame& frame = Start("parser", "", verdict);
                m_driver.PressKey(frame, VK_F4, platform::UserInput::kAlt);
                std::exit(3);
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_EXIT(
            {
                CMainFrame& frame = Start("parser", "", verdict);
                m_driver.PressToolbarButton(frame, ID_CLOSE_WINDOW);
                std::exit(3);
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_FALSE(std::filesystem::exists(m_dir / "WINDOW.ini"));
    }
}

TEST_F(MainFrameTest, AFormThatCannotBeCreatedEndsTheStartUpBeforeAnySave)
{
    static const FormRow broken {"param",
                                 {"Heizkreisregler"},
                                 IDR_TOOLBAR_FUNKTION,
                                 {{FormSlot::Parameter, IDW_FORM_PARAMETER, 1,
                                   +[]() -> CView* { return new RecordingForm("P"); }},
                                  {FormSlot::VarIn, IDW_FORM_VARIN, 2, +[]() -> CView* { return new BrokenForm; }}},
                                 FormSlot::Parameter,
                                 +[] { std::abort(); }};
    EXPECT_EXIT(
        {
            m_app->StartMainFrame(broken);
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "could not be created");
}

TEST_F(MainFrameTest, TheCloseBoxStoresTheChangedPlacement)
{
    CMainFrame& frame = Start("funcview", "");
    CRect rect;
    frame.GetWindowRect(&rect);
    EXPECT_TRUE(platform::UserInput::CloseWindow(frame));
    char expected[128];
    std::snprintf(expected, sizeof expected, "    1\r\n%5ld\r\n%5ld\r\n  749\r\n  603\r\n",
                  static_cast<long>(rect.left), static_cast<long>(rect.top));
    EXPECT_EQ(Placement(), expected);
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_TRUE(platform::QuitRequested());
}

TEST_F(MainFrameTest, WindowIniDecidesHowTheFrameIsShown)
{
    const struct {
        const char* name;
        std::string stored;
        bool maximised;
        CSize size;
        std::string afterClose;  // "" when the file must stay as it is
    } cases[] = {
        {"maximised", "    3\r\n   10\r\n   20\r\n  800\r\n  700\r\n", true, CSize(800, 700), ""},
        {"normal, other size", "    1\r\n   10\r\n   20\r\n  640\r\n  480\r\n", false, CSize(640, 480), ""},
        {"line feeds only", "1\n10\n20\n640\n480\n", false, CSize(640, 480), ""},
        {"hidden", "    0\r\n   10\r\n   20\r\n  640\r\n  480\r\n", false, CSize(640, 480), "    1\r\n"},
        {"minimised", "    2\r\n   10\r\n   20\r\n  640\r\n  480\r\n", false, CSize(640, 480), "    1\r\n"},
        {"no number", "abc\r\n   10\r\n   20\r\n  640\r\n  480\r\n", false, CSize(749, 603), "    1\r\n"},
        {"too small", "    1\r\n   10\r\n   20\r\n    0\r\n   -5\r\n", false, CSize(749, 603), "    1\r\n"},
        {"cut short", "    1\r\n   10\r\n", false, CSize(749, 603), "    1\r\n"},
        {"empty", "", false, CSize(749, 603), "    1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WritePlacement(c.stored);
        CMainFrame& frame = Start("funcview", "");
        EXPECT_TRUE(frame.IsWindowVisible());
        EXPECT_FALSE(frame.IsIconic());
        EXPECT_EQ(frame.IsZoomed() != FALSE, c.maximised);
        WINDOWPLACEMENT placement;
        frame.GetWindowPlacement(&placement);
        EXPECT_EQ(CRect(placement.rcNormalPosition).Size(), c.size);
        // Closing rewrites only what differs from the stored state and size; a moved window keeps the file.
        platform::UserInput::CloseWindow(frame);
        if (c.afterClose.empty())
            EXPECT_EQ(Placement(), c.stored);
        else
            EXPECT_EQ(Placement().substr(0, c.afterClose.size()), c.afterClose);
        TearDown();
        SetUp();
    }
}

TEST_F(MainFrameTest, AMinimisedFrameIsStoredAsShownNormally)
{
    WritePlacement("    3\r\n   10\r\n   20\r\n  800\r\n  700\r\n");
    CMainFrame& frame = Start("funcview", "");
    frame.ShowWindow(SW_MINIMIZE);
    platform::UserInput::CloseWindow(frame);
    EXPECT_EQ(Placement().substr(0, 7), "    1\r\n");
    TearDown();
    SetUp();
    // Moved only: the stored file stays.
    WritePlacement("    1\r\n   10\r\n   20\r\n  800\r\n  700\r\n");
    CMainFrame& moved = Start("funcview", "");
    moved.MoveWindow(200, 100, 800, 700);
    platform::UserInput::CloseWindow(moved);
    EXPECT_EQ(Placement(), "    1\r\n   10\r\n   20\r\n  800\r\n  700\r\n");
}

}  // namespace
