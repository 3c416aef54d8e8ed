// What the parameter import tells the person while it works: the step under way and how far it has come.
#pragma once

#include "platform/CString.h"

namespace production {

// Receives the import's status lines; the progress moves on by each step's increment.
class ImportReporter {
public:
    virtual ~ImportReporter() = default;
    virtual void AddProgress(int increment, const CString& text) = 0;
};

}  // namespace production
