// The protocol form in a frame of the window model: what it lists for small protocol files, including files whose
// numbers are wrong, and that it fills itself only once.
#include "DrawingTestSupport.h"

#include "evaluation/CProtokoll.h"
#include "platform/CFormView.h"
#include "platform/CFrameWnd.h"
#include "platform/CListBox.h"
#include "support/TestDriver.h"
#include "platform/WindowData.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

#include <string>
#include <vector>

namespace {

using drawingtest::WriteFile;

const std::string kHead = std::string(55, '-') + " Valutazione del disegno " + std::string(55, '-');

// One entry as the evaluation writes it.
std::string Entry(int code, const std::string& text)
{
    char head[40];
    std::snprintf(head, sizeof head, "%8d\r\n%8d\r\n", code, static_cast<int>(text.size()));
    return head + text + "\r\n";
}

std::vector<CString> WithResult(std::vector<CString> lines, int errors, int warnings)
{
    char result[64];
    std::snprintf(result, sizeof result, "Risultato - %d errori, %d avviso/i", errors, warnings);
    lines.insert(lines.begin(), kHead.c_str());
    for (const char* tail : {"", static_cast<const char*>(result), "", ""})
        lines.emplace_back(tail);
    return lines;
}

class CProtokollTest : public drawingtest::InTempFolder {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }
    void SetUp() override
    {
        InTempFolder::SetUp();
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "protocol test"));
        m_form = new CProtokoll;
        m_form->UseFirstActivation(&m_firstActivation);
        m_form->UseCurrentPage(&m_currentPage);
        ASSERT_TRUE(m_form->Create(nullptr, "morv9274 View", WS_VISIBLE, CRect(0, 0, 0, 0), m_frame, 0xE901));
        m_form->SendMessage(WM_INITIALUPDATE);
        m_other = new CFormView(IDD_MORV9274_FORM);
        ASSERT_TRUE(m_other->Create(nullptr, "other", 0, CRect(0, 0, 0, 0), m_frame, 0xE902));
        m_frame->ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        m_frame->DestroyWindow();
        platform::ResetQuit();
        InTempFolder::TearDown();
    }
    void Activate() { m_frame->SetActiveView(m_form); }
    std::vector<CString> Lines() { return m_driver.Items(*m_form, IDC_PROTOKOLL_LIST); }
    int Selected() { return m_driver.CurSel(*m_form, IDC_PROTOKOLL_LIST); }

    bool m_firstActivation = true;  // the frame's flag of the protocol form
    int m_currentPage = 0;
    CFrameWnd* m_frame = nullptr;
    CProtokoll* m_form = nullptr;
    CFormView* m_other = nullptr;  // the form shown before the protocol
    platform::TestDriver m_driver;
};

TEST_F(CProtokollTest, ListsEveryEntryWithThePrefixOfItsCode)
{
    const struct {
        const char* name;
        std::string file;
        std::vector<CString> lines;
    } cases[] = {
        {"empty", "", WithResult({}, 0, 0)},
        {"connection fault",
         Entry(5, "Parsing...") + Entry(1, "Collegamento mancante") + Entry(2, "Oggetto 12") +
             Entry(7, "L'operazione è stata interrotta."),
         WithResult({"Parsing...", "     Errori -Collegamento mancante", "     Oggetto 12",
                     "L'operazione è stata interrotta."},
                    1, 0)},
        {"every code",
         Entry(3, "Parametri: 900 di 832 byte") + Entry(4, "quattro") + Entry(6, "Variabili: 1 di 384 byte") +
             Entry(0, "zero") + Entry(9, "nove") + Entry(-1, "meno") + Entry(1, "") + Entry(3, "ancora"),
         WithResult({"     Avvisi -  Parametri: 900 di 832 byte", "     quattro", "     Variabili: 1 di 384 byte",
                     "zero", "nove", "meno", "     Errori -", "     Avvisi -  ancora"},
                    1, 2)},
        {"line feeds only", "       5\n       3\nabc\n       1\n       1\nx\n",
         WithResult({"abc", "     Errori -x"}, 1, 0)},
        // A length that does not fit its text changes nothing: the text is its whole line.
        {"wrong lengths", "       1\r\n       2\r\nlonger than two\r\n       3\r\n2147483647\r\nshort\r\n",
         WithResult({"     Errori -longer than two", "     Avvisi -  short"}, 1, 1)},
        // A number that is none ends the list with what was read.
        {"length not a number", Entry(1, "first") + "       1\r\n  lots\r\nsecond\r\n" + Entry(1, "third"),
         WithResult({"     Errori -first"}, 1, 0)},
        {"negative length", Entry(3, "first") + "       3\r\n      -8\r\nsecond\r\n",
         WithResult({"     Avvisi -  first"}, 0, 1)},
        {"length out of range", Entry(5, "first") + "       5\r\n99999999999999999999\r\nsecond\r\n",
         WithResult({"first"}, 0, 0)},
        {"code not a number", Entry(5, "first") + "  errore\r\n       3\r\nabc\r\n", WithResult({"first"}, 0, 0)},
        {"text missing", Entry(5, "first") + "       1\r\n       3\r\n", WithResult({"first"}, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile("para/Protokoll.tmp", c.file);
        m_firstActivation = true;
        m_frame->SetActiveView(m_other);
        Activate();
        EXPECT_EQ(Lines(), c.lines);
        // The empty line before the result is selected.
        EXPECT_EQ(Selected(), static_cast<int>(c.lines.size()) - 4);
        EXPECT_FALSE(m_firstActivation);
    }
    EXPECT_EQ(m_driver.Text(*m_form, IDC_TITLE), "PROTOCOLLO ERRORI");
    auto* list = dynamic_cast<CListBox*>(m_form->GetDlgItem(IDC_PROTOKOLL_LIST));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetHorizontalExtent(), 3000);
}

TEST_F(CProtokollTest, AMissingFileIsShownWithoutResult)
{
    Activate();
    EXPECT_EQ(Lines(), (std::vector<CString> {kHead.c_str(), "", "Non è stato possibile aprire il file protocollo!"}));
    EXPECT_EQ(Selected(), -1);
}

TEST_F(CProtokollTest, FillsItselfOnceAndEveryActivationSetsThePage)
{
    WriteFile("para/Protokoll.tmp", Entry(1, "uno"));
    Activate();
    EXPECT_EQ(m_currentPage, 1);
    WriteFile("para/Protokoll.tmp", Entry(3, "due") + Entry(3, "tre"));
    m_currentPage = 7;
    m_frame->SetActiveView(m_other);
    EXPECT_EQ(m_currentPage, 7);
    Activate();
    EXPECT_EQ(m_currentPage, 1);
    EXPECT_EQ(Lines(), WithResult({"     Errori -uno"}, 1, 0));
}

TEST_F(CProtokollTest, TheHeadLineCentresTheTitleInDashes)
{
    EXPECT_EQ(CProtokoll::CenterTitle("Valutazione del disegno"), kHead.c_str());
    const std::string wide(136, 'x');
    EXPECT_EQ(CProtokoll::CenterTitle(wide.c_str()), (" " + wide + " ").c_str());
    const std::string narrower(132, 'x');
    EXPECT_EQ(CProtokoll::CenterTitle(narrower.c_str()), ("- " + narrower + " -").c_str());
    EXPECT_EQ(CProtokoll::CenterTitle(""), (std::string(67, '-') + "  " + std::string(67, '-')).c_str());
}

}  // namespace
