// CBitmap: a bitmap resource by id. The model keeps only the id and size; the window backend draws the image.
#pragma once

#include "platform/CPoint.h"
#include "platform/Types.h"

class CBitmap {
public:
    // Fails when the resource registry has no bitmap of that id.
    BOOL LoadBitmap(UINT id);
    UINT GetResourceId() const { return m_id; }
    CSize GetSize() const { return m_size; }
    BOOL DeleteObject();

private:
    UINT m_id = 0;
    CSize m_size;
};
