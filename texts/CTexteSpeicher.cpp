// The text service's function count and the memory need of the functions in the controller.
#include "texts/CTexte.h"

#include "store/CEepromFile.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "store/FunctionTypes.h"
#include "texttables/CFortschritt.h"

#include <vector>

namespace {

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

void CTexte::GetSpeicherbedarf(int file, int& parameterBytes, int& variableBytes, DrawingReader* drawing,
                               CFortschritt* progress) const
{
    parameterBytes = 0;
    variableBytes = 0;
    CParaDaten para;
    para.UseDrawing(drawing);
    for (BYTE slot = 1; slot <= 44; ++slot) {
        FuncEntry entry;
        para.GetFuncEntry(file, slot, entry);
        if (Leer(entry.type)) break;
        if (const functypes::FunctionType* type = functypes::FindFunctionType(entry.type)) {
            const functypes::MemoryNeed& need = type->memory;
            variableBytes += need.variableBytes;
            parameterBytes += need.parameterBytes;
            if (need.share != functypes::MemoryShare::None) {
                const std::vector<BYTE> r =
                    functypes::ReadRepairedFuncRecord(para, file, slot, entry.type, drawing != nullptr);
                const BYTE count = r[need.countField];
                const BYTE windows = r[need.windowsField];
                switch (need.share) {
                case functypes::MemoryShare::Programs: parameterBytes += count * (3 * windows + 1); break;
                case functypes::MemoryShare::PerEntry: parameterBytes += need.factor * count; break;
                case functypes::MemoryShare::Cascade:
                    variableBytes += 3 * windows;
                    parameterBytes += count + 6 * windows;
                    break;
                case functypes::MemoryShare::None: break;
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
