// Fuzzes the parameter import of a chosen function-data file: the load into working file 0, the header test, the
// compatibility check against the drawing's set and, when it fits, the copy steps. Whatever the file holds, the
// check ends with a verdict and a failed copy leaves the committed set as it was.
#include "FunctionDataFuzz.h"

#include "production/ImportCheck.h"
#include "production/ImportCopy.h"
#include "production/ParameterImport.h"
#include "store/FileHeader.h"

namespace {

struct Silent : production::ImportReporter {
    void AddProgress(int, const CString&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzzdata::Base& base = fuzzdata::Prepare("import");
    if (!fuzzdata::Lay(base, data, size))
        return 0;
    {
        CParaDaten para;
        FileHeader header;
        if (!para.ImportDatFile(fuzzdata::kSource) || !para.CheckFileHeader(CParaDaten::kDatFile, &header) ||
            !production::ParameterImport::IsSupportedHeader(header.magic, header.formatVersion))
            return 0;
        Silent reporter;
        const production::CheckResult check = production::ImportCheck(para, reporter).Run();
        if (check.Fits())
            production::ImportCopy(para, reporter).RunSteps();
    }
    CParaDaten::ReleaseFiles();
    std::string committed;
    if (!platform::ReadWholeFile(CParaDaten::GetFileName(CParaDaten::kParaFile), committed) || committed != base.set)
        std::abort();  // the steps work on the working copy only
    return 0;
}
