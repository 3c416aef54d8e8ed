// The floor of an "open" run: a process that loads the XML parser, parses one drawing export with handlers that do
// nothing (the parser settings of the drawing import) and ends.
#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/util/PlatformUtils.hpp>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    xercesc::XMLPlatformUtils::Initialize();
    int errors = 0;
    {
        xercesc::SAXParser parser;
        parser.setValidationScheme(xercesc::SAXParser::Val_Auto);
        parser.setDoNamespaces(true);
        parser.setDoSchema(true);
        parser.setValidationSchemaFullChecking(true);
        xercesc::HandlerBase handler;
        parser.setDocumentHandler(&handler);
        parser.setErrorHandler(&handler);
        parser.parse(argv[1]);
        errors = static_cast<int>(parser.getErrorCount());
    }
    xercesc::XMLPlatformUtils::Terminate();
    return errors == 0 ? 0 : 1;
}
