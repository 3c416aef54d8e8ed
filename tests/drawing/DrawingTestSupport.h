// Shared helpers of the drawing tests: a program directory of their own, files, and parsing a document.
#pragma once

#include "drawing/ParseXml.h"
#include "platform/HeadlessPrompts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace drawingtest {

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Each test runs in a temporary folder of its own with a folder "para", and the current directory is restored.
class InTempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "drawing-test.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        std::filesystem::current_path(m_folder);
        std::filesystem::create_directory("para");
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_previous);
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    // Writes the document as "VORNA.xml", parses it and returns the result; the boxes shown go to *boxes, one
    // "caption\tflags\ttext\n" each (flags in decimal, the text as shown).
    int Parse(const std::string& xml, std::string* boxes = nullptr)
    {
        WriteFile("VORNA.xml", xml);
        auto& prompts = platform::HeadlessPrompts::Instance();
        prompts.Clear();
        ::testing::internal::CaptureStderr();
        int result = drawing::ParseXml("VORNA.xml");
        ::testing::internal::GetCapturedStderr();
        std::string shown;
        for (const auto& box : prompts.MessageBoxes())
            shown += box.caption.str() + "\t" + std::to_string(box.flags) + "\t" + box.text.str() + "\n";
        if (boxes) *boxes = shown;
        return result;
    }

    std::filesystem::path m_previous;
    std::filesystem::path m_folder;
};

// A whole export around the objects given.
inline std::string Doc(const std::string& objects)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n" + objects + "</output>\n";
}

// An object with its header and groups.
inline std::string Obj(const std::string& type, long long id, const std::string& name, const std::string& inner)
{
    return "<object><type>" + type + "</type><id>" + std::to_string(id) + "</id><name>" + name + "</name>" + inner +
           "</object>\n";
}

inline std::string Group(const std::string& type, long long id, const std::string& name, const std::string& inner = "")
{
    return "<groupobject><type>" + type + "</type><id>" + std::to_string(id) + "</id><name>" + name + "</name>" +
           inner + "</groupobject>";
}

inline std::string Text(long long id, const std::string& role, const std::string& string)
{
    return Group("text", id, role, "<string>" + string + "</string>");
}

inline std::string Connector(long long id, const std::string& pin, std::initializer_list<int> lines)
{
    std::string inner;
    if (lines.size() > 0) {
        inner = "<catchobject>";
        for (int l : lines) inner += "<lineID>" + std::to_string(l) + "</lineID>";
        inner += "</catchobject>";
    }
    return Group("polylinie", id, pin, inner);
}

// Fixed-width fields as the exchange files hold them.
inline std::string Int(int value)
{
    char field[16];
    std::snprintf(field, sizeof field, "%8d\r\n", value);
    return field;
}

inline std::string Txt(const std::string& text, int width = 28)
{
    return std::string(static_cast<size_t>(width) - text.size(), ' ') + text + "\r\n";
}

}  // namespace drawingtest
