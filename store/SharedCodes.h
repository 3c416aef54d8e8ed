// Value lists that the field tables of several records share (see FieldInfo.h).
#pragma once

#include "platform/Types.h"

namespace record {

inline constexpr BYTE kNoYesCodes[] = {0, 1};

}  // namespace record
