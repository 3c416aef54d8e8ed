// The vocabulary of the parameter documentation: the options of one run, the three layouts, the rules, gaps,
// separators and indentation every section uses, the shared value texts, and the lines of variable sources and
// output lists. Every line is built whole and appended to a DocText with CR LF; nothing here touches a file.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "resources/ValueLists.h"

#include <string>

namespace doc {

// The layouts of the text: 0 plain (blank, tabs), 1 columns for a fixed-width font, 2 fields separated by ";".
enum Layout : int { kPlain = 0, kColumns = 1, kSeparated = 2 };

// The kind of a section; it selects the length of the item rule and the value column of the column layout.
enum Section : int {
    kHeader = 0,
    kInputs = 1,
    kOutputs = 2,
    kFunctions = 3,
    kMessages = 4,
    kSources = 5,  // the lines of a variable source
    kNetwork = 6,
    kNetInputs = 7,
    kLogging = 8,
    kOverview = 9,
};

// Which sections a run writes, with their filters of entries not in use.
struct Bereiche {
    BYTE inputs = 1, inputsFilter = 0;
    BYTE outputs = 1, outputsFilter = 0;
    BYTE functions = 1, functionsFilter = 0;
    BYTE messages = 1, messagesFilter = 0;
    BYTE network = 1, networkFilter = 0;
    BYTE overview = 1;
    BYTE canLogging = 1;
};

// The options of one run.
struct Options {
    BYTE external = 0;  // 1: an external function-data file in working file 0
    int file = 2;       // the working file every record is read from
    int format = kPlain;
    BYTE writeBack = 0;  // 1: repaired records are written back into the working file
    Bereiche sections;
};

CString SectionRule();
CString ItemRule(int section);
// The value column of a section in the column layout (0: the label is followed by one blank).
int ValueColumn(int section);
// The text between a label of `used` characters and its value.
CString LabelGap(int section, unsigned used, int format);
CString ValueSep(int format);
CString Indent(int level, int format);
void PadRight(CString& text, int width);

// Shared value texts.
CString YesNo(bool yes);  // "sì" / "no"
CString OnOff(bool on);   // "ON" / "OFF"
// A time byte: 0..90 seconds, 91..106 half minutes, 107..156 minutes, 157..255 half hours, as the time-out list of
// the CAN logging shows it. The switching output's delay writes its half minutes with the unit "Min".
using resources::TimeByteText;
// A time of day in 10-minute steps: "06:00".
CString TimeOfDayText(BYTE value);
// "1, 3, 16" of the numbers whose flag is set (numbers[i] stands for flags[i]), or "nessuno".
CString NumberList(const BYTE* flags, const BYTE* numbers, int count);

// The text of a documentation file: Windows-1252 lines, each ended by CR LF.
class DocText {
public:
    explicit DocText(const Options& options) : m_options(options) {}
    const Options& Opt() const { return m_options; }
    int Format() const { return m_options.format; }

    void Line(const CString& text);
    // label, the gap of the section measured on the label, value.
    void Column(int section, const CString& label, const CString& value);
    // The indentation of the level, label, separator, value.
    void Separated(int level, const CString& label, const CString& value);
    // The indentation of the level and the label.
    void Heading(int level, const CString& label);

    // The lines of a digital or analog input variable's source (the section's filter flag and whether the variable
    // may stay without a source). Returns false when nothing was written.
    bool QuelleDigital(const CString& label, int level, BYTE kind, BYTE number, bool optional, bool inverted,
                       BYTE state, bool filter);
    bool QuelleAnalog(const CString& label, int level, BYTE kind, BYTE number, bool optional, bool filter);
    // A list of the 16 outputs, and of the six speed-controlled outputs 1, 2, 6, 7, 15, 16.
    void AusgangsListe(const CString& label, int level, const BYTE flags[16]);
    void DrehzahlListe(const CString& label, int level, const BYTE flags[6]);

    const std::string& Bytes() const { return m_bytes; }

private:
    bool QuelleHead(const CString& label, int level, BYTE kind, bool optional, bool filter);
    void SourceLine(int level, const CString& label, const CString& value);
    void NotUsedLine(int level);

    Options m_options;
    std::string m_bytes;
};

}  // namespace doc
