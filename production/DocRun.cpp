// The run of the parameter documentation: sections in file order, the temporary file and the copy.
#include "production/DocRun.h"

#include "platform/TextFile.h"
#include "platform/Win32File.h"
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "production/ParameterImport.h"
#include "resources/Messages.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/ImageLayout.h"
#include "texts/CTexte.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using layout::kParameterBytes;
using layout::kVariableBytes;

// Whether "para/txtFile.txt" can be opened for writing: a regular file or none, in a folder that takes a new file.
// Nothing is truncated; a file made here is replaced by the run's text.
bool TemporaryFileOpens()
{
    const int fd = open(DocRun::kTempFile, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    return regular;
}

}  // namespace

void DocRun::Status(int position, const char* pattern, int n)
{
    CString text;
    text.Format(pattern, n);
    m_reporter.Status(position, text);
}

std::string DocRun::Build()
{
    doc::DocText text(m_options);
    const doc::Bereiche& s = m_options.sections;
    if (m_options.format == doc::kSeparated)
        text.Line(doc::kFormat2FirstLine);
    if (!m_options.external)
        Header(text);
    if (s.inputs)
        Eingaenge(text);
    if (s.outputs)
        Ausgaenge(text);
    if (s.functions)
        doc::WriteFunktionen(text, m_reporter, m_drawing);
    if (s.messages)
        Meldungen(text);
    if (s.network || s.canLogging)
        Netzwerk(text);
    if (s.canLogging)
        Logging(text);
    if (s.overview)
        FuncView(text);
    return text.Bytes();
}

bool DocRun::Write(const CString& target)
{
    std::error_code error;
    std::filesystem::create_directories("para", error);
    // The temporary file must open before any record is read: a run that cannot write it writes back nothing.
    if (!TemporaryFileOpens())
        return false;
    const std::string bytes = Build();
    if (!platform::WriteFileAtomically(kTempFile, bytes))
        return false;
    if (m_options.writeBack && !m_options.external)
        CParaDaten().CommitWorkFile();
    return CopyFileA(kTempFile, target.GetString(), FALSE) != FALSE;
}

bool DocRun::LoadExternal(const CString& path, Message& message)
{
    message = {};
    CParaDaten para;
    // Checked as the import checks it: a damaged file is refused, never documented with the values it seems to hold.
    const production::ImportOutcome::Kind loaded = production::ParameterImport::LoadSource(para, path);
    if (loaded == production::ImportOutcome::LoadFailed) {
        message.row = &messages::kExportSourceNotOpened;
        message.text = messages::Text(messages::kExportSourceNotOpened, path.GetString());
        return false;
    }
    if (loaded != production::ImportOutcome::Imported) {
        message.row = &messages::kExportSourceFormat;
        message.text = messages::Text(messages::kExportSourceFormat);
        return false;
    }
    int parameterBytes = 0;
    int variableBytes = 0;
    CTexte().GetSpeicherbedarf(0, parameterBytes, variableBytes, nullptr, nullptr);
    if (variableBytes > kVariableBytes)
        message.text.Format("%s%d%s", ui::kExportVariablesExceed, variableBytes - kVariableBytes, ui::kExportBytes);
    if (parameterBytes > kParameterBytes)
        message.text.AppendFormat("%s%s%d%s", message.text.IsEmpty() ? "" : "\n", ui::kExportParametersExceed,
                                  parameterBytes - kParameterBytes, ui::kExportBytes);
    if (!message.text.IsEmpty()) {
        message.row = &messages::kExportSourceMemory;
        message.text = messages::Text(messages::kExportSourceMemory, message.text.GetString());
    }
    return true;
}
