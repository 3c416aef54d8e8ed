// CTranslate: rewrites the texts that the program generated in the drawing (designations, numbers, kind letters,
// titles, field and pin labels, participant lists) in the user-interface language, when "open" meets a parameter set
// of another language or none at all.
//
// The drawing evaluation leaves one 500-byte record per drawing object in "para/Translate.tmp": a header (kind name,
// object id, library version, designation, designation text id) and the ids of the object's text objects. Run reads
// the values from the working copy (working file 2) and queues one "settext" command per text object on the channel
// it is given; it never writes the parameter set and never shows a message.
//
// Sound rules of this implementation:
//   - a record is queued only once every value it needs has been read: a value that is not a whole decimal number on
//     a line of its own inside the record (garbage, a truncated file) drops the whole record;
//   - a text id of 0 or below names no text object: nothing is queued for it;
//   - a function or message object whose id no slot of its kind carries gets its constant texts only; the texts that
//     depend on its record (designation, pin-label suffixes, participants, message type) are left as they are.
//
// The class is split over three source files:
//   CTranslate.cpp           Run, the reading of "Translate.tmp", the tables, the dispatch, AppendSuffix
//   CTranslateAnlage.cpp     inputs, outputs, network objects, signal transfers and messages
//   CTranslateFunktion.cpp   the 23 function kinds, one table row each
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <string>
#include <vector>

class CParaCheck;
class CParaDaten;
class DrawingCommands;
class CTexte;

// The header of one record of "Translate.tmp", as read.
struct TranslateHeader {
    CString kind;               // internal kind name, e.g. "Eingang", "Heizkreisregler"
    int objectId = 0;           // the drawing object's id; function and message slots carry it
    BYTE version = 0;           // library version of the drawing element: the low 8 bits of the number read
    CString designation;        // the designation the drawing held, trimmed; no kind uses it
    int designationTextId = 0;  // the text object that shows the designation ("Meldungsursache" for a message)
};

// The display data of one network input or output.
struct TranslateNetzText {
    CString title;
    CString numberText;
    BYTE node = 0;    // node number of the sending controller (an output: the controller's own node)
    BYTE output = 0;  // network output number 1 to 16 on that node; 0 for an input no node sends
};

// "Translate.tmp" held in memory, with the read position and the end of the record being read.
struct TranslateFile {
    std::string bytes;
    size_t pos = 0;
    size_t recordEnd = 0;
};

class CTranslate {
public:
    static constexpr const char* kDatei = "para/Translate.tmp";
    static constexpr int kRecordBytes = 500;
    // Drawing elements of older libraries carry texts that this program does not manage: they keep their texts.
    static constexpr BYTE kMinVersion = 11;

    CTranslate() = default;
    virtual ~CTranslate() = default;

    // Queues the commands of every record on the channel (constructed and reset by the caller, who also sends
    // them). False, nothing queued, when "para/Translate.tmp" cannot be read; true otherwise.
    bool Run(DrawingCommands& channel);

    // ---- Reading "Translate.tmp" (CTranslate.cpp) ----
    // Fields are lines ending in CR LF (a bare LF is accepted); a field is read only when its line ends inside the
    // current record. A failed read leaves the position on the field.

    // A whole decimal number, blanks around it allowed; false for anything else or a number outside int.
    static bool ReadNumber(TranslateFile& file, int& value);
    // A text field without its leading blanks and its line end.
    static bool ReadText(TranslateFile& file, CString& text);
    // Records in the file: its size divided by 500, rounded up (a short last record counts).
    static int CountRecords(const TranslateFile& file);
    // Positions the file at record n (1-based) and bounds the reads to it; false when the record does not exist.
    static bool SeekRecord(TranslateFile& file, int n);
    // The five header fields in order; false when one of them cannot be read.
    static bool ReadHeader(TranslateFile& file, int n, TranslateHeader& header);
    // Reads count values into values; false (values incomplete) when one cannot be read.
    static bool ReadNumbers(TranslateFile& file, int count, std::vector<int>& values);

    // The mark of a digital input pin's label: " (inv.)" for a connected, inverted source; " (OFF)" for no source
    // with fixed value 0 unless suppressOff; nothing otherwise.
    static void AppendSuffix(CString& label, BYTE sourceKind, BYTE suppressOff, BYTE inverted, BYTE fixedValue);

    // Queues one "settext" command; nothing for an id of 0 or below, which names no text object.
    static void Queue(DrawingCommands& channel, int textId, const CString& text);

    // ---- Plant objects (CTranslateAnlage.cpp) ----
    // Each reads its kind's values right after the header, then queues its commands.

    void TranslateEingang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                          const CString inputs[16]);
    void TranslateSensorstatus(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                               const CString inputs[16]);
    void TranslateAusgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                          const CString outputs[14]);
    void TranslateMischerAusgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                 const CString outputs[14]);
    void TranslateAnalogAusgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header);
    // "Signal_Übergabe" and "Signal_Übernahme": the header's kind name chooses the title.
    void TranslateSignalUebergabe(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header);
    void TranslateNetzwerkeingang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                  const TranslateNetzText netInputs[32]);
    void TranslateNetzwerkstatus(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                 const TranslateNetzText netInputs[32]);
    void TranslateNetzwerkausgang(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                                  const TranslateNetzText netOutputs[32]);
    void TranslateMeldung(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header, CParaDaten& para,
                          CParaCheck& check, CTexte& texte);

    // ---- Function objects (CTranslateFunktion.cpp) ----

    // True for the 23 function kind names.
    static bool IsFunktion(const CString& kind);
    // Reads the ids of a function object and queues its texts; any kind that is no function kind: nothing. The
    // record is read and repaired as every walk over the function slots does (store/FunctionTypes.h).
    void TranslateFunktion(TranslateFile& file, DrawingCommands& channel, CParaDaten& para, CTexte& texte,
                           const TranslateHeader& header);

private:
    // What Run fills from working file 2 before it reads the file.
    struct Tables {
        CString inputs[16];             // designation texts of inputs 1 to 16
        CString outputs[14];            // designation texts of outputs 1 to 14 (a mixer's second output copies)
        TranslateNetzText netInputs[32];
        TranslateNetzText netOutputs[32];
    };
    // The four tables of the working copy.
    static void FillTables(CParaDaten& para, CParaCheck& check, CTexte& texte, Tables& tables);

    void Dispatch(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header, const Tables& tables,
                  CParaDaten& para, CParaCheck& check, CTexte& texte);
    void TranslateNetzwerk(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header,
                           const TranslateNetzText table[32], const char* unassignedTitle, bool fixedTitle);
};
