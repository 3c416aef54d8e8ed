// The memory-image files: new files byte for byte, field positions at the edges of every area, range rules,
// header recognition and every way a file can be unreadable.
#include "GoldenImage.h"
#include "StoreTestFolder.h"

#include "platform/Win32File.h"
#include "store/CDataFile.h"
#include "store/CParaFile.h"

#include <csignal>
#include <functional>
#include <memory>
#include <unistd.h>
#include <cstring>
#include <sys/resource.h>

namespace {

// File position of an address, from the layout: lines of 73 bytes, data 9 bytes after each line's start.
long Pos(int area, unsigned a)
{
    if (area == 2)
        return 77398 + 73L * (a / 64) + 9 + a % 64;
    return (area == 0 ? 298 : 75050) + 73L * (a / 32) + 9 + 2 * (a % 32);
}

std::string Hex(const std::vector<unsigned char>& bytes)
{
    std::string s;
    char pair[3];
    for (unsigned char b : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        s += pair;
    }
    return s;
}

class EepromFileTest : public StoreTestFolder {
protected:
    std::string NewParaFile(const char* path = "para/test.par")
    {
        CParaFile file(path);
        EXPECT_TRUE(file.Create());
        return ReadFile(path);
    }
};

}  // namespace

TEST_F(EepromFileTest, NewFilesMatchTheFormatByteForByte)
{
    CParaFile para("para/new.par");
    CDataFile data("para/new.dat");
    ASSERT_TRUE(para.Create());
    ASSERT_TRUE(data.Create());
    EXPECT_EQ(para.GetState(), CEepromFile::kClosed);

    std::string p = ReadFile("para/new.par");
    std::string d = ReadFile("para/new.dat");
    ASSERT_EQ(p.size(), 152150u);
    ASSERT_EQ(d.size(), 77386u);
    EXPECT_TRUE(p == golden::ParaFile()) << "parameter file differs from the format";
    EXPECT_TRUE(d == golden::DataFile()) << "function-data file differs from the format";
    EXPECT_EQ(p.substr(298, 9), "\r\n:200000");
    EXPECT_EQ(p.substr(77390, 8), "PAR_DATA");
    EXPECT_EQ(p.substr(77398, 9), "\r\n:400000");
    EXPECT_EQ(p.substr(75050, 9), "\r\n:208000");
}

TEST_F(EepromFileTest, NewImageTakesTheExpertCodeOfTheSettingsFile)
{
    struct Case {
        const char* ini;
        int expected;
    };
    const Case cases[] = {
        {"\r\n    4711\r\n\r\n\r\n", 4711},
        {"\r\n       7\r\n\r\n\r\n", 7},
        // Five digits cannot be packed into two bytes: the default code takes their place.
        {"\r\n   12345\r\n\r\n\r\n", 261},
        {"\r\n      -5\r\n\r\n\r\n", 261},
    };
    for (const Case& c : cases) {
        WriteFile("morv9274.ini", c.ini);
        EXPECT_TRUE(NewParaFile() == golden::ParaFile(c.expected)) << c.ini;
    }
}

TEST_F(EepromFileTest, FieldsAtTheEdgesOfEveryAreaAndAcrossLineEnds)
{
    struct Case {
        int area;
        unsigned address;
        unsigned count;
    };
    const Case cases[] = {
        {0, 0, 1},     {0, 0, 32},   {0, 31, 1},  {0, 30, 3},  {0, 32766, 1}, {0, 32700, 66}, {0, 100, 255},
        {1, 0, 1},     {1, 1022, 1}, {1, 31, 2},  {2, 0, 1},   {2, 63, 2},     {2, 65534, 1},  {2, 60, 140},
        // Runs that cross a 4 KB page of the file as well as line ends.
        {0, 1650, 100}, {2, 1000, 200},
    };
    const std::string original = NewParaFile();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "area " << c.area << " address " << c.address << " count " << c.count);
        WriteFile("para/test.par", original);
        CParaFile file("para/test.par");
        std::string expected = original;
        if (c.area == 2) {
            std::string chars;
            for (unsigned i = 0; i < c.count; ++i)
                chars += static_cast<char>('a' + i % 26);
            ASSERT_TRUE(file.WriteChars(c.address, c.count, chars.data()));
            for (unsigned i = 0; i < c.count; ++i)
                expected[Pos(2, c.address + i)] = chars[i];
            std::string back(c.count, '\0');
            ASSERT_TRUE(file.ReadChars(c.address, c.count, back.data()));
            EXPECT_EQ(back, chars);
        } else {
            std::vector<unsigned char> bytes(c.count);
            for (unsigned i = 0; i < c.count; ++i)
                bytes[i] = static_cast<unsigned char>(0x5A ^ (i * 7));
            ASSERT_TRUE(file.WriteBytes(c.area, c.address, c.count, bytes.data()));
            std::string hex = Hex(bytes);
            for (unsigned i = 0; i < c.count; ++i)
                expected.replace(Pos(c.area, c.address + i), 2, hex.substr(2 * i, 2));
            std::vector<unsigned char> back(c.count);
            ASSERT_TRUE(file.ReadBytes(c.area, c.address, c.count, back.data()));
            EXPECT_EQ(back, bytes);
        }
        file.Close();
        std::string actual = ReadFile("para/test.par");
        ASSERT_EQ(actual.size(), original.size());
        EXPECT_TRUE(actual == expected) << "bytes other than the field changed";
    }
}

TEST_F(EepromFileTest, WritingThreeBytesAtAddress30SkipsTheNextLineStart)
{
    const std::string original = NewParaFile();
    CParaFile file("para/test.par");
    const BYTE bytes[] = {0x12, 0x34, 0x56};
    ASSERT_TRUE(file.WriteBytes(0, 30, 3, bytes));
    file.Close();
    std::string actual = ReadFile("para/test.par");
    EXPECT_EQ(actual.substr(298 + 9 + 60, 4), "1234");
    EXPECT_EQ(actual.substr(298 + 73, 11), "\r\n:20002056");
}

TEST_F(EepromFileTest, RangesOutsideTheirAreaAreRefusedAndChangeNothing)
{
    struct Case {
        int area;
        unsigned address;
        unsigned count;
        bool accepted;
    };
    const Case cases[] = {
        {0, 32766, 1, true},  {0, 32767, 1, false}, {0, 32760, 8, false}, {0, 0xFFFFFFFF, 2, false},
        {1, 1022, 1, true},   {1, 1023, 1, false},  {1, 1000, 30, false}, {2, 0, 1, false},
        {3, 0, 1, false},     {-1, 0, 1, false},
    };
    const std::string original = NewParaFile();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "area " << c.area << " address " << c.address << " count " << c.count);
        WriteFile("para/test.par", original);
        CParaFile file("para/test.par");
        BYTE bytes[8] = {0, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(file.WriteBytes(c.area, c.address, c.count, bytes), c.accepted);
        BYTE back[8] = {7, 7, 7, 7, 7, 7, 7, 7};
        EXPECT_EQ(file.ReadBytes(c.area, c.address, c.count, back), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(back[0], 7) << "a refused read wrote into the buffer";
        }
        file.Close();
        if (!c.accepted) {
            EXPECT_TRUE(ReadFile("para/test.par") == original);
        }
    }
    CParaFile file("para/test.par");
    char chars[2] = {'x', 'y'};
    EXPECT_TRUE(file.WriteChars(65534, 1, chars));
    EXPECT_FALSE(file.WriteChars(65535, 1, chars));
    EXPECT_FALSE(file.WriteChars(65534, 2, chars));
}

TEST_F(EepromFileTest, FunctionDataFileHasNoCharacterArea)
{
    CDataFile file("para/test.dat");
    ASSERT_TRUE(file.Create());
    const std::string original = ReadFile("para/test.dat");
    char chars[5] = {'1', '2', '3', '4', '5'};
    int value = 0;
    CString text;
    EXPECT_FALSE(file.WriteChars(0, 5, chars));
    EXPECT_FALSE(file.ReadChars(0, 5, chars));
    EXPECT_FALSE(file.WriteHex(0, 5, 0x12345));
    EXPECT_FALSE(file.ReadHex(0, 5, value));
    EXPECT_FALSE(file.WriteDec(0, 5, 12345));
    EXPECT_FALSE(file.ReadDec(0, 5, value));
    EXPECT_FALSE(file.WriteText(0, 5, "ab"));
    EXPECT_FALSE(file.ReadText(0, 5, text));
    BYTE b = 0;
    EXPECT_FALSE(file.WriteBytes(2, 0, 1, &b));
    EXPECT_TRUE(file.WriteBytes(0, 32766, 1, &b));
    file.Close();
    std::string after = ReadFile("para/test.dat");
    EXPECT_EQ(after.substr(0, Pos(0, 32766)), original.substr(0, Pos(0, 32766)));
    EXPECT_EQ(after.substr(Pos(0, 32766), 2), "00");
}

TEST_F(EepromFileTest, DigitAndTextFields)
{
    NewParaFile();
    CParaFile file("para/test.par");
    auto chars = [&](unsigned address, unsigned count) {
        std::string s(count, '\0');
        EXPECT_TRUE(file.ReadChars(address, count, s.data()));
        return s;
    };
    int value = 0;
    ASSERT_TRUE(file.WriteDec(100, 3, 7));
    EXPECT_EQ(chars(100, 3), "007");
    ASSERT_TRUE(file.WriteDec(100, 5, 123));
    EXPECT_EQ(chars(100, 5), "00123");
    ASSERT_TRUE(file.WriteDec(100, 2, 123));
    EXPECT_EQ(chars(100, 2), "23");
    ASSERT_TRUE(file.WriteHex(200, 5, 0xFFFFF));
    EXPECT_EQ(chars(200, 5), "FFFFF");
    ASSERT_TRUE(file.WriteHex(200, 2, 0x1234));
    EXPECT_EQ(chars(200, 2), "34");
    ASSERT_TRUE(file.WriteHex(300, 10, 0xABCDEF12));
    EXPECT_EQ(chars(300, 10), "00ABCDEF12");

    value = 0;
    EXPECT_TRUE(file.ReadDec(1000, 5, value));  // never written: "FFFFF"
    EXPECT_EQ(value, -1);
    ASSERT_TRUE(file.WriteChars(400, 5, "00042"));
    EXPECT_TRUE(file.ReadDec(400, 5, value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(file.ReadHex(400, 5, value));
    EXPECT_EQ(value, 0x42);
    ASSERT_TRUE(file.WriteChars(400, 5, "1x3ab"));
    EXPECT_TRUE(file.ReadHex(400, 5, value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(file.ReadDec(400, 5, value));
    EXPECT_EQ(value, -1);
    // A field that crosses a line end is still one field.
    ASSERT_TRUE(file.WriteDec(62, 5, 98765));
    EXPECT_TRUE(file.ReadDec(62, 5, value));
    EXPECT_EQ(value, 98765);

    CString text;
    ASSERT_TRUE(file.WriteText(500, 6, "ab"));
    EXPECT_EQ(chars(500, 6), "    ab");
    EXPECT_TRUE(file.ReadText(500, 6, text));
    EXPECT_EQ(text, "ab");
    ASSERT_TRUE(file.WriteText(500, 6, "abcdefgh"));
    EXPECT_EQ(chars(500, 6), "cdefgh");
}

TEST_F(EepromFileTest, HeaderRecognition)
{
    struct Case {
        const char* fixture;
        bool data;
        bool recognised;
        float version;
        float formatVersion;
    };
    const Case cases[] = {
        {"header_only.par", false, true, 1.29f, 1.00f},
        {"header_only.dat", true, true, 0.00f, 1.00f},
        {"magic_leading_blanks.par", false, true, 1.29f, 1.00f},
        {"other_sizes.par", false, true, 1.31f, 2.50f},
        {"empty_versions.dat", true, true, 2.00f, 1.00f},
        {"lf_only.par", false, true, 1.29f, 1.00f},
        {"magic_trailing_blank.par", false, false, 0, 0},
        {"wrong_magic.par", false, false, 0, 0},
        {"data_magic_in_par.par", false, false, 0, 0},
        {"header_only.par", true, false, 0, 0},
        {"line7_not_data.par", false, false, 0, 0},
        {"empty.par", false, false, 0, 0},
        {"no_such_file.par", false, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        std::unique_ptr<CEepromFile> file;
        if (c.data)
            file = std::make_unique<CDataFile>(DataPath(c.fixture).c_str());
        else
            file = std::make_unique<CParaFile>(DataPath(c.fixture).c_str());
        FileHeader header;
        header.magic = "untouched";
        header.version = -7;
        EXPECT_EQ(file->CheckHeader(&header), c.recognised);
        if (c.recognised) {
            EXPECT_EQ(header.magic, c.data ? CDataFile::kMagic : CParaFile::kMagic);
            EXPECT_FLOAT_EQ(header.version, c.version);
            EXPECT_FLOAT_EQ(header.formatVersion, c.formatVersion);
            EXPECT_EQ(file->GetState(), CEepromFile::kReadWrite);
        } else {
            EXPECT_EQ(header.magic, "untouched");
            EXPECT_EQ(header.version, -7);
            EXPECT_EQ(file->GetState(), CEepromFile::kFailed);
            BYTE b = 0;
            EXPECT_FALSE(file->ReadBytes(0, 0, 1, &b));
            EXPECT_EQ(b, 0xFF);
        }
    }
}

TEST_F(EepromFileTest, UnreadableBytesAreFFAndTheReadFails)
{
    struct Case {
        const char* fixture;
        unsigned address;
        bool complete;
        std::vector<unsigned char> expected;
    };
    const Case cases[] = {
        // The file ends inside line 1: what lies beyond its end reads as FF.
        {"truncated.par", 30, true, {0x1E, 0x1F, 0xA5, 0xA5}},
        {"truncated.par", 46, false, {0xA5, 0xA5, 0xFF, 0xFF}},
        {"header_only.par", 0, false, {0xFF, 0xFF, 0xFF, 0xFF}},
        // "G3" at address 3 is not a byte: it and everything after it read as FF.
        {"nonhex.par", 1, false, {0x01, 0x02, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fixture << " at " << c.address);
        WriteFile("copy.par", ReadFile(DataPath(c.fixture)));
        CParaFile file("copy.par");
        std::vector<unsigned char> back(c.expected.size(), 0x00);
        EXPECT_EQ(file.ReadBytes(0, c.address, static_cast<UINT>(back.size()), back.data()), c.complete);
        EXPECT_EQ(back, c.expected);
    }
    WriteFile("copy.par", ReadFile(DataPath("nonhex.par")));
    CParaFile file("copy.par");
    BYTE ok[3] = {0, 0, 0};
    EXPECT_TRUE(file.ReadBytes(0, 0, 3, ok));
    EXPECT_EQ(ok[2], 0x02);
    BYTE next = 0;
    EXPECT_TRUE(file.ReadBytes(0, 32, 1, &next));
    EXPECT_EQ(next, 0x11);
    char c = 0;
    EXPECT_FALSE(file.ReadChars(0, 1, &c)) << "the character area lies beyond the end of the file";
}

TEST_F(EepromFileTest, NoWriteChangesTheLengthOfAFile)
{
    // A file cut short: a write inside it goes where it belongs, one that reaches past its end writes nothing.
    const std::string truncated = ReadFile(DataPath("truncated.par"));
    WriteFile("copy.par", truncated);
    {
        CParaFile file("copy.par");
        const BYTE inside[2] = {0xC0, 0xC1};
        EXPECT_TRUE(file.WriteBytes(0, 30, 2, inside));
        std::vector<BYTE> past(40, 0xC2);
        EXPECT_FALSE(file.WriteBytes(0, 40, static_cast<UINT>(past.size()), past.data()));
        EXPECT_FALSE(file.WriteChars(0, 1, "x"));
    }
    std::string expected = truncated;
    expected.replace(Pos(0, 30), 2, "C0");
    expected.replace(Pos(0, 31), 2, "C1");
    EXPECT_TRUE(ReadFile("copy.par") == expected);

    // A file cut or grown by someone else while it is open takes no write, and keeps its new length.
    for (long length : {16139L, 152151L}) {
        SCOPED_TRACE(length);
        const std::string original = NewParaFile();
        CParaFile file("para/test.par");
        ASSERT_TRUE(file.CheckHeader(nullptr));
        ASSERT_EQ(truncate("para/test.par", length), 0);
        const BYTE b = 0x42;
        EXPECT_FALSE(file.WriteBytes(0, 30000, 1, &b));
        EXPECT_FALSE(file.WriteDec(60000, 5, 42));
        file.Close();
        EXPECT_EQ(ReadFile("para/test.par").size(), static_cast<size_t>(length));
    }
}

TEST_F(EepromFileTest, OnlyAFileWhoseWholeStructureIsInPlaceIsSound)
{
    const std::string para = NewParaFile();
    CDataFile created("para/test.dat");
    ASSERT_TRUE(created.Create());
    const std::string data = ReadFile("para/test.dat");
    const size_t line = 73;
    auto lineAt = [](const std::string& image, long start, int n) { return image.substr(start + 73L * n, 73); };
    struct Case {
        const char* what;
        std::function<std::string(std::string)> damage;
        bool sound;
    };
    const Case cases[] = {
        {"as created", [](std::string s) { return s; }, true},
        {"a byte in lower-case digits", [](std::string s) { return s.replace(Pos(0, 5), 2, "ab"); }, true},
        {"a line doubled", [&](std::string s) { return s.insert(298 + 73 * 3, lineAt(s, 298, 3)); }, false},
        {"a line doubled and the last one dropped",
         [&](std::string s) {
             s.insert(298 + 73 * 3, lineAt(s, 298, 3));
             return s.substr(0, s.size() - line);
         },
         false},
        {"a line inserted", [](std::string s) { return s.insert(298, "\r\n:200000" + std::string(64, '0')); }, false},
        {"a line's address wrong", [](std::string s) { return s.replace(298 + 73 * 7 + 5, 4, "00E1"); }, false},
        {"a line's count wrong", [](std::string s) { return s.replace(298 + 73 * 7 + 3, 2, "40"); }, false},
        {"a line end missing", [](std::string s) { return s.replace(298 + 73 * 9, 2, "  "); }, false},
        {"a byte that is no number", [](std::string s) { return s.replace(Pos(1, 100), 2, "G0"); }, false},
        {"data after the end", [](std::string s) { return s + "\r\n"; }, false},
        {"cut by one byte", [](std::string s) { return s.substr(0, s.size() - 1); }, false},
        {"no header", [](std::string s) { return s.replace(0, 5, "XXXXX"); }, false},
    };
    struct Kind {
        const char* name;
        const std::string& image;
        std::function<std::unique_ptr<CEepromFile>()> open;
    } kinds[] = {
        {"parameter file", para, [] { return std::make_unique<CParaFile>("copy.par"); }},
        {"function-data file", data, [] { return std::make_unique<CDataFile>("copy.par"); }},
    };
    for (const Kind& kind : kinds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.what);
            WriteFile("copy.par", c.damage(kind.image));
            EXPECT_EQ(kind.open()->IsSound(), c.sound);
        }
    }
    // Parameter files only: the character area's key and its lines.
    const Case paraCases[] = {
        {"no PAR_DATA", [](std::string s) { return s.replace(77390, 8, "PAR_DATX"); }, false},
        {"a character-area line moved", [](std::string s) { return s.replace(77398 + 73 * 1023, 3, "xx:"); }, false},
        {"any character in the character area", [](std::string s) { return s.replace(Pos(2, 700), 3, std::string("\0\xFFz", 3)); },
         true},
    };
    for (const Case& c : paraCases) {
        SCOPED_TRACE(c.what);
        WriteFile("copy.par", c.damage(para));
        EXPECT_EQ(CParaFile("copy.par").IsSound(), c.sound);
    }
}

TEST_F(EepromFileTest, MissingFileFailsEveryOperationAndIsRetried)
{
    CParaFile file("para/later.par");
    BYTE b = 0x12;
    int value = 5;
    EXPECT_FALSE(file.WriteBytes(0, 0, 1, &b));
    EXPECT_EQ(file.GetState(), CEepromFile::kFailed);
    EXPECT_FALSE(file.ReadBytes(0, 0, 1, &b));
    EXPECT_EQ(b, 0xFF);
    EXPECT_FALSE(file.ReadDec(0, 5, value));
    EXPECT_FALSE(file.CheckHeader(nullptr));
    EXPECT_FALSE(std::filesystem::exists("para/later.par")) << "a failed open created the file";

    CParaFile other("para/later.par");
    ASSERT_TRUE(other.Create());
    EXPECT_TRUE(file.ReadBytes(0, 0, 1, &b)) << "a failed file is opened again by the next operation";
    EXPECT_EQ(b, 0x03);
    EXPECT_FALSE(file.Open(5));
    EXPECT_EQ(file.GetState(), CEepromFile::kFailed);
}

TEST_F(EepromFileTest, ReadOnlyFileCannotBeWrittenOrRecreated)
{
    const std::string original = NewParaFile();
    ASSERT_TRUE(SetFileAttributesA("para/test.par", FILE_ATTRIBUTE_READONLY));
    CParaFile file("para/test.par");
    BYTE b = 0x00;
    EXPECT_FALSE(file.WriteBytes(0, 0, 1, &b));
    EXPECT_FALSE(file.WriteChars(0, 1, "x"));
    EXPECT_FALSE(file.Create());
    EXPECT_TRUE(ReadFile("para/test.par") == original);
    EXPECT_TRUE(file.Open(CEepromFile::kReadOnly)) << "reading alone is allowed";
}

TEST_F(EepromFileTest, WriteFailuresAreReported)
{
    CParaFile full("/dev/full");
    EXPECT_FALSE(full.Create()) << "a full disc must not be reported as a created file";

    NewParaFile();
    CParaFile file("para/test.par");
    ASSERT_TRUE(file.CheckHeader(nullptr));
    // Writes beyond a file-size limit fail as writes to a full disc do.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    BYTE bytes[40] = {};
    bool wroteOne = file.WriteBytes(0, 30000, 1, bytes);
    bool wroteRun = file.WriteBytes(0, 30000, 40, bytes);
    bool wroteChars = file.WriteDec(100, 5, 42);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(wroteOne);
    EXPECT_FALSE(wroteRun);
    EXPECT_FALSE(wroteChars);
}

TEST_F(EepromFileTest, DefaultLoggingKeepsTheCallersBytesTwoAndThree)
{
    BYTE block[CEepromFile::kDefaultLoggingSize];
    std::memset(block, 0x77, sizeof block);
    CEepromFile::DefaultLogging(block);
    EXPECT_EQ(block[0], 62);
    EXPECT_EQ(block[1], 60);
    EXPECT_EQ(block[2], 0x77);
    EXPECT_EQ(block[3], 0x77);
    const std::vector<unsigned char> image = golden::DefaultImage();
    EXPECT_EQ(std::vector<unsigned char>(block + 4, block + 68), std::vector<unsigned char>(&image[6144], &image[6208]));
    EXPECT_EQ(std::vector<unsigned char>(block + 184, block + 236),
              std::vector<unsigned char>(&image[6068], &image[6120]));
}
