// What the benchmarks share: the median of repeated timings, and the floor of every drawing import, the parser's
// bare parse of a drawing export with handlers that do nothing (the parser settings of the import).
#pragma once

#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/sax/HandlerBase.hpp>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

// The median wall-clock time of repeats runs, in seconds.
template <class Run>
double MedianSeconds(Run run, int repeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Parses the file; the number of errors the parser met. The caller holds the parser library initialised.
inline unsigned BareSaxParse(const char* path)
{
    xercesc::SAXParser parser;
    parser.setValidationScheme(xercesc::SAXParser::Val_Auto);
    parser.setDoNamespaces(true);
    parser.setDoSchema(true);
    parser.setValidationSchemaFullChecking(true);
    xercesc::HandlerBase handler;
    parser.setDocumentHandler(&handler);
    parser.setErrorHandler(&handler);
    parser.parse(path);
    return static_cast<unsigned>(parser.getErrorCount());
}

}  // namespace bench
