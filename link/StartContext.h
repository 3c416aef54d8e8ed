// Process-wide start context: the command and its parameters, filled once by the start-up from the command file.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// The command and its parameters, as the command file gave them.
extern CString g_strCmd;      // one of the fourteen commands
extern CString g_strEngPath;  // the drawing file; its parameter file lies beside it
extern CString g_strXmlPath;  // the drawing export
extern CString g_strXmlDir;   // folder of the drawing export; "SCCmd.tmp" lies in its folder "para"
extern CString g_strName;     // object kind of the object the command is about ("-name" before its first "$")
extern int g_nId;             // drawing object id of that object, 0 when none
