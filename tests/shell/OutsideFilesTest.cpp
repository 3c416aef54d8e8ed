// The real program and files that are not what they should be: a link planted where it writes the person's set or
// its backup, and a FIFO, a device or a line without end where it reads a file from outside. Every run ends in
// bounded time and memory with the message the failure has.
#include "ChildProcess.h"
#include "ProgramRun.h"
#include "StandinFixture.h"

#include "platform/RemoteWindow.h"
#include "platform/WindowTypes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

using testsupport::BoxLine;
using testsupport::JoinLines;
using testsupport::ProgramResult;

namespace fs = std::filesystem;

namespace {

const std::string kEmptyDrawing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n";

unsigned ModeOf(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0xFFFF;
}

std::string LinkTarget(const std::string& path)
{
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(path, ec)) ? fs::read_symlink(path, ec).string() : std::string();
}

// Whether one of the boxes is the program's message of that number.
bool Shows(const ProgramResult& result, const char* number)
{
    for (const std::string& box : result.boxes)
        if (box.rfind(std::string("morv9274 - Message: ") + number + "\t", 0) == 0)
            return true;
    return false;
}

class OutsideFilesTest : public testsupport::StandinFixture {
protected:
    void SetUp() override
    {
        StandinFixture::SetUp();
        if (HasFatalFailure())
            return;
        m_home.WriteFile("VORNA.xml", kEmptyDrawing);
    }
    // A window command's frame comes up, closes on WM_CLOSE and the run ends in time.
    void ExpectTheFrameComesAndCloses()
    {
        bool reached = false;
        Timed([&] {
            return m_home.RunWindowCommand(Command("funcview"), [&] {
                reached = true;
                EXPECT_TRUE(platform::remote::Post(testsupport::kFrameTitle, WM_CLOSE, 0, 0));
            });
        });
        EXPECT_TRUE(reached);
    }
    // A run that must end by itself, well before the run's own limit of a minute.
    ProgramResult Timed(const std::function<ProgramResult()>& run, double* seconds = nullptr) const
    {
        const auto start = std::chrono::steady_clock::now();
        ProgramResult result = run();
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(result.exitCode, 0) << JoinLines(result.boxes);
        EXPECT_LT(took, 20.0);
        if (seconds)
            *seconds = took;
        return result;
    }
    ProgramResult Run(const char* command) const
    {
        return Timed([&] { return m_home.RunCommand(Command(command)); });
    }
    // A FIFO in place of the file: a reader that waits for a writer never ends.
    void MakeFifo(const std::string& relative) const
    {
        fs::remove(m_home.Path(relative));
        ASSERT_EQ(mkfifo(m_home.Path(relative).c_str(), 0600), 0);
    }
};

}  // namespace

TEST_F(OutsideFilesTest, ALinkPlantedAsTheSetOrItsBackupIsNeitherReadNorFollowedNorReplaced)
{
    ASSERT_EQ(JoinLines(Run("new").boxes), "");
    // A file of the person's in a folder only the person may enter, open to all by its own mode: copied into the
    // drawing's folder, anyone could read it.
    fs::create_directories(m_home.Path("private"));
    m_home.WriteFile("private/secret", "the person's secret\r\n");
    ASSERT_EQ(chmod(m_home.Path("private/secret").c_str(), 0644), 0);
    ASSERT_EQ(chmod(m_home.Path("private").c_str(), 0700), 0);
    const std::string failed = BoxLine(messages::kSaveBesideDrawingFailed) + "\n";

    // The set's place holds a link to it.
    fs::create_symlink(m_home.Path("private/secret"), m_home.Path("plant.pvl"));
    EXPECT_EQ(JoinLines(Run("save").boxes), failed);
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_home.Path("plant.pvl.bak")))) << "nothing of the secret copied";
    EXPECT_EQ(LinkTarget(m_home.Path("plant.pvl")), m_home.Path("private/secret"));
    EXPECT_EQ(m_home.ReadFile("private/secret"), "the person's secret\r\n");

    // The backup's place holds a link: the person's set is neither copied there nor replaced.
    fs::remove(m_home.Path("plant.pvl"));
    m_home.WriteFile("plant.pvl", m_home.ReadFile("para/para.par"));
    const std::string persons = m_home.ReadFile("plant.pvl");
    fs::create_symlink(m_home.Path("private/secret"), m_home.Path("plant.pvl.bak"));
    EXPECT_EQ(JoinLines(Run("save").boxes), failed);
    EXPECT_EQ(LinkTarget(m_home.Path("plant.pvl.bak")), m_home.Path("private/secret"));
    EXPECT_EQ(m_home.ReadFile("private/secret"), "the person's secret\r\n");
    EXPECT_TRUE(m_home.ReadFile("plant.pvl") == persons);

    // Without the links the save goes on as ever.
    fs::remove(m_home.Path("plant.pvl.bak"));
    EXPECT_EQ(JoinLines(Run("save").boxes), "");
    EXPECT_TRUE(m_home.ReadFile("plant.pvl.bak") == persons);
    EXPECT_TRUE(m_home.ReadFile("plant.pvl") == m_home.ReadFile("para/para.par"));
    ASSERT_EQ(chmod(m_home.Path("private").c_str(), 0755), 0);
}

TEST_F(OutsideFilesTest, TheBackupAndTheSavedSetKeepThePermissionsOfThePersonsSet)
{
    ASSERT_EQ(JoinLines(Run("new").boxes), "");
    ASSERT_EQ(JoinLines(Run("save").boxes), "");
    for (const unsigned mode : {0600u, 0640u}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(chmod(m_home.Path("plant.pvl").c_str(), mode), 0);
        if (fs::exists(m_home.Path("plant.pvl.bak"))) {
            ASSERT_EQ(chmod(m_home.Path("plant.pvl.bak").c_str(), 0644), 0);
        }
        EXPECT_EQ(JoinLines(Run("save").boxes), "");
        EXPECT_EQ(ModeOf(m_home.Path("plant.pvl")), mode);
        EXPECT_EQ(ModeOf(m_home.Path("plant.pvl.bak")), mode) << "never more open than the set";
    }
}

TEST_F(OutsideFilesTest, AFifoInPlaceOfAFileFromOutsideEndsTheRunAtOnceWithItsMessage)
{
    ASSERT_EQ(JoinLines(Run("new").boxes), "");

    // The command file.
    MakeFifo("command.fifo");
    ProgramResult command = Timed([&] { return m_home.Run({"-cmdfile", "\"" + m_home.Path("command.fifo") + "\""}); });
    EXPECT_TRUE(Shows(command, "1.002")) << JoinLines(command.boxes);

    // The person's set, opened: it cannot be loaded, and the run works on an empty set.
    MakeFifo("plant.pvl");
    ProgramResult open = Run("open");
    EXPECT_TRUE(Shows(open, "1.043")) << JoinLines(open.boxes);
    fs::remove(m_home.Path("plant.pvl"));

    // Working file 1, saved: the save is refused.
    ASSERT_EQ(JoinLines(Run("new").boxes), "");
    MakeFifo("para/para.par");
    ProgramResult save = Run("save");
    EXPECT_EQ(JoinLines(save.boxes), BoxLine(messages::kSaveBesideDrawingFailed) + "\n");
    EXPECT_FALSE(fs::exists(m_home.Path("plant.pvl")));
    fs::remove(m_home.Path("para/para.par"));

    // The settings file: the defaults, without a message (a new set takes the default expert code).
    MakeFifo("morv9274.ini");
    EXPECT_EQ(JoinLines(Run("new").boxes), "");
    EXPECT_EQ(m_home.ReadFile("para/para.par").substr(298 + 9, 10), "03690A6102");

    // WINDOW.ini: the frame shows at its default place and the run ends as ever.
    MakeFifo("WINDOW.ini");
    ExpectTheFrameComesAndCloses();
}

TEST_F(OutsideFilesTest, ADeviceOrALineWithoutEndInASettingsFileCostsNeitherTimeNorMemoryOfItsSize)
{
    // /dev/zero as the settings file and as WINDOW.ini: one endless line of NULs each.
    fs::create_symlink("/dev/zero", m_home.Path("morv9274.ini"));
    fs::create_symlink("/dev/zero", m_home.Path("WINDOW.ini"));
    EXPECT_EQ(JoinLines(Run("new").boxes), "");
    EXPECT_EQ(m_home.ReadFile("para/para.par").substr(298 + 9, 10), "03690A6102");
    ExpectTheFrameComesAndCloses();

    // A settings file whose first line is 256 MB long: read no further than a path can be long, so the run's
    // memory does not grow with it.
    fs::remove(m_home.Path("morv9274.ini"));
    fs::remove(m_home.Path("WINDOW.ini"));
    std::FILE* f = std::fopen(m_home.Path("morv9274.ini").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string block(1 << 20, 'p');
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), f), block.size());
    std::fputs("\r\n    1234\r\n", f);
    std::fclose(f);
    ProgramResult result = Run("new");
    EXPECT_EQ(JoinLines(result.boxes), "");
    EXPECT_EQ(m_home.ReadFile("para/para.par").substr(298 + 9, 10), "03690A6102") << "the line after is not read";
    struct rusage children {};
    getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 128 * 1024) << "kilobytes at the peak of the largest run";
}
