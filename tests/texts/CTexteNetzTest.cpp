// Number texts of network inputs, outputs and status.
#include "texts/CTexte.h"

#include "store/NetzEingang.h"

#include <gtest/gtest.h>

#include <string>

TEST(CTexteNetzTest, NumberTextsOfEveryNumber)
{
    CTexte texte;
    for (int n = 0; n <= 255; ++n) {
        const BYTE b = static_cast<BYTE>(n);
        std::string lang = "non usato";
        std::string kurz = "inutiliz.";
        if (n >= 1 && n <= 16) {
            lang = "DIGITALE " + std::to_string(n);
            kurz = "DIGITAL" + std::to_string(n);
        } else if (n >= 17 && n <= 32) {
            lang = "ANALOG " + std::to_string(n - 16);
            kurz = "ANALOG." + std::to_string(n - 16);
        }
        EXPECT_EQ(std::string(texte.GetNetzNrLangText(b)), lang) << n;
        EXPECT_EQ(std::string(texte.GetNetzStatusText(b)), n == 33 ? "Tutti Sonde" : lang) << n;
        EXPECT_EQ(std::string(texte.GetNetzNrText(b)), kurz) << n;
        EXPECT_EQ(std::string(texte.GetNetzNrTextAlle(b)), n == 33 ? "tutti gli ingr. della rete" : kurz) << n;
        EXPECT_EQ(std::string(texte.GetNetzAusgangNrText(b)), kurz) << n;
    }
    EXPECT_STREQ(texte.GetNetzNrLangText(16), "DIGITALE 16");
    EXPECT_STREQ(texte.GetNetzNrLangText(17), "ANALOG 1");
    EXPECT_STREQ(texte.GetNetzNrText(32), "ANALOG.16");
    EXPECT_STREQ(texte.GetNetzStatusText(34), "non usato");
}

TEST(CTexteNetzTest, TitlesOfNetworkInputsByNodeAndBus)
{
    NetzEingang digital[16] = {};
    NetzEingang analog[16] = {};
    digital[0] = {1, 5, 3};    // input 1: data line from node 5
    digital[15] = {0, 62, 1};  // input 16: CAN from node 62
    analog[0] = {0, 9, 2};     // input 17: CAN from node 9
    analog[1] = {1, 0, 4};     // input 18: data line, but no node sends it
    analog[15] = {7, 1, 1};    // input 32: any bus flag but 1 is CAN
    const char* const plain = "   Rete - variabile di ingresso   ";
    const char* const dl = "   Rete - var. di ingresso (DL)   ";
    const char* const can = "   Rete - var. di ingresso (CAN)   ";
    struct Case {
        int n;
        const char* title;
    };
    const Case cases[] = {{1, dl}, {2, plain}, {16, can}, {17, can}, {18, plain}, {32, can},
                          {0, plain}, {33, plain}, {255, plain}};
    CTexte texte;
    for (const Case& c : cases)
        EXPECT_STREQ(texte.GetNetzVariableText(static_cast<BYTE>(c.n), digital, analog), c.title) << c.n;
    // The analog list serves 17 to 32 only: a digital input does not look into it.
    NetzEingang none[16] = {};
    EXPECT_STREQ(texte.GetNetzVariableText(1, none, digital), plain);
    EXPECT_STREQ(texte.GetNetzVariableText(17, none, digital), dl);
}
