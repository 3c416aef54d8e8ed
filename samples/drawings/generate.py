#!/usr/bin/env python3
"""Writes the generated sample drawings of this folder: alle_objekte.xml (every object kind the drawing tool
exports, each function with all its connectors and texts, wired so that the drawing evaluates without errors: every
form of every kind and every list command can be opened on it), alle_objekte_fehler.xml (the same objects with
faulty wiring: a junction joins the input and the sensor status onto one function input, and the inputs every
function of a kind must have are left open; its evaluation is fatal) and gross.xml (a large plant: 44 functions,
8 messages, all inputs and outputs, network objects and a few hundred lines). Deterministic; run it again after a
change and commit the output."""

import os
import random

# Function kinds in type-code order: pins (name, is an input), further text roles, participant count.
FUNKTIONEN = [
    ("Heizkreisregler", ["Freigabe Funktion", "Freigabe Pumpe", "Freigabe Mischer", "Raumtemperatur",
                         "Vorlauftemperatur", "Aussentemperatur", "Externer Schalter"],
     ["Vorlaufsolltemperatur", "eff. Raumsolltemperatur", "Wartungsbetrieb", "Frostschutzbetrieb",
      "Heizkreispumpe", "Mischer"], ["HeizkreispumpeAusgType", "MischerAusgType"], 0),
    ("Anforderung Heizung", ["Freigabe Funktion", "Anforderungstemperatur", "Abschalttemperatur",
                             "Sollwert Anforderung", "Sollwert Abschaltung"], ["Anforderung"],
     ["AnforderungAusgType"], 0),
    ("Anforderung Warmwasser", ["Freigabe Funktion", "Warmwassertemperatur", "Solltemperatur", "Externer Schalter"],
     ["effektive Solltemperatur", "akt Solltemperatur", "Anforderung", "Brennerleistung"],
     ["AnforderungAusgType", "BrennerleistungAusgType"], 0),
    ("Ladepumpe", ["Freigabe Funktion", "Zubringertemperatur", "Referenztemperatur", "Mindesttemp Zubringer",
                   "Maximaltemp Referenz"], ["Ladepumpe"], ["LadepumpeAusgType"], 0),
    ("Zirkulation", ["Freigabe Funktion", "Rücklauftemperatur", "Warmwassertemperatur",
                     "Solltemperatur Zirkuleitung", "Speichertemperatur"], ["eff_ZRLSollTemp", "Status Zirkulation"],
     ["Status Zirkulation AusgType"], 0),
    ("Solarregelung", ["Freigabe Funktion", "Kollektortemperatur", "Referenztemperatur", "Begrenzungstemperatur"],
     ["Max_Begrenzung", "Solarkreis EIN"], ["Solarkreis EIN AusgType"], 0),
    ("Solarvorrang", ["Freigabe Funktion", "Solarstrahlung"], ["Spülvorgang"],
     ["beteiligte Funktionen Txt", "SpülvorgangAusgType"], 10),
    ("PID-Regelung", ["Freigabe Funktion", "Temp Absolutwertreg", "Sollwert Absolutwertreg", "Temp(+) Differenzreg",
                      "Temp(-) Differenzreg", "Aktivierungstemperatur", "Aktivierungsschwelle", "Regeltemperatur",
                      "Sollwert"], ["Stellgrösse"], ["EreignisregelungTxt", "StellgrösseAusgType"], 0),
    ("Vergleich", ["Freigabe Funktion", "Wert a", "Wert b"], ["Ergebnis", "Ergebnis invers"],
     ["ErgebnisAusgType", "Ergebnis invers AusgType"], 0),
    ("Logikfunktion", ["Freigabe Funktion"] + ["Eingangsvariable %d" % i for i in range(1, 7)],
     ["Ergebnis", "Ergebnis invers"], ["ErgebnisAusgType", "Ergebnis invers AusgType"], 0),
    ("Analogfunktion", ["Freigabe Funktion", "Ergebnis bei Freigabe AUS"] +
     ["Eingangsvariable %d" % i for i in range(1, 7)], ["Ergebnis"], ["ErgebnisAusgType"], 0),
    ("Wärmemengenzähler", ["Freigabe Funktion", "Vorlauftemperatur", "Rücklauftemperatur", "Volumenstrom",
                           "Zählerrücksetzung"], ["Leistung", "MWh", "kWh"], [], 0),
    ("Wartungsfunktion", ["Freigabe Funktion"], ["Brenneranforderung", "Brennerleistung"],
     ["beteiligte Funktionen Txt", "BrenneranforderungAusgType", "BrennerleistungAusgType"], 5),
    ("Timerfunktion", ["Freigabe Funktion", "Triggereingang", "Tastverhältnis"],
     ["Timerausgang", "Timerausgang invers"], ["TimerausgangAusgType", "Timerausgang inv AusgType"], 0),
    ("Schaltuhr", ["Freigabe Funktion", "Blockadeeingang"], ["Sollwert", "Status Zeitbedingung"],
     ["Status Zeitbed AusgType"], 0),
    ("Startfunktion", ["Freigabe Funktion", "Solarstrahlung", "Bezugstemperatur"], ["Spülvorgang"],
     ["beteiligte Funktionen Txt", "SpülvorgangAusgType"], 10),
    ("Zähler", ["Freigabe Funktion"] + ["Eingang %d" % i for i in range(1, 7)] + ["Zählerrücksetzung"],
     ["Zählerstand"], [], 0),
    ("Kühlfunktion", ["Freigabe Funktion", "Referenztemperatur", "Referenztemperatur max"],
     ["Stellgrösse", "Status Kühlung"], ["StellgrösseAusgType", "Status Kühlung AusgType"], 0),
    ("Mischerregelfunktion", ["Freigabe Funktion", "Regeltemperatur", "Sollwert"], ["Regelsolltemperatur", "Mischer"],
     ["MischerAusgType"], 0),
    ("Funktionskontrolle", ["Kontrollwert a", "Kontrollwert b", "Freigabe Diff-Kontrolle"],
     ["Fehler Wert", "Fehler Differenz"], ["Fehler Wert AusgType", "Fehler Differenz AusgType"], 0),
    ("Synchronisation", ["Freigabe Funktion"], ["Sommerzeit", "Reglerstart", "Status Sync"],
     ["Status Sync AusgType"], 0),
    ("Profilfunktion", ["Freigabe Funktion", "Sollwert bei Freigabe AUS", "Start Profil", "Stop Profil",
                        "Reset Profil", "Takt Profil"], ["Sollwert", "aktuelle Stufe", "Status Profil"],
     ["Status Profil AusgType"], 0),
    ("Kesselkaskade", ["Freigabe Funktion", "Freigabe ab 2ter Kesselstufe", "Freigabe ab 3ter Kesselstufe",
                       "Vorlauftemperatur", "Energiekennzahl"],
     ["Sollwert", "Status Kessel 1", "Status Kessel 2", "Status Kessel 3", "Betriebsstd Kessel A",
      "Anforderung Kessel A", "Betriebsstd Kessel B", "Anforderung Kessel B", "Betriebsstd Kessel C",
      "Anforderung Kessel C"],
     ["beteiligte Funktionen Txt", "Kessel A Txt", "Kessel B Txt", "Kessel C Txt", "Anf Kessel A AusgType",
      "Anf Kessel B AusgType", "Anf Kessel C AusgType"], 6),
]

COMMON_ROLES = ["TypeTxt", "Type", "BezeichnungTxt", "EingangsvarTxt", "AusgangsvarTxt"]

# The inputs a function of the kind must have connected to a source (a sensor, a network input or a function's
# output); the others may stay open.
REQUIRED = {
    "Anforderung Heizung": ["Anforderungstemperatur"],
    "Anforderung Warmwasser": ["Warmwassertemperatur"],
    "Ladepumpe": ["Zubringertemperatur", "Referenztemperatur"],
    "Zirkulation": ["Rücklauftemperatur"],
    "Solarregelung": ["Kollektortemperatur", "Referenztemperatur"],
    "Vergleich": ["Wert a"],
    "Kühlfunktion": ["Referenztemperatur"],
    "Mischerregelfunktion": ["Regeltemperatur"],
    "Funktionskontrolle": ["Kontrollwert a"],
    "Kesselkaskade": ["Vorlauftemperatur"],
}


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


class Drawing:
    def __init__(self):
        self.parts = ['<?xml version="1.0" encoding="UTF-8"?>\n<output>\n']
        self.next_id = 1000
        self.lines = []

    def new_id(self):
        self.next_id += 1
        return self.next_id

    def group(self, gtype, name, string=None, catch=None, points=None, font=None):
        p = ["    <groupobject>\n", "      <type>%s</type>\n" % gtype, "      <id>%d</id>\n" % self.new_id(),
             "      <name>%s</name>\n" % esc(name)]
        if string is not None:
            p.append("      <string>%s</string>\n" % esc(string))
        if font:
            p.append("      <kextfont><facename>%s</facename><efPointSize>%d</efPointSize></kextfont>\n" % font)
        for x, y in points or []:
            p.append("      <point><x>%d</x><y>%d</y></point>\n" % (x, y))
        if catch:
            p.append("      <catchobject>\n")
            p.extend("        <lineID>%d</lineID>\n" % l for l in catch)
            p.append("      </catchobject>\n")
        p.append("    </groupobject>\n")
        return "".join(p)

    def obj(self, otype, name, groups, oid=None, extra=""):
        oid = oid if oid is not None else self.new_id()
        self.parts.append("  <object>\n    <type>%s</type>\n    <id>%d</id>\n    <name>%s</name>\n%s%s  </object>\n"
                          % (otype, oid, esc(name), extra, "".join(groups)))
        return oid

    def line(self):
        lid = self.new_id()
        self.lines.append(lid)
        return lid

    def finish(self):
        for lid in self.lines:
            self.parts.append("  <object>\n    <type>polylinie</type>\n    <id>%d</id>\n    <name>Linie</name>\n"
                              "    <point><x>0</x><y>0</y></point>\n  </object>\n" % lid)
        self.parts.append("</output>\n")
        return "".join(self.parts)


def plant(d, kind, number, designation, pin_lines, vtype="rectangle", extra_groups=()):
    """An input, output or network object with its index text and its connector(s)."""
    g = [d.group(vtype, "Biblio-Vers 11"), d.group("text", "Bezeichnung", designation)]
    index_roles = {"Mischer_Ausgang": ["Index_1", "Index_2"]}.get(kind, ["Index"])
    for i, role in enumerate(index_roles):
        g.append(d.group("text", role, str(number + i)))
    g.extend(extra_groups)
    for pin, lines in pin_lines:
        g.append(d.group("polylinie", pin, catch=lines or None, points=[(1, 2)]))
    return d.obj(vtype, "%s$%d" % (kind, number), g)


def funktion(d, entry, number, designation, pin_lines):
    kind, inputs, outputs, roles, participants = entry
    g = [d.group("rectangle", "Biblio-Vers 11", points=[(0, 0), (100, 80)]),
         d.group("text", "Bezeichnung", designation, font=("Arial", 8))]
    for r in COMMON_ROLES + roles:
        g.append(d.group("text", r, r[:6]))
    for pin in inputs + outputs:
        g.append(d.group("polylinie", pin, catch=pin_lines.get(pin), points=[(5, 5), (10, 5)]))
        g.append(d.group("text", pin, pin[:10]))
    for n in range(1, participants + 1):
        g.append(d.group("text", "beteiligte Funktion %d" % n, "-"))
    return d.obj("rectangle", "%s$%d" % (kind, number), g)


def meldung(d, number, pin_lines):
    g = [d.group("rectangle", "Biblio-Vers 11"), d.group("text", "Meldungstyp", "Störung %d" % number),
         d.group("text", "Meldungsursache", "Ursache %d" % number)]
    for r in ["TypeTxt", "Type", "MeldungstypTxt", "MeldungsursacheTxt", "EingangsvarTxt", "AusgangsvarTxt"]:
        g.append(d.group("text", r, r))
    for pin in ["Freigabe Meldung", "Meldung aktivieren", "Meldung löschen", "Meldung aktiv"]:
        g.append(d.group("polylinie", pin, catch=pin_lines.get(pin)))
        g.append(d.group("text", pin, pin))
    return d.obj("rectangle", "Meldung$%d" % number, g)


def alle_objekte(faulty=False):
    d = Drawing()
    l_in, l_out, l_net, l_sig1, l_sig2, l_j1, l_j2, l_j3 = (d.line() for _ in range(8))
    # The faulty drawing leaves the required inputs open; the sound one reads each from the input's own line.
    required = {} if faulty else {kind: {pin: [d.line()] for pin in pins} for kind, pins in REQUIRED.items()}
    sensor_lines = [l for pins in required.values() for lines in pins.values() for l in lines]
    plant(d, "Eingang", 1, "Fühler 1", [("Eingang", [l_in, l_j1] + sensor_lines)])
    # The sensor status reads its own function input: on the junction of the faulty drawing it shares one with the
    # input.
    plant(d, "Sensorstatus", 2, "Status Fühler", [("Sensorstatus", [l_j2])], extra_groups=[
        d.group("text", "Type", "S"), d.group("text", "TypeZeichen", "T")])
    plant(d, "Ausgang", 1, "Pumpe", [("AusgangIn", [l_out]), ("AusgangOut", None)],
          extra_groups=[d.group("text", "TypeZeichen", "A")])
    plant(d, "Analog_Ausgang", 15, "Stellsignal", [("AusgangIn", None)], extra_groups=[d.group("text", "Type", "0-10V")])
    plant(d, "Mischer_Ausgang", 10, "Mischer", [("AusgangIn", None)], extra_groups=[
        d.group("text", "Type_1", "auf"), d.group("text", "Type_2", "zu"), d.group("text", "TypeZeichen_1", "M")])
    plant(d, "Netzwerkeingang", 7, "Netz ein", [("NW_Ausgang", [l_sig1])], vtype="polylinie", extra_groups=[
        d.group("text", "Type", "digital"), d.group("text", "NWK", "4"), d.group("text", "NWA", "9"),
        d.group("text", "NWK_Txt", "K"), d.group("text", "NWA_Txt", "A"), d.group("text", "TypeZeichen", "N")])
    plant(d, "Netzwerkausgang", 18, "Netz aus", [("NW_Eingang", [l_net])], vtype="polylinie")
    plant(d, "Netzwerkstatus", 1, "Netzstatus", [("NW_Status", None)], vtype="polylinie")
    if faulty:
        # A junction joining the input's second line with the sensor status and the first function input.
        d.obj("polylinie", "Knotenpunkt", [d.group("polylinie", "Knoten", catch=[l_j1, l_j2, l_j3])])
    else:
        # A junction leading the input's second line to the heating-circuit controller's outside temperature.
        d.obj("polylinie", "Knotenpunkt", [d.group("polylinie", "Knoten", catch=[l_j1, l_j3])])
    d.obj("polylinie", "Signal_Übergabe", [d.group("polylinie", "Biblio-Vers 11"),
                                          d.group("text", "Bezeichnung", "NETZ"), d.group("text", "Type", "->"),
                                          d.group("polylinie", "Anschluss", catch=[l_sig1])])
    d.obj("polylinie", "Signal_Übernahme", [d.group("text", "Bezeichnung", "NETZ"),
                                           d.group("polylinie", "Anschluss", catch=[l_sig2])])
    meldung(d, 1, {"Freigabe Meldung": [l_sig2]})
    for code, entry in enumerate(FUNKTIONEN, start=1):
        lines = dict(required.get(entry[0], {}))
        if code == 1:
            lines.update({"Aussentemperatur": [l_j3], "Heizkreispumpe": [l_out]})
            if not faulty:
                lines["Raumtemperatur"] = [l_j2]
        if code == 9:
            lines["Ergebnis"] = [l_net]
        funktion(d, entry, code - 1, "%s %d" % (entry[0][:12], code), lines)
    d.obj("rectangle", "Online_Rahmen", [], extra="".join("    <point><x>%d</x><y>%d</y></point>\n" % p for p in
                                                          [(0, 0), (640, 0), (640, 480), (0, 480)]))
    d.obj("rectangle", "Online_Platzh_Rechts", [
        d.group("text", "Text1", "x", font=("Verdana", 12)), d.group("text", "Text2", "[Netz]")],
        extra="    <point><x>1</x><y>2</y></point>\n    <point><x>3</x><y>4</y></point>\n")
    return d.finish()


def gross():
    rnd = random.Random(9274)
    d = Drawing()
    inputs = []   # (object, pin) line lists
    sources = []  # lines list per source connector that functions may read from
    for n in range(1, 17):
        lines = [d.line() for _ in range(3)]
        sources.append(lines)
        plant(d, "Eingang", n, "Fühler %d" % n, [("Eingang", lines)], extra_groups=[d.group("text", "TypeZeichen", "E")])
    outs = []
    for n in range(1, 15):
        lines = [d.line() for _ in range(2)]
        outs.append(lines)
        plant(d, "Ausgang", n, "Ausgang %d" % n, [("AusgangIn", lines), ("AusgangOut", None)])
    for n in (15, 16):
        lines = [d.line()]
        outs.append(lines)
        plant(d, "Analog_Ausgang", n, "Analog %d" % n, [("AusgangIn", lines)])
    for n in range(1, 9):
        lines = [d.line()]
        sources.append(lines)
        plant(d, "Netzwerkeingang", n, "Netz %d" % n, [("NW_Ausgang", lines)], vtype="polylinie",
              extra_groups=[d.group("text", "Type", "analog"), d.group("text", "NWK", str(n)),
                            d.group("text", "NWA", "1")])
    net_out = []
    for n in range(1, 9):
        lines = [d.line()]
        net_out.append(lines)
        plant(d, "Netzwerkausgang", n if n <= 4 else 16 + n, "Netz aus %d" % n, [("NW_Eingang", lines)],
              vtype="polylinie")
    plant(d, "Netzwerkstatus", 33, "Netzstatus", [("NW_Status", None)], vtype="polylinie")
    # Junctions fan the inputs' lines out to the functions.
    junction_lines = []
    for j in range(40):
        src = sources[j % len(sources)]
        fan = [d.line() for _ in range(5)]
        d.obj("polylinie", "Knotenpunkt", [d.group("polylinie", "Knoten", catch=[src[j % len(src)]] + fan)])
        junction_lines.extend(fan)
    pool = [l for s in sources for l in s[1:]] + junction_lines
    rnd.shuffle(pool)
    out_pool = [l for o in outs for l in o]
    for f in range(44):
        entry = FUNKTIONEN[f % len(FUNKTIONEN)]
        lines = {}
        for pin in entry[1]:
            if pool and rnd.random() < 0.8:
                lines[pin] = [pool.pop()]
        for pin in entry[2]:
            if out_pool and rnd.random() < 0.5:
                lines[pin] = [out_pool.pop()]
        funktion(d, entry, f, "Funktion %d" % (f + 1), lines)
    for m in range(8):
        lines = {}
        if pool:
            lines["Meldung aktivieren"] = [pool.pop()]
        meldung(d, m, lines)
    for s in range(4):
        a, b = d.line(), d.line()
        d.obj("polylinie", "Signal_Übergabe", [d.group("text", "Bezeichnung", "SIG%d" % s),
                                              d.group("polylinie", "Anschluss", catch=[a])])
        d.obj("polylinie", "Signal_Übernahme", [d.group("text", "Bezeichnung", "SIG%d" % s),
                                               d.group("polylinie", "Anschluss", catch=[b])])
    return d.finish()


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, text in (("alle_objekte.xml", alle_objekte()), ("alle_objekte_fehler.xml", alle_objekte(faulty=True)),
                       ("gross.xml", gross())):
        with open(os.path.join(here, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
