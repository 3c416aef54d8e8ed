// The time-program dialog on a record's block: the repair and the show of what it is given, the edits of a person
// with the copy-out on OK, and Cancel, which writes nothing.
#include "forms/dialogs/CZeitprogrammDlg.h"

#include "support/TestDriver.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using platform::TestDriver;

// A record's time-program fields, in the order the records hold them, with neighbours that must stay untouched.
struct Record {
    BYTE before = 0xA5;
    BYTE windows = 2;    // field 7
    BYTE programs = 2;   // field 8
    BYTE setpoints = 0;  // field 9
    Zeitprogramm block[kZeitprogramme];
    BYTE after = 0x5A;
};

constexpr UINT kDays[] = {IDC_ZP_MONDAY, IDC_ZP_TUESDAY,  IDC_ZP_WEDNESDAY, IDC_ZP_THURSDAY,
                          IDC_ZP_FRIDAY, IDC_ZP_SATURDAY, IDC_ZP_SUNDAY};
// Start, end and setpoint boxes of windows 1 to 3.
constexpr UINT kBoxes[] = {IDC_ZP_START1, IDC_ZP_END1, IDC_ZP_SETPOINT1, IDC_ZP_START2, IDC_ZP_END2,
                           IDC_ZP_SETPOINT2, IDC_ZP_START3, IDC_ZP_END3, IDC_ZP_SETPOINT3};

std::vector<std::string> Texts(const std::vector<CString>& items)
{
    return std::vector<std::string>(items.begin(), items.end());
}

// What the dialog shows, in one comparable line.
std::string Shown(TestDriver& d, CDialog& dlg)
{
    std::string s = "count " + std::to_string(d.CurSel(dlg, IDC_ZP_PROGRAMS)) + " windows " +
                    std::to_string(d.CurSel(dlg, IDC_ZP_WINDOWS)) + " setpoints " +
                    std::to_string(d.CurSel(dlg, IDC_ZP_SETPOINTS)) + " tab " +
                    std::to_string(d.CurSel(dlg, IDC_ZP_TABS)) + " days ";
    for (UINT id : kDays)
        s += !d.Enabled(dlg, id) ? '-' : d.Check(dlg, id) ? 'x' : 'o';
    s += " boxes";
    for (UINT id : kBoxes)
        s += " " + (d.Enabled(dlg, id) ? std::string() : std::string("!")) + std::to_string(d.CurSel(dlg, id));
    return s;
}

class CZeitprogrammDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }

    INT_PTR Run(BYTE first, BYTE choices, Record& record, std::function<void(CDialog&)> action)
    {
        m_driver.WhenDialogRuns(std::move(action));
        CZeitprogrammDlg dialog(first, choices, &record.programs, &record.windows, &record.setpoints, record.block);
        return dialog.DoModal();
    }

    TestDriver m_driver;
};

}  // namespace

TEST_F(CZeitprogrammDlgTest, FirstNumberAndChoicesEndAtProgramFive)
{
    const struct {
        BYTE first, choices, wantFirst, wantChoices;
    } cases[] = {{1, 5, 1, 5}, {0, 6, 0, 6}, {7, 5, 4, 2}, {3, 6, 3, 3}, {5, 1, 5, 1}, {0, 2, 0, 2}};
    Record record;
    for (const auto& c : cases) {
        CZeitprogrammDlg dialog(c.first, c.choices, &record.programs, &record.windows, &record.setpoints,
                                record.block);
        EXPECT_EQ(dialog.GetFirst(), c.wantFirst) << int(c.first) << "/" << int(c.choices);
        EXPECT_EQ(dialog.GetChoices(), c.wantChoices) << int(c.first) << "/" << int(c.choices);
    }
}

TEST_F(CZeitprogrammDlgTest, TheFirstShowRepairsAndOkWritesTheRepairedCopy)
{
    struct Case {
        const char* name;
        BYTE first, choices;
        std::function<void(Record&)> given;
        std::vector<std::string> countItems;
        std::vector<std::string> tabs;
        std::string shown;
        std::function<void(Record&)> written;  // the record expected after OK, from the given one
    };
    const std::vector<std::string> zeroToFive = {"  0", "  1", "  2", "  3", "  4", "  5"};
    const std::vector<std::string> oneToFive = {"  1", "  2", "  3", "  4", "  5"};
    const Case cases[] = {
        {"no program in use", 0, 6, [](Record& r) { r.programs = 0; }, zeroToFive, {},
         "count 0 windows 1 setpoints 0 tab -1 days ------- boxes !-1 !-1 !-1 !-1 !-1 !-1 !-1 !-1 !-1",
         [](Record&) {}},
        {"a time switch has at least one program", 1, 5,
         [](Record& r) {
             r.programs = 0;
             r.windows = 1;
             r.block[0].days[6] = 1;
             r.block[0].windows[0] = {36, 132, 5};
         },
         oneToFive, {"Prog.Temp.1"},
         "count 0 windows 0 setpoints 0 tab 0 days oooooox boxes 36 132 !-1 !-1 !-1 !-1 !-1 !-1 !-1",
         [](Record& r) { r.programs = 1; }},
        {"six programs and more become the first number", 0, 6, [](Record& r) { r.programs = 7; }, zeroToFive, {},
         "count 0 windows 1 setpoints 0 tab -1 days ------- boxes !-1 !-1 !-1 !-1 !-1 !-1 !-1 !-1 !-1",
         [](Record& r) { r.programs = 0; }},
        {"window counts and times out of range", 1, 5,
         [](Record& r) {
             r.windows = 4;
             r.setpoints = 1;
             r.block[0].windows[0] = {144, 200, 91};
             r.block[0].windows[1] = {143, 36, 90};
             r.block[4].windows[2] = {255, 143, 255};
         },
         oneToFive, {"Prog.Temp.1", "Prog.Temp.2"},
         "count 1 windows 1 setpoints 1 tab 0 days ooooooo boxes 0 0 20 143 36 90 !-1 !-1 !-1",
         [](Record& r) {
             r.windows = 2;
             r.block[0].windows[0] = {0, 0, 20};
             r.block[4].windows[2] = {0, 143, 20};
         }},
        {"a first number of 7 offers 4 and 5", 7, 5, [](Record& r) { r.programs = 4; }, {"  4", "  5"},
         {"Prog.Temp.1", "Prog.Temp.2", "Prog.Temp.3", "Prog.Temp.4"},
         "count 0 windows 1 setpoints 0 tab 0 days ooooooo boxes 0 0 !-1 0 0 !-1 !-1 !-1 !-1", [](Record&) {}},
    };
    for (const Case& c : cases) {
        Record record;
        c.given(record);
        Record expected = record;
        c.written(expected);
        INT_PTR result = Run(c.first, c.choices, record, [&](CDialog& dlg) {
            EXPECT_EQ(Texts(m_driver.Items(dlg, IDC_ZP_PROGRAMS)), c.countItems) << c.name;
            EXPECT_EQ(Texts(m_driver.Items(dlg, IDC_ZP_TABS)), c.tabs) << c.name;
            EXPECT_EQ(Shown(m_driver, dlg), c.shown) << c.name;
            for (UINT id : {IDC_ZP_PROGRAMS, IDC_ZP_WINDOWS, IDC_ZP_SETPOINTS, IDC_ZP_TABS})
                EXPECT_TRUE(m_driver.Enabled(dlg, id)) << c.name << ": " << id;
            m_driver.Click(dlg, IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.name;
        EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0) << c.name;
    }
}

TEST_F(CZeitprogrammDlgTest, EditsGoIntoTheCurrentProgramAndOkCopiesEverythingOut)
{
    Record record;
    record.windows = 3;
    record.setpoints = 1;
    record.block[0].days[0] = 1;
    record.block[0].windows[0] = {36, 48, 20};
    record.block[2].windows[0] = {1, 2, 45};
    record.block[2].windows[1] = {60, 72, 21};
    record.block[2].windows[2] = {80, 90, 22};
    record.block[3].windows[0] = {7, 8, 9};
    Record expected = record;
    expected.programs = 3;
    expected.windows = 1;
    expected.setpoints = 0;
    expected.block[2].days[1] = expected.block[2].days[2] = expected.block[2].days[3] = 1;
    expected.block[2].windows[0] = {42, 2, 45};

    INT_PTR result = Run(1, 5, record, [&](CDialog& dlg) {
        TestDriver& d = m_driver;
        ASSERT_TRUE(d.Select(dlg, IDC_ZP_PROGRAMS, 2));
        EXPECT_EQ(Texts(d.Items(dlg, IDC_ZP_TABS)).size(), 3u);
        EXPECT_EQ(Shown(d, dlg), "count 2 windows 2 setpoints 1 tab 2 days ooooooo boxes 1 2 45 60 72 21 80 90 22")
            << "choosing the count makes the last program current";
        ASSERT_TRUE(d.Click(dlg, IDC_ZP_TUESDAY));
        ASSERT_TRUE(d.Select(dlg, IDC_ZP_START1, 42));
        ASSERT_TRUE(d.Select(dlg, IDC_ZP_TABS, 0));
        EXPECT_EQ(Shown(d, dlg), "count 2 windows 2 setpoints 1 tab 0 days xoooooo boxes 36 48 20 0 0 0 0 0 0");
        ASSERT_TRUE(d.Select(dlg, IDC_ZP_PROGRAMS, 2));
        EXPECT_EQ(d.CurSel(dlg, IDC_ZP_TABS), 2) << "the same count again still jumps to the last program";
        ASSERT_TRUE(d.Select(dlg, IDC_ZP_WINDOWS, 0));
        EXPECT_EQ(Shown(d, dlg), "count 2 windows 0 setpoints 1 tab 2 days oxooooo boxes 42 2 45 !-1 !-1 !-1 !-1 !-1 !-1");
        ASSERT_TRUE(d.Click(dlg, IDC_ZP_WEDNESDAY));
        ASSERT_TRUE(d.Select(dlg, IDC_ZP_SETPOINTS, 0));
        EXPECT_EQ(Shown(d, dlg), "count 2 windows 0 setpoints 0 tab 2 days oxxoooo boxes 42 2 !-1 !-1 !-1 !-1 !-1 !-1 !-1");
        EXPECT_FALSE(d.Select(dlg, IDC_ZP_SETPOINT1, 3)) << "a disabled box takes no pick";
        // The setpoint box shows no selection: storing the program keeps the setpoint.
        ASSERT_TRUE(d.Click(dlg, IDC_ZP_THURSDAY));
        d.Click(dlg, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0)
        << "count " << int(record.programs) << " windows " << int(record.windows) << " setpoints "
        << int(record.setpoints) << " program 3 window 1 " << int(record.block[2].windows[0].start) << "/"
        << int(record.block[2].windows[0].end) << "/" << int(record.block[2].windows[0].setpoint);
}

TEST_F(CZeitprogrammDlgTest, CancelAndEscapeLeaveTheRecordAsItWas)
{
    for (UINT key : {0u, static_cast<UINT>(VK_ESCAPE)}) {
        Record record;
        record.windows = 0;  // repaired in the dialog's copy only
        record.block[1].windows[2].setpoint = 200;
        const Record before = record;
        INT_PTR result = Run(0, 6, record, [&](CDialog& dlg) {
            m_driver.Select(dlg, IDC_ZP_PROGRAMS, 4);
            m_driver.Click(dlg, IDC_ZP_FRIDAY);
            m_driver.Select(dlg, IDC_ZP_END2, 100);
            if (key)
                m_driver.Key(dlg, IDC_ZP_TABS, key);
            else
                m_driver.Click(dlg, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << key;
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << key;
    }
}
