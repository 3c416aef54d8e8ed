// CR LF line I/O and the atomic file write.
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

std::filesystem::path TempDir()
{
    auto dir = std::filesystem::temp_directory_path() / ("morv-textfile-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

std::vector<std::string> ReadAllLines(const std::string& bytes)
{
    std::FILE* f = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
    std::vector<std::string> lines;
    CString line;
    while (platform::ReadLine(f, line))
        lines.push_back(line.str());
    std::fclose(f);
    return lines;
}

}  // namespace

TEST(TextFileTest, ReadLineStripsCrLfOrLfAndKeepsOtherBytes)
{
    struct Case {
        std::string input;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"x\ry\r\n", {"x\ry"}},
        {"last\r", {"last\r"}},
        {"\xA7\xE4\r\n", {"\xA7\xE4"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadAllLines(c.input), c.lines) << "input: " << c.input;
}

TEST(TextFileTest, ReadLineTakesLinesOfAnyLength)
{
    std::string longLine(100000, 'A');
    EXPECT_EQ(ReadAllLines(longLine + "\r\nB\r\n"), (std::vector<std::string> {longLine, "B"}));
}

TEST(TextFileTest, WriteLineWritesCrLf)
{
    char buffer[64] = {};
    std::FILE* f = fmemopen(buffer, sizeof buffer, "wb");
    ASSERT_TRUE(platform::WriteLine(f, "%5d"));
    ASSERT_TRUE(platform::WriteLine(f, ""));
    std::fclose(f);
    EXPECT_EQ(std::string(buffer), "%5d\r\n\r\n");
}

TEST(TextFileTest, AtomicWriteReplacesWholeAndKeepsPermissions)
{
    auto dir = TempDir();
    std::string path = (dir / "WINDOW.ini").string();
    ASSERT_TRUE(platform::WriteFileAtomically(path.c_str(), "one\r\n"));
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(platform::WriteFileAtomically(path.c_str(), "two\r\n"));
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(path.c_str(), bytes));
    EXPECT_EQ(bytes, "two\r\n");
    struct stat st {};
    stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "no temporary file left behind";
    EXPECT_FALSE(platform::WriteFileAtomically((dir / "missing" / "x").string().c_str(), "x"));
    std::filesystem::remove_all(dir);
}

TEST(TextFileTest, ABoundedLineReadTakesLinesUpToTheBoundAndReadsLittleOfALongerOne)
{
    using platform::LineRead;
    struct Case {
        std::string input;
        size_t bound;
        LineRead read;
        std::string line;
    } cases[] = {
        {"abc\r\nnext", 3, LineRead::Line, "abc"},
        {"abc\nnext", 3, LineRead::Line, "abc"},
        {"abc", 3, LineRead::Line, "abc"},
        {"\r\n", 0, LineRead::Line, ""},
        {"abcd\r\n", 3, LineRead::TooLong, ""},
        {"abc\r", 3, LineRead::TooLong, ""},  // a lone "\r" at the end is no line end
        {"abc\rd\n", 3, LineRead::TooLong, ""},
        {std::string(1000000, 'z') + "\r\n", 4095, LineRead::TooLong, ""},
        {"", 3, LineRead::End, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 20) + " bound " + std::to_string(c.bound));
        std::FILE* f = fmemopen(const_cast<char*>(c.input.data()), c.input.size(), "rb");
        ASSERT_NE(f, nullptr);
        CString line("before");
        EXPECT_EQ(platform::ReadLineUpTo(f, line, c.bound), c.read);
        if (c.read == LineRead::Line)
            EXPECT_EQ(line.str(), c.line);
        else
            EXPECT_EQ(line.str(), "before") << "nothing is taken from a line that is too long";
        EXPECT_LE(std::ftell(f), static_cast<long>(c.bound + 2)) << "no more read than the bound and a line end";
        std::fclose(f);
    }
}
