// The box lines of the catalog's rows, converted from the program's Windows-1252 texts to wnddrive's UTF-8.
#include "DialogHostBoxes.h"

#include "ProgramRun.h"
#include "platform/Cp1252.h"
#include "resources/Messages.h"

namespace dialoghost {

std::string DesignationInvalidCharBox()
{
    return platform::Cp1252ToUtf8(testsupport::BoxLine(messages::kDesignationInvalidChar));
}

}  // namespace dialoghost
