// The floor of the window start-up: a plain wxWidgets program that shows one frame with as many controls as the
// backend's host form, and nothing else (no model, no module loaded at run time). With --main-frame it shows instead
// as many controls as the program's main frame with its protocol form: a column of six picture buttons, a status bar
// of four panes, a group box, a title and a list of the protocol's lines.
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/treectrl.h>
#include <wx/wx.h>

namespace {

class PlainApp : public wxApp {
public:
    bool OnInit() override
    {
        if (argc > 1 && argv[1] == "--main-frame")
            return ShowMainFrame(false);
        if (argc > 1 && argv[1] == "--function-form")
            return ShowMainFrame(true);
        auto* frame = new wxFrame(nullptr, wxID_ANY, "plain wx frame", wxPoint(20, 20), wxSize(900, 560));
        frame->SetMenuBar(new wxMenuBar);
        frame->CreateStatusBar(4);
        auto* panel = new wxPanel(frame);
        new wxStaticText(panel, wxID_ANY, "PROVA DEI CONTROLLI", wxPoint(300, 10));
        new wxStaticText(panel, wxID_ANY, "Nome:", wxPoint(15, 45));
        new wxTextCtrl(panel, wxID_ANY, "", wxPoint(90, 42), wxSize(180, 20));
        new wxButton(panel, wxID_ANY, "Applica", wxPoint(285, 40));
        new wxTextCtrl(panel, wxID_ANY, "", wxPoint(15, 75), wxSize(345, 65), wxTE_MULTILINE);
        new wxStaticBox(panel, wxID_ANY, "Opzioni", wxPoint(15, 150), wxSize(165, 100));
        new wxCheckBox(panel, wxID_ANY, "Attivo", wxPoint(27, 170));
        new wxRadioButton(panel, wxID_ANY, "Estate", wxPoint(27, 195), wxDefaultSize, wxRB_GROUP);
        new wxRadioButton(panel, wxID_ANY, "Inverno", wxPoint(27, 218));
        wxString days[] = {"Lunedi", "Martedi", "Mercoledi"};
        new wxChoice(panel, wxID_ANY, wxPoint(195, 155), wxSize(165, -1), 3, days);
        wxString items[] = {"Caldaia", "Bollitore", "Circuito di riscaldamento"};
        new wxListBox(panel, wxID_ANY, wxPoint(195, 185), wxSize(165, 65), 3, items);
        auto* tabs = new wxNotebook(panel, wxID_ANY, wxPoint(375, 42), wxSize(240, -1));
        for (const char* tab : {"Uno", "Due", "Tre"})
            tabs->AddPage(new wxPanel(tabs, wxID_ANY, wxDefaultPosition, wxSize(0, 0)), tab);
        auto* tree = new wxTreeCtrl(panel, wxID_ANY, wxPoint(375, 75), wxSize(240, 175),
                                    wxTR_HIDE_ROOT | wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT);
        wxTreeItemId root = tree->AddRoot("");
        wxTreeItemId plant = tree->AppendItem(root, "Impianto");
        tree->AppendItem(plant, "Caldaia 1");
        tree->Expand(plant);
        auto* rows = new wxListCtrl(panel, wxID_ANY, wxPoint(15, 265), wxSize(600, 130), wxLC_REPORT);
        rows->AppendColumn("Funzione", wxLIST_FORMAT_LEFT, 225);
        rows->AppendColumn("Valore", wxLIST_FORMAT_LEFT, 180);
        rows->InsertItem(0, "Temperatura mandata");
        auto* gauge = new wxGauge(panel, wxID_ANY, 100, wxPoint(15, 405), wxSize(450, 16));
        gauge->SetValue(40);
        new wxStaticText(panel, wxID_ANY, "Prima riga\nSeconda riga", wxPoint(15, 430));
        frame->Show();
        return true;
    }

    // The main frame with the protocol form, or with a function's parameter form: a title, a box with the designation
    // group, name and number and the "..." button, and boxes of labelled value lists with their units and the
    // buttons of the form's dialogs (as many of each as the heating-circuit controller's form has).
    bool ShowMainFrame(bool functionForm)
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, functionForm ? "plain function form" : "plain main frame",
                                  wxDefaultPosition, wxSize(749, 603));
        frame->SetMenuBar(new wxMenuBar);
        frame->CreateStatusBar(4);
        auto* sizer = new wxBoxSizer(wxHORIZONTAL);
        auto* bar = new wxPanel(frame);
        auto* column = new wxBoxSizer(wxVERTICAL);
        wxImage picture(60, 32);
        picture.SetRGB(wxRect(0, 0, 60, 32), 40, 90, 170);
        for (int i = 0; i < 6; ++i)
            column->Add(new wxBitmapButton(bar, wxID_ANY, wxBitmap(picture)), 0, wxALL, 3);
        bar->SetSizer(column);
        sizer->Add(bar, 0, wxEXPAND);
        auto* form = new wxScrolledWindow(frame);
        if (functionForm) {
            FillFunctionForm(form);
        } else {
            ProtocolForm(form);
        }
        form->SetScrollRate(10, 10);
        form->SetVirtualSize(630, 500);
        sizer->Add(form, 1, wxEXPAND);
        frame->SetSizer(sizer);
        frame->Centre();
        frame->Show();
        return true;
    }

    static void FillFunctionForm(wxWindow* form)
    {
        new wxStaticBox(form, wxID_ANY, "", wxPoint(10, 5), wxSize(530, 25));
        new wxStaticText(form, wxID_ANY, "REGOLATORE - PARAMETRI", wxPoint(180, 10));
        new wxStaticBox(form, wxID_ANY, "", wxPoint(10, 35), wxSize(530, 60));
        wxString items[] = {"Generale", "Def. Utente", "------------", "TEMPO/AUTO", "  16", "  20", "    0"};
        new wxStaticText(form, wxID_ANY, "GRUPPO DENOM.:", wxPoint(20, 45));
        (new wxChoice(form, wxID_ANY, wxPoint(160, 42), wxSize(120, -1), 2, items))->SetSelection(0);
        new wxStaticText(form, wxID_ANY, "DEN.:", wxPoint(20, 70));
        (new wxChoice(form, wxID_ANY, wxPoint(160, 67), wxSize(120, -1), 1, items + 2))->SetSelection(0);
        (new wxChoice(form, wxID_ANY, wxPoint(285, 67), wxSize(50, -1), 1, items + 2))->SetSelection(0);
        new wxButton(form, wxID_ANY, "...", wxPoint(340, 67), wxDefaultSize, wxBU_EXACTFIT);
        const char* boxes[] = {"MODO:", "TEMP.AMBIENTE:", "TEMP.MANDATA:", "TEMP.ESTERNA:", ""};
        const char* labels[] = {"T.Amb.ABBASS:", "T.Amb.NORMALE:", "Tempo Prec.:"};
        const char* buttons[] = {"Progr. temp.", "Curva Ri.", "Val. Med.", "Cond. di Spegn.", "Antigelo"};
        int y = 100;
        for (int b = 0; b < 5; ++b) {
            new wxStaticBox(form, wxID_ANY, boxes[b], wxPoint(10, y), wxSize(530, b == 1 ? 110 : 45));
            if (b == 0) {
                (new wxChoice(form, wxID_ANY, wxPoint(160, y + 12), wxSize(120, -1), 1, items + 3))->SetSelection(0);
            } else if (b == 1) {
                for (int l = 0; l < 3; ++l) {
                    new wxStaticText(form, wxID_ANY, labels[l], wxPoint(30, y + 18 + 28 * l));
                    (new wxChoice(form, wxID_ANY, wxPoint(160, y + 15 + 28 * l), wxSize(80, -1), 1, items + 4 + l))
                        ->SetSelection(0);
                    new wxStaticText(form, wxID_ANY, l == 2 ? "Min" : "°C", wxPoint(250, y + 18 + 28 * l));
                }
                new wxButton(form, wxID_ANY, buttons[0], wxPoint(380, y + 40));
            } else if (b < 4) {
                new wxButton(form, wxID_ANY, buttons[b - 1], wxPoint(160, y + 12));
            } else {
                new wxButton(form, wxID_ANY, buttons[3], wxPoint(160, y + 12));
                new wxButton(form, wxID_ANY, buttons[4], wxPoint(300, y + 12));
            }
            y += b == 1 ? 115 : 50;
        }
    }

    static void ProtocolForm(wxWindow* form)
    {
        new wxStaticBox(form, wxID_ANY, "", wxPoint(10, 10), wxSize(600, 480));
        new wxStaticText(form, wxID_ANY, "PROTOCOLLO ERRORI", wxPoint(250, 25));
        wxString lines[] = {"Valutazione del disegno", "Parsing...", "Accertare e verificare", "Errori -",
                            "L'operazione è stata interrotta.", "", "Risultato - 1 errori, 0 avviso/i", ""};
        new wxListBox(form, wxID_ANY, wxPoint(60, 60), wxSize(560, 420), 8, lines, wxLB_HSCROLL);
    }
};

}  // namespace

wxIMPLEMENT_APP(PlainApp);
