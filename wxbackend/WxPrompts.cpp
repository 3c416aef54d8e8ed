// Native message boxes and file dialogs.
#include "wxbackend/WxPrompts.h"

#include "platform/CWnd.h"
#include "platform/EventLoop.h"
#include "wxbackend/WxBackend.h"
#include "wxbackend/WxText.h"

#include <gtk/gtk.h>

#include <fnmatch.h>
#include <vector>

namespace wxbackend {

namespace {

struct ButtonRow {
    int id;
    const char* label;  // GTK's own translated label where GTK has one
};

// The buttons of each MB_ type, left to right.
const std::vector<ButtonRow> kButtons[] = {
    {{IDOK, "_OK"}},
    {{IDOK, "_OK"}, {IDCANCEL, "_Cancel"}},
    {{IDABORT, "_Abort"}, {IDRETRY, "_Retry"}, {IDIGNORE, "_Ignore"}},
    {{IDYES, "_Yes"}, {IDNO, "_No"}, {IDCANCEL, "_Cancel"}},
    {{IDYES, "_Yes"}, {IDNO, "_No"}},
    {{IDRETRY, "_Retry"}, {IDCANCEL, "_Cancel"}},
};

GtkWindow* OwnerWindow(HWND owner)
{
    CWnd* wnd = CWnd::FromHandle(owner);
    CWnd* top = wnd ? wnd->GetTopLevelParent() : nullptr;
    Mirror* mirror = top ? WxBackend::Instance().Find(top->m_hWnd) : nullptr;
    wxWindow* widget = mirror ? mirror->Widget() : nullptr;
    return widget && widget->IsShown() ? GTK_WINDOW(widget->GetHandle()) : nullptr;
}

// Disables the owner for the life of a box, as the original platform does, so that nobody acts on it meanwhile.
class OwnerLock {
public:
    explicit OwnerLock(HWND owner)
    {
        CWnd* wnd = CWnd::FromHandle(owner);
        m_top = wnd ? wnd->GetTopLevelParent() : nullptr;
        if (m_top && m_top->IsWindowEnabled()) {
            m_hwnd = m_top->m_hWnd;
            m_top->EnableWindow(FALSE);
        }
    }
    ~OwnerLock()
    {
        if (m_hwnd && platform::FindWindowData(m_hwnd))
            CWnd::FromHandle(m_hwnd)->EnableWindow(TRUE);
    }
    OwnerLock(const OwnerLock&) = delete;
    OwnerLock& operator=(const OwnerLock&) = delete;

private:
    CWnd* m_top = nullptr;
    HWND m_hwnd = nullptr;
};

class Prompts final : public platform::Prompts {
public:
    int ShowMessageBox(const platform::MessageBoxRequest& request) override;
    platform::FileDialogAnswer ShowFileDialog(const platform::FileDialogRequest& request) override;
    bool EndShownMessageBox(int button) override;
    bool EndShownFileDialog(const platform::FileDialogAnswer& answer) override;

private:
    struct Box {
        std::vector<int> buttons;
        int cancelAnswer = 0;  // what the close box and Escape answer; 0 when the box has no close box
        int answer = 0;
    };
    struct FileBox {
        bool done = false;
        platform::FileDialogAnswer answer;
    };
    Box* m_box = nullptr;
    FileBox* m_file = nullptr;
};

// A box is held from its creation until it is done with: a key that closes it (Escape) may have the toolkit destroy
// it before the program has read the answer.
GtkWidget* HoldBox(GtkWidget* dialog)
{
    g_object_ref_sink(dialog);
    return dialog;
}

void DestroyBox(GtkWidget* dialog, GtkWindow* owner)
{
    gtk_widget_destroy(dialog);
    g_object_unref(dialog);
    if (owner)
        gtk_window_present(owner);
}

void OnBoxResponse(GtkDialog*, gint response, gpointer data)
{
    auto* box = static_cast<int*>(data);
    *box = response;
}

int Prompts::ShowMessageBox(const platform::MessageBoxRequest& request)
{
    UINT type = request.flags & MB_TYPEMASK;
    const std::vector<ButtonRow>& rows = kButtons[type < 6 ? type : 0];
    GtkMessageType icon = GTK_MESSAGE_OTHER;
    switch (request.flags & MB_ICONMASK) {
    case 0x10: icon = GTK_MESSAGE_ERROR; break;
    case 0x20: icon = GTK_MESSAGE_QUESTION; break;
    case 0x30: icon = GTK_MESSAGE_WARNING; break;
    case 0x40: icon = GTK_MESSAGE_INFO; break;
    default: break;
    }
    OwnerLock lock(request.owner);
    GtkWindow* owner = OwnerWindow(request.owner);
    std::string text(ToWxLines(request.text).utf8_str());
    GtkWidget* dialog =
        HoldBox(gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, icon, GTK_BUTTONS_NONE, "%s", text.c_str()));
    gtk_window_set_title(GTK_WINDOW(dialog), ToWx(request.caption).utf8_str());
    // GTK 3 no longer shows the kind's icon by itself; the original boxes always show it.
    const char* iconName = icon == GTK_MESSAGE_ERROR      ? "dialog-error"
                           : icon == GTK_MESSAGE_QUESTION ? "dialog-question"
                           : icon == GTK_MESSAGE_WARNING  ? "dialog-warning"
                           : icon == GTK_MESSAGE_INFO     ? "dialog-information"
                                                          : nullptr;
    if (iconName) {
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        GtkWidget* image = gtk_image_new_from_icon_name(iconName, GTK_ICON_SIZE_DIALOG);
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), image);
        gtk_widget_show(image);
        G_GNUC_END_IGNORE_DEPRECATIONS
    }
    Box box;
    for (const ButtonRow& row : rows) {
        gtk_dialog_add_button(GTK_DIALOG(dialog), g_dgettext("gtk30", row.label), row.id);
        box.buttons.push_back(row.id);
        if (row.id == IDCANCEL || (rows.size() == 1 && row.id == IDOK))
            box.cancelAnswer = row.id;
    }
    UINT defaultIndex = (request.flags & MB_DEFMASK) >> 8;
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), rows[defaultIndex < rows.size() ? defaultIndex : 0].id);
    gtk_window_set_deletable(GTK_WINDOW(dialog), box.cancelAnswer != 0);
    if (request.flags & (MB_SYSTEMMODAL | MB_TOPMOST))
        gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    if (!owner)
        gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    int response = 0;
    g_signal_connect(dialog, "response", G_CALLBACK(OnBoxResponse), &response);
    gtk_widget_show_all(dialog);

    Box* outer = m_box;
    m_box = &box;
    platform::EventLoop::Current().RunUntil(
        [&] {
            if (response == GTK_RESPONSE_DELETE_EVENT) {
                response = 0;
                if (box.cancelAnswer)
                    box.answer = box.cancelAnswer;
            } else if (response > 0) {
                box.answer = response;
            }
            return box.answer != 0 || platform::QuitRequested();
        },
        true);
    m_box = outer;
    DestroyBox(dialog, owner);
    return box.answer != 0 ? box.answer : IDCANCEL;
}

bool Prompts::EndShownMessageBox(int button)
{
    if (!m_box)
        return false;
    for (int id : m_box->buttons)
        if (id == button) {
            m_box->answer = button;
            return true;
        }
    return false;
}

struct FilterPatterns {
    std::vector<std::string> patterns;
};

gboolean MatchesPatterns(const GtkFileFilterInfo* info, gpointer data)
{
    const auto* filter = static_cast<const FilterPatterns*>(data);
    if (!info->display_name)
        return FALSE;
    for (const std::string& pattern : filter->patterns)
        if (fnmatch(pattern.c_str(), info->display_name, FNM_CASEFOLD) == 0)
            return TRUE;
    return FALSE;
}

// "description|pattern;pattern|...||" as GTK filters; names match without regard to case, as on the original
// platform. A description without a pattern shows every file.
void AddFilters(GtkFileChooser* chooser, const CString& filter)
{
    std::vector<std::string> parts;
    std::string text(ToWx(filter).utf8_str());
    size_t start = 0;
    for (size_t bar = text.find('|'); bar != std::string::npos; bar = text.find('|', start)) {
        parts.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    if (start < text.size())
        parts.push_back(text.substr(start));
    for (size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty())
            break;
        auto* patterns = new FilterPatterns;
        std::string list = i + 1 < parts.size() ? parts[i + 1] : std::string();
        for (size_t from = 0; from <= list.size();) {
            size_t semi = list.find(';', from);
            std::string one = list.substr(from, semi == std::string::npos ? std::string::npos : semi - from);
            if (!one.empty())
                patterns->patterns.push_back(one);
            if (semi == std::string::npos)
                break;
            from = semi + 1;
        }
        if (patterns->patterns.empty())
            patterns->patterns.push_back("*");
        GtkFileFilter* gtkFilter = gtk_file_filter_new();
        gtk_file_filter_set_name(gtkFilter, parts[i].c_str());
        gtk_file_filter_add_custom(gtkFilter, GTK_FILE_FILTER_DISPLAY_NAME, MatchesPatterns, patterns,
                                   [](gpointer p) { delete static_cast<FilterPatterns*>(p); });
        gtk_file_chooser_add_filter(chooser, gtkFilter);
    }
}

platform::FileDialogAnswer Prompts::ShowFileDialog(const platform::FileDialogRequest& request)
{
    OwnerLock lock(request.owner);
    GtkWindow* owner = OwnerWindow(request.owner);
    std::string title(ToWx(request.title.IsEmpty() ? CString(request.open ? "Apri" : "Salva con nome")
                                                    : request.title)
                          .utf8_str());
    GtkWidget* dialog = HoldBox(gtk_file_chooser_dialog_new(
        title.c_str(), owner, request.open ? GTK_FILE_CHOOSER_ACTION_OPEN : GTK_FILE_CHOOSER_ACTION_SAVE,
        g_dgettext("gtk30", "_Cancel"), GTK_RESPONSE_CANCEL,
        g_dgettext("gtk30", request.open ? "_Open" : "_Save"), GTK_RESPONSE_ACCEPT, nullptr));
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    AddFilters(chooser, request.filter);
    if (!request.initialDir.IsEmpty())
        gtk_file_chooser_set_current_folder(chooser, ToWx(request.initialDir).utf8_str());
    if (!request.fileName.IsEmpty()) {
        CString name = request.fileName;
        int slash = std::max(name.ReverseFind('/'), name.ReverseFind('\\'));
        if (request.open)
            gtk_file_chooser_set_filename(chooser, ToWx(name).utf8_str());
        else
            gtk_file_chooser_set_current_name(chooser, ToWx(name.Mid(slash + 1)).utf8_str());
    }
    if (!request.open && (request.flags & OFN_OVERWRITEPROMPT))
        gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
    int response = 0;
    g_signal_connect(dialog, "response", G_CALLBACK(OnBoxResponse), &response);
    gtk_widget_show_all(dialog);

    FileBox box;
    FileBox* outer = m_file;
    m_file = &box;
    platform::EventLoop::Current().RunUntil(
        [&] {
            if (response == GTK_RESPONSE_ACCEPT) {
                response = 0;
                gchar* chosen = gtk_file_chooser_get_filename(chooser);
                CString path;
                // A name the program cannot hold in its own encoding cannot be used: the dialog stays up.
                if (chosen && FromWx(wxString::FromUTF8(chosen), path)) {
                    box.answer.ok = true;
                    box.answer.path = path;
                    box.done = true;
                } else {
                    wxBell();
                }
                g_free(chosen);
            } else if (response != 0) {
                box.done = true;
            }
            return box.done || platform::QuitRequested();
        },
        true);
    m_file = outer;
    DestroyBox(dialog, owner);
    return box.answer;
}

bool Prompts::EndShownFileDialog(const platform::FileDialogAnswer& answer)
{
    if (!m_file)
        return false;
    m_file->answer = answer;
    m_file->done = true;
    return true;
}

}  // namespace

platform::Prompts& GtkPrompts()
{
    static Prompts prompts;
    return prompts;
}

}  // namespace wxbackend
