// Reading and writing the settings file "morv9274.ini".
#include "store/CIniSettings.h"

#include "platform/CLocale.h"
#include "platform/TextFile.h"
#include "platform/Win32File.h"

#include <cstdio>

namespace {

// The lines of the file, each no longer than a path and free of control characters: a line that is not is damaged
// and gives no value (a NUL would cut a path short, and a path cut short names another folder).
class SettingsLines {
public:
    explicit SettingsLines(std::FILE* file) : m_file(file) {}
    // False for a missing or damaged line; after a line longer than any path the rest of the file is not read.
    bool Next(CString& line)
    {
        if (m_ended)
            return false;
        const platform::LineRead read = platform::ReadLineUpTo(m_file, line, CIniSettings::kMaxLine);
        if (read != platform::LineRead::Line) {
            m_ended = true;
            return false;
        }
        for (int i = 0; i < line.GetLength(); ++i) {
            const unsigned char c = static_cast<unsigned char>(line[i]);
            if (c < 0x20 || c == 0x7F)
                return false;
        }
        return true;
    }

private:
    std::FILE* m_file;
    bool m_ended = false;
};

void ReadText(SettingsLines& lines, IniTextEintrag& entry)
{
    CString line;
    if (lines.Next(line)) {
        entry.text = line;
        entry.present = 1;
    }
}

}  // namespace

IniWerte CIniSettings::Read()
{
    IniWerte values;
    std::FILE* file = platform::OpenRegularForReading(kFileName);
    if (!file)
        return values;
    SettingsLines lines(file);
    ReadText(lines, values.compilerPfad);
    CString line;
    if (lines.Next(line)) {
        int code = 0;
        if (platform::SscanfC(line, "%8d", &code) == 1) {
            values.expertenKennzahl.value = code;
            values.expertenKennzahl.present = 1;
        }
    }
    ReadText(lines, values.exportPfad);
    ReadText(lines, values.begruessungPfad);
    std::fclose(file);
    return values;
}

void CIniSettings::Write(const IniWerte& values)
{
    DWORD attributes = GetFileAttributesA(kFileName);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return;
    // A text no line can hold (a line end or another control character in a path) is not stored: written, it would
    // shift or damage the lines after it.
    auto text = [](const IniTextEintrag& e) {
        if (!e.present)
            return std::string();
        for (const char c : e.text.str())
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                return std::string();
        return e.text.str();
    };
    int code = values.expertenKennzahl.present ? values.expertenKennzahl.value : kDefaultExpertenKennzahl;
    std::string bytes = text(values.compilerPfad) + "\r\n";
    bytes += platform::FormatC("%8d\r\n", code);
    bytes += text(values.exportPfad) + "\r\n";
    bytes += text(values.begruessungPfad) + "\r\n";
    platform::WriteFileAtomically(kFileName, bytes);
}

CString CIniSettings::GetCompilerPfad()
{
    return Read().compilerPfad.text;
}

int CIniSettings::GetExpertenKennzahl()
{
    IniWerte values = Read();
    return values.expertenKennzahl.present ? values.expertenKennzahl.value : kDefaultExpertenKennzahl;
}

CString CIniSettings::GetExportPfad()
{
    return Read().exportPfad.text;
}

CString CIniSettings::GetBegruessungPfad()
{
    return Read().begruessungPfad.text;
}

void CIniSettings::SetText(IniTextEintrag IniWerte::*entry, const CString& text)
{
    IniWerte values = Read();
    IniTextEintrag& e = values.*entry;
    if (e.present && e.text == text)
        return;
    e.text = text;
    e.present = 1;
    Write(values);
}

void CIniSettings::SetCompilerPfad(const CString& path)
{
    SetText(&IniWerte::compilerPfad, path);
}

void CIniSettings::SetExportPfad(const CString& path)
{
    SetText(&IniWerte::exportPfad, path);
}

void CIniSettings::SetBegruessungPfad(const CString& path)
{
    SetText(&IniWerte::begruessungPfad, path);
}

void CIniSettings::SetExpertenKennzahl(int code)
{
    IniWerte values = Read();
    if (values.expertenKennzahl.present && values.expertenKennzahl.value == code)
        return;
    values.expertenKennzahl.value = code;
    values.expertenKennzahl.present = 1;
    Write(values);
}
