// The documentation export as a person uses it: the real program on the "parser" command beside the drawing-tool
// stand-in, its export form driven from outside by wnddrive. A new set is exported section by section in each
// layout and compared line by line with the expected documentation; refused and failed runs leave the target as it
// was. Texts are UTF-8 here (wnddrive's side); the documentation files are compared as Windows-1252 bytes.
#include "ChildProcess.h"
#include "ProgramRun.h"

#include "platform/RemoteWindow.h"
#include "store/CParaDaten.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using testsupport::ChildProcess;
using testsupport::ProgramHome;
using testsupport::ProgramResult;

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

const std::string kEmptyDrawing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n";
constexpr const char* kForm = "251";
constexpr const char* kShowExport = "32900";

std::string Expected(const std::string& name)
{
    std::ifstream in(std::string(PRODUCTION_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_TRUE(in.good() || in.eof()) << name;
    return bytes.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Compares line by line, so a failure names the first line that differs.
void ExpectSameLines(const std::string& actual, const std::string& expected, const std::string& what)
{
    const auto a = Lines(actual);
    const auto e = Lines(expected);
    for (size_t i = 0; i < std::min(a.size(), e.size()); ++i)
        ASSERT_EQ(a[i], e[i]) << what << ", line " << i + 1;
    ASSERT_EQ(a.size(), e.size()) << what;
    ASSERT_EQ(actual, expected) << what;  // line ends included
}

class ExportFormRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_standin.Start({VORNA_STANDIN, "--record", m_home.Path("record.txt")}));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        m_home.WriteFile("VORNA.xml", kEmptyDrawing);
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
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

    // Runs wnddrive with the arguments; its output, and its exit status in status.
    static std::string Drive(const std::vector<std::string>& args, int* status = nullptr)
    {
        std::string command = WNDDRIVE;
        for (const std::string& arg : args)
            command += " '" + arg + "'";
        const testsupport::ShellRun run = testsupport::RunShellLine(command);
        if (status)
            *status = run.exitCode;
        else
            EXPECT_EQ(run.exitCode, 0) << command << "\n" << run.out;
        return run.out;
    }
    static void Click(const std::string& id)
    {
        Drive({"--window", kForm, "click", id});
        WaitForTheFrame();
    }
    // A choice of the target and a finished run tell the drawing tool that its file is not up to date: the transfer
    // dialog holds the frame until the stand-in has answered.
    static void WaitForTheFrame()
    {
        for (int i = 0; i < 200; ++i) {
            const std::string tree = Drive({"--window", "frame", "tree"});
            if (tree.substr(0, tree.find('\n')).find(" disabled") == std::string::npos)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "the frame stays disabled";
    }
    static std::string Get(const std::string& id)
    {
        std::string text = Drive({"--window", kForm, "get", id});
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }
    // The target chosen through the save dialog.
    static void ChooseTarget(const std::string& path)
    {
        Drive({"file", path});
        Click("1071");
    }
    static std::string LastBox()
    {
        const auto lines = Lines(Drive({"boxes"}));
        return lines.empty() ? "" : lines.back();
    }

    // The parser command with its frame up and the export form shown; then closed from outside.
    void WithExportForm(const std::function<void()>& use)
    {
        bool reached = false;
        ProgramResult result = m_home.RunWindowCommand(Command("parser"), [&] {
            reached = true;
            Drive({"--window", "frame", "command", kShowExport});
            use();
            EXPECT_TRUE(platform::remote::Post(testsupport::kFrameTitle, WM_CLOSE, 0, 0));
        });
        EXPECT_TRUE(reached);
        EXPECT_EQ(result.exitCode, 0);
    }

    ProgramHome m_home;
    ChildProcess m_standin;
};

TEST_F(ExportFormRunTest, EachSectionAloneInEachLayoutReadsAsWrittenByHand)
{
    struct Case {
        const char* box;
        const char* expected;  // "" for the header alone
    };
    // A new set has no functions: the functions section is its heading alone. The network runs with its filter of
    // entries not in use.
    const Case cases[] = {
        {"1205", "inputs"},  {"1211", "outputs"}, {"1212", "functions"}, {"1213", "messages"},
        {"1214", "network"}, {"1216", "logging"}, {"1215", "overview"},
    };
    std::filesystem::create_directories(m_home.Path("out"));
    WithExportForm([&] {
        // A new set: every section on, no filter, the column layout.
        EXPECT_EQ(Get("1209"), "1");
        EXPECT_EQ(Get("1322"), "Convertitore è pronto");
        // The default target lies in a folder beside the drawing export, made when missing.
        EXPECT_EQ(Get("1067"), m_home.Path("KRX9274_Doku/plant.txt"));
        EXPECT_TRUE(std::filesystem::is_directory(m_home.Path("KRX9274_Doku")));
        EXPECT_EQ(Get("1223"), "0");
        for (const Case& c : cases)
            Click(c.box);
        bool filterTicked = false;
        for (int format = 0; format < 3; ++format) {
            Click(std::to_string(1208 + format));
            for (const Case& c : cases) {
                const std::string name =
                    std::string(*c.expected ? c.expected : "header") + "-" + std::to_string(format);
                SCOPED_TRACE(name);
                ChooseTarget(m_home.Path("out/" + name));  // ".txt" is appended
                Click(c.box);
                if (std::string(c.box) == "1214" && !filterTicked) {
                    Click("1225");
                    filterTicked = true;
                }
                Click("1075");
                EXPECT_EQ(Get("1322"), "Esportaz. terminata correttamente / convertitore pronto");
                std::string expected =
                    format == 2 ? "========;========;========;========;========;========;========\r\n" : "";
                expected += Expected("header-" + std::to_string(format) + ".txt");
                if (*c.expected)
                    expected += Expected(name + ".txt");
                ExpectSameLines(m_home.ReadFile("out/" + name + ".txt"), expected, name);
                Click(c.box);
            }
        }
        // The chosen folder is the export folder of the settings file (line 3).
        EXPECT_NE(m_home.ReadFile("morv9274.ini").find(m_home.Path("out") + "\r\n"), std::string::npos);
        EXPECT_EQ(Drive({"boxes"}), "");
    });
}

// A drawing with a mixer control and a logic function: the functions section documents both slots, the mixer with
// its rows.
TEST_F(ExportFormRunTest, TheDrawingsFunctionsAreDocumented)
{
    std::ifstream in(MIXER_LOGIC_DRAWING, std::ios::binary);
    std::ostringstream drawing;
    drawing << in.rdbuf();
    m_home.WriteFile("VORNA.xml", drawing.str());
    ASSERT_EQ(m_home.RunCommand(Command("open")).exitCode, 0);
    WithExportForm([&] {
        for (const char* box : {"1205", "1211", "1213", "1214", "1216", "1215"})
            Click(box);
        Click("1210");  // the separated layout
        ChooseTarget(m_home.Path("functions"));
        Click("1075");
        EXPECT_EQ(Get("1322"), "Esportaz. terminata correttamente / convertitore pronto");
        const std::string text = m_home.ReadFile("functions.txt");
        EXPECT_NE(text.find("===================================\r\nFUNZIONI:\r\n"), std::string::npos) << text;
        for (const char* lines :
             {"Funzione 1:\r\n", "Funzione 2:\r\n", "Tipo funzione:;Funz. Regolaz. misc.\r\n",
              "Tipo funzione:;Funzione logica\r\n", "ENTRATA DATI:\r\n;RILASCIO MISCELA.:\r\n;;Fonte:;",
              "USCITA DATI:\r\n;MISCELA.:\r\n;;Uscita:;8,9\r\n"})
            EXPECT_NE(text.find(lines), std::string::npos) << lines << "\n" << text;
        EXPECT_EQ(text.find("Funzione 3:"), std::string::npos);
    });
}

TEST_F(ExportFormRunTest, RefusedAndFailedRunsLeaveTheTargetAsItWas)
{
    const std::string target = m_home.Path("doc.txt");
    std::error_code error;
    m_home.WriteFile("doc.txt", "kept\r\n");
    WithExportForm([&] {
        ChooseTarget(target);
        EXPECT_EQ(Get("1067"), target);

        // An existing target, answered No.
        Drive({"answer", "NO"});
        Click("1075");
        EXPECT_EQ(LastBox(), testsupport::BoxLine(messages::kExportExists, "doc.txt"));
        EXPECT_EQ(Get("1322"), "Esportazione annullata / convertitore pronto");
        EXPECT_EQ(m_home.ReadFile("doc.txt"), "kept\r\n");

        // A read-only target, answered Yes: the copy fails, the run says so.
        std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::group_read,
                                     error);
        Drive({"answer", "YES"});
        Click("1075");
        EXPECT_EQ(LastBox(), testsupport::BoxLine(messages::kExportFailed, "doc.txt"));
        EXPECT_EQ(Get("1322"), "Errore di esportazione / convertitore pronto");
        EXPECT_EQ(m_home.ReadFile("doc.txt"), "kept\r\n");

        // A temporary file that cannot be written: nothing is copied over the target.
        std::filesystem::permissions(target, std::filesystem::perms::owner_all, error);
        std::filesystem::remove(m_home.Path("para/txtFile.txt"), error);
        std::filesystem::create_directories(m_home.Path("para/txtFile.txt/blocked"), error);
        Drive({"answer", "YES"});
        Click("1075");
        EXPECT_NE(LastBox().find("Message: 1.026"), std::string::npos);
        EXPECT_EQ(m_home.ReadFile("doc.txt"), "kept\r\n");
        std::filesystem::remove_all(m_home.Path("para/txtFile.txt"), error);

        // A parameter file chosen as the external source: refused before anything is written.
        std::filesystem::copy_file(m_home.Path("para/para.par"), m_home.Path("set.par"), error);
        Drive({"file", m_home.Path("set.par")});
        Click("1220");
        EXPECT_EQ(Get("1220"), "1");
        EXPECT_EQ(Get("1068"), m_home.Path("set.par.dat"));
        // The chosen file's own extension in capitals is kept.
        std::filesystem::copy_file(m_home.Path("para/para.par"), m_home.Path("set.DAT"), error);
        Drive({"file", m_home.Path("set.DAT")});
        Click("1072");
        EXPECT_EQ(Get("1068"), m_home.Path("set.DAT"));
        Click("1075");
        EXPECT_EQ(LastBox(), testsupport::BoxLine(messages::kExportSourceFormat));
        EXPECT_EQ(Get("1322"), "Esportazione annullata / convertitore pronto");
        EXPECT_EQ(m_home.ReadFile("doc.txt"), "kept\r\n");

        // A source that cannot be loaded.
        Drive({"file", m_home.Path("missing.dat")});
        Click("1072");
        Click("1075");
        EXPECT_EQ(LastBox(),
                  testsupport::BoxLine(messages::kExportSourceNotOpened, m_home.Path("missing.dat").c_str()));
        EXPECT_EQ(Get("1322"), "Esportazione annullata / convertitore pronto");

        // Unticked, and ticked with the dialog cancelled: back to the drawing's own set.
        Click("1220");
        EXPECT_EQ(Get("1068"), "");
        Drive({"file", "CANCEL"});
        Click("1220");
        EXPECT_EQ(Get("1220"), "0");
        int status = 0;
        Drive({"--window", kForm, "click", "1072"}, &status);
        EXPECT_EQ(status, 1);  // the browse button is disabled
    });
}

TEST_F(ExportFormRunTest, ALinkAtTheTargetAndAFifoAsSourceAreRefusedAndWhatAKilledRunLeftIsRemoved)
{
    namespace fs = std::filesystem;
    fs::create_directories(m_home.Path("out"));
    m_home.WriteFile("elsewhere.txt", "not the export's\r\n");
    fs::create_symlink(m_home.Path("elsewhere.txt"), m_home.Path("out/doc.txt"));
    ASSERT_EQ(mkfifo(m_home.Path("pipe.dat").c_str(), 0600), 0);
    // The temporary of an export killed an hour ago.
    m_home.WriteFile("out/.morv9274-K1ll3d", "half a document");
    fs::last_write_time(m_home.Path("out/.morv9274-K1ll3d"), fs::file_time_type::clock::now() - std::chrono::hours(1));
    WithExportForm([&] {
        ChooseTarget(m_home.Path("out/doc.txt"));
        Drive({"answer", "YES"});
        Click("1075");
        EXPECT_EQ(LastBox(), testsupport::BoxLine(messages::kExportFailed, "doc.txt"));
        EXPECT_EQ(fs::read_symlink(m_home.Path("out/doc.txt")).string(), m_home.Path("elsewhere.txt"));
        EXPECT_EQ(m_home.ReadFile("elsewhere.txt"), "not the export's\r\n");

        // A FIFO as the external function-data file: nothing waits for a writer.
        fs::remove(m_home.Path("out/doc.txt"));
        Drive({"file", m_home.Path("pipe.dat")});
        Click("1220");
        EXPECT_EQ(Get("1068"), m_home.Path("pipe.dat"));
        Click("1075");
        EXPECT_EQ(LastBox(), testsupport::BoxLine(messages::kExportSourceNotOpened, m_home.Path("pipe.dat").c_str()));
        EXPECT_FALSE(fs::exists(m_home.Path("out/doc.txt")));

        Click("1220");
        Click("1075");
        EXPECT_EQ(Get("1322"), "Esportaz. terminata correttamente / convertitore pronto");
    });
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(m_home.Path("out/doc.txt"))));
    EXPECT_FALSE(fs::exists(m_home.Path("out/.morv9274-K1ll3d")));
}

TEST_F(ExportFormRunTest, AnExternalFunctionDataFileIsDocumentedWithoutHeader)
{
    bool made = false;
    ASSERT_TRUE(testsupport::WithParameterFile(m_home, "para/para.par", false, [&](CParaDaten& store) {
        made = store.CreateEmptyFile(0) && store.ExportDatFile(m_home.Path("set.dat").c_str());
    }));
    ASSERT_TRUE(made);
    WithExportForm([&] {
        ChooseTarget(m_home.Path("extern.txt"));
        Drive({"file", m_home.Path("set.dat")});
        Click("1220");
        EXPECT_EQ(Get("1068"), m_home.Path("set.dat"));
        Click("1075");
        EXPECT_EQ(Get("1322"), "Esportaz. terminata correttamente / convertitore pronto");
        EXPECT_EQ(Drive({"boxes"}), "");
    });
    const std::string text = m_home.ReadFile("extern.txt");
    EXPECT_EQ(text.substr(0, 48), "===================================\r\nINGRESSI:\r\n");
    EXPECT_EQ(text.find("VORNA - Versione"), std::string::npos);
    EXPECT_NE(text.find("SINOTTICA FUNZIONI:\r\n"), std::string::npos);
}

// A stored target whose folder has been removed is not made again: the target keeps its name in the default folder
// beside the drawing export, as the compiler's does.
TEST_F(ExportFormRunTest, AStoredTargetWhoseFolderIsGoneMovesToTheDefaultFolder)
{
    ASSERT_TRUE(testsupport::WithParameterFile(m_home, "para/para.par", true, [&](CParaDaten& store) {
        EXPECT_TRUE(store.SetExportPfad(CParaDaten::kWorkFile, m_home.Path("gone/doc.txt").c_str()));
    }));
    WithExportForm([&] { EXPECT_EQ(Get("1067"), m_home.Path("KRX9274_Doku/doc.txt")); });
    EXPECT_FALSE(std::filesystem::exists(m_home.Path("gone")));
    EXPECT_TRUE(std::filesystem::is_directory(m_home.Path("KRX9274_Doku")));
}

TEST_F(ExportFormRunTest, ADamagedExternalFunctionDataFileIsRefusedAsTheImportRefusesIt)
{
    bool made = false;
    ASSERT_TRUE(testsupport::WithParameterFile(m_home, "para/para.par", false, [&](CParaDaten& store) {
        made = store.CreateEmptyFile(0) && store.ExportDatFile(m_home.Path("set.dat").c_str());
    }));
    ASSERT_TRUE(made);
    const std::string sound = m_home.ReadFile("set.dat");
    ASSERT_EQ(sound.size(), 77386u);
    const std::string line = sound.substr(298 + 73 * 40, 73);
    const struct {
        const char* name;
        std::string bytes;
    } damaged[] = {
        {"remnant.dat", sound.substr(0, 3500)},
        {"doubled.dat", sound.substr(0, 298 + 73 * 40) + line + sound.substr(298 + 73 * 40, sound.size() - 298 - 73 * 41)},
        {"grown.dat", sound + "\r\n:2084000000"},
    };
    for (const auto& d : damaged)
        m_home.WriteFile(d.name, d.bytes);
    WithExportForm([&] {
        ChooseTarget(m_home.Path("extern.txt"));
        bool ticked = false;
        for (const auto& d : damaged) {
            SCOPED_TRACE(d.name);
            Drive({"file", m_home.Path(d.name)});
            Click(ticked ? "1072" : "1220");
            ticked = true;
            EXPECT_EQ(Get("1068"), m_home.Path(d.name));
            Click("1075");
            EXPECT_EQ(LastBox(), testsupport::BoxLine(messages::kExportSourceFormat));
            EXPECT_EQ(Get("1322"), "Esportazione annullata / convertitore pronto");
            EXPECT_FALSE(std::filesystem::exists(m_home.Path("extern.txt")));
        }
    });
}

TEST_F(ExportFormRunTest, AnExportFolderOfAnotherSystemGivesWayToTheDefaultFolder)
{
    m_home.WriteFile("morv9274.ini", "\r\n     261\r\nC:\\Doku\r\n\r\n");
    WithExportForm([&] { EXPECT_EQ(Get("1067"), m_home.Path("KRX9274_Doku/plant.txt")); });
    EXPECT_FALSE(std::filesystem::exists(m_home.Path("C:\\Doku")));
}

}  // namespace
