// The program directory of the translation tests.
#include "TranslateTestFolder.h"

#include "link/CSCCmd.h"
#include "translate/CTranslate.h"

#include <cstdio>
#include <filesystem>

void TranslateTestFolder::SetUp()
{
    StoreTestFolder::SetUp();
    std::filesystem::create_directories("para");
    m_para = new CParaDaten;
    ASSERT_TRUE(m_para->CreateEmptyFile(CParaDaten::kWorkFile));
}

void TranslateTestFolder::TearDown()
{
    delete m_para;
    m_para = nullptr;
    StoreTestFolder::TearDown();
}

namespace {

std::string Right(const std::string& text, size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text + "\r\n";
}

std::string Number(int value)
{
    char field[16];
    std::snprintf(field, sizeof field, "%8d", value);
    return std::string(field) + "\r\n";
}

}  // namespace

std::string TranslateTestFolder::Record(const std::string& kind, int objectId, int version, int designationTextId,
                                        const std::vector<int>& values, const std::string& designation)
{
    std::string record = Right(kind, 28) + Number(objectId) + Number(version) + Right(designation, 28) +
                         Number(designationTextId);
    for (int value : values) record += Number(value);
    record.resize(498, ' ');
    return record + "\r\n";
}

std::string TranslateTestFolder::Cmd(int id, const std::string& text)
{
    return "settext\xA7" + std::to_string(id) + "\xA7" + text;
}

std::string TranslateTestFolder::Show(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines) all += "  " + line + "\n";
    return all.empty() ? "  (no command)\n" : all;
}

std::vector<std::string> TranslateTestFolder::Translate(const std::string& bytes, bool* result)
{
    WriteFile("para/Translate.tmp", bytes);
    return RunTranslation(result);
}

std::vector<std::string> TranslateTestFolder::RunTranslation(bool* result)
{
    RunContext run;  // no export folder: the command file lies in this program directory's "para"
    CSCCmd channel(run);
    channel.Reset();
    CTranslate translate;
    const bool ok = translate.Run(channel);
    if (result) *result = ok;
    EXPECT_EQ(channel.IsEmpty(), ReadFile(channel.GetFileName().GetString()).empty());

    std::vector<std::string> lines;
    const std::string file = ReadFile(channel.GetFileName().GetString());
    size_t start = 0;
    while (start < file.size()) {
        size_t end = file.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "command file does not end in CR LF";
            end = file.size();
        }
        lines.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
