// The four wiring files of the drawing, parsed once into records and indexed by line for the partner search.
//
// Elements are what a search path can pass: pins (object id, pin id), junctions and signal names; each has a dense
// number. Besides the records in file order, the index keeps for every element the lines it can go on to and for
// every line the elements at its ends, which bound what a search from an element can still reach.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class CFeldDatei;

namespace drawing {

class WiringIndex {
public:
    struct Fang {
        int objektId;
        int pinId;
        std::vector<int> linien;
    };
    struct LineEnd {
        int linie;
        int objektId;
        int pinId;
        int element;
    };
    struct Verbund {  // a line of a junction or of a signal name, with the other lines joined to it
        int linie;
        int knoten;        // junction id
        std::string name;  // signal name, without leading blanks
        std::span<const int> andere;
        int element;
        bool opensGroup;   // its lines (linie and andere) are all the lines of the records that follow it in its group
    };

    // Reads the files as they are loaded (an unloaded file has no records). A record whose count cannot be right
    // (negative, or more ids than the file holds) ends the reading of its file.
    //
    // A junction or signal name of m lines has m records of m - 1 other lines in the merge files, each the group's
    // lines from the one after its own, wrapping round. Records that repeat the group of the record before them
    // byte for byte in that way share its lines instead of holding copies, so the index takes memory and time in
    // proportion to the lines, and reading a merge file is one comparison of its bytes.
    WiringIndex(CFeldDatei* fang, CFeldDatei* line, CFeldDatei* node, CFeldDatei* sigOver);

    const std::vector<Fang>& FangRecords() const { return m_fang; }
    const std::vector<LineEnd>& LineRecords() const { return m_line; }
    const std::vector<Verbund>& NodeRecords() const { return m_node; }
    const std::vector<Verbund>& SigRecords() const { return m_sig; }

    // Record indexes of the line in each file, in file order.
    const std::vector<int>& LineMatches(int linie) const;
    const std::vector<int>& NodeMatches(int linie) const;
    const std::vector<int>& SigMatches(int linie) const;

    // The first "Connect2Fang.tmp" record of a pin, or -1.
    int FindFang(int objektId, int pinId) const;
    int PinElement(int objektId, int pinId) const;  // -1 when the pin is in no file
    int FangOfElement(int element) const { return m_fangOfElement[static_cast<size_t>(element)]; }
    bool IsPin(int element) const { return m_isPin[static_cast<size_t>(element)]; }
    int ElementCount() const { return static_cast<int>(m_isPin.size()); }

    // True when some pin that discovered[] does not mark can be reached from the element over lines and elements
    // that blocked[] does not mark (counts above 0 block). Adds the elements visited to work.
    bool ReachesUndiscoveredPin(int element, const std::vector<int>& blocked, const std::vector<char>& discovered,
                                long& work) const;

    // The pins (the element itself among them when it is one) reachable from the element over any line end a
    // search can take, blocked by nothing: no search from the element can list more. Adds the elements visited to
    // work.
    int ReachablePins(int element, long& work) const;

private:
    int Element(std::unordered_map<long long, int>& map, long long key, bool pin);
    void ReadGroups(CFeldDatei* file, bool named, std::vector<Verbund>& records);
    int LineIndex(int linie);

    std::vector<Fang> m_fang;
    std::vector<LineEnd> m_line;
    std::vector<Verbund> m_node;
    std::vector<Verbund> m_sig;
    std::deque<std::vector<int>> m_groupLines;  // the lines of each group twice in a row; Verbund::andere views them

    std::unordered_map<int, std::vector<int>> m_lineMatches, m_nodeMatches, m_sigMatches;
    std::unordered_map<long long, int> m_pinElements, m_junctionElements;
    std::unordered_map<std::string, int> m_signalElements;
    std::vector<char> m_isPin;
    std::vector<int> m_fangOfElement;

    // The graph of what can follow what: element -> lines, line -> elements.
    std::unordered_map<int, int> m_lineIndex;
    std::vector<std::vector<int>> m_elementLines;  // dense line indexes
    std::vector<std::vector<int>> m_lineElements;  // only ends a search can take: the first two of each file

    mutable std::vector<int> m_stamp;
    mutable std::vector<int> m_queue;
    mutable int m_generation = 0;
};

}  // namespace drawing
