// The compiler form, the export form and their dialogs store the person's edits in the working copy and commit it at
// once. A store that fails is dropped whole: the committed set is copied back over the working copy (as far as the
// disc allows), so that no later commit (a compile, an export) takes what the person was told was not stored.
#pragma once

#include "store/CParaDaten.h"

namespace production {

// `written`: every write into the working copy succeeded. True when it did and the commit succeeded too.
inline bool CommitOrDrop(CParaDaten& para, bool written)
{
    if (written && para.CommitWorkFile())
        return true;
    para.BeginWorkFile();
    return false;
}

}  // namespace production
