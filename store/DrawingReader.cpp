// The installed drawing-reader factory and the reader that knows no drawing.
#include "store/DrawingReader.h"

#include <utility>

namespace {

class NoDrawing : public DrawingReader {};

DrawingReaderFactory& Factory()
{
    static DrawingReaderFactory factory;
    return factory;
}

}  // namespace

DrawingReaderFactory SetDrawingReaderFactory(DrawingReaderFactory factory)
{
    return std::exchange(Factory(), std::move(factory));
}

std::unique_ptr<DrawingReader> OpenDrawingReader()
{
    std::unique_ptr<DrawingReader> reader;
    if (Factory())
        reader = Factory()();
    if (!reader)
        reader = std::make_unique<NoDrawing>();
    return reader;
}
