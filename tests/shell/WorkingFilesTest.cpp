// The real program and the person's files: working files written whole when a run is killed at the moment of a
// write, a person's set beside the drawing that is never lost, the command file's bounds and the temporaries of
// killed runs.
#include "ProgramRun.h"

#include "platform/HeadlessPrompts.h"
#include "platform/Win32File.h"
#include "store/CParaDaten.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::ProgramHome;
using testsupport::ProgramResult;
using testsupport::BoxLine;
using testsupport::JoinLines;
using Keys = std::vector<std::pair<std::string, std::string>>;

namespace {

constexpr size_t kParaFileSize = 152150;

unsigned ModeOf(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0xFFFF;
}

// The program's hidden temporaries in a folder.
std::vector<std::string> Temporaries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind(".morv9274-", 0) == 0)
            names.push_back(entry.path().filename().string());
    return names;
}

class WorkingFilesTest : public ::testing::Test {
protected:
    Keys Command(const char* command) const
    {
        return {{"-cmd", command}, {"-engpath", m_home.Path("plant.evl")}, {"-xmlpath", m_home.Path("VORNA.xml")}};
    }
    ProgramResult Run(const char* command) const { return m_home.RunCommand(Command(command)); }
    // The run is killed (SIGKILL) in the middle of its n-th write to a file.
    ProgramResult RunKilledAtWrite(const char* command, int n) const
    {
        const char* asan = std::getenv("ASAN_OPTIONS");
        const std::string asanBefore = asan ? asan : "";
        setenv("LD_PRELOAD", KILL_AT_WRITE_LIBRARY, 1);
        setenv("KILL_AT_WRITE", std::to_string(n).c_str(), 1);
        // In the sanitizer build the preloaded library comes before the sanitizer's runtime.
        setenv("ASAN_OPTIONS", (asanBefore + (asan ? ":" : "") + "verify_asan_link_order=0").c_str(), 1);
        ProgramResult result = Run(command);
        unsetenv("LD_PRELOAD");
        unsetenv("KILL_AT_WRITE");
        if (asan)
            setenv("ASAN_OPTIONS", asanBefore.c_str(), 1);
        else
            unsetenv("ASAN_OPTIONS");
        return result;
    }
    // The person's set beside the drawing: a saved new set with another language code, so that it differs from
    // every set "new" makes.
    std::string MakePersonsSet()
    {
        EXPECT_EQ(JoinLines(Run("new").boxes), "");
        EXPECT_EQ(JoinLines(Run("save").boxes), "");
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, "plant.pvl", true, [](CParaDaten& store) {
            EXPECT_TRUE(store.SetSprache(CParaDaten::kWorkFile, 1));
        }));
        return m_home.ReadFile("plant.pvl");
    }
    bool IsSoundSet(const std::string& relative) const
    {
        bool complete = false;
        testsupport::WithParameterFile(m_home, relative, false, [&](CParaDaten& store) {
            complete = store.IsSoundFile(CParaDaten::kWorkFile);
        });
        return complete && m_home.ReadFile(relative).size() == kParaFileSize;
    }

    ProgramHome m_home;
};

}  // namespace

TEST_F(WorkingFilesTest, ARunKilledAtAnyWriteNeverLetsSaveStoreATornSet)
{
    const std::string persons = MakePersonsSet();
    const std::string newSet = m_home.ReadFile("para/para.par");

    int killed = 0;
    for (int n = 1; n < 50; ++n) {
        SCOPED_TRACE("killed at write " + std::to_string(n));
        ProgramResult run = RunKilledAtWrite("new", n);
        if (run.exitCode == 0)
            break;  // "new" made fewer writes than n
        ASSERT_EQ(run.exitCode, 128 + 9);
        ++killed;
        ASSERT_TRUE(IsSoundSet("para/para.par")) << "working file 1 is whole after the kill";

        ProgramResult save = Run("save");
        EXPECT_EQ(JoinLines(save.boxes), "");
        EXPECT_TRUE(m_home.ReadFile("plant.pvl") == m_home.ReadFile("para/para.par"));
        EXPECT_TRUE(IsSoundSet("plant.pvl")) << "the person's file is replaced only by a whole set";
        EXPECT_TRUE(m_home.ReadFile("plant.pvl.bak") == persons) << "the replaced set is kept";
        EXPECT_TRUE(Temporaries(m_home.Path("para")).empty()) << "the killed run's temporary is gone";
        m_home.WriteFile("plant.pvl", persons);
    }
    EXPECT_GE(killed, 2) << "the creation and the language code are two writes at least";

    // A save killed in the middle of its copies leaves the person's file whole and its temporary behind, which the
    // next start removes.
    for (int n = 1; n < 20; ++n) {
        SCOPED_TRACE("save killed at write " + std::to_string(n));
        m_home.WriteFile("plant.pvl", persons);
        std::filesystem::remove(m_home.Path("plant.pvl.bak"));
        ProgramResult save = RunKilledAtWrite("save", n);
        if (save.exitCode == 0)
            break;
        const std::string stored = m_home.ReadFile("plant.pvl");
        EXPECT_TRUE(stored == persons || stored == newSet);
        EXPECT_FALSE(Temporaries(m_home.Dir()).empty()) << "the killed copy's temporary";
        EXPECT_EQ(JoinLines(Run("close").boxes), "");
        EXPECT_TRUE(Temporaries(m_home.Dir()).empty()) << "removed at the next start";
    }
}

TEST_F(WorkingFilesTest, SaveRefusesAWorkingFileThatIsNotAWholeSet)
{
    const std::string persons = MakePersonsSet();
    // A working file cut short, as a crash of an earlier version could leave it.
    std::string torn = m_home.ReadFile("para/para.par");
    torn.resize(100000);
    m_home.WriteFile("para/para.par", torn);
    for (const char* command : {"save", "saveas"}) {
        ProgramResult result = Run(command);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(JoinLines(result.boxes), BoxLine(messages::kSaveBesideDrawingFailed) + "\n") << command;
        EXPECT_TRUE(m_home.ReadFile("plant.pvl") == persons) << command;
        EXPECT_FALSE(m_home.Exists("plant.pvl.bak")) << command;
    }
    // "open" takes a damaged parameter file for what it is: no parameter set. Cut, a line doubled (the last one
    // dropped, so its length is right), data after its end.
    const std::string line = persons.substr(298 + 73 * 200, 73);
    const std::string damaged[] = {
        torn,
        persons.substr(0, 298 + 73 * 200) + line + persons.substr(298 + 73 * 200, persons.size() - 298 - 73 * 201),
        persons + std::string(1 << 20, 'F'),
    };
    for (const std::string& bytes : damaged) {
        SCOPED_TRACE(bytes.size());
        m_home.WriteFile("plant.pvl", bytes);
        ProgramResult open = Run("open");
        ASSERT_FALSE(open.boxes.empty());
        EXPECT_EQ(open.boxes[0], BoxLine(messages::kOpenWrongFile));
        EXPECT_TRUE(IsSoundSet("para/para.par")) << "an empty set in its place";
        EXPECT_TRUE(m_home.Exists("para/para.placeholder"));
        EXPECT_TRUE(m_home.ReadFile("plant.pvl") == bytes);
    }
}

TEST_F(WorkingFilesTest, ASetThatWasNotLoadedNeverReplacesThePersonsSetUnasked)
{
    const std::string persons = MakePersonsSet();
    const std::string asked = BoxLine(messages::kSavePlaceholder);

    // The person's set cannot be loaded as one ("open" replaces it by an empty set): "save" asks, and the answer
    // of a box nobody can answer is no, so the person's set stays.
    std::string foreign = persons;
    foreign.replace(0, 32, "KAVELMOR_STEUERKONTORE_DATA_FILE");
    m_home.WriteFile("plant.pvl", foreign);
    ASSERT_EQ(Run("open").boxes.size(), 2u);  // 1.004, then 1.009 for the missing drawing export
    ProgramResult save = Run("save");
    EXPECT_EQ(JoinLines(save.boxes), asked + "\n");
    EXPECT_TRUE(m_home.ReadFile("plant.pvl") == foreign);
    EXPECT_FALSE(m_home.Exists("plant.pvl.bak"));

    // Beside a drawing without a set there is nothing to lose: the set is stored and is the drawing's own from then.
    std::filesystem::remove(m_home.Path("plant.pvl"));
    EXPECT_EQ(JoinLines(Run("save").boxes), "");
    EXPECT_TRUE(m_home.ReadFile("plant.pvl") == m_home.ReadFile("para/para.par"));
    m_home.WriteFile("plant.pvl", persons);
    EXPECT_EQ(JoinLines(Run("save").boxes), "");
    EXPECT_TRUE(m_home.ReadFile("plant.pvl.bak") == persons) << "replaced, and kept beside it";

    // A set that is missing: the same question. After "new" the set is the person's choice again.
    std::filesystem::rename(m_home.Path("plant.pvl"), m_home.Path("plant.kept"));
    Run("open");
    std::filesystem::rename(m_home.Path("plant.kept"), m_home.Path("plant.pvl"));
    EXPECT_EQ(JoinLines(Run("save").boxes), asked + "\n");
    EXPECT_EQ(JoinLines(Run("new").boxes), "");
    EXPECT_EQ(JoinLines(Run("save").boxes), "");
}

TEST_F(WorkingFilesTest, WithoutRoomForThePlaceholderMarkNoSaveStoresTheWorkingSet)
{
    // Working file 1 holds the set of a drawing opened before; this drawing's set cannot be loaded, and the disc
    // has no room for the mark that says the working set is a placeholder. No working set may then reach the
    // person's file unasked: neither the earlier drawing's nor a new empty one.
    MakePersonsSet();
    std::string foreign = m_home.ReadFile("plant.pvl");
    foreign.replace(0, 32, "KAVELMOR_STEUERKONTORE_DATA_FILE");
    m_home.WriteFile("plant.pvl", foreign);

    const char* asan = std::getenv("ASAN_OPTIONS");
    m_home.SetEnvironment("LD_PRELOAD", NO_ROOM_FOR_LIBRARY);
    m_home.SetEnvironment("NO_ROOM_FOR", "para.placeholder");
    // In the sanitizer build the preloaded library comes before the sanitizer's runtime.
    m_home.SetEnvironment("ASAN_OPTIONS", std::string(asan ? asan : "") + (asan ? ":" : "") + "verify_asan_link_order=0");
    ProgramResult open = Run("open");
    m_home.SetEnvironment("LD_PRELOAD", std::nullopt);
    m_home.SetEnvironment("NO_ROOM_FOR", std::nullopt);
    m_home.SetEnvironment("ASAN_OPTIONS", asan ? std::optional<std::string>(asan) : std::nullopt);
    EXPECT_EQ(open.exitCode, 0);
    // 1.004 (no parameter set), 1.051 (no new set made), 1.009 (no drawing export).
    ASSERT_EQ(open.boxes.size(), 3u) << JoinLines(open.boxes);
    EXPECT_EQ(open.boxes[0].substr(0, 25), "morv9274 - Message: 1.004");
    EXPECT_EQ(open.boxes[1].substr(0, 25), "morv9274 - Message: 1.051");
    EXPECT_FALSE(m_home.Exists("para/para.placeholder"));
    EXPECT_FALSE(m_home.Exists("para/para.par")) << "working file 1 goes instead of the mark";

    for (const char* command : {"save", "saveas"}) {
        EXPECT_EQ(JoinLines(Run(command).boxes), BoxLine(messages::kSaveBesideDrawingFailed) + "\n") << command;
        EXPECT_TRUE(m_home.ReadFile("plant.pvl") == foreign) << command;
        EXPECT_FALSE(m_home.Exists("plant.pvl.bak")) << command;
    }
}

TEST_F(WorkingFilesTest, ThePermissionsOfThePersonsFileStayAsTheyWere)
{
    const std::string persons = MakePersonsSet();
    // A set the person shares with a group keeps its permissions when it is replaced; its backup takes them too.
    ASSERT_EQ(chmod(m_home.Path("plant.pvl").c_str(), 0640), 0);
    EXPECT_EQ(JoinLines(Run("save").boxes), "");
    EXPECT_EQ(ModeOf(m_home.Path("plant.pvl")), 0640u);
    EXPECT_EQ(ModeOf(m_home.Path("plant.pvl.bak")), 0640u);

    // A read-only set loads and stays read-only; storing over it is reported, not forced.
    m_home.WriteFile("plant.pvl", persons);
    ASSERT_EQ(chmod(m_home.Path("plant.pvl").c_str(), 0444), 0);
    EXPECT_EQ(Run("open").boxes.size(), 1u);  // 1.009: no drawing export, the set itself loaded
    EXPECT_EQ(ModeOf(m_home.Path("plant.pvl")), 0444u);
    EXPECT_EQ(JoinLines(Run("save").boxes), BoxLine(messages::kSaveBesideDrawingFailed) + "\n");
    EXPECT_EQ(ModeOf(m_home.Path("plant.pvl")), 0444u);

    // A set the person made unreadable is not loaded (whoever runs the program), and keeps its mode.
    ASSERT_EQ(chmod(m_home.Path("plant.pvl").c_str(), 0), 0);
    ProgramResult open = Run("open");
    ASSERT_FALSE(open.boxes.empty());
    EXPECT_EQ(open.boxes[0].substr(0, 25), "morv9274 - Message: 1.043");
    EXPECT_EQ(ModeOf(m_home.Path("plant.pvl")), 0u);
    EXPECT_EQ(JoinLines(Run("save").boxes), BoxLine(messages::kSaveBesideDrawingFailed) + "\n");
    EXPECT_EQ(ModeOf(m_home.Path("plant.pvl")), 0u);
    ASSERT_EQ(chmod(m_home.Path("plant.pvl").c_str(), 0644), 0);
    EXPECT_TRUE(m_home.ReadFile("plant.pvl") == persons);
}

TEST_F(WorkingFilesTest, ACommandFileWithoutLineEndsEndsAtOnce)
{
    const std::string invalid = BoxLine(messages::kCommandFileUnreadable);
    const auto started = std::chrono::steady_clock::now();
    ProgramResult endless = m_home.Run({"-cmdfile", "\"/dev/zero\""});
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(endless.exitCode, 0);
    EXPECT_EQ(JoinLines(endless.boxes), invalid + "\n");
    EXPECT_LT(took, std::chrono::seconds(10));
    struct rusage usage {};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 200 * 1024) << "kilobytes of the largest run";

    // A path as long as a path can be is still read; one byte more is no command file.
    const std::string longest(PATH_MAX - 1, 'p');
    ProgramResult fits = m_home.RunCommand({{"-cmd", "close"}, {"-engpath", "\"" + longest + "\""},
                                            {"-xmlpath", m_home.Path("VORNA.xml")}});
    EXPECT_EQ(JoinLines(fits.boxes), "");
    ProgramResult tooLong = m_home.RunCommand({{"-cmd", "close"}, {"-engpath", "\"" + longest + "xx\""},
                                               {"-xmlpath", m_home.Path("VORNA.xml")}});
    EXPECT_EQ(JoinLines(tooLong.boxes), invalid + "\n");
}

TEST_F(WorkingFilesTest, TheNextStartRemovesOnlyStaleTemporariesOfItsOwnNaming)
{
    std::filesystem::create_directories(m_home.Path("para"));
    std::filesystem::create_directories(m_home.Path("plant"));
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    auto make = [&](const std::string& relative, bool aged) {
        m_home.WriteFile(relative, "partial");
        if (aged)
            std::filesystem::last_write_time(m_home.Path(relative), old);
    };
    const std::vector<std::string> stale = {".morv9274-a1B2c3", "para/.morv9274-Zz9Yy8", "plant/.morv9274-000000"};
    const std::vector<std::string> kept = {"para/.morv9274-short", "plant/.morv9274-a1B2c3.par", "plant/morv9274-a1B2c3",
                                           ".tmp-copy-a1B2c3", "plant/notes.txt"};
    for (const std::string& name : stale)
        make(name, true);
    for (const std::string& name : kept)
        make(name, true);
    // One still being written by a live run (locked), one made after this run began.
    make("plant/.morv9274-LiVe01", true);
    int live = open(m_home.Path("plant/.morv9274-LiVe01").c_str(), O_RDONLY);
    ASSERT_GE(live, 0);
    ASSERT_EQ(flock(live, LOCK_EX), 0);

    ProgramResult result = m_home.RunCommand(
        {{"-cmd", "close"}, {"-engpath", m_home.Path("plant/plant.evl")}, {"-xmlpath", m_home.Path("VORNA.xml")}});
    EXPECT_EQ(JoinLines(result.boxes), "");
    for (const std::string& name : stale)
        EXPECT_FALSE(m_home.Exists(name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(m_home.Exists(name)) << name;
    EXPECT_TRUE(m_home.Exists("plant/.morv9274-LiVe01")) << "a live run's temporary";
    close(live);
}

TEST_F(WorkingFilesTest, AWriteBeyondTheFileSizeLimitIsReportedLikeAFullDisc)
{
    // A file-size limit below the size of a set: every write that would pass it fails, and the run says so as it
    // does for a full disc, instead of being ended by the system in the middle of its write.
    const std::string persons = MakePersonsSet();
    const std::string working = m_home.ReadFile("para/para.par");
    struct Case {
        const char* command;
        std::string box;
    } cases[] = {
        {"new", BoxLine(messages::kNewSetNotCreated)},
        {"save", BoxLine(messages::kSaveBesideDrawingFailed)},
    };
    for (const Case& c : cases) {
        const std::string commandFile = m_home.WriteCommandFile(Command(c.command));
        struct rlimit unlimited {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        struct rlimit limited = unlimited;
        limited.rlim_cur = 64 * 1024;
        // The limit passes to the started program only; this process gets its own back at once.
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const pid_t pid = m_home.Start({"-cmdfile", "\"" + commandFile + "\""});
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
        ProgramResult result = m_home.Finish(pid);
        EXPECT_EQ(result.exitCode, 0) << c.command;
        ASSERT_FALSE(result.boxes.empty()) << c.command;
        EXPECT_EQ(result.boxes.front(), c.box) << c.command;
        EXPECT_TRUE(m_home.ReadFile("para/para.par") == working) << c.command;
        EXPECT_TRUE(m_home.ReadFile("plant.pvl") == persons) << c.command;
        EXPECT_FALSE(m_home.Exists("plant.pvl.bak")) << c.command;
    }
}
