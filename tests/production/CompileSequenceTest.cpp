// The compile in-process: the function-data file's bytes at the addresses of the memory map, the status lines and
// positions, the end of the function table, and the failures that must commit nothing.
#include "StoreTestFolder.h"

#include "production/CompileSequence.h"
#include "store/CParaDaten.h"
#include "store/DrawingReader.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using production::CompileReporter;
using production::CompileSequence;

namespace {

struct Recorder : CompileReporter {
    std::vector<std::pair<int, std::string>> lines;
    void SetStatus(int position, const CString& text) override { lines.emplace_back(position, text.GetString()); }
};

// Byte address of area 0 in a memory-image file: 298 header bytes, then lines of 73 bytes (CR LF, ":", count,
// address, 32 bytes as 64 hexadecimal digits).
int ImageByte(const std::string& file, unsigned address)
{
    const size_t at = 298 + (address / 32) * 73 + 9 + (address % 32) * 2;
    if (at + 2 > file.size())
        return -1;
    return std::stoi(file.substr(at, 2), nullptr, 16);
}

std::string ImageBytes(const std::string& file, unsigned address, unsigned count)
{
    std::string out;
    char hex[4];
    for (unsigned i = 0; i < count; ++i) {
        std::snprintf(hex, sizeof hex, "%02X", ImageByte(file, address + i));
        out += hex;
    }
    return out;
}

class CompileSequenceTest : public StoreTestFolder {
protected:
    // Spoils the first byte at the address of area 0 in working file 2: its two digits are no hexadecimal number.
    static void Damage(unsigned address)
    {
        CParaDaten::ReleaseFiles();
        std::string work = ReadFile("para/morv9274.par");
        work.replace(298 + (address / 32) * 73 + 9 + (address % 32) * 2, 2, "ZZ");
        WriteFile("para/morv9274.par", work);
    }
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(1));
        ASSERT_TRUE(para.BeginWorkFile());
    }
    // A function of the type with its new record in the slot of working file 2.
    static void AddFunc(BYTE slot, int id, int type, BYTE number)
    {
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncId(2, slot, id));
        ASSERT_TRUE(para.SetFuncEntry(2, slot, FuncEntry {type, 0, number}));
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        CParaDaten::GetDefaultRecord(type, record);
        ASSERT_TRUE(para.WriteBytes(2, 0, 128 * slot + 128, 128, record));
    }
    bool Compile(const std::string& target = "out/plant.dat")
    {
        std::filesystem::create_directories("out");
        CParaDaten::ReleaseFiles();
        CompileSequence sequence(m_reporter, m_drawing);
        const bool ok = sequence.Run(target.c_str());
        CParaDaten::ReleaseFiles();
        return ok;
    }

    Recorder m_reporter;
    DrawingReader m_drawing;
};

TEST_F(CompileSequenceTest, ANewSetCompilesIntoTheMemoryMapAndReportsEveryStep)
{
    {
        CParaDaten para;
        ReglerEinstellungen settings {};
        ASSERT_TRUE(para.GetReglerEinst(2, settings));
        settings.contrast = 60;  // out of range: repaired to 44 on the way
        settings.brightness = 7;
        settings.lightOff = 4;
        ASSERT_TRUE(para.SetReglerEinst(2, settings));
        ASSERT_TRUE(para.SetUserBezeichnung(2, 3, "Caldaia"));
        BegruessungsText screen;
        screen.flag = 1;
        screen.lines[0] = "Casa";
        screen.lines[3] = "Riga quattro";
        ASSERT_TRUE(para.SetBegruessung(2, screen));
    }
    AddFunc(1, 101, 9, 0);   // "Vergleich"
    AddFunc(2, 102, 14, 1);  // "Timerfunktion"
    AddFunc(3, 103, 1, 2);   // "Heizkreisregler"
    ASSERT_TRUE(Compile());

    const std::string dat = ReadFile("out/plant.dat");
    ASSERT_EQ(dat, ReadFile("para/datFile.dat")) << "the target is a copy of working file 0";
    // Controller settings at 0: format mark 3; byte 1 the contrast repaired to 44 (bits 0..5) with the summer time
    // switch of a new set (bit 6); byte 2 brightness 7 and light-off 4 (bits 4..7); bytes 3 and 4 the expert code
    // 0261 of a new set, one digit per half byte from the ones digit up.
    EXPECT_EQ(ImageBytes(dat, 0, 5), "036C476102");
    // User designation 3 at 13 * 3 + 6387, the first 12 characters blank-padded or NUL-ended.
    EXPECT_EQ(ImageByte(dat, 6426), 'C');
    EXPECT_EQ(ImageByte(dat, 6432), 'a');
    // Function table at 8 * slot + 7416: the three slots with type, designation, 00, number, FF FF FF FF, then
    // empty entries for slots 4 to 44.
    // empty entries for slots 4 to 44. The designation code is the one the repair left in working file 2.
    const std::string work = ReadFile("para/morv9274.par");
    const struct {
        unsigned address;
        const char* type;
        const char* rest;
    } used[] = {{7424, "09", "0000FFFFFFFF"}, {7432, "0E", "0001FFFFFFFF"}, {7440, "01", "0002FFFFFFFF"}};
    for (const auto& u : used)
        EXPECT_EQ(ImageBytes(dat, u.address, 8), u.type + ImageBytes(work, u.address + 1, 1) + u.rest);
    for (unsigned slot = 4; slot <= 44; ++slot)
        EXPECT_EQ(ImageBytes(dat, 8 * slot + 7416, 8), "00000000FFFFFFFF") << slot;
    // The records of the used slots are those of working file 2 now; of the others the default image (all FF).
    for (unsigned slot = 1; slot <= 3; ++slot)
        EXPECT_EQ(ImageBytes(dat, 128 * slot + 128, 128), ImageBytes(work, 128 * slot + 128, 128)) << slot;
    EXPECT_EQ(ImageBytes(dat, 128 * 4 + 128, 4), "FFFFFFFF");
    // Welcome screen at 7808: the lines from byte 2 on, 22 characters each, blank-padded; byte 127 is 0 for own
    // lines.
    EXPECT_EQ(ImageBytes(dat, 7810, 22), "43617361202020202020202020202020202020202020");
    EXPECT_EQ(ImageBytes(dat, 7810 + 66, 22), "52696761207175617474726F20202020202020202020");
    EXPECT_EQ(ImageByte(dat, 7808 + 127), 0);
    // The working copy is committed.
    EXPECT_EQ(ReadFile("para/para.par"), work);

    // Every step reports in order, from 1 to 240; slots 4 to 44 still get their lines.
    ASSERT_FALSE(m_reporter.lines.empty());
    const std::vector<std::pair<int, std::string>> expected = {
        {1, "Conversione impostazioni addizionali del regolatore"},
        {2, "Conversione dei parametri della gestione dati"},
        {3, "Conversione dei parametri del potenziostato"},
        {5, "Conversione delle descrizioni personalizzate"},
        {6, "Conversione dei parametri dell'ingresso 1"},
        {21, "Conversione dei parametri dell'ingresso 16"},
        {22, "Conversione dei parametri dell\x92uscita 1"},
        {37, "Conversione dei parametri dell\x92uscita 16"},
        {38, "Conversione dei parametri della funzione 1"},
        {50, "Conversione dei parametri della funzione 4"},
        {210, "Conversione dei parametri della funzione 44"},
        {215, "Conversione della sinottica della funzione"},
        {216, "Conversione dei parametri del messaggio 1"},
        {230, "Conversione dei parametri del messaggio 8"},
        {232, "Conversione dei parametri di rete"},
        {240, "Conversione dei parametri della raccolta dati CAN"},
    };
    for (const auto& line : expected) {
        bool found = false;
        for (const auto& got : m_reporter.lines)
            found = found || got == line;
        EXPECT_TRUE(found) << line.first << " " << line.second;
    }
    EXPECT_EQ(m_reporter.lines.size(), 4u + 16 + 16 + 44 + 1 + 8 + 1 + 1);
    for (size_t i = 1; i < m_reporter.lines.size(); ++i)
        EXPECT_LT(m_reporter.lines[i - 1].first, m_reporter.lines[i].first);
    EXPECT_EQ(m_reporter.lines.back().first, 240);
}

TEST_F(CompileSequenceTest, ADefaultWelcomeScreenStaysTheDefaultMark)
{
    ASSERT_TRUE(Compile());
    const std::string dat = ReadFile("out/plant.dat");
    const std::string work = ReadFile("para/morv9274.par");
    EXPECT_EQ(ImageBytes(dat, 7808, 128), ImageBytes(work, 7808, 128));
    EXPECT_EQ(ImageByte(dat, 7808 + 127), 0xFF) << "the default mark";
}

TEST_F(CompileSequenceTest, AFailedStepCommitsNothingAndLeavesTheTargetAlone)
{
    const struct {
        const char* name;
        void (*spoil)();
        int lastPosition;
    } cases[] = {
        // A damaged working copy: the read of input 7 fails, so no record of repaired defaults is compiled.
        {"damaged input 7", [] { Damage(16 * 7 + 6896); }, 12},
        // Likewise a damaged user designation 3 (position 5 is the designations' one line).
        {"damaged designation 3", [] { Damage(13 * 3 + 6387); }, 5},
        // Slot 2 ends the table with a type no function has; slot 3 still names a drawing object.
        {"function after the end of the table",
         [] {
             AddFunc(1, 101, 9, 0);
             AddFunc(2, 102, 9, 1);
             AddFunc(3, 103, 9, 2);
             CParaDaten para;
             ASSERT_TRUE(para.SetFuncId(2, 2, 0));
             ASSERT_TRUE(para.SetFuncEntry(2, 2, FuncEntry {24, 0, 1}));
         },
         46},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        {
            CParaDaten para;
            ASSERT_TRUE(para.CreateEmptyFile(1));
            ASSERT_TRUE(para.BeginWorkFile());
        }
        c.spoil();
        CParaDaten::ReleaseFiles();
        const std::string committed = ReadFile("para/para.par");
        WriteFile("out/plant.dat", "older");
        m_reporter.lines.clear();
        EXPECT_FALSE(Compile());
        EXPECT_EQ(ReadFile("para/para.par"), committed);
        EXPECT_EQ(ReadFile("out/plant.dat"), "older");
        ASSERT_FALSE(m_reporter.lines.empty());
        EXPECT_EQ(m_reporter.lines.back().first, c.lastPosition);
    }
}

TEST_F(CompileSequenceTest, AnUnknownTypeWithoutObjectEndsTheTableAndLaterSlotsStayEmpty)
{
    AddFunc(1, 101, 9, 0);
    CParaDaten para;
    ASSERT_TRUE(para.SetFuncEntry(2, 2, FuncEntry {24, 0, 1}));
    ASSERT_TRUE(Compile());
    const std::string dat = ReadFile("out/plant.dat");
    EXPECT_EQ(ImageBytes(dat, 7424, 1), "09");
    EXPECT_EQ(ImageBytes(dat, 7432, 8), "00000000FFFFFFFF");
}

TEST_F(CompileSequenceTest, AReadOnlyTargetFailsAfterTheCommit)
{
    WriteFile("out/plant.dat", "older");
    std::filesystem::permissions("out/plant.dat", std::filesystem::perms::owner_read);
    EXPECT_FALSE(Compile());
    EXPECT_EQ(ReadFile("out/plant.dat"), "older");
}

}  // namespace
