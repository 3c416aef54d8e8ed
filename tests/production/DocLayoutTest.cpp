// The shared layout of the documentation: gaps, separators, indentation, value texts and source lines in the three
// layouts, and the default and chosen paths of the export form.
#include "production/DocLayout.h"
#include "production/DocPaths.h"
#include "production/DocRows.h"

#include "platform/Win32File.h"

#include <gtest/gtest.h>

using namespace doc;

namespace {

TEST(DocLayoutTest, GapsSeparatorsAndIndentationFollowTheLayout)
{
    const struct {
        int section;
        unsigned used;
        int format;
        const char* gap;
    } gaps[] = {
        {kInputs, 9, kPlain, " "},        {kInputs, 9, kColumns, "    "},
        {kInputs, 9, kSeparated, ";"},    {kInputs, 0, kColumns, "             "},
        {kInputs, 13, kColumns, " "},     {kInputs, 40, kColumns, " "},
        {kFunctions, 3, kColumns, " "},   {kOverview, 0, kColumns, " "},
        {kLogging, 13, kColumns, "    "}, {kNetInputs, 15, kColumns, " "},
        {kSources, 2, kColumns, "     "}, {kInputs, 9, 7, ""},
    };
    for (const auto& g : gaps)
        EXPECT_EQ(LabelGap(g.section, g.used, g.format), g.gap) << g.section << " " << g.used << " " << g.format;
    EXPECT_EQ(Indent(0, kSeparated), "");
    EXPECT_EQ(Indent(2, kSeparated), ";;");
    EXPECT_EQ(Indent(2, kPlain), "\t\t");
    EXPECT_EQ(Indent(1, kColumns), "    ");
    EXPECT_EQ(ValueSep(kColumns), " ");
    EXPECT_EQ(ValueSep(kSeparated), ";");
    EXPECT_EQ(ItemRule(kSources), CString('-', 10));
    EXPECT_EQ(ItemRule(kNetwork), CString('-', 35));
    EXPECT_EQ(ItemRule(42), CString('-', 10));
    CString text = "abcdef";
    PadRight(text, 3);
    EXPECT_EQ(text, "abcdef");
    PadRight(text, 8);
    EXPECT_EQ(text, "abcdef  ");
}

TEST(DocLayoutTest, TimeBytesReadTheSameEverywhere)
{
    const struct {
        BYTE value;
        const char* text;
    } cases[] = {
        {0, "0 sec"},    {90, "90 sec"},  {91, "2.0 min"},  {100, "6.5 min"},  {106, "9.5 min"},
        {107, "10 min"}, {156, "59 min"}, {157, "1.0 ore"}, {200, "22.5 ore"}, {251, "48.0 ore"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeByteText(c.value), c.text) << int(c.value);
    EXPECT_EQ(TimeByteText(100, "Min"), "6.5 Min");
    EXPECT_EQ(TimeOfDayText(36), "06:00");
    EXPECT_EQ(TimeOfDayText(143), "23:50");
}

TEST(DocLayoutTest, ListsNameTheSetFlagsOrNone)
{
    Options options;
    options.format = kColumns;
    DocText text(options);
    const BYTE none[16] = {};
    BYTE some[16] = {};
    some[0] = some[2] = some[15] = 1;
    const BYTE speed[6] = {0, 0, 0, 0, 1, 0};
    text.AusgangsListe("normale ON", 1, none);
    text.AusgangsListe("dominante ON", 0, some);
    text.DrehzahlListe("USCITA", 1, speed);
    EXPECT_EQ(text.Bytes(),
              "    normale ON:\r\n        Uscita: nessuno\r\n"
              "dominante ON:\r\n    Uscita: 1, 3, 16\r\n"
              "    USCITA:\r\n        Usc.giri reg: 15\r\n");
}

TEST(DocLayoutTest, UserValueSourcesInTheThreeLayouts)
{
    const struct {
        int format;
        bool optional;
        bool filter;
        const char* lines;
    } cases[] = {
        {kColumns, false, false, "    RILASCIO:\r\n         Fonte: Utente\r\n         Stato: ON\r\n"},
        {kColumns, true, false, "    RILASCIO:\r\n         Fonte: Utente\r\n                non usato\r\n"},
        {kSeparated, true, false, ";RILASCIO:\r\n;;Fonte:;Utente\r\n;;;non usato\r\n"},
        {kPlain, false, false, "\tRILASCIO:\r\n\t\tFonte: Utente\r\n\t\tStato: ON\r\n"},
        {kPlain, true, true, ""},
    };
    for (const auto& c : cases) {
        Options options;
        options.format = c.format;
        DocText text(options);
        text.QuelleDigital("RILASCIO", 1, 0, 0, c.optional, false, 1, c.filter);
        EXPECT_EQ(text.Bytes(), c.lines) << c.format << c.optional << c.filter;
    }
}

TEST(DocLayoutTest, RowsRepeatOverTheirElementsWithNumberedLabels)
{
    static constexpr record::FieldInfo kByte = record::Flag(record::FieldRef{"b", 0, 1});
    static constexpr DocRow kRows[] = {
        HeadingRow(1, "GRUPPO %d..%d:"),
        ValueRow(2, "Tempo:", &kByte, Fmt::Number, "%ld min"),
        {DocRow::Column, 0, "Attivo:", &kByte, Fmt::YesNo, nullptr, {}, {Cond::NonZero, 0, 0}},
    };
    const BYTE bytes[] = {5, 0, 7, 0};
    Options options;
    options.format = kSeparated;
    DocText text(options);
    WriteRows(text, kNetwork, kRows, bytes, {2, 2, 1, 4});
    EXPECT_EQ(text.Bytes(),
              ";GRUPPO 1..4:\r\n;;Tempo:;5 min\r\nAttivo:;sì\r\n"
              ";GRUPPO 5..8:\r\n;;Tempo:;7 min\r\nAttivo:;sì\r\n");
}

TEST(DocLayoutTest, PathsOfTheFormKeepTheirExtensionInAnyCaseAndNeverStartAtTheRoot)
{
    EXPECT_EQ(WithExtension("/a/x", "txt"), "/a/x.txt");
    EXPECT_EQ(WithExtension("/a/x.TXT", "txt"), "/a/x.TXT");
    EXPECT_EQ(WithExtension("/a/x.Dat", "dat"), "/a/x.Dat");
    EXPECT_EQ(WithExtension("/a.txt/x", "txt"), "/a.txt/x.txt");

    StartContext start;
    start.engPath = "/plant/Anlage.evl";
    start.xmlPath = "/plant/xml/VORNA.xml";
    EXPECT_EQ(DefaultPath(start, "", "KRX9274_Doku", "txt"), "/plant/xml/KRX9274_Doku/Anlage.txt");
    EXPECT_EQ(DefaultPath(start, "/stored", "KRX9274_Doku", "txt"), "/stored/Anlage.txt");
    start.engPath = "";
    start.xmlPath = "VORNA.xml";  // no folder: the program directory, never "/"
    EXPECT_EQ(DefaultPath(start, "", "KRX9274_Funktionsdaten", "dat"),
              platform::ProgramDirectory() + "/KRX9274_Funktionsdaten/KRX9274.dat");
}

}  // namespace
