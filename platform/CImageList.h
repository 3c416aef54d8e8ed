// CImageList: a list of equally sized images, and the drag image that follows the mouse while a row is dragged.
//
// The model records the images (bitmap ids, a bitmap holding several images of the list's width adds them all) and
// the drag state; the window backend draws them. Only one drag runs at a time.
#pragma once

#include "platform/CBitmap.h"
#include "platform/CPoint.h"
#include "platform/WindowTypes.h"

#include <vector>

class CWnd;

class CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    bool IsCreated() const { return m_created; }
    // Index of the first image added, or -1.
    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(CBitmap* bitmap, COLORREF maskColor);
    // An image the window backend draws itself: part of bitmap bitmapId, or with bitmapId 0 a picture of a window
    // part such as a dragged row (part then names the row). Returns its index.
    int AddImage(UINT bitmapId, int part);
    BOOL Remove(int index);
    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    CSize GetImageSize() const { return m_size; }
    // The bitmap id and the image's index within that bitmap.
    bool GetImageSource(int index, UINT& bitmapId, int& part) const;
    // The window whose parts the pictures of bitmap 0 show (a list's drag image shows a row of the list).
    void SetPictureWindow(HWND window) { m_pictureWindow = window; }
    HWND GetPictureWindow() const { return m_pictureWindow; }

    // Dragging; each change is reported to the window observers.
    BOOL BeginDrag(int image, CPoint hotSpot);
    static BOOL DragEnter(CWnd* lockWindow, CPoint point);
    static BOOL DragMove(CPoint point);
    static BOOL DragShowNolock(BOOL show);
    static BOOL DragLeave(CWnd* lockWindow);
    static void EndDrag();

    struct DragState {
        const CImageList* list = nullptr;  // null while no drag runs
        int image = -1;
        CPoint hotSpot;
        bool entered = false;
        bool shown = false;
        CPoint position;                   // screen coordinates
    };
    static const DragState& GetDragState();

private:
    struct Image {
        UINT bitmap;
        int part;
    };
    bool m_created = false;
    CSize m_size;
    std::vector<Image> m_images;
    HWND m_pictureWindow = nullptr;
};
