// The user-interface texts of this build (Italian): every text the program shows or writes into the drawing, once;
// the texts of the message boxes are rows of the message catalog (resources/Messages.h).
//
// Code refers to these names and never repeats a literal. Texts used one by one are named constants; texts that
// belong to an internal name (a plant kind) stand in tables keyed by that name, so a lookup and its data cannot drift
// apart. A function type's texts (display name, standard names, output variables, overview labels, pin texts) are
// named after the type (kind_names::kMischerReg, ...) and reached through its row in
// texttables/StandardDesignations.h, which names them all, so a type without one does not compile; the message's pin
// texts are pin_texts::kMeldung. The file is grouped in sections by area; add new
// texts to the section of their area or open a new one. Internal names (kinds, pins) are German and are keys, not
// texts for the user.
//
// Sources are UTF-8 compiled to Windows-1252, so "à" and "’" are single bytes in the program. Trailing blanks are
// part of a text where they appear.
#pragma once

namespace ui {

struct KindText {
    const char* kind;  // internal kind name
    const char* text;
};

struct PinText {
    const char* pin;  // internal pin name
    const char* text;
};

// ==== The transfer to the drawing tool (the message boxes are in resources/Messages.h) ====

inline constexpr char kTransferCaption[] = "Trasferimento dati";
inline constexpr char kTransferState[] = "Stato";
inline constexpr char kTransferProcessing[] = "Trattare i dati...";
inline constexpr char kTransferWaitingAck[] = "In attesa di \"Acknowledge\"...";
inline constexpr char kTransferClosing[] = "Inizializzare la fine collegamento";

// ==== Main frame, its commands, the about box and the protocol form ====

inline constexpr char kMainFrameTitle[] = "Vorna - morv9274";  // also how a second instance finds the frame
inline constexpr char kDocumentString[] = "morv9274\n\nmorv9274\n\n\nmorv9274.Document\nmorv9274 Document";
inline constexpr char kAppTitle[] = "morv927";
inline constexpr char kIdlePrompt[] = "Pronto";
inline constexpr char kIndicatorCaps[] = "UF";
inline constexpr char kIndicatorNum[] = "NUM";
inline constexpr char kIndicatorScroll[] = "RF";

// Status-bar prompts of the toolbar commands, shown while the pointer is over a button.
inline constexpr char kPromptSaveAndClose[] =
    "Salvare le modifiche della parametrizzazione e chiudere la finestra di dialogo";
inline constexpr char kPromptSaveSettingsAndClose[] =
    "Salvare le modifiche delle impostazioni e chiudere la finestra di dialogo";
inline constexpr char kPromptAssignEingang[] = "Assegnare l’ingresso impostato all’oggetto grafico selezionato";
inline constexpr char kPromptAssignAusgang[] = "Assegnare l’uscita impostata all’oggetto grafico selezionato";
inline constexpr char kPromptAssignNetz[] = "Assegnare le impostazioni selezionate all’oggetto di rete nel disegno";
inline constexpr char kPromptSaveAssignEingang[] =
    "Salvare la parametrizzazione, assegnare l’ingresso e chiudere la finestra di dialogo";
inline constexpr char kPromptSaveAssignNetz[] =
    "Salvare le impostazioni, assegnarle all’oggetto di rete selezionato e chiudere la finestra di dialogo";
inline constexpr char kPromptTerminate[] = "Terminare la parametrizzazione senza salvare le modifiche";
inline constexpr char kPromptCloseWindow[] = "Chiudere la finestra";
inline constexpr char kPromptProtokoll[] = "Protocollo errore di valutazione del disegno";
inline constexpr char kPromptEingang[] = "Parametrare gli ingressi";
inline constexpr char kPromptAusgang[] = "Parametrare le uscite";
inline constexpr char kPromptSignal[] = "Parametrare il trasferimento / l’accettazione dei segnali";
inline constexpr char kPromptParameter[] = "Parametrare la funzione selezionata";
inline constexpr char kPromptVarOut[] = "Indica le variabili di uscita della funzione selezionata";
inline constexpr char kPromptCompiler[] = "Creare dati di funzione";
inline constexpr char kPromptExport[] = "Esportare la parametrizzazione in un file di testo per la documentazione";
inline constexpr char kPromptImport[] = "Importare nel disegno i parametri dai dati di funzione";
inline constexpr char kPromptFuncView[] = "Sinottica delle funzioni - editor";
inline constexpr char kPromptCanLogging[] = "Modifica definizioni per la raccolta dati CAN";
inline constexpr char kPromptFuncOrder[] = "Cambiare l’ordine delle funzioni";
inline constexpr char kPromptMsgOrder[] = "Cambiare l’ordine dei messaggi";
inline constexpr char kPromptNetzEingang[] = "Parametrare gli ingressi di rete";
inline constexpr char kPromptNetzAusgang[] = "Parametrare le uscite di rete";

inline constexpr char kAboutCaption[] = "Informazione su morv9274";
inline constexpr char kAboutVersionFormat[] = "morv9274 versione %03.02f IT";
inline constexpr char kAboutControllerFormat[] = "KRX9274 a partire da vers. A%03.02f";
inline constexpr double kProgramVersion = 1.29;
inline constexpr double kLowestControllerVersion = 3.24;
inline constexpr char kAboutOk[] = "OK";

inline constexpr char kProtokollCaption[] = "PROTOCOLLO ERRORI";
inline constexpr char kProtokollTitle[] = "Valutazione del disegno";
inline constexpr char kProtokollError[] = "Errori -";
inline constexpr char kProtokollWarning[] = "Avvisi -  ";
inline constexpr char kProtokollIndent[] = "     ";
inline constexpr char kProtokollResult[] = "Risultato - %d errori, %d avviso/i";
inline constexpr char kProtokollNotOpened[] = "Non è stato possibile aprire il file protocollo!";

// ==== Designations ====

inline constexpr char kNoDesignation[] = "------------";          // no designation chosen; heads every list
inline constexpr char kNoDesignationFunction[] = "- - - - - -";   // a function without designation, in the drawing
inline constexpr char kNoDesignationList[] = "- - - - - - -";     // first entry of function lists; messages
inline constexpr char kNoOutputVariable[] = "--------";           // a function output variable that does not exist

// Standard designations of the function kinds, names 1 to k in index order.
namespace standard_names {
inline constexpr const char* kAnalogfunc[] = {"ANALOG", "MIN", "MASS", "VAL.MED.", "SOMMA", "FILTRO"};
inline constexpr const char* kAnfHeizung[] = {"RISC.RICH"};
inline constexpr const char* kAnfWarmwasser[] = {"A.C.RICH."};
inline constexpr const char* kFuncKontrolle[] = {"CONTR.FUN", "CONTR.SOL", "CONTR.RSC"};
inline constexpr const char* kHzkrReg[] = {"CIR.RISC.", "RISC.PAV."};
inline constexpr const char* kKesselkaskade[] = {"CASC.CALD"};
inline constexpr const char* kKuehlfunc[] = {"FZ.RAF."};
inline constexpr const char* kLadepumpe[] = {"POMPA CA."};
inline constexpr const char* kLogikfunc[] = {"LOGIC", "OPPURE", "E", "FLIP FLOP"};
inline constexpr const char* kMischerReg[] = {"REG.M.", "AUM.RT."};
inline constexpr const char* kPID_Regelung[] = {"REG.PID", "REG.G.VAR", "AP.AC.HYG", "MOD.BRUC.", "PID SOL."};
inline constexpr const char* kProfilfunc[] = {"PROFILO", "TEMP.PROF", "SUESRISCM"};
inline constexpr const char* kSchaltuhr[] = {"ORA"};
inline constexpr const char* kSolarregelung[] = {"SOLARE", "SOLARE SE", "SOLARE SV"};
inline constexpr const char* kSolarvorrang[] = {"PRIO.SOL."};
inline constexpr const char* kStartfunc[] = {"START SOL"};
inline constexpr const char* kSync[] = {"SINC.", "VACANZA", "ASSENTE"};
inline constexpr const char* kTimer[] = {"TIMER", "TEMPO INT", "RITARDO", "TEMPO MIN", "TEMPO BL.", "INSTAB."};
inline constexpr const char* kVergleich[] = {"CONFR.", "FUNZ.MASS", "FUNZ.MIN.", "DIFF.FUNZ"};
inline constexpr const char* kWMZ[] = {"QTA CAL", "QC SOLAR", "QC C.RIS."};
inline constexpr const char* kWartungsfunc[] = {"FZ.SPZC.", "MANUTENZ."};
inline constexpr const char* kZaehler[] = {"CONTATORE", "C.ORE FNZ", "C.IMPULSI", "START BR.", "ORE FZ BR",
    "O.FZ SOL", "O.FZ C.R", "O.FZ.CIRC"};
inline constexpr const char* kZirkulation[] = {"CIRCOLAZ.", "AC.PRONT.", "AZION.AC."};
}  // namespace standard_names

// Predefined designations of inputs, items 1 to n in index order.
namespace input_lists {
inline constexpr const char* kGeneralTemperatures[] = {"T.Collettore", "T.Sol.-MAND", "T.Sol.-RIT", "T.Cald.-MAND",
    "T.Cald.-RIT", "T.Circr.MAND", "T.Circr.RIT", "T.Acqua Cald", "T.Accumulat.", "T.Acc.infer.", "T.Acc.interm",
    "T.Acc.super.", "T.Piscina", "Temp.Amb.", "Temp.Est.", "T.Collter.", "T.PompaCal.", "T.Circ.RIT"};
inline constexpr const char* kProducerTemperatures[] = {"T.CldGasolMD", "T.CldGasolRT", "T.CaldGasMD", "T.CaldGasRT",
    "T.CaldLegMD", "T.CaldLegRT", "T.CalPelletM", "T.CalPelletR", "T.PompCalMD", "T.PompCalRT", "T.Collettore",
    "T.Coll.MD", "T.Coll.RT", "T.CollTer.MD", "T.CollTer.RT"};
inline constexpr const char* kConsumerTemperatures[] = {"T.Accumulo", "T.Acc.inf", "T.Acc.interm", "T.Acc.sup",
    "T.Bolittore", "T.Bol.inf", "T.Bol.interm", "T.Bol.sup", "T.Vasca", "T.Vasca-MD", "T.Vasca-RT", "T.A.C.Accum",
    "T.A.C.Acc", "T.Ref.Accum", "T.AcRisc.sup", "T.AcRisc.inf"};
inline constexpr const char* kPerformanceTemperatures[] = {"T.Scamb.A.C.", "T.Scamb.PRI", "T.Scamb.SEC",
    "T.Circr.MAND", "T.Circr.RIT", "T.Coll.MD", "T.Coll.RT", "T.Circ.MD", "T.Circ.RIT", "T.Sol.-MAND", "T.Sol.-RIT",
    "T.RT A.C."};
inline constexpr const char* kClimateTemperatures[] = {"T.Aria Alim.", "T.Aria Viz.", "T.Amb.", "T.Est."};
inline constexpr const char* kSolarRadiation[] = {"Irrad.Sol."};
inline constexpr const char* kOtherQuantities[] = {"Posiz.Motore", "Stand Riemp.", "Giri Var.", "Val.Teor."};
inline constexpr const char* kDigitalInputs[] = {"Imp.Digitale", "Flussostato", "Problema", "Rilascio"};
inline constexpr const char* kImpulseInputs[] = {"Flusso Sol.", "Flus. CcRisc", "Flus. Circ.", "Scor. Aq.Fr.",
    "Scor. Aq.Ca.", "Velo.Vento"};
}  // namespace input_lists

// Predefined designations of outputs, items 1 to n in index order.
namespace output_lists {
inline constexpr const char* kGeneralOutputs[] = {"Pompa-C.Ris.", "Pompa-Solare", "Pompa Carico", "Po.Car.SP.",
    "Po.Car.AC.", "Valvola", "Valv.Solare", "Valv.Risc.RT", "Valv.AC", "Iniz.Cald.", "Iniz.Bruc.", "Iniz.PompCal",
    "Pompa-Circ.", "Valv.Strat", "Iniz.Rit.", "Pompa Filtro", "Pompa", "Pompa-AC"};
inline constexpr const char* kClimateOutputs[] = {"Ventilatore", "Sportello"};
inline constexpr const char* kMixerOutputs[] = {"Misc.C.Risc", "Misc.Iniz.RT"};
inline constexpr const char* kDataLineOutputs[] = {"Linea Dati"};
}  // namespace output_lists

// Predefined causes of messages, items 1 to n in index order.
inline constexpr const char* kMessageCauses[] = {"Circolatione", "Temperatura Sup.", "Temperatura Min.", "Sonda",
    "Sonda10", "Sonda1", "Uscita", "Uscita10", "Uscita1", "Bruciatore", "Rete"};

// Message types as the drawing shows them, framed by two blanks.
inline constexpr char kMessageTypeError[] = "  ERRORE  ";
inline constexpr char kMessageTypeWarning[] = "  AVVISO  ";
inline constexpr char kMessageTypeFault[] = "  GUASTO  ";
inline constexpr char kMessageTypeMessage[] = "  MESSAGGIO  ";
inline constexpr char kMessageTypeUnused[] = "  inutilizzato  ";

// An input or output that is not used.
inline constexpr char kNotUsedShort[] = "inutiliz.";

// ==== User-designations and time-program dialogs ====

inline constexpr char kButtonOk[] = "OK";
inline constexpr char kButtonCancel[] = "Annullare";

inline constexpr char kDesignationsTitle[] = "gestire le descrizioni personalizzate";
inline constexpr char kDesignationLabel[] = "DEN.:";
inline constexpr char kDesignationsReplaceWith[] = "sostituire con (max 12 caratteri):";
inline constexpr char kDesignationsReplace[] = "Sostituire";

inline constexpr char kZeitprogrammTitle[] = "Progr. temporali";
inline constexpr char kZeitprogrammOptions[] = "Opzioni programmi temporali";
inline constexpr char kZeitprogrammCount[] = "Numero Progr.:";
inline constexpr char kZeitprogrammWindows[] = "Numero Finest.:";
inline constexpr char kZeitprogrammSetpoints[] = "con Val.Nom.?";
inline constexpr char kZeitprogrammNo[] = "no";
inline constexpr char kZeitprogrammYes[] = "sì";
inline constexpr char kZeitprogrammTab[] = "Prog.Temp.%d";                  // with the program number 1..5
inline constexpr const char* kZeitprogrammDays[] = {"Lu", "Ma", "Me", "Gi", "Ve", "Sa", "Do"};  // Monday first
inline constexpr char kZeitprogrammHour[] = "Ora";

// ==== Object kinds, pins and function output variables ====

// Display names of the drawing's plant, message and network kinds; a function kind's name stands in kind_names.
inline constexpr KindText kObjectKindTexts[] = {
    {"Eingang", "Ingresso"},
    {"Sensorstatus", "Stato del sensore"},
    {"Ausgang", "Uscita"},
    {"Mischer_Ausgang", "Uscita del miscelatore"},
    {"Analog_Ausgang", "Uscita analogica"},
    {"Netzwerkeingang", "Ingresso di rete"},
    {"Netzwerkstatus", "Stato della rete"},
    {"Netzwerkausgang", "Uscita della rete"},
    {"Meldung", "Messaggio"},
};

// Display names of the function kinds, each named after its type.
namespace kind_names {
inline constexpr char kHzkrReg[] = "Regolatore circ. risc.";        // "Heizkreisregler"
inline constexpr char kAnfHeizung[] = "Richiesta riscald.";         // "Anforderung Heizung"
inline constexpr char kAnfWarmwasser[] = "Richiesta acqua calda";   // "Anforderung Warmwasser"
inline constexpr char kLadepumpe[] = "Pompa di carico";             // "Ladepumpe"
inline constexpr char kZirkulation[] = "Circolazione";              // "Zirkulation"
inline constexpr char kSolarregelung[] = "Regolazione solare";      // "Solarregelung"
inline constexpr char kSolarvorrang[] = "Priorità solare";          // "Solarvorrang"
inline constexpr char kPID_Regelung[] = "Regolazione P.I.D.";       // "PID-Regelung"
inline constexpr char kVergleich[] = "Comparazione";                // "Vergleich"
inline constexpr char kLogikfunc[] = "Funzione logica";             // "Logikfunktion"
inline constexpr char kAnalogfunc[] = "Funzione analogica";         // "Analogfunktion"
inline constexpr char kWMZ[] = "Calorimetro";                       // "Wärmemengenzähler"
inline constexpr char kWartungsfunc[] = "Funzione Manutenzione";    // "Wartungsfunktion"
inline constexpr char kTimer[] = "Funzione Timer";                  // "Timerfunktion"
inline constexpr char kSchaltuhr[] = "Interruttore orario";         // "Schaltuhr"
inline constexpr char kStartfunc[] = "Funzione Avvio";              // "Startfunktion"
inline constexpr char kZaehler[] = "Contatore";                     // "Zähler"
inline constexpr char kKuehlfunc[] = "Funz. Raffrescamento";        // "Kühlfunktion"
inline constexpr char kMischerReg[] = "Funz. Regolaz. misc.";       // "Mischerregelfunktion"
inline constexpr char kFuncKontrolle[] = "Controllo funzionalità";  // "Funktionskontrolle"
inline constexpr char kSync[] = "Sincronizzazione";                 // "Synchronisation"
inline constexpr char kProfilfunc[] = "Funzione Profili";           // "Profilfunktion"
inline constexpr char kKesselkaskade[] = "Caldaie in cascata";      // "Kesselkaskade"
}  // namespace kind_names

// Display texts of the pins, kind by kind: the message's, then each function type's, named after the type and
// reached through its row in texttables/StandardDesignations.h. The same pin name has different texts in
// different kinds.
namespace pin_texts {
inline constexpr PinText kMeldung[] = {
    {"Freigabe Meldung", "ABL messaggio"},
    {"Meldung aktivieren", "Attiv. messaggio"},
    {"Meldung löschen", "Canc. messaggio"},
    {"Meldung aktiv", "Messaggio attivo"},
};
// "Analogfunktion"
inline constexpr PinText kAnalogfunc[] = {
    {"Freigabe Funktion", "ABL funz. anal."},
    {"Ergebnis bei Freigabe AUS", "Risultato (ABL=OFF)"},
    {"Eingangsvariable 1", "Variabile ingresso 1"},
    {"Eingangsvariable 2", "Variabile ingresso 2"},
    {"Eingangsvariable 3", "Variabile ingresso 3"},
    {"Eingangsvariable 4", "Variabile ingresso 4"},
    {"Eingangsvariable 5", "Variabile ingresso 5"},
    {"Eingangsvariable 6", "Variabile ingresso 6"},
    {"Ergebnis", "Risultato"},
};
// "Anforderung Heizung"
inline constexpr PinText kAnfHeizung[] = {
    {"Freigabe Funktion", "ABL richiesta"},
    {"Anforderungstemperatur", "Richiesta temp."},
    {"Abschalttemperatur", "Temp. disattivazione"},
    {"Sollwert Anforderung", "Valore nom. richiesta "},
    {"Sollwert Abschaltung", "Valore nom. disattivaz."},
    {"Anforderung", "Richiesta"},
};
// "Anforderung Warmwasser"
inline constexpr PinText kAnfWarmwasser[] = {
    {"Freigabe Funktion", "ABL Richiesta"},
    {"Warmwassertemperatur", "Temp. acqua calda"},
    {"Solltemperatur", "Temp. nominale"},
    {"Externer Schalter", "Commutatore est."},
    {"effektive Solltemperatur", "Temp. nom. eff. "},
    {"akt Solltemperatur", "Temp. nominale"},
    {"Anforderung", "Richiesta"},
    {"Brennerleistung", "Potenza bruciat."},
};
// "Funktionskontrolle"
inline constexpr PinText kFuncKontrolle[] = {
    {"Kontrollwert a", "Valore controllo a "},
    {"Kontrollwert b", "Valore controllo b"},
    {"Freigabe Diff-Kontrolle", "ABL contr. diff."},
    {"Fehler Wert", "Errore valore"},
    {"Fehler Differenz", "Errore diff."},
};
// "Heizkreisregler"
inline constexpr PinText kHzkrReg[] = {
    {"Freigabe Funktion", "ABL circ. risc."},
    {"Freigabe Pumpe", "ABL pompa"},
    {"Freigabe Mischer", "ABL miscelatore"},
    {"Raumtemperatur", "Temp. ambiente"},
    {"Vorlauftemperatur", "Temp. mandata"},
    {"Aussentemperatur", "Temp. esterna"},
    {"Externer Schalter", "Commutatore est."},
    {"Vorlaufsolltemperatur", "T.nom. mandata"},
    {"eff. Raumsolltemperatur", "T.amb. nom. eff."},
    {"Wartungsbetrieb", "Mod. manutenz."},
    {"Frostschutzbetrieb", "Mod. antigelo"},
    {"Heizkreispumpe", "Pompa circ. risc."},
    {"Mischer", "Misc. ap./chiuso"},
};
inline constexpr PinText kKesselkaskade[] = {
    {"Freigabe Funktion", "ABL Cald. casc. "},
    {"Freigabe ab 2ter Kesselstufe", "ABL 2. Liv.Cald."},
    {"Freigabe ab 3ter Kesselstufe", "ABL 3. Liv.Cald."},
    {"Vorlauftemperatur", "Temperatura mandata"},
    {"Energiekennzahl", "Valore dell’energia"},
    {"Sollwert", "Valore nominale "},
    {"Status Kessel 1", "Stato Cald. 1"},
    {"Status Kessel 2", "Stato Cald. 2"},
    {"Status Kessel 3", "Stato Cald. 3"},
    {"Betriebsstd Kessel A", "Ore di esercizio"},
    {"Betriebsstd Kessel B", "Ore di esercizio"},
    {"Betriebsstd Kessel C", "Ore di esercizio"},
    {"Anforderung Kessel A", "Richiesta"},
    {"Anforderung Kessel B", "Richiesta"},
    {"Anforderung Kessel C", "Richiesta"},
};
// "Kühlfunktion"
inline constexpr PinText kKuehlfunc[] = {
    {"Freigabe Funktion", "ABL Funz. Raff."},
    {"Referenztemperatur", "Temp. di riferimento"},
    {"Referenztemperatur max", "Temp. max. Riferim."},
    {"Stellgrösse", "Grandezza regol."},
    {"Status Kühlung", "Raffrescamento"},
};
inline constexpr PinText kLadepumpe[] = {
    {"Freigabe Funktion", "ABL pompa"},
    {"Zubringertemperatur", "Temp. alimentazione"},
    {"Referenztemperatur", "Temp. di riferimento"},
    {"Mindesttemp Zubringer", "Temp. min. alimentazione"},
    {"Maximaltemp Referenz", "Temp. max. riferimento"},
    {"Ladepumpe", "Pompa di carico"},
};
// "Logikfunktion"
inline constexpr PinText kLogikfunc[] = {
    {"Freigabe Funktion", "ABL Funz.log."},      {"Eingangsvariable 1", "Variabile ingr. 1"},
    {"Eingangsvariable 2", "Variabile ingr. 2"}, {"Eingangsvariable 3", "Variabile ingr. 3"},
    {"Eingangsvariable 4", "Variabile ingr. 4"}, {"Eingangsvariable 5", "Variabile ingr. 5"},
    {"Eingangsvariable 6", "Variabile ingr. 6"}, {"Ergebnis", "Risultato"},
    {"Ergebnis invers", "Risultato inv."},
};
// "Mischerregelfunktion"
inline constexpr PinText kMischerReg[] = {
    {"Freigabe Funktion", "ABL miscelatore"}, {"Regeltemperatur", "Temp. di regolazione"},
    {"Sollwert", "Valore nominale"},          {"Regelsolltemperatur", "T. nom. Regol."},
    {"Mischer", "Misc. ap./chiuso"},
};
// "PID-Regelung"
inline constexpr PinText kPID_Regelung[] = {
    {"Freigabe Funktion", "ABL Regolazione"},
    {"Temp Absolutwertreg", "T. Regol. Val. Abs."},
    {"Sollwert Absolutwertreg", "Vnom. Regol.Val.Abs."},
    {"Temp(+) Differenzreg", "Temp. (+) Reg. diff."},
    {"Temp(-) Differenzreg", "Temp. (-) Reg. diff."},
    {"Aktivierungstemperatur", "Temp. attivazione"},
    {"Aktivierungsschwelle", "Soglia attivazione"},
    {"Regeltemperatur", "Temp. di regolazione"},
    {"Sollwert", "Valore nominale"},
    {"Stellgrösse", "Grandezza regol."},
};
// "Profilfunktion"
inline constexpr PinText kProfilfunc[] = {
    {"Freigabe Funktion", "ABL Profilo"}, {"Sollwert bei Freigabe AUS", "Val. nom. (ABL=OFF)"},
    {"Start Profil", "Start Profilo"},    {"Stop Profil", "Stop Profilo"},
    {"Reset Profil", "Reset Profilo"},    {"Takt Profil", "Cadenza Profilo"},
    {"Sollwert", "Valore nominale"},      {"aktuelle Stufe", "Livello attivo"},
    {"Status Profil", "Stato Profilo"},
};
inline constexpr PinText kSchaltuhr[] = {
    {"Freigabe Funktion", "ABL Interr. or."},
    {"Blockadeeingang", "Ingr.Bloc. crit."},
    {"Sollwert", "Valore nominale"},
    {"Status Zeitbedingung", "Stato cond. temp."},
};
inline constexpr PinText kSolarregelung[] = {
    {"Freigabe Funktion", "ABL Circuito solare"},   {"Kollektortemperatur", "Temp. collettore"},
    {"Referenztemperatur", "Temp. di riferimento"}, {"Begrenzungstemperatur", "Temperatura limite"},
    {"Max_Begrenzung", "Limite massimo"},           {"Solarkreis EIN", "Circ. solare ON"},
};
inline constexpr PinText kSolarvorrang[] = {
    {"Freigabe Funktion", "ABL Prior. sol."},
    {"Solarstrahlung", "Radiazione solare"},
    {"Spülvorgang", "Ciclo di pulizia"},
};
// "Startfunktion"
inline constexpr PinText kStartfunc[] = {
    {"Freigabe Funktion", "ABL Funz. Avvio"},
    {"Solarstrahlung", "Radiazione solare"},
    {"Bezugstemperatur", "Temp. riferimento"},
    {"Spülvorgang", "Ciclo di pulizia"},
};
// "Synchronisation"
inline constexpr PinText kSync[] = {
    {"Freigabe Funktion", "ABL Sincronizz."},
    {"Sommerzeit", "Ora legale"},
    {"Reglerstart", "Avvio regolatore"},
    {"Status Sync", "Stato Sincronizz."},
};
// "Timerfunktion"
inline constexpr PinText kTimer[] = {
    {"Freigabe Funktion", "ABL Timer"},          {"Triggereingang", "Ingresso trigger"},
    {"Tastverhältnis", "Proporzione tasti"},     {"Timerausgang", "Uscita timer"},
    {"Timerausgang invers", "Uscita inv.timer"},
};
inline constexpr PinText kVergleich[] = {
    {"Freigabe Funktion", "ABL Comparazione"},
    {"Wert a", "Valore a"},
    {"Wert b", "Valore b"},
    {"Ergebnis", "Va > Vb + diff"},
    {"Ergebnis invers", "Va < Vb + diff"},
};
// "Wärmemengenzähler"
inline constexpr PinText kWMZ[] = {
    {"Freigabe Funktion", "ABL Calorimetro"},
    {"Vorlauftemperatur", "Temperatura mandata"},
    {"Rücklauftemperatur", "Temperatura ritorno"},
    {"Volumenstrom", "Portata"},
    {"Zählerrücksetzung", "Azzeram. Contat."},
    {"Leistung", "Potenza"},
    {"MWh", "Megawattore"},
    {"kWh", "Kilowattore"},
};
// "Wartungsfunktion"
inline constexpr PinText kWartungsfunc[] = {
    {"Freigabe Funktion", "Commutatore est."},
    {"Brenneranforderung", "Rich. bruciatore"},
    {"Brennerleistung", "Pot. bruciatore"},
};
// "Zähler"
inline constexpr PinText kZaehler[] = {
    {"Freigabe Funktion", "ABL Contatore"},
    {"Eingang 1", "Ingresso 1"},
    {"Eingang 2", "Ingresso 2"},
    {"Eingang 3", "Ingresso 3"},
    {"Eingang 4", "Ingresso 4"},
    {"Eingang 5", "Ingresso 5"},
    {"Eingang 6", "Ingresso 6"},
    {"Zählerrücksetzung", "Azzeram. contat."},
    {"Zählerstand", "Pos.num. contat."},
};
inline constexpr PinText kZirkulation[] = {
    {"Freigabe Funktion", "ABL Circolazione"},     {"Rücklauftemperatur", "Temp. ritorno"},
    {"Warmwassertemperatur", "Temp. acqua calda"}, {"Solltemperatur Zirkuleitung", "T.nom. condotta circ."},
    {"Speichertemperatur", "Temp. accumulatore"},  {"eff_ZRLSollTemp", "Tnom eff. RCirc."},
    {"Status Zirkulation", "Stato circolaz."},
};
}  // namespace pin_texts

// Short names of the output variables of each function type, variables 1 to n.
namespace output_variables {
inline constexpr const char* kHzkrReg[] = {"Temp.Teor.Mand", "Status Pompa", "Stat.Miscelat", "T.Amb.TEOR.efc",
    "In Manutenz.", "Fz.Antigelo"};
inline constexpr const char* kAnfHeizung[] = {"Rich.ON", "Rich.OFF"};
inline constexpr const char* kAnfWarmwasser[] = {"Temp.Teor.Efc", "Rich.ON", "Rich.OFF", "Prest.Br.", "Temp.Teor."};
inline constexpr const char* kLadepumpe[] = {"Stat.Pompa.Ca."};
inline constexpr const char* kZirkulation[] = {"Status Circo", "T.ZRL.eff"};
inline constexpr const char* kSolarregelung[] = {"Circ.S.ON", "Limit.MAX"};
inline constexpr const char* kSolarvorrang[] = {"Lavaggio"};
inline constexpr const char* kPID_Regelung[] = {"Grandezza"};
inline constexpr const char* kVergleich[] = {"Va > Vb + diff", "Va < Vb + diff"};
inline constexpr const char* kLogikfunc[] = {"Risultato", "Risultato Inv."};
inline constexpr const char* kAnalogfunc[] = {"Risultato"};
inline constexpr const char* kWMZ[] = {"Resa", "kWh", "MWh"};
inline constexpr const char* kWartungsfunc[] = {"Iniz. Bruciat.", "Prest.Br."};
inline constexpr const char* kTimer[] = {"Uscita TIMER", "Inv.Uscita"};
inline constexpr const char* kSchaltuhr[] = {"Start", "Val.Teoretico"};
inline constexpr const char* kStartfunc[] = {"Lavaggio"};
inline constexpr const char* kZaehler[] = {"Pos.Contatore"};
inline constexpr const char* kKuehlfunc[] = {"Grandezza", "Stat.Fz.Raffr"};
inline constexpr const char* kMischerReg[] = {"Temp.Reg.efc", "Stat.Miscelat"};
inline constexpr const char* kFuncKontrolle[] = {"Errore Valore", "Errore Diff"};
inline constexpr const char* kSync[] = {"Stato Sinc.", "Periodo Estivo", "Start Regol."};
inline constexpr const char* kProfilfunc[] = {"Profilo Att", "Val.Teoretico", "Grad. Attuale"};
inline constexpr const char* kKesselkaskade[] = {"Val.Teoretico", "Stat.Cald.A", "Funz.Ore C.A", "Stat.Cald.1",
    "Stat.Cald.B", "Funz.Ore C.B", "Stat.Cald.2", "Stat.Cald.C", "Funz.Ore C.C", "Stat.Cald.3"};
}  // namespace output_variables

// ==== Variable sources ====

inline constexpr char kSourceUser[] = "Utente";
inline constexpr char kSourceInput[] = "Entrata";
inline constexpr char kSourceOutput[] = "Uscita";
inline constexpr char kSourceNetworkStatus[] = "St.Rete";
inline constexpr char kSourceSensorStatus[] = "St.Sonda";
inline constexpr char kSourceMessage[] = "Messag.";
inline constexpr char kSourceNetworkInput[] = "Rete";
inline constexpr char kNotUsed[] = "non usato";
inline constexpr char kAllSensors[] = "Tutti Sonde";
// The mode of an input variable: the fixed state of an unconnected input, or how a connected one is taken.
inline constexpr char kModeFixedState[] = "Stato:";
inline constexpr char kModeConnected[] = "Modo:";
inline constexpr char kFixedOff[] = "OFF";
inline constexpr char kFixedOn[] = "ON";
inline constexpr char kModeNormal[] = "normale";
inline constexpr char kModeInverted[] = "inverso";

// ==== Function forms: the frame every function type's three forms share ====

inline constexpr char kFormTitle[] = "%s  -  %s";  // the type's spaced title and the form's
inline constexpr char kFormParameters[] = "P A R A M E T R I";
inline constexpr char kFormInputs[] = "V A R I A B I L E  D I  I N G R E S S O";
inline constexpr char kFormOutputs[] = "V A R I A B I L E  D I  U S C I T A";
inline constexpr char kDesignationGroupLabel[] = "GRUPPO DENOM.:";
inline constexpr char kDesignationGroupStandard[] = "Generale";
inline constexpr char kDesignationGroupUser[] = "Def. Utente";
inline constexpr char kDesignationManage[] = "...";
inline constexpr char kInputHeading[] = "\n%s:";
inline constexpr char kInputHeadingNumbered[] = "\n%s %d:";
inline constexpr char kInputHeadingTwoLines[] = "%s:";  // a name on lines of its own
inline constexpr char kParticipatingFunctions[] = "utiliz. FUNZION:";  // the participant lists' label
inline constexpr char kInputSource[] = "Fonte:";
inline constexpr char kOutputGroupTitle[] = "%s - %s";  // the output's name and the kind of outputs it drives
inline constexpr char kOutputPageTab[] = "<%s>";      // a page of output flags on its tab
inline constexpr char kOutputKind[] = "Uscita";
inline constexpr char kOutputPrefix[] = "U ";
inline constexpr char kOutputBox[] = "%s%d";
inline constexpr char kOutputBoxAnalog[] = "%s%d (=%s)";
inline constexpr char kOutputAnalog[] = "analog";
inline constexpr char kOutputBoxPair[] = "%s%d, %d";
inline constexpr char kOutputNone[] = "nessuno";

// Spaced titles of the function forms.
inline constexpr char kTitleMischerReg[] = "R E G O L A Z I O N E  M I S C E L A T O R E";
inline constexpr char kTitleLogikfunc[] = "F U N Z I O N E  L O G I C A";

// Mixer control forms.
inline constexpr char kMischerModeLabel[] = "MODO:";
inline constexpr char kMischerTempGroup[] = "TEMP.REGOL.:";
inline constexpr char kMischerSetpointLabel[] = "Reg.TEOR:";
inline constexpr char kMischerDifferenceLabel[] = "Diff.:";
inline constexpr char kMischerReleaseOff[] = "se RILASCIO = off";
inline constexpr char kMischerOffActionLabel[] = "MISCELA.:";
inline constexpr const char* kMischerOffActions[] = {"aprire", "chiudere", "non modif."};
inline constexpr char kMischerReleaseInput[] = "RILASCIO MISCELA.";
inline constexpr char kMischerControlTempInput[] = "TEMP.REGOL.";
inline constexpr char kMischerSetpointInput[] = "VAL.TEOR.";
inline constexpr char kMischerOutput[] = "MISCELA.";
inline constexpr char kUnitDegrees[] = "°C";
inline constexpr char kUnitKelvin[] = "K";
inline constexpr char kUnitPercent[] = "%";
inline constexpr char kUnitSeconds[] = "Sec";  // time-byte lists: 0 to 90
inline constexpr char kUnitMinutes[] = "Min";  // 91 to 156
inline constexpr char kUnitHours[] = "Ore";    // 157 on

// Charge pump forms.
inline constexpr char kTitleLadepumpe[] = "P O M P A  D I  C A R I C O";
inline constexpr char kLadeSourceGroup[] = "TRASCORSATEMP.:";
inline constexpr char kLadeSourceMin[] = "T.Tras.MIN:";
inline constexpr char kLadeRefGroup[] = "TEMP.REFERENZA:";
inline constexpr char kLadeRefMax[] = "T.Ref.MASS:";
inline constexpr char kLadeDiffGroup[] = "DIFF. TRASC-REF:";
inline constexpr char kDiffOn[] = "DIFF.ON:";
inline constexpr char kDiffOff[] = "DIFF.OFF:";
inline constexpr char kLadeReleaseInput[] = "RILASCIO POMPA";
inline constexpr char kLadeSourceInput[] = "TRASCORSATEMP.";
inline constexpr char kLadeRefInput[] = "TEMP.REFERENZA";
inline constexpr char kLadeSourceMinInput[] = "TEMP.MIN.TRASC.";
inline constexpr char kLadeRefMaxInput[] = "TEMP.MASS.RIF.";
inline constexpr char kLadeOutput[] = "POMPA";

// Heating request forms.
inline constexpr char kTitleAnfHeizung[] = "R I C H I E S T A     R I S C A L D A M E N T O";
inline constexpr char kAnfhDemandGroup[] = "TEMP.RICHIESTA:";
inline constexpr char kAnfhSetpoint[] = "T.Ini.TEOR:";
inline constexpr char kAnfhOffTempGroup[] = "SPEGN.TEMP.:";
inline constexpr char kAnfhOffSetpoint[] = "T.Usc.TEOR:";
inline constexpr char kAnfhBaseGroup[] = "Temp.Zocc.:";
inline constexpr char kAnfhMin[] = "T.RichMIN:";
inline constexpr char kAnfhRunGroup[] = "Durata Minimale";
inline constexpr char kAnfhRun[] = "Bruciat.:";
inline constexpr char kAnfhEcoGroup[] = " ECO:MODO:";
inline constexpr char kAnfhEco[] = "Copert.ant.:";
inline constexpr char kAnfhReleaseInput[] = "RILASCIO RICHIESTA";
inline constexpr char kAnfhDemandInput[] = "TEMP.RICHIESTA";
inline constexpr char kAnfhOffTempInput[] = "SPEGN.TEMP.";
inline constexpr char kAnfhSetpointInput[] = "VAL.TEOR. RICHIESTA";
inline constexpr char kAnfhOffSetpointInput[] = "VAL.TEOR SPEGN.";
inline constexpr char kAnfhOutput[] = "RICHIESTA";

// Hot-water request forms.
inline constexpr char kTitleAnfWarmwasser[] = "R I C H I E S T A      A C Q U A  C A L D A";
inline constexpr char kAnfwGroup[] = "TEMP AC.CALDA:";
inline constexpr char kAnfwSetpoint[] = "T.Ac.TEOR:";
inline constexpr char kTimeProgramButton[] = "Progr. temp.";
inline constexpr char kAnfwMin[] = "T.Ac.MIN.:";
inline constexpr char kAnfwPower[] = "Prest.Bruc.:";
inline constexpr char kAnfwHotWaterInput[] = "TEMP AC.CALDA";
inline constexpr char kAnfwSetpointInput[] = "TEMP.TEOR.";
inline constexpr char kAnfwSwitchInput[] = "INTERRUTTORE EST.";
inline constexpr char kAnfwBurnerOutput[] = "PREST.BRUC.";
inline constexpr char kOutputKindSpeed[] = "Uscita Reg.Giri Var.";

// Circulation forms.
inline constexpr char kTitleZirkulation[] = "C I R C O L A Z I O N E";
inline constexpr char kZirkModeLabel[] = "MODO:";
inline constexpr char kZirkModeTime[] = "Tempo";
inline constexpr char kZirkModePulse[] = "Pulsi";
inline constexpr char kZirkModeBoth[] = "Temp/Pulsi";
inline constexpr char kZirkReturnGroup[] = "RITORNO CIRCO:";
inline constexpr char kZirkSetpoint[] = "T.Cir.TEOR:";
inline constexpr char kZirkByProgram[] = "secondo:";
inline constexpr char kZirkPulseGroup[] = "PULSIMODO:";
inline constexpr char kZirkRise[] = "dDIFF-on:";
inline constexpr char kZirkRun[] = "Decorrenza:";
inline constexpr char kZirkPause[] = "Tpo Pausa:";
inline constexpr char kZirkMixingGroup[] = "PROTEZ.MISCEL:";
inline constexpr char kZirkStoreMin[] = "T.Acc.MIN.:";
inline constexpr char kZirkMixingDiff[] = "DIFF.MISC.:";
inline constexpr char kZirkReleaseInput[] = "RILASCIO CIRC.";
inline constexpr char kZirkReturnInput[] = "TEMP.RITORNO";
inline constexpr char kZirkSetpointInput[] = "TEMP.TEOR.CIRC.";
inline constexpr char kZirkStoreInput[] = "TEMP.ACCUM.";
inline constexpr char kZirkOutput[] = "CIRCOLAZ.";

// Boiler cascade forms and the service dialog.
inline constexpr char kTitleKesselkaskade[] = "C A L D A I E  I N  C A S C A T A      ";
inline constexpr char kKaskCount[] = "Numero Calda:";
inline constexpr char kKaskService[] = "MENU SERVIZ.:";
inline constexpr char kKaskBoilerGroup[] = "%s %d:";
inline constexpr char kKaskBoiler[] = "CALDA";
inline constexpr char kKaskDelay[] = "Rit.Tempo:";
inline constexpr char kKaskReleaseInput[] = "RILASCIO CASC CALDA";
inline constexpr char kKaskRelease2Input[] = "RILASCIO DA\n2. GRADO";
inline constexpr char kKaskRelease3Input[] = "RILASCIO DA\n3. GRADO";
inline constexpr char kKaskFlowInput[] = "TEMP.MANDATA";
inline constexpr char kKaskCountLabel[] = "Numero utilizzati Richiesta:";
inline constexpr char kKaskOutput[] = "RICHIESTA CALDA";
inline constexpr char kKaskOutputGroup[] = "%s %s";  // the output's name and the boiler letter
inline constexpr const char* kKaskBoilerLetters[] = {"A", "B", "C"};
inline constexpr char kServiceSequence[] = "Sequenza Calda:";
inline constexpr char kServiceBoiler[] = "%s %s:";
inline constexpr char kServiceBoilerName[] = "Calda";
inline constexpr char kServiceChange[] = "Autom.Cambio Calda:";
inline constexpr char kServiceRunTime[] = "Durata Fnz:";
inline constexpr char kServiceHours[] = "Ore";
inline constexpr char kServiceDifference[] = "Diff. Ore di Lavoro\nper Cambio Calda:";
inline constexpr char kServicePlace[] = " %d";

// Heating-circuit controller forms and dialogs.
inline constexpr char kTitleHzkrReg[] = "R E G O L A T O R E  C I R C.  R I S C A L D A M E N T O";
inline constexpr char kHzkrMode[] = "MODO:";
inline constexpr const char* kHzkrModes[] = {"STANDBY", "TEMPO/AUTO", "NORMALE", "ABBASSATO"};
inline constexpr char kHzkrRoomGroup[] = "TEMP.AMBIENTE:";
inline constexpr char kHzkrReduced[] = "T.Amb.ABBASS:";
inline constexpr char kHzkrNormal[] = "T.Amb.NORMALE:";
inline constexpr char kHzkrLead[] = "Tempo Prec.:";
inline constexpr char kHzkrFlowGroup[] = "TEMP.MANDATA:";
inline constexpr char kHzkrCurveButton[] = "Curva Ri.";
inline constexpr char kHzkrOutsideGroup[] = "TEMP.ESTERNA:";
inline constexpr char kHzkrAveragingButton[] = "Val. Med.";
inline constexpr char kHzkrSwitchOffButton[] = "Cond. di Spegn.";
inline constexpr char kHzkrFrostButton[] = "Antigelo";
inline constexpr char kHzkrCurveTitle[] = "Curva Ri.:";
inline constexpr char kHzkrControlGroup[] = "Regolaz.";
inline constexpr char kHzkrFixed[] = "Val.Fisso";
inline constexpr char kHzkrOutside[] = "Temp.Est.";
inline constexpr char kHzkrCurveGroup[] = "Curva Ri.";
inline constexpr char kHzkrTemperatures[] = "Temp.";
inline constexpr char kHzkrSlope[] = "Pendenza";
inline constexpr char kHzkrSlopeLabel[] = "Pendenza:";
inline constexpr char kHzkrMinus20[] = "T.Mand.-20°C:";
inline constexpr char kHzkrPlus10[] = "T.Mand.+10°C:";
inline constexpr char kHzkrSlopeItem[] = " %3.02f";
inline constexpr char kHzkrCurveItem[] = "  %d";
inline constexpr char kHzkrRoomInfluence[] = "Influsso Amb:";
inline constexpr char kHzkrRaise[] = "Asc.Sovrapass.:";
inline constexpr char kHzkrFlowMax[] = "T.Mand.MASS:";
inline constexpr char kHzkrFlowMin[] = "T.Mand.MIN:";
inline constexpr char kHzkrAveragingTitle[] = "VAL. MED.:";
inline constexpr char kHzkrAveragingFlow[] = "per Regol.di Mand.:";
inline constexpr char kHzkrAveragingOff[] = "per Spegnimento:";
inline constexpr char kHzkrAveragingTime[] = "Tempo VM:";
inline constexpr char kHzkrSwitchOffTitle[] = "COND. DI SPEGN.:";
inline constexpr const char* kHzkrYesNo[] = {"no", "sì"};
inline constexpr const char* kHzkrMixerActions[] = {"aprire", "chiudere", "regolare", "non modif."};
inline constexpr char kHzkrIfRoom[] = "se T.Amb";
inline constexpr char kHzkrIfFlow[] = "se T.Mand";
inline constexpr char kHzkrIfOutside[] = "se T.Est";
inline constexpr char kHzkrIfReduced[] = "se Attiv.Oper.Abbass. e T.Est";
inline constexpr char kHzkrRoomAbove[] = "EFF > TEOR ?";
inline constexpr char kHzkrFlowBelow[] = "TEOR < MIN ?";
inline constexpr char kHzkrOutsideAbove[] = "VMe > MASS ?";
inline constexpr char kHzkrOutsideMax[] = "T.est.MASS:";
inline constexpr char kHzkrReducedAbove[] = "EFF > MIN ?";
inline constexpr char kHzkrOutsideMin[] = "T.Est.MIN:";
inline constexpr char kHzkrFlowAbove[] = "EFF > MASS ?";
inline constexpr char kHzkrHysteresis[] = "Isteresi:";
inline constexpr char kHzkrWhileOff[] = "se Circ.Risc. OFF";
inline constexpr char kHzkrMixer[] = "MISCELA.:";
inline constexpr char kHzkrFrostTitle[] = "ANTIGELO:";
inline constexpr char kHzkrFrostGroup[] = "Attivare se:";
inline constexpr char kHzkrFrostOutside[] = "T.Est.VMr <";
inline constexpr char kHzkrFrostRoom[] = "T.Amb.ANTIG:";
inline constexpr char kHzkrReleaseInput[] = "RILASCIO CIRC.RISC";
inline constexpr char kHzkrRoomInput[] = "TEMP.AMBIENTE";
inline constexpr char kHzkrOutsideInput[] = "TEMP.ESTERNA";
inline constexpr char kHzkrPumpOutput[] = "CIRC.RISCPOMPA";

// Logic function forms.
inline constexpr char kLogikFunctionGroup[] = "FUNZION:";
inline constexpr const char* kLogikFunctions[] = {"OFF", "OPPURE", "E", "FLIP FLOP"};
inline constexpr char kLogikReleaseInput[] = "RILASCIO FUNZ.LOGIC";
inline constexpr char kLogikDataInput[] = "ENTRATA DATI";
inline constexpr char kLogikResult[] = "RISULTATI";
inline constexpr char kLogikResultInverted[] = "RISULTATI INV.";

// ==== Solar and energy function forms ====

inline constexpr char kTitleKuehlfunc[] = "F U N Z I O N E  R A F F R E S C A M E N T O";
inline constexpr char kTitlePID_Regelung[] = "R E G O L A Z I O N E  P I D";

// Cooling function forms.
inline constexpr char kKuehlWindowGroup[] = "TEMPO FINE.:";
inline constexpr char kKuehlHour[] = "Ora";
inline constexpr char kKuehlReferenceGroup[] = "TEMP.REFERENZA:";
inline constexpr char kKuehlReferenceMax[] = "T.Ref.MASS:";
inline constexpr char kMagnitude[] = "GRANDEZZA:";
inline constexpr char kKuehlReleaseInput[] = "RILASCIO RAFFRED.";
inline constexpr char kKuehlReferenceInput[] = "TEMP.REFERENZA";
inline constexpr char kKuehlReferenceMaxInput[] = "TEMP.MASS.RIF.";
inline constexpr char kKuehlOutput[] = "RAFFRED.";
inline constexpr char kMagnitudeOutput[] = "GRANDEZZA";

// Solar control forms.
inline constexpr char kTitleSolarregelung[] = "R E G O L A Z I O N E  S O L A R E";
inline constexpr char kSolarCollectorGroup[] = "TEMP COLLET.:";
inline constexpr char kSolarCollectorMax[] = "T.Coll.MASS:";
inline constexpr char kHysteresis[] = "Isteresi:";
inline constexpr char kSolarDiffGroup[] = "DIFF. COLL-REF:";
inline constexpr char kSolarLimitGroup[] = "TEMP.LIMITAZIONE:";
inline constexpr char kSolarLimitMax[] = "T.Lim.MASS:";
inline constexpr char kSolarReleaseInput[] = "RILASCIO CIRC.SOL.";
inline constexpr char kSolarCollectorInput[] = "TEMP COLLET.";
inline constexpr char kSolarLimitInput[] = "TEMP.LIMITAZIONE";
inline constexpr char kSolarOutput[] = "CIRC.SOL.";

// Start function forms.
inline constexpr char kTitleStartfunc[] = "F U N Z I O N E  A V V I O";
inline constexpr char kStartWindow[] = "Tempo Attivazione:";
inline constexpr char kRunTime[] = "Decorrenza:";
inline constexpr char kInterval[] = "Intervallo:";
inline constexpr char kStartRadiationThreshold[] = "Irrad.Att:";
inline constexpr char kStartPlainThreshold[] = "Grado Att.:";
inline constexpr char kUnitRadiation[] = "W/m²";
inline constexpr char kStartReleaseInput[] = "RILASCIO FUNZ.START";
inline constexpr char kRadiationInput[] = "IRRAD.SOL.";
inline constexpr char kStartRelativeInput[] = "TEMP.RELAT.";
inline constexpr char kStartCount[] = "Numero utilizzati Funzioni Solare:";
inline constexpr char kFlushOutput[] = "LAVAGGIO";

// Solar priority forms.
inline constexpr char kTitleSolarvorrang[] = "P R I O R I T À  S O L A R E";
inline constexpr char kPriorityGroup[] = "DEFINIRE PRECEDENZA";
inline constexpr char kPriorityLabel[] = "%s   :";  // a participant's designation
inline constexpr char kPriorityOff[] = " %s";       // with "OFF"
inline constexpr char kFollowUpGroup[] = "TEMPO SUCCESSIVO:";
inline constexpr char kFromPriority[] = "da Precedenza:";
inline constexpr char kRadiationThreshold[] = "Val Attiv:";
inline constexpr char kWaitTime[] = "Tpo Aspet:";
inline constexpr char kPriorityReleaseInput[] = "RILASCIO PREC SOL";

// Heat meter forms.
inline constexpr char kTitleWMZ[] = "C A L O R I M E T R O";
inline constexpr char kWmzFrostProtection[] = "ANTIGELO:";
inline constexpr char kWmzFactor[] = "FATTORE:";
inline constexpr char kWmzFlow[] = "FLUSSO:";
inline constexpr char kUnitFlow[] = "l/h";
inline constexpr char kWmzCalibrationGroup[] = "CALIBR.";
inline constexpr char kWmzCalibrationSet[] = "Settare parametri di calibrazione";
inline constexpr char kWmzSystem[] = "Sistema operativo KRX9274:";
inline constexpr char kWmzFromA318[] = "da A3.18";
inline constexpr char kWmzBeforeA318[] = "versione precedente";
inline constexpr char kWmzCalibrationTemp[] = "Temp.Calib.";
inline constexpr char kWmzLower[] = "ant.:";
inline constexpr char kWmzUpper[] = "sup.:";
inline constexpr char kWmzDiff[] = "Diff.";
inline constexpr char kWmzCommonDiff[] = "Diff.:";  // the one difference from A3.18
inline constexpr char kWmzQuantityGroup[] = "QUANT.CAL.";
inline constexpr char kWmzReading[] = "Pos.Contatore:";
inline constexpr char kUnitMwh[] = "MWh";
inline constexpr char kUnitKwh[] = "kWh";
inline constexpr char kWmzReleaseInput[] = "RILASCIO QTA CALORE";
inline constexpr char kWmzFlowTempInput[] = "TEMP.MANDATA";
inline constexpr char kWmzReturnTempInput[] = "TEMP.RITORNO";
inline constexpr char kWmzFlowInput[] = "FLUSSO";
inline constexpr char kWmzResetInput[] = "CONTAT. RIMETTERE";

// PID control forms.
inline constexpr const char* kPidModes[] = {"off", "normale", "inverso"};
inline constexpr char kPidAbsoluteGroup[] = "VAL.ASSOL.REGOLAZ.:";
inline constexpr char kPidMode[] = "MODO:";
inline constexpr char kPidAbsoluteSetpoint[] = "T.Abs.TEOR:";
inline constexpr char kPidDifferenceGroup[] = "REGOLAZ.DIFF.:";
inline constexpr char kPidDifferenceSetpoint[] = "DIFF.TEOR:";
inline constexpr char kPidEventGroup[] = "REGOLAZ.AVVENIM.:";
inline constexpr char kPidCondition[] = "COND.:";
inline constexpr char kPidAbove[] = "EFF > SOGL";
inline constexpr char kPidBelow[] = "EFF < SOGL";
inline constexpr char kPidThreshold[] = "T.Att.SOGL:";
inline constexpr char kPidEventSetpoint[] = "Reg.TEOR:";
inline constexpr char kPidMagnitudeGroup[] = "GRANDEZZA:";
inline constexpr char kPidMaximum[] = "massimale:";
inline constexpr char kPidMinimum[] = "minimale:";
inline constexpr char kPidParameterGroup[] = "PARAMETRO REGOLAZ.:";
inline constexpr char kPidP[] = "P :";
inline constexpr char kPidI[] = "I :";
inline constexpr char kPidD[] = "D :";
inline constexpr char kPidReleaseInput[] = "RILASCIO REGOLAZ.";
inline constexpr const char* kPidInputs[] = {
    "TEMP.\nREGOLAZ.VAL.ASSOL.",           "VAL.TEOR.\nREGOLAZ.VAL.ASSOL.",   "TEMP. (+)\nREGOLAZ.DIFF.",
    "TEMP. (-)\nREGOLAZ.DIFF.",            "TEMP.ATTIVAZIONE\nREGOLAZ.AVVENIM.", "SOGLIA ATTIVAZIONE\nREGOLAZ.AVVENIM.",
    "TEMP REGOLAZ.\nREGOLAZ.AVVENIM.",     "VAL.TEOR.\nREGOLAZ.AVVENIM.",
};
// Comparison forms.
inline constexpr char kTitleVergleich[] = "C O M P A R A Z I O N E";
inline constexpr char kVergleichUnitLabel[] = "GR.FUNZ.:";
inline constexpr char kVergleichValueBLabel[] = "VALOREb:";
inline constexpr char kVergleichOnLabel[] = "DIFF.ON:";
inline constexpr char kVergleichOffLabel[] = "DIFF.OFF:";
// The quantities a comparison, a profile or an analog function works in, and the unit label of each.
inline constexpr const char* kQuantities[] = {"Senza Dim.", "Temperat.", "Irrad.Sol.", "Tempo",
                                                  "Num.Imp",    "Qt Cal KWH", "Qt Cal MWH", "Prestaz.",
                                                  "Flusso",     "Velo.Vento", "Umidita",    "Pressione"};
inline constexpr const char* kQuantityUnits[] = {"", "°C", "W/m²", "Ore", "Imp", "kWh", "MWh", "kW",
                                                       "l/h", "km/h", "%", "bar"};
inline constexpr char kVergleichReleaseInput[] = "RILASCIO CONFR.";
inline constexpr char kVergleichValueAInput[] = "VALOREa";
inline constexpr char kVergleichValueBInput[] = "VALOREb";
inline constexpr char kVergleichAbove[] = "Va > Vb + diff";
inline constexpr char kVergleichBelow[] = "Va < Vb + diff";

// Timer function forms.
inline constexpr char kTitleTimer[] = "F U N Z I O N E  T I M E R";
inline constexpr char kTimerModeLabel[] = "MODO:";
inline constexpr const char* kTimerModes[] = {"Impulsi",       "Tempo Integr", "Ritardo",
                                              "Tempo Min Fnz", "Tempo Blocco", "Instabile"};
inline constexpr char kTimerTriggerGroup[] = "TRIGGER";
inline constexpr char kTimerEdgeLabel[] = "Fianco:";
inline constexpr const char* kTimerEdges[] = {"pos/neg", "positivo", "negativo"};
inline constexpr char kTimerRetriggerLabel[] = "retriggere:";
inline constexpr const char* kTimerRetrigger[] = {"no", "sì"};
inline constexpr char kTimerPulseGroup[] = "TEMPO IMP.:";
inline constexpr char kTimerPulseLabel[] = "TEMPO IMP.:";
inline constexpr char kTimerOnLabel[] = "ON:";
inline constexpr char kTimerOffLabel[] = "OFF:";
inline constexpr char kTimerDutyLabel[] = "TAST.PROP.:";
inline constexpr char kTimerReleaseInput[] = "RILASCIO TIMER";
inline constexpr char kTimerTriggerInput[] = "ENTRATA TRIGGER";
inline constexpr char kTimerDutyInput[] = "PROPORZIONE TASTI";
inline constexpr char kTimerOutput[] = "Uscita TIMER";
inline constexpr char kTimerOutputInverted[] = "Uscita INV.";

// Counter forms.
inline constexpr char kTitleZaehler[] = "C O N T A T O R E";
inline constexpr char kZaehlerModeGroup[] = "MODO:";
inline constexpr char kZaehlerHours[] = "CONT.ORE FUNZ";
inline constexpr char kZaehlerPulses[] = "CONT.IMPULSI";
inline constexpr char kZaehlerDivisorLabel[] = "Divisore:";
inline constexpr char kZaehlerPositionLabel[] = "Pos.Contatore:";
inline constexpr char kZaehlerPulsesGroup[] = "Impulsi";
inline constexpr char kZaehlerHoursGroup[] = "Durata eserciz.";
inline constexpr char kUnitPulses[] = "Imp";
inline constexpr char kZaehlerReleaseInput[] = "RILASCIO CONTATORE";
inline constexpr char kZaehlerResetInput[] = "CONTAT. RIMETTERE";

// Function control forms.
inline constexpr char kTitleFuncKontrolle[] = "C O N T R O L L O  F U N Z I O N A L I T À";
inline constexpr char kFuncKontrolleGroup[] = "PARAMETRO:";
inline constexpr char kFuncKontrolleErrorIf[] = "Errore se superiore";
inline constexpr char kFuncKontrolleLimitCaption[] = "%9s >";
inline constexpr char kFuncKontrolleValueA[] = "CVa";
inline constexpr char kFuncKontrolleDifference[] = "CVa - CVb";
inline constexpr char kFuncKontrolleAtLeast[] = "al meno";
inline constexpr char kFuncKontrolleStoreError[] = "Salv.Errore:";
inline constexpr const char* kNoYes[] = {"no", "sì"};
inline constexpr char kFuncKontrolleValueAInput[] = "CONTR.VALOREa";
inline constexpr char kFuncKontrolleValueBInput[] = "CONTR.VALOREb";
inline constexpr char kFuncKontrolleReleaseInput[] = "DIFF.CONTR.";
inline constexpr char kFuncKontrolleValueError[] = "Errore Valore";
inline constexpr char kFuncKontrolleDifferenceError[] = "Errore Diff";

// Synchronisation forms.
inline constexpr char kTitleSync[] = "S I N C R O N I Z Z A Z I O N E";
inline constexpr char kSyncCountLabel[] = "Numero Finest.:";
inline constexpr char kSyncModeLabel[] = "MODO:";
inline constexpr const char* kSyncModes[] = {"Ora", "Giorno", "Mese", "Anno"};
inline constexpr const char* kSyncRepetition[] = {"ciciclo", "unico"};
inline constexpr char kSyncHour[] = "Ore";
inline constexpr char kSyncMinute[] = "Min";
inline constexpr char kSyncDay[] = "Giorno";
inline constexpr char kSyncMonth[] = "Mes";
inline constexpr char kSyncReleaseInput[] = "RILASCIO SINCR.";
inline constexpr char kSyncOutput[] = "COND.TPO.RISPET.";

// Time switch forms.
inline constexpr char kTitleSchaltuhr[] = "I N T E R R U T T O R E  O R A R I O";
inline constexpr char kSchaltuhrPrograms[] = "Progr. temp.";
inline constexpr char kSchaltuhrSetpointLabel[] = "Val.Nom.Cond.Tpo e esaudito:";
inline constexpr char kSchaltuhrMinBlockLabel[] = "Tempo Min Cond.Bloc.:";
inline constexpr char kSchaltuhrBlockLabel[] = "Tempo Blocco:";
inline constexpr char kUnitDays[] = "Giorni";
inline constexpr char kSchaltuhrReleaseInput[] = "RILASCIO TEMPORIZ.";
inline constexpr char kSchaltuhrBlockingInput[] = "BLOCAGGIO";

// Maintenance function forms.
inline constexpr char kTitleWartungsfunc[] = "F U N Z I O N E  M A N U T E N Z I O N E";
inline constexpr char kWartungRunTimeLabel[] = "Tpo.Tot.Fz.:";
inline constexpr char kWartungPowerLabel[] = "Prest.Bruc.:";
inline constexpr char kWartungSwitchInput[] = "INTERRUTTORE EST.";
inline constexpr char kWartungCountLabel[] = "Numero utilizzati F.Reg.Circ.Risc:";
inline constexpr char kWartungBurnerDemand[] = "RICHIESTA BRUC.";
inline constexpr char kWartungBurnerPower[] = "PREST.BRUC.";
inline constexpr char kWartungSpeedOutput[] = "Uscita Reg.Giri Var.";

// Profile function forms.
inline constexpr char kTitleProfilfunc[] = "F U N Z I O N E  P R O F I L I";
inline constexpr char kProfilStepsLabel[] = "Numero Grado:";
inline constexpr char kProfilUnitLabel[] = "GR.FUNZ.:";
inline constexpr char kProfilCyclicLabel[] = "ciciclo:";
inline constexpr char kProfilClockLabel[] = "Tatto Int:";
inline constexpr char kProfilOffValueLabel[] = "se RILASCIO = off:";
inline constexpr char kProfilStep[] = "Grado";
inline constexpr char kProfilStepCaption[] = "%s %2d:";
inline constexpr char kProfilOff[] = "OFF";
inline constexpr char kProfilReleaseInput[] = "RILASCIO PROFILO";
inline constexpr char kProfilOffValueInput[] = "VAL.TEOR.(RIL.=off)";
inline constexpr char kProfilStartInput[] = "START PROFILO";
inline constexpr char kProfilStopInput[] = "STOP PROFILO";
inline constexpr char kProfilResetInput[] = "RESET PROFILO";
inline constexpr char kProfilClockInput[] = "TATTO PROFILO";
inline constexpr char kProfilOutput[] = "PROFILO ATTIVO";

// Analog function forms.
inline constexpr char kTitleAnalogfunc[] = "F U N Z I O N E  A N A L O G I C A";
inline constexpr char kAnalogUnitLabel[] = "GR.FUNZ.:";
inline constexpr char kAnalogFunctionLabel[] = "FUNZION:";
inline constexpr const char* kAnalogFunctions[] = {"ZERO", "MIN", "MASS", "VAL.MED.", "SOMMA", "FILTRO"};
inline constexpr char kAnalogFilterLabel[] = "VAL.MED.:";
inline constexpr char kAnalogInputsGroup[] = "ENTRATA DATI:";
inline constexpr char kAnalogVariable[] = "VAR.";
inline constexpr char kAnalogVariableCaption[] = "%s %d:";
inline constexpr char kAnalogOffResultLabel[] = "RISUL. se\nRILAS.=off:";
inline constexpr char kAnalogReleaseInput[] = "RILAS. ANALOG FUNZ.";
inline constexpr char kAnalogOffResultInput[] = "RISUL.(RILAS.=off)";
inline constexpr char kAnalogOffset[] = "Offset:";
inline constexpr char kAnalogResult[] = "RISULTATI";

// ==== Network ====

inline constexpr char kNetworkInputTitle[] = "   Rete - variabile di ingresso   ";
inline constexpr char kNetworkInputTitleDL[] = "   Rete - var. di ingresso (DL)   ";
inline constexpr char kNetworkInputTitleCAN[] = "   Rete - var. di ingresso (CAN)   ";
inline constexpr char kNetworkDigitalLong[] = "DIGITALE";
inline constexpr char kNetworkAnalogLong[] = "ANALOG";
inline constexpr char kNetworkDigital[] = "DIGITAL";
inline constexpr char kNetworkAnalog[] = "ANALOG.";
inline constexpr char kNetworkAllInputs[] = "tutti gli ingr. della rete";

// ==== Drawing evaluation ====

inline constexpr char kEvalTitle[] = "Valutare il disegno";
inline constexpr char kEvalGroup[] = "Stato";
inline constexpr char kEvalIntro[] = "Accertare e valutare i dati necessari dal disegno:";
inline constexpr char kEvalInit[] = "Inizializazzione...";
inline constexpr char kEvalAborted[] = "L'operazione è stata interrotta.";
inline constexpr char kEvalParsing[] = "Parsing...";
inline constexpr char kEvalParseError[] = "Si è verificato un’errore al parsing.";
inline constexpr char kEvalLibraryStatus[] = "Accertare e verificare la/le versione/i libreria ...";
inline constexpr char kEvalLibraryTitle[] = "Accertare e verificare gli oggetti della libreria ...";
inline constexpr char kEvalObjectLibraryStatus[] = "Accertare e verificare versione biblio dell’oggetto ...";
inline constexpr char kEvalObjectLibraryTitle[] = "Accertare e verificare versione libreria dell’oggetto ...";
inline constexpr char kEvalObjectNotFound[] = "Non è stato possibile trovare dati relativi all’oggetto selezionato.";
inline constexpr char kEvalFunctionsTitle[] = "Aggiorna dati di funzionamento ...";
inline constexpr char kEvalFunctionCount[] = "Funzioni: %d di %d";
inline constexpr char kEvalTooManyFunctions[] =
    "Il numero massimo possibile di %d funzioni è stato superato di %d funzione/i!";
inline constexpr char kEvalMessagesTitle[] = "Aggiorna lista messaggi ...";
inline constexpr char kEvalMessageCount[] = "Messaggi: %d di %d";
inline constexpr char kEvalTooManyMessages[] =
    "Il numero massimo possibile di %d messaggi è stato superato di %d messaggio/i!";
inline constexpr char kEvalCreateFailed[] = "Non è stato possibile creare lo slot per l’oggetto \"%s$%d\" (ID %d).";
inline constexpr char kEvalNoUsableId[] =
    "L’oggetto \"%s$%d\" (ID %d) non ha un ID utilizzabile: non gli viene assegnato nessuno slot.";
inline constexpr char kEvalSameIdDigits[] =
    "Gli oggetti \"%s$%d\" (ID %d) e \"%s$%d\" (ID %d) hanno le stesse ultime cinque cifre dell’ID.";
inline constexpr char kEvalConnectionsFailed[] = "Non è stato possibile creare il file \"Connections.tmp\"!";
inline constexpr char kEvalVariablesTitle[] = "Aggiornare le variabili di ingresso/di uscita";
inline constexpr char kEvalMessageVariablesTitle[] = "Aggiornare variabili di ingr./uscita del messaggio";
inline constexpr char kEvalOutputVariableTitle[] = "Aggiornare variabile di ingresso dell’uscita ...";
inline constexpr char kEvalNetOutputVariableTitle[] = "Aggiornare variabile di ingresso dell’uscita di rete";
inline constexpr char kEvalFunctionVariablesTitle[] = "Aggiorna variabili di entrata/uscita delle funzioni ...";
inline constexpr char kEvalMemoryTitle[] = "Verifica spazio memoria necessario delle funzioni ...";
inline constexpr char kEvalVariableBytes[] = "Variabili: %d di %d byte";
inline constexpr char kEvalParameterBytes[] = "Parametri: %d di %d byte";
inline constexpr char kEvalVariablesExceed[] =
    "Il fabbisogno di memoria delle variabili delle funzioni utilizzate eccede di ";
inline constexpr char kEvalParametersExceed[] =
    "Il fabbisogno di memoria dei parametri delle funzioni utilizzate eccede di ";
inline constexpr char kEvalExceedEnd[] = " byte! ";
inline constexpr char kEvalNetInputsTitle[] = "Controlla entrate di rete ...";
inline constexpr char kEvalNetInputAnalogTwice[] =
    "Le entrate di rete <Analog %d> ed <Analog %d> sono definite per lo stesso parametro.";
inline constexpr char kEvalNetInputDigitalTwice[] =
    "Le entrate di rete <Digital %d> ed <Digital %d> sono definite per lo stesso parametro.";
inline constexpr char kEvalNetOutputsTitle[] = "Verificare le uscite di rete ...";
inline constexpr char kEvalNetOutputAnalogTwice[] = "Viene utilizzato più volte nel disegno l’uscita di rete <Analog %d>.";
inline constexpr char kEvalNetOutputDigitalTwice[] =
    "Viene utilizzato più volte nel disegno l’uscita di rete <Digital %d>.";
inline constexpr char kEvalRequirementsTitle[] = "Rilevamento requisiti del sistema ...";
inline constexpr char kEvalMissingLink[] =
    "Non è stato possibile accertare il collegamento necessario alla connessione \"%s (%s) - %s\".";
inline constexpr char kEvalWrongLink[] =
    "Collegamento errato, non valido alla connessione \"%s (%s) - %s\" (Tipo: %s).";
inline constexpr char kEvalLinkDetails[] = "- dettagli: %s";
inline constexpr char kEvalNoConnection[] = "nessun collegamento";

// ==== Drawing labels ====

// Appended to the label of a digital input pin of a function or message object.
inline constexpr char kPinSuffixInverted[] = " (inv.)";  // a connected source, taken inverted
inline constexpr char kPinSuffixOff[] = " (OFF)";        // nothing connected, fixed state OFF

// ==== Drawing symbols ====

// The texts that the program writes into the symbols of the drawing besides designations and pin labels: kind
// letters, titles and field labels of plant, message and function symbols. Leading and trailing blanks belong to
// the texts.
namespace symbols {
// Every object with a number: the number text of an object that has none assigned.
inline constexpr char kUnassignedNumber[] = "0";

// Kind letters.
inline constexpr char kLetterInput[] = " S ";
inline constexpr char kLetterOutput[] = " U ";
inline constexpr char kLetterNetwork[] = "R";

// Sensor status.
inline constexpr char kSensorStatusTitle[] = " Stato  del  sensore:";
inline constexpr char kAllSensorsLabel[] = "tutti i sensori";

// Mixer and analog outputs.
inline constexpr char kMixerOpen[] = "Miscel. APERTO";
inline constexpr char kMixerClosed[] = "Miscel. CHIUSO";
inline constexpr char kAnalogOutputTitle[] = " Uscita analogica";
inline constexpr char kAnalogOutputDesignation[] = " ";

// Signal transfers.
inline constexpr char kSignalHandOver[] = " Trasferimento segnale ";
inline constexpr char kSignalTakeOver[] = " Accettazione segnale ";

// Network objects.
inline constexpr char kNetworkStatusTitle[] = "  S t a t o   d e l l a   r e t e  ";
inline constexpr char kNetworkOutputTitle[] = "   Rete - variabile di uscita   ";
inline constexpr char kNodeLabel[] = "NOR:";
inline constexpr char kNetworkOutputLabel[] = "USR:";

// Field labels of message and function symbols.
inline constexpr char kTypeLabel[] = "Tipo:";
inline constexpr char kDesignationLabel[] = "Des.:";
inline constexpr char kInputVariablesLabel[] = "Var. ingresso:";
inline constexpr char kOutputVariablesLabel[] = "Var. uscita:";

// Message symbols.
inline constexpr char kMessageTitle[] = "  Messaggio  ";
inline constexpr char kMessageTypeLabel[] = "Tipo di mess.:";
inline constexpr char kMessageCauseLabel[] = "Causa mess.:";

// Output marks beside a function's output pins: the kind of controller output the pin drives.
inline constexpr char kMarkSwitch[] = "(Uscita comm.)";
inline constexpr char kMarkSpeed[] = "(Usc. Num. giri)";
inline constexpr char kMarkMixer[] = "(Uscita misc.)";

// Participant lists.
inline constexpr char kParticipantsLabel[] = "Funzioni interessate:";
inline constexpr char kNoParticipant[] = "- - - - - - - - - - - - - - - -";

// Titles of the function symbols, framed by two blanks on each side, and their constant field labels.
inline constexpr char kTitleAnalogfunc[] = "  Funzione analogica  ";
inline constexpr char kTitleAnfHeizung[] = "  Richiesta riscaldamento  ";
inline constexpr char kTitleAnfWarmwasser[] = "  Richiesta AC  ";
inline constexpr char kTitleFuncKontrolle[] = "  Controllo funzionalità  ";
inline constexpr char kTitleHzkrReg[] = "  Regolatore circ. risc.  ";
inline constexpr char kTitleKesselkaskade[] = "  Caldaie in cascata  ";
inline constexpr char kTitleKuehlfunc[] = "  Funz. Raffreddamento  ";
inline constexpr char kTitleLadepumpe[] = "  Pompa di carico  ";
inline constexpr char kTitleLogikfunc[] = "  Funzione logica  ";
inline constexpr char kTitleMischerReg[] = "  Funz. Regolaz. misc.  ";
inline constexpr char kTitlePID_Regelung[] = "  Regolazione P.I.D.  ";
inline constexpr char kTitleProfilfunc[] = "  Funzione Profili  ";
inline constexpr char kTitleSchaltuhr[] = "  Interruttore orario  ";
inline constexpr char kTitleSolarregelung[] = "  Regolazione solare  ";
inline constexpr char kTitleSolarvorrang[] = "  Priorità solare  ";
inline constexpr char kTitleStartfunc[] = "  Funzione Avvio  ";
inline constexpr char kTitleSync[] = "  Sincronizzazione  ";
inline constexpr char kTitleTimer[] = "  Funzione Timer  ";
inline constexpr char kTitleVergleich[] = "  Comparazione  ";
inline constexpr char kTitleWMZ[] = "  Calorimetro  ";
inline constexpr char kTitleWartungsfunc[] = "  Funzione Manutenzione  ";
inline constexpr char kTitleZaehler[] = "  Contatore  ";
inline constexpr char kTitleZirkulation[] = "  Circolazione  ";
inline constexpr char kBoilerA[] = "Caldaia A:";
inline constexpr char kBoilerB[] = "Caldaia B:";
inline constexpr char kBoilerC[] = "Caldaia C:";
inline constexpr char kEventControl[] = "Regolazione eventi";
}  // namespace symbols

// ==== Function overview ====

inline constexpr char kOverviewGroupUser[] = "Utente";
inline constexpr char kOverviewGroupInputs[] = "Entrata";
inline constexpr char kOverviewGroupOutputs[] = "Uscita";
inline constexpr char kOverviewNoValue[] = "- - - -";       // a value the group does not have
inline constexpr char kOverviewDate[] = "Data";
inline constexpr char kOverviewTime[] = "Ora";
inline constexpr char kOverviewAnalogOutput[] = "Uscita Analoga";
inline constexpr char kOverviewKindLetters[] = "FABCTE";   // header, then access kinds 1, 7, 8, 2, 3
// The controller's own short labels of the values of each function type, by parameter number from 1.
namespace overview_labels {
// Heizkreisregler
inline constexpr const char* kHzkrReg[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "MODO:", "TEMP.AMBIENTE:", "T.Amb.EFF:", "T.Amb.ABBASS:",
    "T.Amb.NORMALE:", "PROG.ORA:", "TEMP.MANDATA:", "T.Mand.EFF:", "T.Mand.TEOR:", "Curva Ri.:", "TEMP.ESTERNA:",
    "T.Est.EFF:", "VAL. MED.:", "COND. DI SPEGN.:", "ANTIGELO:", "Tempo Prec.:", "T.Amb.EFC:", "CIRC.RISCPOMPA:",
    "MISCELA.:"};
// Anforderung Heizung
inline constexpr const char* kAnfHeizung[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "TEMP.RICHIESTA:", "On_EFF:", "T.Ini.TEOR:", "DIFF.ON:",
    "SPEGN.TEMP.:", "Off_EFF:", "T.Usc.TEOR:", "DIFF.OFF:", "Temp.Zocc.:", "T.RichMIN:", "Durata Minimale:",
    " ECO:MODO:", "Copert.ant.:", "RICHIESTA:"};
// Anforderung Warmwasser
inline constexpr const char* kAnfWarmwasser[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "TEMP AC.CALDA:", "T.Ac.EFF.:", "T.Ac.TEOR:", "PROG.ORA:",
    "T.Ac.MIN.:", "DIFF.ON:", "DIFF.OFF:", "Prest.Bruc.:", "RICHIESTA:", "TEMP.TEOR.efficace:", "UNA CARICARE:"};
// Ladepumpe
inline constexpr const char* kLadepumpe[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "TRASCORSATEMP.:", "T.Tras.EFF:", "T.Tras.MIN:", "DIFF.ON:",
    "DIFF.OFF:", "TEMP.REFERENZA:", "T.Ref.EFF:", "T.Ref.MASS:", "DIFF.ON:", "DIFF.OFF:", "DIFF. TRASC-REF:",
    "DIFF.ON:", "DIFF.OFF:", "POMPA:"};
// Zirkulation
inline constexpr const char* kZirkulation[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "MODO:", "RITORNO CIRCO:", "T.Circ.EFF:", "T.Cir.TEOR:",
    "PROG.ORA:", "DIFF.ON:", "DIFF.OFF:", "TEMP AC.CALDA:", "T.Ac.EFF.:", "dDIFF-on:", "Decorrenza:", "Tpo Pausa:",
    "PROTEZ.MISCEL:", "T.Acc.EFF.:", "T.Acc.MIN.:", "DIFF.MISC.:", "CIRCOLAZ.:", "TEMP.TEOR.efficace:"};
// Solarregelung
inline constexpr const char* kSolarregelung[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "TEMP COLLET.:", "T.Coll.EFF:", "T.Coll.MASS:", "Isteresi:",
    "TEMP.REFERENZA:", "T.Ref.EFF:", "T.Ref.MASS:", "Isteresi:", "DIFF. COLL-REF:", "DIFF.ON:", "DIFF.OFF:",
    "TEMP.LIMITAZIONE:", "T.Lim.EFF:", "T.Lim.MASS:", "Isteresi:", "CIRC.SOL.:"};
// Solarvorrang
inline constexpr const char* kSolarvorrang[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "DEFINIRE PRECEDENZA:", "TEMPO SUCCESSIVO:", "da Precedenza:",
    "Irrad.Sol.:", "Val Attiv:", "Decorrenza:", "Tpo Aspet:", "Lavaggio:"};
// PID-Regelung
inline constexpr const char* kPID_Regelung[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "VAL.ASSOL.REGOLAZ.:", "MODO:", "T.Abs.EFF:", "T.Abs.TEOR:",
    "REGOLAZ.DIFF.:", "MODO:", "T.Diff+.EFF:", "T.Diff-.EFF:", "DIFF.TEOR:", "REGOLAZ.AVVENIM.:", "MODO:", "COND.: EFF",
    "T.Att.EFF:", "T.Att.SOGL:", "Reg.EFF:", "Reg.TEOR:", "GRANDEZZA:", "massimale:", "minimale:", "attuale:",
    "PARAMETRO REGOLAZ.:"};
// Vergleich
inline constexpr const char* kVergleich[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "GR.FUNZ.:", "VALOREa:", "VALOREb:", "DIFF.ON:", "DIFF.OFF:",
    "Va > Vb + diff:", "Va < Vb + diff:"};
// Logikfunktion
inline constexpr const char* kLogikfunc[] = {
    "ENTRATA DATI:", "USCITA DATI:", "FUNZION:", "RISULTATI:", "RISULTATI INV.:"};
// Analogfunktion
inline constexpr const char* kAnalogfunc[] = {
    "ENTRATA DATI:", "USCITA DATI:", "GR.FUNZ.:", "FUNZION:", "RISULTATI:", "PARAMETRO:", "VAL.MED.:"};
// Wärmemengenzähler
inline constexpr const char* kWMZ[] = {
    "ENTRATA DATI:", "MENU SERVIZ.:", "Stato:", "ANTIGELO:", "T.Mand.:", "T.Rit.:", "DIFF:", "FLUSSO:", "RESA:",
    "QUANT.CAL.:"};
// Wartungsfunktion
inline constexpr const char* kWartungsfunc[] = {
    "AVVIARE FUNZION", "Stato:", "ENTRATA DATI:", "USCITA DATI:", "Tpo.Tot.Fz.:", "Prest.Bruc.:", "RICHIESTA BRUC.:",
    "PREST.BRUC.:"};
// Timerfunktion
inline constexpr const char* kTimer[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "MODO:", "TRIGGER:", "TEMPO IMP.:", "MANO: TIMER", "TAST.PROP.:",
    "Uscita TIMER:", "Uscita INV.:"};
// Schaltuhr
inline constexpr const char* kSchaltuhr[] = {
    "ENTRATA DATI:", "USCITA DATI:", "PROG.ORA:", "COND.TPO.RISPET.:", "VAL.TEOR.:", "Val.Nom.Cond.Tpo e esaudito:",
    "Tempo Min Cond.Bloc.:", "Tempo Blocco:"};
// Startfunktion
inline constexpr const char* kStartfunc[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "Tempo Attivazione:", "Decorrenza:", "Intervallo:", "Grado Att.:",
    "Tentative:", "Senza Suc.:", "dal ult. Corso:", "LAVAGGIO:"};
// Zähler
inline constexpr const char* kZaehler[] = {
    "ENTRATA DATI:", "MENU SERVIZ.:", "MODO:", "Pos.Contatore:", "Cont.Giorno prec.:", "Divisore:"};
// Kühlfunktion
inline constexpr const char* kKuehlfunc[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "TEMPO FINE.:", "TEMP.REFERENZA:", "T.Ref.EFF:", "T.Ref.MASS:",
    "DIFF.ON:", "DIFF.OFF:", "GRANDEZZA:", "RAFFRED.:"};
// Mischerregelfunktion
inline constexpr const char* kMischerReg[] = {
    "ENTRATA DATI:", "USCITA DATI:", "MODO:", "TEMP.REGOL.:", "Reg.EFF:", "Reg.TEOR:", "Diff.:", "se RILASCIO = off",
    "MISCELA.:", "T.Reg.EFF:"};
// Funktionskontrolle
inline constexpr const char* kFuncKontrolle[] = {
    "ENTRATA DATI:", "USCITA DATI:", "PARAMETRO:", "VALOREa:", "VALOREb:", "DIFF.:", "Canc.Mess.Errore:",
    "Salv.Errore:", "Errore Valore:", "Errore Diff:"};
// Synchronisation
inline constexpr const char* kSync[] = {
    "ENTRATA DATI:", "USCITA DATI:", "MODO:", "PARAMETRO:", "COND.TPO.RISPET.:", "ciciclo"};
// Profilfunktion
inline constexpr const char* kProfilfunc[] = {
    "ENTRATA DATI:", "USCITA DATI:", "GR.FUNZ.:", "ciciclo:", "Tatto Int:", "AVVIARE PROFILO:", "GRADO ATTUALE:",
    "VAL.TEOR.:", "PARAMETRO:", "PROFILO ATTIVO:"};
// Kesselkaskade
inline constexpr const char* kKesselkaskade[] = {
    "STATO FUNZ.:", "ENTRATA DATI:", "USCITA DATI:", "MENU SERVIZ.:", "T.Mand.EFF:", "T.Mand.TEOR:", "PARAMETRO:",
    "VAL.TEOR.:"};
}  // namespace overview_labels

// ==== List editors: function overview, CAN data logging, function order, message order ====

inline constexpr char kListAdd[] = "=>";
inline constexpr char kListRemove[] = "<=";

inline constexpr char kFuncViewTitle[] = "E D I T O R  -  S I N O T T I C A  D E L L A  F U N Z I O N E";
inline constexpr char kFuncViewAvailable[] = "Parametri di visualizzazione disponibili";
inline constexpr char kFuncViewList[] = "Sinottica funzioni";
inline constexpr char kFuncViewLevelGroup[] = "modificabile da";
inline constexpr char kFuncViewUserLevel[] = "Utente %s";  // of "A", "B", "C"
inline constexpr char kFuncViewTechnician[] = "Tecnico";
inline constexpr char kFuncViewExpert[] = "Esperto";
inline constexpr char kFuncViewEnd[] = "<%s>";  // of kFuncViewEndWord
inline constexpr char kFuncViewEndWord[] = "Fine";

inline constexpr char kCanLogTitle[] = "C A N  -  R A C C O L T A   D A T I";
inline constexpr char kCanLogSources[] = "parametri disponibili";
inline constexpr char kCanLogTab[] = "Record di dati %d";
inline constexpr char kCanLogParameter[] = "Parametro";
inline constexpr char kCanLogSource[] = "Fonte";
inline constexpr char kCanLogRow[] = "%s %d:";  // of kCanLogAnalog or kCanLogDigital and the value number
inline constexpr char kCanLogAnalog[] = "ANALOG";
inline constexpr char kCanLogDigital[] = "DIGITALE";
inline constexpr char kCanLogClear[] = "Cancella tutto";
inline constexpr char kCanLogDefaults[] = "Carica stand.";
inline constexpr char kCanLogMaster[] = "MASTER NODO:";
inline constexpr char kCanLogMasterItem[] = "   %d";
inline constexpr char kCanLogTimeout[] = "Timeout:";
inline constexpr char kCanLogNetwork[] = "Rete...";
inline constexpr char kCanLogSourceItem[] = "%d: %s";
inline constexpr char kTimeoutSeconds[] = "%d sec";
inline constexpr char kTimeoutHalfMinutes[] = "%02.01f %s";  // with kTimeoutMinuteUnit, or "Min"
inline constexpr char kTimeoutMinuteUnit[] = "min";
inline constexpr char kTimeoutMinutes[] = "%d min";
inline constexpr char kTimeoutHours[] = "%02.01f ore";

inline constexpr char kFuncOrderTitle[] = "O R D I N A R E    L E    F U N Z I O N I";
inline constexpr char kFuncOrderGroup[] = "O r d i n e  d e l l e  f u n z i o n i";
inline constexpr char kFuncOrderColumn[] = "Funzioni";
inline constexpr char kMsgOrderTitle[] = "O R D I N A R E    I    M E S S A G G I";
inline constexpr char kMsgOrderGroup[] = "O r d i n e  d e i  m e s s a g g i";
inline constexpr char kMsgOrderColumn[] = "Messaggi";
inline constexpr char kOrderNumberColumn[] = "Nr";
inline constexpr char kMsgOrderRow[] = "%s - <%s%s>";  // type word, designation, cause-number text
inline constexpr const char* kMsgOrderTypes[] = {"ERRORE", "AVVISO", "PROBLEMA", "MESSAGGIO"};  // types 1 to 4
inline constexpr char kMsgOrderFree[] = "inutilliz.";

// ==== Online schema ====

inline constexpr char kOnlineSchemaFilter[] = "Schema online (*.html)|*.html||";

// ==== Parameter import ====

inline constexpr char kImportTitle[] =
    "I M P O R T A Z I O N E    P A R A M E T R I  -  importare parametri dai dati di funzione";
inline constexpr char kImportSourceGroup[] = "File sorgente (dati di funzione KRX9274)";
inline constexpr char kImportChooseSource[] = "Sel. sorgente";
inline constexpr char kImportGroup[] = "I m p o r t a z i o n e  -  P a r a m e t r i";
inline constexpr char kImportNote[] =
    "L'importazione dei parametri è possibile solo se non è stata aggiunta o rimossa nessuna funzione o messaggio, "
    "né sia stato modificato nessun collegamento.";
inline constexpr char kImportStatusGroup[] = "Stato";
inline constexpr char kImportStart[] = "I M P O R T A R E";
inline constexpr char kImportFilter[] = "Dati di funzione KRX9274 (*.dat)|*.dat||";
inline constexpr char kImportExtension[] = "dat";
// Status lines.
inline constexpr char kImportChooseFirst[] = "Il convertitore è pronto -> selezionare file sorgente";
inline constexpr char kImportReady[] = "Convertitore è pronto";
inline constexpr char kImportStarting[] = "Inizializazzione in corso...";
inline constexpr char kImportDone[] = "Importazione conclusa con successo";
inline constexpr char kImportRefused[] = "Importazione annullata / convertitore pronto";
inline constexpr char kImportFailed[] = "Errore all’importazione dei parametri!!";
inline constexpr char kCheckFunctions[] = "Verifica delle funzioni...";
inline constexpr char kCheckFunction[] = "Verifica della funzione %d";
inline constexpr char kCheckUnusedFunctions[] = "Verifica delle funzioni inutilizzate...";
inline constexpr char kCheckMessage[] = "Verifica del messaggio %d";
inline constexpr char kCheckNetDigital[] = "Verifica dell'uscita di rete digitale %d";
inline constexpr char kCheckNetAnalog[] = "Verifica della uscita di rete analogica %d";
inline constexpr char kCopySettings[] = "Importazione dei parametri addizionali del regolatore..";
inline constexpr char kCopyPotentiostat[] = "Importazione dei parametri del potenziostato...";
inline constexpr char kCopyDesignations[] = "Importazione delle descrizioni personalizzate...";
inline constexpr char kCopyInput[] = "Importazione dei parametri dell'ingresso %d";
inline constexpr char kCopyOutput[] = "Importazione dei parametri dell’uscita %d";
inline constexpr char kCopyFunction[] = "Importazione dei parametri della funzione %d";
inline constexpr char kCopyFuncView[] = "Importazione della sinottica della funzione";
inline constexpr char kCopyLogging[] = "Importazione dei parametri della raccolta dati CAN...";
inline constexpr char kCopyMessage[] = "Importazione dei parametri del messaggio %d";
inline constexpr char kCopyNetwork[] = "Importazione dei parametri di rete...";
inline constexpr char kCopyWelcome[] = "Importazione della schermata di benvenuto...";
inline constexpr char kCopyCommit[] = "Salvare i parametri importati...";
inline constexpr char kCopyLabels[] = "Verificare il disegno...";
inline constexpr char kCopyHandOver[] = "Aggiornare il disegno...";

// The documentation export form and its run.
inline constexpr char kExportTitle[] =
    "D O C U M E N T A Z I O N E   P A R A M E T R I - Esportare parametrizzazione in file di testo (*.txt)";
inline constexpr char kExportRun[] = "E S P O R T A R E";
inline constexpr char kExportExternOn[] = "File sorgente esterno (dati di funzione KRX9274)";
inline constexpr char kExportBrowse[] = "Sfogliare...";
inline constexpr char kExportTargetGroup[] = "Convertitore - percorso destin.";
inline constexpr char kExportTargetChoose[] = "Sel. Destinaz.";
inline constexpr char kExportSections[] = "Parametri per l’esportazione";
inline constexpr char kExportFormatGroup[] = "Formato dell’output";
inline constexpr char kExportFormats[3][32] = {"output in testo semplice", "ottim. per \"Courier New\"",
                                               "con caratteri separatori ( ; )"};
inline constexpr char kExportRunGroup[] = "E s p o r t a r e";
inline constexpr char kExportStateGroup[] = "Stato del convertitore";
inline constexpr char kExportReady[] = "Convertitore è pronto";
inline constexpr char kExportStarting[] = "Inizializazzione in corso...";
inline constexpr char kExportDone[] = "Esportaz. terminata correttamente / convertitore pronto";
inline constexpr char kExportError[] = "Errore all’esportazione della parametrizzazione";
inline constexpr char kExportErrorReady[] = "Errore di esportazione / convertitore pronto";
inline constexpr char kExportCancelled[] = "Esportazione annullata / convertitore pronto";
inline constexpr char kExportTargetFilter[] = "Lista parametri KRX9274 (*.txt)|*.txt||";
inline constexpr char kExportSourceFilter[] = "Dati di funzione KRX9274 (*.dat)|*.dat||";
inline constexpr char kExportVariablesExceed[] =
    "Il fabbisogno di memoria delle variabili delle funzioni utilizzate eccede di ";
inline constexpr char kExportParametersExceed[] =
    "Il fabbisogno di memoria dei parametri delle funzioni utilizzate eccede di ";
inline constexpr char kExportBytes[] = " byte! ";
inline constexpr const char* kExportSectionTexts[] = {
    "Ingressi", "Uscite", "Funzioni", "Messaggi", "Rete",
    "filtrare gli ingressi inutilizzati", "filtrare le uscite inutilizzate",
    "filtrare le variabili di ingresso inutilizzate", "filtrare i messaggi inutilizzati",
    "filtrare le variabili inutilizzati della rete", "Sinottica della funzione", "CAN - Raccolta dati"};

}  // namespace ui
