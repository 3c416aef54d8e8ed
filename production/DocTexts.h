// The texts of the parameter documentation, byte for byte (Windows-1252 in the program).
#pragma once

namespace doc {

inline constexpr char kYes[] = "sì";
inline constexpr char kNo[] = "no";
inline constexpr char kNessuno[] = "nessuno";
inline constexpr char kNonUsato[] = "non usato";
inline constexpr char kFonte[] = "Fonte:";
inline constexpr char kModo[] = "Modo:";
inline constexpr char kStato[] = "Stato:";
inline constexpr char kInverso[] = "inverso";
inline constexpr char kNormale[] = "normale";
inline constexpr char kUscita[] = "Uscita";
inline constexpr char kUscGiriReg[] = "Usc.giri reg";
inline constexpr char kFormat2FirstLine[] = "========;========;========;========;========;========;========";

// Header.
inline constexpr char kVersionLine[] = "VORNA - Versione %03.02f IT";
inline constexpr double kToolVersion = 1.29;
inline constexpr char kRequisiti[] = "KRX9274 - Requisiti:";
inline constexpr char kSistemaOperativo[] = "Sistema operativo:";
inline constexpr char kDaVersione[] = "da A%03.02f";
inline constexpr char kNumeroDiSerie[] = "Numero di serie:";
inline constexpr char kDaSerie[] = "da %d";
inline constexpr char kOgniApparecchio[] = "ogni apparec.";

// Inputs.
inline constexpr char kIngressi[] = "INGRESSI:";
inline constexpr char kIngressoHead[] = "Ingresso %d:";
inline constexpr char kTipo[] = "TIPO:";
inline constexpr char kDimMis[] = "DIM.MIS.:";
inline constexpr char kDimPr[] = "DIM.PR.:";
inline constexpr char kGruppoDenom[] = "GRUPPO DENOM.:";
inline constexpr char kDen[] = "DEN.:";
inline constexpr char kSonda[] = "SONDA:";
inline constexpr char kCheckSonde[] = "CHECK SONDE:";
inline constexpr char kCorrSonde[] = "CORR. SONDE:";
inline constexpr char kValMed[] = "VAL.MED.:";
inline constexpr char kScala[] = "SCALA:";
inline constexpr char kDivisore[] = "Divisore:";
inline constexpr char kQuoz[] = "QUOZ.:";
inline constexpr char kAnalog[] = "ANALOG";
inline constexpr char kDigitale[] = "DIGITALE";
inline constexpr char kImpulsi[] = "IMPULSI";
inline constexpr char kNonUsatoTipo[] = "non usato";
inline constexpr const char* kGroupA[] = {"Generale", "Produttore", "Utente", "Prestaz.", "Clima", "Def. Utente"};
inline constexpr char kSensorTexts[][7] = {"KTY10", "KTY10", "Pt1000", "RAS", "RAS PT"};
inline constexpr const char* kProcessTexts[] = {"Senza Dim.", "Temperat.",  "Irrad.Sol.", "Tensione",
                                                "Corrente",   "Resistenza", "Flusso",     "Pressione"};

// Outputs.
inline constexpr char kUscite[] = "USCITE:";
inline constexpr char kUscitaHead[] = "Uscita %d:";
inline constexpr char kUscitaPairHead[] = "Uscita %d,%d:";
inline constexpr char kModoUpper[] = "MODO:";
inline constexpr char kTensComDig[] = "Tens.Com.DIG:";
inline constexpr char kRitardo[] = "RITARDO:";
inline constexpr char kFzIntegr[] = "FZ.INTEGR:";
inline constexpr char kDecorrenza[] = "DECORRENZA:";
inline constexpr char kEstensione[] = "KRX9274E:";
inline constexpr char kRetEntLd[] = "RET.ENT.=>LD.:";
inline constexpr char kProtezione[] = "PROTEZIONE ANTIBL.:";
inline constexpr char kGiorno[] = "Giorno:";
inline constexpr char kOrario[] = "Orario:";
inline constexpr const char* kWeekdays[] = {"Lu", "Ma", "Me", "Gi", "Ve", "Sa", "Do"};

// Messages.
inline constexpr char kMessaggi[] = "MESSAGGI:";
inline constexpr char kMessaggioHead[] = "Messaggio %d:";
inline constexpr char kTipoMessag[] = "TIPO MESSAG.:";
inline constexpr const char* kMessageTypes[] = {"inutilliz.", "ERRORE", "AVVISO", "PROBLEMA", "MESSAGGIO"};
inline constexpr char kGruppoMessag[] = "GRUPPO MESSAG.:";
inline constexpr char kCausaMessag[] = "CAUSA MESSAG.:";
inline constexpr char kSuonoAlarme[] = "SUONO ALARME:";
inline constexpr char kEntrataDati[] = "ENTRATA DATI:";
inline constexpr char kUscitaDati[] = "USCITA DATI:";
inline constexpr const char* kMessageSources[] = {"RILASCIO MESSAG.", "ATTIVARE MESSAG.", "CANCEL MESSAG."};
inline constexpr const char* kMessageLists[] = {"normale ON", "dominante ON", "dominante OFF", "Rilascio Errore?"};

// Network, CAN data logging, function overview.
inline constexpr char kRete[] = "RETE:";
inline constexpr char kDigitaleHead[] = "DIGITALE:";
inline constexpr char kAnalogHead[] = "ANALOG:";
inline constexpr char kUscitaNumber[] = "Uscita %d";
inline constexpr char kIngressoNumber[] = "Ingresso %d:";
inline constexpr char kCanRaccolta[] = "CAN-RACCOLTA DATI:";
inline constexpr char kRecordDiDati[] = "RECORD DI DATI %d:";
inline constexpr char kAnalogEntry[] = "ANALOG %d:";
inline constexpr char kDigitaleEntry[] = "DIGITALE %d:";
inline constexpr char kSinottica[] = "SINOTTICA FUNZIONI:";

// Functions.
inline constexpr char kFunzioni[] = "FUNZIONI:";
inline constexpr char kFunzioneHead[] = "Funzione %d:";
inline constexpr char kTipoFunzione[] = "Tipo funzione:";
inline constexpr char kProgOra[] = "PROG.ORA:";
inline constexpr char kProgHead[] = "PT%d:";
inline constexpr char kWindowHead[] = "SO%d:";
inline constexpr char kStatusFunction[] = "Esportazione dei parametri della funzione %d";

// Status texts of the run.
inline constexpr char kStatusInput[] = "Esportazione dei parametri dell'ingresso %d";
inline constexpr char kStatusOutput[] = "Esportazione dei parametri dell’uscita %d";
inline constexpr char kStatusMessage[] = "Esportazione dei parametri del messaggio %d";
inline constexpr char kStatusNetSettings[] = "Esportazione dei parametri delle impostazioni di rete";
inline constexpr char kStatusNetOutDigital[] = "Esportazione dei parametri delle uscite di rete digitali";
inline constexpr char kStatusNetOutAnalog[] = "Esportaz. parametri delle uscite di rete analogiche";
inline constexpr char kStatusNetSend[] = "Esport. param. condiz. di trasmissione - uscite di rete";
inline constexpr char kStatusNetInDigital[] = "Esportazione dei param. degli ingressi di rete digitali";
inline constexpr char kStatusNetInAnalog[] = "Esportaz. parametri degli ingressi di rete analogiche";
inline constexpr char kStatusNetTimeouts[] = "Esportaz. parametri del time out dell’ingresso di rete";
inline constexpr char kStatusLogging[] = "Esportazione dei parametri della raccolta dati CAN";
inline constexpr char kStatusOverview[] = "Esportazione dei parametri sinottica della funzione";

}  // namespace doc
