// The program directory of a translation test: the folder "para", an empty working copy, and helpers that write
// "Translate.tmp" records as the drawing evaluation lays them out and read back the queued "settext" commands.
#pragma once

#include "StoreTestFolder.h"

#include <string>
#include <vector>

class TranslateTestFolder : public StoreTestFolder {
public:
    // One 500-byte record: kind name and designation right-aligned in 28 characters, numbers in 8, each field a
    // CR LF line, blanks up to the record's last CR LF.
    static std::string Record(const std::string& kind, int objectId, int version, int designationTextId,
                              const std::vector<int>& values, const std::string& designation = "");
    // "settext§<id>§<text>" as the command file holds it.
    static std::string Cmd(int id, const std::string& text);
    // The lines for a failure message, one per line.
    static std::string Show(const std::vector<std::string>& lines);

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes bytes as "para/Translate.tmp", runs the translation on a freshly reset channel and returns the lines
    // of the command file; *result receives Run's result.
    std::vector<std::string> Translate(const std::string& bytes, bool* result = nullptr);
    // Runs the translation over the "Translate.tmp" already in "para" (or none).
    std::vector<std::string> RunTranslation(bool* result = nullptr);

    // Open for the whole case, so that the working copy stays open between the steps.
    CParaDaten* m_para = nullptr;
};
