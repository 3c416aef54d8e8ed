// The registration functions of the resource files of this folder; Resources.cpp calls each once.
#pragma once

namespace resources {

void RegisterAboutTemplate();
void RegisterDatentransferTemplate();
void RegisterMainFrameResources();
void RegisterProtokollTemplate();
void RegisterStartViewTemplate();
void RegisterToolBars();
void RegisterZeichnungAuswertenTemplate();

}  // namespace resources
