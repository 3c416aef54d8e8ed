// The templates of the plant forms, registered once when the first form of their kind is built.
#pragma once

#include "platform/DialogTemplate.h"

namespace plant {

platform::DialogTemplate EingangTemplate();

}  // namespace plant
