// The protocol file of the drawing evaluation, byte for byte.
#include "texts/CTexte.h"

#include "StoreTestFolder.h"

#include <filesystem>

namespace {

class CTexteProtokollTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        std::filesystem::create_directory("para");
    }
    static std::string Protokoll() { return ReadFile("para/Protokoll.tmp"); }
    CTexte m_texte;
};

}  // namespace

TEST_F(CTexteProtokollTest, AnEvaluationsEntriesByteForByte)
{
    WriteFile("para/Protokoll.tmp", "left over from the last run\r\n");
    m_texte.WriteProtokoll(0, "ignored");
    EXPECT_EQ(Protokoll(), "");
    m_texte.WriteProtokoll(5, "Parsing...");
    m_texte.WriteProtokoll(3, "abc");
    m_texte.WriteProtokoll(1, "");
    m_texte.WriteProtokoll(7, "L'operazione è stata interrotta.");
    m_texte.WriteProtokoll(8, "not written");
    m_texte.WriteProtokoll(-1, "not written");
    m_texte.WriteProtokoll(6, "Variabili: 12 di 384 byte");
    EXPECT_EQ(Protokoll(),
              "       5\r\n      10\r\nParsing...\r\n"
              "       3\r\n       3\r\nabc\r\n"
              "       1\r\n       0\r\n\r\n"
              "       7\r\n      32\r\nL'operazione \xE8 stata interrotta.\r\n"
              "       6\r\n      25\r\nVariabili: 12 di 384 byte\r\n");
}

TEST_F(CTexteProtokollTest, LineBreaksInATextStayInsideItsEntry)
{
    // A text with line breaks would otherwise end its entry early and shift every later one.
    m_texte.WriteProtokoll(1, "Oggetto\r\nrotto\n");
    m_texte.WriteProtokoll(6, "ok");
    EXPECT_EQ(Protokoll(), "       1\r\n      15\r\nOggetto  rotto \r\n       6\r\n       2\r\nok\r\n");
}

TEST_F(CTexteProtokollTest, NoFolderNoFileAndNoComplaint)
{
    std::filesystem::remove_all("para");
    m_texte.WriteProtokoll(0, "");
    m_texte.WriteProtokoll(1, "Errore");
    EXPECT_FALSE(std::filesystem::exists("para"));
    // Codes outside 0 to 7 do not even create the file.
    std::filesystem::create_directory("para");
    m_texte.WriteProtokoll(8, "x");
    m_texte.WriteProtokoll(-1, "x");
    EXPECT_FALSE(std::filesystem::exists("para/Protokoll.tmp"));
}
