// CParaCheck: repair of the CAN data-logging configuration.
#include "store/CParaCheck.h"

void CParaCheck::CheckLogging(LoggingListen& r)
{
    if (r.masterNode > 62)
        r.masterNode = 62;
    if (r.timeout < 10 || r.timeout > 251)
        r.timeout = 60;
    for (LoggingListen::Datensatz& set : r.sets) {
        for (Quelle& q : set.analog)
            CheckQuelle(&q.kind, 0, 0);
        for (Quelle& q : set.digital)
            CheckQuelle(&q.kind, 0, 0);
    }
}
