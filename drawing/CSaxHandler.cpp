// The XML import's parser callbacks, element state machine and exchange-file handling.
#include "drawing/CSaxHandler.h"

#include "drawing/ParserMessageBox.h"
#include "platform/CLocale.h"

#include <xercesc/sax/SAXParseException.hpp>

#include <fcntl.h>
#include <unistd.h>

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

CSaxHandler::Element CSaxHandler::ElementOf(std::u16string_view name)
{
    // Every element of the document passes here: decided by length first, then by the whole name.
    auto is = [&](std::u16string_view candidate, Element element) { return name == candidate ? element : kAnderes; };
    switch (name.size()) {
    case 1: return name[0] == u'x' ? kX : name[0] == u'y' ? kY : kAnderes;
    case 2: return is(u"id", kId);
    case 4: return name[0] == u't' ? is(u"type", kType) : is(u"name", kName);
    case 5: return is(u"point", kPoint);
    case 6:
        if (name[0] == u'o') return name[1] == u'u' ? is(u"output", kOutput) : is(u"object", kObject);
        return name[0] == u's' ? is(u"string", kStringElement) : is(u"lineID", kLineID);
    case 7: return is(u"efAlign", kEfAlign);
    case 8: return name[0] == u'k' ? is(u"kextfont", kKextfont) : is(u"facename", kFacenameElement);
    case 9: return is(u"efBkColor", kEfBkColor);
    case 11:
        if (name[0] == u'g') return is(u"groupobject", kGroupobject);
        if (name[0] == u'c') return is(u"catchobject", kCatchobject);
        if (name[2] == u'T') return is(u"efTextColor", kEfTextColor);
        if (name[2] == u'P') return is(u"efPointSize", kEfPointSize);
        return is(u"efStyleName", kEfStyleName);
    default: return kAnderes;
    }
}

CSaxHandler::~CSaxHandler() { CloseFiles(false); }

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

xercesc::InputSource* CSaxHandler::resolveEntity(const XMLCh* const, const XMLCh* const)
{
    // The export is the drawing tool's own output and never needs anything beside it. No source, with the parser's
    // default resolution switched off, leaves an external DTD unopened (the parse then ends with the parser's
    // exception) and an external entity unexpanded (reported as an error); nothing is read or fetched.
    return nullptr;
}

const char* CSaxHandler::MessageCaption(MessageKind kind)
{
    static const char* const kCaptions[3] = {"XML-Parsing Message: 1.000", "XML-Parsing Message: 1.001",
                                             "XML-Parsing Message: 1.002"};
    return kCaptions[kind];
}

void CSaxHandler::ShowParseMessage(MessageKind kind, const char* format, const xercesc::SAXParseException& exc)
{
    // The rest of a kind are only counted; ParseXml puts the count in the protocol.
    if (m_messages[kind]++ > 0) return;
    std::string systemId = drawing::XmlToCp1252(exc.getSystemId());
    std::string text = platform::FormatC(format, systemId.c_str(), static_cast<int>(exc.getLineNumber()),
                                         static_cast<int>(exc.getColumnNumber()));
    text += drawing::XmlToCp1252(exc.getMessage());
    drawing::ShowParserMessage(MessageCaption(kind), text.c_str(), MB_TASKMODAL | MB_ICONWARNING | MB_OK);
}

void CSaxHandler::error(const xercesc::SAXParseException& exc)
{
    ShowParseMessage(kError, "Error - Fehler in Datei: <%s>, Zeile: %d, Spalte: %d\nNachricht: ", exc);
}

void CSaxHandler::fatalError(const xercesc::SAXParseException& exc)
{
    ShowParseMessage(kFatalError, "Fatal Error - Fehler in Datei: <%s>, Zeile: %d, Spalte: %d\nNachricht: ", exc);
}

void CSaxHandler::warning(const xercesc::SAXParseException& exc)
{
    ShowParseMessage(kWarning, "Warning - Fehler in Datei: <%s>, Zeile: %d, Spalte: %d\nNachricht: ", exc);
}

void CSaxHandler::OnXmlEvent(int event, const XMLCh* text, size_t length)
{
    if (m_failed || m_tooDeep) return;
    switch (event) {
    case kStart: {
        if (m_depth >= kMaxTiefe) {
            m_tooDeep = true;
            return;
        }
        FlushCharacters();
        std::u16string_view name(text, length);
        const Element element = ElementOf(name);
        if (m_depth++ == 0 && element != kOutput) m_rootWrong = true;
        StartElement(element);
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
        EndElement(ElementOf(std::u16string_view(text, length)));
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

void CSaxHandler::StartElement(Element name)
{
    m_element = name;
    if (name == kOutput) {
        if (!m_outputOpen && !m_outputDone && !m_rootWrong) OpenFiles();
        return;
    }
    if (name == kObject) {
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
    const bool header = name == kType || name == kId || name == kName;
    if (m_state == kObjektKopf && header) {
        m_capture = true;
        return;
    }
    if (name == kGroupobject) {
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
    if (m_gruppe.typ == "text" && name == kStringElement) {
        m_capture = true;
        m_state = kString;
        return;
    }
    if (m_state == kFont && (name == kFacenameElement || name == kEfTextColor || name == kEfBkColor ||
                             name == kEfAlign || name == kEfPointSize || name == kEfStyleName)) {
        m_capture = true;
        return;
    }
    if (m_gruppe.typ == "text" && name == kKextfont) {
        m_capture = false;
        m_state = kFont;
        return;
    }
    if ((m_objekt.typ == "polylinie" || m_gruppe.typ == "polylinie") && name == kCatchobject) {
        m_capture = false;
        m_state = kCatch;
        OnCatchObject(0, 0);
        return;
    }
    if (m_state == kCatch && name == kLineID) {
        m_capture = true;
        return;
    }
    if (m_state == kPunkt) {
        if (name == kX || name == kY) m_capture = true;
        return;
    }
    if ((IsPolylinieOrRectangle(m_objekt.typ) || IsPolylinieOrRectangle(m_gruppe.typ)) && name == kPoint) {
        m_capture = false;
        m_state = kPunkt;
    }
}

void CSaxHandler::OnCharacters(const XMLCh* text)
{
    const Element element = m_element;
    switch (m_state) {
    case kObjektKopf:
        if (element == kType) m_objekt.typ = XmlToString(text);
        else if (element == kId) m_objektId = drawing::XmlToUInt(text);
        else if (element == kName) ReadObjektName(XmlToString(text));
        else break;
        if (++m_headerCount >= 3) {
            m_state = kIdle;
            ObjektRecord(true);
        }
        break;
    case kGruppenKopfLesen:
        if (element == kType) m_gruppe.typ = XmlToString(text);
        else if (element == kId) m_gruppenId = drawing::XmlToUInt(text);
        else if (element == kName) m_gruppe.name = XmlToString(text);
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
        if (element == kX) SetObjektFeld(kPunktX, text);
        else if (element == kY) SetObjektFeld(kPunktY, text);
        break;
    case kFont:
        if (element == kFacenameElement) SetObjektFeld(kFacename, text);
        else if (element == kEfTextColor) SetObjektFeld(kTextFarbe, text);
        else if (element == kEfBkColor) SetObjektFeld(kHintergrundFarbe, text);
        else if (element == kEfAlign) SetObjektFeld(kAusrichtung, text);
        else if (element == kEfPointSize) SetObjektFeld(kPunktGroesse, text);
        else if (element == kEfStyleName) SetObjektFeld(kStilName, text);
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

void CSaxHandler::EndElement(Element name)
{
    m_element = name;
    m_capture = false;
    if (name == kCatchobject && m_state == kCatch) {
        OnCatchObject(2, 0);
        m_state = kIdle;
    } else if (name == kKextfont && m_state == kFont) {
        m_state = kIdle;
    } else if (name == kPoint) {
        m_state = kIdle;
    } else if (name == kGroupobject) {
        // What follows the group belongs to the object, not to this group.
        m_gruppe = TypUndName();
        m_gruppenId = 0;
        if (m_state == kGruppenKopfLesen) m_state = kIdle;
    } else if (name == kObject) {
        WriteObjekt();
        ObjektRecord(false);
    } else if (name == kOutput && m_depth == 0 && m_outputOpen) {
        WriteConnect2Node();
        WriteConnect2SigOver();
        WriteScratchFiles();
        CloseFiles(true);
        if (!m_failed) m_outputDone = true;
    }
}

void CSaxHandler::OpenFiles()
{
    for (int i = 0; i < 13; ++i) {
        std::string path = "para/"s + kDateien[i];
        m_files[i] = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        m_inhalt[i].clear();
        // Room for a large drawing from the start, so the contents are not copied as they grow.
        m_inhalt[i].reserve(i == 4 ? 1 << 20 : i == 7 ? 1 << 19 : 1 << 16);
        if (m_files[i] < 0) {
            m_failed = true;
            m_failedFile = path;
            CloseFiles(false);
            return;
        }
    }
    m_outputOpen = true;
}

void CSaxHandler::CloseFiles(bool schreiben)
{
    for (int i = 0; i < 13; ++i) {
        if (m_files[i] < 0) continue;
        if (schreiben && !m_failed) {
            // The new contents over the old, then cut to their length: one write per file.
            const std::string& bytes = m_inhalt[i];
            size_t done = 0;
            while (done < bytes.size()) {
                ssize_t n = ::pwrite(m_files[i], bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
                if (n <= 0) break;
                done += static_cast<size_t>(n);
            }
            const bool whole = done == bytes.size() && WriteMergeRecords(i, done);
            if (!whole || ::ftruncate(m_files[i], static_cast<off_t>(done)) != 0) {
                m_failed = true;
                m_failedFile = "para/"s + kDateien[i];
            }
        }
        ::close(m_files[i]);
        m_files[i] = -1;
        m_inhalt[i].clear();
    }
    for (std::vector<MergeGroup>& merged : m_merged) merged.clear();
    m_outputOpen = false;
}

void CSaxHandler::Write(int file, const std::string& bytes)
{
    if (m_files[file] >= 0) m_inhalt[file] += bytes;
}
