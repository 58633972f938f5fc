// The panel objects' requests to the device instance (messages 1133 and 1161), each pair with
// what it changes and answers, refusals included; the dialogs answered OK and Cancel.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "platform/busobjects/TSubGroupObjekt.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/TStringList.h"

#include <algorithm>
#include <functional>

namespace {

class Anfragen : public TPanelFixture {
protected:
    TAzMelder *Melder3() { return Device->GetPointerInstMelder(3); }
    TAzScharfschaltungSsb *Ssb1() { return Device->GetPointerInstScharfschaltungSsb(1); }
    TAzAnzeige *Anzeige(int index) { return Device->GetPointerInstAnzeige(Erstes(6142), index); }
    // The request as its sender sends it, through the main window.
    int Senden(RDeviceRequest &r, UINT msg = WM_AZ_DEVICE_REQUEST) {
        return static_cast<int>(r.Send(msg));
    }
    void SchalteinrichtungSetzen(int32_t adresse) {
        TDatenStruktur *record = Device->GetDatenSatz(Ssb1());
        record->Param5 = adresse;
        Ssb1()->InitFromDB(*record);
    }
    // Group address 3/1/1 with the arming input of area 1 (object 162) linked to it: its node.
    TDataBasis *Untergruppe() {
        if (FUntergruppe == 0) {
            FUntergruppe = Db().AddGroupAddress(3, 1, 1, "Scharf");
            TEtsObjekt *eingang = Device->GetObjectFromObjectNr(162);
            EXPECT_TRUE(eingang &&
                        Device->LinkToSubGroup(FUntergruppe, eingang->GetHandle(), true));
        }
        TDataBasis *node = nullptr;
        EXPECT_TRUE(Device->GetGrpAdrDataPointer(FUntergruppe, node));
        return node;
    }
    // A sub group that the project does not know.
    TVumaGrpAdrSub Fremd{Dienste.GetHandle(), 0, 0, "Fremd", 1, nullptr};

private:
    int32_t FUntergruppe = 0;
};

struct TFall {
    const char *Name;
    std::function<TDataBasis *()> Sender;
    uint8_t Code;
    std::function<void(RDeviceRequest &)> Fuellen;
    int Ergebnis;
    std::function<void(RDeviceRequest &)> Pruefen;
    UINT Msg = WM_AZ_DEVICE_REQUEST;
};

TEST_F(Anfragen, EveryPairAnswersAndChangesWhatItShould) {
    auto sender = [this](int typ) {
        return [this, typ]() { return Device->GetPointerInstScharfschaltBereich(typ); };
    };
    auto melder = [this](int n) {
        return [this, n]() -> TDataBasis * { return Device->GetPointerInstMelder(n); };
    };
    auto anzeige = [this](int index) {
        return [this, index]() -> TDataBasis * { return Anzeige(index); };
    };
    auto ssb1 = [this]() -> TDataBasis * { return Ssb1(); };
    auto untergruppe = [this]() { return Untergruppe(); };
    auto fremd = [this]() -> TDataBasis * { return &Fremd; };
    auto nichts = [](RDeviceRequest &) {};
    auto keinePruefung = [](RDeviceRequest &) {};
    static TStringList liste;
    static std::list<TEtsObjekt *> objekte;
    static std::list<TSubGroupObjekt> zeilen;
    auto nummern = [] {
        std::vector<long> out;
        for (const TEtsObjekt *o : objekte)
            out.push_back(o->GetObjectNumber());
        std::sort(out.begin(), out.end());
        return out;
    };
    // The clock's two bus objects switched on; then value 1 of its parameter is asked for.
    auto uhrObjekte = [this](RDeviceRequest &r) {
        EXPECT_TRUE(Erstes(6147)->ModifyObject(1, 8000, 0, true));
        objekte.clear();
        r.Wert = 1;
        r.Wert2 = 8000;
        r.EtsObjekte = &objekte;
    };
    auto zeilenFuellen = [](RDeviceRequest &r) {
        zeilen.clear();
        r.SubGroupObjekte = &zeilen;
    };
    constexpr UINT zwei = WM_AZ_DEVICE_REQUEST_2;

    const std::vector<TFall> faelle = {
        {"text used", sender(6121), AzRequest::MelderTextBenutzt,
         [&](RDeviceRequest &r) { r.Wert = Device->GetPointerInstMelder(1)->GetIndexMelderText(); },
         1, keinePruefung},
        {"text unused", sender(6121), AzRequest::MelderTextBenutzt,
         [](RDeviceRequest &r) { r.Wert = 4711; }, 0, keinePruefung},
        {"text list to the detectors", sender(6121), AzRequest::MelderTextListeSetzen,
         [](RDeviceRequest &r) { r.Liste = &liste; }, 1, keinePruefung},
        {"text list without a list", sender(6121), AzRequest::MelderTextListeSetzen, nichts, 0,
         keinePruefung},
        {"a detector's text list", melder(3), AzRequest::MelderTextListe,
         [](RDeviceRequest &r) {
             liste.Clear();
             liste.Add("alt");
             r.Liste = &liste;
         },
         1,
         [](RDeviceRequest &) {
             EXPECT_EQ(liste.Count(), 0) << "the texts object's list replaces it";
         }},
        {"a detector's text list without a list", melder(3), AzRequest::MelderTextListe, nichts, 0,
         keinePruefung},
        {"sabotage input set", melder(3), AzRequest::SaboSeAnmelden,
         [](RDeviceRequest &r) {
             r.Wert = 3;
             r.Wert2 = 1;
         },
         1, [&](RDeviceRequest &) { EXPECT_EQ(Device->GetSaboMelder(1), (std::list<int>{3})); }},
        {"sabotage input of area 5", melder(3), AzRequest::SaboSeAnmelden,
         [](RDeviceRequest &r) {
             r.Wert = 3;
             r.Wert2 = 5;
         },
         0, keinePruefung},
        {"sabotage linked? not linked", melder(3), AzRequest::SaboSeZugeordnet,
         [](RDeviceRequest &r) {
             r.Wert = 3;
             r.Wert2 = 1;
         },
         0, keinePruefung},
        {"sabotage linked? area without arming settings", melder(3), AzRequest::SaboSeZugeordnet,
         [](RDeviceRequest &r) {
             r.Wert = 3;
             r.Wert2 = 3;
         },
         0, keinePruefung},
        {"sabotage input cleared", melder(3), AzRequest::SaboSeLoeschen,
         [](RDeviceRequest &r) {
             r.Wert = 3;
             r.Wert2 = 1;
         },
         1, [&](RDeviceRequest &) { EXPECT_TRUE(Device->GetSaboMelder(1).empty()); }},
        {"sabotage input cleared again", melder(3), AzRequest::SaboSeLoeschen,
         [](RDeviceRequest &r) {
             r.Wert = 3;
             r.Wert2 = 1;
         },
         0, keinePruefung},
        {"sabotage list to the arming settings", ssb1, AzRequest::SaboMelderListe,
         [](RDeviceRequest &r) { r.Wert = 1; }, 0, keinePruefung},
        {"address replaced", ssb1, AzRequest::PhysAdrSeErsetzen,
         [](RDeviceRequest &r) {
             r.Wert = 1;
             r.Wert2 = 0x1105;
         },
         1,
         [&](RDeviceRequest &) { EXPECT_EQ(Device->GetPhysAdrUsed(1), (std::list<int>{0x1105})); }},
        {"address of area 0", ssb1, AzRequest::PhysAdrSeErsetzen,
         [](RDeviceRequest &r) { r.Wert2 = 0x1106; }, 0, keinePruefung},
        {"signalling of area 1 on", sender(6137), AzRequest::UegScharfSetzen,
         [](RDeviceRequest &r) {
             r.Wert = 1;
             r.Wert4 = 0x101;
         },
         1, [&](RDeviceRequest &) { EXPECT_TRUE(Device->GetQuittierungUeg(1)); }},
        {"signalling of area 2 off", sender(6137), AzRequest::UegScharfSetzen,
         [](RDeviceRequest &r) {
             r.Wert = 2;
             r.Wert4 = 0x100; // only the low byte counts
         },
         1, [&](RDeviceRequest &) { EXPECT_FALSE(Device->GetQuittierungUeg(2)); }},
        {"signalling of area 5", sender(6137), AzRequest::UegScharfSetzen,
         [](RDeviceRequest &r) {
             r.Wert = 5;
             r.Wert4 = 1;
         },
         0, keinePruefung},
        {"signalling text", sender(6137), AzRequest::UegScharfText, nichts, 1,
         [](RDeviceRequest &r) { EXPECT_EQ(r.Text2, SprText(11282)); }},
        {"burglary of area 2 on", sender(6138), AzRequest::UegEinbruchSetzen,
         [](RDeviceRequest &r) {
             r.Wert = 4;
             r.Wert4 = 1;
         },
         1, [&](RDeviceRequest &) { EXPECT_TRUE(Device->GetAlarmierungUeg(2)); }},
        {"burglary of area 1 off", sender(6138), AzRequest::UegEinbruchSetzen,
         [](RDeviceRequest &r) { r.Wert = 3; }, 1,
         [&](RDeviceRequest &) { EXPECT_FALSE(Device->GetAlarmierungUeg(1)); }},
        {"burglary of the fire alarm", sender(6138), AzRequest::UegEinbruchSetzen,
         [](RDeviceRequest &r) {
             r.Wert = 0;
             r.Wert4 = 1;
         },
         0, keinePruefung},
        {"burglary text", sender(6138), AzRequest::UegEinbruchText, nichts, 1,
         [](RDeviceRequest &r) { EXPECT_EQ(r.Text2, SprText(11283)); }},
        {"display 4 off", anzeige(3), AzRequest::AnzeigeSchalten,
         [](RDeviceRequest &r) { r.Wert2 = 3; }, 1,
         [&](RDeviceRequest &) { EXPECT_EQ(Parameter(6400), 0); }},
        {"display 4 on", anzeige(3), AzRequest::AnzeigeSchalten,
         [](RDeviceRequest &r) {
             r.Wert = 1;
             r.Wert2 = 3;
         },
         1, [&](RDeviceRequest &) { EXPECT_EQ(Parameter(6400), 1); }},
        {"display 5", anzeige(3), AzRequest::AnzeigeSchalten,
         [](RDeviceRequest &r) {
             r.Wert = 1;
             r.Wert2 = 4;
         },
         0, keinePruefung},
        {"display areas to the folder", anzeige(1), AzRequest::AnzeigeQuittierungMelder,
         [](RDeviceRequest &r) {
             r.Wert = 0;
             r.Wert2 = 1;
         },
         0, keinePruefung},
        {"monitoring on", sender(6145), AzRequest::FunktionsUeberwachung,
         [](RDeviceRequest &r) { r.Wert = 1; }, 0,
         [&](RDeviceRequest &) {
             EXPECT_EQ(Parameter(7150), 1);
             TEtsObjekt *o = Device->GetObjectFromObjectNr(215);
             ASSERT_NE(o, nullptr) << "object 215 is display 3's";
             EXPECT_NE(o->GetNumberSelectableGrpAdr(), 1) << "another folder's object is free";
         }},
        {"monitoring off", sender(6145), AzRequest::FunktionsUeberwachung, nichts, 0,
         [&](RDeviceRequest &) { EXPECT_EQ(Parameter(7150), 0); }},
        {"clock on", sender(6147), AzRequest::SystemUhr, [](RDeviceRequest &r) { r.Wert = 1; }, 1,
         [&](RDeviceRequest &) { EXPECT_EQ(Parameter(8000), 1); }},
        {"clock off", sender(6147), AzRequest::SystemUhr, nichts, 1,
         [&](RDeviceRequest &) { EXPECT_EQ(Parameter(8000), 0); }},
        {"variant applied", sender(105), AzRequest::VarianteAnwenden,
         [](RDeviceRequest &r) { r.Variante = 0x11111111; }, 1,
         [&](RDeviceRequest &r) {
             EXPECT_EQ(r.Wert, 4);
             EXPECT_NE(Device->GetPointerInstScharfschaltungSsb(4), nullptr);
         }},
        {"the bus objects of a value", sender(6147), AzRequest::EtsObjektLesen, uhrObjekte, 1,
         [&](RDeviceRequest &) {
             EXPECT_EQ(nummern(), (std::vector<long>{223, 224}));
             EXPECT_EQ(objekte.front(), Device->GetObjectFromObjectNr(nummern().front()));
         },
         zwei},
        {"the bus objects of a value without a list", sender(6147), AzRequest::EtsObjektLesen,
         [&](RDeviceRequest &r) {
             uhrObjekte(r);
             r.EtsObjekte = nullptr;
         },
         0, keinePruefung, zwei},
        {"the bus objects of a value the bus tool refuses", sender(6147), AzRequest::EtsObjektLesen,
         [&](RDeviceRequest &r) {
             uhrObjekte(r);
             Db().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
         },
         0, [](RDeviceRequest &) { EXPECT_TRUE(objekte.empty()); }, zwei},
        {"a sub group asks for bus objects", untergruppe, AzRequest::EtsObjektLesen, uhrObjekte, 0,
         [](RDeviceRequest &) { EXPECT_TRUE(objekte.empty()); }, zwei},
        {"the objects of a sub group", untergruppe, AzRequest::ObjektDataFromSubGroup,
         zeilenFuellen, 1,
         [](RDeviceRequest &) {
             ASSERT_EQ(zeilen.size(), 1u);
             EXPECT_EQ(zeilen.front().Nummer, 162);
             EXPECT_EQ(zeilen.front().GrpAdr, "3/1/1");
         },
         zwei},
        {"the objects of a sub group without a list", untergruppe,
         AzRequest::ObjektDataFromSubGroup, nichts, 0, keinePruefung, zwei},
        {"the objects of an unknown sub group", fremd, AzRequest::ObjektDataFromSubGroup,
         zeilenFuellen, 1, [](RDeviceRequest &) { EXPECT_TRUE(zeilen.empty()); }, zwei},
        {"a detector asks for a sub group's objects", melder(3), AzRequest::ObjektDataFromSubGroup,
         zeilenFuellen, 0, [](RDeviceRequest &) { EXPECT_TRUE(zeilen.empty()); }, zwei},
        {"a sub group asks for its default name", untergruppe, AzRequest::DefaultName,
         [](RDeviceRequest &r) {
             static AnsiString name;
             r.Text = &name;
         },
         0, keinePruefung, zwei},
        {"a code the sender does not have", melder(3), 99, nichts, 0, keinePruefung},
        {"another sender's code", sender(6147), AzRequest::SaboSeAnmelden,
         [](RDeviceRequest &r) {
             r.Wert = 3;
             r.Wert2 = 1;
         },
         0, [&](RDeviceRequest &) { EXPECT_TRUE(Device->GetSaboMelder(1).empty()); }},
    };
    for (const TFall &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TDataBasis *s = fall.Sender();
        ASSERT_NE(s, nullptr);
        RDeviceRequest r(*s, fall.Code);
        fall.Fuellen(r);
        EXPECT_EQ(Senden(r, fall.Msg), fall.Ergebnis);
        fall.Pruefen(r);
    }
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Anfragen, TheSenderTypeComesFromTheSenderOrItsRecord) {
    EXPECT_EQ(Device->UserDeviceMessage(0, nullptr), 0);
    EXPECT_EQ(Device->UserDeviceMessage2(0, nullptr), 0);
    const bool vorher = Device->GetQuittierungUeg(1);
    RDeviceRequest leer;
    leer.Code = AzRequest::UegScharfSetzen;
    leer.Wert = 1;
    leer.Wert4 = vorher ? 0 : 1;
    EXPECT_EQ(Device->UserDeviceMessage(0, &leer), 0);
    EXPECT_EQ(Device->GetQuittierungUeg(1), vorher);
    TDatenStruktur record;
    record.Typ = 6137;
    leer.Datensatz = &record;
    EXPECT_EQ(Device->UserDeviceMessage(0, &leer), 1);
    EXPECT_EQ(Device->GetQuittierungUeg(1), !vorher);
    // A sub group's record names no sub-group node to list.
    std::list<TSubGroupObjekt> zeilen;
    RDeviceRequest gruppe;
    gruppe.Code = AzRequest::ObjektDataFromSubGroup;
    gruppe.SubGroupObjekte = &zeilen;
    record.Typ = AzRequest::TypGrpAdrSub;
    gruppe.Datensatz = &record;
    EXPECT_EQ(Device->UserDeviceMessage2(0, &gruppe), 0);
}

TEST_F(Anfragen, TheSecondMessageSwitchesObjectsAndNames) {
    TDataBasis *date = Erstes(6147);
    EXPECT_TRUE(date->ModifyObject(1, 8000, 0, true));
    EXPECT_EQ(Parameter(8000), 1);
    EXPECT_NE(Device->GetObjectFromObjectNr(223), nullptr);
    EXPECT_NE(Device->GetObjectFromObjectNr(224), nullptr);
    AnsiString name;
    RDeviceRequest r(*date, AzRequest::DefaultName);
    r.Text = &name;
    EXPECT_EQ(Senden(r, WM_AZ_DEVICE_REQUEST_2), 1);
    EXPECT_EQ(name, SprText(11299));
    RDeviceRequest unbekannt(*date, 77);
    EXPECT_EQ(Senden(unbekannt, WM_AZ_DEVICE_REQUEST_2), 0);
    EXPECT_TRUE(date->ModifyObject(0, 8000, 0, true));
    EXPECT_EQ(Parameter(8000), 0);
    EXPECT_EQ(Device->GetObjectFromObjectNr(223), nullptr);
}

TEST_F(Anfragen, ApplyingAVariantNeedsTheSecurityAreaFolder) {
    Device->DeletePointerFromList(Erstes(6122));
    const size_t vorher = Device->GetObjekte().size();
    EXPECT_EQ(VarianteAnwenden(0x11111111), 0);
    EXPECT_EQ(Device->GetObjekte().size(), vorher);
}

TEST_F(Anfragen, TheVariantDialog) {
    const AnsiString datei = (Dienste.Project().Dir() / SprText(11347)).string();
    for (const int antwort : {2, 1}) {
        SCOPED_TRACE(antwort);
        Dienste.Dialoge.Aufrufe.clear();
        Dienste.Dialoge.VarianteSkript = [&](uint32_t &v) {
            v = 0x11000000;
            // Asked again while it is open: refused.
            RDeviceRequest nochmal(*Root(), AzRequest::VarianteDialog);
            EXPECT_EQ(Senden(nochmal), 0);
            return antwort;
        };
        RDeviceRequest r(*Root(), AzRequest::VarianteDialog);
        EXPECT_EQ(Senden(r), 0);
        EXPECT_EQ(Dienste.Dialoge.Aufrufe,
                  std::vector<std::string>{"DefinitionAlarmzentrale 0x11330000 " + datei});
        EXPECT_EQ(Root()->GetParamVarianteAz(), antwort == 1 ? 0x11000000u : 0x11330000u);
        Root()->SetParamVarianteAz(TAzSystem::DefaultVarianteAz);
    }
    RDeviceRequest vomMelder(*Device->GetPointerInstMelder(1), AzRequest::VarianteDialog);
    EXPECT_EQ(Device->UserDeviceMessage(0, &vomMelder), 0);
}

TEST_F(Anfragen, TheDisplayDialog) {
    for (const int antwort : {2, 1}) {
        SCOPED_TRACE(antwort);
        Dienste.Dialoge.Aufrufe.clear();
        Dienste.Dialoge.AnzeigeSkript = [&](int32_t &mask) {
            mask = 2;
            return antwort;
        };
        const int32_t vorher = Anzeige(0)->GetAnzeigeSsb();
        RDeviceRequest r(*Anzeige(0), AzRequest::AnzeigeDialog);
        r.Wert = vorher;
        EXPECT_EQ(Senden(r), 0);
        EXPECT_EQ(Dienste.Dialoge.Aufrufe,
                  std::vector<std::string>{"Anzeige " + std::to_string(vorher) + " 0x11330000 " +
                                           Anzeige(0)->GetName(true) + " " + SprText(11084)});
        EXPECT_EQ(Anzeige(0)->GetAnzeigeSsb(), antwort == 1 ? 2 : vorher);
    }
}

TEST_F(Anfragen, ThePhysicalAddressDialog) {
    auto fragen = [&](RDeviceRequest &r) {
        r = RDeviceRequest(*Ssb1(), AzRequest::PhysAdrSeDialog);
        r.Wert = 1;
        r.Wert2 = 0x1105;
        r.Text2 = "1.1.5";
        return Senden(r);
    };
    const AnsiString caption = SprText(11312) + " " + SprText(11297) + " 1";
    RDeviceRequest r;
    // No switching device has an address: told so.
    EXPECT_EQ(fragen(r), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11379));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11380));

    // One has: asked whether to clear them; No keeps everything.
    SchalteinrichtungSetzen(0x1105);
    ASSERT_TRUE(Device->UpdatePhysAdrUsedSsbFromList(0x1105, 0, 1));
    Boxes.Clear();
    Boxes.Answer(IDNO);
    EXPECT_EQ(fragen(r), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11258));
    EXPECT_EQ(Boxes.Boxes()[0].caption, caption);
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_YESNO));
    EXPECT_EQ(r.Wert2, 0x1105);
    EXPECT_EQ(r.Text2, "1.1.5");
    EXPECT_EQ(Ssb1()->GetPhysAdrSe(1), 0x1105);

    // Yes clears them.
    Boxes.Clear();
    Boxes.Answer(IDYES);
    EXPECT_EQ(fragen(r), 0);
    EXPECT_EQ(r.Wert2, 0);
    EXPECT_EQ(r.Text2, "");
    EXPECT_EQ(Ssb1()->GetPhysAdrSe(1), 0);
    EXPECT_TRUE(Device->GetPhysAdrUsed(1).empty());

    // Linked to a group address: the devices linked with it are offered; none yet.
    TEtsObjekt *eingang = Device->GetObjectFromObjectNr(162);
    ASSERT_NE(eingang, nullptr);
    const int32_t ga = Db().AddGroupAddress(3, 1, 1, "Scharf");
    ASSERT_TRUE(Device->LinkToSubGroup(ga, eingang->GetHandle(), true));
    Boxes.Clear();
    EXPECT_EQ(fragen(r), 0);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(11377));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11378));
    EXPECT_EQ(r.Wert2, 0x1105);
    EXPECT_TRUE(Dienste.Dialoge.Aufrufe.empty());

    RDeviceRequest bereich5(*Ssb1(), AzRequest::PhysAdrSeDialog);
    bereich5.Wert = 5;
    EXPECT_EQ(Senden(bereich5), 0);
}

} // namespace
