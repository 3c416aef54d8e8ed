// DocRun: one run of the parameter documentation. It reads every record of the chosen sections from the run's
// working file through the table of record families (store/RecordFamilies.h), repairs it, writes it back when the
// options ask for it and only when it was read, documents it, and writes the whole text into the temporary file
// "para/txtFile.txt" (whole or not at all) before it copies that over the target (whole or not at all). No window:
// progress goes to the reporter.
#pragma once

#include "production/DocLayout.h"
#include "store/RecordFamilies.h"

class DrawingReader;

namespace messages {
struct Message;
}

// Receives the status positions (0 to 240) and texts of a run.
class DocReporter {
public:
    virtual ~DocReporter() = default;
    virtual void Status(int position, const CString& text) = 0;
};

class DocRun {
public:
    static constexpr const char* kTempFile = "para/txtFile.txt";
    // A message of the run for the person: its row of the message catalog and its text; no row for none.
    struct Message {
        const messages::Message* row = nullptr;
        CString text;
    };
    // Loads an external function-data file into working file 0 and checks it: false, with the message, when it
    // cannot be loaded or is no function-data file of the supported format; true, with the warning 1.044 when its
    // functions need more memory than the controller offers.
    static bool LoadExternal(const CString& path, Message& message);

    // drawing completes the records of the drawing's own set; an external file's records are read as stored.
    DocRun(const doc::Options& options, DocReporter& reporter, DrawingReader& drawing)
        : m_options(options), m_reporter(reporter), m_drawing(drawing)
    {
    }

    // The text of every chosen section, in file order.
    std::string Build();
    // The temporary file opened, Build, the temporary file written, the commit of working file 2 (write-back runs on
    // the drawing's set) and the copy over the target. False when the temporary file or the copy fails (nothing
    // copied then); a temporary file that cannot be opened ends the run before any record is read or written back.
    bool Write(const CString& target);

    // How the sections walk the record families: from the run's working file, an external file's records as
    // stored, each record written back when the options ask for it and only when it was read.
    static records::Walk RecordWalk(const doc::Options& options)
    {
        return {options.file, options.external != 0, options.writeBack != 0};
    }

    // The sections (each reads, repairs, writes back and documents its records).
    void Header(doc::DocText& text);
    void Eingaenge(doc::DocText& text);
    void Ausgaenge(doc::DocText& text);
    void Meldungen(doc::DocText& text);
    void Netzwerk(doc::DocText& text);
    void Logging(doc::DocText& text);
    void FuncView(doc::DocText& text);

private:
    void Status(int position, const char* pattern, int n = 0);

    doc::Options m_options;
    DocReporter& m_reporter;
    DrawingReader& m_drawing;
};
