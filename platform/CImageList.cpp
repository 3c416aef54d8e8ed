// Image lists and the drag image of the window model.
#include "platform/CImageList.h"

#include "platform/CWnd.h"
#include "platform/WindowObserver.h"

#include <algorithm>

namespace {

CImageList::DragState& Drag()
{
    static CImageList::DragState state;
    return state;
}

}  // namespace

CImageList::~CImageList()
{
    if (Drag().list == this) {
        Drag() = DragState {};
        platform::NotifyDragImageChanged();
    }
}

BOOL CImageList::Create(int cx, int cy, UINT, int, int)
{
    if (cx <= 0 || cy <= 0)
        return FALSE;
    m_created = true;
    m_size = CSize(cx, cy);
    m_images.clear();
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    BOOL had = m_created;
    m_created = false;
    m_images.clear();
    return had;
}

int CImageList::Add(CBitmap* bitmap, CBitmap*)
{
    if (!m_created || !bitmap || bitmap->GetResourceId() == 0)
        return -1;
    int first = GetImageCount();
    int parts = m_size.cx > 0 ? std::max(1, static_cast<int>(bitmap->GetSize().cx / m_size.cx)) : 1;
    for (int p = 0; p < parts; ++p)
        m_images.push_back(Image {bitmap->GetResourceId(), p});
    return first;
}

int CImageList::Add(CBitmap* bitmap, COLORREF)
{
    return Add(bitmap, static_cast<CBitmap*>(nullptr));
}

int CImageList::AddImage(UINT bitmapId, int part)
{
    if (!m_created)
        return -1;
    m_images.push_back(Image {bitmapId, part});
    return GetImageCount() - 1;
}

BOOL CImageList::Remove(int index)
{
    if (index == -1) {
        m_images.clear();
        return TRUE;
    }
    if (index < 0 || index >= GetImageCount())
        return FALSE;
    m_images.erase(m_images.begin() + index);
    return TRUE;
}

bool CImageList::GetImageSource(int index, UINT& bitmapId, int& part) const
{
    if (index < 0 || index >= GetImageCount())
        return false;
    bitmapId = m_images[static_cast<size_t>(index)].bitmap;
    part = m_images[static_cast<size_t>(index)].part;
    return true;
}

BOOL CImageList::BeginDrag(int image, CPoint hotSpot)
{
    if (Drag().list || image < 0 || image >= GetImageCount())
        return FALSE;
    Drag() = DragState {this, image, hotSpot, false, false, CPoint()};
    platform::NotifyDragImageChanged();
    return TRUE;
}

BOOL CImageList::DragEnter(CWnd*, CPoint point)
{
    if (!Drag().list)
        return FALSE;
    Drag().entered = true;
    Drag().shown = true;
    Drag().position = point;
    platform::NotifyDragImageChanged();
    return TRUE;
}

BOOL CImageList::DragMove(CPoint point)
{
    if (!Drag().list)
        return FALSE;
    Drag().position = point;
    platform::NotifyDragImageChanged();
    return TRUE;
}

BOOL CImageList::DragShowNolock(BOOL show)
{
    if (!Drag().list)
        return FALSE;
    Drag().shown = show != FALSE;
    platform::NotifyDragImageChanged();
    return TRUE;
}

BOOL CImageList::DragLeave(CWnd*)
{
    if (!Drag().list)
        return FALSE;
    Drag().entered = false;
    Drag().shown = false;
    platform::NotifyDragImageChanged();
    return TRUE;
}

void CImageList::EndDrag()
{
    const bool dragging = Drag().list != nullptr;
    Drag() = DragState {};
    if (dragging)
        platform::NotifyDragImageChanged();
}

const CImageList::DragState& CImageList::GetDragState()
{
    return Drag();
}
