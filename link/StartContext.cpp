// Storage of the process-wide start context.
#include "link/StartContext.h"

CString g_strCmd;
CString g_strEngPath;
CString g_strXmlPath;
CString g_strXmlDir;
CString g_strName;
int g_nId = 0;
