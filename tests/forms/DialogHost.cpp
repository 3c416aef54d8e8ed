// dialog-host: shows one of the forms' shared dialogs on a working copy of its own, so that a test in another
// process uses it through wnddrive as a person would (and a person can look at it under a window backend).
//
//   dialog-host designations               the user-defined designations on a new working file 2 in which
//                                          designation 1 is "Zeta" and 2 "Alfa"; prints "result N" and then
//                                          "n: text" for the 16 designations of the file
//   dialog-host timeprogram FIRST CHOICES  the time programs of a record with two programs, four windows (to be
//                                          repaired) and setpoints; prints "result N" and the record
//
// Prints "dialog-host ready" before the dialog runs; the folder is the program folder (MORV9274_HOME).
#include "forms/dialogs/CBezeichnungenDlg.h"
#include "forms/dialogs/CZeitprogrammDlg.h"
#include "platform/ApplicationNames.h"
#include "platform/CWinApp.h"
#include "platform/Win32File.h"
#include "resources/Resources.h"
#include "store/CParaDaten.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

void Say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// The record's control fields and block, as the records hold them.
struct Record {
    BYTE windows = 4;
    BYTE programs = 2;
    BYTE setpoints = 1;
    Zeitprogramm block[kZeitprogramme];
};

std::string Describe(const Record& r)
{
    std::string s = "programs " + std::to_string(r.programs) + " windows " + std::to_string(r.windows) +
                    " setpoints " + std::to_string(r.setpoints);
    for (int k = 0; k < kZeitprogramme; ++k) {
        s += "\n" + std::to_string(k + 1) + ": ";
        for (BYTE day : r.block[k].days)
            s += day ? 'x' : 'o';
        for (const Zeitfenster& w : r.block[k].windows)
            s += " " + std::to_string(w.start) + "-" + std::to_string(w.end) + "/" + std::to_string(w.setpoint);
    }
    return s;
}

int ShowDesignations()
{
    CParaDaten para;
    if (!para.CreateEmptyFile(CParaDaten::kWorkFile) ||
        !para.SetUserBezeichnung(CParaDaten::kWorkFile, 1, "Zeta") ||
        !para.SetUserBezeichnung(CParaDaten::kWorkFile, 2, "Alfa"))
        return -1;
    Say("dialog-host ready");
    CBezeichnungenDlg dialog;
    const INT_PTR result = dialog.DoModal();
    Say("result " + std::to_string(result));
    for (int n = 1; n <= CBezeichnungenDlg::kAnzahl; ++n)
        Say(std::to_string(n) + ": " + para.GetUserBezeichnung(CParaDaten::kWorkFile, static_cast<BYTE>(n)).GetString());
    return 0;
}

int ShowTimePrograms(BYTE first, BYTE choices)
{
    Record record;
    for (int d = 0; d < 5; ++d)
        record.block[0].days[d] = 1;
    record.block[0].windows[0] = {36, 132, 21};
    record.block[0].windows[1] = {144, 6, 95};
    record.block[1].days[5] = record.block[1].days[6] = 1;
    record.block[1].windows[0] = {48, 66, 19};
    Say("dialog-host ready");
    CZeitprogrammDlg dialog(first, choices, &record.programs, &record.windows, &record.setpoints, record.block);
    const INT_PTR result = dialog.DoModal();
    Say("result " + std::to_string(result));
    Say(Describe(record));
    return 0;
}

class CDialogHostApp : public CWinApp {
public:
    CDialogHostApp() : CWinApp("dialog-host")
    {
        // The program's names: its folder, the headless switch and the window backend beside it.
        platform::SetApplicationNames({"MORV9274_HOME", "MORV9274_HEADLESS", "morv9274-wx.so", ".morv9274-"});
    }
    BOOL InitInstance() override
    {
        std::error_code ec;
        std::filesystem::current_path(platform::ProgramDirectory().GetString(), ec);
        std::filesystem::create_directories("para", ec);
        resources::RegisterResources();
        const std::vector<CString>& args = m_arguments;
        if (!args.empty() && args[0] == "designations")
            m_code = ShowDesignations();
        else if (args.size() == 3 && args[0] == "timeprogram")
            m_code = ShowTimePrograms(static_cast<BYTE>(std::atoi(args[1].GetString())), static_cast<BYTE>(std::atoi(args[2].GetString())));
        CParaDaten::ReleaseFiles();
        return FALSE;
    }
    int ExitInstance() override { return m_code; }

private:
    int m_code = 64;
};

CDialogHostApp g_app;

}  // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    return AfxWinMain(argc, argv);
}
