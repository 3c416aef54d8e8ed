// What the parameter store asks of the drawing: the record reads construct a reader for the length of every read,
// whether or not they complete the record from the drawing. The drawing folder implements it; the store knows only
// this interface, so it never depends on the drawing folder.
//
// The program installs the real factory at start-up; tests install a fake. Without a factory a reader that knows
// no drawing is used: it answers every query with nothing, as a reader whose exchange files are missing does.
// Queries are added here as the record reads that need them arrive.
#pragma once

#include <functional>
#include <memory>

class DrawingReader {
public:
    virtual ~DrawingReader() = default;
};

using DrawingReaderFactory = std::function<std::unique_ptr<DrawingReader>()>;

// Installs the factory (an empty one restores the reader that knows no drawing); returns the previous one.
DrawingReaderFactory SetDrawingReaderFactory(DrawingReaderFactory factory);

// A reader for one operation; never null.
std::unique_ptr<DrawingReader> OpenDrawingReader();
