// The evaluation's connection, memory, network-input, network-output and requirement steps.
#include "evaluation/DrawingChecker.h"

#include "drawing/CZeichnung.h"
#include "drawing/StoreDrawingReader.h"
#include "platform/CLocale.h"
#include "platform/TextFile.h"
#include "requirements/CSystemRequirements.h"
#include "resources/UiTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/NetzEingang.h"
#include "texts/CTexte.h"
#include "texttables/CFortschritt.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kWork = CParaDaten::kWorkFile;
constexpr const char* kConnectionsFile = "para/Connections.tmp";
using C = drawing::Command;

}  // namespace

BYTE DrawingChecker::StepVariablen()
{
    std::FILE* file = platform::OpenForWriting(kConnectionsFile, "wb");
    const auto& r = m_request;
    const bool alleObjekte = Runs(kConnections);
    const bool brauchtQuellen =
        alleObjekte || r.IsParamOnFunction() || r.IsParamOn({"Ausgang", "Mischer_Ausgang", "Analog_Ausgang"});
    if (file == nullptr) {
        // Every later lookup of a source would read nothing or an old file; the commands that need the sources
        // cannot go on.
        if (!brauchtQuellen) return 0;
        Protokoll(1, ui::kEvalConnectionsFailed);
        Protokoll(7, ui::kEvalAborted);
        return kFatal;
    }

    BYTE verdict = 0;
    CZeichnung zeichnung;
    CTexte texte;
    auto pruefeFunktionen = [&](bool nurBearbeitetesFatal) {
        int objektId = 0;
        int typ = 0;
        BYTE nummer = 0;
        for (int i = 0; zeichnung.GetFuncID(i, objektId, typ, nummer); ++i) {
            const bool bearbeitet = objektId == r.objectId;
            const bool hinweis = !nurBearbeitetesFatal || bearbeitet;
            const CString art = texte.GetFunktionsArt(static_cast<BYTE>(typ));
            if (!zeichnung.CheckVerbindungen(art, objektId, file, hinweis)) {
                if (!nurBearbeitetesFatal || bearbeitet) {
                    verdict |= kFatal;
                    break;
                }
                verdict |= kAndereFunktion;
            }
            if (!nurBearbeitetesFatal && i + 1 <= kMaxFunktionen) SetProgress(2 * (i + 1));
        }
    };
    auto pruefeBearbeitetes = [&]() {
        if (!zeichnung.CheckVerbindungen(r.kind, r.objectId, file, true)) verdict |= kFatal;
    };

    if (alleObjekte) {
        SetStatus(ui::kEvalVariablesTitle);
        Protokoll(5, ui::kEvalVariablesTitle);
        SetProgress(0);
        pruefeFunktionen(false);
        SetProgress(88);
        int objektId = 0;
        BYTE nummer = 0;
        for (int i = 0; zeichnung.GetMeldungID(i, objektId, nummer); ++i) {
            if (!zeichnung.CheckVerbindungen("Meldung", objektId, file, true)) verdict |= kFatal;
            if (verdict & kFatal) break;
        }
        SetProgress(90);
        if (Runs(kNetOutputs)) {
            ObjektInfo info;
            for (int m = 1; zeichnung.GetObjekt(m, info); ++m) {
                if (info.art != "Ausgang" && info.art != "Mischer_Ausgang" && info.art != "Analog_Ausgang" &&
                    info.art != "Netzwerkausgang")
                    continue;
                if (!zeichnung.CheckVerbindungen(info.art, info.objektId, file, true)) verdict |= kFatal;
                if (verdict & kFatal) break;
            }
        }
        SetProgress(100);
    } else if (r.IsParamOn({"Meldung"})) {
        SetStatus(ui::kEvalMessageVariablesTitle);
        Protokoll(5, ui::kEvalMessageVariablesTitle);
        SetProgress(0);
        pruefeBearbeitetes();
        SetProgress(100);
    } else if (r.IsParamOn({"Ausgang", "Mischer_Ausgang", "Analog_Ausgang"})) {
        SetStatus(ui::kEvalOutputVariableTitle);
        Protokoll(5, ui::kEvalOutputVariableTitle);
        SetProgress(0);
        pruefeBearbeitetes();
        SetProgress(100);
    } else if (r.IsParamOn({"Netzwerkausgang"})) {
        SetStatus(ui::kEvalNetOutputVariableTitle);
        Protokoll(5, ui::kEvalNetOutputVariableTitle);
        SetProgress(0);
        pruefeBearbeitetes();
        SetProgress(20);
        ObjektInfo info;
        for (int m = 1; zeichnung.GetObjekt(m, info); ++m)
            if (info.art == "Netzwerkausgang" && info.objektId != r.objectId)
                zeichnung.CheckVerbindungen(info.art, info.objektId, file, true);
        SetProgress(100);
    } else if (r.IsParamOnFunction()) {
        SetStatus(ui::kEvalFunctionVariablesTitle);
        Protokoll(5, ui::kEvalFunctionVariablesTitle);
        SetProgress(0);
        pruefeFunktionen(true);
        SetProgress(100);
    }
    std::fclose(file);
    return verdict;
}

BYTE DrawingChecker::StepSpeicher()
{
    if (!Runs(kMemory)) return 0;
    SetStatus(ui::kEvalMemoryTitle);
    Protokoll(5, ui::kEvalMemoryTitle);
    SetProgress(0);

    int parameter = 0;
    int variablen = 0;
    {
        CFortschritt fortschritt([this](int position) { SetProgress(position); }, 0, 100);
        drawing::StoreDrawingReader drawing;
        CTexte().GetSpeicherbedarf(kWork, parameter, variablen, &drawing, &fortschritt);
    }
    Protokoll(6, CString(platform::FormatC(ui::kEvalVariableBytes, variablen, kVariablenBytes)));
    Protokoll(6, CString(platform::FormatC(ui::kEvalParameterBytes, parameter, kParameterBytes)));

    BYTE verdict = 0;
    const bool compile = m_request.command == C::Parser;
    auto ueberschuss = [&](const char* anfang, int zuViel) {
        CString text(platform::FormatC("%s%d%s", anfang, zuViel, ui::kEvalExceedEnd));
        Protokoll(compile ? 1 : 3, text);
        verdict |= compile ? kFatal : kMeldungen;
    };
    if (variablen > kVariablenBytes) ueberschuss(ui::kEvalVariablesExceed, variablen - kVariablenBytes);
    if (parameter > kParameterBytes) ueberschuss(ui::kEvalParametersExceed, parameter - kParameterBytes);
    if (verdict & kFatal) Protokoll(7, ui::kEvalAborted);
    SetProgress(100);
    return verdict;
}

BYTE DrawingChecker::StepNetzEingaenge()
{
    if (!Runs(kNetInputs)) return 0;
    SetStatus(ui::kEvalNetInputsTitle);
    Protokoll(5, ui::kEvalNetInputsTitle);
    SetProgress(0);

    CParaDaten para;
    CParaCheck check;
    bool befund = false;
    auto doppelte = [&](NetzEingang (&inputs)[16], const char* format) {
        for (int i = 0; i < 16; ++i)
            for (int j = i + 1; j < 16; ++j)
                if (inputs[i].node != 0 && std::memcmp(&inputs[i], &inputs[j], sizeof(NetzEingang)) == 0) {
                    Protokoll(1, CString(platform::FormatC(format, i + 1, j + 1)));
                    befund = true;
                }
    };
    NetzEingang analog[16];
    para.GetNetzEingaengeAnalog(kWork, analog);
    check.CheckNetzEingaengeAnalog(analog);
    doppelte(analog, ui::kEvalNetInputAnalogTwice);
    NetzEingang digital[16];
    para.GetNetzEingaengeDigital(kWork, digital);
    check.CheckNetzEingaengeDigital(digital);
    doppelte(digital, ui::kEvalNetInputDigitalTwice);

    SetProgress(100);
    if (!befund) return 0;
    Protokoll(7, ui::kEvalAborted);
    return kFatal;
}

BYTE DrawingChecker::StepNetzAusgaenge()
{
    if (!Runs(kNetOutputs)) return 0;
    // Only where the whole drawing is compiled or imported do outputs driven twice stop the command.
    const bool fatal = m_request.command != C::Param;
    SetStatus(ui::kEvalNetOutputsTitle);
    Protokoll(5, ui::kEvalNetOutputsTitle);
    SetProgress(0);

    BYTE analog[16] = {};
    BYTE digital[16] = {};
    CZeichnung().CountNetzAusgaenge(analog, digital);
    bool befund = false;
    for (int k = 0; k < 16; ++k)
        if (analog[k] > 1) {
            Protokoll(1, CString(platform::FormatC(ui::kEvalNetOutputAnalogTwice, k + 1)));
            befund = true;
        }
    for (int k = 0; k < 16; ++k)
        if (digital[k] > 1) {
            Protokoll(1, CString(platform::FormatC(ui::kEvalNetOutputDigitalTwice, k + 1)));
            befund = true;
        }
    BYTE verdict = 0;
    if (befund && fatal) {
        Protokoll(7, ui::kEvalAborted);
        verdict = kFatal;
    }
    SetProgress(100);
    return verdict;
}

BYTE DrawingChecker::StepAnforderungen()
{
    if (!Runs(kRequirements)) return 0;
    SetStatus(ui::kEvalRequirementsTitle);
    Protokoll(5, ui::kEvalRequirementsTitle);
    SetProgress(0);
    if (g_pSystemRequirements != nullptr) {
        CFortschritt fortschritt([this](int position) { SetProgress(position); }, 0, 100);
        drawing::StoreDrawingReader drawing;
        g_pSystemRequirements->Calculate(kWork, &drawing, &fortschritt);
    }
    SetProgress(100);
    return 0;
}
