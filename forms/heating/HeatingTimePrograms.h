// The time-program button that the heating forms share (heating circuit, hot-water request, circulation): button
// IDC_ZEITPROGRAMM opens the record's time programs, none to five of them in use, their windows with setpoints.
#pragma once

#include "forms/frame/FunctionFormTables.h"
#include "resources/ResourceIds.h"

#include <cstddef>

namespace forms {

// The button for a record that holds programsInUse (0..5), windowsPerProgram, windowSetpoints and programs.
template <class Record>
TimeProgramButton HeatingTimePrograms()
{
    return {IDC_ZEITPROGRAMM,
            0,
            6,
            offsetof(Record, programsInUse),
            offsetof(Record, windowsPerProgram),
            offsetof(Record, windowSetpoints),
            offsetof(Record, programs)};
}

}  // namespace forms
