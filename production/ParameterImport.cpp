// One import: load, header, compatibility check, copy steps.
#include "production/ParameterImport.h"

#include "production/ImportCopy.h"
#include "store/CDataFile.h"
#include "store/CParaDaten.h"
#include "store/DrawingReader.h"

namespace production {

bool ParameterImport::IsSupportedHeader(const CString& magic, float formatVersion)
{
    return magic == CDataFile::kMagic && formatVersion == 1.0f;
}

ImportOutcome::Kind ParameterImport::LoadSource(CParaDaten& para, const CString& path)
{
    // The person's file is only read; the copy over working file 0 is made writable.
    if (!para.ImportDatFile(path))
        return ImportOutcome::LoadFailed;
    FileHeader header;
    if (!para.CheckFileHeader(CParaDaten::kDatFile, &header) ||
        !IsSupportedHeader(header.magic, header.formatVersion) || !para.IsSoundFile(CParaDaten::kDatFile))
        return ImportOutcome::WrongFormat;
    return ImportOutcome::Imported;
}

ImportOutcome ParameterImport::Run(const CString& path, CSCCmd& channel)
{
    CParaDaten para;
    if (const ImportOutcome::Kind loaded = LoadSource(para, path); loaded != ImportOutcome::Imported)
        return {loaded, {}};
    para.UseDrawing(&m_drawing);
    const CheckResult check = ImportCheck(para, m_reporter).Run();
    para.UseDrawing(nullptr);
    if (!check.Fits())
        return {ImportOutcome::Incompatible, check};
    if (ImportCopy(para, m_reporter).Run(channel) != ImportEnd::Imported)
        return {ImportOutcome::CopyFailed, {}};
    return {ImportOutcome::Imported, {}};
}

}  // namespace production
