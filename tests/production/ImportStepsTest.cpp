// The import's check and copy steps as plain classes, on working files in a folder of their own: the one comparer
// over every function type's completion pins, the refusals no drawing can produce, the overview filter, a source
// whose designations cannot be read, and the path the file dialog's answer gives.
#include "StoreTestFolder.h"

#include "production/CImport.h"
#include "production/ImportCheck.h"
#include "production/ImportCopy.h"
#include "resources/Messages.h"
#include "resources/UiTexts.h"
#include "store/CEepromFile.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"

#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pin = DrawingReader::PinCompletion;
using production::ImportCheck;
using production::Incompatibility;

struct Recorder : production::ImportReporter {
    void AddProgress(int increment, const CString& text) override
    {
        total += increment;
        lines.push_back(text.str());
    }
    int total = 0;
    std::vector<std::string> lines;
};

// Every field a type's pins complete decides the comparison, as the completion fills it; no other field does.
TEST(ImportCompareTest, EveryCompletedFieldDecidesAndNoOtherDoes)
{
    for (const functypes::FunctionType& type : functypes::AllFunctionTypes()) {
        SCOPED_TRACE(type.names.kind);
        std::vector<BYTE> current(type.recordSize);
        for (size_t k = 0; k < current.size(); ++k)
            current[k] = static_cast<BYTE>(k % 7 + 1);  // every kind field non-zero
        auto agree = [&](const std::vector<BYTE>& source) {
            return ImportCheck::Agree(type.pins, current.data(), source.data(), type.outputFlagsStored);
        };
        ASSERT_TRUE(agree(current));
        std::set<int> completed;
        for (const Pin& p : type.pins) {
            const std::string where = "pin " + std::to_string(p.pin);
            std::vector<BYTE> source = current;
            if (p.kind == Pin::Source) {
                completed.insert({p.a, p.b});
                source[p.a] ^= 0x40;
                EXPECT_FALSE(agree(source)) << where << ": kind";
                source = current;
                source[p.b] ^= 0x40;
                EXPECT_FALSE(agree(source)) << where << ": number of a connected source";
                std::vector<BYTE> unconnected = current;
                unconnected[p.a] = 0;
                source = unconnected;
                source[p.b] ^= 0x40;
                EXPECT_TRUE(ImportCheck::Agree(type.pins, unconnected.data(), source.data(), type.outputFlagsStored))
                    << where << ": a fixed value is a parameter";
                continue;
            }
            const int count = p.kind == Pin::Flags16 ? 16 : p.kind == Pin::Flags6 ? 6 : 1;
            for (int n = 0; n < count; ++n) {
                completed.insert(p.a + n);
                source = current;
                source[p.a + n] ^= 1;
                const bool stored = p.kind != Pin::Flags16 || n < type.outputFlagsStored;
                EXPECT_EQ(agree(source), !stored) << where << ", flag " << n + 1;
            }
        }
        std::vector<BYTE> parameters = current;
        for (size_t k = 0; k < parameters.size(); ++k)
            if (!completed.count(static_cast<int>(k)))
                parameters[k] ^= 0x55;
        EXPECT_TRUE(agree(parameters)) << "a parameter decided";
    }
}

class ImportStepsTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kDatFile));
        ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
    }
    Recorder m_recorder;
};

// A type code of no function type is refused with the slot's message, as another type would be; slots past the
// used ones are not compared and move the bar all at once.
TEST_F(ImportStepsTest, ASlotOfNoFunctionTypeIsRefusedByNumber)
{
    CParaDaten para;
    ImportCheck check(para, m_recorder);
    EXPECT_TRUE(check.CheckFunktionen().Fits());
    EXPECT_EQ(m_recorder.total, 44);
    EXPECT_EQ(m_recorder.lines.back(), ui::kCheckUnusedFunctions);

    for (int code : {24, 100, 254}) {
        SCOPED_TRACE(code);
        for (int file : {CParaDaten::kDatFile, CParaDaten::kWorkFile})
            ASSERT_TRUE(para.SetFuncEntry(file, 1, FuncEntry{code, 0xFF, 0}));
        const production::CheckResult result = check.CheckFunktionen();
        EXPECT_EQ(result.reason, Incompatibility::Function);
        EXPECT_EQ(result.number, 1);
        EXPECT_EQ(CImport::IncompatibleText(result), messages::Text(messages::kIncompatibleFunction, 1));
    }
}

// The imported overview keeps the headers and the five access levels in their order, a leading run gets the user
// group's header, and the list always ends in end entries.
TEST(ImportFuncViewTest, OnlyHeadersAndAccessLevelsAreTakenOver)
{
    using E = FuncViewEntry;
    using List = std::vector<std::vector<BYTE>>;
    const struct {
        const char* name;
        List given;
        List expected;
    } cases[] = {
        {"header, kind 4, kind 1", {{6, 3, 0}, {4, 3, 2}, {1, 3, 5}}, {{6, 3, 0}, {1, 3, 5}}},
        {"leading kind 7", {{7, 0, 1}, {6, 4, 0}, {3, 4, 2}}, {{6, 0, 0}, {7, 0, 1}, {6, 4, 0}, {3, 4, 2}}},
        {"empty", {}, {}},
        {"stops at the end mark", {{6, 1, 0}, {0xFF, 0xFF, 0xFF}, {2, 1, 1}}, {{6, 1, 0}}},
        {"every kind",
         {{1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {7, 0, 4}, {8, 0, 5}, {5, 0, 6}, {0, 0, 7}},
         {{6, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {7, 0, 4}, {8, 0, 5}}},
    };
    for (const auto& c : cases) {
        E entries[128];
        for (size_t k = 0; k < c.given.size(); ++k)
            entries[k] = {c.given[k][0], c.given[k][1], c.given[k][2]};
        production::ImportCopy::FilterFuncView(entries);
        List got;
        for (const E& e : entries)
            if (e.kind != E::kEnde || e.group != 0xFF || e.param != 0xFF)
                got.push_back({e.kind, e.group, e.param});
        EXPECT_EQ(got, c.expected) << c.name;
    }
    // 128 entries to take over behind an added header: the last is lost.
    E full[128];
    for (int k = 0; k < 128; ++k)
        full[k] = {E::kUserB, 0, static_cast<BYTE>(k)};
    production::ImportCopy::FilterFuncView(full);
    EXPECT_EQ(full[0].kind, E::kGruppe);
    EXPECT_EQ(full[127].param, 126);
}

// A source whose user designations cannot be read fails the step before anything of it is written: the working
// copy keeps its own designations rather than receiving placeholder texts.
TEST_F(ImportStepsTest, AnUnreadableDesignationFailsTheStepAndWritesNoPlaceholder)
{
    CParaDaten para;
    ASSERT_TRUE(para.SetUserBezeichnung(CParaDaten::kWorkFile, 1, "CALDAIA"));
    CParaDaten::ReleaseFiles();
    // The source ends in the line that holds the first designation.
    const long cut = CEepromFile::kArea0Start + CEepromFile::kLineSize * (layout::UserBezeichnung(1) / 32);
    std::filesystem::resize_file(CParaDaten::GetFileName(CParaDaten::kDatFile).GetString(), cut);

    production::ImportCopy copy(para, m_recorder);
    EXPECT_FALSE(copy.RunSteps());
    EXPECT_EQ(m_recorder.lines.back(), ui::kCopyDesignations);
    EXPECT_EQ(m_recorder.total, 3);
    for (BYTE n = 1; n <= 16; ++n) {
        CString text;
        ASSERT_TRUE(para.ReadUserBezeichnung(CParaDaten::kWorkFile, n, text));
        EXPECT_EQ(text, n == 1 ? CString("CALDAIA") : para.GetUserBezeichnung(CParaDaten::kWorkFile, n)) << int(n);
    }
    EXPECT_EQ(para.GetUserBezeichnung(CParaDaten::kWorkFile, 2), " 2 - - - - -");
}

// The chosen file keeps its name when it ends in ".dat" in any case; any other name gets ".dat".
TEST(ImportSourcePathTest, DatInAnyCaseIsKept)
{
    const std::pair<const char*, const char*> cases[][2] = {
        {{"/p/Anlage.dat", "dat"}, {"/p/Anlage.dat", ""}}, {{"/p/Anlage.DAT", "DAT"}, {"/p/Anlage.DAT", ""}},
        {{"/p/Anlage.Dat", "Dat"}, {"/p/Anlage.Dat", ""}}, {{"/p/Anlage.txt", "txt"}, {"/p/Anlage.txt.dat", ""}},
        {{"/p/Anlage", ""}, {"/p/Anlage.dat", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CImport::SourcePath(c[0].first, c[0].second), c[1].first) << c[0].first;
}

}  // namespace
