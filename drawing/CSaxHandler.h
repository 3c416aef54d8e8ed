// The event handler of the XML import: follows the drawing export element by element and writes the exchange files.
//
// CSaxHandler.cpp holds the parser callbacks, the element state machine and the opening and closing of the
// exchange files; CSaxHandlerFelder.cpp the field setter (the group-object roles of every kind);
// CSaxHandlerDateien.cpp the record writers, the catch objects and the junction and signal merges.
//
// Character data of one element may arrive in several pieces (the parser splits at every entity and character
// reference); they are collected and acted on as one value when the next element starts or ends. Once the
// exchange files could not be created or written, the handler ignores the rest of the document and reports
// Failed().
#pragma once

#include "drawing/ObjektDaten.h"
#include "drawing/XmlText.h"

#include <xercesc/sax/HandlerBase.hpp>

#include <memory>
#include <string>
#include <vector>

struct TypUndName {
    std::string typ;
    std::string name;
};

class CSaxHandler : public xercesc::HandlerBase {
public:
    enum Ereignis { kStart = 0, kZeichen = 1, kEnde = 2 };
    enum Feld {
        kGruppenKopf = 0,
        kTextString = 1,
        kPunktX = 2,
        kPunktY = 3,
        kFacename = 4,
        kTextFarbe = 5,
        kHintergrundFarbe = 6,
        kAusrichtung = 7,
        kPunktGroesse = 8,
        kStilName = 9,
    };

    // The deepest element nesting the import reads. A drawing export nests five levels (output, object,
    // groupobject, point, x); ten thousand leaves room for any export to come while a document nested deeper,
    // which can only be damaged or built to exhaust the parser, is refused early.
    static constexpr int kMaxTiefe = 10000;

    CSaxHandler();
    ~CSaxHandler() override;

    // Parser callbacks.
    void startElement(const XMLCh* const name, xercesc::AttributeList& attributes) override;
    void characters(const XMLCh* const chars, const XMLSize_t length) override;
    void endElement(const XMLCh* const name) override;
    void warning(const xercesc::SAXParseException& exc) override;
    void error(const xercesc::SAXParseException& exc) override;
    void fatalError(const xercesc::SAXParseException& exc) override;
    // Every external DTD or entity the document names resolves to nothing: nothing outside the export is ever
    // fetched or opened (the parser must have its default resolution switched off).
    xercesc::InputSource* resolveEntity(const XMLCh* const publicId, const XMLCh* const systemId) override;
    void notationDecl(const XMLCh* const, const XMLCh* const, const XMLCh* const) override {}
    void unparsedEntityDecl(const XMLCh* const, const XMLCh* const, const XMLCh* const,
                            const XMLCh* const) override {}

    // The element state machine; event 0 start, 1 character data, 2 end.
    void OnXmlEvent(int event, const XMLCh* text, size_t length);

    // The exchange files could not be created or written; the rest of the document was ignored.
    bool Failed() const { return m_failed; }
    // The document's root was "output" and its end was reached with every file written and closed.
    bool Complete() const { return m_outputDone && !m_rootWrong && !m_failed; }
    bool RootWrong() const { return m_rootWrong; }
    const std::string& FailedFile() const { return m_failedFile; }
    // An element started deeper than kMaxTiefe; the rest of the document was ignored and the files left as they were.
    bool TooDeep() const { return m_tooDeep; }

    // The parser's messages: only the first of each kind shows its box, so that a document that is wrong in every
    // element does not stop the person at each one. How many of a kind were reported (0 error, 1 fatal error,
    // 2 warning), and the caption of its box.
    enum MessageKind { kError = 0, kFatalError = 1, kWarning = 2 };
    int MessageCount(MessageKind kind) const { return m_messages[kind]; }
    static const char* MessageCaption(MessageKind kind);

private:
    enum Zustand { kIdle = 0, kObjektKopf = 1, kGruppenKopfLesen = 2, kString = 3, kCatch = 4, kPunkt = 5, kFont = 6 };
    // The element names of the export's vocabulary; every other name is kAnderes.
    enum Element {
        kAnderes, kOutput, kObject, kType, kId, kName, kGroupobject, kStringElement, kKextfont, kFacenameElement,
        kEfTextColor, kEfBkColor, kEfAlign, kEfPointSize, kEfStyleName, kCatchobject, kLineID, kPoint, kX, kY,
    };
    static Element ElementOf(std::u16string_view name);

    // CSaxHandler.cpp
    void StartElement(Element name);
    void EndElement(Element name);
    void FlushCharacters();
    void OnCharacters(const XMLCh* text);
    void ReadObjektName(const std::string& text);
    void OpenFiles();
    void CloseFiles(bool schreiben);
    void ShowParseMessage(MessageKind kind, const char* format, const xercesc::SAXParseException& exc);

    // CSaxHandlerFelder.cpp
    void SetObjektFeld(unsigned code, const XMLCh* text);
    void SetGruppenKopf();
    void SetTextString(const XMLCh* text);
    void SetOnlineFeld(unsigned code, const XMLCh* text);
    static std::string XmlToString(const XMLCh* text) { return drawing::XmlToCp1252(text); }
    static std::string CutText(std::string text, size_t n);

    // CSaxHandlerDateien.cpp
    void ObjektRecord(bool create);
    void WriteObjekt();
    void WriteObjektRecord();
    void WriteTranslateRecord();
    void WriteOnlineRahmen();
    void WriteOnlinePlatzhalter();
    void OnCatchObject(int phase, int lineId);
    void WriteConnect2Node();
    void WriteConnect2SigOver();
    struct Sammlung;
    void WriteGroups(int file, const std::vector<Sammlung>& records, const std::vector<std::string>& keys);
    bool WriteMergeRecords(int file, size_t& offset);
    void WriteScratchFiles();
    void Write(int file, const std::string& bytes);

    // Header of the current drawing object and group object.
    TypUndName m_objekt;
    int m_objektId = 0;
    int m_objektNummer = -1;
    TypUndName m_gruppe;
    int m_gruppenId = 0;

    bool m_capture = false;
    int m_state = kIdle;
    int m_headerCount = 0;
    Element m_element = kAnderes;  // the element most recently started or ended

    // Character data collected for the current element.
    std::u16string m_pending;
    bool m_hasPending = false;

    // Document bookkeeping.
    int m_depth = 0;
    bool m_rootWrong = false;
    bool m_outputOpen = false;
    bool m_outputDone = false;
    bool m_failed = false;
    bool m_tooDeep = false;
    std::string m_failedFile;
    int m_messages[3] = {};

    // The files of "para", open from the start of "output"; what they receive is collected and written at its end,
    // so a document that fails on the way leaves the files of the earlier run whole.
    int m_files[13] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::string m_inhalt[13];
    std::unique_ptr<ObjektDaten> m_record;

    // Lines of the current catch object, and the copy a signal object's connector leaves for its object end.
    std::vector<int> m_catched;
    std::vector<int> m_catchedSigOver;
    // What "CatchedLines.tmp" holds at the end: the lines of the last catch object or merge group.
    std::vector<int> m_scratch;
    // Mirrors of "Nodes.tmp" and "SignalOver.tmp", merged at the end of the document.
    struct Sammlung {
        int knoten = 0;
        std::string name;
        std::vector<int> linien;
    };
    std::vector<Sammlung> m_nodes;
    std::vector<Sammlung> m_signals;
    // The merge groups of "Connect2Node.tmp" and "Connect2SigOver.tmp": key field and lines, each line once. Their
    // records (m times m fields for a group of m lines) are made piece by piece as the files are written.
    struct MergeGroup {
        std::string key;
        std::vector<int> lines;
    };
    std::vector<MergeGroup> m_merged[2];
};
