// The XML import as the program carries it: a module beside the program, loaded with the parser library it needs on
// a thread of its own when PrepareParser starts it, else by the first parse (drawing/CMakeLists.txt says why).
#include "drawing/ParseXml.h"
#include "drawing/ParserMessageBox.h"

#include <dlfcn.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace drawing {

namespace {

constexpr UINT kBoxFlags = MB_TASKMODAL | MB_ICONWARNING | MB_OK;

using PrepareEntry = void (*)();
using ParseEntry = int (*)(const char*);

struct Module {
    bool tried = false;
    ParseEntry parse = nullptr;
    std::string failure;
};

Module& TheModule()
{
    static Module module;
    return module;
}

std::thread& Loading()
{
    static std::thread loading;
    return loading;
}

std::string ModulePath()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    const std::string exe = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
    return exe.substr(0, exe.rfind('/') + 1) + MORV_XML_MODULE;
}

// Loads the module and initialises the parser library in it, once.
void Load()
{
    Module& module = TheModule();
    if (module.tried)
        return;
    module.tried = true;
    const std::string path = ModulePath();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* error = dlerror();
        module.failure = error ? error : path;
        return;
    }
    // The module stays loaded for the life of the process, as the parser library stays initialised.
    auto prepare = reinterpret_cast<PrepareEntry>(dlsym(handle, "morv9274_xml_prepare"));
    auto parse = reinterpret_cast<ParseEntry>(dlsym(handle, "morv9274_xml_parse"));
    if (!prepare || !parse) {
        module.failure = path + " is no XML import";
        return;
    }
    prepare();
    module.parse = parse;
}

}  // namespace

void PrepareParser()
{
    if (!Loading().joinable() && !TheModule().tried)
        Loading() = std::thread(Load);
}

int ParseXml(const char* path)
{
    if (Loading().joinable())
        Loading().join();
    Load();
    if (!TheModule().parse) {
        const std::string message = "Fehler während der Initialisierung! :\n" + TheModule().failure;
        ShowParserMessage("XML-Parsing Error", message.c_str(), kBoxFlags);
        return kParseInitFehler;
    }
    return TheModule().parse(path);
}

}  // namespace drawing
