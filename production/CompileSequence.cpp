// The compile and its step table.
#include "production/CompileSequence.h"

#include "resources/ProductionTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"

#include <cstring>
#include <memory>
#include <vector>

namespace production {

namespace {

constexpr int kWork = CParaDaten::kWorkFile;
constexpr int kDat = CParaDaten::kDatFile;

using S = CompileSequence;

// The order of the compile. Positions: inputs n + 5, outputs n + 21, function slots 4n + 34, messages 2n + 214.
constexpr CompileStep kSteps[] = {
    {"KonvertiereReglerEinst", ui::kCompileReglerEinst, 1, 0, 1, &S::CopyReglerEinst, Writes::WorkAndDat},
    {"Datenverwaltung", ui::kCompileDatenverwaltung, 2, 0, 1, nullptr, Writes::None},
    {"KonvertierePotentiostat", ui::kCompilePotentiostat, 3, 0, 1, &S::CopyPotentiostat, Writes::WorkAndDat},
    {"KonvertiereBezeichnungen", ui::kCompileBezeichnungen, 5, 0, layout::kUserBezeichnungen, &S::CopyBezeichnung, Writes::DatOnly},
    {"KonvertiereEingaenge", ui::kCompileEingang, 6, 1, layout::kEingaenge, &S::CopyEingang, Writes::WorkAndDat},
    {"KonvertiereAusgaenge", ui::kCompileAusgang, 22, 1, layout::kAusgaenge, &S::CopyAusgang, Writes::WorkAndDat},
    {"KonvertiereAntiblockierschutz", nullptr, 37, 0, 1, &S::CopyAntiblockierschutz, Writes::WorkAndDat},
    {"KonvertiereFunktionen", ui::kCompileFunktion, 38, 4, layout::kFuncSlots, &S::CopyFunktion, Writes::WorkAndDat},
    {"KonvertiereFuncView", ui::kCompileFuncView, 215, 0, 1, &S::CopyFuncView, Writes::DatOnly},
    {"KonvertiereMeldungen", ui::kCompileMeldung, 216, 2, layout::kMeldungSlots, &S::CopyMeldung, Writes::WorkAndDat},
    {"KonvertiereNetzwerk", ui::kCompileNetzwerk, 232, 0, 7, &S::CopyNetzwerk, Writes::WorkAndDat},
    {"KonvertiereLogging", ui::kCompileLogging, 240, 0, 1, &S::CopyLogging, Writes::WorkAndDat},
    {"KonvertiereBegruessung", nullptr, 240, 0, 1, &S::CopyBegruessung, Writes::DatOnly},
};

// Read from working file 2, repair, write back into 2 (its result not looked at), write into 0 (its result decides).
// A read that fails ends the step: a damaged working copy must not compile into repaired defaults.
template <class Record, class Get, class Repair, class Set>
bool CopyRepaired(Get get, Repair repair, Set set)
{
    Record record {};
    if (!get(kWork, record))
        return false;
    repair(record);
    set(kWork, record);
    return set(kDat, record);
}

// The seven network records, in the order the controller expects them.
using NetzCopy = bool (*)(CParaDaten&, CParaCheck&);
template <class Array, bool (CParaDaten::*get)(int, Array*), void (CParaCheck::*repair)(Array*),
          bool (CParaDaten::*set)(int, const Array*)>
bool CopyList(CParaDaten& para, CParaCheck& check)
{
    Array list[16] {};
    if (!(para.*get)(kWork, list))
        return false;
    (check.*repair)(list);
    (para.*set)(kWork, list);
    return (para.*set)(kDat, list);
}

template <bool (CParaDaten::*get)(int, Quelle*, bool), void (CParaCheck::*repair)(Quelle*),
          bool (CParaDaten::*set)(int, const Quelle*)>
bool CopySources(CParaDaten& para, CParaCheck& check)
{
    Quelle sources[16] {};
    if (!(para.*get)(kWork, sources, true))
        return false;
    (check.*repair)(sources);
    (para.*set)(kWork, sources);
    return (para.*set)(kDat, sources);
}

bool CopyNetzSettings(CParaDaten& para, CParaCheck& check)
{
    return CopyRepaired<NetzwerkParam>([&](int f, NetzwerkParam& r) { return para.GetNetzwerk(f, r); },
                                       [&](NetzwerkParam& r) { check.CheckNetzKnoten(r); },
                                       [&](int f, const NetzwerkParam& r) { return para.SetNetzwerk(f, r); });
}

bool CopyNetzTimeouts(CParaDaten& para, CParaCheck& check)
{
    BYTE timeouts[8] {};
    if (!para.GetNetzTimeouts(kWork, timeouts))
        return false;
    check.CheckNetzTimeouts(timeouts);
    para.SetNetzTimeouts(kWork, timeouts);
    return para.SetNetzTimeouts(kDat, timeouts);
}

bool CopySendebedingungen(CParaDaten& para, CParaCheck& check)
{
    return CopyRepaired<Sendebedingungen>(
        [&](int f, Sendebedingungen& r) { return para.GetSendebedingungen(f, r); },
        [&](Sendebedingungen& r) { check.CheckNetzZeiten(r); },
        [&](int f, const Sendebedingungen& r) { return para.SetSendebedingungen(f, r); });
}

constexpr NetzCopy kNetzRecords[] = {
    &CopyNetzSettings,
    &CopyList<NetzEingang, &CParaDaten::GetNetzEingaengeDigital, &CParaCheck::CheckNetzEingaengeDigital,
              &CParaDaten::SetNetzEingaengeDigital>,
    &CopyList<NetzEingang, &CParaDaten::GetNetzEingaengeAnalog, &CParaCheck::CheckNetzEingaengeAnalog,
              &CParaDaten::SetNetzEingaengeAnalog>,
    &CopyNetzTimeouts,
    &CopySendebedingungen,
    &CopySources<&CParaDaten::GetNetzAusgaengeDigital, &CParaCheck::CheckNetzAusgaengeDigital,
                 &CParaDaten::SetNetzAusgaengeDigital>,
    &CopySources<&CParaDaten::GetNetzAusgaengeAnalog, &CParaCheck::CheckNetzAusgaengeAnalog,
                 &CParaDaten::SetNetzAusgaengeAnalog>,
};
static_assert(std::size(kNetzRecords) == 7);

}  // namespace

CompileSequence::CompileSequence(CompileReporter& reporter, DrawingReader* drawing)
    : m_reporter(reporter), m_drawing(drawing)
{
}

std::span<const CompileStep> CompileSequence::Steps()
{
    return kSteps;
}

bool CompileSequence::Run(const CString& target)
{
    // One reader of the drawing serves every record the run completes.
    std::unique_ptr<DrawingReader> opened;
    if (!m_drawing) {
        opened = OpenDrawingReader();
        m_drawing = opened.get();
    }
    struct Forget {
        DrawingReader*& drawing;
        bool own;
        ~Forget() { if (own) drawing = nullptr; }
    } forget {m_drawing, opened != nullptr};
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
        for (int n = 1; n <= step.count; ++n) {
            if (perItem) {
                CString text;
                text.Format(step.status, n);
                m_reporter.SetStatus(step.firstPosition + step.stride * (n - 1), text);
            }
            if (step.copy && !(this->*step.copy)(n))
                return false;
        }
    }
    return true;
}

// ---- The copies of the step table. Each uses a handle of its own that completes from the run's drawing. ----

#define MORV_PARA  \
    CParaDaten para; \
    para.UseDrawing(m_drawing)

bool CompileSequence::CopyReglerEinst(int)
{
    MORV_PARA;
    CParaCheck check;
    return CopyRepaired<ReglerEinstellungen>([&](int f, ReglerEinstellungen& r) { return para.GetReglerEinst(f, r); },
                                             [&](ReglerEinstellungen& r) { check.CheckRegler(r); },
                                             [&](int f, const ReglerEinstellungen& r) { return para.SetReglerEinst(f, r); });
}

bool CompileSequence::CopyPotentiostat(int)
{
    MORV_PARA;
    return CopyRepaired<PotentiostatParam>([&](int f, PotentiostatParam& r) { return para.GetPotentiostat(f, r); },
                                           [](PotentiostatParam&) {},
                                           [&](int f, const PotentiostatParam& r) { return para.SetPotentiostat(f, r); });
}

bool CompileSequence::CopyBezeichnung(int n)
{
    MORV_PARA;
    const BYTE number = static_cast<BYTE>(n);
    CString text;
    return para.ReadUserBezeichnung(kWork, number, text) && para.SetUserBezeichnung(kDat, number, text);
}

bool CompileSequence::CopyEingang(int n)
{
    MORV_PARA;
    CParaCheck check;
    const BYTE number = static_cast<BYTE>(n);
    return CopyRepaired<EingangParam>([&](int f, EingangParam& r) { return para.GetEingang(f, number, r); },
                                      [&](EingangParam& r) { check.CheckEingang(number, r); },
                                      [&](int f, const EingangParam& r) { return para.SetEingang(f, number, r); });
}

bool CompileSequence::CopyAusgang(int n)
{
    MORV_PARA;
    CParaCheck check;
    const BYTE number = static_cast<BYTE>(n);
    return CopyRepaired<AusgangParam>([&](int f, AusgangParam& r) { return para.GetAusgang(f, number, r); },
                                      [&](AusgangParam& r) { check.CheckAusgang(number, r); },
                                      [&](int f, const AusgangParam& r) { return para.SetAusgang(f, number, r); });
}

bool CompileSequence::CopyAntiblockierschutz(int)
{
    MORV_PARA;
    CParaCheck check;
    return CopyRepaired<AntiblockierschutzParam>(
        [&](int f, AntiblockierschutzParam& r) { return para.GetAntiblockierschutz(f, r); },
        [&](AntiblockierschutzParam& r) { check.CheckAntiblockierschutz(r); },
        [&](int f, const AntiblockierschutzParam& r) { return para.SetAntiblockierschutz(f, r); });
}

// A used slot: its record completed from the drawing, repaired by its type and written back into working file 2,
// then entry and record raw into the same slot of working file 0. The first slot of no known type ends the table.
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
    std::vector<BYTE> fields(type->recordSize);
    type->blank(fields.data());
    if (!type->read(para, kWork, slot, fields.data(), true))
        return false;
    CParaCheck check;
    type->check(check, kWork, fields.data(), 0);
    type->write(para, kWork, slot, fields.data());
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

bool CompileSequence::CopyFuncView(int)
{
    MORV_PARA;
    std::vector<FuncViewEntry> entries(128);
    return para.GetFuncView(kWork, entries.data()) && para.SetFuncView(kDat, entries.data());
}

bool CompileSequence::CopyMeldung(int n)
{
    MORV_PARA;
    CParaCheck check;
    const BYTE slot = static_cast<BYTE>(n);
    return CopyRepaired<MeldungParam>([&](int f, MeldungParam& r) { return para.GetMeldung(f, slot, r, true); },
                                      [&](MeldungParam& r) { check.CheckMeldung(r, 0); },
                                      [&](int f, const MeldungParam& r) { return para.SetMeldung(f, slot, r); });
}

bool CompileSequence::CopyNetzwerk(int record)
{
    MORV_PARA;
    CParaCheck check;
    return kNetzRecords[record - 1](para, check);
}

bool CompileSequence::CopyLogging(int)
{
    MORV_PARA;
    CParaCheck check;
    LoggingListen record {};
    if (!para.GetLoggingListen(kWork, record))
        return false;
    check.CheckLogging(record);
    para.SetLoggingListen(kWork, record);
    return para.SetLoggingListen(kDat, record);
}

// Copied as it is: neither repaired nor written back. A default screen stays the default mark.
bool CompileSequence::CopyBegruessung(int)
{
    MORV_PARA;
    BegruessungsText record;
    if (!para.GetBegruessung(kWork, record))
        return false;
    return para.SetBegruessung(kDat, record);
}

#undef MORV_PARA

}  // namespace production
