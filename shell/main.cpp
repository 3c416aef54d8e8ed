// Entry point of morv9274: started by the drawing tool as "morv9274 -cmdfile <path>".
#include "platform/CWinApp.h"
#include "platform/ProcessExit.h"
#include "shell/CMorv9274App.h"

#include <csignal>

CMorv9274App theApp;

int main(int argc, char** argv)
{
    // A write beyond the file-size limit fails and is reported like a full disc, instead of ending the process
    // with no word in the middle of an operation.
    std::signal(SIGXFSZ, SIG_IGN);
    AfxWinMain(argc, argv);
    // Every run ends with exit code 0, through the one exit path that releases the working files.
    platform::EndProcess(0);
}
