// The import's copy steps over their table, the commit and the hand-over to the drawing tool.
#include "production/ImportCopy.h"

#include "link/CSCCmd.h"
#include "resources/UiTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"
#include "texts/CTexte.h"

#include <cstring>
#include <vector>

namespace production {

namespace {

constexpr int kDat = CParaDaten::kDatFile;
constexpr int kWork = CParaDaten::kWorkFile;
constexpr int kLabelsStep = 20;    // the refresh of the drawing's texts
constexpr int kHandOverStep = 20;  // the transfer to the drawing tool
constexpr UINT kAllGroups = 0xFFFF;

bool HasNumber(const char* status)
{
    return std::strstr(status, "%d") != nullptr;
}

// Reads a record of the source, repairs it and writes it into the working copy.
template <class Record, class Repair>
bool Copy(bool (CParaDaten::*get)(int, Record&), bool (CParaDaten::*set)(int, Record), CParaDaten& para, Repair repair)
{
    Record record{};
    if (!(para.*get)(kDat, record))
        return false;
    repair(record);
    return (para.*set)(kWork, record);
}

const ImportStep kSteps[] = {
    {ui::kCopySettings, 1, &ImportCopy::CopyReglerEinst},
    {ui::kCopyPotentiostat, 1, &ImportCopy::CopyPotentiostat},
    {ui::kCopyDesignations, 1, &ImportCopy::CopyBezeichnungen},
    {ui::kCopyInput, static_cast<int>(layout::kEingaenge), &ImportCopy::CopyEingang},
    {ui::kCopyOutput, static_cast<int>(layout::kAusgaenge), &ImportCopy::CopyAusgang},
    {ui::kCopyFunction, static_cast<int>(layout::kFuncSlots), &ImportCopy::CopyFunktion},
    {ui::kCopyFuncView, 1, &ImportCopy::CopyFuncView},
    {ui::kCopyLogging, 1, &ImportCopy::CopyLogging},
    {ui::kCopyMessage, static_cast<int>(layout::kMeldungSlots), &ImportCopy::CopyMeldung},
    {ui::kCopyNetwork, 1, &ImportCopy::CopyNetzwerk},
    {ui::kCopyWelcome, 1, &ImportCopy::CopyBegruessung},
};

}  // namespace

std::span<const ImportStep> ImportCopy::Steps()
{
    return kSteps;
}

bool ImportCopy::RunSteps()
{
    m_bTableEnded = false;
    for (const ImportStep& step : kSteps) {
        for (int n = 1; n <= step.count; ++n) {
            CString status(step.status);
            if (HasNumber(step.status))
                status.Format(step.status, n);
            m_reporter.AddProgress(1, status);
            if (!(this->*step.copy)(n))
                return false;
        }
    }
    return true;
}

ImportEnd ImportCopy::Run(CSCCmd& channel)
{
    ImportEnd end = ImportEnd::Imported;
    if (!RunSteps()) {
        end = ImportEnd::StepFailed;
    } else {
        m_reporter.AddProgress(1, ui::kCopyCommit);
        if (!m_para.CommitWorkFile())
            end = ImportEnd::CommitFailed;
    }
    if (end != ImportEnd::Imported) {
        // The committed set is untouched; the working copy becomes it again, so no later path commits a mixture.
        m_para.BeginWorkFile();
        return end;
    }
    m_reporter.AddProgress(kLabelsStep, ui::kCopyLabels);
    channel.Reset();
    CTexte().UpdateZeichnung(channel, kAllGroups, -1);
    m_reporter.AddProgress(kHandOverStep, ui::kCopyHandOver);
    channel.SetFileNotUpToDate();
    channel.Execute();
    return end;
}

bool ImportCopy::CopyReglerEinst(int)
{
    return Copy(&CParaDaten::GetReglerEinst, &CParaDaten::SetReglerEinst, m_para,
                [](ReglerEinstellungen& r) { CParaCheck().CheckRegler(r); });
}

bool ImportCopy::CopyPotentiostat(int)
{
    return Copy(&CParaDaten::GetPotentiostat, &CParaDaten::SetPotentiostat, m_para, [](PotentiostatParam&) {});
}

bool ImportCopy::CopyBezeichnungen(int)
{
    for (BYTE n = 1; n <= layout::kUserBezeichnungen; ++n) {
        CString text;
        if (!m_para.ReadUserBezeichnung(kDat, n, text) || !m_para.SetUserBezeichnung(kWork, n, text))
            return false;
    }
    return true;
}

bool ImportCopy::CopyEingang(int n)
{
    EingangParam record;
    if (!m_para.GetEingang(kDat, static_cast<BYTE>(n), record))
        return false;
    CParaCheck().CheckEingang(static_cast<BYTE>(n), record);
    return m_para.SetEingang(kWork, static_cast<BYTE>(n), record);
}

bool ImportCopy::CopyAusgang(int n)
{
    AusgangParam record;
    if (!m_para.GetAusgang(kDat, static_cast<BYTE>(n), record))
        return false;
    CParaCheck().CheckAusgang(static_cast<BYTE>(n), record);
    if (!m_para.SetAusgang(kWork, static_cast<BYTE>(n), record))
        return false;
    if (n != static_cast<int>(layout::kAusgaenge))
        return true;
    return Copy(&CParaDaten::GetAntiblockierschutz, &CParaDaten::SetAntiblockierschutz, m_para,
                [](AntiblockierschutzParam& r) { CParaCheck().CheckAntiblockierschutz(r); });
}

bool ImportCopy::CopyFunktion(int n)
{
    if (m_bTableEnded)
        return true;
    const BYTE slot = static_cast<BYTE>(n);
    FuncEntry entry;
    if (!m_para.GetFuncEntry(kDat, slot, entry) || !m_para.SetFuncEntry(kWork, slot, entry))
        return false;
    const functypes::FunctionType* type = functypes::FindFunctionType(entry.type);
    if (!type) {
        // The empty slot's entry is copied; the slots after it stay as they are.
        m_bTableEnded = true;
        return true;
    }
    std::vector<BYTE> fields(type->recordSize);
    type->blank(fields.data());
    if (!type->read(m_para, kDat, slot, fields.data(), false))
        return false;
    CParaCheck check;
    // The source's fixed states keep their low bit; references are checked in the source's own set.
    type->check(check, kDat, fields.data(), 1);
    return type->write(m_para, kWork, slot, fields.data());
}

bool ImportCopy::CopyFuncView(int)
{
    FuncViewEntry entries[128];
    if (!m_para.GetFuncView(kDat, entries))
        return false;
    FilterFuncView(entries);
    return m_para.SetFuncView(kWork, entries);
}

void ImportCopy::FilterFuncView(FuncViewEntry (&entries)[128])
{
    FuncViewEntry kept[128];
    int count = 0;
    for (const FuncViewEntry& e : entries) {
        if (e.kind == FuncViewEntry::kEnde || count == 128)
            break;
        switch (e.kind) {
        case FuncViewEntry::kGruppe:
        case FuncViewEntry::kUserA:
        case FuncViewEntry::kUserB:
        case FuncViewEntry::kUserC:
        case FuncViewEntry::kTechniker:
        case FuncViewEntry::kExperte: break;
        default: continue;
        }
        // A leading run of entries without a header belongs to the user group.
        if (count == 0 && e.kind != FuncViewEntry::kGruppe)
            kept[count++] = {FuncViewEntry::kGruppe, FuncViewEntry::kGruppeUser, 0};
        if (count < 128)
            kept[count++] = e;
    }
    std::copy(std::begin(kept), std::end(kept), std::begin(entries));
}

bool ImportCopy::CopyLogging(int)
{
    LoggingListen record;
    if (!m_para.GetLoggingListen(kDat, record))
        return false;
    return m_para.SetLoggingListen(kWork, record);
}

bool ImportCopy::CopyMeldung(int n)
{
    MeldungParam record;
    if (!m_para.GetMeldung(kDat, static_cast<BYTE>(n), record, false))
        return false;
    CParaCheck().CheckMeldung(record, 1);
    return m_para.SetMeldung(kWork, static_cast<BYTE>(n), record);
}

bool ImportCopy::CopyNetzwerk(int)
{
    CParaCheck check;
    if (!Copy(&CParaDaten::GetNetzwerk, &CParaDaten::SetNetzwerk, m_para,
              [&](NetzwerkParam& r) { check.CheckNetzKnoten(r); }))
        return false;
    NetzEingang inputs[16];
    if (!m_para.GetNetzEingaengeDigital(kDat, inputs))
        return false;
    check.CheckNetzEingaengeDigital(inputs);
    if (!m_para.SetNetzEingaengeDigital(kWork, inputs) || !m_para.GetNetzEingaengeAnalog(kDat, inputs))
        return false;
    check.CheckNetzEingaengeAnalog(inputs);
    if (!m_para.SetNetzEingaengeAnalog(kWork, inputs))
        return false;
    BYTE timeouts[8];
    if (!m_para.GetNetzTimeouts(kDat, timeouts))
        return false;
    check.CheckNetzTimeouts(timeouts);
    if (!m_para.SetNetzTimeouts(kWork, timeouts))
        return false;
    if (!Copy(&CParaDaten::GetSendebedingungen, &CParaDaten::SetSendebedingungen, m_para,
              [&](Sendebedingungen& r) { check.CheckNetzZeiten(r); }))
        return false;
    Quelle sources[16];
    if (!m_para.GetNetzAusgaengeDigital(kDat, sources, false))
        return false;
    check.CheckNetzAusgaengeDigital(sources);
    if (!m_para.SetNetzAusgaengeDigital(kWork, sources) || !m_para.GetNetzAusgaengeAnalog(kDat, sources, false))
        return false;
    check.CheckNetzAusgaengeAnalog(sources);
    return m_para.SetNetzAusgaengeAnalog(kWork, sources);
}

bool ImportCopy::CopyBegruessung(int)
{
    return Copy(&CParaDaten::GetBegruessung, &CParaDaten::SetBegruessung, m_para, [](BegruessungsText&) {});
}

}  // namespace production
