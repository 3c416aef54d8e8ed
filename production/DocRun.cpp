// The run of the parameter documentation: sections in file order, the temporary file and the copy.
#include "production/DocRun.h"

#include "production/DocTexts.h"
#include "platform/TextFile.h"
#include "platform/Win32File.h"
#include "store/CParaDaten.h"

#include <filesystem>

namespace {

DocRun::SectionWriter& FunctionSection()
{
    static DocRun::SectionWriter writer;
    return writer;
}

}  // namespace

void DocRun::SetFunctionSection(SectionWriter writer) { FunctionSection() = std::move(writer); }

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
    if (s.functions && FunctionSection())
        FunctionSection()(text, m_reporter);
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
    const std::string bytes = Build();
    std::error_code error;
    std::filesystem::create_directories("para", error);
    if (!platform::WriteFileAtomically(kTempFile, bytes))
        return false;
    if (m_options.writeBack && !m_options.external)
        CParaDaten().CommitWorkFile();
    return CopyFileA(kTempFile, target.GetString(), FALSE) != FALSE;
}
