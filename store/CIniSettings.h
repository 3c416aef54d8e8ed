// The program's own settings across runs and parameter sets: the settings file "morv9274.ini" in the current
// directory (the program directory), four lines with CR LF line ends:
//   1 compiler target path, 2 default expert code of new parameter sets ("%8d"), 3 export target path,
//   4 welcome-screen template path.
// Keeps no state: every read opens and reads the whole file, every change rewrites all four lines. Never reports.
#pragma once

#include "platform/CString.h"
#include "store/IniWerte.h"

#include <cstddef>

class CIniSettings {
public:
    static constexpr const char* kFileName = "morv9274.ini";
    // The longest line a path can need.
    static constexpr size_t kMaxLine = 4095;

    CIniSettings() = default;
    virtual ~CIniSettings() = default;

    // A missing file, or one that is no regular file (a FIFO, a device), marks every entry missing; a missing or
    // unreadable line marks its entry missing. A line is damaged, and its entry missing, when it holds a control
    // character (a NUL included) or more characters than a path can have (kMaxLine); after a line that long
    // nothing more of the file is read.
    IniWerte Read();
    // Replaces the file with the four lines; a missing text is an empty line, a missing code 0261. Nothing is
    // written when the file cannot be created or carries the read-only attribute.
    void Write(const IniWerte& values);

    // Each reads the file anew; a missing entry gives the empty text or the code 261 (0261).
    CString GetCompilerPfad();
    int GetExpertenKennzahl();
    CString GetExportPfad();
    CString GetBegruessungPfad();

    // Each rewrites the file only when the entry was missing or its value differs (texts compared exactly).
    void SetCompilerPfad(const CString& path);
    void SetExpertenKennzahl(int code);
    void SetExportPfad(const CString& path);
    void SetBegruessungPfad(const CString& path);

private:
    void SetText(IniTextEintrag IniWerte::*entry, const CString& text);
};
