// The catalog of the function types: its rows agree with each other, with the drawing's object kinds and with the
// slot, and the type-erased access reads and writes exactly what the named operations do.
#include "StoreTestFolder.h"

#include "drawing/ObjectKinds.h"
#include "store/CParaCheck.h"
#include "store/FunctionTypes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <string>

namespace {

using functypes::FunctionType;

constexpr size_t kSlotBytes = 128;

TEST(FunctionTypesTest, EveryCodeHasOneRowInCodeOrder)
{
    const auto rows = functypes::AllFunctionTypes();
    // As many rows as the text tables have types, in the order of their codes.
    ASSERT_EQ(rows.size(), static_cast<size_t>(texts::kFunctionTypeCount));
    for (int code = 1; code <= texts::kFunctionTypeCount; ++code) {
        ASSERT_EQ(functypes::FindFunctionType(code), &rows[code - 1]);
        EXPECT_EQ(rows[code - 1].code, code);
        EXPECT_EQ(rows[code - 1].names.typeCode, code);
    }
    for (int code : {0, texts::kFunctionTypeCount + 1, 255, -1})
        EXPECT_EQ(functypes::FindFunctionType(code), nullptr) << code;
}

TEST(FunctionTypesTest, EveryKindNameIsAFunctionKindOfTheDrawingWithThatCode)
{
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        const drawing::KindInfo* kind = drawing::FindKind(type.names.kind);
        ASSERT_NE(kind, nullptr) << type.names.kind;
        EXPECT_EQ(kind->typeCode, type.code) << type.names.kind;
        EXPECT_EQ(drawing::FindFunctionKind(type.code), kind) << type.names.kind;
    }
}

// Every pin that completes a record is a pin of the drawing's kind, at most once, and every field it fills lies
// inside the decoded record.
TEST(FunctionTypesTest, EveryPinIsAPinOfTheKindAndFillsFieldsInsideTheRecord)
{
    using Pin = DrawingReader::PinCompletion;
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        const drawing::KindInfo* kind = drawing::FindKind(type.names.kind);
        ASSERT_NE(kind, nullptr) << type.names.kind;
        EXPECT_FALSE(type.pins.empty()) << type.names.kind;
        std::set<int> seen;
        for (const Pin& pin : type.pins) {
            const std::string where = std::string(type.names.kind) + ", pin " + std::to_string(pin.pin);
            EXPECT_GE(pin.pin, 1) << where;
            EXPECT_LE(pin.pin, kind->pins.size()) << where;
            EXPECT_TRUE(seen.insert(pin.pin).second) << where << " completes twice";
            size_t last = pin.a;
            switch (pin.kind) {
            case Pin::Source: last = std::max<size_t>(pin.a, pin.b); EXPECT_GT(pin.b, pin.a) << where; break;
            case Pin::Flags16: last = pin.a + 15u; break;
            case Pin::Flags6: last = pin.a + 5u; break;
            case Pin::Mixer: break;
            }
            EXPECT_LT(last, type.recordSize) << where;
        }
    }
}

// Ids are distinct across all forms; only the heat meter and the counter lack an output-variable form.
TEST(FunctionTypesTest, FormTemplatesAreDistinctAndOnlyTwoTypesLackAnOutputForm)
{
    std::set<int> ids;
    std::set<std::string> withoutOutputs;
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        for (int id : {type.forms.parameters, type.forms.inputs, type.forms.outputs}) {
            if (id == 0)
                continue;
            EXPECT_GT(id, 0);
            EXPECT_TRUE(ids.insert(id).second) << type.names.kind << " repeats template " << id;
        }
        EXPECT_NE(type.forms.parameters, 0) << type.names.kind;
        EXPECT_NE(type.forms.inputs, 0) << type.names.kind;
        if (type.forms.outputs == 0)
            withoutOutputs.insert(type.names.kind);
    }
    EXPECT_EQ(withoutOutputs, (std::set<std::string>{"W\xE4rmemengenz\xE4hler", "Z\xE4hler"}));
}

// Every field the memory need or the requirement reads lies inside the record, and a share per entry counts
// something.
TEST(FunctionTypesTest, EveryFieldTheRowsNameLiesInsideTheRecord)
{
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        const auto& m = type.memory;
        if (m.share != functypes::MemoryShare::None) {
            EXPECT_LT(m.countField, type.recordSize) << type.names.kind;
        }
        if (m.share == functypes::MemoryShare::Programs || m.share == functypes::MemoryShare::Cascade) {
            EXPECT_LT(m.windowsField, type.recordSize) << type.names.kind;
        }
        if (m.share == functypes::MemoryShare::PerEntry) {
            EXPECT_GT(m.factor, 0) << type.names.kind;
        }
        for (int field : type.output16Fields) {
            if (field != functypes::kNoField) {
                EXPECT_LT(static_cast<size_t>(field), type.recordSize) << type.names.kind;
            }
        }
    }
}

// A labelled input is a digital source that the drawing completes into the same field, so the label always shows
// the connection the record holds; the participant fields lie inside the record.
TEST(FunctionTypesTest, EveryLabelledInputIsADigitalSourceOfItsRowAndParticipantsLieInsideTheRecord)
{
    using Pin = DrawingReader::PinCompletion;
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        EXPECT_FALSE(type.pinLabels.empty()) << type.names.kind << ": every symbol labels a release or switch";
        int previous = 0;
        for (const functypes::PinLabel& label : type.pinLabels) {
            const std::string where = std::string(type.names.kind) + ", pin " + std::to_string(label.pin);
            EXPECT_GT(label.pin, previous) << where << ": in pin order, each once";
            previous = label.pin;
            EXPECT_EQ(functypes::FindPinLabel(type, label.pin), &label) << where;
            const auto completion = std::find_if(type.pins.begin(), type.pins.end(),
                                                 [&](const Pin& pin) { return pin.pin == label.pin; });
            ASSERT_NE(completion, type.pins.end()) << where;
            EXPECT_EQ(completion->kind, Pin::Source) << where;
            // A digital source: its number follows its kind and inverted flag.
            EXPECT_EQ(completion->b, label.field + offsetof(DigitalQuelle, number)) << where;
        }
        const functypes::Participants& p = type.participants;
        if (p.list == functypes::ParticipantList::None)
            continue;
        EXPECT_LT(p.countField, type.recordSize) << type.names.kind;
        EXPECT_LT(p.firstField + (p.count - 1u) * p.step, type.recordSize) << type.names.kind;
    }

    // The cascade's third stage has no fixed value while the cascade runs two boilers or fewer.
    const FunctionType& cascade = *functypes::FindFunctionType(texts::kTypeKesselkaskade);
    const functypes::PinLabel& third = *functypes::FindPinLabel(cascade, 3);
    std::vector<BYTE> record(cascade.recordSize, 0);
    for (BYTE boilers : {0, 1, 2, 3, 4}) {
        record[offsetof(KesselkaskadeParam, boilerCount)] = boilers;
        EXPECT_EQ(functypes::ShowsNoFixedValue(third, record), boilers <= 2) << int(boilers);
        EXPECT_FALSE(functypes::ShowsNoFixedValue(*functypes::FindPinLabel(cascade, 2), record));
    }
}

class FunctionTypesSlotTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        ASSERT_TRUE(CParaDaten().CreateEmptyFile(2));
    }
};

// The defaults of a new record stay inside the slot, and they are what a new function of the type stores.
TEST_F(FunctionTypesSlotTest, DefaultsFitTheSlotAndAreWhatANewFunctionStores)
{
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        std::array<BYTE, 2 * kSlotBytes> buffer;
        buffer.fill(0xFF);
        type.defaults(buffer.data());
        for (size_t k = kSlotBytes; k < buffer.size(); ++k)
            ASSERT_EQ(buffer[k], 0xFF) << type.names.kind << " writes byte " << k;
        std::array<BYTE, kSlotBytes> viaCode;
        viaCode.fill(0xFF);
        CParaDaten::GetDefaultRecord(type.code, viaCode.data());
        EXPECT_EQ(std::memcmp(viaCode.data(), buffer.data(), kSlotBytes), 0) << type.names.kind;
    }
}

// A slot of default bytes read through the row and written back through it keeps every byte: the type-erased
// read and write are inverse over the bytes each type owns, and neither strays outside the record.
TEST_F(FunctionTypesSlotTest, ReadThenWriteThroughTheRowKeepsTheSlot)
{
    CParaDaten para;
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        BYTE entry[8] = {static_cast<BYTE>(type.code), 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE stored[kSlotBytes];
        std::memset(stored, 0xFF, sizeof stored);
        type.defaults(stored);
        ASSERT_TRUE(para.WriteFuncRaw(2, 1, entry, stored));
        std::vector<BYTE> fields(type.recordSize + 16, 0xEE);
        ASSERT_TRUE(type.read(para, 2, 1, fields.data(), false)) << type.names.kind;
        for (size_t k = type.recordSize; k < fields.size(); ++k)
            ASSERT_EQ(fields[k], 0xEE) << type.names.kind << " reads past its record";
        ASSERT_TRUE(type.write(para, 2, 1, fields.data())) << type.names.kind;
        BYTE again[kSlotBytes];
        BYTE againEntry[8];
        ASSERT_TRUE(para.ReadFuncRaw(2, 1, againEntry, again));
        EXPECT_EQ(std::memcmp(again, stored, sizeof stored), 0) << type.names.kind;
    }
}

// The catalog's count of stored output flags is what the record keeps: every 16-flag pin's flags written as 1 read
// back as 1 for outputs 1..outputFlagsStored and as 0 beyond.
TEST_F(FunctionTypesSlotTest, StoredOutputFlagsAreThoseTheRecordKeeps)
{
    using Pin = DrawingReader::PinCompletion;
    CParaDaten para;
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        BYTE entry[8] = {static_cast<BYTE>(type.code), 0, 0, 3, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE stored[kSlotBytes];
        std::memset(stored, 0xFF, sizeof stored);
        type.defaults(stored);
        ASSERT_TRUE(para.WriteFuncRaw(2, 1, entry, stored));
        std::vector<BYTE> fields(type.recordSize);
        ASSERT_TRUE(type.read(para, 2, 1, fields.data(), false));
        for (const Pin& pin : type.pins)
            if (pin.kind == Pin::Flags16)
                std::fill_n(fields.begin() + pin.a, 16, 1);
        ASSERT_TRUE(type.write(para, 2, 1, fields.data()));
        std::vector<BYTE> back(type.recordSize);
        ASSERT_TRUE(type.read(para, 2, 1, back.data(), false));
        for (const Pin& pin : type.pins)
            for (int n = 0; pin.kind == Pin::Flags16 && n < 16; ++n)
                EXPECT_EQ(back[pin.a + n], n < type.outputFlagsStored ? 1 : 0)
                    << type.names.kind << ", pin " << int(pin.pin) << ", output " << n + 1;
    }
}

// A slot that cannot be read leaves the fields untouched.
TEST_F(FunctionTypesSlotTest, AFailedReadLeavesTheFields)
{
    CParaDaten para;
    for (const FunctionType& type : functypes::AllFunctionTypes()) {
        std::vector<BYTE> fields(type.recordSize, 0x5A);
        EXPECT_FALSE(type.read(para, 2, 45, fields.data(), false)) << type.names.kind;
        EXPECT_EQ(fields, std::vector<BYTE>(type.recordSize, 0x5A)) << type.names.kind;
    }
}

// The repaired record of a slot is the named read followed by the named repair; a code of no type gives nothing.
TEST_F(FunctionTypesSlotTest, RepairedReadIsTheReadRepaired)
{
    CParaDaten para;
    BYTE entry[8] = {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    BYTE stored[kSlotBytes];
    for (unsigned j = 0; j < kSlotBytes; ++j)
        stored[j] = static_cast<BYTE>(j * 7);
    ASSERT_TRUE(para.WriteFuncRaw(2, 1, entry, stored));
    HzkrRegParam expected;
    ASSERT_TRUE(para.GetHzkrReg(2, 1, expected, false));
    CParaCheck().CheckHzkrReg(expected, 0);
    const std::vector<BYTE> repaired = functypes::ReadRepairedFuncRecord(para, 2, 1, 1, false);
    ASSERT_EQ(repaired.size(), sizeof expected);
    EXPECT_EQ(std::memcmp(repaired.data(), &expected, sizeof expected), 0);
    EXPECT_TRUE(functypes::ReadRepairedFuncRecord(para, 2, 1, 24, false).empty());
    EXPECT_TRUE(functypes::ReadRepairedFuncRecord(para, 2, 1, 0, false).empty());
}

}  // namespace
