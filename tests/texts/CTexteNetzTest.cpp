// Number texts of network inputs, outputs and status.
#include "texts/CTexte.h"

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
