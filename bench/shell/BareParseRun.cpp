// The floor of an "open" run: a process that loads the XML parser, parses one drawing export with handlers that do
// nothing (the parser settings of the drawing import) and ends.
#include "bench/BenchSupport.h"

#include <xercesc/util/PlatformUtils.hpp>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    xercesc::XMLPlatformUtils::Initialize();
    const unsigned errors = bench::BareSaxParse(argv[1]);
    xercesc::XMLPlatformUtils::Terminate();
    return errors == 0 ? 0 : 1;
}
