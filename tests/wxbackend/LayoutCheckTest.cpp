// The layout check: every form of every window command and object kind, found from the form table, shown by the
// real program under Xvfb at the frame's default size, and every dialog a push button of those forms opens; for each,
// the window backend's layout report (wnddrive "layout") goes through the check's rules. Any finding fails the case:
// each is printed with the form, the control and the two rectangles. The drawing is the shipped sample with every
// object kind, so each form is filled as a person sees it.
#include "LayoutCheck.h"
#include "ChildProcess.h"
#include "Isolation.h"
#include "ProgramOnDisplay.h"
#include "XvfbDisplay.h"

#include "platform/Cp1252.h"
#include "resources/ResourceIds.h"
#include "shell/FormTable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

namespace {

using testsupport::ChildProcess;
using testsupport::Isolation;
using testsupport::ToolResult;
using wxtest::XvfbDisplay;
using Args = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

// One window command: a command, and for "param" an object kind of the sample drawing.
struct Case {
    std::string command;
    std::string kind;  // Windows-1252
    const FormRow* row = nullptr;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.command << " " << platform::Cp1252ToUtf8(c.kind);
}

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (const FormRow& row : FormRows()) {
        if (row.forms.empty() || !row.forms.front().create)
            continue;
        if (row.kinds.empty())
            cases.push_back({row.command, "", &row});
        for (const char* kind : row.kinds)
            cases.push_back({row.command, kind, &row});
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string name = info.param.command + "_" + platform::Cp1252ToUtf8(info.param.kind);
    std::string out;
    for (unsigned char c : name)
        out += std::isalnum(c) ? static_cast<char>(c) : '_';
    return std::to_string(info.index) + "_" + out;
}

bool OnPath(const std::string& program)
{
    return std::system(("command -v " + program + " > /dev/null 2>&1").c_str()) == 0;
}

// What a person calls the form of a slot.
std::string FormName(FormSlot slot)
{
    switch (slot) {
    case FormSlot::Protokoll: return "protocol form";
    case FormSlot::Parameter: return "parameter form";
    case FormSlot::VarIn: return "input-variable form";
    case FormSlot::VarOut: return "output-variable form";
    case FormSlot::Compiler: return "compiler form";
    case FormSlot::Export: return "export form";
    case FormSlot::Import: return "import form";
    case FormSlot::Eingang: return "input form";
    case FormSlot::Ausgang: return "output form";
    case FormSlot::SignalUebergabe: return "signal-transfer form";
    case FormSlot::NetzwerkEingang: return "network-input form";
    case FormSlot::NetzwerkAusgang: return "network-output form";
    case FormSlot::FuncView: return "function-overview form";
    case FormSlot::CanLogging: return "CAN-logging form";
    case FormSlot::FuncOrder: return "function-order form";
    case FormSlot::MeldungOrder: return "message-order form";
    default: return "form";
    }
}

// The switch command of a form slot.
UINT SwitchCommand(FormSlot slot)
{
    for (const CommandRow& row : CommandRows())
        if (row.kind == CommandKind::Switch && row.target == slot)
            return row.id;
    return 0;
}

class LayoutCheckTest : public wxtest::ProgramOnDisplay<::testing::TestWithParam<Case>> {
protected:
    void SetUp() override
    {
        if (!OnPath("Xvfb"))
            GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it)";
        m_display = std::make_unique<XvfbDisplay>();
        ASSERT_TRUE(m_display->Ok()) << "Xvfb did not start";
        m_display->ShowWindowsHere();
        std::filesystem::create_directories(m_iso.Home() / "para");
        ASSERT_TRUE(m_iso.Start(m_standin, {VORNA_STANDIN}));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        std::filesystem::copy_file(SAMPLE_DRAWING, Path("VORNA.xml"));
        // A parameter set of the sample, evaluated without a window.
        setenv("MORV9274_HEADLESS", "1", 1);
        ASSERT_EQ(m_iso.Run({MORV9274_BINARY, "-cmdfile", "\"" + CommandFile("new") + "\""}).exitCode, 0);
        ASSERT_EQ(m_iso.Run({MORV9274_BINARY, "-cmdfile", "\"" + CommandFile("open") + "\""}).exitCode, 0);
        unsetenv("MORV9274_HEADLESS");
    }

    // The name and id of the sample's first object of the kind, as the drawing tool names a clicked object.
    std::string ObjectLines(const std::string& kind) const
    {
        std::ifstream in(Path("VORNA.xml"));
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // An object's name is its kind, with "$" and its number where the drawing numbers the kind.
        const std::string name = platform::Cp1252ToUtf8(kind);
        std::smatch m;
        const std::regex object("<id>([0-9]+)</id>\\s*<name>(" + std::regex_replace(name, std::regex("[$()]"), "\\$&") +
                                "(\\$[0-9]+)?)</name>");
        if (!std::regex_search(text, m, object))
            return "";
        return "-name\r\n" + platform::Utf8ToCp1252(m[2].str()) + "\r\n-id\r\n" + m[1].str() + "\r\n";
    }

    // The findings of the window's layout, each described for the failure message.
    void Check(const std::string& window, const std::string& where)
    {
        ToolResult report = Drive({"--window", window, "layout"});
        ASSERT_EQ(report.exitCode, 0) << where << ": " << report.err;
        ASSERT_NE(report.out.find("top "), std::string::npos) << where << ": no layout report";
        ++m_checked;
        for (const wxtest::Finding& finding : wxtest::CheckLayout(report.out))
            m_findings.push_back(wxtest::Describe(where, finding));
        Photograph(report.out, where);
    }

    // With MORV9274_GALLERY set to a folder, the window as checked is photographed into it, and a line "<picture>
    // TAB <command and kind> TAB <what it shows>" added to its index.txt (scripts/gallery.sh builds the gallery from them).
    void Photograph(const std::string& report, const std::string& where) const
    {
        const char* folder = std::getenv("MORV9274_GALLERY");
        if (!folder || !*folder)
            return;
        std::istringstream in(report);
        std::string head, kind;
        unsigned id = 0;
        int x = 0, y = 0, w = 0, h = 0;
        in >> head >> kind >> id >> x >> y >> w >> h;
        // Each form and dialog once: the protocol form, the designations dialog and the about box serve many.
        std::string templateId = kind + " " + std::to_string(id);
        if (kind == "Frame") {
            size_t form = report.find("\nform ");
            templateId =
                form == std::string::npos ? "" : report.substr(form + 1, report.find(' ', form + 6) - form - 1);
        }
        // Forms of several kinds may share a template number: their titles tell them apart.
        if (size_t title = report.find("\ncontrol 1000 "); title != std::string::npos)
            templateId += report.substr(title, report.find('\n', title + 1) - title);
        static std::set<std::string> photographed;
        if (!photographed.insert(templateId).second)
            return;
        std::string window;
        if (m_display->Run({XTOOL, "at", std::to_string(x + w / 2), std::to_string(y + h / 2)}, &window) != 0)
            return;
        window = window.substr(0, window.find(' '));
        std::string file;
        for (unsigned char c : where)
            file += std::isalnum(c) ? static_cast<char>(std::tolower(c)) : '-';
        file += ".png";
        // The toolkit has drawn what the report measured; one more moment for the last frame to reach the screen.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (m_display->Run({XTOOL, "shot", window, std::string(folder) + "/" + file}) == 0)
            std::ofstream(std::string(folder) + "/index.txt", std::ios::app)
                << file << "\t" << m_section << "\t" << where.substr(std::min(where.size(), m_section.size() + 1))
                << "\n";
    }

    // The modal dialog that is up now (its first tree line), or "" when the frame is the active window.
    std::string ActiveDialog() const
    {
        std::string tree = Drive({"--window", "active", "tree"}).out;
        std::string first = tree.substr(0, tree.find('\n'));
        return first.rfind("#32770", 0) == 0 ? first : "";
    }

    // Ends whatever a click opened: message boxes are answered, dialogs cancelled, until the frame is active again.
    void EndModal()
    {
        for (int attempt = 0; attempt < 6 && !ActiveDialog().empty(); ++attempt) {
            if (Drive({"--window", "active", "key", "-", "ESC"}).exitCode != 0)
                Drive({"--window", "active", "click", std::to_string(IDCANCEL)});
            if (!ActiveDialog().empty())
                Drive({"--window", "active", "close"});
        }
    }

    // Each shown, enabled push button of the shown form: the dialog it opens is checked and cancelled. Buttons that
    // only act (a message box, a file dialog, long work) are answered with their Cancel.
    void CheckDialogsOf(const std::string& formName)
    {
        std::string tree = Drive({"--window", "frame", "tree"}).out;
        std::istringstream lines(tree);
        std::vector<std::string> buttons;
        bool inShownForm = false;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("  AfxFrameOrView ", 0) == 0)
                inShownForm = line.find(" hidden") == std::string::npos &&
                    line.find(" " + std::to_string(AFX_IDW_PANE_FIRST) + " ") != std::string::npos;
            std::smatch m;
            if (inShownForm && std::regex_match(line, m, std::regex("    Button ([0-9]+) \"(.*)\"(.*)")) &&
                m[3].str().find("hidden") == std::string::npos && m[3].str().find("disabled") == std::string::npos &&
                m[3].str().find("checked") == std::string::npos)
                buttons.push_back(m[1].str());
        }
        for (const std::string& id : buttons) {
            if (m_clicked.count(id + formName))
                continue;
            m_clicked.insert(id + formName);
            const size_t boxes = Drive({"boxes"}).out.size();
            Drive({"file", "CANCEL"});
            ToolResult click = Drive({"--window", "frame", "click", id});
            if (click.exitCode != 0)
                continue;
            std::string dialog = ActiveDialog();
            if (!dialog.empty()) {
                std::smatch m;
                std::regex_search(dialog, m, std::regex("\"(.*)\""));
                Check("active", formName + " button " + id + " dialog \"" + m[1].str() + "\"");
                EndModal();
            }
            if (Drive({"boxes"}).out.size() > boxes)
                Drive({"answer", "CANCEL"});
        }
    }

    std::vector<std::string> m_findings;
    std::set<std::string> m_clicked;
    int m_checked = 0;
    std::string m_section;  // the command and object kind, as the gallery heads its pictures
};

TEST_P(LayoutCheckTest, EveryFormAndTheDialogsItsButtonsOpenFitWithNothingCutOrAcrossABorder)
{
    const Case& c = GetParam();
    std::string extra;
    if (!c.kind.empty()) {
        extra = ObjectLines(c.kind);
        ASSERT_FALSE(extra.empty()) << "the sample drawing has no object " << platform::Cp1252ToUtf8(c.kind);
    }
    m_program = std::make_unique<ChildProcess>();
    ASSERT_TRUE(m_iso.Start(*m_program, {MORV9274_BINARY, "-cmdfile", "\"" + CommandFile(c.command, extra) + "\""}));
    ASSERT_EQ(Drive({"--wait", "60000", "--window", "frame", "tree"}).exitCode, 0);
    const std::string name = c.command + (c.kind.empty() ? "" : " " + platform::Cp1252ToUtf8(c.kind));
    m_section = name;

    // The protocol form first, then the command's forms in their order; each must be reachable.
    std::vector<FormSlot> slots = {FormSlot::Protokoll};
    for (const FormEntry& form : c.row->forms)
        if (form.create)
            slots.push_back(form.slot);
    for (FormSlot slot : slots) {
        const UINT command = SwitchCommand(slot);
        ASSERT_NE(command, 0u);
        ToolResult shown = Drive({"--window", "frame", "command", std::to_string(command)});
        EXPECT_EQ(shown.exitCode, 0) << name << ": the form of command " << command << " cannot be shown: " << shown.out
                                     << shown.err;
        if (shown.exitCode != 0)
            continue;
        const std::string formName = name + " " + FormName(slot);
        Check("frame", formName);
        CheckDialogsOf(formName);
    }
    // The about box, which every frame opens.
    if (Drive({"--window", "frame", "command", std::to_string(ID_APP_ABOUT)}).exitCode == 0 &&
        !ActiveDialog().empty()) {
        Check("active", name + " about box");
        EndModal();
    }

    std::string all;
    for (const std::string& finding : m_findings)
        all += "  " + finding + "\n";
    EXPECT_TRUE(m_findings.empty()) << m_findings.size() << " layout findings in " << m_checked << " windows:\n" << all;
    std::printf("%s: %d windows checked, %zu findings\n", name.c_str(), m_checked, m_findings.size());
    Drive({"--window", "frame", "command", std::to_string(ID_TERMINATE)});
    EXPECT_EQ(m_program->Wait(std::chrono::seconds(30)), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWindowCommand, LayoutCheckTest, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
