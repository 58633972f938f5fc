// What every class of the detector inputs and areas, the system monitoring, date and time and
// the display folder does alike: record -> object -> record keeps every field, Einfuegen takes
// only a record of the object's own type, DatenAbgleich asks for the default name, and no grid
// is no grid.
#include "FakeMainWindow.h"
#include "objectmodel/TAzDatumUhrzeit.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzEibAlarmSystemSicherheit.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzSabotageKontakt.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "objectmodel/TAzSicherungsBereich.h"
#include "objectmodel/TAzSicherungsBereichFeuerUeberfall.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/objectbase/MainWindowMessages.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <string>

namespace {

struct KlassenCase {
    const char *name;
    std::function<std::unique_ptr<TDataBasis>(HWND)> make;
    int16_t typ;
    std::function<void(TDatenStruktur &)> felder; // the class's own fields, not default
};
void PrintTo(const KlassenCase &c, std::ostream *os) {
    *os << c.name;
}

template <class T> std::function<std::unique_ptr<TDataBasis>(HWND)> Make() {
    return [](HWND w) -> std::unique_ptr<TDataBasis> {
        return std::make_unique<T>(w, 1, 3, "Neu", 8);
    };
}

TDatenStruktur Satz(const KlassenCase &c) {
    TDatenStruktur rec;
    rec.Handle = 8;
    rec.Name = "Geladen";
    rec.Typ = c.typ;
    rec.Parent = 3;
    rec.System = 1;
    rec.Param1 = 4;
    if (c.felder)
        c.felder(rec);
    return rec;
}

const KlassenCase Klassen[] = {
    {"Melder", Make<TAzMelder>(), 6124,
     [](TDatenStruktur &r) {
         r.Param3 = 5;
         r.Param4 = 3;
         r.Param5 = 17;
         r.Param6 = 2;
         r.Param7 = -123456;
         r.Param8 = 5;
         r.Param9 = 160;
         r.Bool3 = false;
         r.String4 = "Keller";
     }},
    {"Sabotage", Make<TAzSabotageKontakt>(), 6126,
     [](TDatenStruktur &r) {
         r.Param3 = 2;
         r.Param4 = 3;
         r.Param5 = 6;
         r.Param6 = 99;
         r.Param7 = 1;
         r.Bool3 = false;
     }},
    {"Feuer", Make<TAzSicherungsBereichFeuer>(), 6123, nullptr},
    {"Ueberfall", Make<TAzSicherungsBereichUeberfall>(), 6125, nullptr},
    {"SB1", Make<TAzSicherungsBereich1>(), 6127, [](TDatenStruktur &r) { r.String4 = "Haus"; }},
    {"SB2", Make<TAzSicherungsBereich2>(), 6128, [](TDatenStruktur &r) { r.String4 = ""; }},
    {"SB3", Make<TAzSicherungsBereich3>(), 6129,
     [](TDatenStruktur &r) { r.String4 = "Ein sehr langer Bereichsname"; }},
    {"SB4", Make<TAzSicherungsBereich4>(), 6130, [](TDatenStruktur &r) { r.String4 = "Hof"; }},
    {"SSB1", Make<TAzScharfschaltBereich1>(), 6132, [](TDatenStruktur &r) { r.String4 = "Laden"; }},
    {"SSB2", Make<TAzScharfschaltBereich2>(), 6133,
     [](TDatenStruktur &r) { r.String4 = "Mehr als vierzehn Zeichen"; }},
    {"SSB3", Make<TAzScharfschaltBereich3>(), 6134, [](TDatenStruktur &r) { r.String4 = ""; }},
    {"SSB4", Make<TAzScharfschaltBereich4>(), 6135, [](TDatenStruktur &r) { r.String4 = "Lager"; }},
    {"Funktionsueberwachung", Make<TAzEibAlarmSystemSicherheit>(), 6145,
     [](TDatenStruktur &r) {
         r.Param3 = 20;
         r.Param4 = 60;
         r.Bool3 = true;
         r.Bool4 = true;
     }},
    {"VerhaltenUegR", Make<TAzVerhaltenDurchUegR>(), 6146,
     [](TDatenStruktur &r) {
         r.Bool3 = false;
         r.Bool4 = true;
         r.Bool5 = true;
         r.Bool6 = true;
         r.Param3 = 1;
     }},
    {"DatumUhrzeit", Make<TAzDatumUhrzeit>(), 6147,
     [](TDatenStruktur &r) {
         r.Bool3 = false;
         r.Bool4 = false;
         r.Param3 = -2;
         r.Param4 = 12;
     }},
    {"OrdnerAnzeige", Make<TAzOrdnerAnzeige>(), 6142, [](TDatenStruktur &r) { r.Param3 = 0x3F; }},
};

class KlassenTest : public ::testing::TestWithParam<KlassenCase> {};

TEST_P(KlassenTest, RecordObjectRecordKeepsEveryField) {
    const KlassenCase &c = GetParam();
    TFakeMainWindow main;
    const auto object = c.make(main.Handle());
    TDatenStruktur rec = Satz(c);
    object->InitFromDB(rec);
    TDatenStruktur out;
    object->Write(out);
    EXPECT_EQ(out.GetDatensatzZeile(), rec.GetDatensatzZeile());
    EXPECT_EQ(object->GetTyp(), c.typ);
}

TEST_P(KlassenTest, EinfuegenTakesOnlyARecordOfItsOwnType) {
    const KlassenCase &c = GetParam();
    TFakeMainWindow main;
    const auto object = c.make(main.Handle());
    TDatenStruktur vorher;
    object->Write(vorher);

    TDatenStruktur fremd = Satz(c);
    fremd.Typ = 2;
    std::map<int, TDatenStruktur> ohne{{1, fremd}};
    EXPECT_FALSE(object->Einfuegen(ohne));
    TDatenStruktur danach;
    object->Write(danach);
    EXPECT_EQ(danach.GetDatensatzZeile(), vorher.GetDatensatzZeile());

    TDatenStruktur kopie = Satz(c);
    kopie.Handle = 99;
    kopie.Name = "Kopie";
    std::map<int, TDatenStruktur> mit{{1, fremd}, {2, kopie}};
    EXPECT_TRUE(object->Einfuegen(mit));
    object->Write(danach);
    // The copy's fields, the object's own place.
    TDatenStruktur soll = kopie;
    soll.Handle = 8;
    soll.Name = "Neu";
    soll.Param1 = 0;
    EXPECT_EQ(danach.GetDatensatzZeile(), soll.GetDatensatzZeile());
}

TEST_P(KlassenTest, DatenAbgleichAsksForTheDefaultName) {
    const KlassenCase &c = GetParam();
    TFakeMainWindow main;
    const auto object = c.make(main.Handle());
    main.Script(WM_AZ_DEVICE_REQUEST_2, [](RDeviceRequest &r) {
        *r.Text = "Vorgabe";
        return LRESULT(1);
    });
    EXPECT_TRUE(object->DatenAbgleich(true, true));
    TDatenStruktur rec;
    object->Write(rec);
    EXPECT_EQ(rec.Name, "Vorgabe");
    main.Script(WM_AZ_DEVICE_REQUEST_2, LRESULT(0));
    EXPECT_FALSE(object->DatenAbgleich(true, true));
    const auto requests = main.Requests(WM_AZ_DEVICE_REQUEST_2);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Code, AzRequest::DefaultName);
    EXPECT_EQ(requests[0].Sender, object.get());
    EXPECT_EQ(requests[0].Handle, 8);
}

TEST_P(KlassenTest, NoDropNoChild) {
    const KlassenCase &c = GetParam();
    TFakeMainWindow main;
    const auto object = c.make(main.Handle());
    const auto other = c.make(main.Handle());
    EXPECT_FALSE(object->AllowDrop(other.get()));
    EXPECT_FALSE(object->AllowDrop(nullptr));
    EXPECT_FALSE(object->AllowChild(c.typ));
    object->Drop(other.get());
    EXPECT_TRUE(main.Log().empty());
}

TEST_P(KlassenTest, WithoutAGridBuildInfoWindowDoesNothing) {
    const KlassenCase &c = GetParam();
    TFakeMainWindow main;
    const auto object = c.make(main.Handle());
    object->BuildInfoWindow(nullptr, nullptr, false, 1, 1);
    DeliverPostedMessages();
    EXPECT_TRUE(main.Log().empty()) << "not even the cell is activated";
}

INSTANTIATE_TEST_SUITE_P(Alle, KlassenTest, ::testing::ValuesIn(Klassen),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AzByteFelder, ByteFieldsTakeTheLowByteAndAreWrittenSignExtended) {
    TFakeMainWindow main;
    TAzMelder melder(main.Handle(), 1, 3, "", 8);
    TDatenStruktur rec;
    melder.Write(rec);
    rec.Param3 = 0x102;   // input type 2
    rec.Param4 = 0x1FF;   // -1
    rec.Param6 = 0x7FF01; // type 1
    melder.InitFromDB(rec);
    EXPECT_EQ(melder.GetMelderArt(), 2);
    EXPECT_EQ(melder.GetSicherungsBereichMelder(), -1);
    EXPECT_EQ(melder.GetMelderTyp(), 1);
    TDatenStruktur out;
    melder.Write(out);
    EXPECT_EQ(out.Param3, 2);
    EXPECT_EQ(out.Param4, -1);
    EXPECT_EQ(out.Param6, 1);

    TAzSabotageKontakt kontakt(main.Handle(), 1, 3, "", 9);
    kontakt.Write(rec);
    rec.Param3 = 0x2FE;   // -2
    rec.Param6 = 0x12345; // the text index is an int32, taken whole
    kontakt.InitFromDB(rec);
    kontakt.Write(out);
    EXPECT_EQ(out.Param3, -2);
    EXPECT_EQ(out.Param6, 0x12345);
}

TEST(AzEditierbareTexteKlasse, EinfuegenTakesTheRecordButNotTheChain) {
    TFakeMainWindow main;
    TAzEditierbareTexte texte(main.Handle(), 1, 3, "", 8);
    TDatenStruktur kopie;
    kopie.Typ = 6121;
    kopie.Handle = 99;
    kopie.Next = 500; // the copy's chain is not followed
    std::map<int, TDatenStruktur> ohne{{1, TDatenStruktur{}}};
    EXPECT_FALSE(texte.Einfuegen(ohne));
    std::map<int, TDatenStruktur> mit{{1, kopie}};
    EXPECT_TRUE(texte.Einfuegen(mit));
    EXPECT_TRUE(main.Log().empty());
    EXPECT_EQ(texte.Texte().at(0).Text, "Initialisiere");
}

} // namespace
