// VersionRequirement: the minimum operating-system level and serial-number level of the controller that a parameter
// set needs. Levels only go up when requirements are merged.
#pragma once

class VersionRequirement {
public:
    VersionRequirement(int osLevel = -1, int serialLevel = -1) : m_os(osLevel), m_serial(serialLevel) {}

    int GetOsLevel() const { return m_os; }
    int GetSerialLevel() const { return m_serial; }
    void SetOsLevel(int level) { m_os = level; }
    void SetSerialLevel(int level) { m_serial = level; }
    void Set(int os, int serial)
    {
        m_os = os;
        m_serial = serial;
    }
    // Raises each level to the given one when that is higher.
    void Merge(int os, int serial)
    {
        if (os > m_os) m_os = os;
        if (serial > m_serial) m_serial = serial;
    }
    // 2.28, 3.2 or 3.24 for the levels 0, 1, 2; 0.0 for any other level.
    double GetOsVersion() const
    {
        switch (m_os) {
        case 0: return 2.28;
        case 1: return 3.2;
        case 2: return 3.24;
        default: return 0.0;
        }
    }
    // 0 (every device), 13286 or 41674 for the levels 0, 1, 2; -1 for any other level.
    int GetSerialNumber() const
    {
        switch (m_serial) {
        case 0: return 0;
        case 1: return 13286;
        case 2: return 41674;
        default: return -1;
        }
    }

private:
    int m_os;
    int m_serial;
};
