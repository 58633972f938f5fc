// Setting the panel's clock over the simulated bus: what lands in the panel's memory, where
// the pointers say, and how failures are retried and reported.
#include "PanelBaumTest.h"

#include "deviceinstance/PcUhr.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TPanelMemory.h"
#include "platform/win/CursorHourGlass.h"

#include <algorithm>
#include <vector>

namespace {

class Uhr : public TPanelFixture {
protected:
    Uhr() {
        FAlteUhr = SetPcUhr([this] {
            ++Abfragen;
            return TPcZeit{2026, 12, 31, 23, 59, 59};
        });
        Dienste.Project().Cdi().SetEibMonitor([this](const TEibAufruf &a) { Eib.push_back(a); });
    }
    ~Uhr() override { SetPcUhr(FAlteUhr); }

    std::vector<unsigned char> Bild() { return *Db().MemoryImage(Panel()); }
    void Zeiger(uint16_t zelle, uint16_t wert) {
        std::vector<unsigned char> image = Bild();
        image[zelle] = static_cast<unsigned char>(wert >> 8);
        image[zelle + 1] = static_cast<unsigned char>(wert & 0xFF);
        Db().SetMemoryImage(Panel(), image);
    }
    std::vector<unsigned char> Zellen(uint16_t von, int n) {
        const std::vector<unsigned char> image = Bild();
        return {image.begin() + von, image.begin() + von + n};
    }
    // The writes made, as "first-last" with "!" for a failed one.
    std::vector<std::string> Schreibzugriffe() {
        std::vector<std::string> out;
        for (const TEibAufruf &a : Eib)
            if (a.Call == "EibWriteMemBlock")
                out.push_back(std::to_string(a.First) + "-" + std::to_string(a.Last) +
                              (a.Result ? "!" : ""));
        return out;
    }

    int Abfragen = 0;
    std::vector<TEibAufruf> Eib;
    TPcUhrFunktion FAlteUhr;
};

using Bytes = std::vector<unsigned char>;

TEST_F(Uhr, WritesTimeDateAndFlagsWhereThePointersSay) {
    TCursorRecorder cursor;
    EXPECT_EQ(Device->DownloadAzHwDateTime(), 1);
    constexpr uint16_t T = TPanelMemory::kClock, D = TPanelMemory::kDate, B = TPanelMemory::kBase;
    EXPECT_EQ(Zellen(T, 3), (Bytes{23, 59, 59}));
    EXPECT_EQ(Zellen(D, 3), (Bytes{31, 12, 26}));
    EXPECT_EQ(Zellen(B + 0xDF, 2), (Bytes{0x10, 0x10}));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11078));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11076));
    EXPECT_EQ(Schreibzugriffe(), (std::vector<std::string>{
                                     std::to_string(T) + "-" + std::to_string(T + 2),
                                     std::to_string(B + 0xDF) + "-" + std::to_string(B + 0xDF),
                                     std::to_string(D) + "-" + std::to_string(D + 2),
                                     std::to_string(B + 0xE0) + "-" + std::to_string(B + 0xE0)}));
    EXPECT_EQ(GetScreenCursor(), crDefault);
    ASSERT_FALSE(cursor.Cursors().empty());
    EXPECT_EQ(cursor.Cursors().front(), crHourGlass);

    // The read-out shows the new time and the date it kept at the clock's own cells.
    Boxes.Clear();
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
    ASSERT_EQ(Dienste.Dialoge.EreignisspeicherAufrufe.size(), 1u);
    EXPECT_EQ(Dienste.Dialoge.EreignisspeicherAufrufe[0].PanelTime,
              "24.05.26 / 23:59:59 " + SprText(11382));
}

TEST_F(Uhr, APointerOf1234WritesThere) {
    Zeiger(TPanelMemory::kTimePointer, 0x1234);
    EXPECT_EQ(Device->DownloadAzHwDateTime(), 1);
    EXPECT_EQ(Zellen(0x1234, 3), (Bytes{23, 59, 59}));
    EXPECT_EQ(Zellen(TPanelMemory::kClock, 3), (Bytes{12, 34, 56}));
}

TEST_F(Uhr, ARetryWritesTheValuesTakenBeforeTheFirstAttempt) {
    Db().InjectFailure("EibWriteMemBlock", 1);
    EXPECT_EQ(Device->DownloadAzHwDateTime(), 1);
    EXPECT_EQ(Abfragen, 1);
    EXPECT_EQ(Zellen(TPanelMemory::kClock, 3), (Bytes{23, 59, 59}));
    EXPECT_EQ(Zellen(TPanelMemory::kDate, 3), (Bytes{31, 12, 26}));
    EXPECT_EQ(Schreibzugriffe().size(), 5u);
    EXPECT_EQ(Boxes.Boxes().at(0).text, SprText(11078));
}

TEST_F(Uhr, ADateWriteThatAlwaysFailsGivesTheErrorBox) {
    Zeiger(TPanelMemory::kDatePointer, 0xFFFE);
    EXPECT_EQ(Device->DownloadAzHwDateTime(), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11077));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11076));
    const std::vector<std::string> schreiben = Schreibzugriffe();
    const std::string zeit =
        std::to_string(TPanelMemory::kClock) + "-" + std::to_string(TPanelMemory::kClock + 2);
    const std::string flagge = std::to_string(TPanelMemory::kBase + 0xDF) + "-" +
                               std::to_string(TPanelMemory::kBase + 0xDF);
    EXPECT_EQ(std::count(schreiben.begin(), schreiben.end(), zeit), 3);
    EXPECT_EQ(std::count(schreiben.begin(), schreiben.end(), flagge), 3);
    EXPECT_EQ(std::count(schreiben.begin(), schreiben.end(), "65534-0!"), 3);
    EXPECT_EQ(schreiben.size(), 9u);
    EXPECT_EQ(Abfragen, 1);
}

TEST_F(Uhr, WithoutAnAddressNothingHappens) {
    Db().InjectFailure("DalGetAreaData", 1);
    EXPECT_EQ(Device->DownloadAzHwDateTime(), 0);
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_TRUE(Eib.empty());
}

TEST_F(Uhr, APanelOffTheBusFailsAfterThreeAttempts) {
    Db().RemoveMemoryImage(Panel());
    EXPECT_EQ(Device->DownloadAzHwDateTime(), 0);
    EXPECT_EQ(Boxes.Boxes().at(0).text, SprText(11077));
    EXPECT_EQ(std::count_if(Eib.begin(), Eib.end(),
                            [](const TEibAufruf &a) { return a.Call == "EibStopComm"; }),
              3);
}

} // namespace
