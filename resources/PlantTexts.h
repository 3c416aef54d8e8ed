// Texts of the plant forms, in the user-interface language.
#pragma once

#include "resources/UiTexts.h"  // the units the plant forms share with the other forms

namespace ui {

// Input form.
inline constexpr char kEingangTitle[] = "P a r a m e t r a r e  I N G R E S S I  /  a s s e g n a r e  I N G R E S S O";
inline constexpr char kEingangWord[] = "Ingresso";
inline constexpr char kEingangNotUsed[] = "non usato";
inline constexpr char kEingangAll[] = "tutti ingressi";
inline constexpr char kEingangAllSensors[] = "tutti i sensori";
inline constexpr char kEingangUnused[] = "inutiliz.";
inline constexpr char kEingangDesignation[] = "DEN.:";
inline constexpr char kEingangMeanLabel[] = "VAL.MED.:";
inline constexpr char kEingangMeanUnit[] = "Sec";
inline constexpr char kEingangQuotientLabel[] = "QUOZ.:";
inline constexpr char kEingangCorrectionLabel[] = "CORR. SONDE:";
inline constexpr char kEingangDivisorLabel[] = "Divisore:";
inline constexpr char kUnitFlowQuotient[] = "l/imp";
inline constexpr char kUnitHertz[] = "Hz";
inline constexpr char kUnitKelvinShort[] = "K";
inline constexpr char kUnitIrradiance[] = "W/m²";
inline constexpr char kUnitVolt[] = "V";
inline constexpr char kUnitMilliampere[] = "mA";
inline constexpr char kUnitKiloohm[] = "k";
inline constexpr char kUnitCelsius[] = "°C";
inline constexpr char kUnitBar[] = "bar";
inline constexpr char kEingangTypGroup[] = "TIPO:";
inline constexpr char kEingangGroesseGroup[] = "DIM.MIS.:";
inline constexpr char kEingangBezGruppeGroup[] = "GRUPPO DENOM.:";
inline constexpr char kEingangSondeGroup[] = "SONDA:";
inline constexpr char kEingangSensorCheck[] = "CHECK SONDE";
inline constexpr char kEingangProzessGroup[] = "DIM.PR.:";
inline constexpr char kEingangSkalaGroup[] = "SCALA:";
inline constexpr const char* kEingangTypes[] = {"non usato", "ANALOG", "DIGITALE", "IMPULSI"};
inline constexpr const char* kEingangQuantities[] = {"Temperat.",  "Irrad.Sol.", "Tensione", "Corrente",
                                                     "Resistenza", "Flusso",     "Impulsi",  "Velo.Vento"};
inline constexpr const char* kEingangGroups[] = {"Generale", "Produttore", "Utente",
                                                 "Prestaz.", "Clima",      "Def. Utente"};
inline constexpr const char* kEingangSensors[] = {"KTY 10", "Pt 1000", "RAS", "RAS PT", "GBS 01"};
inline constexpr const char* kEingangProcesses[] = {"Senza Dim.", "Temperat.",  "Irrad.Sol.", "Tensione",
                                                    "Corrente",   "Resistenza", "Flusso",     "Pressione"};

}  // namespace ui

namespace ui {

// Output form.
inline constexpr char kAusgangTitle[] = "P a r a m e t r a r e  U S C I T E  /  a s s e g n a r e  U S C I T A";
inline constexpr char kAusgangWord[] = "Uscita";
inline constexpr char kAusgangAnalog[] = "analog";
inline constexpr const char* kAusgangMixerPairs[] = {" 3,4", " 8,9", " 10,11", " 12,13"};
inline constexpr const char* kAusgangTypes[] = {"non usato", "USC.COMUT.", "REG.GIRI VAR", "MISCELATORE", "LINEA DATI"};
inline constexpr const char* kAusgangGroups[] = {"Generale", "Clima", "Def. Utente"};
inline constexpr const char* kAusgangModes[] = {"Pacco Onda", "Taglio Fase"};
inline constexpr char kAusgangModeGroup[] = "MODO:";
inline constexpr char kAusgangDelay[] = "RITARDO:";
inline constexpr char kAusgangNetToDataLine[] = "RET.ENT.=>LD.:";
inline constexpr char kAusgangRunOn[] = "FZ.INTEGR:";
inline constexpr char kAusgangRunTime[] = "DECORRENZA:";
inline constexpr char kAusgangExtension[] = "KRX9274E:";
inline constexpr char kAusgangDigitalLevel[] = "Tensione Comando\nDIGITALE:";
inline constexpr char kAusgangNetToDataLineLine[] = "\nRET.ENT.=>LD.:";
inline constexpr char kAusgangAntiseize[] = "PROTEZIONE\nANTIBL.";
inline constexpr const char* kAnalogModes[] = {"0-10V", "PWM"};
inline constexpr char kAusgangAnalogDesignation[] = " ";

// Anti-seize dialog.
inline constexpr char kAntiblCaption[] = "PROTEZIONE ANTIBL.";
inline constexpr char kAntiblAt[] = "alle:";
inline constexpr char kAntiblHour[] = "Ora";
inline constexpr const char* kAntiblDays[] = {"Lu", "Ma", "Me", "Gi", "Ve", "Sa", "Do"};
inline constexpr char kAntiblOutputs[] = "Uscite";
inline constexpr char kAntiblOutputPrefix[] = "U ";

}  // namespace ui

namespace ui {

// Network input form.
inline constexpr char kNetzEinTitle[] = "I N G R E S S I  D I  R E T E";
inline constexpr char kNetzEinTitleStatus[] = "I N G R E S S I  D I  R E T E  ( S T A T O )";
inline constexpr const char* kNetzEinKinds[] = {"non usato", "DIGITALE", "ANALOG", "tutti ing."};
inline constexpr const char* kNetzEinBuses[] = {"non usato", "CAN", "DL"};
inline constexpr char kNetzEinSource[] = "Fonte:";
inline constexpr char kNetzEinNode[] = "Nodo RETE:";
inline constexpr char kNetzEinOutputDigital[] = "Usc.RETE dig.:";
inline constexpr char kNetzEinOutputAnalog[] = "Usc.RETE anal.:";
inline constexpr char kNetzEinOutput[] = "Usc.RETE:";
inline constexpr char kNetzEinTimeoutGroup[] = "T i m e  o u t";
inline constexpr char kNetzEinDigital[] = "ENTR.DIGITAL";
inline constexpr char kNetzEinAnalog[] = "ENTR.ANALOG";
inline constexpr const char* kNetzEinRanges[] = {"%s 1..4", "%s 5..8", "%s 9..12", "%s 13..16"};
inline constexpr char kNetzEinTimeout[] = "Timeout:";
inline constexpr char kNetzEinSettingsGroup[] = "Impostaz. regolatore";
inline constexpr char kNetzEinSettings[] = "Impostazioni rete";
inline constexpr char kNetzUnusedText[] = "0";

}  // namespace ui

namespace ui {

// Network output form.
inline constexpr char kNetzAusTitle[] = "U S C I T E  D I  R E T E";
inline constexpr char kNetzAusConditions[] = "C o n d.  d i  t r a s m i s s i o n e";
inline constexpr char kNetzAusDigitalGroup[] = "%s 1..16";
inline constexpr char kNetzAusDigital[] = "USC. DIGITALE";
inline constexpr char kNetzAusAnalog[] = "USC. ANALOG";
inline constexpr char kNetzAusOnChange[] = "Presso Mod.";
inline constexpr char kNetzAusBlocking[] = "Tpo Blocc.:";
inline constexpr char kNetzAusInterval[] = "Tpo Interv.:";
inline constexpr char kNetzAusManyObjects[] = "definiti\npiù volte";

}  // namespace ui

namespace ui {

// Signal transfer form.
inline constexpr char kSignalTitleHandOver[] = "T R A S F E R I M E N T O  D E I  S E G N A L I";
inline constexpr char kSignalTitleAccept[] = "A C C E T T A Z I O N E  D E I  S E G N A L I";
inline constexpr char kSignalListLabel[] = "identificativi del segnale già esistenti nel disegno:";
inline constexpr char kSignalGroup[] = "Assegnare il seguente ID del segnale all’oggetto grafico:";

}  // namespace ui

namespace ui {

// Message forms.
inline constexpr char kMeldungTitle[] = "M E S S A G G I O";
inline constexpr char kMeldungTypLabel[] = "TIPO MESSAG.:";
inline constexpr const char* kMeldungTypes[] = {"inutilliz.", "ERRORE", "AVVISO", "PROBLEMA", "MESSAGGIO"};
inline constexpr char kMeldungGruppeGroup[] = "GRUPPO MESSAG.:";
inline constexpr char kMeldungGruppeDefault[] = "Default";
inline constexpr char kMeldungGruppeUser[] = "Def.Utente";
inline constexpr char kMeldungCauseLabel[] = "CAUSA MESSAG.:";
inline constexpr char kMeldungWarnton[] = "SUONO ALARME:";
inline constexpr char kMeldungRelease[] = "RILASCIO MESSAG.";
inline constexpr char kMeldungActivate[] = "ATTIVARE MESSAG.";
inline constexpr char kMeldungCancel[] = "CANCEL MESSAG.";
inline constexpr char kMeldungOutputs[] = "Mess. Attivo";
inline constexpr const char* kMeldungPages[] = {"normale ON", "dominante ON", "dominante OFF", "Rilascio Errore?"};

}  // namespace ui
