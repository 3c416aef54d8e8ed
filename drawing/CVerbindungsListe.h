// The partner list of the partner search: (object id, pin id) pairs in the order in which they were found.
#pragma once

#include "drawing/CRecordArray.h"

struct VerbindungsPaar {
    int objektId = 0;
    int pinId = 0;
};

inline bool operator==(const VerbindungsPaar& a, const VerbindungsPaar& b)
{
    return a.objektId == b.objektId && a.pinId == b.pinId;
}

class CVerbindungsListe : public CRecordArray<VerbindungsPaar> {
public:
    explicit CVerbindungsListe(int initialCount = 0) : CRecordArray<VerbindungsPaar>(initialCount) {}
};
