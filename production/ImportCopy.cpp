// The import's copy steps over their table, the commit and the hand-over to the drawing tool.
#include "production/ImportCopy.h"

#include "link/CSCCmd.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
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

using records::Family;

const ImportStep kSteps[] = {
    {ui::kCopySettings, Family::ReglerEinst, 1, true},
    {ui::kCopyPotentiostat, Family::Potentiostat, 1, true},
    {ui::kCopyDesignations, Family::Bezeichnung, 1, false},
    {ui::kCopyInput, Family::Eingang, 1, true},
    // Output 16 brings the anti-seize settings with it.
    {ui::kCopyOutput, Family::Ausgang, 2, true},
    {ui::kCopyFunction, Family::Funktion, 1, true},
    {ui::kCopyFuncView, Family::FuncView, 1, true},
    {ui::kCopyLogging, Family::Logging, 1, true},
    {ui::kCopyMessage, Family::Meldung, 1, true},
    {ui::kCopyNetwork, Family::NetzSettings, 7, false},
    {ui::kCopyWelcome, Family::Begruessung, 1, true},
};
static_assert(static_cast<int>(Family::Ausgang) + 1 == static_cast<int>(Family::Antiblockierschutz));
static_assert(static_cast<int>(Family::NetzSettings) + 6 == static_cast<int>(Family::NetzAusgaengeAnalog));

// The source's records as stored, into the working copy.
constexpr records::Walk kWalk{kDat, true, false, kWork};

Family Nth(Family first, int k)
{
    return static_cast<Family>(static_cast<int>(first) + k);
}

}  // namespace

std::span<const ImportStep> ImportCopy::Steps()
{
    return kSteps;
}

bool ImportCopy::RunSteps()
{
    m_bTableEnded = false;
    for (const ImportStep& step : kSteps) {
        const int items = step.eachItem ? records::Row(step.first).count : 1;
        for (int n = 1; n <= items; ++n) {
            CString status(step.status);
            if (HasNumber(step.status))
                status.Format(step.status, n);
            m_reporter.AddProgress(1, status);
            // The item of the first family, or with the last step all items of the families not yet copied.
            const int firstFamily = step.eachItem ? 1 : 0;
            if (step.eachItem && !Copy(step.first, n))
                return false;
            if (n < items)
                continue;
            for (int k = firstFamily; k < step.families; ++k)
                for (int item = 1; item <= records::Row(Nth(step.first, k)).count; ++item)
                    if (!Copy(Nth(step.first, k), item))
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

bool ImportCopy::Copy(Family family, int n)
{
    switch (family) {
    case Family::Funktion: return CopyFunktion(n);
    case Family::FuncView: return CopyFuncView();
    // The logging lists come over as the file holds them.
    case Family::Logging: return records::Row(family).copy(m_para, n, {kDat, true, false, kWork, false});
    default: return records::Row(family).copy(m_para, n, kWalk);
    }
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
    // The source's fixed states keep their low bit; references are checked in the source's own set.
    std::vector<BYTE> fields;
    return records::PassFunc(*type, m_para, slot, fields, kWalk);
}

bool ImportCopy::CopyFuncView()
{
    records::FuncViewList entries;
    if (!records::Pass(records::kFuncView, m_para, 1, entries, {kDat, true}))
        return false;
    FilterFuncView(entries);
    return records::kFuncView.set(m_para, kWork, 1, entries);
}

void ImportCopy::FilterFuncView(std::span<FuncViewEntry, 128> entries)
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
    std::copy(std::begin(kept), std::end(kept), entries.begin());
}

}  // namespace production
