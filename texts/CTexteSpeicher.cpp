// The text service's function count and the memory need of the functions in the controller.
#include "texts/CTexte.h"

#include "store/CEepromFile.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "texts/CFortschritt.h"
#include "texts/FuncRecordReader.h"

#include <vector>

namespace {

// The bytes that depend on a record: the time programs, or byte counts times a factor.
enum class Anteil { Keiner, Zeitprogramme, Byte7, Kaskade };

struct Bedarf {
    int variablen;
    int parameter;
    Anteil anteil;
    int faktor;  // per unit of byte 7
};

// By type code 1 to 23.
constexpr Bedarf kBedarf[24] = {
    {0, 0, Anteil::Keiner, 0},
    {24, 41, Anteil::Zeitprogramme, 0},  // Heizkreisregler
    {7, 17, Anteil::Keiner, 0},          // Anforderung Heizung
    {8, 16, Anteil::Zeitprogramme, 0},   // Anforderung Warmwasser
    {1, 18, Anteil::Keiner, 0},          // Ladepumpe
    {9, 21, Anteil::Zeitprogramme, 0},   // Zirkulation
    {8, 18, Anteil::Keiner, 0},          // Solarregelung
    {9, 11, Anteil::Byte7, 2},           // Solarvorrang
    {6, 26, Anteil::Keiner, 0},          // PID-Regelung
    {1, 13, Anteil::Keiner, 0},          // Vergleich
    {2, 8, Anteil::Byte7, 2},            // Logikfunktion
    {6, 10, Anteil::Byte7, 3},           // Analogfunktion
    {30, 12, Anteil::Keiner, 0},         // Wärmemengenzähler
    {3, 8, Anteil::Byte7, 1},            // Wartungsfunktion
    {4, 13, Anteil::Keiner, 0},          // Timerfunktion
    {7, 12, Anteil::Zeitprogramme, 0},   // Schaltuhr
    {11, 14, Anteil::Byte7, 1},          // Startfunktion
    {8, 7, Anteil::Byte7, 2},            // Zähler
    {2, 14, Anteil::Keiner, 0},          // Kühlfunktion
    {11, 9, Anteil::Keiner, 0},          // Mischerregelfunktion
    {6, 12, Anteil::Keiner, 0},          // Funktionskontrolle
    {1, 5, Anteil::Byte7, 4},            // Synchronisation
    {8, 16, Anteil::Byte7, 1},           // Profilfunktion
    {9, 10, Anteil::Kaskade, 0},         // Kesselkaskade
};

bool Leer(int type) { return type == 0 || type == 255; }

}  // namespace

BYTE CTexte::GetFunktionsAnzahl(int file) const
{
    CParaDaten para;
    BYTE count = 0;
    for (BYTE slot = 1; slot <= 44; ++slot) {
        FuncEntry entry;
        para.GetFuncEntry(file, slot, entry);
        if (Leer(entry.type)) break;
        ++count;
    }
    return count;
}

void CTexte::GetSpeicherbedarf(int file, int& parameterBytes, int& variableBytes, BYTE complete,
                               CFortschritt* progress) const
{
    parameterBytes = 0;
    variableBytes = 0;
    CParaDaten para;
    for (BYTE slot = 1; slot <= 44; ++slot) {
        FuncEntry entry;
        para.GetFuncEntry(file, slot, entry);
        if (Leer(entry.type)) break;
        if (entry.type >= 1 && entry.type <= 23) {
            const Bedarf& bedarf = kBedarf[entry.type];
            variableBytes += bedarf.variablen;
            parameterBytes += bedarf.parameter;
            if (bedarf.anteil != Anteil::Keiner) {
                const std::vector<BYTE> r =
                    texts::ReadRepairedFuncRecord(para, file, slot, entry.type, complete != 0);
                if (r.size() > 14) {
                    switch (bedarf.anteil) {
                    case Anteil::Zeitprogramme: parameterBytes += r[8] * (3 * r[7] + 1); break;
                    case Anteil::Byte7: parameterBytes += bedarf.faktor * r[7]; break;
                    case Anteil::Kaskade:
                        variableBytes += 3 * r[14];
                        parameterBytes += r[13] + 6 * r[14];
                        break;
                    case Anteil::Keiner: break;
                    }
                }
            }
        }
        if (progress != nullptr) progress->SetProzent(static_cast<float>(slot) / 44.0f * 100.0f);
    }
}

void CTexte::DefaultLoggingDaten(BYTE* block)
{
    // A new memory image carries the same block; both come from one place.
    CEepromFile::DefaultLogging(block);
}
