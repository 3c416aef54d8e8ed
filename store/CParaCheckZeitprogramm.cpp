// CParaCheck: the block of five time programs with its control fields.
#include "store/CParaCheck.h"

namespace {

constexpr BYTE kLatestTime = 143;  // 23:50 in 10-minute steps
constexpr BYTE kMaxSetpoint = 90;

}  // namespace

void CParaCheck::CheckZeitprogramm(BYTE smallest, BYTE* programs, BYTE* windows, Zeitprogramm* block)
{
    if (*programs < smallest || *programs > kZeitprogramme)
        *programs = smallest;
    if (*windows < 1 || *windows > 3)
        *windows = 2;
    // Programs and windows beyond the counts in use are stored all the same, so they are repaired as well.
    for (int j = 0; j < kZeitprogramme; ++j)
        for (Zeitfenster& w : block[j].windows) {
            if (w.start > kLatestTime)
                w.start = 0;
            if (w.end > kLatestTime)
                w.end = 0;
            if (w.setpoint > kMaxSetpoint)
                w.setpoint = 20;
        }
}
