// The content of the settings file "morv9274.ini" as a value: four entries, each with a flag that it was read.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// The expert code of a new parameter set when the settings file gives none (written as the digits 0261).
constexpr int kDefaultExpertenKennzahl = 261;

struct IniTextEintrag {
    BYTE present = 0;  // the line was read
    CString text;
};

struct IniZahlEintrag {
    BYTE present = 0;  // the line held a number
    int value = kDefaultExpertenKennzahl;
};

struct IniWerte {
    IniTextEintrag compilerPfad;      // line 1: target path the compiler last wrote to
    IniZahlEintrag expertenKennzahl;  // line 2: default expert code of new parameter sets
    IniTextEintrag exportPfad;        // line 3: target path of the documentation export
    IniTextEintrag begruessungPfad;   // line 4: path of the last welcome-screen template
};
