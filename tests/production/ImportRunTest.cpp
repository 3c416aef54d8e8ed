// The parameter import in the real program, beside the drawing-tool stand-in, driven through wnddrive as a person
// would: choose a function-data file in the file dialog, start the import. The function-data files are made here
// with the store's own writers from the drawing's committed set, every record as the drawing completes it, then
// changed where a case needs it.
#include "ChildProcess.h"
#include "ProgramRun.h"

#include "drawing/StoreDrawingReader.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CEepromFile.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using testsupport::BoxLine;
using testsupport::ChildProcess;
using testsupport::ProgramHome;
using testsupport::ProgramResult;

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;
using Edit = std::function<void(CParaDaten&)>;

constexpr int kDat = CParaDaten::kDatFile;
constexpr BYTE kMixerSlot = 1;
constexpr BYTE kLogicSlot = 2;
const std::string kTerminate = "command " + std::to_string(ID_TERMINATE);

struct Step {
    Step(std::string a, int code = 0, std::string out = {})
        : args(std::move(a)), exitCode(code), expected(std::move(out))
    {}
    std::string args;  // a wnddrive verb and its arguments
    int exitCode;
    std::string expected;  // its output, when not empty
};

// A status line as wnddrive prints it (UTF-8).
std::string Shown(const char* text)
{
    return platform::Cp1252ToUtf8(text) + "\n";
}

class ImportRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> argv = {VORNA_STANDIN, "--record", m_home.Path("record.txt")};
        ASSERT_TRUE(m_standin.Start(argv));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        std::string drawing;
        ASSERT_TRUE(platform::ReadWholeFile(MIXER_LOGIC_DRAWING, drawing));
        m_home.WriteFile("VORNA.xml", drawing);
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
        ASSERT_EQ(m_home.RunCommand(Command("open")).exitCode, 0);
        // The first window command's evaluation gives the drawing's functions their slots and commits them.
        ASSERT_EQ(m_home.RunWindowCommand(Command("paraimport")).exitCode, 0);
        m_recordStart = m_home.ReadFile("record.txt").size();
    }
    void TearDown() override
    {
        m_standin.Kill(SIGTERM);
        m_standin.Wait();
    }
    Keys Command(const char* command) const
    {
        return {{"-cmd", command}, {"-engpath", m_home.Path("plant.evl")}, {"-xmlpath", m_home.Path("VORNA.xml")}};
    }
    static void Drive(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            const testsupport::ShellRun run =
                testsupport::RunShellLine(std::string(WNDDRIVE) + " " + step.args + " 2>&1");
            const std::string& out = run.out;
            EXPECT_EQ(run.exitCode, step.exitCode) << step.args << ": " << out;
            if (!step.expected.empty()) {
                EXPECT_EQ(out, step.expected) << step.args;
            }
        }
    }
    // The steps of a person who chooses the file and starts the import.
    std::vector<Step> ChooseAndImport(const std::string& file) const
    {
        return {{"file " + m_home.Path(file)},
                {"click " + std::to_string(IDC_SOURCE_CHOOSE)},
                {"click " + std::to_string(IDC_IMPORT_START)}};
    }
    std::vector<std::string> Received() const
    {
        std::vector<std::string> lines;
        const std::string text = m_home.ReadFile("record.txt");
        size_t start = m_recordStart;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    // A function-data file at the home's relative path: the committed set's memory image with every function record
    // as the drawing completes it, then edited.
    void MakeSource(const std::string& name, const Edit& edit) const
    {
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        ASSERT_EQ(chdir(m_home.Dir().c_str()), 0);
        {
            drawing::StoreDrawingReader reader;
            CParaDaten para;
            para.UseDrawing(&reader);
            EXPECT_TRUE(para.ImportFile("para/para.par", CParaDaten::kWorkFile));
            EXPECT_TRUE(para.CreateEmptyFile(kDat));
            BYTE buffer[128];
            for (UINT address = 0; address < 8192; address += sizeof buffer) {
                EXPECT_TRUE(para.ReadBytes(CParaDaten::kWorkFile, 0, address, sizeof buffer, buffer)) << address;
                EXPECT_TRUE(para.WriteBytes(kDat, 0, address, sizeof buffer, buffer));
            }
            for (BYTE slot = 1; slot <= 44; ++slot) {
                FuncEntry entry;
                para.GetFuncEntry(CParaDaten::kWorkFile, slot, entry);
                const functypes::FunctionType* type = functypes::FindFunctionType(entry.type);
                if (!type)
                    continue;
                std::vector<BYTE> fields(type->recordSize);
                EXPECT_TRUE(type->read(para, CParaDaten::kWorkFile, slot, fields.data(), true));
                EXPECT_TRUE(type->write(para, kDat, slot, fields.data()));
            }
            if (edit)
                edit(para);
            EXPECT_TRUE(para.ExportFile(kDat, m_home.Path(name).c_str()));
        }
        CParaDaten::ReleaseFiles();
        EXPECT_EQ(chdir(cwd), 0);
    }
    template <class Record>
    Record Committed(BYTE slot, bool (CParaDaten::*get)(int, BYTE, Record&, bool)) const
    {
        Record record;
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, "para/para.par", false, [&](CParaDaten& para) {
            EXPECT_TRUE((para.*get)(CParaDaten::kWorkFile, slot, record, false));
        }));
        return record;
    }

    ProgramHome m_home;
    ChildProcess m_standin;
    size_t m_recordStart = 0;
};

// Each refusal shows its message, leaves the form ready for another file and changes neither working file; the
// drawing tool receives nothing.
TEST_F(ImportRunTest, EachRefusalShowsItsMessageAndChangesNothing)
{
    const struct {
        const char* file;
        Edit edit;  // null: the file is not made
        std::string box;
    } cases[] = {
        {"missing.dat", nullptr, BoxLine(messages::kImportNotLoaded, m_home.Path("missing.dat").c_str())},
        {"count.dat",
         [](CParaDaten& p) {
             EXPECT_TRUE(p.SetFuncEntry(kDat, kLogicSlot, FuncEntry{0, 0xFF, 0xFF}));
         },
         BoxLine(messages::kIncompatibleFunctionCount)},
        {"type.dat",
         [](CParaDaten& p) {
             FuncEntry entry;
             EXPECT_TRUE(p.GetFuncEntry(kDat, kLogicSlot, entry));
             entry.type = 9;
             EXPECT_TRUE(p.SetFuncEntry(kDat, kLogicSlot, entry));
         },
         BoxLine(messages::kIncompatibleFunction, 2)},
        {"source.dat",
         [](CParaDaten& p) {
             MischerRegParam r;
             EXPECT_TRUE(p.GetMischerReg(kDat, kMixerSlot, r, false));
             r.controlTemp.number = 2;  // another input than the drawing's
             EXPECT_TRUE(p.SetMischerReg(kDat, kMixerSlot, r));
         },
         BoxLine(messages::kIncompatibleParameters, 1)},
        {"output.dat",
         [](CParaDaten& p) {
             LogikfuncParam r;
             EXPECT_TRUE(p.GetLogikfunc(kDat, kLogicSlot, r, false));
             r.result[4] = 0;  // the drawing's result drives output 5
             EXPECT_TRUE(p.SetLogikfunc(kDat, kLogicSlot, r));
         },
         BoxLine(messages::kIncompatibleParameters, 2)},
        {"message.dat",
         [](CParaDaten& p) {
             MeldungParam r;
             EXPECT_TRUE(p.GetMeldung(kDat, 1, r, false));
             r.type = kMeldungFehler;
             EXPECT_TRUE(p.SetMeldung(kDat, 1, r));
         },
         BoxLine(messages::kIncompatibleMessage, 1)},
        {"netdigital.dat",
         [](CParaDaten& p) {
             Quelle sources[16];
             EXPECT_TRUE(p.GetNetzAusgaengeDigital(kDat, sources, false));
             sources[2] = Quelle{1, 1};
             EXPECT_TRUE(p.SetNetzAusgaengeDigital(kDat, sources));
         },
         BoxLine(messages::kIncompatibleNetDigital, 3)},
        {"netanalog.dat",
         [](CParaDaten& p) {
             Quelle sources[16];
             EXPECT_TRUE(p.GetNetzAusgaengeAnalog(kDat, sources, false));
             sources[0] = Quelle{1, 2};
             EXPECT_TRUE(p.SetNetzAusgaengeAnalog(kDat, sources));
         },
         BoxLine(messages::kIncompatibleNetAnalog, 1)},
    };
    for (const auto& c : cases)
        if (c.edit)
            MakeSource(c.file, c.edit);
    // A parameter set is no function-data file.
    m_home.WriteFile("set.dat", m_home.ReadFile("para/para.par"));
    // Nor is a fitting source with a line doubled (the last one dropped, so its length is right).
    MakeSource("doubled.dat", [](CParaDaten&) {});
    std::string doubled = m_home.ReadFile("doubled.dat");
    doubled.insert(298 + 73 * 1000, doubled.substr(298 + 73 * 1000, 73));
    doubled.resize(doubled.size() - 73);
    m_home.WriteFile("doubled.dat", doubled);

    // The first dialog starts without a folder (no compiler path is stored), every later one in the folder and on
    // the name of the file chosen before.
    const std::string dialog = std::string("file dialog\topen\t") + ui::kImportFilter + "\t";
    std::vector<std::string> expected = {dialog + "\t"};
    std::string previous;
    ProgramResult result = m_home.RunWindowCommand(Command("paraimport"), [&] {
        Drive({{"get " + std::to_string(IDC_STATUS_TEXT), 0, Shown(ui::kImportChooseFirst)},
               {"click " + std::to_string(IDC_IMPORT_START), 1}});  // disabled before a file is chosen
        const std::string committed = m_home.ReadFile("para/para.par");
        const std::string working = m_home.ReadFile("para/morv9274.par");
        auto refuse = [&](const std::string& file, const std::string& box) {
            SCOPED_TRACE(file);
            std::vector<Step> steps = ChooseAndImport(file);
            steps.push_back({"get " + std::to_string(IDC_STATUS_TEXT), 0, Shown(ui::kImportRefused)});
            Drive(steps);
            if (!previous.empty())
                expected.push_back(dialog + m_home.Dir().string() + "\t" + previous);
            previous = file;
            expected.push_back(box);
            EXPECT_EQ(m_home.ReadFile("para/para.par"), committed);
            EXPECT_EQ(m_home.ReadFile("para/morv9274.par"), working);
        };
        for (const char* file : {"set.dat", "doubled.dat"})
            refuse(file, BoxLine(messages::kImportFormat));
        for (const auto& c : cases)
            refuse(c.file, c.box);
        // Cancelling the dialog changes nothing.
        expected.push_back(dialog + m_home.Dir().string() + "\t" + previous);
        Drive({{"file CANCEL"},
               {"click " + std::to_string(IDC_SOURCE_CHOOSE)},
               {"get " + std::to_string(IDC_SOURCE_PATH), 0, m_home.Path("netanalog.dat") + "\n"},
               {"get " + std::to_string(IDC_STATUS_TEXT), 0, Shown(ui::kImportRefused)},
               {kTerminate}});
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.boxes, expected) << testsupport::JoinLines(result.boxes);
    EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
}

// A source that fits: its parameters, designations and fixed values replace the drawing's, the parameter file's
// own text area stays, the labels go to the drawing tool and the run ends. The person's read-only file, chosen
// with its extension in capitals, is read and left as it was.
TEST_F(ImportRunTest, ACompatibleSourceIsImportedCommittedAndSentToTheDrawing)
{
    const BYTE code = CParaDaten::EncodeBezeichnung("Mischerregelfunktion", Bezeichnung{0, 2, 3});
    MakeSource("Anlage.DAT", [&](CParaDaten& p) {
        MischerRegParam r;
        EXPECT_TRUE(p.GetMischerReg(kDat, kMixerSlot, r, false));
        EXPECT_EQ(r.setpoint.kind, 0);  // unconnected: its number is a fixed setpoint, a parameter
        r.setpoint.number = 55;
        r.difference = 0x85;
        r.inverse = 1;
        EXPECT_TRUE(p.SetMischerReg(kDat, kMixerSlot, r));
        FuncEntry entry;
        EXPECT_TRUE(p.GetFuncEntry(kDat, kMixerSlot, entry));
        entry.designation = code;
        EXPECT_TRUE(p.SetFuncEntry(kDat, kMixerSlot, entry));
        EXPECT_TRUE(p.SetUserBezeichnung(kDat, 1, "CALDAIA"));
    });
    const std::string source = m_home.ReadFile("Anlage.DAT");
    std::filesystem::permissions(m_home.Path("Anlage.DAT"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);
    const std::string before = m_home.ReadFile("para/para.par");

    ProgramResult result = m_home.RunWindowCommand(Command("paraimport"), [&] {
        std::vector<Step> steps = {{"file " + m_home.Path("Anlage.DAT")},
                                   {"click " + std::to_string(IDC_SOURCE_CHOOSE)},
                                   {"get " + std::to_string(IDC_SOURCE_PATH), 0, m_home.Path("Anlage.DAT") + "\n"},
                                   {"get " + std::to_string(IDC_STATUS_TEXT), 0, Shown(ui::kImportReady)},
                                   {"click " + std::to_string(IDC_IMPORT_START)}};
        Drive(steps);
    });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> boxes = {std::string("file dialog\topen\t") + ui::kImportFilter + "\t\t"};
    EXPECT_EQ(result.boxes, boxes) << testsupport::JoinLines(result.boxes);

    const std::string after = m_home.ReadFile("para/para.par");
    ASSERT_EQ(after.size(), before.size());
    // The text area (object ids, message numbers, paths, export filter, language) is the set's own.
    EXPECT_EQ(after.substr(CEepromFile::kArea2Start), before.substr(CEepromFile::kArea2Start));
    EXPECT_EQ(m_home.ReadFile("para/morv9274.par"), after);
    const MischerRegParam r = Committed<MischerRegParam>(kMixerSlot, &CParaDaten::GetMischerReg);
    EXPECT_EQ(r.setpoint.number, 55);
    EXPECT_EQ(r.difference, 0x85);
    EXPECT_EQ(r.inverse, 1);
    EXPECT_EQ(r.designation.index, 2);
    EXPECT_EQ(r.designation.digit, 3);
    // The connections are the drawing's: the control temperature from input 1, the mixer pair at output 8.
    EXPECT_EQ(r.controlTemp.kind, 1);
    EXPECT_EQ(r.controlTemp.number, 1);
    EXPECT_EQ(r.outputs, 8);
    std::string designation;
    EXPECT_TRUE(testsupport::WithParameterFile(m_home, "para/para.par", false, [&](CParaDaten& para) {
        designation = para.GetUserBezeichnung(CParaDaten::kWorkFile, 1).str();
    }));
    EXPECT_EQ(designation, "CALDAIA");

    // The person's file: same bytes, still read-only.
    EXPECT_EQ(m_home.ReadFile("Anlage.DAT"), source);
    EXPECT_EQ(std::filesystem::status(m_home.Path("Anlage.DAT")).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                  std::filesystem::perms::others_read);

    const std::vector<std::string> received = Received();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back(), "setfilenotuptodate") << testsupport::JoinLines(received);
    // Every object's texts are refreshed: the new designation, the other function's labels, the inputs.
    for (const char* line : {"settext§202§  AUM.RT.3  ", "settext§311§ABL Funz.log.", "settext§102§inutiliz."})
        EXPECT_NE(std::find(received.begin(), received.end(), line), received.end())
            << line << "\n"
            << testsupport::JoinLines(received);
}

// A copy that fails halfway (the committed set is read-only, so the commit is refused) shows 1.033 and ends the
// run: the committed set is byte for byte what it was, the working copy is it again, and nothing is sent.
TEST_F(ImportRunTest, AFailureHalfwayLeavesTheCommittedSetAndSendsNothing)
{
    MakeSource("source.dat", [](CParaDaten& p) { EXPECT_TRUE(p.SetUserBezeichnung(kDat, 1, "CALDAIA")); });
    std::string before;
    ProgramResult result = m_home.RunWindowCommand(Command("paraimport"), [&] {
        // Made read-only once the run has started: every copy step succeeds, the commit is refused.
        before = m_home.ReadFile("para/para.par");
        std::filesystem::permissions(m_home.Path("para/para.par"), std::filesystem::perms::owner_read);
        Drive(ChooseAndImport("source.dat"));
    });
    std::filesystem::permissions(m_home.Path("para/para.par"), std::filesystem::perms::owner_all);
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {std::string("file dialog\topen\t") + ui::kImportFilter + "\t\t",
                                               BoxLine(messages::kImportCopyFailed)};
    EXPECT_EQ(result.boxes, expected) << testsupport::JoinLines(result.boxes);
    EXPECT_EQ(m_home.ReadFile("para/para.par"), before);
    EXPECT_EQ(m_home.ReadFile("para/morv9274.par"), before);
    EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
}

}  // namespace
