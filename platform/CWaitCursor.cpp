// Cursor state of the window model.
#include "platform/CWaitCursor.h"

#include "platform/WindowObserver.h"

namespace {

HCURSOR CursorFor(LPCSTR name)
{
    return reinterpret_cast<HCURSOR>(const_cast<char*>(name));
}

HCURSOR& Current()
{
    static HCURSOR cursor = CursorFor(IDC_ARROW);
    return cursor;
}

int& Depth()
{
    static int depth = 0;
    return depth;
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE, LPCSTR name)
{
    if (name == IDC_WAIT || name == IDC_IBEAM)
        return CursorFor(name);
    return CursorFor(IDC_ARROW);
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    return LoadCursor(instance, name);
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR previous = Current();
    if (cursor != previous) {
        Current() = cursor;
        platform::NotifyCursorChanged(cursor);
    }
    return previous;
}

HCURSOR GetCursor()
{
    return Current();
}

namespace platform {

HCURSOR CurrentCursor()
{
    return Current();
}

bool IsWaitCursor(HCURSOR cursor)
{
    return cursor == CursorFor(IDC_WAIT);
}

void WaitCursorDepth(int delta)
{
    int& depth = Depth();
    if (delta > 0) {
        ++depth;
    } else if (delta < 0 && depth > 0) {
        --depth;
    }
    SetCursor(LoadCursor(nullptr, depth > 0 ? IDC_WAIT : IDC_ARROW));
}

}  // namespace platform

CWaitCursor::CWaitCursor()
{
    platform::WaitCursorDepth(+1);
}

CWaitCursor::~CWaitCursor()
{
    platform::WaitCursorDepth(-1);
}

void CWaitCursor::Restore()
{
    platform::WaitCursorDepth(0);
}
