// The entry points of the XML import module (morv9274-xml.so), which the program's ParseXmlModule.cpp looks up.
#include "drawing/ParseXml.h"

#include <xercesc/util/PlatformUtils.hpp>

// Initialises the parser library for the life of the process; a failure is met again, and reported, by the parse.
extern "C" __attribute__((visibility("default"))) void morv9274_xml_prepare()
{
    try {
        xercesc::XMLPlatformUtils::Initialize();
    } catch (...) {
    }
}

extern "C" __attribute__((visibility("default"))) int morv9274_xml_parse(const char* path)
{
    return drawing::ParseXml(path);
}
