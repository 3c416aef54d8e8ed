// A small X client for the backend's tests and benchmark.
//
//   xtool shot WINDOW FILE   saves the window (an id, or "root") as PNG and prints "<width> <height> <colours> <blue>":
//                            the number of different colours (up to 1000) and of pixels drawn in a clear blue
//   xtool fill X Y W H       the percentage of the fullest screen row of the rectangle that is drawn in the theme's
//                            blue (a progress bar's filled part)
//   xtool count WINDOW PICTURE...
//                            how often each picture appears in the window, pixel for pixel, one count per line; a
//                            picture is its width, "x", its height, ":" and then each pixel row by row as six hex
//                            digits RRGGBB or "------" for a transparent pixel, which matches anything
//   xtool find WINDOW PICTURE
//                            where the picture appears in the window: "<x> <y>" of its top left corner, one line each
//   xtool at X Y             the topmost shown window of the screen at the point, as a window manager stacks them:
//                            "<id> <x> <y> <width> <height>"
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
#include <string>
#include <utility>
#include <vector>

namespace {

// The pixels of a window (an id, or 0 for the root window), or null.
GdkPixbuf* Grab(Window window)
{
    GdkDisplay* display = gdk_display_get_default();
    GdkWindow* gdkWindow = window == 0 ? gdk_get_default_root_window()
                                       : gdk_x11_window_foreign_new_for_display(display, window);
    if (!gdkWindow)
        return nullptr;
    return gdk_pixbuf_get_from_window(gdkWindow, 0, 0, gdk_window_get_width(gdkWindow),
                                      gdk_window_get_height(gdkWindow));
}

int Shot(Window window, const char* file)
{
    GdkPixbuf* pixbuf = Grab(window);
    if (!pixbuf)
        return 2;
    const int width = gdk_pixbuf_get_width(pixbuf);
    const int height = gdk_pixbuf_get_height(pixbuf);
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

// A picture of the count verb: its size and pixels, -1 for transparent.
struct Picture {
    int width = 0, height = 0;
    std::vector<long> pixels;
};

bool ParsePicture(const std::string& text, Picture& picture)
{
    if (std::sscanf(text.c_str(), "%dx%d:", &picture.width, &picture.height) != 2 || picture.width <= 0 ||
        picture.height <= 0)
        return false;
    const size_t start = text.find(':') + 1;
    const size_t count = static_cast<size_t>(picture.width * picture.height);
    if (text.size() != start + 6 * count)
        return false;
    for (size_t i = 0; i < count; ++i) {
        const std::string hex = text.substr(start + 6 * i, 6);
        picture.pixels.push_back(hex == "------" ? -1 : std::strtol(hex.c_str(), nullptr, 16));
    }
    return true;
}

// Where each picture appears in the window, pixel for pixel: the top left corners, row by row; false when the window
// cannot be read or a picture cannot be parsed.
bool Places(Window window, int count, char** texts, std::vector<std::vector<std::pair<int, int>>>& places)
{
    GdkPixbuf* pixbuf = Grab(window);
    if (!pixbuf)
        return false;
    const int width = gdk_pixbuf_get_width(pixbuf);
    const int height = gdk_pixbuf_get_height(pixbuf);
    const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    auto at = [&](int x, int y) {
        const guchar* p = pixels + y * stride + x * channels;
        return static_cast<long>(p[0]) << 16 | static_cast<long>(p[1]) << 8 | p[2];
    };
    bool parsed = true;
    for (int i = 0; parsed && i < count; ++i) {
        Picture picture;
        parsed = ParsePicture(texts[i], picture);
        places.emplace_back();
        for (int top = 0; parsed && top + picture.height <= height; ++top)
            for (int left = 0; left + picture.width <= width; ++left) {
                bool match = true;
                for (int y = 0; match && y < picture.height; ++y)
                    for (int x = 0; match && x < picture.width; ++x) {
                        const long want = picture.pixels[static_cast<size_t>(y * picture.width + x)];
                        match = want < 0 || want == at(left + x, top + y);
                    }
                if (match)
                    places.back().emplace_back(left, top);
            }
    }
    g_object_unref(pixbuf);
    return parsed;
}

int Count(Window window, int count, char** texts)
{
    std::vector<std::vector<std::pair<int, int>>> places;
    if (!Places(window, count, texts, places))
        return 2;
    for (const auto& found : places)
        std::printf("%zu\n", found.size());
    return 0;
}

int Find(Window window, char* text)
{
    std::vector<std::vector<std::pair<int, int>>> places;
    if (!Places(window, 1, &text, places))
        return 2;
    for (const auto& [x, y] : places.front())
        std::printf("%d %d\n", x, y);
    return 0;
}

int At(int px, int py)
{
    Display* x = gdk_x11_display_get_xdisplay(gdk_display_get_default());
    Window root = DefaultRootWindow(x), parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(x, root, &root, &parent, &children, &count))
        return 2;
    int result = 1;
    // Children come bottom to top.
    for (unsigned int i = count; i-- > 0;) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(x, children[i], &a) || a.map_state != IsViewable)
            continue;
        if (px >= a.x && py >= a.y && px < a.x + a.width && py < a.y + a.height) {
            std::printf("%lu %d %d %d %d\n", children[i], a.x, a.y, a.width, a.height);
            result = 0;
            break;
        }
    }
    if (children)
        XFree(children);
    return result;
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
    if (std::strcmp(argv[1], "count") == 0 && argc > 3)
        return Count(window, argc - 3, argv + 3);
    if (std::strcmp(argv[1], "find") == 0 && argc == 4)
        return Find(window, argv[3]);
    if (std::strcmp(argv[1], "at") == 0 && argc == 4)
        return At(std::atoi(argv[2]), std::atoi(argv[3]));
    if (std::strcmp(argv[1], "close") == 0 && window != 0)
        return Close(window);
    return 2;
}
