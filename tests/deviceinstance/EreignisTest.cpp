// The event-memory read-out: the decoding of records (kinds, sub-codes, participants, areas,
// dates and times), the sorting of the lines, and the read-out over the simulated bus with the
// dialogs it opens and the failures it reports.
#include "PanelBaumTest.h"

#include "deviceinstance/PcUhr.h"
#include "foundation/SprTexte.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TPanelMemory.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/CursorHourGlass.h"

#include <vector>

namespace {

using Az = TDeviceInstanzAz;

std::vector<AnsiString> Items(const AnsiString &line) {
    std::vector<AnsiString> items;
    TStringList::SplitCommaText(line, items);
    return items;
}

// --- Decoding without a bus.

TEST(EreignisArt, KindByteGivesTextAndParticipantColumn) {
    struct TFall {
        uint8_t Byte;
        int Text; // 0: "Unknown event"
        bool Melder, SubCode;
    };
    const TFall faelle[] = {
        {1, 11134, true, false},    {0x81, 11134, true, false}, {0xC7, 11129, true, false},
        {2, 11132, true, false},    {5, 11147, true, false},    {8, 11137, false, true},
        {0x49, 11150, false, true}, {10, 11127, false, false},  {20, 11208, false, false},
        {19, 11124, false, false},  {0x15, 0, false, false},    {0, 0, false, false},
        {63, 0, false, false},
    };
    for (const TFall &f : faelle) {
        bool melder = true, subCode = true;
        AnsiString text;
        const AnsiString result = Az::GetTextEreignisart(f.Byte, melder, text, subCode);
        const AnsiString erwartet = f.Text ? SprText(f.Text) : AnsiString("Unknown event");
        EXPECT_EQ(text, erwartet) << int(f.Byte);
        EXPECT_EQ(result, erwartet) << int(f.Byte);
        EXPECT_EQ(melder, f.Melder) << int(f.Byte);
        EXPECT_EQ(subCode, f.SubCode) << int(f.Byte);
    }
}

TEST(EreignisDatum, DateAndTimeValidity) {
    struct TFall {
        int A, B, C;
        bool Ok;
        const char *Text;
    };
    const TFall daten[] = {{31, 12, 99, true, "31.12.99"}, {32, 1, 1, false, "00.00.00"},
                           {0, 0, 5, true, "00.00.05"},    {1, 13, 1, false, "00.00.00"},
                           {1, 1, 100, false, "00.00.00"}, {7, 3, 26, true, "07.03.26"}};
    for (const TFall &f : daten) {
        AnsiString text = "x";
        EXPECT_EQ(Az::CheckDateAndBuildString(f.A, f.B, text, f.C), f.Ok) << f.Text;
        EXPECT_EQ(text, f.Text);
    }
    const TFall zeiten[] = {{23, 59, 59, true, "23:59:59"}, {24, 0, 0, false, "00:00:00"},
                            {0, 60, 0, false, "00:00:00"},  {0, 0, 60, false, "00:00:00"},
                            {0, 0, 0, true, "00:00:00"},    {9, 5, 1, true, "09:05:01"}};
    for (const TFall &f : zeiten) {
        AnsiString text = "x";
        EXPECT_EQ(Az::CheckTimeAndBuildString(f.A, f.B, text, f.C), f.Ok) << f.Text;
        EXPECT_EQ(text, f.Text);
    }
}

TEST(EreignisVergleich, DatesAndTimesCompareFromTheMostSignificantPart) {
    struct TFall {
        bool Datum;
        const char *A, *B;
        bool Ok;
        int Result;
    };
    const TFall faelle[] = {
        {true, "01.02.03", "01.02.03", true, 0},    {true, "31.12.02", "01.01.03", true, 1},
        {true, "01.03.03", "28.02.03", true, 2},    {true, "02.02.03", "01.02.03", true, 2},
        {true, "01.01.00", "01.01.99", true, 1},    {true, "01.02", "01.02.03", false, -1},
        {true, "aa.02.03", "01.02.03", false, -1},  {true, "01.02.03", "", false, -1},
        {false, "10:00:00", "09:59:59", true, 2},   {false, "09:59:59", "10:00:00", true, 1},
        {false, "10:00:01", "10:00:01", true, 0},   {false, "10:01:00", "10:00:59", true, 2},
        {false, "10.00.00", "10:00:00", false, -1},
    };
    for (const TFall &f : faelle) {
        int result = -1;
        const bool ok =
            f.Datum ? Az::CompareDate(f.A, f.B, result) : Az::CompareTime(f.A, f.B, result);
        EXPECT_EQ(ok, f.Ok) << f.A << " " << f.B;
        if (f.Ok) {
            EXPECT_EQ(result, f.Result) << f.A << " " << f.B;
        }
    }
}

AnsiString Zeile(const char *nr, const char *datum, const char *zeit) {
    TStringList items;
    for (const char *item : {nr, "B", "E", "T", datum, zeit})
        items.Add(item);
    return items.CommaText();
}

std::vector<AnsiString> Nummern(const TStringList &lines) {
    std::vector<AnsiString> out;
    for (const AnsiString &line : lines)
        out.push_back(Items(line).at(0));
    return out;
}

TEST(EreignisSortierung, OldestFirstAndEqualStampsBehindTheFirst) {
    TStringList input, output;
    input.Add(Zeile("1", "01.02.03", "10:00:00"));
    input.Add(Zeile("2", "01.02.03", "09:59:59"));
    input.Add(Zeile("3", "31.01.03", "23:00:00"));
    input.Add(Zeile("4", "01.02.03", "10:00:00"));
    input.Add(Zeile("5", "01.02.03", "10:00:00"));
    input.Add(Zeile("6", "01.01.04", "00:00:00"));
    output.Add("old");
    EXPECT_TRUE(Az::SortiereEreignisse(input, output));
    // Equal stamps: the first stays first, each later one directly behind it.
    EXPECT_EQ(Nummern(output), (std::vector<AnsiString>{"3", "2", "1", "5", "4", "6"}));
}

TEST(EreignisSortierung, AnUnparsableLineKeepsTheRestUnsorted) {
    TStringList input, output;
    input.Add(Zeile("1", "05.01.03", "10:00:00"));
    input.Add(Zeile("2", "01.01.03", "10:00:00"));
    input.Add(Zeile("3", "kaputt", "10:00:00"));
    input.Add(Zeile("4", "01.01.01", "10:00:00"));
    EXPECT_FALSE(Az::SortiereEreignisse(input, output));
    EXPECT_EQ(Nummern(output), (std::vector<AnsiString>{"2", "1", "3", "4"}));

    TStringList leer;
    EXPECT_TRUE(Az::SortiereEreignisse(leer, output));
    EXPECT_EQ(output.Count(), 0);
}

TEST(EreignisAdresse, PhysicalAddressTextAsWord) {
    struct TFall {
        const char *Text;
        uint16_t Wert;
    };
    const TFall faelle[] = {
        {"01.01.001", 0x1101}, {"01.02.005", 0x1205}, {"15.15.255", 0xFFFF},
        {"0.0.0", 0},          {"01.02.300", 0},      {"16.01.001", 0},
        {"01.16.001", 0},      {"01.02", 0},          {"", 0},
        {"a.1.1", 0},          {"1.1.-1", 0},         {"1..1", 0},
        {"1.1.1 ", 0},
    };
    for (const TFall &f : faelle)
        EXPECT_EQ(Az::MergeGrpAdrStringToWord(f.Text), f.Wert) << f.Text;
    EXPECT_EQ(Az::SwapWord(0x1234), 0x3412);
    const unsigned char leer[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const unsigned char fast[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE};
    EXPECT_FALSE(Az::CheckEreignisExist(leer, leer + 4));
    EXPECT_TRUE(Az::CheckEreignisExist(fast, fast + 4));
}

TEST(EreignisAdresse, PcClockText) {
    const TPcUhrFunktion alt = SetPcUhr([] { return TPcZeit{2026, 12, 31, 23, 59, 59}; });
    EXPECT_EQ(Az::GetPcDateTimeString(), "31.12.26 / 23:59:59 " + SprText(11382));
    SetPcUhr(alt);
}

// --- With a panel.

class Ereignis : public TPanelFixture {
protected:
    Ereignis() {
        FAlteUhr = SetPcUhr([] { return TPcZeit{2026, 12, 31, 23, 59, 59}; });
    }
    ~Ereignis() override { SetPcUhr(FAlteUhr); }

    AnsiString SsbText(int n) {
        auto *ssb = dynamic_cast<TAzScharfschaltBereich *>(
            Device->GetPointerInstScharfschaltBereich(static_cast<int16_t>(6131 + n)));
        return ssb ? ssb->GetTextScharfschaltBereich() : AnsiString();
    }
    std::vector<unsigned char> Bild() { return *Db().MemoryImage(Panel()); }
    void Bild(const std::vector<unsigned char> &image) { Db().SetMemoryImage(Panel(), image); }
    std::vector<std::vector<AnsiString>> Zeilen(size_t aufruf = 0) {
        std::vector<std::vector<AnsiString>> out;
        for (const AnsiString &line : Dienste.Dialoge.EreignisspeicherAufrufe.at(aufruf).Lines)
            out.push_back(Items(line));
        return out;
    }
    std::vector<std::string> Eib() {
        std::vector<std::string> out;
        for (const TEibAufruf &a : FEib)
            out.push_back(a.Call +
                          (a.First || a.Last
                               ? " " + std::to_string(a.First) + "-" + std::to_string(a.Last)
                               : "") +
                          (a.Result ? " !" : ""));
        return out;
    }
    void Beobachten() {
        Dienste.Project().Cdi().SetEibMonitor([this](const TEibAufruf &a) { FEib.push_back(a); });
    }

    std::vector<TEibAufruf> FEib;
    TPcUhrFunktion FAlteUhr;
};

TEST_F(Ereignis, AreasOfMemoryAPerVariantAtTheBlockEdges) {
    struct TFall {
        uint32_t Variante;
        std::array<int, 4> Bereiche; // at d-1, d, 2d, 3d
    };
    const TFall faelle[] = {
        {0x00000000, {0, 0, 0, 0}}, {0x11000000, {1, 1, 1, 1}}, {0x11000098, {1, 4, 4, 4}},
        {0x11004498, {1, 3, 4, 4}}, {0x110044CC, {1, 3, 4, 4}}, {0x11220000, {1, 2, 2, 2}},
        {0x11330000, {1, 2, 2, 2}}, {0x112200B8, {1, 2, 4, 4}}, {0x11224400, {1, 2, 3, 3}},
        {0x11224488, {1, 2, 3, 4}}, {0x113344CC, {1, 2, 3, 4}}, {0x12345678, {0, 0, 0, 0}},
    };
    TAzSystem *system = Root();
    ASSERT_NE(system, nullptr);
    const int d = system->GetEreignisspeichertiefe();
    for (const TFall &f : faelle) {
        system->SetParamVarianteAz(f.Variante);
        const int indizes[] = {d - 1, d, 2 * d, 3 * d};
        for (size_t i = 0; i < 4; ++i) {
            int bereich = -1;
            AnsiString text;
            Device->GetTextSsb(indizes[i], bereich, text);
            EXPECT_EQ(bereich, f.Bereiche[i]) << std::hex << f.Variante << " " << indizes[i];
            EXPECT_EQ(text, bereich == 0 ? AnsiString(" ") : SsbText(bereich));
        }
    }
}

TEST_F(Ereignis, VariantWithDepth160SplitsAt160) {
    Root()->SetParamVarianteAz(0x11330000);
    Root()->SetEreignisspeichertiefe(2);
    ASSERT_EQ(Root()->GetEreignisspeichertiefe(), 160);
    int bereich = 0;
    AnsiString text;
    Device->GetTextSsb(159, bereich, text);
    EXPECT_EQ(bereich, 1);
    EXPECT_EQ(text, SsbText(1));
    Device->GetTextSsb(160, bereich, text);
    EXPECT_EQ(bereich, 2);
    EXPECT_EQ(text, SsbText(2));
}

TEST_F(Ereignis, ParticipantIsTheDetectorOrTheWiredInput) {
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), Bereich(1), false, 3));
    TAzMelder *verdrahtet = Device->GetPointerVerdrahteterMelder();
    ASSERT_NE(verdrahtet, nullptr);
    EXPECT_EQ(Device->GetMeldertext(162), verdrahtet->GetMelderText());
    EXPECT_EQ(Device->GetMeldertext(0), "");
    EXPECT_EQ(Device->GetMeldertext(3), Device->GetPointerInstMelder(3)->GetMelderText());
    EXPECT_EQ(Device->GetMeldertext(150), "");
    EXPECT_EQ(Device->GetMeldertext(161), "");
}

TEST_F(Ereignis, DemoPanelGivesItsEightEventsInOrder) {
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), Bereich(1), false, 3));
    ASSERT_EQ(Root()->GetParamVarianteAz(), 0x11330000u);
    TCursorRecorder cursor;
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);

    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Dienste.Dialoge.Aufrufe,
              (std::vector<std::string>{"InfoEreignisspeicher 1", "InfoEreignisspeicher 0",
                                        "Ereignisspeicher 8"}));
    const auto &aufruf = Dienste.Dialoge.EreignisspeicherAufrufe.at(0);
    TDeviceInstanz::TDeviceEtsInfo info;
    Device->GetDeviceEtsInfo(info);
    EXPECT_EQ(aufruf.Label, info.ProductText + "[01.01.001]");
    EXPECT_EQ(aufruf.Title, SprText(11265) + ": Testprojekt, " + SprText(11083) + ": " +
                                info.ProductText + "[01.01.001]");
    EXPECT_EQ(aufruf.PcTime, "31.12.26 / 23:59:59 " + SprText(11382));
    EXPECT_EQ(aufruf.PanelTime, "24.05.26 / 12:34:56 " + SprText(11382));

    const AnsiString ssb1 = SsbText(1);
    const AnsiString melder3 = Device->GetPointerInstMelder(3)->GetMelderText();
    const AnsiString melder5 = Device->GetPointerInstMelder(5)->GetMelderText();
    ASSERT_FALSE(melder3.empty());
    using Z = std::vector<AnsiString>;
    const std::vector<Z> erwartet = {
        {"1", ssb1, SprText(11150), SprText(11142), "03.05.26", "07:58:12"},
        {"2", ssb1, SprText(11137), SprText(11142), "03.05.26", "18:02:40"},
        {"3", ssb1, SprText(11132), melder3, "04.05.26", "02:17:05"},
        {"4", ssb1, SprText(11124), " ", "04.05.26", "02:17:06"},
        {"5", ssb1, SprText(11150), SprText(11138), "04.05.26", "06:45:00"},
        {"6", ssb1, SprText(11135), " ", "10.05.26", "14:00:00"},
        {"7", SprText(11270), SprText(11147), melder5, "12.05.26", "09:30:00"},
        {"8", SprText(11271), SprText(11124), " ", "20.05.26", "21:15:30"},
    };
    EXPECT_EQ(Zeilen(), erwartet);
    // The hourglass while the bus is read, the cursor from before afterwards.
    ASSERT_FALSE(cursor.Cursors().empty());
    EXPECT_EQ(cursor.Cursors().front(), crHourGlass);
    EXPECT_EQ(GetScreenCursor(), crDefault);
}

TEST_F(Ereignis, FirstAndLastRecordsOfBothMemoriesAndTheirOrder) {
    std::vector<unsigned char> image = Bild();
    std::fill_n(image.begin() + TPanelMemory::kEventMemoryA, TPanelMemory::kEventCountA * 8, 0xFF);
    std::fill_n(image.begin() + TPanelMemory::kEventMemoryB, TPanelMemory::kEventCountB * 8, 0xFF);
    // Last of A (area 2 with depth 160) older than the first (area 1): areas keep their order.
    TPanelMemory::PutEvent(image, false, 0, {2, 1, 26, 10, 0, 0, 8, 2});
    TPanelMemory::PutEvent(image, false, 319, {1, 1, 26, 10, 0, 0, 0x95, 0});
    TPanelMemory::PutEvent(image, true, 0, {5, 1, 26, 11, 0, 0, 8, 7});
    TPanelMemory::PutEvent(image, true, 79, {32, 1, 26, 24, 0, 0, 8, 2});
    // Memory A's byte beyond its records is read and not shown.
    image[0xAD32] = 0x00;
    Bild(image);
    Root()->SetEreignisspeichertiefe(2);
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
    using Z = std::vector<AnsiString>;
    const std::vector<Z> erwartet = {
        {"1", SsbText(1), SprText(11137), SprText(11144), "02.01.26", "10:00:00"},
        {"2", SsbText(2), "Unknown event", " ", "01.01.26", "10:00:00"},
        {"3", SprText(11270), SprText(11137), SprText(11138), "05.01.26", "11:00:00"},
        {"4", SprText(11271), SprText(11137), "", "00.00.00", "00:00:00"},
    };
    EXPECT_EQ(Zeilen(), erwartet);
}

TEST_F(Ereignis, AreaZeroLinesComeFirstInRecordOrder) {
    std::vector<unsigned char> image = Bild();
    TPanelMemory::PutEvent(image, false, 7, {1, 1, 20, 0, 0, 0, 13, 0});
    Bild(image);
    Root()->SetParamVarianteAz(0);
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
    const auto zeilen = Zeilen();
    ASSERT_EQ(zeilen.size(), 9u);
    // Unsorted, in record order, with the area " ".
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(zeilen[i][1], " ") << i;
    EXPECT_EQ(zeilen[0][5], "07:58:12");
    EXPECT_EQ(zeilen[6][4], "01.01.20");
    EXPECT_EQ(zeilen[7][1], SprText(11270));
}

TEST_F(Ereignis, EmptyMemoryStillOpensTheDialog) {
    std::vector<unsigned char> image = Bild();
    std::fill_n(image.begin() + TPanelMemory::kEventMemoryA, TPanelMemory::kEventCountA * 8, 0xFF);
    std::fill_n(image.begin() + TPanelMemory::kEventMemoryB, TPanelMemory::kEventCountB * 8, 0xFF);
    Bild(image);
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
    ASSERT_EQ(Dienste.Dialoge.EreignisspeicherAufrufe.size(), 1u);
    const auto &aufruf = Dienste.Dialoge.EreignisspeicherAufrufe[0];
    EXPECT_TRUE(aufruf.Lines.empty());
    EXPECT_FALSE(aufruf.Title.empty());
    EXPECT_EQ(aufruf.PcTime, "31.12.26 / 23:59:59 " + SprText(11382));
    EXPECT_EQ(aufruf.PanelTime, "24.05.26 / 12:34:56 " + SprText(11382));
}

TEST_F(Ereignis, BusAccessReadsInBlocksAndRepeatsAFailedAttempt) {
    Dienste.Project().Database().InjectFailure("EibReadMemBlock", 2);
    Beobachten();
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Dienste.Dialoge.EreignisspeicherAufrufe.size(), 1u);
    const std::vector<std::string> fehlversuch = {"EibSetAddress", "EibStartComm",
                                                  "EibReadMemBlock 48824-48825 !", "EibStopComm"};
    std::vector<std::string> erwartet = fehlversuch;
    erwartet.insert(erwartet.end(), fehlversuch.begin(), fehlversuch.end());
    for (const char *c : {"EibSetAddress", "EibStartComm", "EibReadMemBlock 48824-48825",
                          "EibReadMemBlock 515-518", "EibReadMemBlock 512-515"})
        erwartet.push_back(c);
    // Memory A: 0xA332..0xAD32 in blocks of 255, the last one ending at 0xAD32.
    for (int von = 0xA332; von <= 0xAD32; von += 255)
        erwartet.push_back("EibReadMemBlock " + std::to_string(von) + "-" +
                           std::to_string(std::min(von + 254, 0xAD32)));
    for (int von = 0xB954; von <= 0xBBD3; von += 255)
        erwartet.push_back("EibReadMemBlock " + std::to_string(von) + "-" +
                           std::to_string(std::min(von + 254, 0xBBD3)));
    erwartet.push_back("EibStopComm");
    EXPECT_EQ(Eib(), erwartet);
}

TEST_F(Ereignis, FailuresAreReportedAfterThreeAttempts) {
    struct TFall {
        const char *Call;
        int Text;
    };
    const TFall faelle[] = {
        {"EibReadMemBlock", 11153}, {"EibStartComm", 11146}, {"EibSetAddress", 11146}};
    for (const TFall &f : faelle) {
        Boxes.Clear();
        Dienste.Dialoge.Aufrufe.clear();
        Dienste.Dialoge.EreignisspeicherAufrufe.clear();
        Db().InjectFailure(f.Call, 3);
        TCursorRecorder cursor;
        EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
        ASSERT_EQ(Boxes.Boxes().size(), 1u) << f.Call;
        EXPECT_EQ(Boxes.Boxes()[0].text, SprText(f.Text)) << f.Call;
        EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11139));
        EXPECT_EQ(Dienste.Dialoge.Aufrufe,
                  (std::vector<std::string>{"InfoEreignisspeicher 1", "InfoEreignisspeicher 0"}));
        EXPECT_EQ(GetScreenCursor(), crDefault);
        EXPECT_TRUE(Db().Failures().empty()) << f.Call;
    }
}

TEST_F(Ereignis, WithoutAnAddressNothingHappens) {
    Db().InjectFailure("DalGetLineData", 1);
    Beobachten();
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_TRUE(Dienste.Dialoge.Aufrufe.empty());
    EXPECT_TRUE(FEib.empty());
}

} // namespace
