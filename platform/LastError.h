// The calling thread's last error code, as Win32 keeps it.
#pragma once

#include "platform/Types.h"

DWORD GetLastError();
void SetLastError(DWORD code);
