// The user-interface texts of function-data production (Italian): the compiler form, the compile's status lines and
// the settings dialogs it opens. Code refers to these names and never repeats a literal. Sources are UTF-8 compiled
// to Windows-1252; trailing blanks are part of a text where they appear.
#pragma once

namespace ui {

// ==== The compile's status lines ====

inline constexpr char kCompileReglerEinst[] = "Conversione impostazioni addizionali del regolatore";
inline constexpr char kCompileDatenverwaltung[] = "Conversione dei parametri della gestione dati";
inline constexpr char kCompilePotentiostat[] = "Conversione dei parametri del potenziostato";
inline constexpr char kCompileBezeichnungen[] = "Conversione delle descrizioni personalizzate";
inline constexpr char kCompileEingang[] = "Conversione dei parametri dell'ingresso %d";
inline constexpr char kCompileAusgang[] = "Conversione dei parametri dell’uscita %d";
inline constexpr char kCompileFunktion[] = "Conversione dei parametri della funzione %d";
inline constexpr char kCompileFuncView[] = "Conversione della sinottica della funzione";
inline constexpr char kCompileMeldung[] = "Conversione dei parametri del messaggio %d";
inline constexpr char kCompileNetzwerk[] = "Conversione dei parametri di rete";
inline constexpr char kCompileLogging[] = "Conversione dei parametri della raccolta dati CAN";

// ==== The compiler form ====

inline constexpr char kCompilerTitle[] =
    "COMPILATORE - traduzione della parametrizzazione in un formato relativo al regolatore (A%3.2f)";
inline constexpr double kCompilerOsVersion = 3.24;
inline constexpr char kCompilerPathGroup[] = "Compilatore - percorso destinaz.";
inline constexpr char kCompilerChooseTarget[] = "Sel. Destinaz.";
inline constexpr char kCompilerSettingsGroup[] = "Impostazioni regolatore addizionali";
inline constexpr char kCompilerUserSettings[] = "Impostaz. personalizzate";
inline constexpr char kCompilerNetwork[] = "Impostazioni rete";
inline constexpr char kCompilerWelcome[] = "Schermata di benvenuto";
inline constexpr char kCompilerConversionGroup[] = "C o n v e r s i o n e";
inline constexpr char kCompilerStatusGroup[] = "Stato del compilatore";
inline constexpr char kCompilerConvert[] = "C O N V E R T I R E";
inline constexpr char kCompilerReady[] = "Il compilatore è pronto";
inline constexpr char kCompilerRequirement[] = "Richiedi dati di funzionamento KRX9274 dalla versione A%03.02f !!";
inline constexpr char kCompilerRequirementSerial[] =
    "Richiedi dati di funzionamento KRX9274 dalla versione A%03.02f e numero di serie %d !!";
inline constexpr char kCompilerFolder[] = "KRX9274_Funktionsdaten";
inline constexpr char kCompilerDefaultName[] = "KRX9274";
inline constexpr char kCompilerFilter[] = "Dati di funzione KRX9274 (*.dat)|*.dat||";
inline constexpr char kCompilerStarting[] = "Inizializazzione in corso...";
inline constexpr char kCompilerDone[] = "Conversione terminata correttamente / compilatore pronto";
inline constexpr char kCompilerFailed[] = "Errore alla conversione";
inline constexpr char kCompilerFailedReady[] = "Errore di conversione / compilatore pronto";
inline constexpr char kCompilerCancelled[] = "Conversione annullata / compilatore pronto";

// ==== Network settings dialog ====

inline constexpr char kNetzCaption[] = "Impostazioni rete";
inline constexpr char kNetzGroup[] = "Impostaz. regolatore";
inline constexpr char kNetzNode[] = "Numero NODO:";
inline constexpr char kNetzRelease[] = "RILASCIO:";
inline constexpr char kNetzAutomatic[] = "Autooperat.:";
inline constexpr char kNetzOff[] = "OFF";
inline constexpr char kNetzOn[] = "ON";
inline constexpr char kNetzNo[] = "no";
inline constexpr char kNetzYes[] = "sì";
inline constexpr char kDialogOk[] = "OK";
inline constexpr char kDialogCancel[] = "Annullare";

// ==== Additional controller settings dialog ====

inline constexpr char kZusatzCaption[] = "Impostazioni regolatore addizionali";
inline constexpr char kZusatzDisplay[] = "VISUALIZZAZIONE";
inline constexpr char kZusatzContrast[] = "Contrasto:";
inline constexpr char kZusatzBrightness[] = "Luminosita:";
inline constexpr char kZusatzLightOff[] = "Luce spento dopo:";
inline constexpr char kZusatzSeconds[] = "Sec";
inline constexpr char kZusatzAutoFuncView[] = "Comutaz autom Visione Funz.";
inline constexpr char kZusatzDateTime[] = "DATA / ORA";
inline constexpr char kZusatzSummerTime[] = "Comutaz autom Orar Est/Inv";
inline constexpr char kZusatzLocks[] = "BLOCCARE CLIENTE";
inline constexpr char kZusatzLockParameters[] = "Parametro";
inline constexpr char kZusatzLockOutputs[] = "Uscite";
inline constexpr char kZusatzLockMenu[] = "Menu";
inline constexpr char kZusatzExpertCode[] = "CODICE ESPERTI:";

// ==== Welcome-screen dialog ====

inline constexpr char kBegruessungCaption[] = "Creare schermata di benvenuto";
inline constexpr char kBegruessungGroup[] = "Schermata di benvenuto KRX9274";
inline constexpr char kBegruessungCustom[] = "Scherm. benvenuto personalizzata";
inline constexpr char kBegruessungLoad[] = "Caricare dal modello...";
inline constexpr char kBegruessungSave[] = "Salvare come modello...";
inline constexpr char kBegruessungHeader[] = "Intestazione";
inline constexpr char kBegruessungLine[] = "Linea";
inline constexpr char kBegruessungFolder[] = "KRX9274_Bgs";
inline constexpr char kBegruessungFilter[] = "Schermata di benvenuto KRX9274 ||";
inline constexpr char kBegruessungExtension[] = "bgs";

}  // namespace ui
