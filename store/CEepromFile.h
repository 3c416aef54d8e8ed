// A memory-image text file: a fixed header, the EEPROM areas as lines of hexadecimal digits and, in the parameter
// file, a character area. Fields are rewritten in place, so a file never changes its length once created.
//
// Areas: 0 EEPROM (32,768 bytes), 1 I_EEPROM (1,024 bytes, all FF), 2 PAR_DATA (65,536 characters, parameter file
// only). Areas 0 and 1 hold each byte as two upper-case hexadecimal digits, 32 bytes a line; area 2 holds one
// character per position, 64 a line. Every line is 73 bytes on the disc: CR LF, ":", the count, the address and the
// data. The last byte of areas 0 and 1 and the last character of area 2 cannot be reached.
//
// The file is opened by the first operation and stays open (read-write) until Close or destruction; reads are
// served from a page cache, writes go to the disc at once. No operation
// shows a message; every failure is a false result. A read-only file cannot be opened for writing, also for root.
// CParaDaten creates these objects and is the only caller.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "store/FileHeader.h"
#include "store/PagedFile.h"

#include <string>

class CEepromFile {
public:
    // Open states.
    enum { kClosed = 0, kFailed = 1, kCreated = 2, kReadWrite = 3, kReadOnly = 4 };

    // Sizes and positions of the file layout, counting the two bytes of every CR LF.
    static constexpr long kHeaderSize = 298;
    static constexpr long kLineSize = 73;
    static constexpr long kLineStart = 9;          // CR LF ":" count address before a line's data
    static constexpr long kArea0Start = 298;
    static constexpr long kArea1Start = 75050;
    static constexpr long kArea2Start = 77398;
    static constexpr long kDataFileSize = 77386;
    static constexpr long kParaFileSize = 152150;
    static constexpr unsigned kDefaultLoggingSize = 236;

    // Nothing is opened at construction.
    explicit CEepromFile(const CString& path);
    virtual ~CEepromFile();
    CEepromFile(const CEepromFile&) = delete;
    CEepromFile& operator=(const CEepromFile&) = delete;

    // Makes the file a new one with the header and the default image, creating the file's folder when missing; the
    // file is written whole into a temporary beside it that then takes its place, so it is never seen half-written,
    // and it is closed afterwards. False (the file as it was) when it cannot be created, any byte cannot be written,
    // it is read-only, or the path names something other than a regular file.
    virtual bool Create() = 0;
    // Opens read-write and reads the header again from the start; fills the header (when given) on success only.
    virtual bool CheckHeader(FileHeader* header);
    // No older file structure can be converted: always false, nothing changes.
    virtual bool Convert() { return false; }

    // Byte access to areas 0 and 1. A range outside its area, or area 2, is refused (false, nothing written).
    virtual bool WriteBytes(int area, UINT address, UINT count, const BYTE* bytes);
    // Two characters per byte. Once the range is accepted, every byte that could not be read (the file cannot be
    // opened, ends early, or holds a pair that is not two hexadecimal digits) is FF and the result is false.
    virtual bool ReadBytes(int area, UINT address, UINT count, BYTE* buffer);

    // Character access to area 2 (parameter file only; a function-data file reports false and does nothing).
    virtual bool WriteChars(UINT address, UINT count, const char* chars);
    // False at the first character that cannot be read; the characters before it are stored.
    virtual bool ReadChars(UINT address, UINT count, char* buffer);
    // n upper-case hexadecimal digits, most significant first; digits above the n-th are dropped.
    virtual bool WriteHex(UINT address, BYTE digits, UINT value);
    // -1 when a character is not a hexadecimal digit (and still true); false when the field cannot be read.
    virtual bool ReadHex(UINT address, BYTE digits, int& value);
    // n decimal digits with leading zeros, value mod 10^n.
    virtual bool WriteDec(UINT address, BYTE digits, UINT value);
    // -1 when a character is not a decimal digit (and still true); false when the field cannot be read.
    virtual bool ReadDec(UINT address, BYTE digits, int& value);
    // The text right-aligned in width characters; a longer text keeps its last width characters.
    virtual bool WriteText(UINT address, BYTE width, const CString& text);
    // count characters, leading blanks removed.
    virtual bool ReadText(UINT address, BYTE count, CString& text);

    // Mode 2 creates for writing, 3 opens read-write, 4 read-only (modes 3 and 4 read the header, which must be
    // recognised). True at once when already in that mode; otherwise a failure leaves the state failed.
    bool Open(int mode);
    void Close();

    // The file is never changed in place: the writes of one open reach it together when it is closed (PagedFile).
    // Takes effect at the next open.
    void SetReplacedWhole(bool whole) { m_bReplacedWhole = whole; }
    // The whole structure of the image is in place: a recognised header, every data line at its position with its
    // line end, colon, count and address (and "PAR_DATA" before area 2), two hexadecimal digits for every byte of
    // areas 0 and 1, and nothing after the image: the length is exactly the format's. Only such a file is a set or a
    // function-data file that may be stored, copied or used; a file with a line cut, doubled or inserted, or with
    // data after its end, is none. The file is opened for reading.
    bool IsSound();

    int GetState() const { return m_state; }
    bool IsHeaderValid() const { return m_bHeaderValid != 0; }
    const CString& GetPath() const { return m_path; }

    // The image of a new parameter set (32,768 bytes); the expert code comes from the settings file.
    static void BuildDefaultImage(BYTE* image);
    // The default CAN data-logging block (236 bytes); bytes 2 and 3 keep what the buffer held.
    static void DefaultLogging(BYTE* block);

    // File position of the first data character of an address (no range check).
    static long Position(int area, UINT address);

protected:
    // The header text as read from the file's start, line by line.
    struct HeaderText {
        std::string bytes;
        size_t pos = 0;
    };

    // Reads lines 1 to 7 and checks the magic and line 7; sets the header-valid flag when the magic matches.
    virtual bool ReadHeader(HeaderText& text, FileHeader* header) = 0;
    // Appends the seven header lines (298 bytes) to out.
    virtual void WriteHeader(std::string& out) = 0;
    virtual bool NewFileHeaderValid() const = 0;
    // True when the range may be addressed in this kind of file (its areas, and for a function-data file only
    // while the header is valid).
    virtual bool Seek(int area, UINT address, UINT count) = 0;

    // One header line of at most 199 characters, leading blanks and the line end removed.
    static bool ReadLine(HeaderText& text, CString& line);

    // What tells the two kinds of file apart in their headers.
    struct HeaderKeys {
        const char* magic;
        const char* versionKey;
        double version;
        const char* formatKey;
        double formatVersion;
        // What a version or format line without digits stands for when read.
        float emptyVersion;
        float emptyFormatVersion;
    };
    // The seven header lines (298 bytes) of a new file of that kind.
    static void WriteHeaderLines(std::string& out, const HeaderKeys& keys);
    // Reads lines 1 to 7: false when the magic or line 7 ("DATA") differs. Sets the header-valid flag when the
    // magic matches; on success fills the header (when given) with the magic and the numbers after the version and
    // format keys (the keys' empty values when a line holds no digits).
    bool ReadHeaderLines(HeaderText& text, const HeaderKeys& keys, FileHeader* header);
    // The range rules shared by both kinds: areas 0 and 1 below their last byte, area 2 up to 65,535.
    static bool RangeAllowed(int area, UINT address, UINT count);

    // Writes header, areas 0 and 1 and, with parData, "PAR_DATA" and area 2 as a whole new file.
    bool CreateImage(bool parData);
    // The length of a complete file of this kind.
    virtual long ImageSize() const = 0;
    // The bytes after the header of a file of ImageSize(): every line in place, every byte of areas 0 and 1 two
    // hexadecimal digits.
    static bool HasSoundLines(const char* image, bool parData);
    // Reads the header for modes 3 and 4 and ReadHeader.
    bool ReadHeaderFromStart(FileHeader* header);

    BYTE m_bHeaderValid = 0;

private:
    // Reads the data characters of count addresses (2 per byte in areas 0 and 1, 1 in area 2) into out.
    // Returns the number of characters read: fewer when the file ends early.
    size_t ReadData(int area, UINT address, UINT count, char* out);
    // Writes the data characters of count addresses, leaving every line start as it is.
    bool WriteData(int area, UINT address, UINT count, const char* data);
    bool ReadFieldChars(UINT address, UINT count, char* out, UINT& got);

    CString m_path;
    int m_state = kClosed;
    PagedFile m_file;
    std::string m_scratch;
    bool m_bReplacedWhole = false;
};
