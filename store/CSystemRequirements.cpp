// The controller requirements of a parameter set: a walk over its records, each repaired and judged by its rule.
#include "store/CSystemRequirements.h"

#include "store/AntiblockierschutzParam.h"
#include "store/AusgangParam.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/EingangParam.h"
#include "store/FuncEntry.h"
#include "store/MeldungParam.h"
#include "store/NetzEingang.h"
#include "texts/CFortschritt.h"
#include "texts/CTexte.h"
#include "texts/FuncRecordReader.h"

#include <memory>
#include <vector>

CSystemRequirements* g_pSystemRequirements = nullptr;

namespace {

constexpr int kWork = 2;

struct FuncRegel {
    int ausgang16[2];  // positions of the flags by which the function drives output 16; -1 none
};

// By type code 1 to 23.
constexpr FuncRegel kRegeln[24] = {
    {{-1, -1}}, {{69, -1}}, {{35, -1}}, {{36, 42}}, {{36, -1}}, {{41, -1}}, {{36, -1}}, {{29, -1}},
    {{40, -1}}, {{35, 51}}, {{24, 40}}, {{17, -1}}, {{-1, -1}}, {{25, 31}}, {{42, 58}}, {{33, -1}},
    {{32, -1}}, {{-1, -1}}, {{31, 37}}, {{-1, -1}}, {{-1, -1}}, {{25, -1}}, {{39, -1}}, {{-1, -1}},
};

void Report(CFortschritt* progress, float percent)
{
    if (progress != nullptr) progress->SetProzent(percent);
}

void SettingsRule(VersionRequirement& pair, const ReglerEinstellungen& settings)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&settings);
    if (bytes[12] != 0) pair.Merge(2, 0);
}

}  // namespace

void CSystemRequirements::Calculate(int file, bool complete, CFortschritt* progress)
{
    m_data.Set(0, 0);
    m_settings.Set(0, 0);
    CParaDaten para;
    CParaCheck check;

    for (BYTE n = 1; n <= 16; ++n) {
        EingangParam input;
        para.GetEingang(file, n, input);
        check.CheckEingang(n, input);
        if (input.type == 2 && input.quantity == 1 && input.sensorType == 4) m_data.Merge(1, 0);
    }
    Report(progress, 3);

    for (BYTE n = 1; n <= 16; ++n) {
        AusgangParam output;
        para.GetAusgang(file, n, output);
        check.CheckAusgang(n, output);
        if (n == 15 && output.pwm != 0) m_data.Merge(1, 2);
        if (n == 16 && output.scaleInLow == 0 && output.scaleOutLow > 40) m_data.Merge(1, 2);
    }
    AntiblockierschutzParam antiSeize;
    para.GetAntiblockierschutz(kWork, antiSeize);
    check.CheckAntiblockierschutz(antiSeize);
    if (antiSeize.outputs[15] == 1) m_data.Merge(1, 2);
    Report(progress, 6);

    if (progress != nullptr) {
        CFortschritt functions(progress, 6, 94);
        CalcFunktionen(&functions, complete);
    } else {
        CalcFunktionen(nullptr, complete);
    }

    for (BYTE slot = 1; slot <= 8; ++slot) {
        MeldungParam message;
        para.GetMeldung(file, slot, message, complete);
        check.CheckMeldung(message, file == 0 ? 1 : 0);
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&message);
        if (bytes[29] == 1 || bytes[45] == 1 || bytes[61] == 1 || bytes[77] == 1) m_data.Merge(1, 2);
    }
    Report(progress, 97);

    NetzEingang digital[16];
    NetzEingang analog[16];
    para.GetNetzEingaengeDigital(file, digital);
    check.CheckNetzEingaengeDigital(digital);
    para.GetNetzEingaengeAnalog(file, analog);
    check.CheckNetzEingaengeAnalog(analog);
    for (int i = 0; i < 16; ++i) {
        if (digital[i].transport == 1 && digital[i].node != 0) m_data.Merge(1, 1);
        if (analog[i].transport == 1 && analog[i].node != 0) m_data.Merge(1, 1);
    }
    Report(progress, 99);

    ReglerEinstellungen settings;
    para.GetReglerEinst(file, settings);
    check.CheckRegler(settings);
    SettingsRule(m_settings, settings);
    Report(progress, 100);
}

void CSystemRequirements::CalcFunktionen(CFortschritt* progress, bool complete)
{
    CTexte texte;
    CParaDaten para;
    {
        std::unique_ptr<CFortschritt> count;
        if (progress != nullptr) count = std::make_unique<CFortschritt>(progress, 0, 12);
        if (texte.GetFunktionsAnzahl(kWork) > 40) m_data.Merge(1, 0);
        Report(count.get(), 12);
        std::unique_ptr<CFortschritt> memory;
        if (count) memory = std::make_unique<CFortschritt>(count.get(), 12, 100);
        int parameterBytes = 0;
        int variableBytes = 0;
        texte.GetSpeicherbedarf(kWork, parameterBytes, variableBytes, complete ? 1 : 0, memory.get());
        if (variableBytes > 288) m_data.Merge(1, 0);
    }

    for (BYTE slot = 1; slot <= 44; ++slot) {
        FuncEntry entry;
        para.GetFuncEntry(kWork, slot, entry);
        const bool used = entry.type >= 1 && entry.type <= 23;
        if (entry.type != 0 && entry.type != 255 && entry.number >= 40 && entry.number != 255) m_data.Merge(1, 0);
        if (used) {
            const std::vector<BYTE> r = texts::ReadRepairedFuncRecord(para, kWork, slot, entry.type, complete);
            if (!r.empty()) {
                if (r[0] != 0) m_data.Merge(1, 0);
                for (int position : kRegeln[entry.type].ausgang16)
                    if (position >= 0 && static_cast<size_t>(position) < r.size() && r[position] == 1)
                        m_data.Merge(1, 2);
                auto at = [&r](size_t k) { return k < r.size() ? r[k] : 0; };
                if (entry.type == 8) {
                    for (size_t k : {16, 24, 28})
                        if (at(k) == 0 && at(k + 1) > 150) m_data.Merge(1, 0);
                }
                if (entry.type == 12 && at(8) != 0 && at(10) == 0) m_data.Merge(1, 0);
            }
        }
        Report(progress, 12.0f + 88.0f * slot / 44.0f);
        if (!used) break;
    }
}

void CSystemRequirements::CalcSettings(const ReglerEinstellungen& settings)
{
    m_settings.Set(0, 0);
    SettingsRule(m_settings, settings);
}

VersionRequirement CSystemRequirements::GetRequirement() const
{
    if (m_data.GetOsLevel() == -1) return m_data;
    VersionRequirement result = m_data;
    result.Merge(m_settings.GetOsLevel(), m_settings.GetSerialLevel());
    return result;
}
