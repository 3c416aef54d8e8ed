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
