// Three dialogs of the heating-circuit controller's parameter form, each a table of the fields it edits on the
// frame's field dialog: the averaging times (fields 22, 23), the switch-off conditions (24 to 34 and 36; 35 is not
// touched) and the frost protection (37, 38). Each writes its fields into the record on OK only.
#pragma once

struct HzkrRegParam;

namespace hzkr {

void RunAveragingDialog(HzkrRegParam* record);
void RunSwitchOffDialog(HzkrRegParam* record);
void RunFrostDialog(HzkrRegParam* record);

}  // namespace hzkr
