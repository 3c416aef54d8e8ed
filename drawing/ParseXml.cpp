// The parse of the drawing export: parser set-up, result codes and the boxes of the parse as a whole.
#include "drawing/ParseXml.h"

#include "drawing/CSaxHandler.h"
#include "drawing/DrawingServices.h"
#include "drawing/ParserMessageBox.h"
#include "drawing/XmlText.h"
#include "platform/CLocale.h"

#include <xercesc/framework/XMLPScanToken.hpp>
#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>

#include <memory>
#include <string>
#include <thread>

namespace drawing {

namespace {

constexpr UINT kBoxFlags = MB_TASKMODAL | MB_ICONWARNING | MB_OK;

// The most expansions of declared entities one document may ask for. The drawing tool declares no entities (its
// exports use character references, which do not count), so this only ends documents built to expand without end.
constexpr XMLSize_t kEntityExpansionLimit = 10000;

std::string ExceptionText(const xercesc::XMLException& e) { return XmlToCp1252(e.getMessage()); }

// The parser's messages past the first of each kind, which showed no box, as one protocol line per kind.
void LogUnshownMessages(const CSaxHandler& handler)
{
    for (const auto kind : {CSaxHandler::kError, CSaxHandler::kFatalError, CSaxHandler::kWarning}) {
        const int unshown = handler.MessageCount(kind) - 1;
        if (unshown <= 0) continue;
        const std::string text = platform::FormatC("Altri %d messaggi \"%s\" del parser XML non mostrati.", unshown,
                                                   CSaxHandler::MessageCaption(kind));
        Services().WriteProtokoll(6, text.c_str());
    }
}

// The initialisation PrepareParser started; a failed one is met again, and reported, by the parse's own.
std::thread& Preparation()
{
    static std::thread preparation;
    return preparation;
}

}  // namespace

void PrepareParser()
{
    if (Preparation().joinable())
        return;
    Preparation() = std::thread([] {
        try {
            xercesc::XMLPlatformUtils::Initialize();
        } catch (...) {
        }
    });
}

int ParseXml(const char* path)
{
    if (Preparation().joinable())
        Preparation().join();
    try {
        xercesc::XMLPlatformUtils::Initialize();
    } catch (const xercesc::XMLException& e) {
        std::string message = "Fehler während der Initialisierung! :\n" + ExceptionText(e);
        ShowParserMessage("XML-Parsing Error", message.c_str(), kBoxFlags);
        return kParseInitFehler;
    }

    int result = kParseOk;
    {
        xercesc::SecurityManager security;  // outlives the parser
        security.setEntityExpansionLimit(kEntityExpansionLimit);
        auto parser = std::make_unique<xercesc::SAXParser>();
        parser->setValidationScheme(xercesc::SAXParser::Val_Auto);
        // Namespace processing stays off: the drawing tool writes none, element names arrive the same either way,
        // and the parser looks up the namespace of every element through every open level below it, so a deeply
        // nested document would take time growing with the square of its size. Without namespaces no schema is
        // processed either.
        parser->setDoNamespaces(false);
        parser->setDoSchema(true);
        parser->setValidationSchemaFullChecking(true);
        // Nothing outside the export is loaded: no schema named in it, no external DTD or entity (the handler
        // resolves none and the parser's own resolution is off, so an export that needs one fails to parse), and
        // declared entities expand only a bounded number of times.
        parser->setLoadSchema(false);
        parser->setLoadExternalDTD(false);
        parser->setDisableDefaultEntityResolution(true);
        parser->setSecurityManager(&security);

        auto handler = std::make_unique<CSaxHandler>();
        parser->setDocumentHandler(handler.get());
        parser->setErrorHandler(handler.get());
        parser->setEntityResolver(handler.get());
        try {
            // Parsed piece by piece, so that the handler can end the parse of a document nested beyond reason.
            xercesc::XMLPScanToken token;
            if (parser->parseFirst(path, token)) {
                while (!handler->TooDeep() && parser->parseNext(token)) {
                }
            }
            // Taken before the reset, which clears it; the reset frees what a parse that stopped early, on its own
            // or at an error, still holds.
            const XMLSize_t errors = parser->getErrorCount();
            parser->parseReset(token);
            LogUnshownMessages(*handler);
            if (handler->TooDeep()) {
                const std::string message = "Ein Fehler ist aufgetreten! :\nDas Dokument ist tiefer als " +
                                            std::to_string(CSaxHandler::kMaxTiefe) +
                                            " Ebenen verschachtelt und kein Zeichnungsexport.";
                ShowParserMessage("XML-Parsing Error", message.c_str(), kBoxFlags);
                result = kParseFehler;
            } else if (handler->Failed()) {
                std::string message = "Ein Fehler ist aufgetreten! :\nDie Austauschdatei <" + handler->FailedFile() +
                                      "> kann nicht geschrieben werden.";
                ShowParserMessage("XML-Parsing Error", message.c_str(), kBoxFlags);
                result = kParseFehler;
            } else if (errors > 0) {
                result = kParseFehler;
            } else if (!handler->Complete()) {
                ShowParserMessage("XML-Parsing Error",
                                  "Ein Fehler ist aufgetreten! :\nDas Dokument ist kein vollständiger "
                                  "Zeichnungsexport (Wurzelelement <output> fehlt oder ist nicht abgeschlossen).",
                                  kBoxFlags);
                result = kParseFehler;
            }
            handler.reset();
        } catch (const xercesc::XMLException& e) {
            LogUnshownMessages(*handler);
            handler.reset();
            std::string message = "Ein Fehler ist aufgetreten! :\n" + ExceptionText(e);
            ShowParserMessage("XML-Parsing Error", message.c_str(), kBoxFlags);
            result = kParseAusnahme;
        } catch (const xercesc::OutOfMemoryException&) {
            LogUnshownMessages(*handler);
            handler.reset();
            ShowParserMessage("XML-Parsing Error", "Ein Fehler ist aufgetreten! :\nOut of memory", kBoxFlags);
            result = kParseAusnahme;
        }
        parser.reset();
    }
    xercesc::XMLPlatformUtils::Terminate();
    return result;
}

}  // namespace drawing
