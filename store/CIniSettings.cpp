// Reading and writing the settings file "morv9274.ini".
#include "store/CIniSettings.h"

#include "platform/CLocale.h"
#include "platform/TextFile.h"
#include "platform/Win32File.h"

#include <cstdio>

namespace {

void ReadText(std::FILE* file, IniTextEintrag& entry)
{
    CString line;
    if (platform::ReadLine(file, line)) {
        entry.text = line;
        entry.present = 1;
    }
}

}  // namespace

IniWerte CIniSettings::Read()
{
    IniWerte values;
    std::FILE* file = std::fopen(kFileName, "rb");
    if (!file)
        return values;
    ReadText(file, values.compilerPfad);
    CString line;
    if (platform::ReadLine(file, line)) {
        int code = 0;
        if (platform::SscanfC(line, "%8d", &code) == 1) {
            values.expertenKennzahl.value = code;
            values.expertenKennzahl.present = 1;
        }
    }
    ReadText(file, values.exportPfad);
    ReadText(file, values.begruessungPfad);
    std::fclose(file);
    return values;
}

void CIniSettings::Write(const IniWerte& values)
{
    DWORD attributes = GetFileAttributesA(kFileName);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return;
    auto text = [](const IniTextEintrag& e) { return e.present ? e.text.str() : std::string(); };
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
