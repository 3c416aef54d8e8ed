// The drawing layer, once the text service is installed, gets its display texts and protocol entries from it.
#include "texts/DrawingTextServices.h"

#include "StoreTestFolder.h"

#include <filesystem>

namespace {

class DrawingTextServicesTest : public StoreTestFolder {
protected:
    void TearDown() override
    {
        drawing::SetServices(nullptr);
        StoreTestFolder::TearDown();
    }
};

}  // namespace

TEST_F(DrawingTextServicesTest, InstalledServicesAnswerWithTheTextService)
{
    DrawingTextServices services;
    drawing::SetServices(&services);
    drawing::DrawingServices& installed = drawing::Services();
    EXPECT_STREQ(installed.GetObjektArtText("Wärmemengenzähler"), "Calorimetro");
    EXPECT_STREQ(installed.GetObjektArtText("Knotenpunkt"), "");
    EXPECT_STREQ(installed.GetPinText("Wartungsfunktion", "Freigabe Funktion"), "Commutatore est.");
    EXPECT_EQ(installed.GetAusgangVariableNr("Kesselkaskade", "Status Kessel 3"), 10);
    EXPECT_EQ(installed.GetAusgangVariableNr("Analogfunktion", "Ergebnis"), 1);
    std::filesystem::create_directory("para");
    installed.WriteProtokoll(0, "");
    installed.WriteProtokoll(6, "ok");
    EXPECT_EQ(ReadFile("para/Protokoll.tmp"), "       6\r\n       2\r\nok\r\n");
}
