// vorna-standin: the command line of the drawing-tool stand-in.
#include "Standin.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: vorna-standin [options]\n"
    "Plays the drawing tool in a transfer: serves DDE service \"vorna\" (topic \"set\", item \"object\"), records\n"
    "the lines of each command file poked as \"sendtcl\\xA7<path>\" and every other text poked, then pokes \"ack\"\n"
    "to \"morv9274\" and disconnects. Prints \"vorna-standin ready <service>\" once registered.\n"
    "  --service NAME        serve NAME instead of \"vorna\"\n"
    "  --reply-service NAME  acknowledge to NAME instead of \"morv9274\"\n"
    "  --record FILE         append recorded lines to FILE (default: standard output)\n"
    "  --ready-file FILE     also write FILE once registered\n"
    "  --no-ack              never acknowledge\n"
    "  --keep-open           acknowledge, but keep that conversation open\n"
    "  --ack-text TEXT       poke TEXT instead of \"ack\"\n"
    "  --wrong-case          poke \"Ack\"\n"
    "  --ack-delay MS        acknowledge MS milliseconds late\n"
    "  --exit-after N        end after N transfers\n"
    "  --run-for MS          end after MS milliseconds\n";

bool ParseCount(const char* text, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    Standin::Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        long number = 0;
        bool takesValue = arg == "--service" || arg == "--reply-service" || arg == "--record" ||
                          arg == "--ready-file" || arg == "--ack-text" || arg == "--ack-delay" ||
                          arg == "--exit-after" || arg == "--run-for";
        if (takesValue && !value) {
            std::fprintf(stderr, "vorna-standin: %s needs a value\n%s", arg.c_str(), kUsage);
            return 2;
        }
        bool numeric = arg == "--ack-delay" || arg == "--exit-after" || arg == "--run-for";
        if (numeric && !ParseCount(value, number)) {
            std::fprintf(stderr, "vorna-standin: %s needs a number\n", arg.c_str());
            return 2;
        }
        if (arg == "--service")
            options.service = value;
        else if (arg == "--reply-service")
            options.replyService = value;
        else if (arg == "--record")
            options.recordPath = value;
        else if (arg == "--ready-file")
            options.readyPath = value;
        else if (arg == "--ack-text")
            options.ackText = value;
        else if (arg == "--ack-delay")
            options.ackDelay = std::chrono::milliseconds(number);
        else if (arg == "--exit-after")
            options.exitAfter = static_cast<int>(number);
        else if (arg == "--run-for")
            options.runFor = std::chrono::milliseconds(number);
        else if (arg == "--no-ack")
            options.ack = false;
        else if (arg == "--keep-open")
            options.keepOpen = true;
        else if (arg == "--wrong-case")
            options.ackText = "Ack";
        else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "vorna-standin: unknown option %s\n%s", arg.c_str(), kUsage);
            return 2;
        }
        if (takesValue)
            ++i;
    }
    Standin standin(options);
    return standin.Run();
}
