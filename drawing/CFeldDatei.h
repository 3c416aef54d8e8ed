// A fixed-field exchange file held whole in memory: integer fields of 10 bytes, texts of 30 and 50 bytes.
//
// Every field is a line of the file: the value right-aligned in 8, 28 or 48 characters, then CR LF. The file is
// read once, whole; the caller moves a position over it and reads or overwrites fields. Every read and write checks
// that the whole field lies inside the buffer (a position before the start counts as outside). Writes change the
// buffer and remember the changed fields; WriteBack puts exactly those fields into the file, so two readers of the
// same file never undo each other's changes.
#pragma once

#include "platform/CString.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CFeldDatei {
public:
    static constexpr int kIntBytes = 10;
    static constexpr int kText30Bytes = 30;
    static constexpr int kText50Bytes = 50;

    // Loads the file. A missing, empty or unreadable file leaves the object unloaded.
    explicit CFeldDatei(const char* path);
    virtual ~CFeldDatei();

    CFeldDatei(const CFeldDatei&) = delete;
    CFeldDatei& operator=(const CFeldDatei&) = delete;

    // Releases the buffer; length and position become 0.
    void Free();
    bool IsLoaded() const { return m_loaded; }

    // Writes the fields changed since loading (or since the last write-back) into the file at their places. False
    // when nothing is loaded, the file cannot be opened for update, its length is no longer the loaded length, or
    // a byte could not be written. The file keeps its length.
    bool WriteBack();

    // Origin 0 from the start, 1 from the current position, 2 from the end; any other origin counts as 0.
    // Returns the new position. No range check: the reads and writes check it.
    int Seek(int offset, int origin);
    int GetPosition() const { return m_position; }
    int GetLength() const { return m_length; }
    bool AtEnd() const { return m_position == m_length; }
    // True when nothing is loaded or the position lies beyond the end (a read ran off the end).
    bool IsPastEnd() const { return !m_loaded || m_position > m_length; }

    // -1 when nothing is loaded (position unchanged), or when the field does not lie wholly inside the buffer or
    // holds no number (position advanced by 10).
    int ReadInt();
    // Empty when nothing is loaded (position unchanged) or the field does not lie inside the buffer; otherwise the
    // field's 28 (48) characters up to a NUL, without leading blanks. The position advances by 30 (50).
    CString ReadText30();
    CString ReadText50();
    // The count bytes of the buffer from offset as they are, for a caller that compares fields without reading
    // them; empty when they do not lie wholly inside the buffer. The position does not move.
    std::string_view BytesAt(int offset, long long count) const;

    // Overwrites the 8 value characters of the integer field at the position with "%8d" and advances by 10. False,
    // with nothing changed, when nothing is loaded, the field does not lie inside the buffer, or the value does not
    // fit into 8 characters.
    bool WriteInt(int value);

private:
    CString ReadText(int width);
    bool FieldInside(int width) const;

    std::string m_path;
    std::string m_buffer;
    bool m_loaded = false;
    int m_length = 0;
    int m_position = 0;
    std::vector<std::pair<int, int>> m_changed;  // (offset, byte count) of fields written since the last write-back
};
