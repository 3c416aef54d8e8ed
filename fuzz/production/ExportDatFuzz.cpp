// Fuzzes the documentation export of a chosen function-data file: its load and check, then the documentation of
// every section from it in each layout. Whatever the file holds, the text has CR LF line ends only.
#include "FunctionDataFuzz.h"

#include "production/DocRun.h"
#include "store/DrawingReader.h"

namespace {

struct Silent : DocReporter {
    void Status(int, const CString&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fuzzdata::Base& base = fuzzdata::Prepare("export");
    if (!fuzzdata::Lay(base, data, size))
        return 0;
    DocRun::Message message;
    if (DocRun::LoadExternal(fuzzdata::kSource, message)) {
        doc::Options options;
        options.external = 1;
        options.file = CParaDaten::kDatFile;
        options.format = (data[0] >> 2) % 3;
        options.writeBack = 0;
        Silent reporter;
        DrawingReader none;  // an external file's records are read as stored
        const std::string text = DocRun(options, reporter, none).Build();
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
            if (at == 0 || text[at - 1] != '\r')
                std::abort();
    }
    CParaDaten::ReleaseFiles();
    return 0;
}
