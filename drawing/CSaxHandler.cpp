// The XML import's parser callbacks, element state machine and exchange-file handling.
#include "drawing/CSaxHandler.h"

#include "drawing/ParserMessageBox.h"
#include "platform/CLocale.h"

#include <xercesc/sax/SAXParseException.hpp>

#include <cerrno>
#include <climits>
#include <cstdlib>

using namespace std::literals;

namespace {

// The files of the folder "para" that the import writes, in the order in which they are created at the start of
// the document. The first nine are the exchange files proper; the scratch and merge files follow.
const char* const kDateien[13] = {"Nodes.tmp",        "Connect2Line.tmp",        "SignalOver.tmp",
                                  "Connect2Fang.tmp", "KS_Objects.tmp",          "FuncIDs.tmp",
                                  "MeldungIDs.tmp",   "Translate.tmp",           "Online.tmp",
                                  "CatchedLines.tmp", "CatchedLinesSigOver.tmp", "Connect2Node.tmp",
                                  "Connect2SigOver.tmp"};

bool IsPolylinieOrRectangle(const std::string& type) { return type == "polylinie" || type == "rectangle"; }

}  // namespace

CSaxHandler::CSaxHandler() = default;

CSaxHandler::~CSaxHandler() { CloseFiles(); }

void CSaxHandler::startElement(const XMLCh* const name, xercesc::AttributeList&)
{
    OnXmlEvent(kStart, name, xercesc::XMLString::stringLen(name));
}

void CSaxHandler::characters(const XMLCh* const chars, const XMLSize_t length)
{
    OnXmlEvent(kZeichen, chars, length);
}

void CSaxHandler::endElement(const XMLCh* const name)
{
    OnXmlEvent(kEnde, name, xercesc::XMLString::stringLen(name));
}

void CSaxHandler::ShowParseMessage(const char* format, const char* caption, const xercesc::SAXParseException& exc)
{
    std::string systemId = m_text.ToString(exc.getSystemId());
    std::string text = platform::FormatC(format, systemId.c_str(), static_cast<int>(exc.getLineNumber()),
                                         static_cast<int>(exc.getColumnNumber()));
    text += m_text.ToString(exc.getMessage());
    drawing::ShowParserMessage(caption, text.c_str(), MB_TASKMODAL | MB_ICONWARNING | MB_OK);
}

void CSaxHandler::error(const xercesc::SAXParseException& exc)
{
    ShowParseMessage("Error - Fehler in Datei: <%s>, Zeile: %d, Spalte: %d\nNachricht: ",
                     "XML-Parsing Message: 1.000", exc);
}

void CSaxHandler::fatalError(const xercesc::SAXParseException& exc)
{
    ShowParseMessage("Fatal Error - Fehler in Datei: <%s>, Zeile: %d, Spalte: %d\nNachricht: ",
                     "XML-Parsing Message: 1.001", exc);
}

void CSaxHandler::warning(const xercesc::SAXParseException& exc)
{
    ShowParseMessage("Warning - Fehler in Datei: <%s>, Zeile: %d, Spalte: %d\nNachricht: ",
                     "XML-Parsing Message: 1.002", exc);
}

void CSaxHandler::OnXmlEvent(int event, const XMLCh* text, size_t length)
{
    if (m_failed) return;
    switch (event) {
    case kStart: {
        FlushCharacters();
        std::u16string_view name(text, length);
        if (m_depth++ == 0 && name != u"output"sv) m_rootWrong = true;
        StartElement(name);
        break;
    }
    case kZeichen:
        if (m_capture) {
            m_pending.append(text, length);
            m_hasPending = true;
        }
        break;
    case kEnde:
        FlushCharacters();
        if (m_depth > 0) --m_depth;
        EndElement(std::u16string_view(text, length));
        break;
    default:
        break;
    }
}

void CSaxHandler::FlushCharacters()
{
    if (!m_hasPending) return;
    m_hasPending = false;
    if (m_capture) OnCharacters(m_pending.c_str());
    m_pending.clear();
}

void CSaxHandler::StartElement(const std::u16string_view name)
{
    m_element.assign(name);
    if (name == u"output"sv) {
        if (!m_outputOpen && !m_outputDone && !m_rootWrong) OpenFiles();
        return;
    }
    if (name == u"object"sv) {
        // A record left by an object that never ended is dropped unwritten.
        m_record.reset();
        m_state = kObjektKopf;
        m_capture = false;
        m_objektId = 0;
        m_objekt = TypUndName();
        m_objektNummer = -1;
        m_headerCount = 0;
        m_gruppe = TypUndName();
        m_gruppenId = 0;
        // No object inherits the lines of an earlier signal object's connector.
        m_catchedSigOver.clear();
        return;
    }
    const bool header = name == u"type"sv || name == u"id"sv || name == u"name"sv;
    if (m_state == kObjektKopf && header) {
        m_capture = true;
        return;
    }
    if (name == u"groupobject"sv) {
        m_state = kGruppenKopfLesen;
        m_capture = false;
        m_gruppenId = 0;
        m_gruppe = TypUndName();
        m_headerCount = 0;
        return;
    }
    if (m_state == kGruppenKopfLesen && header) {
        m_capture = true;
        return;
    }
    if (m_gruppe.typ == "text" && name == u"string"sv) {
        m_capture = true;
        m_state = kString;
        return;
    }
    if (m_state == kFont && (name == u"facename"sv || name == u"efTextColor"sv || name == u"efBkColor"sv ||
                             name == u"efAlign"sv || name == u"efPointSize"sv || name == u"efStyleName"sv)) {
        m_capture = true;
        return;
    }
    if (m_gruppe.typ == "text" && name == u"kextfont"sv) {
        m_capture = false;
        m_state = kFont;
        return;
    }
    if ((m_objekt.typ == "polylinie" || m_gruppe.typ == "polylinie") && name == u"catchobject"sv) {
        m_capture = false;
        m_state = kCatch;
        OnCatchObject(0, 0);
        return;
    }
    if (m_state == kCatch && name == u"lineID"sv) {
        m_capture = true;
        return;
    }
    if (m_state == kPunkt) {
        if (name == u"x"sv || name == u"y"sv) m_capture = true;
        return;
    }
    if ((IsPolylinieOrRectangle(m_objekt.typ) || IsPolylinieOrRectangle(m_gruppe.typ)) && name == u"point"sv) {
        m_capture = false;
        m_state = kPunkt;
    }
}

void CSaxHandler::OnCharacters(const XMLCh* text)
{
    const std::u16string_view element = m_element;
    switch (m_state) {
    case kObjektKopf:
        if (element == u"type"sv) m_objekt.typ = XmlToString(text);
        else if (element == u"id"sv) m_objektId = drawing::XmlToUInt(text);
        else if (element == u"name"sv) ReadObjektName(XmlToString(text));
        else break;
        if (++m_headerCount >= 3) {
            m_state = kIdle;
            ObjektRecord(true);
        }
        break;
    case kGruppenKopfLesen:
        if (element == u"type"sv) m_gruppe.typ = XmlToString(text);
        else if (element == u"id"sv) m_gruppenId = drawing::XmlToUInt(text);
        else if (element == u"name"sv) m_gruppe.name = XmlToString(text);
        else break;
        if (++m_headerCount >= 3) {
            SetObjektFeld(kGruppenKopf, text);
            m_state = kIdle;
        }
        break;
    case kString:
        SetObjektFeld(kTextString, text);
        m_state = kIdle;
        break;
    case kCatch:
        OnCatchObject(1, drawing::XmlToUInt(text));
        break;
    case kPunkt:
        if (element == u"x"sv) SetObjektFeld(kPunktX, text);
        else if (element == u"y"sv) SetObjektFeld(kPunktY, text);
        break;
    case kFont:
        if (element == u"facename"sv) SetObjektFeld(kFacename, text);
        else if (element == u"efTextColor"sv) SetObjektFeld(kTextFarbe, text);
        else if (element == u"efBkColor"sv) SetObjektFeld(kHintergrundFarbe, text);
        else if (element == u"efAlign"sv) SetObjektFeld(kAusrichtung, text);
        else if (element == u"efPointSize"sv) SetObjektFeld(kPunktGroesse, text);
        else if (element == u"efStyleName"sv) SetObjektFeld(kStilName, text);
        break;
    default:
        break;
    }
}

void CSaxHandler::ReadObjektName(const std::string& text)
{
    // The kind name, "$" and the object number; the number stays -1 when none follows or it does not fit.
    size_t dollar = text.find('$');
    m_objekt.name = text.substr(0, dollar);
    m_objektNummer = -1;
    if (dollar != std::string::npos) {
        const char* digits = text.c_str() + dollar + 1;
        char* end = nullptr;
        errno = 0;
        long number = std::strtol(digits, &end, 10);
        if (end != digits && errno == 0 && number >= -9999999 && number <= 99999999)
            m_objektNummer = static_cast<int>(number);
    }
    if (m_objekt.name.size() > 28) m_objekt.name.resize(28);
}

void CSaxHandler::EndElement(const std::u16string_view name)
{
    m_element.assign(name);
    m_capture = false;
    if (name == u"catchobject"sv && m_state == kCatch) {
        OnCatchObject(2, 0);
        m_state = kIdle;
    } else if (name == u"kextfont"sv && m_state == kFont) {
        m_state = kIdle;
    } else if (name == u"point"sv) {
        m_state = kIdle;
    } else if (name == u"groupobject"sv) {
        // What follows the group belongs to the object, not to this group.
        m_gruppe = TypUndName();
        m_gruppenId = 0;
        if (m_state == kGruppenKopfLesen) m_state = kIdle;
    } else if (name == u"object"sv) {
        WriteObjekt();
        ObjektRecord(false);
    } else if (name == u"output"sv && m_depth == 0 && m_outputOpen) {
        WriteConnect2Node();
        WriteConnect2SigOver();
        WriteScratchFiles();
        CloseFiles();
        if (!m_failed) m_outputDone = true;
    }
}

void CSaxHandler::OpenFiles()
{
    for (int i = 0; i < 13; ++i) {
        std::string path = "para/"s + kDateien[i];
        m_files[i] = std::fopen(path.c_str(), "wb");
        if (!m_files[i]) {
            m_failed = true;
            m_failedFile = path;
            CloseFiles();
            return;
        }
    }
    m_outputOpen = true;
}

void CSaxHandler::CloseFiles()
{
    for (int i = 0; i < 13; ++i) {
        if (!m_files[i]) continue;
        if (std::fclose(m_files[i]) != 0 && !m_failed) {
            m_failed = true;
            m_failedFile = "para/"s + kDateien[i];
        }
        m_files[i] = nullptr;
    }
    m_outputOpen = false;
}

void CSaxHandler::Write(int file, const std::string& bytes)
{
    if (!m_files[file] || m_failed) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_files[file]) != bytes.size()) {
        m_failed = true;
        m_failedFile = "para/"s + kDateien[file];
    }
}
