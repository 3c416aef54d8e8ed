// CParaCheck: repair of the CAN data-logging configuration.
#include "store/CParaCheck.h"

#include "store/LoggingListen.h"

void CParaCheck::CheckLogging(LoggingListen& r)
{
    record::RepairRanges(r, record::kLoggingFields);
    for (LoggingListen::Datensatz& set : r.sets) {
        for (Quelle& q : set.analog)
            CheckQuelle(&q.kind, 0, 0);
        for (Quelle& q : set.digital)
            CheckQuelle(&q.kind, 0, 0);
    }
}
