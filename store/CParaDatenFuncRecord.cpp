// CParaDaten: the read and write steps that the records of all function types share.
#include "store/CParaDaten.h"

#include "store/DrawingReader.h"
#include "store/RecordCodec.h"

#include <cstring>

bool CParaDaten::ReadFuncRecord(int file, BYTE slot, const record::FuncRecordType& type, BYTE* fields, size_t size,
                                bool complete, const FuncRecordDecoder& decoder,
                                const std::function<void()>& completed)
{
    BYTE entry[record::kEntrySize];
    BYTE stored[record::kSlotSize];
    std::memset(entry, 0xFF, sizeof entry);
    std::memset(stored, 0xFF, sizeof stored);
    if (!ReadFuncRaw(file, slot, entry, stored))
        return false;
    std::memset(fields, 0, size);
    record::DecodeFuncRecord(type, entry, stored, fields);
    if (decoder)
        decoder(stored, fields);
    int id = -1;
    // Only a completion needs the drawing: loading its exchange files costs a hundred times the read.
    if (!complete || !GetFuncId(file, slot, id) || id <= 0)
        return true;
    WithDrawing([&](DrawingReader& drawing) { drawing.CompleteFunction(type.typeCode, id, fields); });
    if (completed)
        completed();
    return true;
}

bool CParaDaten::WriteFuncRecord(int file, BYTE slot, const record::FuncRecordType& type, const BYTE* fields,
                                 const FuncRecordEncoder& encoder)
{
    BYTE entry[record::kEntrySize];
    BYTE stored[record::kSlotSize];
    std::memset(entry, 0xFF, sizeof entry);
    std::memset(stored, 0xFF, sizeof stored);
    // Bytes the type does not own keep their stored value, so a slot that cannot be read must not be written.
    if (!ReadFuncRaw(file, slot, entry, stored))
        return false;
    record::EncodeFuncRecord(type, fields, entry, stored);
    if (encoder)
        encoder(fields, stored);
    return WriteFuncRaw(file, slot, entry, stored);
}
