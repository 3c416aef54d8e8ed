// The dialog templates of the resource files of this folder; Resources.cpp registers each one listed in its
// table. A new dialog adds its template here and one row there.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

void RegisterAboutTemplate();
void RegisterKesselServiceTemplate();
void RegisterMainFrameResources();
void RegisterProductionTemplates();
void RegisterProtokollTemplate();
void RegisterStartViewTemplate();
void RegisterToolBars();
extern const platform::DialogTemplate kBezeichnungenTemplate;
extern const platform::DialogTemplate kDatentransferTemplate;
extern const platform::DialogTemplate kExportParaTemplate;
extern const platform::DialogTemplate kImportTemplate;
extern const platform::DialogTemplate kZeichnungAuswertenTemplate;
extern const platform::DialogTemplate kZeitprogrammTemplate;
extern const platform::DialogTemplate kFuncViewTemplate;
extern const platform::DialogTemplate kCanLoggingTemplate;
extern const platform::DialogTemplate kFuncOrderTemplate;
extern const platform::DialogTemplate kMeldungOrderTemplate;

}  // namespace resources
