// Fuzzes the reader of the settings file "morv9274.ini" and the default image that takes its expert code from it.
#include "FuzzFolder.h"

#include "store/CEepromFile.h"
#include "store/CIniSettings.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = (EnterFuzzFolder("settings"), true);
    (void)ready;
    std::FILE* f = std::fopen(CIniSettings::kFileName, "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CIniSettings settings;
    IniWerte values = settings.Read();
    settings.GetExpertenKennzahl();
    static BYTE image[32768];
    CEepromFile::BuildDefaultImage(image);
    // A round trip through the writer reads back what was read, for the entries that were present.
    settings.Write(values);
    IniWerte again = settings.Read();
    if ((values.expertenKennzahl.present && values.expertenKennzahl.value != again.expertenKennzahl.value) ||
        values.begruessungPfad.text != again.begruessungPfad.text)
        std::abort();
    return 0;
}
