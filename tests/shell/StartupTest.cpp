// The real program started as the drawing tool starts it: the single instance, the command file, the file commands
// and "open" up to the loading and testing of the parameter file. Every run must end with exit code 0.
#include "ProgramRun.h"

#include "platform/EventLoop.h"
#include "platform/HeadlessPrompts.h"
#include "platform/RemoteWindow.h"
#include "platform/Win32File.h"
#include "platform/Win32Mutex.h"
#include "store/CParaDaten.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using testsupport::ProgramHome;
using testsupport::ProgramResult;
using testsupport::BoxLine;
using testsupport::JoinLines;
using Keys = std::vector<std::pair<std::string, std::string>>;

namespace {

// The language code of a parameter file of the home.
int LanguageOf(const ProgramHome& home, const std::string& relative)
{
    int code = -2;
    EXPECT_TRUE(testsupport::WithParameterFile(home, relative, false,
                                               [&](CParaDaten& store) { code = store.GetSprache(CParaDaten::kWorkFile); }));
    return code;
}

class StartupTest : public ::testing::Test {
protected:
    ProgramResult Run(const Keys& keys) { return m_home.RunCommand(keys); }
    Keys WithXml(Keys keys) const
    {
        keys.push_back({"-xmlpath", m_home.Path("VORNA.xml")});
        return keys;
    }
    // A committed, saved parameter set beside the drawing "plant.evl".
    void SaveNewSet()
    {
        ASSERT_EQ(Run(WithXml({{"-cmd", "new"}})).boxes.size(), 0u);
        ASSERT_EQ(Run(WithXml({{"-cmd", "save"}, {"-engpath", m_home.Path("plant.evl")}})).boxes.size(), 0u);
        ASSERT_TRUE(m_home.Exists("plant.pvl"));
    }
    void ReplaceInFile(const std::string& relative, const std::string& from, const std::string& to)
    {
        std::string bytes = m_home.ReadFile(relative);
        size_t at = bytes.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        bytes.replace(at, from.size(), to);
        m_home.WriteFile(relative, bytes);
    }
    ProgramHome m_home;
};

}  // namespace

TEST_F(StartupTest, InvalidCallsEndWithTheirMessageAndExitCodeZero)
{
    ProgramResult noArguments = m_home.Run({});
    EXPECT_EQ(noArguments.exitCode, 0);
    EXPECT_EQ(JoinLines(noArguments.boxes), BoxLine(messages::kCommandFileUnreadable) + "\n");

    ProgramResult unreadable = m_home.Run({"-cmdfile", "\"" + m_home.Path("missing.txt") + "\""});
    EXPECT_EQ(JoinLines(unreadable.boxes), BoxLine(messages::kCommandFileUnreadable) + "\n");

    ProgramResult noCmdFile = m_home.Run({"-other"});
    EXPECT_EQ(JoinLines(noCmdFile.boxes), BoxLine(messages::kInvalidCommand) + "\n");

    const Keys calls[] = {
        {{"-cmd", "new"}},                                              // no drawing export
        WithXml({{"-cmd", "Open"}}),                                    // commands are case-sensitive
        WithXml({{"-cmd", "param "}}),                                  // a trailing blank is no command
        WithXml({{"-cmd", "open"}, {"-engpath", m_home.Path("dir/")}}),  // no file name to open
        WithXml({{"-cmd", "save"}}),                                    // no drawing at all
    };
    for (const Keys& keys : calls) {
        ProgramResult result = Run(keys);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(JoinLines(result.boxes), BoxLine(messages::kInvalidCommand) + "\n") << keys.front().second;
    }
    EXPECT_FALSE(m_home.Exists("para/para.par")) << "an invalid call touches no working file";
}

TEST_F(StartupTest, NewCreatesAnEmptyItalianSetAndSaveStoresItBesideTheDrawing)
{
    for (const char* command : {"new", "start"}) {
        ProgramResult result = Run(WithXml({{"-cmd", command}}));
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(JoinLines(result.boxes), "") << command;
        EXPECT_EQ(m_home.ReadFile("para/para.par").size(), 152150u) << command;
        EXPECT_EQ(LanguageOf(m_home, "para/para.par"), 3) << "ITA";
        EXPECT_FALSE(m_home.Exists("para/morv9274.par")) << "file commands touch working file 1 only";
    }
    struct {
        const char* drawing;
        const char* parameterFile;
    } saves[] = {{"plant.evl", "plant.pvl"}, {"plant.EVL", "plant.pvl"}, {"other.vsd", "other.par"},
                 {"noext", "noext.par"}};
    for (const auto& save : saves) {
        for (const char* command : {"save", "saveas"}) {
            std::filesystem::remove(m_home.Path(save.parameterFile));
            ProgramResult result = Run(WithXml({{"-cmd", command}, {"-engpath", m_home.Path(save.drawing)}}));
            EXPECT_EQ(JoinLines(result.boxes), "");
            EXPECT_EQ(m_home.ReadFile(save.parameterFile), m_home.ReadFile("para/para.par")) << save.drawing;
        }
    }
}

TEST_F(StartupTest, SaveOverAReadOnlyFileWarnsAndKeepsIt)
{
    SaveNewSet();
    m_home.WriteFile("plant.pvl", "kept");
    ASSERT_TRUE(SetFileAttributesA(m_home.Path("plant.pvl").c_str(), FILE_ATTRIBUTE_READONLY));
    ProgramResult result = Run(WithXml({{"-cmd", "save"}, {"-engpath", m_home.Path("plant.evl")}}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(JoinLines(result.boxes), BoxLine(messages::kSaveBesideDrawingFailed) + "\n");
    EXPECT_EQ(m_home.ReadFile("plant.pvl"), "kept");
}

TEST_F(StartupTest, CloseEndsWithoutTouchingTheWorkingFiles)
{
    ProgramResult result = Run(WithXml({{"-cmd", "close"}}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty());
    EXPECT_TRUE(std::filesystem::is_directory(m_home.Path("para")));
    // Nothing but the empty lock file by which runs on this program folder take turns.
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(m_home.Path("para")))
        entries.push_back(entry.path().filename().string());
    EXPECT_EQ(entries, std::vector<std::string> {"morv9274.lock"});
    EXPECT_EQ(m_home.ReadFile("para/morv9274.lock"), "");
}

TEST_F(StartupTest, OpenLoadsAndTestsTheParameterFile)
{
    const std::string noXml = BoxLine(messages::kCannotEvaluate);
    SaveNewSet();
    const Keys open = WithXml({{"-cmd", "open"}, {"-engpath", m_home.Path("plant.evl")}});

    // A current, Italian set: nothing to say but that the drawing export is missing.
    EXPECT_EQ(JoinLines(Run(open).boxes), noXml + "\n");
    EXPECT_EQ(m_home.ReadFile("para/morv9274.par"), m_home.ReadFile("para/para.par")) << "working copy prepared";
    m_home.WriteFile("VORNA.xml", "<output/>");
    ProgramResult quiet = Run(open);
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(JoinLines(quiet.boxes), "");

    ReplaceInFile("plant.pvl", "P1.00", "P0.90");
    EXPECT_EQ(JoinLines(Run(open).boxes), BoxLine(messages::kOpenOlderFormat) + "\n");
    ReplaceInFile("plant.pvl", "P0.90", "P1.10");
    EXPECT_EQ(JoinLines(Run(open).boxes), BoxLine(messages::kOpenNewerFormat) + "\n");

    ReplaceInFile("plant.pvl", "KAVELMOR_STEUERKONTORE_PARA_FILE", "KAVELMOR_STEUERKONTORE_DATA_FILE");
    EXPECT_EQ(JoinLines(Run(open).boxes), BoxLine(messages::kOpenWrongFile) + "\n");
    EXPECT_EQ(m_home.ReadFile("para/para.par").size(), 152150u) << "replaced by an empty set";

    std::filesystem::remove(m_home.Path("plant.pvl"));
    EXPECT_EQ(JoinLines(Run(open).boxes), BoxLine(messages::kOpenNotLoaded) + "\n");
}

TEST_F(StartupTest, ParamAcceptsOnlyTheKnownObjectKinds)
{
    const Keys lower = WithXml({{"-cmd", "param"}, {"-name", "zähler$1"}});
    EXPECT_EQ(JoinLines(Run(lower).boxes), BoxLine(messages::kCannotParameterise) + "\n");
    // A known kind goes on to the drawing evaluation, which needs the drawing export.
    ASSERT_EQ(Run(WithXml({{"-cmd", "new"}})).boxes.size(), 0u);
    for (const char* kind : {"Zähler$1", "Wärmemengenzähler$2", "Signal_Übergabe", "Netzwerkausgang"}) {
        ProgramResult result = Run(WithXml({{"-cmd", "param"}, {"-name", kind}}));
        ASSERT_EQ(result.boxes.size(), 1u) << kind;
        EXPECT_EQ(result.boxes[0], BoxLine(messages::kCannotEvaluate)) << kind;
    }
}

TEST_F(StartupTest, EvaluatedCommandsNeedACommittedSet)
{
    ProgramResult result = Run(WithXml({{"-cmd", "funcview"}}));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(JoinLines(result.boxes), BoxLine(messages::kWorkCopyNotPrepared) + "\n");
}

TEST_F(StartupTest, EvaluatedCommandsEmptyTheDrawingToolsCommandFile)
{
    ASSERT_EQ(Run(WithXml({{"-cmd", "new"}})).boxes.size(), 0u);
    m_home.WriteFile("drawing/para/SCCmd.tmp", "setfilenotuptodate\r\n");
    ProgramResult result =
        Run({{"-cmd", "funcview"}, {"-xmlpath", m_home.Path("drawing/VORNA.xml")}});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(m_home.ReadFile("drawing/para/SCCmd.tmp"), "");
}

TEST_F(StartupTest, ASecondStartClosesTheRunningWindowAndWaitsForTheFirstInstance)
{
    // This test plays a first instance that is still in its start-up: it owns the mutex and shows the main window.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "morv9274 Mutex String");
    ASSERT_NE(mutex, nullptr);
    int closes = 0;
    ASSERT_TRUE(platform::remote::Publish("Vorna - morv9274", [&](UINT message, WPARAM, LPARAM) {
        if (message == WM_CLOSE)
            ++closes;
    }));
    pid_t second = m_home.Start({"-cmdfile", m_home.WriteCommandFile(WithXml({{"-cmd", "new"}}))});
    ASSERT_GT(second, 0);

    auto& loop = platform::EventLoop::Current();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    loop.RunUntil([&] { return closes > 0 || std::chrono::steady_clock::now() > deadline; }, false);
    EXPECT_EQ(closes, 1) << "WM_CLOSE posted to the window titled \"Vorna - morv9274\"";
    EXPECT_EQ(JoinLines(m_home.BoxesSoFar()), BoxLine(messages::kAlreadyRunning) + "\n");
    // While this instance still holds the mutex, the second one keeps its hands off the working files.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(m_home.Exists("para/para.par"));

    ReleaseMutex(mutex);
    ProgramResult result = m_home.Finish(second);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(m_home.Exists("para/para.par"));
    platform::remote::Unpublish("Vorna - morv9274");
    CloseHandle(mutex);
}

TEST_F(StartupTest, RunsOfTwoRuntimeFoldersOnOneProgramFolderTakeTurns)
{
    // Two users of one installation, or one user logged in twice: each run has a runtime folder of its own, so the
    // single instance never meets the other run, yet both work on the program folder's working files.
    ASSERT_EQ(Run(WithXml({{"-cmd", "new"}})).boxes.size(), 0u);
    m_home.WriteFile("VORNA.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n");
    ASSERT_TRUE(testsupport::WithParameterFile(m_home, "para/para.par", true, [](CParaDaten& store) {
        EXPECT_TRUE(store.SetSprache(CParaDaten::kWorkFile, 1));
    }));
    const std::string before = m_home.ReadFile("para/para.par");

    ProgramHome other;
    const std::filesystem::path runtime = other.Dir() / "runtime";
    std::filesystem::create_directories(runtime);
    ASSERT_EQ(chmod(runtime.c_str(), 0700), 0);
    other.SetEnvironment("MORV9274_HOME", m_home.Dir().string());
    other.SetEnvironment("XDG_RUNTIME_DIR", runtime.string());
    const std::string commandFile = other.WriteCommandFile(WithXml({{"-cmd", "new"}}));

    ProgramResult second;
    bool shown = false;
    ProgramResult first = m_home.RunWindowCommand(WithXml({{"-cmd", "parser"}}), [&] {
        shown = true;
        // While the first run shows its window, the second waits for it, says so after the single instance's
        // 2000 ms, and keeps its hands off the working files.
        const pid_t pid = other.Start({"-cmdfile", "\"" + commandFile + "\""});
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(3000));
        EXPECT_EQ(JoinLines(other.BoxesSoFar()), BoxLine(messages::kAlreadyRunning) + "\n");
        siginfo_t info {};
        EXPECT_EQ(waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT), 0);
        EXPECT_EQ(info.si_pid, 0) << "the second run still waits";
        EXPECT_TRUE(m_home.ReadFile("para/para.par") == before);
        // Once the first run has ended, the second does its work.
        EXPECT_TRUE(platform::remote::Post(testsupport::kFrameTitle, WM_CLOSE, 0, 0));
        second = other.Finish(pid);
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.boxes.size(), 1u) << JoinLines(second.boxes);
    EXPECT_EQ(LanguageOf(m_home, "para/para.par"), 3) << "the second run's new set";
}

TEST_F(StartupTest, AFallbackRuntimeFolderOthersCouldUseIsRefusedWithItsReason)
{
    // Without XDG_RUNTIME_DIR the per-user objects would live in ${TMPDIR}/win32-objects-<uid>. A folder there that
    // another user made first, or that others can enter, is not used: the program says why on its standard error,
    // once, and goes on without its single-instance lock and its link to the drawing tool.
    struct Case {
        const char* name;
        unsigned mode;
        uid_t owner;
        std::string reason;
    };
    const uid_t me = getuid();
    std::vector<Case> cases = {
        {"open to others", 0755, me, "has mode 0755; it must be 0700, so that no other user can enter it"}};
    if (me == 0)  // only root can give a folder to another user
        cases.push_back({"another user's", 0700, 65534, "belongs to user 65534, not to this user (0)"});
    // A drawing with one comparison that the set does not know yet: "open" renames it through the drawing tool.
    m_home.WriteFile("VORNA.xml", "<?xml version=\"1.0\"?>\n<output><object><type>rectangle</type><id>500</id><name>"
                                  "Vergleich$3</name><groupobject><type>rectangle</type><id>501</id><name>Biblio-Vers "
                                  "11</name></groupobject></object></output>\n");
    const std::string tmp = m_home.Path("tmp");
    const std::string folder = tmp + "/win32-objects-" + std::to_string(me);
    m_home.SetEnvironment("XDG_RUNTIME_DIR", std::nullopt);
    m_home.SetEnvironment("TMPDIR", tmp);
    for (const Case& c : cases) {
        std::filesystem::remove_all(tmp);
        std::filesystem::create_directories(folder);
        ASSERT_EQ(chmod(folder.c_str(), c.mode), 0);
        ASSERT_EQ(chown(folder.c_str(), c.owner, static_cast<gid_t>(-1)), 0);

        ProgramResult result = Run(WithXml({{"-cmd", "open"}, {"-engpath", m_home.Path("plant.evl")}}));
        EXPECT_EQ(result.exitCode, 0) << c.name;
        const std::string refusal = "morv9274: the runtime folder " + folder + " " + c.reason +
                                    "; set XDG_RUNTIME_DIR to a private folder of this user\n";
        const std::string err = m_home.ReadFile("stderr.txt");
        ASSERT_NE(err.find(refusal), std::string::npos) << c.name << "\n" << err;
        EXPECT_EQ(err.find(refusal, err.find(refusal) + 1), std::string::npos) << c.name << ": said once";
        ASSERT_FALSE(result.boxes.empty()) << c.name;
        // The server's name could not be registered: the start-up says so before anything else.
        EXPECT_EQ(result.boxes.front(), BoxLine(messages::kServerNotStarted)) << c.name;
        EXPECT_EQ(result.boxes.back(), BoxLine(messages::kNoConnection)) << c.name;
        // Nothing is made in the folder, and it keeps its mode.
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << c.name;
        struct stat st {};
        ASSERT_EQ(stat(folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode) << c.name;
    }
}
