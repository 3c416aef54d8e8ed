// Exit hooks and the single exit path.
#include "platform/ProcessExit.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::vector<ExitHook>& Hooks()
{
    static std::vector<ExitHook> hooks;
    return hooks;
}

}  // namespace

void AddExitHook(ExitHook hook)
{
    auto& hooks = Hooks();
    if (hook && std::find(hooks.begin(), hooks.end(), hook) == hooks.end())
        hooks.push_back(hook);
}

void EndProcess(int code)
{
    auto& hooks = Hooks();
    // A hook that ends the process itself must not run the others twice.
    std::vector<ExitHook> pending;
    pending.swap(hooks);
    for (auto it = pending.rbegin(); it != pending.rend(); ++it)
        (*it)();
    std::fflush(nullptr);
    _exit(code);
}

}  // namespace platform
