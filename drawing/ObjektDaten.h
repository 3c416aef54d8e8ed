// The record of the drawing object being read: what its group objects carry, in the fields of its kind.
#pragma once

#include "drawing/ObjectKinds.h"
#include "platform/Types.h"

#include <string>
#include <vector>

struct ObjektDaten {
    explicit ObjektDaten(const drawing::KindInfo& kindInfo)
        : kind(&kindInfo),
          pins(kindInfo.pins.size()),
          teilnehmer(static_cast<size_t>(kindInfo.participants)),
          rollenIds(kindInfo.roleIds.size(), 0)
    {
    }

    struct Pin {
        std::string name;  // empty while the drawing has not delivered the connector
        int id = 0;
        int labelId = 0;
    };
    struct Teilnehmer {
        std::string name;
        int id = 0;
    };

    const drawing::KindInfo* kind;
    BYTE bibliotheksVersion = 0;  // tenths: 11 is 1.1
    std::string bezeichnung;      // at most 28 characters; the message type for "Meldung"
    int bezeichnungId = 0;
    std::string ursache;  // message cause ("Meldung")
    int ursacheId = 0;
    std::string netzTyp;  // network type text, at most 48 characters
    int netzTypId = 0;
    BYTE nummern[3] = {0, 0, 0};  // numbers shown by the index texts, in the kind's index-role order
    int nummerIds[3] = {0, 0, 0};
    std::vector<Pin> pins;
    std::vector<Teilnehmer> teilnehmer;
    std::vector<int> rollenIds;  // ids of the kind's further text roles, in table order

    // Online schema: points of the frame (4) or placeholder (3) and the placeholder's text and font.
    int x[4] = {0, 0, 0, 0};
    int y[4] = {0, 0, 0, 0};
    int xAnzahl = 0;
    int yAnzahl = 0;
    std::string platzhalterText;
    std::string schriftart;
    std::string stilName;
    int schriftGroesse = 0;
    int ausrichtung = 0;
    int textFarbe = 0;
    int hintergrundFarbe = 0;
};
