// The fixture of the plant and global record tests.
#include "PlantRecordFixture.h"

#include "store/CEepromFile.h"

#include <cstdio>
#include <sstream>

void PlantRecordFixture::SetUp()
{
    StoreTestFolder::SetUp();
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(2));
}

std::vector<BYTE> PlantRecordFixture::Image(UINT address, UINT count)
{
    CParaDaten para;
    std::vector<BYTE> bytes(count, 0);
    EXPECT_TRUE(CParaDaten::GetFile(2)->ReadBytes(0, address, count, bytes.data()));
    return bytes;
}

void PlantRecordFixture::Poke(UINT address, const std::vector<BYTE>& bytes)
{
    CParaDaten para;
    ASSERT_TRUE(CParaDaten::GetFile(2)->WriteBytes(0, address, static_cast<UINT>(bytes.size()), bytes.data()));
}

std::vector<BYTE> PlantRecordFixture::WholeImage()
{
    // The last byte of the area cannot be reached.
    return Image(0, 32767);
}

std::string PlantRecordFixture::Hex(const std::vector<BYTE>& bytes)
{
    std::string s;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char b[4];
        std::snprintf(b, sizeof b, "%02X", bytes[i]);
        if (i)
            s += ' ';
        s += b;
    }
    return s;
}

std::vector<BYTE> PlantRecordFixture::FromHex(const std::string& hex)
{
    std::vector<BYTE> bytes;
    std::istringstream in(hex);
    std::string word;
    while (in >> word)
        bytes.push_back(static_cast<BYTE>(std::stoul(word, nullptr, 16)));
    return bytes;
}

void PlantRecordFixture::ExpectOnlyRangeChanged(UINT first, UINT count, const std::function<void()>& operation)
{
    // A pattern around the range shows overruns that would write the FF or 00 the new image holds there.
    const UINT low = first > 256 ? first - 256 : 0;
    const UINT high = first + count + 256 < 32767 ? first + count + 256 : 32767;
    std::vector<BYTE> pattern;
    for (UINT a = low; a < high; ++a)
        pattern.push_back(static_cast<BYTE>(0x5A ^ a));
    Poke(low, std::vector<BYTE>(pattern.begin(), pattern.begin() + (first - low)));
    Poke(first + count, std::vector<BYTE>(pattern.begin() + (first + count - low), pattern.end()));
    const std::vector<BYTE> before = WholeImage();
    operation();
    const std::vector<BYTE> after = WholeImage();
    for (UINT a = 0; a < before.size(); ++a) {
        if (a >= first && a < first + count)
            continue;
        EXPECT_EQ(after[a], before[a]) << "byte " << a << " outside " << first << ".." << first + count - 1;
    }
}
