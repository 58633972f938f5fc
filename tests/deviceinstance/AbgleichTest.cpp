// The alignment pass: the state it rebuilds from the objects is the state the operations keep
// step by step; a second pass gives the same again; after a load every selector object can
// write its parameters.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"

namespace {

// What the instance keeps beside its objects.
struct TZustand {
    int Anzahl;
    std::list<int> Nummern;
    std::list<int> GrpAdr;
    std::array<std::list<int>, 4> Sabo;
    std::array<std::list<int>, 4> Adressen;
    std::array<bool, 4> Quittierung;
    std::array<bool, 4> Alarmierung;
    std::array<AnsiString, 4> Status;
    bool operator==(const TZustand &) const = default;
};

class Abgleich : public TPanelFixture {
protected:
    TZustand Zustand() {
        TZustand z{};
        z.Anzahl = Device->GetAnzahlMelder();
        z.Nummern = Device->GetMelderNrUsed();
        Device->GetGrpAdrUsedFromMelder(z.GrpAdr);
        z.GrpAdr.sort();
        for (int n = 1; n <= 4; ++n) {
            const auto i = static_cast<size_t>(n - 1);
            z.Sabo[i] = Device->GetSaboMelder(n);
            z.Adressen[i] = Device->GetPhysAdrUsed(n);
            z.Quittierung[i] = Device->GetQuittierungUeg(n);
            z.Alarmierung[i] = Device->GetAlarmierungUeg(n);
        }
        z.Status = Dienste.StatusPanels();
        return z;
    }
    void SchalteinrichtungSetzen(int bereich, int32_t adresse) {
        TAzScharfschaltungSsb *ssb = Device->GetPointerInstScharfschaltungSsb(bereich);
        TDatenStruktur *record = Device->GetDatenSatz(ssb);
        const int32_t alt = record->Param5;
        record->Param5 = adresse;
        ssb->InitFromDB(*record);
        RDeviceRequest r(*ssb, AzRequest::PhysAdrSeErsetzen);
        r.Wert = bereich;
        r.Wert2 = adresse;
        r.Wert3 = alt;
        EXPECT_EQ(Device->UserDeviceMessage(0, &r), 1);
    }
    void Flagge(int typ, uint8_t code, int wert, bool an) {
        RDeviceRequest r(*Erstes(typ), code);
        r.Wert = wert;
        r.Wert4 = an ? 1 : 0;
        EXPECT_EQ(Device->UserDeviceMessage(0, &r), 1);
    }
};

TEST_F(Abgleich, AFreshPassGivesTheStateKeptStepByStep) {
    const HWND w = Dienste.GetHandle();
    // Detectors added and deleted, sabotage inputs set and cleared, an area dropped and added.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Device->CreateAzMelder(w, Bereich(1), true, 3));
    ASSERT_TRUE(Device->CreateAzMelder(w, Bereich(2), true, 4));
    ASSERT_TRUE(Device->DeleteAzMelder(Device->GetPointerInstMelder(6)));
    AlsSabotageEingang(Device->GetPointerInstMelder(5), 1);
    AlsSabotageEingang(Device->GetPointerInstMelder(7), 1);
    AlsSabotageEingang(Device->GetPointerInstMelder(8), 2);
    {
        RDeviceRequest r(*Device->GetPointerInstMelder(7), AzRequest::SaboSeLoeschen);
        r.Wert = 7;
        r.Wert2 = 1;
        EXPECT_EQ(Device->UserDeviceMessage(0, &r), 1);
        TDatenStruktur record;
        Device->GetPointerInstMelder(7)->Write(record);
        record.Param3 = TAzMelder::eMelderVerzoegert;
        Device->GetPointerInstMelder(7)->InitFromDB(record);
        Device->GetPointerInstMelder(7)->WriteDatensatz();
    }
    SchalteinrichtungSetzen(1, 0x1105);
    SchalteinrichtungSetzen(2, 0x1107);
    Flagge(6137, AzRequest::UegScharfSetzen, 2, true);
    Flagge(6138, AzRequest::UegEinbruchSetzen, 3, true);
    ASSERT_EQ(VarianteAnwenden(0x11000000), 1);
    ASSERT_EQ(VarianteAnwenden(0x11330000), 1);
    SchalteinrichtungSetzen(1, 0x1109);
    // The flags follow their objects' own settings (the objects send them when they change).
    for (TAzScharfUnscharfQuittierungSsb *q : Alle<TAzScharfUnscharfQuittierungSsb>(6137))
        Flagge(6137, AzRequest::UegScharfSetzen, q->GetScharfschaltBereich(),
               q->GetStatusSignUegScharf());
    for (TAzAlarmierung *a : Alle<TAzAlarmierung>(6138)) {
        TAzAlarmierung::TEnumAlarmierungTyp t{};
        if (a->GetAlarmierungTyp(t) >= 3)
            Flagge(6138, AzRequest::UegEinbruchSetzen, t, a->GetStatusAlarmierungUegEinbruch());
    }

    const TZustand schritt = Zustand();
    EXPECT_EQ(schritt.Sabo[0], (std::list<int>{5}));
    EXPECT_EQ(schritt.Adressen[0], (std::list<int>{0x1109}));
    EXPECT_TRUE(schritt.Sabo[1].empty()) << "area 2 was dropped with its detectors";
    ASSERT_TRUE(Device->DatenAbgleich(true, false));
    EXPECT_EQ(Zustand(), schritt);
    // A second pass (an import) neither repeats nor keeps anything.
    ASSERT_TRUE(Device->DatenAbgleich(true, false));
    EXPECT_EQ(Zustand(), schritt);
}

TEST_F(Abgleich, TwoSabotageInputsOfOneNumberAppearOnce) {
    for (TAzMelder *m : {Device->GetPointerInstMelder(4), Device->GetPointerInstMelder(3)}) {
        TDatenStruktur record;
        m->Write(record);
        record.Param3 = TAzMelder::eSabotageSchalteinrichtung;
        record.Param8 = T_DB_EnumAzMelder::eMelderSb2; // area code 4: arming area 2
        record.Param9 = 9;
        m->InitFromDB(record);
    }
    ASSERT_TRUE(Device->DatenAbgleich(true, false));
    EXPECT_EQ(Device->GetSaboMelder(2), (std::list<int>{9}));
    EXPECT_EQ(Device->GetMelderNrUsed(), (std::list<int>{1, 2, 9, 9}));
}

TEST_F(Abgleich, ADetectorWithoutItsBusObjectStopsThePass) {
    TAzMelder *m = Device->GetPointerInstMelder(3);
    Device->DeletePointerFromList(Device->FindHandle(Device->GetFirstChild(m)));
    EXPECT_FALSE(Device->DatenAbgleich(true, false));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Object not found.\nAbort function");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Error: TDeviceInstanzAz::DatenAbgleich");
}

class LeeresPanel : public TDeviceFixture {};

TEST_F(LeeresPanel, WithoutDetectorsTheCountAndListsAreEmpty) {
    ASSERT_TRUE(Laden(Block(Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n")));
    ASSERT_TRUE(Device->DatenAbgleich(true, false));
    EXPECT_EQ(Device->GetAnzahlMelder(), 0);
    EXPECT_TRUE(Device->GetMelderNrUsed().empty());
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(Device->GetSaboMelder(n).empty());
}

// The panel stored and loaded again, as the bus tool hands it to a new instance.
class GeladenesPanel : public TPanelFixture {
protected:
    void NeuLaden() {
        ASSERT_TRUE(Device->WriteBlob());
        const DAL_DEVICE record = Dienste.PanelRecord();
        Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
        Dienste.SetDevice(Device.get());
        ASSERT_TRUE(Device->GetDataFromServer(0, false));
    }
};

TEST_F(GeladenesPanel, EverySelectorObjectWritesItsParameters) {
    NeuLaden();
    struct TFall {
        int Typ;
        std::function<bool(TDataBasis &)> Schreiben;
    };
    const TFall faelle[] = {
        {6136,
         [](TDataBasis &o) { return dynamic_cast<TAzScharfschaltungSsb &>(o).WriteDataToDb(); }},
        {6137,
         [](TDataBasis &o) {
             return dynamic_cast<TAzScharfUnscharfQuittierungSsb &>(o).WriteDataToDb();
         }},
        {6138, [](TDataBasis &o) { return dynamic_cast<TAzAlarmierung &>(o).WriteDataToDb(); }},
        {6143, [](TDataBasis &o) { return dynamic_cast<TAzAnzeige &>(o).WriteDataToDb(); }},
        {6146,
         [](TDataBasis &o) { return dynamic_cast<TAzVerhaltenDurchUegR &>(o).WriteDataToDb(); }},
    };
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(fall.Typ);
        const auto all = Alle(fall.Typ);
        ASSERT_FALSE(all.empty());
        for (TDataBasis *o : all)
            EXPECT_TRUE(fall.Schreiben(*o)) << o->GetName(true);
    }
    EXPECT_TRUE(Boxes.Boxes().empty());
    // The loaded wired input follows the panel's variant.
    EXPECT_EQ(Device->GetPointerVerdrahteterMelder()->GetVarianteAz(),
              Root()->GetParamVarianteAz());
    EXPECT_EQ(Device->GetAnzahlMelder(), 5);
    EXPECT_EQ(Device->GetMelderNrUsed(), (std::list<int>{1, 2, 3, 4}));
}

// A detector stored with a kind that has no standard name still belongs to the panel: it is
// counted, its number is taken and its input's group address stays its own.
TEST_F(GeladenesPanel, ADetectorOfAnUnknownKindKeepsItsNumberAndAddress) {
    const int32_t adresse = Db().AddGroupAddress(1, 0, 7, "Melder 4");
    ASSERT_TRUE(Device->GetGrpAdrFromServer());
    TAzMelder *melder = Device->GetPointerInstMelder(4);
    ASSERT_NE(melder, nullptr);
    TDataBasis *eingang = Device->FindHandle(Device->GetFirstChild(melder));
    ASSERT_NE(eingang, nullptr);
    ASSERT_TRUE(Device->LinkToSubGroup(adresse, eingang->GetHandle(), true));
    TDatenStruktur *record = Device->GetDatenSatz(melder);
    const AnsiString name = record->Name;
    record->Param8 = 9;

    NeuLaden();
    melder = Device->GetPointerInstMelder(4);
    ASSERT_NE(melder, nullptr);
    EXPECT_EQ(melder->GetMelderBereich(), 9);
    EXPECT_EQ(RecordName(melder), name) << "the stored name stays";
    EXPECT_EQ(Device->GetAnzahlMelder(), 5);
    EXPECT_EQ(Device->GetMelderNrUsed(), (std::list<int>{1, 2, 3, 4}));
    EXPECT_EQ(Dienste.StatusPanels()[2], "4");
    ASSERT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), Bereich(1), true, 3));
    EXPECT_EQ(Device->GetMelderNrUsed(), (std::list<int>{1, 2, 3, 4, 5})) << "4 is taken";
    EXPECT_EQ(MelderNummern(), (std::vector<int>{0, 1, 2, 3, 4, 5})) << "the wired input: 0";
    Boxes.Clear();
    EXPECT_EQ(Device->CheckGrpAddrUsedFromMelder("1/0/7", 3), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11094));
}

} // namespace
