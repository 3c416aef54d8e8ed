// The dialogs of the "parser" mode as a person uses them: the additional controller settings and the welcome screen
// opened from the compiler form, and the external source of the documentation export form. The real program runs
// beside the drawing-tool stand-in and is driven from outside by wnddrive; the drawing export lies in a folder of its
// own, so that folders beside it and in the program directory can be told apart. What the dialogs leave behind is
// read back from the working copy, the committed parameter set, the settings file and the template files.
#include "ChildProcess.h"
#include "ProgramRun.h"

#include "platform/Cp1252.h"
#include "platform/RemoteWindow.h"
#include "store/BegruessungsText.h"
#include "store/CParaDaten.h"
#include "store/PotentiostatParam.h"
#include "store/ReglerEinstellungen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::ChildProcess;
using testsupport::ProgramHome;
using testsupport::ProgramResult;

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

const std::string kEmptyDrawing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n";
constexpr const char* kWorkingCopy = "para/morv9274.par";
constexpr const char* kCommitted = "para/para.par";

struct Driven {
    int exitCode;
    std::string out;
};

// wnddrive on the running modal dialog (else the frame), or on the window given first as "--window", "WHICH".
Driven Drive(const std::vector<std::string>& args)
{
    const testsupport::ShellRun run = testsupport::RunWndDrive(WNDDRIVE, args);
    return {run.exitCode, run.out};
}

void Do(const std::vector<std::string>& args)
{
    const Driven d = Drive(args);
    EXPECT_EQ(d.exitCode, 0) << args[0] << " " << (args.size() > 1 ? args[1] : "") << ": " << d.out;
}

// What a person could not do on a disabled control.
void Refused(const std::vector<std::string>& args)
{
    EXPECT_EQ(Drive(args).exitCode, 1) << args[0] << " " << args[1];
}

// A control's text in Windows-1252.
std::string Get(const std::string& id)
{
    return platform::Utf8ToCp1252(Drive({"get", id}).out);
}

// A list's selected entry without the blanks that right-align it.
std::string Entry(const std::string& id)
{
    const std::string text = Get(id);
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first);
}

// The running dialog's title and the captions of its controls.
void ExpectCaptions(const char* title, const std::vector<std::pair<const char*, const char*>>& captions)
{
    const std::string tree = Drive({"tree"}).out;
    EXPECT_NE(tree.substr(0, tree.find('\n')).find(std::string("\"") + title + "\""), std::string::npos) << tree;
    for (const auto& [id, caption] : captions)
        EXPECT_EQ(Drive({"caption", id}).out, caption) << id;
}

std::string Field(const std::string& line, int index)
{
    size_t start = 0;
    for (int i = 0; i < index; ++i)
        start = line.find('\t', start) + 1;
    return line.substr(start, line.find('\t', start) - start);
}

// A confirmed dialog and a chosen target tell the drawing tool that its file is not up to date: the transfer holds
// the frame until the stand-in has answered.
void WaitForTheFrame()
{
    for (int i = 0; i < 200; ++i) {
        const std::string tree = Drive({"--window", "frame", "tree"}).out;
        if (tree.substr(0, tree.find('\n')).find(" disabled") == std::string::npos)
            return;
        usleep(50000);
    }
    ADD_FAILURE() << "the frame stays disabled";
}

// Confirms the running dialog.
void Confirm()
{
    Do({"click", "1"});
    WaitForTheFrame();
}

ino_t Inode(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

class ProductionDialogsRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_standin.Start({VORNA_STANDIN, "--record", m_home.Path("record.txt")}));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        // The command file for the drawing tool lies in "para" beside the drawing export.
        std::filesystem::create_directories(m_home.Path("export/para"));
        // The program reads the drawing from its own directory; the export path only names the export folder.
        m_home.WriteFile("VORNA.xml", kEmptyDrawing);
        m_home.WriteFile("export/VORNA.xml", kEmptyDrawing);
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
    }
    void TearDown() override
    {
        m_standin.Kill(SIGTERM);
        m_standin.Wait();
    }
    Keys Command(const char* command) const
    {
        return {{"-cmd", command},
                {"-engpath", m_home.Path("plant.evl")},
                {"-xmlpath", m_home.Path("export/VORNA.xml")}};
    }
    // Runs the parser command, uses the frame, then closes it from outside.
    ProgramResult Parser(const std::function<void()>& use)
    {
        bool reached = false;
        ProgramResult result = m_home.RunWindowCommand(Command("parser"), [&] {
            reached = true;
            use();
            EXPECT_TRUE(platform::remote::Post(testsupport::kFrameTitle, WM_CLOSE, 0, 0));
        });
        EXPECT_TRUE(reached) << m_home.ReadFile("stderr.txt");
        EXPECT_EQ(result.exitCode, 0);
        return result;
    }
    // The records of a parameter file of the home; changed and written back when a change is given.
    template <class Record>
    Record Read(const char* file, bool (CParaDaten::*get)(int, Record&)) const
    {
        Record record {};
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, file, false, [&](CParaDaten& para) {
            EXPECT_TRUE((para.*get)(CParaDaten::kWorkFile, record));
        }));
        return record;
    }
    void Change(const std::function<void(CParaDaten&)>& change) const
    {
        ASSERT_TRUE(testsupport::WithParameterFile(m_home, kCommitted, true, change));
    }
    int Notices() const
    {
        const std::string record = m_home.ReadFile("record.txt");
        int notices = 0;
        for (size_t at = record.find("setfilenotuptodate"); at != std::string::npos;
             at = record.find("setfilenotuptodate", at + 1))
            ++notices;
        return notices;
    }
    // The file dialogs shown so far, as "open|save TAB filter TAB folder TAB name".
    std::vector<std::string> FileDialogs() const
    {
        std::vector<std::string> dialogs;
        for (const std::string& line : m_home.BoxesSoFar())
            if (line.rfind("file dialog\t", 0) == 0)
                dialogs.push_back(line.substr(12));
        return dialogs;
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> boxes;
        for (const std::string& line : m_home.BoxesSoFar())
            if (line.rfind("morv9274 - Message", 0) == 0)
                boxes.push_back(line);
        return boxes;
    }
    std::string IniLine(int number) const
    {
        const std::string text = m_home.ReadFile("morv9274.ini");
        size_t start = 0;
        for (int i = 1; i < number && start != std::string::npos; ++i)
            start = text.find("\r\n", start) == std::string::npos ? std::string::npos : text.find("\r\n", start) + 2;
        return start == std::string::npos ? "" : text.substr(start, text.find("\r\n", start) - start);
    }

    ProgramHome m_home;
    ChildProcess m_standin;
};

// ---- Additional controller settings (compiler form button 1082) ----

// The record as a person reads it off the dialog: contrast, overview switch, brightness, light-off, the expert code
// digits from units to thousands, summer time, the three locks.
std::vector<int> Fields(const ReglerEinstellungen& r)
{
    return {r.contrast,      r.autoFuncView,  r.brightness,  r.lightOff,      r.expertCode[0], r.expertCode[1],
            r.expertCode[2], r.expertCode[3], r.autoSummerTime, r.lockParameters, r.lockOutputs, r.lockMenu};
}

TEST_F(ProductionDialogsRunTest, SettingsOpenRepairedTheLightOffBoxPresetsThirtySecondsAndOkStoresEveryControl)
{
    // Out-of-range contrast and brightness and one expert-code digit above 9; the potentiostat released.
    Change([](CParaDaten& para) {
        ReglerEinstellungen r;
        r.contrast = 29;
        r.autoFuncView = 1;
        r.brightness = 12;
        r.lightOff = 0;
        const BYTE digits[4] = {7, 12, 0, 0};
        std::copy(digits, digits + 4, r.expertCode);
        r.lockParameters = 1;
        r.lockMenu = 1;
        EXPECT_TRUE(para.SetReglerEinst(CParaDaten::kWorkFile, r));
        PotentiostatParam p;
        p.release = 1;
        EXPECT_TRUE(para.SetPotentiostat(CParaDaten::kWorkFile, p));
    });
    Parser([&] {
        Do({"click", "1082"});
        ExpectCaptions("Impostazioni regolatore addizionali",
                       {{"1680", "VISUALIZZAZIONE"}, {"1672", "Contrasto:"}, {"1673", "Luminosita:"},
                        {"1132", "Luce spento dopo:"}, {"1674", "Sec"}, {"1131", "Comutaz autom Visione Funz."},
                        {"1675", "DATA / ORA"}, {"1130", "Comutaz autom Orar Est/Inv"}, {"1678", "BLOCCARE CLIENTE"},
                        {"1206", "Parametro"}, {"1207", "Uscite"}, {"1208", "Menu"}, {"1679", "CODICE ESPERTI:"},
                        {"1", "OK"}, {"2", "Annullare"}});
        // Contrast 44, brightness 10, the whole code the default 0261, the light staying on.
        const std::pair<const char*, const char*> opened[] = {
            {"1133", "44"}, {"1134", "10"}, {"1132", "0"}, {"1135", ""},  {"1131", "1"}, {"1130", "0"},
            {"1138", "0"},  {"1139", "2"},  {"1140", "6"}, {"1141", "1"}, {"1206", "1"}, {"1207", "0"},
            {"1208", "1"}};
        for (const auto& [id, shown] : opened)
            EXPECT_EQ(Entry(id), shown) << id;
        Refused({"pick", "1135", "0"});

        // Ticked: 30 seconds, whatever was chosen before it was cleared.
        Do({"click", "1132"});
        EXPECT_EQ(Entry("1135"), "30");
        Do({"pick", "1135", "11"});
        EXPECT_EQ(Entry("1135"), "120");
        Do({"click", "1132"});
        EXPECT_EQ(Entry("1135"), "");
        Refused({"pick", "1135", "0"});
        Do({"click", "1132"});
        EXPECT_EQ(Entry("1135"), "30");

        Do({"pick", "1135", "4"});   // 50 seconds
        Do({"pick", "1133", "20"});  // contrast 50
        Do({"pick", "1134", "0"});   // brightness 0
        for (const char* box : {"1131", "1130", "1206", "1207", "1208"})
            Do({"click", box});
        for (const char* digit : {"1138", "1139", "1140"})
            Do({"pick", digit, "0"});
        Do({"pick", "1141", "7"});  // the code shown as 0, 0, 0, 7
        Confirm();
        EXPECT_EQ(Fields(Read(kWorkingCopy, &CParaDaten::GetReglerEinst)),
                  (std::vector<int> {50, 0, 0, 5, 7, 0, 0, 0, 1, 0, 1, 0}));
    });
    EXPECT_EQ(Notices(), 1);
    EXPECT_EQ(Fields(Read(kCommitted, &CParaDaten::GetReglerEinst)),
              (std::vector<int> {50, 0, 0, 5, 7, 0, 0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(Read(kCommitted, &CParaDaten::GetPotentiostat).release, 1);
    EXPECT_EQ(IniLine(2), "       7");
}

TEST_F(ProductionDialogsRunTest, SettingsConfirmedUnchangedStoreTheRepairedRecordAndRewriteOnlyADifferentCode)
{
    const struct {
        const char* iniCode;
        bool rewritten;
    } cases[] = {{"     261", false}, {"    1234", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.iniCode);
        Change([](CParaDaten& para) {
            ReglerEinstellungen r;
            EXPECT_TRUE(para.GetReglerEinst(CParaDaten::kWorkFile, r));
            r.contrast = 51;
            EXPECT_TRUE(para.SetReglerEinst(CParaDaten::kWorkFile, r));
        });
        const std::string ini = std::string("\r\n") + c.iniCode + "\r\n\r\n\r\n";
        m_home.WriteFile("morv9274.ini", ini);
        const ino_t before = Inode(m_home.Path("morv9274.ini"));
        const int notices = Notices();
        Parser([&] {
            Do({"click", "1082"});
            EXPECT_EQ(Entry("1133"), "44");
            Confirm();
        });
        EXPECT_EQ(Notices(), notices + 1);
        EXPECT_EQ(Read(kCommitted, &CParaDaten::GetReglerEinst).contrast, 44);
        EXPECT_EQ(Inode(m_home.Path("morv9274.ini")) != before, c.rewritten);
        EXPECT_EQ(IniLine(2), "     261");
    }
}

TEST_F(ProductionDialogsRunTest, SettingsCancelledOrClosedAfterEveryChangeWriteNothing)
{
    m_home.WriteFile("morv9274.ini", "\r\n    4321\r\n\r\n\r\n");
    Parser([&] {
        const std::string working = m_home.ReadFile(kWorkingCopy);
        const std::string committed = m_home.ReadFile(kCommitted);
        const std::string ini = m_home.ReadFile("morv9274.ini");
        for (const char* leave : {"cancel", "close"}) {
            SCOPED_TRACE(leave);
            Do({"click", "1082"});
            Do({"pick", "1133", "0"});
            Do({"pick", "1134", "3"});
            Do({"click", "1132"});
            Do({"pick", "1135", "14"});
            for (const char* box : {"1131", "1130", "1206", "1207", "1208"})
                Do({"click", box});
            for (const char* digit : {"1138", "1139", "1140", "1141"})
                Do({"pick", digit, "9"});
            Do(std::string(leave) == "cancel" ? std::vector<std::string> {"click", "2"}
                                              : std::vector<std::string> {"close"});
            EXPECT_EQ(m_home.ReadFile(kWorkingCopy), working);
            EXPECT_EQ(m_home.ReadFile(kCommitted), committed);
            EXPECT_EQ(m_home.ReadFile("morv9274.ini"), ini);
        }
    });
    EXPECT_EQ(Notices(), 0);
}

// ---- Welcome screen (compiler form button 1083) ----

constexpr const char* kLines[4] = {"1224", "1225", "1226", "1227"};

void ExpectLines(const std::vector<std::string>& lines)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Get(kLines[i]), lines[i]) << kLines[i];
}

TEST_F(ProductionDialogsRunTest, WelcomeTemplatesAreSavedAsEightyEightCharactersAndLoadedBack)
{
    std::filesystem::create_directories(m_home.Path("tpl"));
    // 30 characters: the header from the first 22, line 1 from the rest without its trailing blanks.
    m_home.WriteFile("tpl/thirty.bgs", "ABCDEFGHIJKLMNOPQRSTUVWXYZ12  ");
    Parser([&] {
        Do({"click", "1083"});
        ExpectCaptions("Creare schermata di benvenuto",
                       {{"1549", "Schermata di benvenuto KRX9274"}, {"1223", "Scherm. benvenuto personalizzata"},
                        {"1228", "Caricare dal modello..."}, {"1229", "Salvare come modello..."},
                        {"1545", "Intestazione:"}, {"1546", "Linea 1:"}, {"1547", "Linea 2:"}, {"1548", "Linea 3:"},
                        {"1", "OK"}, {"2", "Annullare"}});
        // A new set: the default screen, nothing to edit or load.
        EXPECT_EQ(Get("1223"), "0");
        ExpectLines({"", "", "", ""});
        Refused({"type", "1224", "x"});
        Refused({"click", "1228"});
        Refused({"click", "1229"});
        // Own lines start from the default texts.
        Do({"click", "1223"});
        ExpectLines({"  KAVELM. STEUERKON.", Get("1225"), "----------------------", "       KRX9274"});
        EXPECT_EQ(Get("1225").rfind("Homepage: ", 0), 0u);
        EXPECT_EQ(Get("1225").size(), 22u);

        // At most 22 characters a line.
        Do({"type", "1224", "0123456789012345678901234"});
        EXPECT_EQ(Get("1224"), "0123456789012345678901");
        Do({"type", "1224", "abc"});
        Do({"type", "1225", "kept 1"});
        Do({"type", "1226", "kept 2"});
        Do({"type", "1227", "kept 3"});
        Do({"file", m_home.Path("tpl/thirty")});
        Do({"click", "1228"});
        ExpectLines({"ABCDEFGHIJKLMNOPQRSTUV", "WXYZ12", "kept 2", "kept 3"});
        EXPECT_EQ(Get("1223"), "1");

        for (const char* line : {"1225", "1226", "1227"})
            Do({"type", line, ""});
        Do({"type", "1224", "abc"});
        ExpectLines({"abc", "", "", ""});
        const struct {
            const char* chosen;
            const char* written;
        } saves[] = {{"tpl/short", "tpl/short.bgs"}, {"tpl/upper.BGS", "tpl/upper.BGS.bgs"}};
        for (const auto& s : saves) {
            Do({"file", m_home.Path(s.chosen)});
            Do({"click", "1229"});
            EXPECT_EQ(m_home.ReadFile(s.written), "abc" + std::string(85, ' ')) << s.written;
        }
        EXPECT_FALSE(m_home.Exists("tpl/upper.BGS"));
        EXPECT_EQ(IniLine(4), m_home.Path("tpl"));

        Do({"type", "1224", "other"});
        Do({"type", "1225", "line"});
        Do({"file", m_home.Path("tpl/short.bgs")});
        Do({"click", "1228"});
        ExpectLines({"abc", "", "", ""});

        // Every dialog after the first opens in the folder last chosen, on the one filter entry.
        const std::vector<std::string> dialogs = FileDialogs();
        ASSERT_EQ(dialogs.size(), 4u);
        for (size_t i = 0; i < dialogs.size(); ++i) {
            EXPECT_EQ(Field(dialogs[i], 0), i == 0 || i == 3 ? "open" : "save") << i;
            EXPECT_EQ(Field(dialogs[i], 1).rfind("Schermata di benvenuto KRX9274 |", 0), 0u) << dialogs[i];
            EXPECT_EQ(Field(dialogs[i], 3), "") << i;
            EXPECT_EQ(Field(dialogs[i], 2), m_home.Path(i == 0 ? "export/KRX9274_Bgs" : "tpl")) << i;
        }
        EXPECT_TRUE(Messages().empty());
        Confirm();
    });
    EXPECT_EQ(Notices(), 1);
    const BegruessungsText stored = Read(kCommitted, &CParaDaten::GetBegruessung);
    EXPECT_EQ(stored.flag, 1);
    EXPECT_EQ(std::string(stored.lines[0].GetString()), "abc");
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(std::string(stored.lines[i].GetString()), "") << i;
}

TEST_F(ProductionDialogsRunTest, WelcomeFilesThatCannotBeReadOrWrittenAreReportedAndCancelWritesNothing)
{
    std::filesystem::create_directories(m_home.Path("tpl/folder.bgs"));
    m_home.WriteFile("tpl/folder", "");
    const std::string committed = m_home.ReadFile(kCommitted);
    const std::string loadFailed = testsupport::BoxLine(messages::kWelcomeNotLoaded);
    const std::string saveFailed = testsupport::BoxLine(messages::kWelcomeNotSaved);
    Parser([&] {
        const std::string working = m_home.ReadFile(kWorkingCopy);
        Do({"click", "1083"});
        Do({"click", "1223"});
        Do({"type", "1224", "mine"});
        // A file gone before it is read, and a chosen name whose template is a folder.
        for (const char* chosen : {"tpl/gone.bgs", "tpl/folder"}) {
            SCOPED_TRACE(chosen);
            const size_t shown = Messages().size();
            Do({"file", m_home.Path(chosen)});
            Do({"click", "1228"});
            ASSERT_EQ(Messages().size(), shown + 1);
            EXPECT_EQ(Messages().back(), loadFailed);
            EXPECT_EQ(Get("1224"), "mine");
        }
        // The folder is remembered as soon as the file is chosen.
        EXPECT_EQ(IniLine(4), m_home.Path("tpl"));
        Do({"file", m_home.Path("missing/x")});
        Do({"click", "1229"});
        EXPECT_EQ(Messages().back(), saveFailed);
        EXPECT_EQ(Messages().size(), 3u);
        EXPECT_EQ(IniLine(4), m_home.Path("missing"));
        Do({"click", "2"});
        EXPECT_EQ(m_home.ReadFile(kWorkingCopy), working);
    });
    EXPECT_EQ(Notices(), 0);
    EXPECT_EQ(m_home.ReadFile(kCommitted), committed);
    EXPECT_EQ(Read(kCommitted, &CParaDaten::GetBegruessung).flag, 0);
}

TEST_F(ProductionDialogsRunTest, WelcomeTemplatesThatAreNoFilesOrTooLongAreRefusedAndNoLinkIsWritten)
{
    namespace fs = std::filesystem;
    fs::create_directories(m_home.Path("tpl"));
    // A device and a FIFO named like templates, a file one character longer than a template, and one of 64 MB.
    fs::create_symlink("/dev/zero", m_home.Path("tpl/zero.bgs"));
    ASSERT_EQ(mkfifo(m_home.Path("tpl/fifo.bgs").c_str(), 0600), 0);
    m_home.WriteFile("tpl/long.bgs", std::string(89, 'L'));
    m_home.WriteFile("tpl/huge.bgs", std::string(64 << 20, 'H'));
    m_home.WriteFile("elsewhere.bgs", "not the template's");
    fs::create_symlink(m_home.Path("elsewhere.bgs"), m_home.Path("tpl/link.bgs"));
    // The temporary of a run killed an hour ago while it saved a template.
    m_home.WriteFile("tpl/.morv9274-K1ll3d", "half a template");
    fs::last_write_time(m_home.Path("tpl/.morv9274-K1ll3d"), fs::file_time_type::clock::now() - std::chrono::hours(1));
    const std::string loadFailed = testsupport::BoxLine(messages::kWelcomeNotLoaded);
    Parser([&] {
        Do({"click", "1083"});
        Do({"click", "1223"});
        Do({"type", "1224", "mine"});
        for (const char* chosen : {"tpl/zero.bgs", "tpl/fifo.bgs", "tpl/long.bgs", "tpl/huge.bgs"}) {
            SCOPED_TRACE(chosen);
            const size_t shown = Messages().size();
            const auto start = std::chrono::steady_clock::now();
            Do({"file", m_home.Path(chosen)});
            Do({"click", "1228"});
            EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5.0);
            ASSERT_EQ(Messages().size(), shown + 1);
            EXPECT_EQ(Messages().back(), loadFailed);
            EXPECT_EQ(Get("1224"), "mine");
        }
        // Exactly a template's length loads.
        m_home.WriteFile("tpl/full.bgs", std::string(22, 'A') + std::string(66, ' '));
        Do({"file", m_home.Path("tpl/full.bgs")});
        Do({"click", "1228"});
        EXPECT_EQ(Get("1224"), std::string(22, 'A'));

        Do({"file", m_home.Path("tpl/link.bgs")});
        Do({"click", "1229"});
        EXPECT_EQ(Messages().back(), testsupport::BoxLine(messages::kWelcomeNotSaved));
        Do({"file", m_home.Path("tpl/mine.bgs")});
        Do({"click", "1229"});
        Do({"click", "2"});
    });
    EXPECT_EQ(Messages().size(), 5u);
    EXPECT_EQ(fs::read_symlink(m_home.Path("tpl/link.bgs")).string(), m_home.Path("elsewhere.bgs"));
    EXPECT_EQ(m_home.ReadFile("elsewhere.bgs"), "not the template's");
    EXPECT_EQ(m_home.ReadFile("tpl/mine.bgs"), std::string(22, 'A') + std::string(66, ' '));
    EXPECT_FALSE(m_home.Exists("tpl/.morv9274-K1ll3d"));
}

TEST_F(ProductionDialogsRunTest, WelcomeUntickedStoresTheDefaultScreenAndTickingAgainShowsTheEarlierLines)
{
    Change([](CParaDaten& para) {
        BegruessungsText own;
        own.flag = 1;
        own.lines[0] = "Casa";
        own.lines[1] = "Linea uno";
        own.lines[2] = "Linea due";
        own.lines[3] = "Linea tre";
        EXPECT_TRUE(para.SetBegruessung(CParaDaten::kWorkFile, own));
    });
    // The template folder of the settings file is gone: the dialogs open beside the drawing export.
    m_home.WriteFile("morv9274.ini", "\r\n     261\r\n\r\n" + m_home.Path("gone") + "\r\n");
    Parser([&] {
        Do({"click", "1083"});
        EXPECT_EQ(Get("1223"), "1");
        ExpectLines({"Casa", "Linea uno", "Linea due", "Linea tre"});
        Do({"file", "CANCEL"});
        Do({"click", "1228"});
        ASSERT_EQ(FileDialogs().size(), 1u);
        EXPECT_EQ(Field(FileDialogs()[0], 2), m_home.Path("export/KRX9274_Bgs"));
        EXPECT_TRUE(std::filesystem::is_directory(m_home.Path("KRX9274_Bgs")));
        ExpectLines({"Casa", "Linea uno", "Linea due", "Linea tre"});

        Do({"click", "1223"});
        ExpectLines({"", "", "", ""});
        Refused({"type", "1225", "x"});
        Refused({"click", "1228"});
        Refused({"click", "1229"});
        Do({"click", "1223"});
        ExpectLines({"Casa", "Linea uno", "Linea due", "Linea tre"});
        Do({"click", "1223"});
        Confirm();
    });
    EXPECT_EQ(Notices(), 1);
    const BegruessungsText stored = Read(kCommitted, &CParaDaten::GetBegruessung);
    EXPECT_EQ(stored.flag, 0);
    EXPECT_EQ(std::string(stored.lines[0].GetString()), "  KAVELM. STEUERKON.");
}

// ---- Stores that fail (the committed set read-only, as on a disc that takes no new file) ----

const std::string kRefused = testsupport::BoxLine(messages::kFunctionSaveFailed);

// OK of each dialog of the compiler form whose store cannot be committed: the save warning, the dialog stays open with
// the person's edit, the working copy keeps the committed set and the drawing tool learns nothing; a cancel then
// leaves everything as it was.
TEST_F(ProductionDialogsRunTest, ADialogWhoseStoreFailsWarnsAndStaysOpenWithTheEdits)
{
    const struct {
        const char* button;
        std::vector<std::vector<std::string>> edit;
        const char* control;
        const char* shown;
    } dialogs[] = {
        {"1082", {{"pick", "1133", "0"}}, "1133", "30"},
        {"1194", {{"pick", "1195", "5"}}, "1195", "6"},
        {"1083", {{"click", "1223"}, {"type", "1224", "mine"}}, "1224", "mine"},
    };
    const std::string committed = m_home.ReadFile(kCommitted);
    const std::string lockedSet = m_home.Path(kCommitted);
    Parser([&] {
        const std::string working = m_home.ReadFile(kWorkingCopy);
        for (const auto& d : dialogs) {
            SCOPED_TRACE(d.button);
            ASSERT_EQ(chmod(lockedSet.c_str(), 0444), 0);
            Do({"click", d.button});
            for (const auto& step : d.edit)
                Do(step);
            const size_t shown = Messages().size();
            Do({"click", "1"});
            ASSERT_EQ(Messages().size(), shown + 1);
            EXPECT_EQ(Messages().back(), kRefused);
            EXPECT_EQ(Entry(d.control), d.shown);  // still the dialog, with the edit
            EXPECT_EQ(m_home.ReadFile(kWorkingCopy), working);
            Do({"click", "2"});
            EXPECT_EQ(m_home.ReadFile(kWorkingCopy), working);
            EXPECT_EQ(m_home.ReadFile(kCommitted), committed);
        }
        ASSERT_EQ(chmod(lockedSet.c_str(), 0644), 0);
    });
    EXPECT_EQ(Notices(), 0);
    EXPECT_EQ(m_home.ReadFile(kCommitted), committed);
}

// A chosen compile target, a chosen documentation target and the settings of a finished export that cannot be
// stored: each is reported, nothing of it is shown as stored, and the drawing tool learns nothing.
TEST_F(ProductionDialogsRunTest, TargetsAndExportSettingsThatCannotBeStoredAreReported)
{
    const auto exportForm = [](std::vector<std::string> args) {
        args.insert(args.begin(), {"--window", "251"});
        return args;
    };
    const std::string lockedSet = m_home.Path(kCommitted);
    Parser([&] {
        const std::string compileTarget = Get("1067");
        Do({"--window", "frame", "command", "32900"});
        const std::string docTarget = Drive(exportForm({"get", "1067"})).out;
        ASSERT_EQ(chmod(lockedSet.c_str(), 0444), 0);
        Do({"--window", "frame", "command", "32878"});
        Do({"file", m_home.Path("chosen")});
        Do({"click", "1071"});
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages().back(), kRefused);
        EXPECT_EQ(Get("1067"), compileTarget);

        Do({"--window", "frame", "command", "32900"});
        Do({"file", m_home.Path("doc")});
        Do(exportForm({"click", "1071"}));
        ASSERT_EQ(Messages().size(), 2u);
        EXPECT_EQ(Messages().back(), kRefused);
        EXPECT_EQ(Drive(exportForm({"get", "1067"})).out, docTarget);

        // The documentation is written; its settings are not stored, and no success is reported.
        Do(exportForm({"click", "1075"}));
        ASSERT_EQ(Messages().size(), 3u) << Drive({"boxes"}).out;
        EXPECT_EQ(Messages().back(), kRefused);
        EXPECT_EQ(Drive(exportForm({"get", "1322"})).out, "Errore di esportazione / convertitore pronto");
        ASSERT_EQ(chmod(lockedSet.c_str(), 0644), 0);
    });
    EXPECT_EQ(Notices(), 0);
}

// ---- The export form's external source (export form 251) ----

TEST_F(ProductionDialogsRunTest, AnExternalSourceChoiceCancelledLeavesTheExportOnTheDrawingsOwnData)
{
    bool made = false;
    ASSERT_TRUE(testsupport::WithParameterFile(m_home, kCommitted, false, [&](CParaDaten& store) {
        made = store.CreateEmptyFile(0) && store.ExportDatFile(m_home.Path("set.dat").c_str());
    }));
    ASSERT_TRUE(made);
    const auto form = [](std::vector<std::string> args) {
        args.insert(args.begin(), {"--window", "251"});
        return args;
    };
    // Exports into a file of its own; true when the documentation has the drawing's header section.
    int runs = 0;
    const auto exportHasHeader = [&] {
        const std::string name = "doc" + std::to_string(++runs);
        Do({"file", m_home.Path(name)});
        Do(form({"click", "1071"}));
        WaitForTheFrame();
        Do(form({"click", "1075"}));
        WaitForTheFrame();
        EXPECT_EQ(Drive(form({"get", "1322"})).out.rfind("Esportaz. terminata correttamente", 0), 0u) << Drive({"boxes"}).out;
        return m_home.ReadFile(name + ".txt").find("VORNA - Versione") != std::string::npos;
    };
    const auto expectOff = [&] {
        EXPECT_EQ(Drive(form({"get", "1220"})).out, "0");
        EXPECT_EQ(Drive(form({"get", "1068"})).out, "");
        Refused(form({"click", "1072"}));
    };
    Parser([&] {
        Do({"--window", "frame", "command", "32900"});
        // The first choice starts at the default function-data file beside the drawing export.
        Do({"file", "CANCEL"});
        Do(form({"click", "1220"}));
        expectOff();
        ASSERT_EQ(FileDialogs().size(), 1u);
        EXPECT_EQ(FileDialogs()[0], "open\tDati di funzione KRX9274 (*.dat)|*.dat||\t" +
                                        m_home.Path("export/KRX9274_Funktionsdaten") + "\tplant.dat");
        EXPECT_TRUE(exportHasHeader());

        // Chosen, then browsed and cancelled: still on the chosen file.
        Do({"file", m_home.Path("set.dat")});
        Do(form({"click", "1220"}));
        Do({"file", "CANCEL"});
        Do(form({"click", "1072"}));
        EXPECT_EQ(Drive(form({"get", "1220"})).out, "1");
        EXPECT_EQ(Drive(form({"get", "1068"})).out, m_home.Path("set.dat"));
        EXPECT_FALSE(exportHasHeader());

        // Cleared, then ticked again and cancelled: the dialog starts at the file chosen before, and the export is
        // back on the drawing's own set.
        Do(form({"click", "1220"}));
        expectOff();
        Do({"file", "CANCEL"});
        Do(form({"click", "1220"}));
        expectOff();
        const std::vector<std::string> dialogs = FileDialogs();
        EXPECT_EQ(Field(dialogs.back(), 2), m_home.Dir().string());
        EXPECT_EQ(Field(dialogs.back(), 3), "set.dat");
        EXPECT_TRUE(exportHasHeader());
        EXPECT_TRUE(Messages().empty());
    });
}

}  // namespace
