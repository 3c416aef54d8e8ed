// The function-data file: header "KAVELMOR_STEUERKONTORE_DATA_FILE" and areas 0 and 1, no character area.
// Working file 0 and the "*.dat" files that the compiler delivers and the import reads are of this kind.
#pragma once

#include "store/CEepromFile.h"

class CDataFile : public CEepromFile {
public:
    static constexpr const char* kMagic = "KAVELMOR_STEUERKONTORE_DATA_FILE";

    explicit CDataFile(const CString& path) : CEepromFile(path) {}

    // A new file is 77,386 bytes: header and areas 0 and 1.
    bool Create() override;

    // A function-data file has no character area: these do nothing and report false.
    bool WriteChars(UINT address, UINT count, const char* chars) override;
    bool ReadChars(UINT address, UINT count, char* buffer) override;
    bool WriteHex(UINT address, BYTE digits, UINT value) override;
    bool ReadHex(UINT address, BYTE digits, int& value) override;
    bool WriteDec(UINT address, BYTE digits, UINT value) override;
    bool ReadDec(UINT address, BYTE digits, int& value) override;
    bool WriteText(UINT address, BYTE width, const CString& text) override;
    bool ReadText(UINT address, BYTE count, CString& text) override;

protected:
    bool ReadHeader(HeaderText& text, FileHeader* header) override;
    void WriteHeader(std::string& out) override;
    static HeaderKeys Keys();
    bool NewFileHeaderValid() const override { return true; }
    long ImageSize() const override { return kDataFileSize; }
    bool Seek(int area, UINT address, UINT count) override;
};
