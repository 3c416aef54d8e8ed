// A test fixture that runs each case in a fresh temporary folder as the current directory, as the program runs in
// its program directory, and releases the process-wide working files before and after.
#pragma once

#include "store/CParaDaten.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class StoreTestFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Whole content of a file relative to the test folder ("" when it cannot be read).
    static std::string ReadFile(const std::string& path);
    static void WriteFile(const std::string& path, const std::string& bytes);
    // Path of a fixture in tests/data/store.
    static std::string DataPath(const std::string& name);

    std::filesystem::path m_folder;

private:
    std::filesystem::path m_previous;
};
