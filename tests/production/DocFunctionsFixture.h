// The functions section's test fixture: slots made as new functions of a kind with changed records, their pins
// connected in the drawing, and the section written in a layout, to compare with files written from the kinds'
// line tables.
#pragma once

#include "FuncSlotFixture.h"

#include "production/DocFunctions.h"
#include "production/DocRun.h"
#include "store/FunctionTypes.h"

#include <fstream>
#include <sstream>

namespace docfixture {

using namespace doc;

class Reporter : public DocReporter {
public:
    void Status(int position, const CString& text) override
    {
        last = position;
        lastText = text;
    }
    int last = 0;
    CString lastText;
};

inline std::string ExpectedFile(const std::string& name)
{
    std::ifstream in(std::string(MORV_PRODUCTION_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}


// The lines of one kind's rows for a record as it stands (not read, not repaired), without the head.
template <class Record>
std::string Rows(int code, const Record& record, int format = kPlain, bool filter = false)
{
    Options options;
    options.format = format;
    DocText text(options);
    WriteRows(text, kFunctions, FindFunctionDoc(code)->rows, &record, {}, filter);
    return text.Bytes();
}

class DocFunctionsTest : public FuncSlotFixture {
protected:
    // The section in a layout, the records completed from the case's drawing.
    std::string Functions(int format, BYTE filter = 0, Reporter* reporter = nullptr)
    {
        Options options;
        options.format = format;
        options.sections.functionsFilter = filter;
        DocText text(options);
        Reporter own;
        WriteFunktionen(text, reporter ? *reporter : own, Reader());
        CParaDaten::ReleaseFiles();
        return text.Bytes();
    }
    // Slot n as a new function of the type, then, when given, its record changed.
    template <class Record>
    void Make(BYTE slot, int type, void (*change)(Record&) = nullptr)
    {
        const functypes::FunctionType* row = functypes::FindFunctionType(type);
        ASSERT_NE(row, nullptr);
        MakeSlot(slot, 100 + slot, type, static_cast<BYTE>(slot - 1), row->defaults);
        if (!change)
            return;
        CParaDaten para;
        Record record;
        ASSERT_TRUE(row->read(para, 2, slot, reinterpret_cast<BYTE*>(&record), false));
        change(record);
        ASSERT_TRUE(row->write(para, 2, slot, reinterpret_cast<const BYTE*>(&record)));
        CParaDaten::ReleaseFiles();
    }
    // The drawing's pin of slot n's function that completes the record field at offset.
    static BYTE PinOf(int type, unsigned offset)
    {
        for (const auto& pin : functypes::FindFunctionType(type)->pins)
            if (pin.a == offset)
                return pin.pin;
        ADD_FAILURE() << "no pin for " << offset;
        return 0;
    }
    // Slot n's pin of the field shows a partner standing for the source, or drives the outputs.
    void ConnectField(BYTE slot, int type, unsigned offset, BYTE kind, BYTE number)
    {
        Connect(100 + slot, PinOf(type, offset), kind, number);
    }
    void DriveOutputs(BYTE slot, int type, unsigned offset, std::vector<BYTE> outputs)
    {
        ConnectOutputs(100 + slot, PinOf(type, offset), std::move(outputs));
    }
};

}  // namespace docfixture
