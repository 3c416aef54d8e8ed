// wnddrive: uses the running program's windows from outside, as a person would, through its window channel.
#include "platform/LocalSocket.h"
#include "platform/WindowChannel.h"
#include "platform/WindowChannelWire.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <poll.h>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kNotFound = 2;
constexpr int kUsageError = 64;
// How long an answer may take beyond --wait: an action may run long work before the queue runs empty.
constexpr std::chrono::seconds kAnswerTime {120};

const char kUsage[] =
    "usage: wnddrive [--wait MS] [--window WHICH] VERB [ARGS]\n"
    "Uses the running program's windows as a person would. WHICH: active (default: the running modal dialog, else\n"
    "the main frame) | frame | a dialog template number. Texts are UTF-8 here and Windows-1252 in the program.\n"
    "  tree              every window under WHICH, one per line, indented two blanks a level:\n"
    "                    <class> <id> \"<text>\" then any of: hidden disabled checked sel=<index>\n"
    "  get ID            the control's text (selected item, check state 0/1, selected tab, row or tree item)\n"
    "  caption ID        the control's own window text\n"
    "  items ID          the items of a combo box, list box, tab control, list view (columns by TAB) or tree view\n"
    "  type ID TEXT      focus the field, select all, type TEXT, move the focus on\n"
    "  paste ID TEXT     focus the field, select all, paste TEXT in one piece (what the field refuses to type too)\n"
    "  click ID          a button, check box or radio button\n"
    "  pick ID INDEX     an item of a combo box, list box, tab control or list view\n"
    "  pick-tree ID PATH a tree item by its texts from the root, joined by \"/\"\n"
    "  dblclick ID INDEX a double click on an item of a list box or list view\n"
    "  key ID|- KEY      ENTER, ESC, TAB, DELETE, UP, DOWN, a letter or one character, with CTRL+, SHIFT+, ALT+\n"
    "  drag ID FROM TO [KEY]  drags row FROM of a list view onto row TO (rows from 0; TO -1 drops beside the\n"
    "                    list), pressing KEY during the drag when given\n"
    "  command ID        a toolbar or accelerator command\n"
    "  answer BUTTON     answers the next message box: OK, CANCEL, YES, NO, ABORT, RETRY, IGNORE\n"
    "  file PATH|CANCEL  answers the next file dialog\n"
    "  boxes             every message box shown so far: caption TAB flags TAB text\n"
    "  close             the close box of WHICH\n"
    "  where ID          where the shown control (or the toolbar button of command ID) is on the screen:\n"
    "                    \"<x> <y> <width> <height>\" in pixels (exit 1 when it is hidden), to aim a person's real\n"
    "                    mouse and keys at it\n"
    "A verb that starts a transfer to the drawing tool returns once that transfer has ended; one that opens a\n"
    "dialog, message box or file dialog returns once it waits for the person.\n"
    "  layout            where the shown widgets of WHICH's window lie on the display, for a layout check\n"
    "Exit status: 0 done, 1 a person could not have done it, 2 no program or window found within --wait\n"
    "(default 5000 ms), 64 a wrong call.\n";

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "wnddrive: %s\n%s", problem.c_str(), kUsage);
    return kUsageError;
}

bool ParseMs(const char* text, long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && errno == 0 && value >= 0;
}

enum class Outcome { Answered, NoProgram, Ended };

// One request on one connection. NoProgram: nobody listens (yet); Ended: the program went away without answering.
Outcome Ask(const std::vector<std::string>& request, std::vector<std::string>& answer)
{
    platform::LocalSocket sock = platform::LocalSocket::Connect(platform::WindowChannel::Address());
    if (!sock.IsValid())
        return Outcome::NoProgram;
    std::string bytes = platform::WindowChannelWire::Encode(request);
    if (!sock.SendAll(bytes.data(), bytes.size(), std::chrono::milliseconds(5000)))
        return Outcome::Ended;
    std::string buffer;
    Clock::time_point deadline = Clock::now() + kAnswerTime;
    for (;;) {
        bool open = sock.ReadAvailable(buffer);
        switch (platform::WindowChannelWire::TakeFrom(buffer, answer)) {
        case platform::WindowChannelWire::Take::Frame: return answer.size() == 2 ? Outcome::Answered : Outcome::Ended;
        case platform::WindowChannelWire::Take::Broken: return Outcome::Ended;
        case platform::WindowChannelWire::Take::NeedMore: break;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (!open || left <= 0)
            return Outcome::Ended;
        pollfd pfd {sock.Fd(), POLLIN, 0};
        ::poll(&pfd, 1, static_cast<int>(std::min<long long>(left, 1000)));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    long waitMs = 5000;
    std::string which = "active";
    int i = 1;
    for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
        std::string option = argv[i];
        if (option == "--help")
            return std::fputs(kUsage, stdout), kDone;
        if (i + 1 >= argc)
            return Usage(option + " needs a value");
        if (option == "--wait") {
            if (!ParseMs(argv[++i], waitMs))
                return Usage("--wait needs a number of milliseconds");
        } else if (option == "--window") {
            which = argv[++i];
        } else {
            return Usage("unknown option " + option);
        }
    }
    if (i >= argc)
        return Usage("no verb");
    std::string verb = argv[i++];
    std::vector<std::string> args(argv + i, argv + argc);
    const platform::WindowChannelVerb* v = platform::FindWindowChannelVerb(verb);
    if (!v)
        return Usage("unknown verb " + verb);
    if (args.size() < v->args || args.size() > v->args + v->optional)
        return Usage(verb + " takes " + std::to_string(v->args) +
                     (v->optional ? " or " + std::to_string(v->args + v->optional) : std::string()) + " argument(s)");
    // A path a person picks in a file dialog is a whole path; a relative one is meant from here.
    if (verb == "file" && args[0] != "CANCEL")
        args[0] = std::filesystem::absolute(args[0]).lexically_normal().string();

    std::vector<std::string> request = {which, verb};
    request.insert(request.end(), args.begin(), args.end());
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    std::string why = "no program answers on " + platform::WindowChannel::Address();
    for (;;) {
        std::vector<std::string> answer;
        Outcome outcome = Ask(request, answer);
        if (outcome == Outcome::Answered) {
            int status = std::atoi(answer[0].c_str());
            const std::string& text = answer[1];
            if (status == kDone) {
                std::fwrite(text.data(), 1, text.size(), stdout);
                // A read of one text ends with a line end, so that $(wnddrive get ID) and a read line both work.
                if (verb == "get" || verb == "caption" || (!text.empty() && text.back() != '\n'))
                    std::fputc('\n', stdout);
                return kDone;
            }
            if (status != kNotFound) {
                std::fprintf(stderr, "wnddrive: %s\n", text.c_str());
                return kRefused;
            }
            why = text;
        } else if (outcome == Outcome::Ended) {
            // Never asked again: the request may have been carried out.
            std::fprintf(stderr, "wnddrive: the program ended before it answered\n");
            return kNotFound;
        }
        if (Clock::now() >= deadline) {
            std::fprintf(stderr, "wnddrive: %s\n", why.c_str());
            return kNotFound;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
