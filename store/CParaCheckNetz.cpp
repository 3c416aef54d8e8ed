// CParaCheck: repairs of the network records.
#include "store/CParaCheck.h"

namespace {

void Limit(BYTE& value, BYTE low, BYTE high, BYTE replacement)
{
    if (value < low || value > high)
        value = replacement;
}

}  // namespace

void CParaCheck::CheckNetzKnoten(NetzwerkParam& r)
{
    Limit(r.node, 1, 62, 1);
}

void CParaCheck::CheckNetzZeiten(Sendebedingungen& r)
{
    // The on-change flag is not repaired.
    Limit(r.interval, 1, 60, 5);
    Limit(r.blocking, 1, 120, 10);
    for (Sendebedingungen::AnalogGruppe& g : r.analog) {
        Limit(g.threshold, 10, 250, 30);
        Limit(g.interval, 1, 60, 5);
        Limit(g.blocking, 1, 120, 10);
    }
}

void CParaCheck::CheckNetzTimeouts(BYTE timeouts[8])
{
    for (int i = 0; i < 4; ++i) {
        Limit(timeouts[4 + i], 5, 240, 60);
        Limit(timeouts[i], 5, 240, 60);
    }
}

void CParaCheck::CheckNetzAusgaengeDigital(Quelle sources[16])
{
    for (int i = 0; i < 16; ++i)
        CheckQuelle(&sources[i].kind, kForbidNetzEingang, 0);
}

void CParaCheck::CheckNetzAusgaengeAnalog(Quelle sources[16])
{
    CheckNetzAusgaengeDigital(sources);
}

void CParaCheck::CheckNetzEingaengeDigital(NetzEingang inputs[16])
{
    for (int i = 0; i < 16; ++i) {
        if (inputs[i].node > 62) {
            inputs[i].node = 0;
            inputs[i].transport = 0;
        }
        // Also for an input not in use (node 0).
        Limit(inputs[i].output, 1, 16, 1);
    }
}

void CParaCheck::CheckNetzEingaengeAnalog(NetzEingang inputs[16])
{
    CheckNetzEingaengeDigital(inputs);
}
