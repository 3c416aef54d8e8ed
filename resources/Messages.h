// The message boxes of the program (Italian): one row each, naming the number its caption shows, how the caption is
// written, the box's flags and its text. A box is shown by one call with its row, over the window that owns it:
//
//     messages::Show(m_hWnd, messages::kDesignationTooLong);
//     messages::Show(m_hWnd, messages::kCompileExists, name.GetString());
//
// A text that names values of the run (a file name, a function number) is a printf format for them; a text shown
// without values is shown as it stands. A sentence that several boxes share, or that a form also shows as its status,
// is named once and joined into each text when the program is compiled. One number can stand in several rows when the
// same message is shown by several places with other flags; each place has its own row.
//
// Sources are UTF-8 compiled to Windows-1252, so "à" and "’" are single bytes in the program. Trailing blanks are part
// of a text where they appear.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "platform/WindowTypes.h"
#include "resources/ProductionTexts.h"
#include "resources/UiTexts.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

namespace messages {

// How the caption names the message: "morv9274 - Message: 1.009", or, for the start-up's server warning and the
// forms' validations, "morv9274 - Message 2.000" without the colon.
enum class CaptionKind : unsigned char { Colon, NoColon };

struct Message {
    // A row is checked when the program is compiled: a number such as "1.009" and a text.
    consteval Message(const char* n, CaptionKind kind, UINT f, const char* t)
        : number(n), caption(kind), flags(f), text(t)
    {
        const std::string_view digits(n);
        if (digits.size() != 5 || digits[1] != '.')
            throw "a message number is written as 1.009";
        for (std::size_t i : {0u, 2u, 3u, 4u})
            if (digits[i] < '0' || digits[i] > '9')
                throw "a message number is written as 1.009";
        if (std::string_view(t).empty())
            throw "a message has a text";
    }
    const char* number;
    CaptionKind caption;
    UINT flags;
    const char* text;
};

// The caption of the row's box.
CString CaptionOf(const Message& message);

// The row's text, with the values put into its format; without values the text as it stands.
template <typename... Values>
CString Text(const Message& message, Values... values)
{
    static_assert(((std::is_arithmetic_v<Values> || std::is_pointer_v<Values>)&&...),
                  "a message takes numbers and C strings (GetString()) as its values");
    if constexpr (sizeof...(Values) == 0) {
        return CString(message.text);
    } else {
        CString text;
        text.Format(message.text, values...);
        return text;
    }
}

// Shows the row's box with a text made by Text (for a text made before it is shown); the answer of the box.
int ShowText(HWND owner, const Message& message, const CString& text);

// Shows the row's box over `owner` (none: over no window), with the values put into its text; the answer of the box.
template <typename... Values>
int Show(HWND owner, const Message& message, Values... values)
{
    return ShowText(owner, message, Text(message, values...));
}

// Joins texts into one, when the program is compiled.
template <std::size_t... N>
consteval auto Join(const char (&... parts)[N])
{
    std::array<char, (N + ...) - sizeof...(N) + 1> joined{};
    std::size_t at = 0;
    for (const std::string_view part : {std::string_view(parts, N - 1)...})
        for (const char c : part)
            joined[at++] = c;
    return joined;
}

// The flags of the boxes.
inline constexpr UINT kSystemError = MB_SYSTEMMODAL | MB_ICONHAND;
inline constexpr UINT kSystemWarning = MB_SYSTEMMODAL | MB_ICONEXCLAMATION;
inline constexpr UINT kWarning = MB_OK | MB_TASKMODAL | MB_ICONWARNING;
inline constexpr UINT kQuestion = MB_YESNO | MB_TASKMODAL | MB_ICONWARNING;

inline constexpr CaptionKind kColon = CaptionKind::Colon;
inline constexpr CaptionKind kNoColon = CaptionKind::NoColon;

// Sentences that several texts share.
namespace part {
inline constexpr char kInvalidCall[] =
    "Richiamo non valido di morv9274!\n\nNon è possibile eseguire appropriatamente morv9274 ";
inline constexpr char kSetNotCreated[] = "Errore nel creare di parametri !";
inline constexpr char kSetNotLoaded[] = "Errore al caricamento del set di parametri!";
inline constexpr char kNewEmptyArea[] = "Viene creata una nuova (vuota) area di memoria per la parametrizzazione.";
inline constexpr char kCheckConverted[] =
    "Non si possono escludere delle incompatibilità.\nSi prega di controllare la \"nuova\" parametrizzazione.";
inline constexpr char kSaveFailed[] = "ATTENZIONE: Non è stato possibile memorizzare la parametrizzazione!";
inline constexpr char kOnlineSchemaFailed[] = "Errore nel creare lo schema online";
inline constexpr char kTransmitFailed[] = "Errore alla trasmissione dati al server VORNA!";
inline constexpr char kIncompatibleFirst[] = "I dati del file sorgente non sono compatibili con il disegno attuale.\n";
inline constexpr char kIncompatibleLast[] = "\nNon è possibile l’importazione dei parametri.";
inline constexpr char kWmzCalibrationInvalid[] = "Valore inserito non valido dei parametri di calibrazione!";

inline constexpr auto kOpenNotLoaded = Join(kSetNotLoaded,
                                            "\n\nNon è stato possibile caricare il file dei parametri (*.par) del "
                                            "disegno.\n",
                                            kNewEmptyArea);
inline constexpr auto kOpenWrongFile = Join("Il file aperto contiene una parametrizzazione errata!\n\n"
                                            "Non è possibile ripristinare la parametrizzazione.\n",
                                            kNewEmptyArea);
inline constexpr auto kOpenOlder = Join("Il file dispone di una struttura di parametrizzazione obsoleta!\n\n"
                                        "Ora la parametrizzazione viene convertita nella struttura attuale.\n",
                                        kCheckConverted);
inline constexpr auto kOpenNewer =
    Join("Il file dispone di una nuova struttura di parametrizzazione che non supporta questa versione di VORNA!\n\n"
         "Si raccomanda di modificare questo file con una versione di VORNA più recente.\n\n"
         "Ora la parametrizzazione viene convertita nella struttura supportata.\n",
         kCheckConverted);
inline constexpr auto kNoConversation =
    Join(kTransmitFailed, "\nNon è stato possibile accertare un collegamento esistente.");
inline constexpr auto kCompileFailed = Join(ui::kCompilerFailed, "\nNon è stato possibile creare il file %s.");
inline constexpr auto kExportFailed = Join(ui::kExportError, "\nNon è stato possibile creare il file \" %s \".");
inline constexpr auto kFunctionCount =
    Join(kIncompatibleFirst, "È diverso il numero funzioni nel file sorgente e nel disegno.", kIncompatibleLast);
inline constexpr auto kFunction =
    Join(kIncompatibleFirst, "Funzione %d diversa nel file sorgente e nel disegno.", kIncompatibleLast);
inline constexpr auto kParameters =
    Join(kIncompatibleFirst, "Parametri incompatibili della funzione %d.", kIncompatibleLast);
inline constexpr auto kMessage =
    Join(kIncompatibleFirst, "Parametri incompatibili del messaggio %d.", kIncompatibleLast);
inline constexpr auto kNetDigital =
    Join(kIncompatibleFirst, "Uscita di rete digitale %d incompatibile", kIncompatibleLast);
inline constexpr auto kNetAnalog =
    Join(kIncompatibleFirst, "Uscita di rete analogica %d incompatibile", kIncompatibleLast);
inline constexpr auto kWmzLayout = Join(kWmzCalibrationInvalid, "\nQuesti parametri verranno quindi azzerati.");
}  // namespace part

// ==== Start-up and the file commands ====

inline constexpr Message kAlreadyRunning{
    "1.000", kColon, kSystemError,
    "Viene già eseguito morv9274!!\n\nPer continuare a lavorare come desiderato con morv9274 si tenta di terminare "
    "l’applicazione già eseguita.\nUn’eventuale perdita di dati non può essere esclusa!"};
inline constexpr Message kServerNotStarted{"1.001", kNoColon, kSystemWarning,
                                           "Fallita l’inizzazione del server morv9274!"};
// An empty command line or an unreadable command file.
inline constexpr Message kCommandFileUnreadable{"1.002", kColon, kSystemError, part::kInvalidCall};
// No drawing-export path, or no command of the program.
inline constexpr Message kInvalidCommand{"1.003", kColon, kSystemError, part::kInvalidCall};
inline constexpr Message kOpenWrongFile{"1.004", kColon, kSystemError, part::kOpenWrongFile.data()};
inline constexpr Message kOpenOlderFormat{"1.005", kColon, kSystemWarning, part::kOpenOlder.data()};
inline constexpr Message kOpenNewerFormat{"1.007", kColon, kSystemWarning, part::kOpenNewer.data()};
inline constexpr Message kCannotParameterise{"1.008", kColon, kSystemWarning,
                                             "Non si possono impostare i parametri dell’oggetto selezionato!"};
inline constexpr Message kCannotEvaluate{
    "1.009", kColon, kSystemError,
    "Non è possibile valutare il disegno!\n\nNon è stato possibile aprire il file \"VORNA.xml\"!"};
inline constexpr Message kSaveBesideDrawingFailed{"1.027", kColon, kSystemWarning, part::kSaveFailed};
inline constexpr Message kOpenNotLoaded{"1.043", kColon, kSystemError, part::kOpenNotLoaded.data()};
inline constexpr Message kOnlineSchemaNotRead{"1.045", kColon, kSystemWarning, part::kOnlineSchemaFailed};
inline constexpr Message kOnlineSchemaFrames{
    "1.046", kColon, kSystemWarning, "Numero non valido cornici schema online\nSi deve usare esattamente una cornice!"};
inline constexpr Message kOnlineSchemaNotWritten{"1.047", kColon, kSystemWarning, part::kOnlineSchemaFailed};
inline constexpr Message kNewSetNotCreated{"1.049", kColon, kSystemError, part::kSetNotCreated};
inline constexpr Message kOpenEmptySetNotCreated{"1.050", kColon, kSystemError, part::kSetNotCreated};
inline constexpr Message kOpenRepairSetNotCreated{"1.051", kColon, kSystemError, part::kSetNotCreated};
inline constexpr Message kWorkCopyNotPrepared{"1.052", kColon, kSystemError, part::kSetNotLoaded};
inline constexpr Message kSavePlaceholder{
    "1.054", kColon, kSystemWarning | MB_YESNO | MB_DEFBUTTON2,
    "Il set di parametri del disegno non è stato caricato: la parametrizzazione attuale è un set nuovo (vuoto).\n\n"
    "Sovrascrivere comunque il file dei parametri del disegno?"};

// ==== The transfer to the drawing tool ====

inline constexpr Message kClientNotStarted{"1.014", kColon, kWarning, "Errore all’inizializazzione del client!"};
inline constexpr Message kNoConnection{"1.015", kColon, kWarning,
                                       "Errore all’instaurazione del collegamento con il server VORNA!"};
inline constexpr Message kTransmitFailed{"1.016", kColon, kWarning, part::kTransmitFailed};
inline constexpr Message kNoConversation{"1.017", kColon, kWarning, part::kNoConversation.data()};
inline constexpr Message kDisconnectFailed{"1.018", kColon, kWarning,
                                           "Errore alla terminazione del collegamento con il server VORNA!"};
inline constexpr Message kNoAcknowledge{"1.019", kColon, kWarning, "Non è stato possibile ricevere l’acknowledge."};

// ==== The plant's forms and dialogs ====

inline constexpr Message kSignalEmpty{
    "1.012", kColon, kWarning,
    "Non è stato indicato nessun ID del segnale che può essere assegnata all’oggetto selezionato!"};
inline constexpr Message kSignalTooLong{"1.013", kColon, kWarning,
                                        "L’identificativo del segnale contiene troppi caratteri (max 20 caratteri)!"};
inline constexpr Message kDesignationEmpty{
    "1.020", kColon, kWarning,
    "Non è stato possibile sostituire la descrizione selez. perché non era indicata nessuna nuova descrizione."};
inline constexpr Message kDesignationTooLong{"1.021", kColon, kWarning,
                                             "La nuova descrizione contiene troppi caratteri (max 12)!"};
inline constexpr Message kDesignationNoneSelected{"1.022", kColon, kWarning,
                                                  "Non è stata selezionata nessuna descrizione da sostituire."};
inline constexpr Message kDesignationInvalidChar{
    "1.023", kColon, kWarning,
    "La nuova descrizione contiene un carattere non valido che non viene supportato dal regolatore!"};
inline constexpr Message kFuncViewFull{"1.024", kColon, kWarning,
                                       "Non è possibile aggiungere il parametro selezionato.\nIl numero massimo dei "
                                       "parametri indicati nella sinottica funzioni è stato raggiunto."};
// A list form or the designations dialog whose records could not be written or committed.
inline constexpr Message kFormSaveFailed{"1.027", kColon, kWarning, part::kSaveFailed};
inline constexpr Message kCanLogNoValue{"1.053", kColon, kWarning, "Nessun parametro da aggiungere selezionato!"};

// The forms' validations and refusals.
inline constexpr Message kWmzCalibrationInvalid{"2.000", kNoColon, kWarning, part::kWmzCalibrationInvalid};
inline constexpr Message kWmzQuantityInvalid{"2.001", kNoColon, kWarning,
                                             "Valore inserito non valido della quantità di calore!"};
inline constexpr Message kZaehlerPositionInvalid{"2.002", kNoColon, kWarning,
                                                 "Valore impostato non valido della posizione di conteggio!"};
inline constexpr Message kServiceCounterInvalid{"2.003", kNoColon, kWarning,
                                                "Val. impost. non valido della pos. di conteggio ore di esercizio!"};
// The heat meter's layout changed with calibration values the new layout does not allow: they are reset.
inline constexpr Message kWmzLayoutReset{"2.004", kNoColon, kWarning, part::kWmzLayout.data()};
// A save whose record could not be read or written: nothing is sent and the form stays.
inline constexpr Message kFunctionSaveFailed{
    "2.010", kNoColon, kWarning,
    "ATTENZIONE: Non è stato possibile memorizzare i parametri della funzione! Le modifiche non sono state salvate."};
// An assign that found no readable list of network inputs in the committed set writes nothing.
inline constexpr Message kNetzAssignRefused{
    "2.011", kNoColon, kWarning,
    "ATTENZIONE: Non è stato possibile leggere gli ingressi di rete memorizzati! Nulla è stato assegnato."};

// ==== Function-data production: compile, export, import, welcome screen ====

// With the target's file name.
inline constexpr Message kCompileExists{"1.010", kColon, kQuestion,
                                        "Il file %s è già esistente.\n\nSovrascrivere il file?"};
// With the target's file name.
inline constexpr Message kCompileFailed{"1.011", kColon, kWarning, part::kCompileFailed.data()};
// A chosen target path the parameter set cannot hold: with the path and the longest length.
inline constexpr Message kCompilePathTooLong{
    "1.055", kColon, kWarning,
    "Il percorso\n%s\nè troppo lungo (al massimo %d caratteri). La destinazione non è stata cambiata."};

// With the target's file name.
inline constexpr Message kExportExists{"1.025", kColon, kWarning | MB_YESNO,
                                       "Il file \" %s \" è già esistente.\n\nSovrascrivere il file?"};
// With the target's file name.
inline constexpr Message kExportFailed{"1.026", kColon, kWarning, part::kExportFailed.data()};
// With the external source's path.
inline constexpr Message kExportSourceNotOpened{"1.028", kColon, kWarning,
                                                "Non è stato possibile aprire il file sorgente esterno \" %s \"."};
// The memory texts of the external source's functions, one a line.
inline constexpr Message kExportSourceMemory{"1.044", kColon, kWarning, "%s"};
inline constexpr Message kExportSourceFormat{"1.048", kColon, kWarning,
                                             "Il formato del file sorgente non viene supportato."};

inline constexpr Message kWelcomeNotLoaded{"1.029", kColon, kWarning,
                                           "Errore al caricamento della schermata di benvenuto."};
inline constexpr Message kWelcomeNotSaved{"1.030", kColon, kWarning,
                                          "Errore alla memorizzazione della schermata di benvenuto."};

// With the source's path.
inline constexpr Message kImportNotLoaded{"1.031", kColon, kWarning,
                                          "Errore al caricamento del file sorgente \" %s \"."};
inline constexpr Message kImportFormat{
    "1.032", kColon, kWarning,
    "Il formato del file sorgente non viene supportato.\nNon è possibile l’importazione dei dati."};
inline constexpr Message kImportCopyFailed{
    "1.033", kColon, kWarning,
    "Si è verificato un’errore all’importazione dei dati.\nNon è stato possibile importare i dati."};
// The source does not fit the drawing: with the function, message or network output number where one is named.
inline constexpr Message kIncompatibleFunctionCount{"1.036", kColon, kWarning, part::kFunctionCount.data()};
inline constexpr Message kIncompatibleFunction{"1.037", kColon, kWarning, part::kFunction.data()};
inline constexpr Message kIncompatibleParameters{"1.038", kColon, kWarning, part::kParameters.data()};
inline constexpr Message kIncompatibleMessage{"1.039", kColon, kWarning, part::kMessage.data()};
inline constexpr Message kIncompatibleNetDigital{"1.040", kColon, kWarning, part::kNetDigital.data()};
inline constexpr Message kIncompatibleNetAnalog{"1.041", kColon, kWarning, part::kNetAnalog.data()};

}  // namespace messages
