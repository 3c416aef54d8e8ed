// A small X client for the backend's tests and benchmark.
//
//   xtool shot WINDOW FILE   saves the window (an id, or "root") as PNG and prints "<width> <height> <colours> <blue>":
//                            the number of different colours (up to 1000) and of pixels drawn in a clear blue
//   xtool fill X Y W H       the percentage of the fullest screen row of the rectangle that is drawn in the theme's
//                            blue (a progress bar's filled part)
//   xtool close WINDOW       asks the window to close as a window manager's close box does (WM_DELETE_WINDOW)
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

int Shot(Window window, const char* file)
{
    GdkDisplay* display = gdk_display_get_default();
    GdkWindow* gdkWindow = window == 0 ? gdk_get_default_root_window()
                                       : gdk_x11_window_foreign_new_for_display(display, window);
    if (!gdkWindow)
        return 2;
    int width = gdk_window_get_width(gdkWindow);
    int height = gdk_window_get_height(gdkWindow);
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(gdkWindow, 0, 0, width, height);
    if (!pixbuf)
        return 2;
    std::set<unsigned> colours;
    long blue = 0;
    const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    int stride = gdk_pixbuf_get_rowstride(pixbuf);
    int channels = gdk_pixbuf_get_n_channels(pixbuf);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const guchar* p = pixels + y * stride + x * channels;
            if (colours.size() < 1000)
                colours.insert(static_cast<unsigned>(p[0]) << 16 | static_cast<unsigned>(p[1]) << 8 | p[2]);
            if (p[2] > p[0] + 60)
                ++blue;
        }
    if (!gdk_pixbuf_save(pixbuf, file, "png", nullptr, nullptr))
        return 2;
    std::printf("%d %d %zu %ld\n", width, height, colours.size(), blue);
    return 0;
}

int Fill(int x, int y, int width, int height)
{
    GdkPixbuf* pixbuf = width > 0 && height > 0
                            ? gdk_pixbuf_get_from_window(gdk_get_default_root_window(), x, y, width, height)
                            : nullptr;
    if (!pixbuf)
        return 2;
    const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    int stride = gdk_pixbuf_get_rowstride(pixbuf);
    int channels = gdk_pixbuf_get_n_channels(pixbuf);
    // The bar may be drawn thinner than its widget: the fullest row counts.
    int best = 0;
    for (int row = 0; row < height; ++row) {
        int blue = 0;
        for (int i = 0; i < width; ++i) {
            const guchar* p = pixels + row * stride + i * channels;
            if (p[2] > p[0] + 60)
                ++blue;
        }
        best = std::max(best, blue);
    }
    std::printf("%d\n", best * 100 / width);
    return 0;
}

int Close(Window window)
{
    Display* x = gdk_x11_display_get_xdisplay(gdk_display_get_default());
    XEvent event;
    std::memset(&event, 0, sizeof(event));
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, window, False, NoEventMask, &event);
    XSync(x, False);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || !gtk_init_check(&argc, &argv))
        return 2;
    Window window = std::strcmp(argv[2], "root") == 0 ? 0 : std::strtoul(argv[2], nullptr, 0);
    if (std::strcmp(argv[1], "shot") == 0 && argc == 4)
        return Shot(window, argv[3]);
    if (std::strcmp(argv[1], "fill") == 0 && argc == 6)
        return Fill(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    if (std::strcmp(argv[1], "close") == 0 && window != 0)
        return Close(window);
    return 2;
}
