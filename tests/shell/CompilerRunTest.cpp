// The compiler form of the real program as a person uses it through wnddrive, beside the drawing-tool stand-in: the
// compile of a new set (the file's bytes at the addresses of the memory map), an existing and a read-only target, the
// target choice, and the three dialogs with what they store.
#include "ChildProcess.h"
#include "ProgramRun.h"
#include "StandinFixture.h"

#include "platform/Cp1252.h"
#include "platform/RemoteWindow.h"
#include "platform/TextFile.h"
#include "platform/WindowTypes.h"
#include "store/CParaDaten.h"
#include "texttables/StandardDesignations.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sys/wait.h>

using testsupport::ProgramResult;

namespace {

const std::string kEmptyDrawing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n";

// Byte of area 0 in a memory-image file: 298 header bytes, then lines of 73 bytes (CR LF, ":", count, address and
// 32 bytes as 64 hexadecimal digits).
std::string ImageBytes(const std::string& file, unsigned address, unsigned count)
{
    std::string out;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned a = address + i;
        const size_t at = 298 + (a / 32) * 73 + 9 + (a % 32) * 2;
        out += at + 2 <= file.size() ? file.substr(at, 2) : "??";
    }
    return out;
}

struct Driven {
    int exitCode;
    std::string out;
};

// wnddrive with the arguments; its standard output with the last line end removed.
Driven Drive(const std::vector<std::string>& args)
{
    const testsupport::ShellRun run = testsupport::RunWndDrive(WNDDRIVE, args);
    return {run.exitCode, run.out};
}

// A control's text, back in Windows-1252 as the program holds it.
std::string Get(const std::string& id)
{
    return platform::Utf8ToCp1252(Drive({"get", id}).out);
}

// The program's own message boxes among the prompts it recorded.
std::vector<std::string> Messages(const std::vector<std::string>& prompts)
{
    std::vector<std::string> boxes;
    for (const std::string& line : prompts)
        if (line.rfind("morv9274 - Message", 0) == 0)
            boxes.push_back(line);
    return boxes;
}

void Do(const std::vector<std::string>& args)
{
    const Driven d = Drive(args);
    EXPECT_EQ(d.exitCode, 0) << args[0] << " " << (args.size() > 1 ? args[1] : "") << ": " << d.out;
}

class CompilerRunTest : public testsupport::StandinFixture {
protected:
    void SetUp() override
    {
        StandinFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
        m_home.WriteFile("VORNA.xml", kEmptyDrawing);
    }
    // Runs the parser command, uses the frame, then closes it.
    ProgramResult Parser(const std::function<void()>& use)
    {
        return m_home.RunWindowCommand(Command("parser"), [&] {
            use();
            EXPECT_TRUE(platform::remote::Post(testsupport::kFrameTitle, WM_CLOSE, 0, 0));
        });
    }
    std::string Target() const { return m_home.Path("KRX9274_Funktionsdaten/plant.dat"); }
    bool Recorded(const char* what) const { return m_home.ReadFile("record.txt").find(what) != std::string::npos; }
};

TEST_F(CompilerRunTest, ANewSetCompilesAndAnExistingOrReadOnlyTargetIsKept)
{
    std::string first;
    ProgramResult result = Parser([&] {
        EXPECT_EQ(Get("1067"), Target()) << "beside the drawing export, named after the drawing";
        EXPECT_EQ(Get("1771"), "Richiedi dati di funzionamento KRX9274 dalla versione A2.28 !!");
        EXPECT_EQ(Get("1322"), "Il compilatore è pronto");
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Conversione terminata correttamente / compilatore pronto");
        first = m_home.ReadFile("KRX9274_Funktionsdaten/plant.dat");

        // The target exists: No leaves every file as it was.
        const std::string committed = m_home.ReadFile("para/para.par");
        std::filesystem::last_write_time(Target(), std::filesystem::file_time_type::clock::now() -
                                                       std::chrono::hours(1));
        const auto stamp = std::filesystem::last_write_time(Target());
        Do({"answer", "NO"});
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Conversione annullata / compilatore pronto");
        EXPECT_EQ(std::filesystem::last_write_time(Target()), stamp);
        EXPECT_EQ(m_home.ReadFile("para/para.par"), committed);

        // A read-only target: Yes, and the compile fails with its message; the file stays.
        std::filesystem::permissions(Target(), std::filesystem::perms::owner_read);
        Do({"answer", "YES"});
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Errore di conversione / compilatore pronto");
        EXPECT_EQ(m_home.ReadFile("KRX9274_Funktionsdaten/plant.dat"), first);
    });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> boxes = {
        testsupport::BoxLine(messages::kCompileExists, "plant.dat"),
        testsupport::BoxLine(messages::kCompileExists, "plant.dat"),
        testsupport::BoxLine(messages::kCompileFailed, "plant.dat"),
    };
    EXPECT_EQ(Messages(result.boxes), boxes) << testsupport::JoinLines(result.boxes);

    // The file's bytes by the memory map of a new set: controller settings (format mark 3; contrast 41 with the
    // summer-time switch in bit 6; brightness 10, light never off; expert code 0261 one digit per half byte), an
    // empty function table of 44 entries, and the default welcome screen (byte 127 not 0).
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(ImageBytes(first, 0, 5), "03690A6102");
    for (unsigned slot = 1; slot <= 44; ++slot)
        EXPECT_EQ(ImageBytes(first, 8 * slot + 7416, 8), "00000000FFFFFFFF") << slot;
    EXPECT_EQ(ImageBytes(first, 7808 + 127, 1), "FF");
    EXPECT_EQ(first, m_home.ReadFile("para/datFile.dat"));
    EXPECT_EQ(m_home.ReadFile("para/para.par"), m_home.ReadFile("para/morv9274.par"));
    EXPECT_FALSE(Recorded("setfilenotuptodate")) << "the compile sends nothing";
}

TEST_F(CompilerRunTest, ACompileAfterAFailedOpenNeverLetsTheEmptySetReplaceThePersonsUnasked)
{
    // The person's set beside the drawing is damaged: "open" works on an empty set in its place.
    ASSERT_EQ(m_home.RunCommand(Command("save")).exitCode, 0);
    std::string damaged = m_home.ReadFile("plant.pvl");
    ASSERT_EQ(damaged.size(), 152150u);
    damaged.resize(100000);
    m_home.WriteFile("plant.pvl", damaged);
    const ProgramResult open = m_home.RunCommand(Command("open"));
    ASSERT_FALSE(open.boxes.empty());
    EXPECT_EQ(open.boxes[0], testsupport::BoxLine(messages::kOpenWrongFile));

    // A compile commits the working set; it still is the empty set, not the person's.
    const ProgramResult compile = Parser([&] {
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Conversione terminata correttamente / compilatore pronto");
    });
    EXPECT_EQ(compile.exitCode, 0);
    ASSERT_TRUE(m_home.Exists("KRX9274_Funktionsdaten/plant.dat"));

    // So every save still asks, and the answer of a box nobody answers is no: the person's set stays, twice.
    const std::string asked = testsupport::BoxLine(messages::kSavePlaceholder);
    for (int save = 1; save <= 2; ++save) {
        const ProgramResult result = m_home.RunCommand(Command("save"));
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(testsupport::JoinLines(result.boxes), asked + "\n") << "save " << save;
        EXPECT_TRUE(m_home.ReadFile("plant.pvl") == damaged) << "save " << save;
        EXPECT_FALSE(m_home.Exists("plant.pvl.bak")) << "save " << save;
    }
}

// The type code of a function kind name (UTF-8); 0 for a name that is no function kind.
int TypeCode(const std::string& kind)
{
    const texts::FunctionTypeInfo* type = texts::FindFunctionType(platform::Utf8ToCp1252(kind).c_str());
    return type ? type->typeCode : 0;
}

TEST_F(CompilerRunTest, ASetWithTheFunctionsOfADrawingCompilesThemInSlotOrder)
{
    // Two comparisons whose values come from input 1, each with its library frame and designation text.
    auto group = [](int id, const char* type, const std::string& name, const std::string& inner) {
        return "<groupobject><type>" + std::string(type) + "</type><id>" + std::to_string(id) + "</id><name>" + name +
               "</name>" + inner + "</groupobject>\n";
    };
    auto caught = [](int line) { return "<catchobject><lineID>" + std::to_string(line) + "</lineID></catchobject>"; };
    auto line = [](int id) {
        return "<object><type>polylinie</type><id>" + std::to_string(id) +
               "</id><name>Linie</name><point><x>0</x><y>0</y></point></object>\n";
    };
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n";
    xml += "<object><type>rectangle</type><id>700</id><name>Eingang$1</name>\n" +
           group(701, "rectangle", "Biblio-Vers 11", "") + group(702, "text", "Bezeichnung", "<string>F</string>") +
           group(703, "text", "Index", "<string>1</string>") +
           group(704, "polylinie", "Eingang",
                 "<catchobject><lineID>900</lineID><lineID>901</lineID><lineID>902</lineID><lineID>903</lineID>"
                 "</catchobject>") +
           "</object>\n";
    for (int k = 0; k < 2; ++k) {
        const int id = 500 + 20 * k;
        xml += "\n  <object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>Vergleich$" +
               std::to_string(k) + "</name>\n" + group(id + 1, "rectangle", "Biblio-Vers 11", "") +
               group(id + 2, "polylinie", "Freigabe Funktion", "") +
               group(id + 3, "polylinie", "Wert a", caught(900 + 2 * k)) +
               group(id + 4, "polylinie", "Wert b", caught(901 + 2 * k)) + group(id + 5, "polylinie", "Ergebnis", "") +
               group(id + 6, "polylinie", "Ergebnis invers", "") +
               group(id + 7, "text", "Bezeichnung", "<string>Bezeichnung</string>") + "  </object>\n";
    }
    for (int id = 900; id <= 903; ++id)
        xml += line(id);
    xml += "</output>\n";
    m_home.WriteFile("VORNA.xml", xml);
    // The function objects of the drawing, by the kind before "$" in the name of each top-level object.
    std::multiset<int> drawn;
    for (size_t at = xml.find("\n  <object>"); at != std::string::npos; at = xml.find("\n  <object>", at + 1)) {
        const size_t name = xml.find("<name>", at) + 6;
        const int code = TypeCode(xml.substr(name, xml.find('$', name) - name));
        if (code)
            drawn.insert(code);
    }
    ASSERT_FALSE(drawn.empty());
    ProgramResult result = Parser([&] {
        // The evaluation's messages show the protocol first; the toolbar switches to the compiler.
        Do({"command", "32878"});
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Conversione terminata correttamente / compilatore pronto");
    });
    EXPECT_EQ(result.exitCode, 0);
    const std::string dat = m_home.ReadFile("KRX9274_Funktionsdaten/plant.dat");
    const std::string committed = m_home.ReadFile("para/para.par");
    std::multiset<int> compiled;
    for (unsigned slot = 1; slot <= drawn.size(); ++slot) {
        compiled.insert(std::stoi(ImageBytes(dat, 8 * slot + 7416, 1), nullptr, 16));
        // Entry and record as the committed set holds them after the repairs.
        EXPECT_EQ(ImageBytes(dat, 8 * slot + 7416, 8), ImageBytes(committed, 8 * slot + 7416, 8)) << slot;
        EXPECT_EQ(ImageBytes(dat, 128 * slot + 128, 128), ImageBytes(committed, 128 * slot + 128, 128)) << slot;
    }
    EXPECT_EQ(compiled, drawn);
    for (unsigned slot = drawn.size() + 1; slot <= 44; ++slot)
        EXPECT_EQ(ImageBytes(dat, 8 * slot + 7416, 8), "00000000FFFFFFFF") << slot;
}

TEST_F(CompilerRunTest, ALinkAtTheTargetIsRefusedAndWhatAKilledCompileLeftIsRemoved)
{
    namespace fs = std::filesystem;
    fs::create_directories(m_home.Path("KRX9274_Funktionsdaten"));
    m_home.WriteFile("elsewhere.dat", "not the compile's\r\n");
    fs::create_symlink(m_home.Path("elsewhere.dat"), Target());
    // The temporary of a compile killed an hour ago, and one of another program.
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"KRX9274_Funktionsdaten/.morv9274-K1ll3d", "KRX9274_Funktionsdaten/.other-K1ll3d"}) {
        m_home.WriteFile(name, "half a compile");
        fs::last_write_time(m_home.Path(name), old);
    }
    ProgramResult result = Parser([&] {
        Do({"answer", "YES"});
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Errore di conversione / compilatore pronto");
        EXPECT_EQ(fs::read_symlink(Target()).string(), m_home.Path("elsewhere.dat"));
        EXPECT_EQ(m_home.ReadFile("elsewhere.dat"), "not the compile's\r\n");

        fs::remove(Target());
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Conversione terminata correttamente / compilatore pronto");
    });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> boxes = {
        testsupport::BoxLine(messages::kCompileExists, "plant.dat"),
        testsupport::BoxLine(messages::kCompileFailed, "plant.dat"),
    };
    EXPECT_EQ(Messages(result.boxes), boxes) << testsupport::JoinLines(result.boxes);
    EXPECT_EQ(m_home.ReadFile("KRX9274_Funktionsdaten/plant.dat"), m_home.ReadFile("para/datFile.dat"));
    EXPECT_FALSE(m_home.Exists("KRX9274_Funktionsdaten/.morv9274-K1ll3d"));
    EXPECT_TRUE(m_home.Exists("KRX9274_Funktionsdaten/.other-K1ll3d"));
}

TEST_F(CompilerRunTest, AStoredTargetLineWithANulIsDamagedAndNotUsed)
{
    // Cut at the NUL, the line would name the folder above the one stored.
    std::filesystem::create_directories(m_home.Path("out/inner"));
    m_home.WriteFile("morv9274.ini", m_home.Path("out") + std::string(1, '\0') + "/inner\r\n     261\r\n\r\n\r\n");
    ProgramResult result = Parser([&] {
        EXPECT_EQ(Get("1067"), Target());
        Do({"click", "1075"});
        EXPECT_EQ(Get("1322"), "Conversione terminata correttamente / compilatore pronto");
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Messages(result.boxes).empty()) << testsupport::JoinLines(result.boxes);
    EXPECT_FALSE(m_home.Exists("out/plant.dat"));
    EXPECT_TRUE(m_home.Exists("KRX9274_Funktionsdaten/plant.dat"));
}

TEST_F(CompilerRunTest, TheChosenTargetIsStoredAndAStoredFolderThatIsGoneFallsBack)
{
    std::filesystem::create_directories(m_home.Path("out"));
    ProgramResult result = Parser([&] {
        const struct {
            const char* chosen;
            const char* shown;
        } cases[] = {
            {"out/result", "out/result.dat"},
            {"out/result.DAT", "out/result.DAT.dat"},
            {"out/ready.dat", "out/ready.dat"},
        };
        for (const auto& c : cases) {
            Do({"file", m_home.Path(c.chosen)});
            Do({"click", "1071"});
            EXPECT_EQ(Get("1067"), m_home.Path(c.shown));
        }
        // A path the parameter set cannot hold is refused and the target stays.
        Do({"file", m_home.Path("out/" + std::string(260, 'x'))});
        Do({"click", "1071"});
        EXPECT_EQ(Get("1067"), m_home.Path("out/ready.dat"));
    });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> boxes = Messages(result.boxes);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("morv9274 - Message: 1.055\t", 0), 0u);
    EXPECT_EQ(m_home.ReadFile("morv9274.ini").substr(0, m_home.Path("out").size() + 2), m_home.Path("out") + "\r\n");
    EXPECT_TRUE(Recorded("setfilenotuptodate"));
    CString stored;
    ASSERT_TRUE(testsupport::WithParameterFile(m_home, "para/para.par", false, [&](CParaDaten& para) {
        stored = para.GetCompilerPfad(CParaDaten::kWorkFile);
    }));
    EXPECT_EQ(std::string(stored.GetString()), m_home.Path("out/ready.dat"));

    // The stored folder is gone: the target moves into the default folder beside the drawing export.
    std::filesystem::remove_all(m_home.Path("out"));
    std::filesystem::remove_all(m_home.Path("KRX9274_Funktionsdaten"));
    result = Parser([&] { EXPECT_EQ(Get("1067"), m_home.Path("KRX9274_Funktionsdaten/ready.dat")); });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_directory(m_home.Path("KRX9274_Funktionsdaten")));
}

TEST_F(CompilerRunTest, TheDialogsStoreTheirRecordsAndTellTheDrawingTool)
{
    const std::string templatePath = m_home.Path("Vorlage.bgs");
    m_home.WriteFile(templatePath.substr(m_home.Dir().string().size() + 1), "Uno\r\nDue\r\n");
    ProgramResult result = Parser([&] {
        // Additional settings: contrast 35, summer time off, expert code 3261, the menu locked, which only a
        // controller from A3.24 on knows.
        Do({"click", "1082"});
        EXPECT_EQ(Get("1133"), " 41");
        Do({"pick", "1133", "5"});
        Do({"click", "1130"});
        Do({"pick", "1138", "3"});
        Do({"click", "1208"});
        Do({"click", "1"});
        EXPECT_EQ(Get("1771"), "Richiedi dati di funzionamento KRX9274 dalla versione A3.24 !!");

        // Network: only the release switched off is a change the drawing tool hears of.
        Do({"click", "1194"});
        EXPECT_EQ(Get("1195"), "   1");
        Do({"pick", "1134", "0"});
        Do({"click", "1"});

        // Welcome screen: own lines, a template with line ends loads without them, and one is saved.
        Do({"click", "1083"});
        Do({"click", "1223"});
        Do({"file", templatePath});
        Do({"click", "1228"});
        EXPECT_EQ(Get("1224"), "Uno");
        EXPECT_EQ(Get("1225"), "Due");
        Do({"type", "1227", "Fine"});
        Do({"file", m_home.Path("copia")});
        Do({"click", "1229"});
        Do({"click", "1"});
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Messages(result.boxes).empty()) << testsupport::JoinLines(result.boxes);
    // One "setfilenotuptodate" for each dialog confirmed, the network's too.
    const std::string record = m_home.ReadFile("record.txt");
    int notices = 0;
    for (size_t at = record.find("setfilenotuptodate"); at != std::string::npos;
         at = record.find("setfilenotuptodate", at + 1))
        ++notices;
    EXPECT_EQ(notices, 3) << record;
    const std::string committed = m_home.ReadFile("para/para.par");
    // Byte 1: contrast 35 without the summer-time bit; bytes 3 and 4 the expert code 3261.
    EXPECT_EQ(ImageBytes(committed, 1, 1), "23");
    EXPECT_EQ(ImageBytes(committed, 3, 2), "6132");
    // Byte 6: the menu lock in bit 3, stored inverted; bits 2 and 4 to 7 always set.
    EXPECT_EQ(ImageBytes(committed, 6, 1), "F4");
    EXPECT_EQ(m_home.ReadFile("morv9274.ini").find("    3261\r\n") != std::string::npos, true);
    // The network settings at 6656: node 1 in bits 0..6, the release (bit 7) off.
    EXPECT_EQ(ImageBytes(committed, 6656, 1), "01");
    // The welcome screen: own lines (byte 127 is 0), line 1 "Uno" blank-padded.
    EXPECT_EQ(ImageBytes(committed, 7808 + 127, 1), "00");
    EXPECT_EQ(ImageBytes(committed, 7810, 4), "556E6F20");
    // The saved template: four lines of 22 characters, nothing between them.
    const std::string saved = m_home.ReadFile("copia.bgs");
    ASSERT_EQ(saved.size(), 88u);
    EXPECT_EQ(saved.substr(0, 22), "Uno                   ");
    EXPECT_EQ(saved.substr(22, 22), "Due                   ");
    EXPECT_EQ(saved.substr(66), "Fine                  ");
}

}  // namespace
