// The wxWidgets/GTK window backend: one mirror per model window, kept in line through platform::WindowObserver.
//
// Only this folder includes wxWidgets and GTK headers. A mirror turns model changes into native calls and native
// signals into platform::UserInput calls; every native call runs under a Guard, and a signal that arrives while a
// guard is held was raised by the mirroring itself and is dropped, so a change made by code never reaches a handler.
#pragma once

#include "platform/CWnd.h"
#include "platform/WindowBackend.h"
#include "platform/WindowData.h"
#include "platform/WindowObserver.h"

#include <wx/weakref.h>
#include <wx/wx.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class CImageList;
class wxGUIEventLoop;
class wxImageList;

namespace platform {
struct Image;
}

namespace wxbackend {

class Mirror;

class WxBackend final : public platform::WindowBackend, public platform::WindowObserver {
public:
    // Opens the display and mirrors the windows that exist; null when the display cannot be opened.
    static WxBackend* Start();
    static WxBackend& Instance();

    void WindowChanged(HWND hwnd, platform::WindowChange change) override;
    void CursorChanged(HCURSOR cursor) override;
    void DragImageChanged() override;

    bool ScreenRectOf(HWND hwnd, CRect& rect) override;
    bool ScreenRectOfPart(HWND hwnd, int part, CRect& rect) override;
    void Flush() override;
    unsigned long NativeWindowId(HWND hwnd) override;
    // In WxLayoutReport.cpp.
    std::string LayoutReport(HWND top) override;

    // Held around every native call that mirrors the model.
    class Guard {
    public:
        Guard() { ++Instance().m_mirroring; }
        ~Guard() { --Instance().m_mirroring; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
    };
    // Whether a signal now comes from mirroring (and must be dropped) rather than from a person.
    bool Mirroring() const { return m_mirroring > 0; }

    Mirror* Find(HWND hwnd) const;
    // The mirror of the control that holds a widget, or null.
    Mirror* FindByWidget(const wxWindow* widget) const;

    // Model pixels (dialog units converted with the model's fixed base units) to pixels of the dialog font.
    int ScaleX(int modelPixels) const;
    int ScaleY(int modelPixels) const;
    wxRect ToPixels(const CRect& modelRect) const;
    const wxFont& DialogFont() const { return m_font; }
    // The height a closed drop-down list needs to draw a selected item of the dialog font whole.
    int ComboHeight() const { return m_comboHeight; }

    // Destroys a widget on the next pump, outside any signal it may be emitting now.
    void Doom(wxWindow* widget);
    // Toolkit events, then the toolkit's idle work; no model task runs here.
    void Pump();
    // Lets the toolkit draw while the model works without returning to its loop; input waits in the toolkit's queue.
    void RepaintNow();
    // Runs a person's action from the program's own loop, after the toolkit's signal that brought it has returned:
    // no handler of the program, and no modal loop one opens, ever runs inside the toolkit's signal (the toolkit could
    // not run for a window such a loop shows).
    void Later(std::function<void()> action);

private:
    WxBackend() = default;
    bool Open();
    void MirrorTree(HWND hwnd);
    // A window that gets no widget until it is shown.
    static bool Deferred(const platform::WindowData& data);
    void Create(HWND hwnd);
    void Destroy(HWND hwnd);

    std::map<HWND, std::unique_ptr<Mirror>> m_mirrors;
    std::vector<wxWeakRef<wxWindow>> m_doomed;
    // Windows whose items changed since the last pump: a list filled item by item is mirrored once, not once per
    // item (a form that fills many long lists would otherwise copy each list as often as it has items).
    std::vector<HWND> m_itemsChanged;
    void MirrorChangedItems();
    // The drag image changes often within one action (hidden and shown again around each move): it is mirrored
    // once per pump, as the model holds it then.
    bool m_dragChanged = false;
    int m_mirroring = 0;
    bool m_pumping = false;
    bool m_busyCursor = false;
    wxFont m_font;
    int m_baseX = 6;
    int m_baseY = 13;
    int m_comboHeight = 0;
    wxGUIEventLoop* m_loop = nullptr;
    std::chrono::steady_clock::time_point m_lastRepaint;
};

// A model window's widget.
class Mirror {
public:
    explicit Mirror(HWND hwnd) : m_hwnd(hwnd) {}
    virtual ~Mirror() = default;
    Mirror(const Mirror&) = delete;
    Mirror& operator=(const Mirror&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    platform::WindowData* Data() const { return platform::FindWindowData(m_hwnd); }
    CWnd& Wnd() const { return *CWnd::FromHandle(m_hwnd); }
    virtual wxWindow* Widget() const = 0;
    // The widget of a part that is no model window of its own (a toolbar's button), or null.
    virtual wxWindow* PartWidget(int /*part*/) const { return nullptr; }
    // Where child controls go.
    virtual wxWindow* ChildParent() const { return Widget(); }
    // Brings the widget in line with the model; Created brings every aspect.
    virtual void Update(platform::WindowChange change);
    // A child was shown, hidden or moved (frames lay out their views).
    virtual void ChildChanged() {}

protected:
    WxBackend& Backend() const { return WxBackend::Instance(); }
    // Every person's action on the widget reaches the model through here: it runs from the program's own loop once
    // the toolkit's signal has returned (WxBackend::Later), and not at all when the window or this mirror is gone by
    // then. Actions run in the order the person made them.
    void Defer(std::function<void()> action);
    // Shows one aspect of the model again (after a person's action the model may have decided otherwise than the
    // widget did), when the window still has this mirror.
    void ShowAgain(platform::WindowChange change);
    // Enables or disables the widget as the model says. A top-level window that is disabled (while a modal dialog or
    // box runs) gets the keyboard focus back on the control that had it when it is enabled again: the toolkit drops
    // the focus of a disabled window.
    void ShowEnabled();
    // The widget's rectangle from the model, for a child control.
    wxRect Rect() const { return Backend().ToPixels(Data()->rect); }

private:
    HWND m_hwnd;
    wxWeakRef<wxWindow> m_focusWhileDisabled;
};

// Factories, one per kind of widget (one source file each).
std::unique_ptr<Mirror> MakeFrame(HWND hwnd);
std::unique_ptr<Mirror> MakeDialog(HWND hwnd, wxWindow* owner);
std::unique_ptr<Mirror> MakeView(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeToolBar(HWND hwnd, Mirror& frame);
std::unique_ptr<Mirror> MakeStatusBar(HWND hwnd, Mirror& frame);
std::unique_ptr<Mirror> MakeButton(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeStatic(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeEdit(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeComboBox(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeListBox(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeTreeView(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeListView(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeTab(HWND hwnd, wxWindow* parent);
std::unique_ptr<Mirror> MakeProgress(HWND hwnd, wxWindow* parent);

// The frame mirror's parts the toolbar and status bar attach to.
wxWindow* BarParent(Mirror& frame);
void AttachToolBar(Mirror& frame, wxWindow* bar);
void AttachStatusBar(Mirror& frame, wxStatusBar* bar);

// Part of an image of the resource registry as a bitmap with its transparency; an empty bitmap when there is no
// image, the image does not hold the part, or the part is wholly transparent.
wxBitmap PictureOf(const platform::Image* image, const wxRect& part);
// Image `part` of a bitmap of the registry that holds its images of `size` side by side; an empty bitmap for bitmap 0
// (a picture of a window part, drawn by nobody here), a negative part, or as PictureOf.
wxBitmap RegistryPicture(UINT bitmap, int part, CSize size);

// Where an image of a model's image list comes from: a part of a bitmap of the registry, of the list's image size.
struct ImageSource {
    UINT bitmap = 0;
    int part = 0;
    CSize size;
    bool operator==(const ImageSource&) const = default;
};
// The sources of the images of a model's image list in order; none without a created list.
std::vector<ImageSource> ImageSourcesOf(const CImageList* list);
// A widget's image list of those images (an image without a picture is transparent); null for no images. The
// caller owns it (a widget assigned it).
wxImageList* MakeImageList(const std::vector<ImageSource>& sources);

// The window that owned a modal dialog or box becomes the active one again when it ends, with the keyboard focus on
// the control that had it, as the original platform does (and not only where a window manager does so).
void ActivateOwner(wxWindow* owner);

// Brings the picture that follows the pointer during a drag in line with the model's drag image.
void MirrorDragImage();

// The model's control object of a window, whichever object receives its messages.
template <class Control>
Control* ControlOf(HWND hwnd)
{
    platform::WindowData* data = platform::FindWindowData(hwnd);
    if (!data)
        return nullptr;
    for (auto it = data->wrappers.rbegin(); it != data->wrappers.rend(); ++it)
        if (auto* typed = dynamic_cast<Control*>(*it))
            return typed;
    return nullptr;
}

}  // namespace wxbackend
