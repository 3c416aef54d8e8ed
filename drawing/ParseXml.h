// Reads the drawing export into the exchange files of the folder "para" of the current directory.
#pragma once

namespace drawing {

enum ParseErgebnis {
    kParseOk = 0,
    kParseInitFehler = 1,   // the parser library could not be initialised
    kParseFehler = 4,       // the parser reported errors, or the document or the exchange files were unusable
    kParseAusnahme = -1,    // the parser raised an exception during the parse
};

// Parses the XML file with the SAX parser and the import's handler. The parser's problems are shown as warning
// boxes. Only 0 means that every exchange file was written from a complete document whose root is "output"; a
// document with another root, one that does not end its root, one nested deeper than any drawing, or exchange files
// that cannot be created or written give 4 (with a box of their own when the parser itself reported nothing).
// Nothing outside the document is read: an external DTD or entity is refused (-1 or 4), a schema is not loaded.
int ParseXml(const char* path);

// Initialises the parser library on a thread of its own, for a run that has other work to do before its parse (the
// parse waits for it). The library then stays initialised until the process ends.
void PrepareParser();

}  // namespace drawing
