// Every resource id of the program: dialog and form templates, toolbars, commands, controls, strings and bitmaps.
//
// One name per number and purpose; a control id may be used by several templates (the same number can be a combo box
// in one form and a static in another), so control names say what the control is where it is shared.
#pragma once

// The document template: menu, accelerator table, icon and document strings.
#define IDR_MAINFRAME 128

// Child ids of the main frame's forms: the shown form has AFX_IDW_PANE_FIRST (0xE900), the template's start view at
// first; a form switch exchanges the ids.
#define IDW_FORM_PROTOKOLL 0xE901      // the protocol form, in every window command
#define IDW_FORM_FIRST 0xE902          // input, network, list, compiler or import form
#define IDW_FORM_SECOND 0xE903         // output, signal-transfer or export form
#define IDW_FORM_PARAMETER 0xE904      // parameter form of a function type or of a message
#define IDW_FORM_VARIN 0xE905          // its input-variable form
#define IDW_FORM_VAROUT 0xE906         // its output-variable form

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_MORV9274_FORM 101          // the empty start view
#define IDD_ZEICHNUNG_AUSWERTEN 134    // drawing evaluation
#define IDD_BEZEICHNUNGEN 135          // user-defined designations
#define IDD_ZEITPROGRAMM 159           // time programs
#define IDD_DATENTRANSFER 241          // transfer to the drawing tool
#define IDD_KESSEL_SERVICE 237         // service values of a boiler cascade
#define IDD_HZKR_FROST 227             // the heating-circuit controller's dialogs: frost protection,
#define IDD_HZKR_AVERAGING 228         // averaging times,
#define IDD_HZKR_SWITCHOFF 229         // switch-off conditions
#define IDD_HZKR_CURVE 230             // and heating curve

// Form templates of the shell, the drawing and the production.
#define IDD_PROTOKOLL 147
#define IDD_COMPILER 172
#define IDD_FUNC_VIEW 242
#define IDD_FUNC_ORDER 243
#define IDD_MELDUNG_ORDER 247
#define IDD_EXPORT_PARA 251
#define IDD_IMPORT 252
#define IDD_CAN_LOGGING 255

// Form templates of the function types: parameter form, input-variable form, output-variable form.
#define IDD_HZKRREG 226
#define IDD_HZKRREG_VARIN 224
#define IDD_HZKRREG_VAROUT 225
#define IDD_ANFHEIZUNG 144
#define IDD_ANFHEIZUNG_VARIN 156
#define IDD_ANFHEIZUNG_VAROUT 153
#define IDD_ANFWARMWASSER 184
#define IDD_ANFWARMWASSER_VARIN 222
#define IDD_ANFWARMWASSER_VAROUT 223
#define IDD_LADEPUMPE 141
#define IDD_LADEPUMPE_VARIN 164
#define IDD_LADEPUMPE_VAROUT 165
#define IDD_ZIRKULATION 221
#define IDD_ZIRKULATION_VARIN 220
#define IDD_ZIRKULATION_VAROUT 219
#define IDD_SOLARREGELUNG 157
#define IDD_SOLARREGELUNG_VARIN 174
#define IDD_SOLARREGELUNG_VAROUT 173
#define IDD_SOLARVORRANG 133
#define IDD_SOLARVORRANG_VARIN 167
#define IDD_SOLARVORRANG_VAROUT 168
#define IDD_PID_REGELUNG 140
#define IDD_PID_REGELUNG_VARIN 176
#define IDD_PID_REGELUNG_VAROUT 175
#define IDD_WMZ 150
#define IDD_WMZ_VARIN 211
#define IDD_STARTFUNC 143
#define IDD_STARTFUNC_VARIN 166
#define IDD_STARTFUNC_VAROUT 169
#define IDD_KUEHLFUNC 148
#define IDD_KUEHLFUNC_VARIN 180
#define IDD_KUEHLFUNC_VAROUT 179
#define IDD_MISCHERREG 149
#define IDD_MISCHERREG_VARIN 178
#define IDD_MISCHERREG_VAROUT 177
#define IDD_KESSELKASKADE 238
#define IDD_KESSELKASKADE_VARIN 236
#define IDD_KESSELKASKADE_VAROUT 239
#define IDD_VERGLEICH 138
#define IDD_VERGLEICH_VARIN 210
#define IDD_VERGLEICH_VAROUT 209
#define IDD_LOGIKFUNC 212
#define IDD_LOGIKFUNC_VARIN 216
#define IDD_LOGIKFUNC_VAROUT 214
#define IDD_ANALOGFUNC 152
#define IDD_ANALOGFUNC_VARIN 160
#define IDD_ANALOGFUNC_VAROUT 161
#define IDD_WARTUNGSFUNC 142
#define IDD_WARTUNGSFUNC_VARIN 163
#define IDD_WARTUNGSFUNC_VAROUT 171
#define IDD_TIMER 158
#define IDD_TIMER_VARIN 208
#define IDD_TIMER_VAROUT 207
#define IDD_SCHALTUHR 183
#define IDD_SCHALTUHR_VARIN 218
#define IDD_SCHALTUHR_VAROUT 217
#define IDD_ZAEHLER 151
#define IDD_ZAEHLER_VARIN 162
#define IDD_FUNCKONTROLLE 154
#define IDD_FUNCKONTROLLE_VARIN 182
#define IDD_FUNCKONTROLLE_VAROUT 181
#define IDD_SYNC 233
#define IDD_SYNC_VARIN 232
#define IDD_SYNC_VAROUT 231
#define IDD_PROFILFUNC 240
#define IDD_PROFILFUNC_VARIN 234
#define IDD_PROFILFUNC_VAROUT 235

// Toolbars (resource and bitmap of the same id), by what they are chosen for.
#define IDR_TOOLBAR_EINGANG 130
#define IDR_TOOLBAR_AUSGANG 131
#define IDR_TOOLBAR_FUNKTION 132
#define IDR_TOOLBAR_SIGNAL 139
#define IDR_TOOLBAR_COMPILER 170
#define IDR_TOOLBAR_FUNCVIEW 171
#define IDR_TOOLBAR_FUNCORDER 200
#define IDR_TOOLBAR_MSGORDER 201
#define IDR_TOOLBAR_NETZEINGANG 202
#define IDR_TOOLBAR_NETZAUSGANG 203
#define IDR_TOOLBAR_IMPORT 216
#define IDR_TOOLBAR_CANLOGGING 217

// Commands of the toolbars and accelerators (the status-bar prompt is the string of the same id).
#define ID_TOOLBAR_PLACEHOLDER 1424    // a loaded button that becomes a separator
#define ID_MENU_EMPTY 32805            // the one disabled item of the empty menu
#define ID_SHOW_EINGANG 32785
#define ID_SHOW_AUSGANG 32792
#define ID_SHOW_VAROUT 32794
#define ID_SAVE_AND_CLOSE 32795
#define ID_TERMINATE 32796
#define ID_SHOW_PARAMETER 32797
#define ID_SHOW_VARIN 32798
#define ID_SHOW_PROTOKOLL 32806
#define ID_SHOW_SIGNAL 32873
#define ID_CLOSE_WINDOW 32876
#define ID_SHOW_COMPILER 32878
#define ID_ASSIGN_EINGANG 32882
#define ID_SAVE_ASSIGN_EINGANG 32883
#define ID_SAVE_ASSIGN_AUSGANG 32884
#define ID_ASSIGN_AUSGANG 32885
#define ID_SHOW_FUNCVIEW 32886
#define ID_SHOW_FUNCORDER 32890
#define ID_SHOW_MSGORDER 32894
#define ID_SAVE_ASSIGN_NETZ 32895
#define ID_SAVE_SETTINGS_AND_CLOSE 32896
#define ID_ASSIGN_NETZ 32897
#define ID_SHOW_NETZEINGANG 32898
#define ID_SHOW_NETZAUSGANG 32899
#define ID_SHOW_EXPORT 32900
#define ID_SHOW_IMPORT 32904
#define ID_SHOW_CANLOGGING 32909
// ID_APP_ABOUT (57664) opens the about box (accelerator only).

// Controls shared by many templates.
#define IDC_STATIC_ITEM 0xFFFF         // group boxes, icons and labels no code addresses
#define IDC_TITLE 1000                 // title line of every form
#define IDC_BEZ_GRUPPE_LABEL 1769
#define IDC_BEZ_GRUPPE 1770
#define IDC_BEZ_LABEL 1540
#define IDC_BEZ_NAME 1428              // designation name (parameter forms); designation line (variable forms)
#define IDC_BEZ_ZIFFER 1439
#define IDC_BEZ_VERWALTEN 1768         // "..." button: user-defined designations
#define IDC_ZEITPROGRAMM 1088          // button that opens the time programs
#define IDC_PROGRESS 1226
#define IDC_STATUS_TEXT 1322

// Controls of the documentation export form.
#define IDC_EXPORT_TITLE 1079
#define IDC_EXPORT_RUN 1075
#define IDC_EXTERN_ON 1220
#define IDC_EXTERN_PATH 1068
#define IDC_EXTERN_BROWSE 1072
#define IDC_TARGET_GROUP 1317
#define IDC_TARGET_PATH 1067
#define IDC_TARGET_CHOOSE 1071
#define IDC_SECTIONS_GROUP 1333
#define IDC_DOC_EINGAENGE 1205
#define IDC_DOC_AUSGAENGE 1211
#define IDC_DOC_FUNKTIONEN 1212
#define IDC_DOC_MELDUNGEN 1213
#define IDC_DOC_NETZWERK 1214
#define IDC_DOC_FUNCVIEW 1215
#define IDC_DOC_CANLOGGING 1216
#define IDC_FILTER_EINGAENGE 1221
#define IDC_FILTER_AUSGAENGE 1222
#define IDC_FILTER_VARIABLEN 1223
#define IDC_FILTER_MELDUNGEN 1224
#define IDC_FILTER_NETZWERK 1225
#define IDC_FORMAT_GROUP 1334
#define IDC_FORMAT_PLAIN 1208
#define IDC_FORMAT_COLUMNS 1209
#define IDC_FORMAT_SEPARATED 1210
#define IDC_RUN_GROUP 1335
#define IDC_STATE_GROUP 1320

// Controls of the protocol form.
#define IDC_PROTOKOLL_LIST 1336

// Controls of the list editors: function overview, CAN data logging, function order and message order.
#define IDC_LIST_ADD 1150              // "=>"
#define IDC_LIST_REMOVE 1152           // "<="
#define IDC_FUNCVIEW_AVAILABLE_GROUP 1297
#define IDC_FUNCVIEW_AVAILABLE 1145
#define IDC_FUNCVIEW_LIST_GROUP 1324
#define IDC_FUNCVIEW_LIST 1146
#define IDC_FUNCVIEW_LEVEL_GROUP 1325
#define IDC_FUNCVIEW_LEVEL_A 1147      // first of the five level radios
#define IDC_FUNCVIEW_LEVEL_B 1151
#define IDC_FUNCVIEW_LEVEL_C 1153
#define IDC_FUNCVIEW_LEVEL_T 1148
#define IDC_FUNCVIEW_LEVEL_E 1149
#define IDC_CANLOG_CLEAR 1151          // "Cancella tutto"
#define IDC_CANLOG_DEFAULTS 1153       // "Carica stand."
#define IDC_CANLOG_TABS 1772
#define IDC_CANLOG_SOURCE_GROUP 1773
#define IDC_CANLOG_SOURCES 1774
#define IDC_CANLOG_LIST 1775
#define IDC_CANLOG_MASTER_LABEL 1776
#define IDC_CANLOG_MASTER 1777
#define IDC_CANLOG_TIMEOUT_LABEL 1778
#define IDC_CANLOG_TIMEOUT 1779
#define IDC_CANLOG_NETWORK 1194        // "Rete...": the network settings
#define IDC_FUNCORDER_GROUP 1322
#define IDC_FUNCORDER_LIST 1154
#define IDC_MSGORDER_GROUP 1323
#define IDC_MSGORDER_LIST 1172

// Bitmaps of the list editors' image lists: tiles of a group header and of the five levels, a dot for a value.
#define IDB_TILE_A 187
#define IDB_TILE_T 188
#define IDB_TILE_F 190
#define IDB_TILE_E 191
#define IDB_TILE_BAR 192
#define IDB_DOT_SELECTED 193
#define IDB_DOT 194
#define IDB_TILE_A_SELECTED 195
#define IDB_TILE_E_SELECTED 196
#define IDB_TILE_T_SELECTED 197
#define IDB_TILE_F_SELECTED 198
#define IDB_TILE_BAR_SELECTED 199
#define IDB_TILE_B 204
#define IDB_TILE_C 205
#define IDB_TILE_B_SELECTED 206
#define IDB_TILE_C_SELECTED 207

// Controls of the about box.
#define IDC_ABOUT_VERSION 1135
#define IDC_ABOUT_CONTROLLER 1134

// Controls of the transfer dialog and the evaluation dialog.
#define IDC_TRANSFER_LABEL 1338
#define IDC_EVAL_GROUP 1320
#define IDC_EVAL_INTRO 1332

// Controls of the parameter import form.
#define IDC_FORM_TITLE 1079            // title line of the production forms
#define IDC_SOURCE_GROUP 1329
#define IDC_SOURCE_PATH 1068           // path of the chosen source file (read-only)
#define IDC_SOURCE_CHOOSE 1072
#define IDC_IMPORT_GROUP 1330
#define IDC_IMPORT_NOTE 1331
#define IDC_STATUS_GROUP 1320
#define IDC_IMPORT_START 1222

// Controls of the user-defined designations dialog.
#define IDC_DESIGNATIONS_CAPTION 1339
#define IDC_DESIGNATIONS_LIST 1450
#define IDC_DESIGNATIONS_EDIT 1449
#define IDC_DESIGNATIONS_REPLACE 1452
#define IDC_DESIGNATIONS_OK 1330         // the default button; the dialog has no IDOK

// Controls of the time-program dialog: the options, the tab of each program in use, the days and three windows of
// the current program.
#define IDC_ZP_OPTIONS 1687
#define IDC_ZP_PROGRAMS_LABEL 1681
#define IDC_ZP_PROGRAMS 1327
#define IDC_ZP_WINDOWS_LABEL 1682
#define IDC_ZP_WINDOWS 1332
#define IDC_ZP_SETPOINTS_LABEL 1683
#define IDC_ZP_SETPOINTS 1192
#define IDC_ZP_TABS 1381
#define IDC_ZP_MONDAY 1060
#define IDC_ZP_TUESDAY 1066
#define IDC_ZP_WEDNESDAY 1074
#define IDC_ZP_THURSDAY 1085
#define IDC_ZP_FRIDAY 1106
#define IDC_ZP_SATURDAY 1134
#define IDC_ZP_SUNDAY 1148
#define IDC_ZP_START1 1492
#define IDC_ZP_END1 1495
#define IDC_ZP_SETPOINT1 1352
#define IDC_ZP_START2 1493
#define IDC_ZP_END2 1496
#define IDC_ZP_SETPOINT2 1364
#define IDC_ZP_START3 1494
#define IDC_ZP_END3 1497
#define IDC_ZP_SETPOINT3 1373
#define IDC_ZP_HOUR1 1684                // "Ora" beside the end box of each window
#define IDC_ZP_HOUR2 1685
#define IDC_ZP_HOUR3 1686

// The release input of the input-variable forms (heading, "Fonte:", source kind, number, variable, mode label and
// mode list), the same in every function type that has one.
#define IDC_RELEASE_HEADING 1276
#define IDC_RELEASE_SOURCE_LABEL 1271
#define IDC_RELEASE_KIND 1454
#define IDC_RELEASE_NUMBER 1456
#define IDC_RELEASE_VARIABLE 1514
#define IDC_RELEASE_MODE_LABEL 1512
#define IDC_RELEASE_MODE 1513

// Controls of the mixer control's forms.
#define IDC_MISCHER_MODE_LABEL 1476
#define IDC_MISCHER_NORMAL 1390          // first of the radio pair normal / inverse
#define IDC_MISCHER_INVERSE 1043
#define IDC_MISCHER_TEMP_GROUP 1479
#define IDC_MISCHER_SETPOINT_LABEL 1477
#define IDC_MISCHER_SETPOINT 1490
#define IDC_MISCHER_DIFFERENCE_LABEL 1478
#define IDC_MISCHER_DIFFERENCE 1491
#define IDC_MISCHER_RELEASE_OFF 1480
#define IDC_MISCHER_OFF_ACTION_LABEL 1481
#define IDC_MISCHER_OFF_ACTION 1317
#define IDC_MISCHER_CONTROL_HEADING 1483
#define IDC_MISCHER_CONTROL_SOURCE_LABEL 1482
#define IDC_MISCHER_CONTROL_KIND 1312
#define IDC_MISCHER_CONTROL_NUMBER 1316
#define IDC_MISCHER_CONTROL_VARIABLE 1318
#define IDC_MISCHER_SETPOINT_HEADING 1485
#define IDC_MISCHER_SETPOINT_SOURCE_LABEL 1484
#define IDC_MISCHER_SETPOINT_KIND 1321
#define IDC_MISCHER_SETPOINT_NUMBER 1323
#define IDC_MISCHER_SETPOINT_VARIABLE 1324
#define IDC_MISCHER_OUTPUT_GROUP 1358
#define IDC_MISCHER_OUTPUT_NONE 1288
#define IDC_MISCHER_OUTPUT_3 1293        // the pairs by their first output
#define IDC_MISCHER_OUTPUT_8 1298
#define IDC_MISCHER_OUTPUT_10 1302
#define IDC_MISCHER_OUTPUT_12 1307

// Controls shared by the switching-output forms: the group box of the first output group.
#define IDC_OUTPUT_GROUP 1542
#define IDC_TIME_UNIT 1056               // the unit static of a time-byte list ("Sec", "Min", "Ore")
// Controls of the charge pump's forms.
#define IDC_LADE_SOURCE_GROUP 1437
#define IDC_LADE_SOURCE_MIN_LABEL 1440
#define IDC_LADE_SOURCE_MIN 1481
#define IDC_LADE_SOURCE_ON_LABEL 1441
#define IDC_LADE_SOURCE_ON 1480
#define IDC_LADE_SOURCE_OFF_LABEL 1442
#define IDC_LADE_SOURCE_OFF 1029
#define IDC_LADE_REF_GROUP 1432
#define IDC_LADE_REF_MAX_LABEL 1443
#define IDC_LADE_REF_MAX 1049
#define IDC_LADE_REF_ON_LABEL 1444
#define IDC_LADE_REF_ON 1482
#define IDC_LADE_REF_OFF_LABEL 1445
#define IDC_LADE_REF_OFF 1025
#define IDC_LADE_DIFF_GROUP 1438
#define IDC_LADE_DIFF_ON_LABEL 1446
#define IDC_LADE_DIFF_ON 1478
#define IDC_LADE_DIFF_OFF_LABEL 1447
#define IDC_LADE_DIFF_OFF 1479
// Controls of the heating request's forms.
#define IDC_ANFH_DEMAND_GROUP 1258
#define IDC_ANFH_SETPOINT_LABEL 1259
#define IDC_ANFH_SETPOINT 1425
#define IDC_ANFH_ON_LABEL 1260
#define IDC_ANFH_ON 1073
#define IDC_ANFH_OFF_LABEL 1261
#define IDC_ANFH_OFF 1247                 // the switch-off difference while no switch-off temperature is connected
#define IDC_ANFH_OFFTEMP_GROUP 1264
#define IDC_ANFH_OFF_SETPOINT_LABEL 1263
#define IDC_ANFH_OFF_SETPOINT 1169
#define IDC_ANFH_OFFTEMP_OFF_LABEL 1262
#define IDC_ANFH_OFFTEMP_OFF 1203         // the switch-off difference of a connected switch-off temperature
#define IDC_ANFH_BASE_GROUP 1266
#define IDC_ANFH_MIN_LABEL 1265
#define IDC_ANFH_MIN 1417
#define IDC_ANFH_RUN_GROUP 1268
#define IDC_ANFH_RUN_LABEL 1267
#define IDC_ANFH_RUN 1442
#define IDC_ANFH_ECO_GROUP 1270
#define IDC_ANFH_ECO_LABEL 1269
#define IDC_ANFH_ECO 1418
// Controls of the hot-water request's forms.
#define IDC_ANFW_GROUP 1285
#define IDC_ANFW_SETPOINT_LABEL 1281
#define IDC_ANFW_SETPOINT 1308
#define IDC_ANFW_MIN_LABEL 1282
#define IDC_ANFW_MIN 1305
#define IDC_ANFW_ON_LABEL 1260
#define IDC_ANFW_ON 1073
#define IDC_ANFW_OFF_LABEL 1283
#define IDC_ANFW_OFF 1007
#define IDC_ANFW_POWER_LABEL 1284
#define IDC_ANFW_POWER 1453
#define IDC_ANFW_BURNER_GROUP 1292
// Controls of the circulation's forms.
#define IDC_ZIRK_MODE_LABEL 1750
#define IDC_ZIRK_TIME 1052                // first of the mode radios: time, pulses, both
#define IDC_ZIRK_PULSE 1055
#define IDC_ZIRK_BOTH 1095
#define IDC_ZIRK_RETURN_GROUP 1752
#define IDC_ZIRK_SETPOINT_LABEL 1751
#define IDC_ZIRK_SETPOINT 1076
#define IDC_ZIRK_PROGRAM_LABEL 1157       // "secondo:" while the time programs carry the setpoint
#define IDC_ZIRK_ON_LABEL 1260
#define IDC_ZIRK_ON 1199
#define IDC_ZIRK_OFF_LABEL 1283
#define IDC_ZIRK_OFF 1207
#define IDC_ZIRK_PULSE_GROUP 1753
#define IDC_ZIRK_RISE_LABEL 1446
#define IDC_ZIRK_RISE 1478
#define IDC_ZIRK_RUN_LABEL 1267
#define IDC_ZIRK_RUN 1291
#define IDC_ZIRK_PAUSE_LABEL 1754
#define IDC_ZIRK_PAUSE 1268
#define IDC_ZIRK_MIXING_GROUP 1756
#define IDC_ZIRK_STORE_MIN_LABEL 1757
#define IDC_ZIRK_STORE_MIN 1600
#define IDC_ZIRK_MIXING_DIFF_LABEL 1758
#define IDC_ZIRK_MIXING_DIFF 1012
// Controls of the boiler cascade's forms and its service dialog.
#define IDC_KASK_COUNT_LABEL 1070
#define IDC_KASK_COUNT 1071
#define IDC_KASK_SERVICE 1064
#define IDC_KASK_BOILER1_GROUP 1394
#define IDC_KASK_BOILER2_GROUP 1397
#define IDC_KASK_BOILER3_GROUP 1398
#define IDC_KASK_ON1 1390
#define IDC_KASK_OFF1 1113
#define IDC_KASK_DELAY1 1121
#define IDC_KASK_ON2 1065
#define IDC_KASK_OFF2 1066
#define IDC_KASK_DELAY2 1067
#define IDC_KASK_ON3 1391
#define IDC_KASK_OFF3 1114
#define IDC_KASK_DELAY3 1122
#define IDC_KASK_SERVICE_SEQUENCE 1408
#define IDC_KASK_SERVICE_PLACE_A 1087     // the places of boilers A, B, C in the sequence
#define IDC_KASK_SERVICE_PLACE_B 1088
#define IDC_KASK_SERVICE_PLACE_C 1089
#define IDC_KASK_SERVICE_PLACE_LABEL_A 1405
#define IDC_KASK_SERVICE_PLACE_LABEL_B 1406
#define IDC_KASK_SERVICE_PLACE_LABEL_C 1407
#define IDC_KASK_SERVICE_CHANGE 1415
#define IDC_KASK_SERVICE_CHANGE_A 1094    // the boilers in the automatic change
#define IDC_KASK_SERVICE_CHANGE_B 1095
#define IDC_KASK_SERVICE_CHANGE_C 1096
#define IDC_KASK_SERVICE_HOURS_LABEL_A 1409
#define IDC_KASK_SERVICE_HOURS_LABEL_B 1413
#define IDC_KASK_SERVICE_HOURS_LABEL_C 1414
#define IDC_KASK_SERVICE_HOURS_A 1231     // the operating-hour counters
#define IDC_KASK_SERVICE_HOURS_B 1232
#define IDC_KASK_SERVICE_HOURS_C 1233
#define IDC_KASK_SERVICE_UNIT_A 1410
#define IDC_KASK_SERVICE_UNIT_B 1411
#define IDC_KASK_SERVICE_UNIT_C 1412
#define IDC_KASK_SERVICE_DIFF_LABEL 1417
#define IDC_KASK_SERVICE_DIFF 1093
#define IDC_KASK_SERVICE_DIFF_UNIT 1416
// Controls of the heating-circuit controller's forms and dialogs.
#define IDC_HZKR_MODE_LABEL 1340
#define IDC_HZKR_MODE 1150
#define IDC_HZKR_ROOM_GROUP 1345
#define IDC_HZKR_REDUCED_LABEL 1341
#define IDC_HZKR_REDUCED 1160
#define IDC_HZKR_NORMAL_LABEL 1342
#define IDC_HZKR_NORMAL 1162
#define IDC_HZKR_LEAD_LABEL 1343
#define IDC_HZKR_LEAD 1161
#define IDC_HZKR_FLOW_GROUP 1346
#define IDC_HZKR_CURVE_BUTTON 1139
#define IDC_HZKR_OUTSIDE_GROUP 1347
#define IDC_HZKR_AVERAGING_BUTTON 1276
#define IDC_HZKR_SWITCHOFF_BUTTON 1144
#define IDC_HZKR_FROST_BUTTON 1147
#define IDC_HZKR_CONTROL_GROUP 1375       // heating curve: control mode (fixed value, outside temperature)
#define IDC_HZKR_FIXED 1089
#define IDC_HZKR_OUTSIDE 1093
#define IDC_HZKR_CURVE_GROUP 1376         // curve mode (two temperatures, slope)
#define IDC_HZKR_TEMPERATURES 1097
#define IDC_HZKR_SLOPE 1101
#define IDC_HZKR_PLUS10_LABEL 1085
#define IDC_HZKR_PLUS10 1072
#define IDC_HZKR_PLUS10_UNIT 1086
#define IDC_HZKR_CURVE_LABEL 1105
#define IDC_HZKR_CURVE 1077
#define IDC_HZKR_CURVE_UNIT 1109
#define IDC_HZKR_ROOM_INFLUENCE_LABEL 1377
#define IDC_HZKR_ROOM_INFLUENCE 1175
#define IDC_HZKR_RAISE_LABEL 1378
#define IDC_HZKR_RAISE 1069
#define IDC_HZKR_FLOW_MAX_LABEL 1379
#define IDC_HZKR_FLOW_MAX 1080
#define IDC_HZKR_FLOW_MIN_LABEL 1380
#define IDC_HZKR_FLOW_MIN 1084
// Controls of the logic function's forms; the ids of its six data inputs and 32 output boxes stand in its tables.
#define IDC_LOGIK_FUNCTION_GROUP 1452
#define IDC_LOGIK_OFF 1265               // first of the four operation radios
#define IDC_LOGIK_OR 1054
#define IDC_LOGIK_AND 1057
#define IDC_LOGIK_FLIPFLOP 1058
#define IDC_LOGIK_RESULT_GROUP 1542
#define IDC_LOGIK_INVERTED_GROUP 1467
