// The run writes back what it repaired, and only what it could read: an unreadable record stays as it was.
#include "StoreTestFolder.h"

#include "production/DocRun.h"
#include "store/CParaDaten.h"

namespace {

class NoReporter : public DocReporter {
public:
    void Status(int, const CString&) override {}
};

class DocRunTest : public StoreTestFolder {};

TEST_F(DocRunTest, AnUnreadableInputIsNotWrittenBack)
{
    const std::string file = CParaDaten::GetFileName(2).GetString();
    std::string stored;
    size_t damagedAt = 0;
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
        CParaDaten::ReleaseFiles();
        const std::string before = ReadFile(file);
        // Input 2 as an analog temperature input: its record is where the file changes.
        EingangParam input;
        input.type = kEingangAnalog;
        input.quantity = kGroesseTemperatur;
        input.sensorType = 2;
        input.averaging = 10;
        ASSERT_TRUE(para.SetEingang(2, 2, input));
        CParaDaten::ReleaseFiles();
        stored = ReadFile(file);
        ASSERT_EQ(stored.size(), before.size());
        size_t at = 0;
        while (at < stored.size() && stored[at] == before[at])
            ++at;
        ASSERT_LT(at, stored.size());
        stored[at] = 'Z';  // no hex digit: the record cannot be read
        WriteFile(file, stored);
        damagedAt = at;
    }
    doc::Options options;
    options.writeBack = 1;
    options.sections = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    NoReporter reporter;
    const std::string text = DocRun(options, reporter).Build();
    CParaDaten::ReleaseFiles();
    // The readable inputs are written back repaired; the damaged record is left exactly as it was.
    const std::string after = ReadFile(file);
    EXPECT_NE(after, stored);
    // The record of input 2: 16 bytes, two hex digits each, from its first changed digit on.
    ASSERT_EQ(after.size(), stored.size());
    EXPECT_EQ(after.substr(damagedAt - 1, 32), stored.substr(damagedAt - 1, 32));
    // The unreadable input is documented as not in use, the others as read.
    EXPECT_NE(text.find("Ingresso 2:\r\nTIPO: non usato\r\n"), std::string::npos);
    EXPECT_NE(text.find("Ingresso 16:\r\nTIPO: non usato\r\n"), std::string::npos);
}

}  // namespace
