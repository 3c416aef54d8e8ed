// Entry point of morv9274: started by the drawing tool as "morv9274 -cmdfile <path>".
#include "platform/CWinApp.h"
#include "platform/ProcessExit.h"
#include "shell/CMorv9274App.h"

CMorv9274App theApp;

int main(int argc, char** argv)
{
    AfxWinMain(argc, argv);
    // Every run ends with exit code 0, through the one exit path that releases the working files.
    platform::EndProcess(0);
}
