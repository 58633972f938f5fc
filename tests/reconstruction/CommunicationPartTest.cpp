// The bus-table report of an image file: the example panel byte for byte, the counts at their
// edges, the sending flag where it can and cannot be decided, an object in two associations,
// and the failures (a reader: the box; a table read: false, no file, no box); an object of an
// unknown type listed all the same.
#include "TRecoAzTestHilfen.h"
#include "foundation/SprTexte.h"
#include "platform/vcl/Exception.h"
#include "reconstruction/TRecoAz.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kObjektTabelle = 0x43FC;

class Report : public TRecoAzFixture {
protected:
    // The object table holds only these objects: (flags, type code) by number.
    void Objekte(const std::vector<std::pair<uint8_t, uint8_t>> &objekte) {
        auto &m = Panel.Image();
        m[kObjektTabelle] = static_cast<uint8_t>(objekte.size());
        for (size_t k = 0; k < objekte.size(); ++k) {
            m[kObjektTabelle + 3 + 4 * k + 2] = objekte[k].first;
            m[kObjektTabelle + 3 + 4 * k + 3] = objekte[k].second;
        }
    }
    bool Lauf() {
        Schreibe();
        TRecoAz reco(Image.string());
        return reco.CreateCommunicationPart(Datei.string());
    }
    // The report's lines (each ended by CR LF, the last one too).
    std::vector<std::string> Zeilen() {
        const std::string text = DateiText(Datei);
        EXPECT_TRUE(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n");
        std::vector<std::string> zeilen;
        for (size_t at = 0; at < text.size();) {
            const size_t end = text.find("\r\n", at);
            zeilen.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        return zeilen;
    }
    // The lines between a section's heading and the next heading.
    std::vector<std::string> Abschnitt(const std::string &name) {
        const std::vector<std::string> alle = Zeilen();
        std::vector<std::string> out;
        bool drin = false;
        for (const std::string &z : alle) {
            if (!z.empty() && z[0] == '[') {
                drin = z == "[" + name + "]";
                continue;
            }
            if (drin)
                out.push_back(z);
        }
        return out;
    }

    fs::path Datei = Project.Dir() / "ItRecoCommunicationData.txt";
};

TEST_F(Report, TheExamplePanelByteForByte) {
    Panel.SetGruppenAdressen({2305, 2306});
    Panel.SetAssoziationen({{1, 3}});
    Objekte({{0x57, 0}, {0x5F, 7}, {0x17, 9}, {0x4F, 1}});
    ASSERT_TRUE(Lauf());
    EXPECT_EQ(DateiText(Datei), "[Group_Address_Entry]\r\n"
                                "NumberOfGroupAddresses=2\r\n"
                                "1=2305\r\n"
                                "2=2306\r\n"
                                "[Group_Association_Entry]\r\n"
                                "NumberOfAssociation=1\r\n"
                                "1_ObjectNumber=3\r\n"
                                "1_NumberGaConnection=1\r\n"
                                "1_fSending=1\r\n"
                                "[Group_Object_Entry]\r\n"
                                "NumberOfObjects=4\r\n"
                                "Object-Number=0\r\n"
                                "0_fPresent=0\r\n"
                                "0_Flags=87\r\n"
                                "0_DataPointType=0\r\n"
                                "0_LengthInBits=1\r\n"
                                "Object-Number=1\r\n"
                                "1_fPresent=0\r\n"
                                "1_Flags=95\r\n"
                                "1_DataPointType=7\r\n"
                                "1_LengthInBits=8\r\n"
                                "Object-Number=2\r\n"
                                "2_fPresent=0\r\n"
                                "2_Flags=23\r\n"
                                "2_DataPointType=9\r\n"
                                "2_LengthInBits=24\r\n"
                                "Object-Number=3\r\n"
                                "3_fPresent=1\r\n"
                                "3_Flags=79\r\n"
                                "3_DataPointType=1\r\n"
                                "3_LengthInBits=2\r\n");
    EXPECT_TRUE(Details.Boxes().empty());
}

TEST_F(Report, EveryAssociationIsListedAndItsFlagIsEmptyWhereItCannotBeDecided) {
    struct Case {
        const char *name;
        std::vector<uint16_t> adressen;
        std::vector<TPanelImageFixture::TAssoziation> assoziationen;
        std::vector<std::string> erwartet;  // the association section after its count
        std::vector<std::string> vorhanden; // the objects' _fPresent lines, 0 to 4
    };
    const Case cases[] = {
        {"only the own address: no map of group addresses",
         {},
         {{1, 3}, {2, 4}},
         {"1_ObjectNumber=3", "1_NumberGaConnection=1", "1_fSending=", "2_ObjectNumber=4",
          "2_NumberGaConnection=2", "2_fSending="},
         {"0_fPresent=0", "1_fPresent=0", "2_fPresent=0", "3_fPresent=1", "4_fPresent=1"}},
        {"an index beyond the group addresses, then a good one",
         {0x0901},
         {{2, 3}, {0, 2}, {1, 4}},
         {"1_ObjectNumber=3", "1_NumberGaConnection=2", "1_fSending=", "2_ObjectNumber=2",
          "2_NumberGaConnection=0", "2_fSending=", "3_ObjectNumber=4", "3_NumberGaConnection=1",
          "3_fSending=1"},
         {"0_fPresent=0", "1_fPresent=0", "2_fPresent=1", "3_fPresent=1", "4_fPresent=1"}},
        {"an object in two associations sends on the first",
         {0x0901, 0x0902},
         {{1, 3}, {2, 3}},
         {"1_ObjectNumber=3", "1_NumberGaConnection=1", "1_fSending=1", "2_ObjectNumber=3",
          "2_NumberGaConnection=2", "2_fSending=0"},
         {"0_fPresent=0", "1_fPresent=0", "2_fPresent=0", "3_fPresent=1", "4_fPresent=0"}},
        {"an object beyond the object table",
         {0x0901},
         {{1, 9}},
         {"1_ObjectNumber=9", "1_NumberGaConnection=1", "1_fSending="},
         {"0_fPresent=0", "1_fPresent=0", "2_fPresent=0", "3_fPresent=0", "4_fPresent=0"}},
        {"no association",
         {0x0901},
         {},
         {},
         {"0_fPresent=0", "1_fPresent=0", "2_fPresent=0", "3_fPresent=0", "4_fPresent=0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Panel = TPanelImageFixture(0x1105);
        Panel.SetGruppenAdressen(c.adressen);
        Panel.SetAssoziationen(c.assoziationen);
        Objekte({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
        ASSERT_TRUE(Lauf());
        std::vector<std::string> assoziationen = Abschnitt("Group_Association_Entry");
        ASSERT_FALSE(assoziationen.empty());
        EXPECT_EQ(assoziationen.front(),
                  "NumberOfAssociation=" + std::to_string(c.assoziationen.size()));
        assoziationen.erase(assoziationen.begin());
        EXPECT_EQ(assoziationen, c.erwartet);
        std::vector<std::string> vorhanden;
        for (const std::string &z : Abschnitt("Group_Object_Entry"))
            if (z.find("_fPresent=") != std::string::npos)
                vorhanden.push_back(z);
        EXPECT_EQ(vorhanden, c.vorhanden);
    }
}

TEST_F(Report, TheGroupAddressCountIsTheCountByteLessTheOwnAddressAndNeverNegative) {
    struct Case {
        uint8_t countByte;
        const char *zeile;
    };
    for (const Case &c : {Case{1, "NumberOfGroupAddresses=0"}, Case{0, "NumberOfGroupAddresses=0"},
                          Case{3, "NumberOfGroupAddresses=2"}}) {
        SCOPED_TRACE(static_cast<int>(c.countByte));
        Panel = TPanelImageFixture(0x1105);
        Panel.SetGruppenAdressen({0x0901, 0x0902});
        Panel.Image()[0x4000] = c.countByte;
        ASSERT_TRUE(Lauf());
        const std::vector<std::string> adressen = Abschnitt("Group_Address_Entry");
        ASSERT_FALSE(adressen.empty());
        EXPECT_EQ(adressen.front(), c.zeile);
        EXPECT_EQ(adressen.size(), c.countByte > 1 ? c.countByte : 1u);
    }
}

TEST_F(Report, AFreshPanelListsEveryObjectOfItsTable) {
    ASSERT_TRUE(Lauf());
    const std::vector<std::string> objekte = Abschnitt("Group_Object_Entry");
    const int count = Panel.Image()[kObjektTabelle];
    ASSERT_GT(count, 200);
    ASSERT_EQ(objekte.size(), 1u + 5u * count);
    EXPECT_EQ(objekte.front(), "NumberOfObjects=" + std::to_string(count));
    EXPECT_EQ(objekte[1 + 5 * (count - 1)], "Object-Number=" + std::to_string(count - 1));
}

TEST_F(Report, AFailedTableReadEndsWithFalseNoFileAndNoBox) {
    struct Case {
        const char *name;
        uint32_t adresse;
        uint8_t wert;
    };
    const Case cases[] = {
        // 255 pairs reach beyond the association table's 509 bytes.
        {"association count 255", 0x41FF, 255},
        // The object table's 928 bytes hold 231 objects.
        {"object count 232", kObjektTabelle, 232},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Panel = TPanelImageFixture(0x1105);
        Panel.Image()[c.adresse] = c.wert;
        EXPECT_FALSE(Lauf());
        EXPECT_FALSE(fs::exists(Datei));
        EXPECT_TRUE(Details.Boxes().empty());
        EXPECT_TRUE(Boxes.Boxes().empty());
    }
}

TEST_F(Report, AnObjectOfAnUnknownTypeCodeIsListedWithWhatTheObjectManagerGives) {
    Objekte({{1, 0}, {2, 16}, {3, 255}, {4, 7}});
    ASSERT_TRUE(Lauf());
    EXPECT_EQ(
        Abschnitt("Group_Object_Entry"),
        (std::vector<std::string>{"NumberOfObjects=4",  "Object-Number=0",   "0_fPresent=0",
                                  "0_Flags=1",          "0_DataPointType=0", "0_LengthInBits=1",
                                  "Object-Number=1",    "1_fPresent=0",      "1_Flags=2",
                                  "1_DataPointType=16", "1_LengthInBits=0",  "Object-Number=2",
                                  "2_fPresent=0",       "2_Flags=3",         "2_DataPointType=255",
                                  "2_LengthInBits=0",   "Object-Number=3",   "3_fPresent=0",
                                  "3_Flags=4",          "3_DataPointType=7", "3_LengthInBits=8"}));
    EXPECT_TRUE(Details.Boxes().empty());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Report, AReaderThatCannotBeMadeShowsTheDetailBox) {
    struct Case {
        TImageFehler fehler;
        const char *block;
        int text;
    };
    const Case cases[] = {
        {TImageFehler::OhneAbschnitt, "UserSoftware", 24211},
        {TImageFehler::Kurz, "UserSoftware", 24211},
        {TImageFehler::OhneAbschnitt, "BcuSoftware", 24222},
        {TImageFehler::Kurz, "BcuSoftware", 24222},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.block) + std::to_string(static_cast<int>(c.fehler)));
        Details.Clear();
        Schreibe(c.fehler, c.block);
        TRecoAz reco(Image.string());
        EXPECT_FALSE(reco.CreateCommunicationPart(Datei.string()));
        PruefeFehlerbox(Details.Boxes(), SprText(c.text), "TRecoAz::CreateCommunicationPart",
                        "TRecoAzCommunication.cpp");
        EXPECT_FALSE(fs::exists(Datei));
    }
}

TEST_F(Report, TheMelderTexteSectionIsNotNeeded) {
    Schreibe(TImageFehler::OhneAbschnitt, "MelderTexte");
    TRecoAz reco(Image.string());
    EXPECT_TRUE(reco.CreateCommunicationPart(Datei.string()));
    EXPECT_TRUE(Details.Boxes().empty());
}

TEST_F(Report, AnExistingReportIsReplacedAndAnUnwritableOneThrows) {
    std::ofstream(Datei, std::ios::binary) << std::string(100000, 'x');
    ASSERT_TRUE(Lauf());
    EXPECT_EQ(DateiText(Datei).rfind("[Group_Address_Entry]\r\n", 0), 0u);
    EXPECT_EQ(DateiText(Datei).find('x'), std::string::npos);
    TRecoAz reco(Image.string());
    EXPECT_THROW(reco.CreateCommunicationPart((Project.Dir() / "fehlt" / "r.txt").string()),
                 EStreamError);
}

} // namespace
