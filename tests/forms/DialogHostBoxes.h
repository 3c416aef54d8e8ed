// The message boxes the dialog host's dialogs show, as wnddrive prints them (UTF-8). The test that compares them is
// compiled as UTF-8 to talk to wnddrive; the lines are built from the program's message catalog in a source of
// their own, compiled as the program's texts are, so a changed message text touches no test.
#pragma once

#include <string>

namespace dialoghost {

// The designations dialog's refusal of a character the controller does not support.
std::string DesignationInvalidCharBox();

}  // namespace dialoghost
