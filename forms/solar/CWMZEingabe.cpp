// The heat meter's parameter form, its typed numbers: each field keeps only what makes a number and stores it at
// once; the save refuses a calibration or a counter position out of range.
#include "forms/solar/CWMZ.h"

#include "forms/solar/NumberFilter.h"
#include "forms/solar/WMZForm.h"
#include "resources/Messages.h"
#include "resources/UiTexts.h"

using namespace wmz;

long CWMZ::FilterZahl(CEdit& edit, int decimals, bool minusAllowed)
{
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    CString text;
    edit.GetWindowText(text);
    const forms::FilteredNumber number = forms::FilterNumber(text, end, decimals, minusAllowed);
    if (number.text != text) {
        m_updating = true;
        edit.SetWindowText(number.text);
        edit.SetSel(number.caret, number.caret);
        m_updating = false;
    }
    return number.value;
}

void CWMZ::OnZahl(UINT id)
{
    if (m_updating)
        return;
    for (size_t i = 0; i < 6; ++i) {
        if (kEdits[i].id != id)
            continue;
        const long value = FilterZahl(m_edits[i], kEdits[i].decimals, kEdits[i].minus);
        WMZParam r = Fields();
        switch (id) {
        case kLower:
            // From A3.18 the one difference stands for both points.
            if (m_oldVersion == 1) {
                r.lowerTemp = static_cast<std::int32_t>(value);
            } else {
                r.lowerDiff = static_cast<std::int32_t>(value);
                r.upperDiff = r.lowerDiff;
            }
            break;
        case kUpper: r.upperTemp = static_cast<std::int32_t>(value); break;
        case kLowerDiff: r.lowerDiff = static_cast<std::int32_t>(value); break;
        case kUpperDiff: r.upperDiff = static_cast<std::int32_t>(value); break;
        case kMwh: r.readingMwh = static_cast<std::uint32_t>(value); break;
        case kKwh: r.readingKwh = static_cast<std::uint32_t>(value); break;
        default: break;
        }
        SetFields(r);
        return;
    }
}

void CWMZ::SaveChecked()
{
    WMZParam r = Fields();
    if (r.calibrated) {
        if (!CalibrationInRange(r)) {
            messages::Show(m_hWnd, messages::kWmzCalibrationInvalid);
            return;
        }
        if (m_oldVersion == 0) {
            r.upperDiff = r.lowerDiff;
            SetFields(r);
        }
    }
    if (r.readingMwh > 19999 || r.readingKwh > 9999) {
        messages::Show(m_hWnd, messages::kWmzQuantityInvalid);
        return;
    }
    SaveAndExit();
}

