// Bitmap resources by id.
#include "platform/CBitmap.h"

#include "platform/ResourceRegistry.h"

BOOL CBitmap::LoadBitmap(UINT id)
{
    const platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    if (!registry.HasBitmap(id))
        return FALSE;
    m_id = id;
    m_size = registry.BitmapSize(id);
    return TRUE;
}

BOOL CBitmap::DeleteObject()
{
    BOOL had = m_id != 0;
    m_id = 0;
    m_size = CSize();
    return had;
}
