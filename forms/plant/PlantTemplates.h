// The templates of the plant forms, registered once when the first form of their kind is built.
#pragma once

#include "platform/DialogTemplate.h"

namespace plant {

platform::DialogTemplate EingangTemplate();
platform::DialogTemplate AusgangTemplate();
platform::DialogTemplate AntiblockierTemplate();
platform::DialogTemplate NetzEingangTemplate();
platform::DialogTemplate NetzAusgangTemplate();
platform::DialogTemplate SignalTemplate();

// The duration of time byte v (0 to 127) as the output form's time lists show it, and its unit.
CString TimeItem(int v);
const char* TimeUnit(int v);

}  // namespace plant
