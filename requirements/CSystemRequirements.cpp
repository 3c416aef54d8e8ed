// The controller requirements of a parameter set: a walk over its records, each repaired and judged by its rule.
#include "requirements/CSystemRequirements.h"

#include "store/AntiblockierschutzParam.h"
#include "store/AusgangParam.h"
#include "store/Bezeichnung.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/EingangParam.h"
#include "store/FuncEntry.h"
#include "store/FunctionTypes.h"
#include "store/MeldungParam.h"
#include "store/NetzEingang.h"
#include "store/PID_RegelungParam.h"
#include "store/WMZParam.h"
#include "texts/CTexte.h"
#include "texttables/CFortschritt.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

CSystemRequirements* g_pSystemRequirements = nullptr;

namespace {

// The record of a type out of its repaired bytes.
template <class Record>
Record As(const std::vector<BYTE>& bytes)
{
    Record r{};
    std::memcpy(&r, bytes.data(), std::min(sizeof r, bytes.size()));
    return r;
}

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

void CSystemRequirements::Calculate(int file, DrawingReader* drawing, CFortschritt* progress)
{
    m_data.Set(0, 0);
    m_settings.Set(0, 0);
    CParaDaten para;
    para.UseDrawing(drawing);
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
    para.GetAntiblockierschutz(CParaDaten::kWorkFile, antiSeize);
    check.CheckAntiblockierschutz(antiSeize);
    if (antiSeize.outputs[15] == 1) m_data.Merge(1, 2);
    Report(progress, 6);

    if (progress != nullptr) {
        CFortschritt functions(progress, 6, 94);
        CalcFunktionen(&functions, drawing);
    } else {
        CalcFunktionen(nullptr, drawing);
    }

    for (BYTE slot = 1; slot <= 8; ++slot) {
        MeldungParam message;
        para.GetMeldung(file, slot, message, drawing != nullptr);
        check.CheckMeldung(message, file == 0 ? 1 : 0);
        if (message.normalOn[15] == 1 || message.dominantOn[15] == 1 || message.dominantOff[15] == 1 ||
            message.errorRelease[15] == 1)
            m_data.Merge(1, 2);
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

void CSystemRequirements::CalcFunktionen(CFortschritt* progress, DrawingReader* drawing)
{
    CTexte texte;
    CParaDaten para;
    para.UseDrawing(drawing);
    {
        std::unique_ptr<CFortschritt> count;
        if (progress != nullptr) count = std::make_unique<CFortschritt>(progress, 0, 12);
        if (texte.GetFunktionsAnzahl(CParaDaten::kWorkFile) > 40) m_data.Merge(1, 0);
        Report(count.get(), 12);
        std::unique_ptr<CFortschritt> memory;
        if (count) memory = std::make_unique<CFortschritt>(count.get(), 12, 100);
        int parameterBytes = 0;
        int variableBytes = 0;
        texte.GetSpeicherbedarf(CParaDaten::kWorkFile, parameterBytes, variableBytes, drawing, memory.get());
        if (variableBytes > 288) m_data.Merge(1, 0);
    }

    for (BYTE slot = 1; slot <= 44; ++slot) {
        FuncEntry entry;
        para.GetFuncEntry(CParaDaten::kWorkFile, slot, entry);
        const functypes::FunctionType* type = functypes::FindFunctionType(entry.type);
        const bool used = type != nullptr;
        if (entry.type != 0 && entry.type != 255 && entry.number >= 40 && entry.number != 255) m_data.Merge(1, 0);
        if (used) {
            const std::vector<BYTE> r =
                functypes::ReadRepairedFuncRecord(para, CParaDaten::kWorkFile, slot, entry.type, drawing != nullptr);
            // Every function record begins with its designation.
            if (As<Bezeichnung>(r).group != 0) m_data.Merge(1, 0);
            for (int field : type->output16Fields)
                if (field != functypes::kNoField && r[field] == 1) m_data.Merge(1, 2);
            if (entry.type == texts::kTypePID_Regelung) {
                const PID_RegelungParam pid = As<PID_RegelungParam>(r);
                for (const Quelle& constant : {pid.absSetpoint, pid.eventThreshold, pid.eventSetpoint})
                    if (constant.kind == 0 && constant.number > 150) m_data.Merge(1, 0);
            }
            if (entry.type == texts::kTypeWMZ) {
                const WMZParam meter = As<WMZParam>(r);
                if (meter.flowTemp.kind != 0 && meter.returnTemp.kind == 0) m_data.Merge(1, 0);
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
