// The registration functions of the resource files of this folder; Resources.cpp calls each once.
#pragma once

namespace resources {

void RegisterDatentransferTemplate();
void RegisterZeichnungAuswertenTemplate();

}  // namespace resources
