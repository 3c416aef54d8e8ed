// The temporary program directory of the store tests.
#include "StoreTestFolder.h"

#include "platform/TextFile.h"

#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

void StoreTestFolder::SetUp()
{
    CParaDaten::ReleaseFiles();
    m_previous = fs::current_path();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("morv-store-") + std::to_string(getpid()) + "-" + info->test_suite_name() + "-" +
                       info->name();
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    m_folder = fs::temp_directory_path() / name;
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    fs::current_path(m_folder);
}

void StoreTestFolder::TearDown()
{
    EXPECT_EQ(CParaDaten::GetHandleCount(), 0) << "a handle outlived its case";
    CParaDaten::ReleaseFiles();
    fs::current_path(m_previous);
    std::error_code ec;
    for (auto& entry : fs::recursive_directory_iterator(m_folder, ec))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_folder, ec);
}

std::string StoreTestFolder::ReadFile(const std::string& path)
{
    std::string bytes;
    platform::ReadWholeFile(path.c_str(), bytes);
    return bytes;
}

void StoreTestFolder::WriteFile(const std::string& path, const std::string& bytes)
{
    fs::path p(path);
    if (p.has_parent_path())
        fs::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::string StoreTestFolder::DataPath(const std::string& name)
{
    return std::string(MORV_STORE_TEST_DATA) + "/" + name;
}
