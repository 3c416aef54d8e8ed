// Loading the window backend module on demand.
#include "platform/WindowBackend.h"

#include "platform/ApplicationNames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace platform {

namespace {

bool g_tried = false;
bool g_loaded = false;
WindowBackendEntry g_entry = nullptr;
WindowBackend* g_backend = nullptr;

bool Wanted()
{
    const std::string& variable = GetApplicationNames().headlessVariable;
    const char* headless = variable.empty() ? nullptr : std::getenv(variable.c_str());
    if (headless && std::strcmp(headless, "1") == 0)
        return false;
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

std::string ModulePath()
{
    char buffer[4096];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (n <= 0)
        return {};
    std::string exe(buffer, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/') + 1) + GetApplicationNames().backendModule;
}

// Loads the module once; its entry point, or null.
WindowBackendEntry LoadModule()
{
    if (g_loaded)
        return g_entry;
    g_loaded = true;
    if (GetApplicationNames().backendModule.empty() || !Wanted())
        return nullptr;
    std::string path = ModulePath();
    if (access(path.c_str(), F_OK) != 0)
        return nullptr;  // a build without the backend: headless, as asked for by nobody's mistake
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "window backend not loaded, running without windows: %s\n", dlerror());
        return nullptr;
    }
    // The module stays loaded for the life of the process: its widgets and hooks live as long.
    g_entry = reinterpret_cast<WindowBackendEntry>(dlsym(module, kWindowBackendEntry));
    if (!g_entry)
        std::fprintf(stderr, "window backend not usable, running without windows: %s\n", path.c_str());
    return g_entry;
}

}  // namespace

void LoadWindowBackend()
{
    LoadModule();
}

WindowBackend* EnsureWindowBackend()
{
    if (g_tried)
        return g_backend;
    g_tried = true;
    if (WindowBackendEntry entry = LoadModule())
        g_backend = entry();
    return g_backend;
}

WindowBackend* ActiveWindowBackend()
{
    return g_backend;
}

}  // namespace platform
