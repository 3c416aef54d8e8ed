// The parameter file: header "KAVELMOR_STEUERKONTORE_PARA_FILE", areas 0 and 1 and the character area PAR_DATA.
// Working files 1 and 2 and the parameter file saved beside the drawing are of this kind.
#pragma once

#include "store/CEepromFile.h"

class CParaFile : public CEepromFile {
public:
    static constexpr const char* kMagic = "KAVELMOR_STEUERKONTORE_PARA_FILE";

    explicit CParaFile(const CString& path) : CEepromFile(path) {}

    // A new file is 152,150 bytes: header, areas 0 and 1, CR LF CR LF "PAR_DATA" and area 2 all "F".
    bool Create() override;

protected:
    bool ReadHeader(HeaderText& text, FileHeader* header) override;
    void WriteHeader(std::string& out) override;
    static HeaderKeys Keys();
    bool NewFileHeaderValid() const override { return true; }
    long ImageSize() const override { return kParaFileSize; }
    bool Seek(int area, UINT address, UINT count) override;
};
