// The texts that only the translation writes into the drawing (Italian build): labels and titles of plant, message
// and function symbols. Texts shared with other parts of the program come from resources/UiTexts.h; the titles and
// labels of the function kinds stand in the function table of CTranslateFunktion.cpp. Trailing and leading blanks
// belong to the texts.
#pragma once

namespace translate_texts {

// Every object with a number: the number text of an object that has none assigned.
inline constexpr char kUnassignedNumber[] = "0";

// Kind letters.
inline constexpr char kLetterInput[] = " S ";
inline constexpr char kLetterOutput[] = " U ";
inline constexpr char kLetterNetwork[] = "R";

// Sensor status.
inline constexpr char kSensorStatusTitle[] = " Stato  del  sensore:";
inline constexpr char kAllSensors[] = "tutti i sensori";

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

}  // namespace translate_texts
