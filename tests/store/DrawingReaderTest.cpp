// The store's view of the drawing: an installed factory serves every read; without one a reader that knows no
// drawing does.
#include "store/DrawingReader.h"

#include <gtest/gtest.h>

namespace {

int g_created = 0;

class FakeDrawing : public DrawingReader {
public:
    FakeDrawing() { ++g_created; }
};

}  // namespace

TEST(DrawingReaderTest, InstalledFactoryServesEveryRead)
{
    g_created = 0;
    DrawingReaderFactory previous = SetDrawingReaderFactory([] { return std::make_unique<FakeDrawing>(); });
    std::unique_ptr<DrawingReader> a = OpenDrawingReader();
    std::unique_ptr<DrawingReader> b = OpenDrawingReader();
    EXPECT_NE(dynamic_cast<FakeDrawing*>(a.get()), nullptr);
    EXPECT_NE(a.get(), b.get()) << "one reader per operation";
    EXPECT_EQ(g_created, 2);
    SetDrawingReaderFactory(previous);
}

TEST(DrawingReaderTest, WithoutAFactoryAReaderStillExists)
{
    DrawingReaderFactory previous = SetDrawingReaderFactory(nullptr);
    std::unique_ptr<DrawingReader> reader = OpenDrawingReader();
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(dynamic_cast<FakeDrawing*>(reader.get()), nullptr);
    // A factory that gives nothing is no worse than none.
    SetDrawingReaderFactory([] { return std::unique_ptr<DrawingReader>(); });
    EXPECT_NE(OpenDrawingReader(), nullptr);
    SetDrawingReaderFactory(previous);
}
