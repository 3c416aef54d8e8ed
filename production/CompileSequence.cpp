// The compile and its step table.
#include "production/CompileSequence.h"

#include "resources/ProductionTexts.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace production {

namespace {

constexpr int kWork = CParaDaten::kWorkFile;
constexpr int kDat = CParaDaten::kDatFile;

using records::Family;

// The order of the compile. Positions: inputs n + 5, outputs n + 21, function slots 4n + 34, messages 2n + 214.
constexpr CompileStep kSteps[] = {
    {"KonvertiereReglerEinst", ui::kCompileReglerEinst, 1, 0, Family::ReglerEinst, 1},
    {"Datenverwaltung", ui::kCompileDatenverwaltung, 2, 0, Family::ReglerEinst, 0},
    {"KonvertierePotentiostat", ui::kCompilePotentiostat, 3, 0, Family::Potentiostat, 1},
    {"KonvertiereBezeichnungen", ui::kCompileBezeichnungen, 5, 0, Family::Bezeichnung, 1},
    {"KonvertiereEingaenge", ui::kCompileEingang, 6, 1, Family::Eingang, 1},
    {"KonvertiereAusgaenge", ui::kCompileAusgang, 22, 1, Family::Ausgang, 1},
    {"KonvertiereAntiblockierschutz", nullptr, 37, 0, Family::Antiblockierschutz, 1},
    {"KonvertiereFunktionen", ui::kCompileFunktion, 38, 4, Family::Funktion, 1},
    {"KonvertiereFuncView", ui::kCompileFuncView, 215, 0, Family::FuncView, 1},
    {"KonvertiereMeldungen", ui::kCompileMeldung, 216, 2, Family::Meldung, 1},
    {"KonvertiereNetzwerk", ui::kCompileNetzwerk, 232, 0, Family::NetzSettings, 7},
    {"KonvertiereLogging", ui::kCompileLogging, 240, 0, Family::Logging, 1},
    {"KonvertiereBegruessung", nullptr, 240, 0, Family::Begruessung, 1},
};
static_assert(static_cast<int>(Family::NetzSettings) + 6 == static_cast<int>(Family::NetzAusgaengeAnalog));

// From working file 2, written back there (its result not looked at), into working file 0 (its result decides). A
// read that fails ends the step: a damaged working copy must not compile into repaired defaults.
constexpr records::Walk kWalk{kWork, false, true, kDat};

}  // namespace

CompileSequence::CompileSequence(CompileReporter& reporter, DrawingReader& drawing)
    : m_reporter(reporter), m_drawing(drawing)
{
}

std::span<const CompileStep> CompileSequence::Steps()
{
    return kSteps;
}

bool CompileSequence::Run(const CString& target)
{
    CParaDaten para;
    if (!para.CreateEmptyFile(kDat))
        return false;
    if (!RunSteps())
        return false;
    if (!para.CommitWorkFile())
        return false;
    return para.ExportDatFile(target);
}

bool CompileSequence::RunSteps()
{
    m_bTableEnded = false;
    for (const CompileStep& step : kSteps) {
        const bool perItem = step.status && std::strstr(step.status, "%d");
        if (step.status && !perItem)
            m_reporter.SetStatus(step.firstPosition, step.status);
        // The items of the step's families, numbered on through them; a row without families has the one item.
        int n = 0;
        for (int f = 0; f < std::max(step.families, 1); ++f) {
            const records::FamilyRow& family = records::Row(static_cast<Family>(static_cast<int>(step.first) + f));
            for (int item = 1; item <= family.count; ++item) {
                ++n;
                if (perItem) {
                    CString text;
                    text.Format(step.status, n);
                    m_reporter.SetStatus(step.firstPosition + step.stride * (n - 1), text);
                }
                if (step.families == 0)
                    break;
                if (!Copy(family, item))
                    return false;
            }
        }
    }
    return true;
}

// Each copy uses a handle of its own that completes from the run's drawing.
#define MORV_PARA  \
    CParaDaten para; \
    para.UseDrawing(&m_drawing)

bool CompileSequence::Copy(const records::FamilyRow& family, int n)
{
    if (family.family == Family::Funktion)
        return CopyFunktion(n);
    MORV_PARA;
    return family.copy(para, n, kWalk);
}

bool CompileSequence::CopyFunktion(int n)
{
    if (m_bTableEnded)
        return EndFunctionTable(n);
    MORV_PARA;
    const BYTE slot = static_cast<BYTE>(n);
    FuncEntry entry;
    if (!para.GetFuncEntry(kWork, slot, entry))
        return false;
    const functypes::FunctionType* type = functypes::FindFunctionType(entry.type);
    if (!type) {
        m_bTableEnded = true;
        return EndFunctionTable(n);
    }
    std::vector<BYTE> fields;
    if (!records::PassFunc(*type, para, slot, fields, {kWork, false, true}))
        return false;
    BYTE rawEntry[8];
    BYTE rawRecord[128];
    return para.ReadFuncRaw(kWork, slot, rawEntry, rawRecord) && para.WriteFuncRaw(kDat, slot, rawEntry, rawRecord);
}

// A slot from the end of the function table on gets an empty entry. Such a slot must not hold a drawing object:
// its function would be left out of the controller's data without a word, so the compile fails instead.
bool CompileSequence::EndFunctionTable(int n)
{
    MORV_PARA;
    const BYTE slot = static_cast<BYTE>(n);
    int id = -1;
    if (!para.GetFuncId(kWork, slot, id) || id != -1)
        return false;
    FuncEntry empty;
    empty.type = 0;
    empty.designation = 0;
    empty.number = 0;
    para.SetFuncEntry(kDat, slot, empty);
    return true;
}

#undef MORV_PARA

}  // namespace production
