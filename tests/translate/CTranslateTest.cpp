// Reading "Translate.tmp": record positions and counts, header fields, library versions, the dispatch by kind, and
// what a damaged record or a missing text object leads to.
#include "translate/CTranslate.h"

#include "TranslateTestFolder.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class CTranslateTest : public TranslateTestFolder {};

// An input record whose three commands are easy to tell apart: number 20 is unassigned, so every id gets a text.
std::string Unassigned(int firstId)
{
    return TranslateTestFolder::Record("Eingang", 5, 11, firstId, {20, firstId + 1, firstId + 2});
}

Lines UnassignedCommands(int firstId)
{
    return {TranslateTestFolder::Cmd(firstId + 2, " S "), TranslateTestFolder::Cmd(firstId + 1, "0"),
            TranslateTestFolder::Cmd(firstId, "inutiliz.")};
}

Lines Join(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(CTranslateTest, WithoutTheFileNothingIsQueuedAndRunFails)
{
    bool result = true;
    const Lines lines = RunTranslation(&result);
    EXPECT_FALSE(result);
    EXPECT_TRUE(lines.empty()) << Show(lines);
}

TEST_F(CTranslateTest, RecordCountIsTheSizeInRecordsRoundedUp)
{
    struct Case {
        size_t bytes;
        int records;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {499, 1}, {500, 1}, {501, 2}, {1000, 2}, {1001, 3}, {1500, 3}};
    for (const Case& c : cases) {
        TranslateFile file;
        file.bytes.assign(c.bytes, ' ');
        EXPECT_EQ(CTranslate::CountRecords(file), c.records) << c.bytes << " bytes";
    }
}

TEST_F(CTranslateTest, EveryRecordIsTranslatedAtItsOwnPosition)
{
    struct Case {
        const char* name;
        std::string bytes;
        Lines expected;
    };
    const std::string two = Unassigned(100) + Unassigned(200);
    const Case cases[] = {
        {"empty file", "", {}},
        {"two records of 1000 bytes", two, Join(UnassignedCommands(100), UnassignedCommands(200))},
        {"a third record of one byte stops nothing before it", two + " ",
         Join(UnassignedCommands(100), UnassignedCommands(200))},
        {"a third record cut inside its header", two + Unassigned(300).substr(0, 45),
         Join(UnassignedCommands(100), UnassignedCommands(200))},
        // The first record's values are garbage; the second is found at byte 500 all the same.
        {"a damaged record does not shift the next", Record("Eingang", 5, 11, 100, {}) + Unassigned(200),
         UnassignedCommands(200)},
    };
    for (const Case& c : cases) {
        bool result = false;
        const Lines lines = Translate(c.bytes, &result);
        EXPECT_TRUE(result) << c.name;
        EXPECT_EQ(lines, c.expected) << c.name << "\n" << Show(lines);
    }
}

TEST_F(CTranslateTest, HeaderFieldsAreReadWhole)
{
    // A kind name of 28 characters fills its field without a leading blank; a designation keeps no blanks around it.
    const std::string kind = "Anforderung Warmwasser Extra";  // 28 characters
    ASSERT_EQ(kind.size(), 28u);
    TranslateFile file;
    file.bytes = Record(kind, 4711, 11, 815, {1, 2}, "  Speicher oben  ");
    ASSERT_TRUE(CTranslate::SeekRecord(file, 1));
    TranslateHeader header;
    ASSERT_TRUE(CTranslate::ReadHeader(file, 1, header));
    EXPECT_STREQ(header.kind, kind.c_str());
    EXPECT_EQ(header.objectId, 4711);
    EXPECT_EQ(header.version, 11);
    EXPECT_STREQ(header.designation, "Speicher oben");
    EXPECT_EQ(header.designationTextId, 815);
    int value = 0;
    ASSERT_TRUE(CTranslate::ReadNumber(file, value));
    EXPECT_EQ(value, 1);

    // Only the low 8 bits of the library version are kept.
    file.bytes = Record("Eingang", -3, 267, -1, {});
    ASSERT_TRUE(CTranslate::SeekRecord(file, 1));
    ASSERT_TRUE(CTranslate::ReadHeader(file, 1, header));
    EXPECT_EQ(header.objectId, -3);
    EXPECT_EQ(header.version, 11);
    EXPECT_EQ(header.designationTextId, -1);

    EXPECT_FALSE(CTranslate::SeekRecord(file, 2));
    EXPECT_FALSE(CTranslate::SeekRecord(file, 0));
}

TEST_F(CTranslateTest, OnlyElementsOfLibraryVersion11AndLaterAreTranslated)
{
    struct Case {
        int version;
        bool translated;
    };
    const Case cases[] = {{0, false}, {10, false}, {11, true}, {12, true}, {255, true}, {266, false}, {267, true}};
    for (const Case& c : cases) {
        const Lines lines = Translate(Record("Eingang", 5, c.version, 100, {20, 101, 102}));
        EXPECT_EQ(lines, c.translated ? UnassignedCommands(100) : Lines()) << "version " << c.version << "\n"
                                                                          << Show(lines);
    }
}

TEST_F(CTranslateTest, KindNamesAreComparedExactly)
{
    // Unknown kinds, other case, a blank after the name: skipped; the record after them is translated.
    for (const char* kind : {"Knotenpunkt", "Linie", "eingang", "Eingang ", "Online_Rahmen", "Funktion", ""}) {
        const Lines lines = Translate(Record(kind, 5, 11, 100, {20, 101, 102}) + Unassigned(200));
        EXPECT_EQ(lines, UnassignedCommands(200)) << "\"" << kind << "\"\n" << Show(lines);
    }
}

TEST_F(CTranslateTest, DesignationOfTheDrawingChangesNothing)
{
    const Lines plain = Translate(Record("Eingang", 5, 11, 100, {20, 101, 102}));
    const Lines framed = Translate(Record("Eingang", 5, 11, 100, {20, 101, 102}, "  Fühler außen  "));
    EXPECT_EQ(plain, UnassignedCommands(100));
    EXPECT_EQ(framed, plain);
}

TEST_F(CTranslateTest, RecordWithAnUnreadableValueQueuesNothing)
{
    const std::string good = Record("Eingang", 5, 11, 100, {20, 101, 102});
    // Byte 90 holds the first value, 100 the second, 110 the third.
    auto withField = [&good](size_t offset, const std::string& field) {
        std::string bytes = good;
        return bytes.replace(offset, field.size(), field);
    };
    struct Case {
        const char* name;
        std::string record;
    };
    const Case cases[] = {
        {"letters", withField(110, "     abc")},
        {"a number with a tail", withField(100, "     12x")},
        {"a sign alone", withField(90, "       -")},
        {"a blank field", withField(110, "        ")},
        {"a line end missing", withField(108, "  ")},
        {"a number beyond int", Record("Eingang", 5, 11, 100, {20, 101}).replace(110, 12, "9999999999\r\n")},
        {"values missing", Record("Eingang", 5, 11, 100, {20, 101})},
        {"the file ends inside the values", good.substr(0, 115)},
        {"the file ends before the last line end", good.substr(0, 118)},
        {"an unreadable object id", withField(30, "   1a001")},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.record.size() <= 500, true) << c.name;
        const Lines lines = Translate(c.record + (c.record.size() == 500 ? Unassigned(200) : ""));
        const Lines expected = c.record.size() == 500 ? UnassignedCommands(200) : Lines();
        EXPECT_EQ(lines, expected) << c.name << "\n" << Show(lines);
    }
}

TEST_F(CTranslateTest, FieldsWithBareLineFeedsAndBlanksAroundNumbersAreRead)
{
    std::string record = "Eingang\n5\n11\n\n100\n  20  \n+101\n102\r\n";
    record.resize(500, ' ');
    const Lines lines = Translate(record);
    EXPECT_EQ(lines, UnassignedCommands(100)) << Show(lines);
}

TEST_F(CTranslateTest, TextIdsOfZeroAndBelowNameNoTextObject)
{
    struct Case {
        int designationId, numberId, letterId;
        Lines expected;
    };
    const Case cases[] = {
        {100, 0, 102, {Cmd(102, " S "), Cmd(100, "inutiliz.")}},
        {-1, 101, -1, {Cmd(101, "0")}},
        {0, -7, 0, {}},
    };
    for (const Case& c : cases) {
        const Lines lines = Translate(Record("Eingang", 5, 11, c.designationId, {20, c.numberId, c.letterId}));
        EXPECT_EQ(lines, c.expected) << c.designationId << "/" << c.numberId << "/" << c.letterId << "\n"
                                     << Show(lines);
    }
}

TEST_F(CTranslateTest, SuffixOfADigitalInputPin)
{
    struct Case {
        BYTE kind, suppressOff, inverted, fixedValue;
        const char* expected;
    };
    const Case cases[] = {
        {1, 0, 1, 0, "ABL (inv.)"},   {98, 1, 1, 1, "ABL (inv.)"}, {3, 0, 0, 0, "ABL"},
        {0, 0, 0, 0, "ABL (OFF)"},    {0, 1, 0, 0, "ABL"},         {0, 0, 0, 1, "ABL"},
        {0, 0, 1, 0, "ABL (OFF)"},    {0, 0, 0, 2, "ABL"},         {255, 0, 2, 0, "ABL (inv.)"},
    };
    for (const Case& c : cases) {
        CString label = "ABL";
        CTranslate::AppendSuffix(label, c.kind, c.suppressOff, c.inverted, c.fixedValue);
        EXPECT_STREQ(label, c.expected) << int(c.kind) << "/" << int(c.suppressOff) << "/" << int(c.inverted) << "/"
                                        << int(c.fixedValue);
    }
}

}  // namespace
