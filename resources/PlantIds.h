// Resource ids of the plant forms: the input form's template and its controls. The title (IDC_TITLE), the
// designation label, list, digit and "..." button (IDC_BEZ_*) share the ids of the function forms.
#pragma once

#include "platform/Types.h"

#define IDD_EINGANG 145

// Input form (145).
#define IDC_EINGANG_NR_LABEL 1314
#define IDC_EINGANG_NR 1427
#define IDC_EINGANG_TYP_GROUP 1308
#define IDC_EINGANG_TYP 1435  // first of 1435, 1349, 1371, 1408
#define IDC_EINGANG_TYP_ANALOG 1349
#define IDC_EINGANG_TYP_DIGITAL 1371
#define IDC_EINGANG_TYP_IMPULS 1408
#define IDC_EINGANG_GROESSE_GROUP 1315
#define IDC_EINGANG_GROESSE 1436  // first of 1436, 1388, 1398, 1400, 1402, 1410, 1411, 1412
#define IDC_EINGANG_BEZGRUPPE_GROUP 1310
#define IDC_EINGANG_BEZGRUPPE 1438  // first of 1438, 1394, 1396, 1393, 1385, 1415
#define IDC_EINGANG_SONDE_GROUP 1321
#define IDC_EINGANG_SONDE 1443  // first of 1443, 1387, 1389, 1390, 1391
#define IDC_EINGANG_SENSORCHECK 1157
#define IDC_EINGANG_MITTEL_LABEL 1237
#define IDC_EINGANG_MITTEL 1429
#define IDC_EINGANG_MITTEL_UNIT 1541
#define IDC_EINGANG_KORR_LABEL 1156
#define IDC_EINGANG_KORR 1430
#define IDC_EINGANG_KORR_UNIT 1155
#define IDC_EINGANG_PROZESS_GROUP 1316
#define IDC_EINGANG_PROZESS 1437  // first of 1437, 1404, 1406, 1407, 1409, 1413, 1414, 1416
#define IDC_EINGANG_SKALA_GROUP 1311
#define IDC_EINGANG_SIGNAL_LOW 1431
#define IDC_EINGANG_SIGNAL_LOW_UNIT 1001
#define IDC_EINGANG_PROZESS_LOW 1433
#define IDC_EINGANG_PROZESS_LOW_UNIT 1021
#define IDC_EINGANG_SIGNAL_HIGH 1432
#define IDC_EINGANG_SIGNAL_HIGH_UNIT 1006
#define IDC_EINGANG_PROZESS_HIGH 1434
#define IDC_EINGANG_PROZESS_HIGH_UNIT 1032

#define IDD_AUSGANG 146
#define IDD_ANTIBLOCKIER 215

// Output form (146).
#define IDC_AUSGANG_NR_LABEL 1307
#define IDC_AUSGANG_NR 1422
#define IDC_AUSGANG_TYP_GROUP 1308
#define IDC_AUSGANG_TYP 1090  // first of 1090, 1413, 1416, 1420, 1421
#define IDC_AUSGANG_BEZGRUPPE_GROUP 1310
#define IDC_AUSGANG_BEZGRUPPE 1438  // first of 1438, 1385, 1415
#define IDC_AUSGANG_ZEIT1_LABEL 1233
#define IDC_AUSGANG_ZEIT1 1440
#define IDC_AUSGANG_ZEIT1_UNIT 1023
#define IDC_AUSGANG_NACHLAUF_LABEL 1313
#define IDC_AUSGANG_NACHLAUF 1441
#define IDC_AUSGANG_NACHLAUF_UNIT 1035
#define IDC_AUSGANG_LAUFZEIT_LABEL 1267
#define IDC_AUSGANG_LAUFZEIT 1442
#define IDC_AUSGANG_LAUFZEIT_UNIT 1056
#define IDC_AUSGANG_STEUER_LABEL 1312
#define IDC_AUSGANG_STEUER 1419
#define IDC_AUSGANG_STEUER_UNIT 1765
#define IDC_AUSGANG_MODUS_GROUP 1309
#define IDC_AUSGANG_MODUS 1448  // first of 1448, 1418
#define IDC_AUSGANG_SKALA_GROUP 1311
#define IDC_AUSGANG_SKALA_EIN_LOW 1444
#define IDC_AUSGANG_SKALA_AUS_LOW 1446
#define IDC_AUSGANG_SKALA_LOW_UNIT 1766
#define IDC_AUSGANG_SKALA_EIN_HIGH 1445
#define IDC_AUSGANG_SKALA_AUS_HIGH 1447
#define IDC_AUSGANG_SKALA_HIGH_UNIT 1767
#define IDC_AUSGANG_ANTIBLOCKIER 1082

// Anti-seize dialog (215).
#define IDC_ANTIBL_TIME_LABEL 1305
#define IDC_ANTIBL_TIME 1163
#define IDC_ANTIBL_TIME_UNIT 1306
#define IDC_ANTIBL_OUTPUTS_GROUP 1542

// The anti-seize dialog's check boxes: weekdays Monday first, outputs 1 to 16.
inline constexpr UINT kAntiblockierDays[7] = {1060, 1066, 1074, 1085, 1106, 1134, 1148};
inline constexpr UINT kAntiblockierOutputs[16] = {1028, 1040, 1048, 1062, 1081, 1119, 1153, 1508,
                                                  1214, 1279, 1326, 1340, 1360, 1379, 1412, 1413};

#define IDD_NETZEINGANG 248

// Network input form (248).
#define IDC_NETZEIN_TITLE 1079
#define IDC_NETZEIN_LABEL 1314
#define IDC_NETZEIN_KIND 1177
#define IDC_NETZEIN_NUMBER 1178
#define IDC_NETZEIN_SOURCE_LABEL 1545
#define IDC_NETZEIN_BUS 1179
#define IDC_NETZEIN_NODE_LABEL 1523
#define IDC_NETZEIN_NODE 1175
#define IDC_NETZEIN_OUTPUT_LABEL 1173
#define IDC_NETZEIN_OUTPUT 1174
#define IDC_NETZEIN_TIMEOUT_GROUP 1544
#define IDC_NETZEIN_SETTINGS_GROUP 1522
#define IDC_NETZEIN_SETTINGS 1194

// The eight time-out groups: digital inputs 1-4 .. 13-16, then analog inputs 1-4 .. 13-16.
struct NetzTimeoutIds {
    UINT group, list, label, unit;
};
inline constexpr NetzTimeoutIds kNetzTimeoutIds[8] = {
    {1524, 1202, 1525, 1526}, {1527, 1195, 1528, 1529}, {1530, 1196, 1531, 1532}, {1533, 1197, 1534, 1535},
    {1499, 1198, 1536, 1537}, {1505, 1199, 1538, 1539}, {1515, 1200, 1540, 1541}, {1521, 1201, 1542, 1543}};

#define IDD_NETZAUSGANG 249

// Network output form (249).
#define IDC_NETZAUS_LABEL 1307
#define IDC_NETZAUS_KIND 1178
#define IDC_NETZAUS_NUMBER 1195
#define IDC_NETZAUS_SOURCE_LABEL 1490
#define IDC_NETZAUS_SOURCE_KIND 1196
#define IDC_NETZAUS_SOURCE_NUMBER 1197
#define IDC_NETZAUS_SOURCE_VARIABLE 1198
#define IDC_NETZAUS_CONDITIONS_GROUP 1491
#define IDC_NETZAUS_ONCHANGE_LABEL 1492
#define IDC_NETZAUS_ONCHANGE 1179
#define IDC_NETZAUS_SETTINGS_GROUP 1522
#define IDC_NETZAUS_SETTINGS 1194

// The five condition groups: digital outputs 1-16, then analog outputs 1-4 .. 13-16; the digital group has the
// on-change list in place of a threshold.
struct NetzConditionIds {
    UINT group, thresholdLabel, threshold, blockingLabel, blocking, seconds, intervalLabel, interval, minutes;
};
inline constexpr NetzConditionIds kNetzConditionIds[5] = {{1497, 0, 0, 1493, 1180, 1494, 1495, 1181, 1496},
                                                          {1499, 1498, 1182, 1500, 1183, 1501, 1502, 1184, 1503},
                                                          {1505, 1504, 1185, 1506, 1186, 1507, 1508, 1187, 1509},
                                                          {1515, 1510, 1188, 1511, 1189, 1512, 1513, 1190, 1514},
                                                          {1521, 1516, 1191, 1517, 1192, 1518, 1519, 1193, 1520}};

#define IDD_SIGNAL_UEBERGABE 155

// Signal transfer form (155).
#define IDC_SIGNAL_LIST_LABEL 1336
#define IDC_SIGNAL_LIST 1423
#define IDC_SIGNAL_GROUP 1337
#define IDC_SIGNAL_ID 1426

// Message forms: parameters (244), input variables (245), output variables (246). The cause list, its number list
// and the "..." button are the designation controls (IDC_BEZ_NAME, IDC_BEZ_ZIFFER, IDC_BEZ_VERWALTEN); the cause
// label is IDC_BEZ_LABEL.
#define IDD_MELDUNG 244
#define IDD_MELDUNG_VARIN 245
#define IDD_MELDUNG_VAROUT 246

#define IDC_MELDUNG_TYP_LABEL 1468
#define IDC_MELDUNG_TYP 1429
#define IDC_MELDUNG_GRUPPE_GROUP 1310
#define IDC_MELDUNG_GRUPPE_DEFAULT 1159
#define IDC_MELDUNG_GRUPPE_USER 1415
#define IDC_MELDUNG_WARNTON 1158

// Per input (release, activate, cancel): heading, "Fonte:", source label, number text, variable text, mode label,
// mode list.
struct MeldungInputIds {
    UINT heading, source, kind, number, variable, modeLabel, mode;
};
inline constexpr MeldungInputIds kMeldungInputIds[3] = {{1471, 1470, 1160, 1162, 1161, 1163, 1164},
                                                        {1473, 1472, 1165, 1166, 1167, 1517, 1518},
                                                        {1475, 1474, 1168, 1169, 1170, 1515, 1516}};

#define IDC_MELDUNG_PAGES 1171
#define IDC_MELDUNG_OUTPUT_GROUP 1542
