// CParaCheck: repairs of the network records.
#include "store/CParaCheck.h"

#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/Sendebedingungen.h"

using record::RepairRanges;

void CParaCheck::CheckNetzKnoten(NetzwerkParam& r)
{
    RepairRanges(r, record::kNetzwerkFields);
}

void CParaCheck::CheckNetzZeiten(Sendebedingungen& r)
{
    // The on-change flag is not repaired.
    RepairRanges(r, record::kSendebedingungenFields);
}

void CParaCheck::CheckNetzTimeouts(BYTE timeouts[8])
{
    RepairRanges(timeouts, record::kNetzTimeoutFields);
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
        RepairRanges(inputs[i], record::kNetzEingangFields);
    }
}

void CParaCheck::CheckNetzEingaengeAnalog(NetzEingang inputs[16])
{
    CheckNetzEingaengeDigital(inputs);
}
