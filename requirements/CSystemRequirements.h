// CSystemRequirements: which controller (operating-system version and serial-number range) the function data of a
// parameter set and its controller settings need. One object lives for the run, reached through
// g_pSystemRequirements.
#pragma once

#include "store/ReglerEinstellungen.h"
#include "store/VersionRequirement.h"

class CFortschritt;
class DrawingReader;

class CSystemRequirements {
public:
    CSystemRequirements() = default;

    // Walks inputs, outputs, functions, messages, network and controller settings of the file (functions and the
    // anti-seize record always of working file 2) and replaces both requirements. With a drawing, the records'
    // sources come from it; without, they stay as stored. Reports its progress on the range when one is given.
    // Never fails.
    void Calculate(int file, DrawingReader* drawing, CFortschritt* progress);
    // Replaces only the settings requirement with that of the record.
    void CalcSettings(const ReglerEinstellungen& settings);
    // Not yet calculated: the data requirement itself (-1, -1); else the larger of both, level by level.
    VersionRequirement GetRequirement() const;

    const VersionRequirement& GetDataRequirement() const { return m_data; }
    const VersionRequirement& GetSettingsRequirement() const { return m_settings; }

private:
    void CalcFunktionen(CFortschritt* progress, DrawingReader* drawing);

    VersionRequirement m_data;
    VersionRequirement m_settings;
};

extern CSystemRequirements* g_pSystemRequirements;
