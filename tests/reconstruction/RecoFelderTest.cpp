// The field reader's rows and the text helpers of the folder reconstructors.
#include "reconstruction/TRecoAzEditierbareTexte.h"
#include "reconstruction/TRecoAzMelder.h"
#include "reconstruction/TRecoAzScharfschaltung.h"
#include "reconstruction/TRecoFelder.h"

#include <gtest/gtest.h>

namespace {

using BinToTextFn = bool (*)(const unsigned char *, unsigned long, AnsiString &);

// The three classes' BinToText alike.
const BinToTextFn kBinToText[] = {&TRecoAzMelder::BinToText, &TRecoAzScharfschaltBereich::BinToText,
                                  &TRecoAzEditierbareTexte::BinToText};

TEST(RecoText, BinToTextTakesTheBytesUpToCountOrTheFirstZero) {
    struct Case {
        std::vector<unsigned char> bytes;
        unsigned long count;
        AnsiString text;
    };
    const Case cases[] = {
        {{'F', 'l', 'u', 'r', 0, 'X'}, 6, "Flur"},
        {{'A', 'B', 'C'}, 2, "AB"},
        {{0, 'A'}, 2, ""},
        {{'K', 0xFC, 'c', 'h', 'e'},
         5,
         "K\xFC"
         "che"}, // Windows-1252 as it is
        {std::vector<unsigned char>(14, 'x'), 14, AnsiString(14, 'x')},
    };
    for (const BinToTextFn &f : kBinToText)
        for (const Case &c : cases) {
            AnsiString text = "vorher";
            EXPECT_TRUE(f(c.bytes.data(), c.count, text));
            EXPECT_EQ(text, c.text);
        }
}

TEST(RecoText, BinToTextRefusesNoBytesAndCountZero) {
    const unsigned char bytes[] = {'A'};
    for (const BinToTextFn &f : kBinToText) {
        AnsiString text = "vorher";
        EXPECT_FALSE(f(nullptr, 1, text));
        EXPECT_FALSE(f(bytes, 0, text));
        EXPECT_EQ(text, "vorher");
    }
}

TEST(RecoText, BinToHexTextGivesTwoUpperCaseDigitsABlankWhenSpaced) {
    const unsigned char bytes[] = {0x00, 0x0A, 0xFF, 0x5c};
    AnsiString text = "vorher";
    EXPECT_TRUE(TRecoAzScharfschaltBereich::BinToHexText(bytes, 4, text, false));
    EXPECT_EQ(text, "000AFF5C");
    EXPECT_TRUE(TRecoAzScharfschaltBereich::BinToHexText(bytes, 2, text, true));
    EXPECT_EQ(text, "00 0A ");
    text = "vorher";
    EXPECT_FALSE(TRecoAzScharfschaltBereich::BinToHexText(nullptr, 4, text, true));
    EXPECT_FALSE(TRecoAzScharfschaltBereich::BinToHexText(bytes, 0, text, true));
    EXPECT_EQ(text, "vorher");
}

TEST(RecoText, PhysicalAddressesAsAreaLineDevice) {
    const std::pair<unsigned short, const char *> cases[] = {{0, ""},
                                                             {0x1103, "01.01.003"},
                                                             {0xF0FF, "15.00.255"},
                                                             {0xFFFF, "15.15.255"},
                                                             {0x0001, "00.00.001"}};
    for (const auto &[wort, text] : cases)
        EXPECT_EQ(TRecoAzScharfschaltung::ConvertPhysAddressIntoString(wort), text) << wort;
}

class RecoFelder : public ::testing::Test {
protected:
    void Bytes(std::vector<unsigned char> b) {
        Stream.Clear();
        Stream.WriteBuffer(b.data(), static_cast<long long>(b.size()));
        Daten = std::make_unique<TRecoDataManagament>(
            &Stream, 0x100, 0x100 + static_cast<uint32_t>(b.size()) - 1, 0, false);
    }
    TMemoryStream Stream;
    std::unique_ptr<TRecoDataManagament> Daten;
    TRecoErrors Errors;
};

TEST_F(RecoFelder, RowsReadTheirCellByTheInstanceIndex) {
    using namespace RecoFeld;
    Bytes({0x12, 0x34, 0x56, 0x78, 0xA5});
    struct Case {
        TFeld feld;
        uint32_t k;
        uint32_t wert;
    };
    const Case cases[] = {
        {{.Adresse = 0x100, .Art = TArt::Byte}, 0, 0x12},
        {{.Adresse = 0x100, .Schritt = 2, .Art = TArt::Byte}, 1, 0x56},
        {{.Adresse = 0x101, .Art = TArt::Word}, 0, 0x3456},
        {{.Adresse = 0x100, .Art = TArt::DWord}, 0, 0x12345678},
        {{.Adresse = 0x104, .Art = TArt::Bits, .ErstesBit = 5, .Anzahl = 3}, 0, 5},
        {{.Adresse = 0x104, .Art = TArt::Bits, .ErstesBit = 0, .Anzahl = 1}, 0, 1},
        // bits 0-4 of 0x12 (0x12) times 4 plus bits 6-7 of 0x34 (0): 0x48
        {{.Adresse = 0x100, .Art = TArt::TextIndex}, 0, 0x48},
        // bits 0-4 of 0x78 (0x18) times 4 plus bits 6-7 of 0xA5 (2): 0x62
        {{.Adresse = 0x100, .Schritt = 1, .Art = TArt::TextIndex}, 3, 0x62},
    };
    for (const Case &c : cases) {
        uint32_t wert = 0xDEAD;
        EXPECT_TRUE(Lese(*Daten, c.feld, c.k, wert));
        EXPECT_EQ(wert, c.wert) << c.feld.Adresse << " k " << c.k;
    }
    uint32_t wert = 7;
    const TFeld wort = {.Adresse = 0x103, .Schritt = 1, .Art = TArt::Word};
    const TFeld index = {.Adresse = 0x104, .Art = TArt::TextIndex};
    EXPECT_FALSE(Lese(*Daten, wort, 1, wert));
    EXPECT_FALSE(Lese(*Daten, index, 0, wert));
    EXPECT_EQ(wert, 7u);
}

TEST_F(RecoFelder, AValueOutsideItsSetGetsTheDefaultAndEveryReportOfItsRow) {
    using namespace RecoFeld;
    using D = TDatenStruktur;
    static const uint32_t liste[] = {3, 9};
    const TFeld felder[] = {
        {.Adresse = 0x100,
         .Param = &D::Param3,
         .Erlaubt = {.Liste = liste},
         .StandardWert = 3,
         .Meldungen = {{{"Wert"}, {"3"}}}},
        {.Adresse = 0x101,
         .Param = &D::Param4,
         .Bool = &D::Bool4,
         .Schalter = TSchalter::Nicht255,
         .Erlaubt = {2, 255},
         .StandardWert = 180,
         .StandardBool = true,
         .Meldungen = {{{"Dauer"}, {"Zeit"}}, {{"Dauer [s]"}, {"180"}}}},
        {.Adresse = 0x102, .Param = &D::Param5, .Erlaubt = {1, 12}, .StandardWert = 10},
        {.Adresse = 0x103, .Param = &D::Param6, .Bool = &D::Bool6, .Schalter = TSchalter::Nicht255},
        {.Adresse = 0x104, .Param = &D::Param7, .Bool = &D::Bool7},
    };
    Bytes({4, 1, 13, 255, 0});
    TDatenStruktur r;
    ASSERT_TRUE(LeseFelder(*Daten, felder, 0, r, &Errors, "Objekt"));
    EXPECT_EQ(r.Param3, 3);
    EXPECT_EQ(r.Param4, 180);
    EXPECT_TRUE(r.Bool4);
    EXPECT_EQ(r.Param5, 10);
    EXPECT_EQ(r.Param6, 255);
    EXPECT_FALSE(r.Bool6);
    EXPECT_EQ(r.Param7, 0);
    EXPECT_FALSE(r.Bool7);
    const std::vector<TRecoErrorEintrag> soll = {{"Objekt", "Wert", "3", ""},
                                                 {"Objekt", "Dauer", "Zeit", ""},
                                                 {"Objekt", "Dauer [s]", "180", ""}};
    EXPECT_EQ(Errors.Eintraege(), soll);

    Bytes({9, 254, 12, 7, 1});
    TDatenStruktur s;
    ASSERT_TRUE(LeseFelder(*Daten, felder, 0, s, &Errors, "Objekt"));
    EXPECT_EQ(s.Param3, 9);
    EXPECT_EQ(s.Param4, 254);
    EXPECT_TRUE(s.Bool4);
    EXPECT_EQ(s.Param5, 12);
    EXPECT_EQ(s.Param6, 7);
    EXPECT_TRUE(s.Bool6);
    EXPECT_TRUE(s.Bool7);
    EXPECT_EQ(Errors.Eintraege().size(), 3u) << "no further report";
}

TEST_F(RecoFelder, AFailedReadEndsTheRowsAndKeepsWhatWasSet) {
    using namespace RecoFeld;
    using D = TDatenStruktur;
    const TFeld felder[] = {
        {.Adresse = 0x100, .Param = &D::Param3},
        {.Adresse = 0x105, .Param = &D::Param4},
        {.Adresse = 0x101, .Param = &D::Param5},
    };
    Bytes({4, 5});
    TDatenStruktur r;
    EXPECT_FALSE(LeseFelder(*Daten, felder, 0, r, &Errors, "Objekt"));
    EXPECT_EQ(r.Param3, 4);
    EXPECT_EQ(r.Param4, 0);
    EXPECT_EQ(r.Param5, 0);
}

} // namespace
