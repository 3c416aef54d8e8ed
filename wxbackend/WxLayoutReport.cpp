// The layout report of a top-level window (the window channel's "layout"): where each shown widget lies, in pixels of
// the window, and the size its contents ask for, so that a check from outside finds texts the toolkit clips,
// controls across the border of their group box, forms larger than the frame and dialogs beyond the screen.
//
// One line per item, fields separated by blanks, a control's text last in double quotes:
//   top Frame|Dialog TEMPLATE X Y W H         the window on the screen
//   screen X Y W H                            the screen's work area
//   client X Y W H                            the area that shows the form or the dialog's controls
//   form TEMPLATE X Y W H                     the frame's shown form (its whole extent, scrolled or not)
//   bar X Y W H                               the frame's toolbar
//   control ID CLASS X Y W H NW NH CX CY CW CH "TEXT"
// NW NH is the size the widget's contents ask for, its natural width and its least height (0 0 where the widget's
// size is not its content's: edits, lists);
// CX CY CW CH is where its contents stand: a text's lines by their alignment, a check box's box and label, a group
// box's caption (0 0 0 0 without one), else the widget itself.
#include "wxbackend/WxBackend.h"

#include "platform/CDialog.h"
#include "platform/CFormView.h"

#include <gtk/gtk.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace wxbackend {

namespace {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

std::string Format(const char* head, const Box& b)
{
    char line[160];
    std::snprintf(line, sizeof line, "%s %d %d %d %d\n", head, b.x, b.y, b.w, b.h);
    return line;
}

// The widget's allocation in the coordinates of the top-level widget; false when it is not on the screen.
bool Placed(GtkWidget* widget, GtkWidget* top, Box& box)
{
    if (!widget || !gtk_widget_get_mapped(widget))
        return false;
    int x = 0;
    int y = 0;
    if (!gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y))
        return false;
    box = {x, y, gtk_widget_get_allocated_width(widget), gtk_widget_get_allocated_height(widget)};
    return true;
}

Box Natural(GtkWidget* widget)
{
    GtkRequisition minimum;
    GtkRequisition natural;
    gtk_widget_get_preferred_size(widget, &minimum, &natural);
    // A list's text is ellipsized below its natural width; any height from the minimum up draws it whole.
    return {0, 0, natural.width, minimum.height};
}

// The widget's CSS margin: its allocation holds it, its contents stand inside it.
GtkBorder MarginOf(GtkWidget* widget)
{
    GtkBorder margin{};
    GtkStyleContext* style = gtk_widget_get_style_context(widget);
    gtk_style_context_get_margin(style, gtk_style_context_get_state(style), &margin);
    return margin;
}

Box WithoutMargin(GtkWidget* widget, const Box& box)
{
    const GtkBorder m = MarginOf(widget);
    return {box.x + m.left, box.y + m.top, box.w - m.left - m.right, box.h - m.top - m.bottom};
}

int Margins(GtkWidget* widget)
{
    const GtkBorder m = MarginOf(widget);
    return m.left + m.right;
}

// Where a text of that size stands in its allocation by the alignment: the part the text covers.
Box Aligned(const Box& alloc, const Box& natural, float xalign, float yalign)
{
    const int w = std::min(alloc.w, natural.w);
    const int h = std::min(alloc.h, natural.h);
    return {alloc.x + static_cast<int>((alloc.w - w) * xalign), alloc.y + static_cast<int>((alloc.h - h) * yalign), w,
            h};
}

const char* ClassOf(const platform::WindowData& data)
{
    switch (data.kind) {
    case platform::WindowKind::Button:
        switch (data.style & BS_TYPEMASK) {
        case BS_GROUPBOX: return "group";
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return "check";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return "radio";
        default: return "button";
        }
    case platform::WindowKind::Static: return (data.style & SS_TYPEMASK) == SS_ICON ? "icon" : "static";
    case platform::WindowKind::Edit: return "edit";
    case platform::WindowKind::ComboBox: return "combo";
    case platform::WindowKind::ListBox: return "list";
    case platform::WindowKind::TreeView: return "tree";
    case platform::WindowKind::ListView: return "listview";
    case platform::WindowKind::Tab: return "tab";
    case platform::WindowKind::Progress: return "progress";
    default: return "window";
    }
}

std::string Quoted(const CString& text)
{
    std::string out = "\"";
    for (int i = 0; i < text.GetLength(); ++i) {
        char c = text[i];
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out + "\"";
}

}  // namespace

std::string WxBackend::LayoutReport(HWND topHwnd)
{
    Mirror* topMirror = Find(topHwnd);
    platform::WindowData* topData = platform::FindWindowData(topHwnd);
    if (!topMirror || !topData || !topMirror->Widget()->IsShown())
        return {};
    // What the model changed last is laid out and drawn by the toolkit's next frames.
    for (int i = 0; i < 8; ++i) {
        Flush();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    Guard guard;
    wxWindow* topWidget = topMirror->Widget();
    auto* top = static_cast<GtkWidget*>(topWidget->GetHandle());
    std::string out;
    const bool frame = topData->kind == platform::WindowKind::Frame;
    UINT templateId = 0;
    if (auto* dialog = ControlOf<CDialog>(topHwnd))
        templateId = dialog->GetTemplateId();
    wxRect screenRect = topWidget->GetScreenRect();
    char head[64];
    std::snprintf(head, sizeof head, "top %s %u", frame ? "Frame" : "Dialog", templateId);
    out += Format(head, {screenRect.x, screenRect.y, screenRect.width, screenRect.height});
    const CRect& screen = platform::ScreenRect();
    out += Format("screen",
                  {static_cast<int>(screen.left), static_cast<int>(screen.top), static_cast<int>(screen.Width()),
                   static_cast<int>(screen.Height())});

    std::vector<HWND> controls;
    if (frame) {
        wxWindow* client = topMirror->ChildParent();
        Box area;
        if (Placed(static_cast<GtkWidget*>(client->GetHandle()), top, area)) {
            wxSize inside = client->GetClientSize();
            out += Format("client", {area.x, area.y, inside.x, inside.y});
        }
        for (HWND child : topData->children) {
            platform::WindowData* c = platform::FindWindowData(child);
            Mirror* mirror = Find(child);
            Box box;
            if (!c || !mirror || !Placed(static_cast<GtkWidget*>(mirror->Widget()->GetHandle()), top, box))
                continue;
            if (c->kind == platform::WindowKind::ToolBar) {
                out += Format("bar", box);
            } else if (c->kind == platform::WindowKind::View && c->id == AFX_IDW_PANE_FIRST) {
                auto* form = ControlOf<CFormView>(child);
                std::snprintf(head, sizeof head, "form %u", form ? form->GetTemplateId() : 0u);
                out += Format(head, box);
                controls = c->children;
            }
        }
    } else {
        wxSize inside = topWidget->GetClientSize();
        wxPoint origin = topWidget->GetClientAreaOrigin();
        out += Format("client", {origin.x, origin.y, inside.x, inside.y});
        controls = topData->children;
    }

    for (HWND hwnd : controls) {
        platform::WindowData* data = platform::FindWindowData(hwnd);
        Mirror* mirror = Find(hwnd);
        if (!data || !mirror || !mirror->Widget() || !mirror->Widget()->IsShownOnScreen())
            continue;
        auto* widget = static_cast<GtkWidget*>(mirror->Widget()->GetHandle());
        Box alloc;
        if (!Placed(widget, top, alloc))
            continue;
        const char* cls = ClassOf(*data);
        const std::string kind = cls;
        Box natural;
        Box content = alloc;
        if (GTK_IS_LABEL(widget)) {
            alloc = WithoutMargin(widget, alloc);
            natural = Natural(widget);
            natural.w -= Margins(widget);
            // A text the label breaks into lines needs only their height at its width.
            if (gtk_label_get_line_wrap(GTK_LABEL(widget)))
                natural.w = std::min(natural.w, alloc.w);
            int least = 0;
            int wanted = 0;
            gtk_widget_get_preferred_height_for_width(widget, alloc.w + Margins(widget), &least, &wanted);
            natural.h = least;
            content = Aligned(alloc, natural, gtk_label_get_xalign(GTK_LABEL(widget)),
                              gtk_label_get_yalign(GTK_LABEL(widget)));
        } else if (kind == "group") {
            // The caption's place, also for an empty one: the box's top line runs through its middle.
            content = {};
            GtkWidget* caption = GTK_IS_FRAME(widget) ? gtk_frame_get_label_widget(GTK_FRAME(widget)) : nullptr;
            if (caption && Placed(caption, top, content)) {
                content = WithoutMargin(caption, content);
                natural = Natural(caption);
                natural.w -= Margins(caption);
            }
        } else if (kind == "check" || kind == "radio") {
            natural = Natural(widget);
            content = {alloc.x, alloc.y, std::min(alloc.w, natural.w), alloc.h};
        } else if (kind == "button" || kind == "combo" || kind == "icon") {
            natural = Natural(widget);
        }
        char line[200];
        std::snprintf(line, sizeof line, "control %u %s %d %d %d %d %d %d %d %d %d %d ", data->id, cls, alloc.x,
                      alloc.y, alloc.w, alloc.h, natural.w, natural.h, content.x, content.y, content.w, content.h);
        out += line + Quoted(data->text) + "\n";
    }
    return out;
}

}  // namespace wxbackend
