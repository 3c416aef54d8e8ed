// The run of the parameter documentation: sections in file order, the temporary file and the copy.
#include "production/DocRun.h"

#include "platform/TextFile.h"
#include "platform/Win32File.h"
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "production/ParameterImport.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/ImageLayout.h"
#include "texts/CTexte.h"

#include <filesystem>

namespace {

using layout::kParameterBytes;
using layout::kVariableBytes;

DocRun::SectionWriter& FunctionSection()
{
    static DocRun::SectionWriter writer = doc::WriteFunktionen;
    return writer;
}

}  // namespace

void DocRun::SetFunctionSection(SectionWriter writer)
{
    FunctionSection() = std::move(writer);
}

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

bool DocRun::LoadExternal(const CString& path, Message& message)
{
    message = {};
    CParaDaten para;
    // Checked as the import checks it: a damaged file is refused, never documented with the values it seems to hold.
    const production::ImportOutcome::Kind loaded = production::ParameterImport::LoadSource(para, path);
    if (loaded == production::ImportOutcome::LoadFailed) {
        message.number = "1.028";
        message.text.Format(ui::kExportSourceNotOpened, path.GetString());
        return false;
    }
    if (loaded != production::ImportOutcome::Imported) {
        message.number = "1.048";
        message.text = ui::kExportSourceFormat;
        return false;
    }
    int parameterBytes = 0;
    int variableBytes = 0;
    CTexte().GetSpeicherbedarf(0, parameterBytes, variableBytes, FALSE, nullptr);
    if (variableBytes > kVariableBytes)
        message.text.Format("%s%d%s", ui::kExportVariablesExceed, variableBytes - kVariableBytes, ui::kExportBytes);
    if (parameterBytes > kParameterBytes)
        message.text.AppendFormat("%s%s%d%s", message.text.IsEmpty() ? "" : "\n", ui::kExportParametersExceed,
                                  parameterBytes - kParameterBytes, ui::kExportBytes);
    if (!message.text.IsEmpty())
        message.number = "1.044";
    return true;
}
