// A fixture for the plant and global record tests: a new working copy, raw access to its area 0, and a check that
// an operation changed no byte outside a given range.
#pragma once

#include "StoreTestFolder.h"

#include "platform/Types.h"

#include <functional>
#include <string>
#include <vector>

class PlantRecordFixture : public StoreTestFolder {
protected:
    void SetUp() override;

    // Bytes of area 0 of working file 2.
    static std::vector<BYTE> Image(UINT address, UINT count);
    static void Poke(UINT address, const std::vector<BYTE>& bytes);
    // The whole of area 0.
    static std::vector<BYTE> WholeImage();
    // "0A FF 03" for the bytes.
    static std::string Hex(const std::vector<BYTE>& bytes);
    static std::vector<BYTE> FromHex(const std::string& hex);
    // Runs the operation and reports every changed byte outside [first, first + count) as a failure.
    static void ExpectOnlyRangeChanged(UINT first, UINT count, const std::function<void()>& operation);
};
