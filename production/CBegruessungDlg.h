// CBegruessungDlg: the welcome screen of the working copy, the controller's default texts or four lines of the
// user's own, with templates of the four lines in ".bgs" files (88 characters: four lines of 22, no line ends). OK
// writes the screen into working file 2 and commits it; template files and the template folder of the settings file
// change as soon as a template is loaded or saved.
#pragma once

#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "store/BegruessungsText.h"

class CBegruessungDlg : public CDialog {
public:
    // The template folder's default lies beside the drawing export.
    explicit CBegruessungDlg(const CString& drawingExport, CWnd* parent = nullptr);
    ~CBegruessungDlg() override;

    // The template folder (made when missing) and the storing of a chosen file's folder as the next one.
    CString GetVorlagenOrdner() const;
    static void SetVorlagenOrdner(const CString& path);
    // The four lines of a template file's text, read as text: each read takes up to 22 characters and stops after a
    // line end; line ends and trailing blanks are dropped. A line the text does not reach keeps what lines held.
    static void ParseTemplate(const std::string& text, CString lines[4]);
    // Reads the template file at path into lines as ParseTemplate does; false, and lines untouched, when it is no
    // regular file or holds more than a template's 88 characters.
    static bool ReadTemplate(const CString& path, CString lines[4]);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBenutzerdefiniert();
    void OnChangeZeile();
    void OnVorlageLaden();
    void OnVorlageSpeichern();
    void UpdateControls();

    DECLARE_MESSAGE_MAP()

private:
    // The chosen file, with ".bgs" unless that is its extension; empty when the dialog was cancelled.
    CString ChooseTemplate(bool open);

    CString m_drawingExport;
    BegruessungsText m_record;
    CEdit m_Lines[4];
    CString m_strLines[4];
    int m_nCustom = 0;
};
