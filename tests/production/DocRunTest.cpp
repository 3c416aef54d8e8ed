// The run writes back what it repaired, and only what it could read: an unreadable record stays as it was.
#include "StoreTestFolder.h"

#include "production/DocRun.h"
#include "store/CParaDaten.h"
#include "store/DrawingReader.h"

#include <filesystem>

namespace {

class NoReporter : public DocReporter {
public:
    void Status(int, const CString&) override {}
};

// A set without a drawing: the records are documented with their stored sources.
class DocRunTest : public StoreTestFolder {
protected:
    DrawingReader m_drawing;
};

TEST_F(DocRunTest, AnUnreadableInputIsNotWrittenBack)
{
    const std::string file = CParaDaten::GetFileName(2).GetString();
    std::string stored;
    size_t damagedAt = 0;
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
        CParaDaten::ReleaseFiles();
        const std::string before = ReadFile(file);
        // Input 2 as an analog temperature input: its record is where the file changes.
        EingangParam input;
        input.type = kEingangAnalog;
        input.quantity = kGroesseTemperatur;
        input.sensorType = 2;
        input.averaging = 10;
        ASSERT_TRUE(para.SetEingang(2, 2, input));
        CParaDaten::ReleaseFiles();
        stored = ReadFile(file);
        ASSERT_EQ(stored.size(), before.size());
        size_t at = 0;
        while (at < stored.size() && stored[at] == before[at])
            ++at;
        ASSERT_LT(at, stored.size());
        stored[at] = 'Z';  // no hex digit: the record cannot be read
        WriteFile(file, stored);
        damagedAt = at;
    }
    doc::Options options;
    options.writeBack = 1;
    options.sections = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    NoReporter reporter;
    const std::string text = DocRun(options, reporter, m_drawing).Build();
    CParaDaten::ReleaseFiles();
    // The readable inputs are written back repaired; the damaged record is left exactly as it was.
    const std::string after = ReadFile(file);
    EXPECT_NE(after, stored);
    // The record of input 2: 16 bytes, two hex digits each, from its first changed digit on.
    ASSERT_EQ(after.size(), stored.size());
    EXPECT_EQ(after.substr(damagedAt - 1, 32), stored.substr(damagedAt - 1, 32));
    // The unreadable input is documented as not in use, the others as read.
    EXPECT_NE(text.find("Ingresso 2:\r\nTIPO: non usato\r\n"), std::string::npos);
    EXPECT_NE(text.find("Ingresso 16:\r\nTIPO: non usato\r\n"), std::string::npos);
}

// The temporary file is opened before any record is read: when it cannot be (here a folder holds its name), the
// run ends false and writes nothing back into working file 2; when it can, the same run writes back its repairs.
TEST_F(DocRunTest, ATemporaryFileThatCannotBeOpenedWritesNothingBack)
{
    const std::string file = CParaDaten::GetFileName(2).GetString();
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
        EingangParam input;
        input.type = kEingangAnalog;
        input.quantity = kGroesseTemperatur;
        input.sensorType = 2;
        input.averaging = 200;  // out of range: the run repairs it
        ASSERT_TRUE(para.SetEingang(2, 1, input));
    }
    CParaDaten::ReleaseFiles();
    const std::string stored = ReadFile(file);
    doc::Options options;
    options.file = 2;
    options.writeBack = 1;
    options.sections = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    NoReporter reporter;
    std::filesystem::create_directories(std::string(DocRun::kTempFile) + "/blocked");
    EXPECT_FALSE(DocRun(options, reporter, m_drawing).Write("doc.txt"));
    CParaDaten::ReleaseFiles();
    EXPECT_TRUE(ReadFile(file) == stored) << "the working file was written";
    EXPECT_FALSE(std::filesystem::exists("doc.txt"));

    std::filesystem::remove_all(DocRun::kTempFile);
    EXPECT_TRUE(DocRun(options, reporter, m_drawing).Write("doc.txt"));
    CParaDaten::ReleaseFiles();
    EXPECT_TRUE(ReadFile(file) != stored) << "the run repairs the input";
    EXPECT_TRUE(std::filesystem::is_regular_file("doc.txt"));
}

// Records set in a new set come back in the documentation as their lines say (plain layout).
TEST_F(DocRunTest, InputsAndOutputsReadAsTheirValuesMean)
{
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
        const BYTE corrections[] = {157, 99, 5};
        for (BYTE n = 1; n <= 3; ++n) {
            EingangParam input;
            input.type = kEingangAnalog;
            input.quantity = kGroesseTemperatur;
            input.sensorType = 2;
            input.averaging = 15;
            input.correction = corrections[n - 1];
            ASSERT_TRUE(para.SetEingang(2, n, input));
        }
        AusgangParam output;
        output.type = kAusgangSchalt;
        output.delay = 100;
        output.followUp = 100;
        ASSERT_TRUE(para.SetAusgang(2, 1, output));
        output.delay = 200;  // 22.5 hours, not "103 min"
        output.followUp = 160;
        ASSERT_TRUE(para.SetAusgang(2, 2, output));
        AusgangParam mixer;
        mixer.type = kAusgangMischer;
        mixer.runTime = 120;
        ASSERT_TRUE(para.SetAusgang(2, 3, mixer));
        ASSERT_TRUE(para.SetAusgang(2, 5, mixer));  // no mixer pair starts at 5
        AntiblockierschutzParam guard;
        guard.weekdays[0] = guard.weekdays[6] = 1;
        guard.time = 143;
        guard.outputs[1] = guard.outputs[15] = 1;
        ASSERT_TRUE(para.SetAntiblockierschutz(2, guard));
    }
    doc::Options options;
    options.format = doc::kPlain;
    options.sections = {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    NoReporter reporter;
    const std::string text = DocRun(options, reporter, m_drawing).Build();
    CParaDaten::ReleaseFiles();
    const char* expected[] = {
        "Ingresso 1:\r\nTIPO: ANALOG\r\nDIM.MIS.: Temperat.\r\nGRUPPO DENOM.: Generale\r\n",
        "SONDA: Pt1000\r\nCHECK SONDE: no\r\nCORR. SONDE: -9.9 K\r\nVAL.MED.: 1.5 Sek\r\n",
        "CORR. SONDE: 9.9 K\r\n",
        "CORR. SONDE: 0.5 K\r\n",
        "Uscita 1:\r\nTIPO: USC.COMUT.\r\nGRUPPO DENOM.: Generale\r\n",
        "RITARDO: 6.5 Min\r\nFZ.INTEGR: 6.5 min\r\n",
        "RITARDO: 22.5 ore\r\nFZ.INTEGR: 2.5 ore\r\n",
        "Uscita 3,4:\r\nTIPO: MISCELATORE\r\n",
        "DECORRENZA: 23 min\r\n",
        "Uscita 5:\r\nTIPO: MISCELATORE\r\n",
        "PROTEZIONE ANTIBL.:\r\nGiorno: Lu, Do\r\nalle Orario: 23:50\r\nUscita: 2, 16\r\n",
    };
    for (const char* lines : expected)
        EXPECT_NE(text.find(lines), std::string::npos) << lines;
    EXPECT_EQ(text.find("Uscita 4:"), std::string::npos);
    // The filters leave out the inputs and outputs not in use, but never the analog outputs 15 and 16.
    EXPECT_EQ(text.find("Ingresso 4:"), std::string::npos);
    EXPECT_EQ(text.find("Uscita 6:"), std::string::npos);
    EXPECT_NE(text.find("Uscita 15:\r\nMODO: 0-10V\r\n"), std::string::npos);
}

TEST_F(DocRunTest, AMessageInUseShowsItsSourcesAndOutputLists)
{
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
        MeldungParam message;
        message.type = kMeldungWarnung;
        message.alarm = 1;
        message.release = {0, 0, 1};
        message.activate = {1, 1, 3};
        message.cancel = {0, 0, 0};
        message.dominantOn[0] = message.dominantOn[13] = 1;
        ASSERT_TRUE(para.SetMeldung(2, 1, message));
    }
    doc::Options options;
    options.format = doc::kColumns;
    options.sections = {0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0};
    NoReporter reporter;
    const std::string text = DocRun(options, reporter, m_drawing).Build();
    CParaDaten::ReleaseFiles();
    const char* expected[] = {
        "Messaggio 1:\r\nTIPO MESSAG.: AVVISO\r\nGRUPPO MESSAG.: Default\r\nCAUSA MESSAG.: ",
        "SUONO ALARME: sì\r\nENTRATA DATI:\r\n"
        "    RILASCIO MESSAG.:\r\n         Fonte: Utente\r\n         Stato: ON\r\n"
        "    ATTIVARE MESSAG.:\r\n         Fonte: Entrata\r\n             3: ",
        "\r\n          Modo: inverso\r\n"
        "    CANCEL MESSAG.:\r\n         Fonte: Utente\r\n         Stato: OFF\r\nUSCITA DATI:\r\n"
        "    normale ON:\r\n        Uscita: nessuno\r\n    dominante ON:\r\n        Uscita: 1, 14\r\n",
    };
    for (const char* lines : expected)
        EXPECT_NE(text.find(lines), std::string::npos) << lines;
    // The messages filter leaves out the messages not in use: the file ends with the first message.
    const std::string end = "    Rilascio Errore?:\r\n        Uscita: nessuno\r\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

}  // namespace

// The drawing's own set is documented with the sources the drawing connects: a message's release and the network
// outputs.
TEST_F(DocRunTest, TheDrawingsSetShowsTheSourcesTheDrawingConnects)
{
    struct Connected : DrawingReader {
        void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number) override
        {
            if (objectId == 700 && pin == 1) {
                kind = 1;
                number = 12;
            }
        }
        void GetNetzAusgaengeDigital(Quelle sources[16]) override
        {
            DrawingReader::GetNetzAusgaengeDigital(sources);
            sources[1] = {1, 3};
        }
    } drawing;
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
        MeldungParam message;
        message.type = kMeldungWarnung;
        message.release = {0, 0, 1};
        ASSERT_TRUE(para.SetMeldung(2, 1, message));
        ASSERT_TRUE(para.SetMeldungId(2, 1, 700));
    }
    doc::Options options;
    options.format = doc::kColumns;
    options.sections = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0};
    NoReporter reporter;
    const std::string text = DocRun(options, reporter, drawing).Build();
    CParaDaten::ReleaseFiles();
    const char* expected[] = {
        "    RILASCIO MESSAG.:\r\n         Fonte: Entrata\r\n            12: ",
        "USCITA DATI:\r\n    DIGITALE:\r\n        Uscita 2:\r\n             Fonte: Entrata\r\n                 3: ",
    };
    for (const char* lines : expected)
        EXPECT_NE(text.find(lines), std::string::npos) << lines;
    // The network filter leaves out the outputs without a source.
    EXPECT_EQ(text.find("Uscita 1:"), std::string::npos);
}
