// Records to objects and back: the factory's classes, the objects' records, the
// device-parameter writes, the detectors' clearing and the standard names.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"
#include "objectmodel/AzMelderParameter.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdner.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSystem.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"

#include <functional>
#include <typeinfo>

namespace {

using Fabrik = TDeviceFixture;

// Every record type that makes an object, with its class's type id as the object answers it.
const int kTypen[] = {105,  806,  6121, 6122, 6123, 6124, 6125, 6126, 6127, 6128,
                      6129, 6130, 6131, 6132, 6133, 6134, 6135, 6136, 6137, 6138,
                      6139, 6140, 6141, 6142, 6143, 6144, 6145, 6146, 6147};

// One record per type under the root (handle 1, system 1), handles from 2 on.
AnsiString AlleTypen() {
    AnsiString lines = Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n";
    int handle = 2;
    for (int typ : kTypen)
        if (typ != 105)
            lines += Datensatz(handle++, static_cast<int16_t>(typ), 1, 1, 0,
                               "Objekt" + std::to_string(typ))
                         .GetDatensatzZeile() +
                     "\r\n";
    return lines;
}

TEST_F(Fabrik, EveryTypeMakesItsClassWithTheRecordsPlace) {
    ASSERT_TRUE(Laden(Block(AlleTypen())));
    EXPECT_TRUE(Boxes.Boxes().empty());
    ASSERT_EQ(Device->GetObjekte().size(), std::size(kTypen));
    for (const auto &[handle, object] : Device->GetObjekte()) {
        const int typ = object->GetTyp();
        EXPECT_EQ(object->GetHandle(), handle);
        EXPECT_EQ(object->GetSystem(), 1);
        EXPECT_EQ(object->GetParent(), typ == 105 ? 0 : 1);
        if (typ == 105) {
            EXPECT_EQ(Device->GetDevice(), object.get());
            EXPECT_NE(dynamic_cast<TAzSystem *>(object.get()), nullptr);
        } else {
            // Handles follow the order of the types in the table (root: 1).
            EXPECT_EQ(kTypen[handle - 1], typ);
        }
        if (typ == 806) {
            EXPECT_NE(dynamic_cast<TEtsObjekt *>(object.get()), nullptr);
        }
        if (typ == 6121) {
            EXPECT_EQ(Device->GetPointerEdtitierbareTexte(), object.get());
            EXPECT_NE(dynamic_cast<TAzEditierbareTexte *>(object.get()), nullptr);
        }
    }
    // The look-up maps are emptied after the objects are made; the record tree stays.
    EXPECT_EQ(Device->GetDatenByHandleCount(), 0u);
    EXPECT_TRUE(Device->GetDatenByTyp().empty());
    EXPECT_EQ(Device->GetDatenTree().at(1)->size(), std::size(kTypen));
}

TEST_F(Fabrik, EveryObjectWritesItsRecordBackInPlace) {
    ASSERT_TRUE(Laden(Block(AlleTypen())));
    for (const auto &[handle, object] : Device->GetObjekte()) {
        TDatenStruktur out;
        object->Write(out);
        EXPECT_EQ(out.Handle, handle);
        EXPECT_EQ(out.Typ, object->GetTyp());
        EXPECT_EQ(out.System, 1);
        EXPECT_EQ(out.Parent, object->GetTyp() == 105 ? 0 : 1);
        EXPECT_EQ(out.Name, object->GetTyp() == 105 ? "Zentrale"
                                                    : "Objekt" + std::to_string(object->GetTyp()));
    }
}

TEST_F(Fabrik, UnknownTypesShowOneBoxEachAndTheRestIsBuilt) {
    const AnsiString lines = Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n" +
                             Datensatz(2, 4242, 1, 1, 0, "Fremd").GetDatensatzZeile() + "\r\n" +
                             Datensatz(3, 2, 1, 1, 0, "Text").GetDatensatzZeile() + "\r\n" +
                             Datensatz(4, 1, 1, 1, 0, "Eins").GetDatensatzZeile() + "\r\n" +
                             Datensatz(5, 6131, 1, 1, 0, "Ordner").GetDatensatzZeile() + "\r\n";
    ASSERT_TRUE(Laden(Block(lines)));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Unbekannter Typ: 4242");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "TDeviceInstanz::InitData");
    EXPECT_EQ(Device->GetObjekte().size(), 2u);
    EXPECT_NE(Device->FindHandle(5), nullptr);
    // The records stay and are written back.
    EXPECT_NE(Schreiben().find("2,Fremd,4242,"), AnsiString::npos);
    EXPECT_NE(Schreiben().find("3,Text,2,"), AnsiString::npos);
}

TEST_F(Fabrik, ABusObjectLoadsAndWritesItsLinks) {
    TDatenStruktur bus = Datensatz(3, 806, 1, 1, 4, "Objekt");
    bus.Param4 = 12;
    bus.Param5 = 77;
    bus.Param8 = 2;
    bus.Param9 = 1012;
    bus.Param10 = 2012;
    bus.Param14 = 101;
    bus.Param15 = 0x0801;
    bus.Param16 = 4620;
    bus.Param17 = 3;
    TDatenStruktur link = Datensatz(4, 2, 3, 1, 0);
    link.Param14 = 102;
    link.Param15 = 0x0802;
    ASSERT_TRUE(Laden(Block(Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n" +
                            bus.GetDatensatzZeile() + "\r\n" + link.GetDatensatzZeile() + "\r\n")));
    auto *object = dynamic_cast<TEtsObjekt *>(Device->FindHandle(3));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetObjectNumber(), 12);
    EXPECT_EQ(object->GetEtsDeviceId(), 77);
    EXPECT_EQ(object->GetEtsObjektTyp(), 1);
    EXPECT_EQ(object->GetCommObjectId(), 1012);
    EXPECT_EQ(object->GetDeviceObjectId(), 2012);
    EXPECT_EQ(object->GetParameterId(), 4620);
    EXPECT_EQ(object->GetParameterWert(), 3);
    ASSERT_EQ(object->GetSubGroupLinks().size(), 2u);
    EXPECT_EQ(object->GetSubGroupLinks()[1].SubGroupId, 102);
    EXPECT_EQ(object->GetSubGroupLinks()[1].GrpAdr, 0x0802);

    // One link fewer: the chained record goes (message 1129 through the instance).
    object->DeleteSubGroupLink(101);
    object->Write(*Device->GetDatenSatz(object));
    const TDatenStruktur *own = Device->GetDatenSatz(1, 1, 3);
    EXPECT_EQ(own->Param14, 102);
    EXPECT_EQ(own->Param15, 0x0802);
    EXPECT_EQ(own->Next, 0);
    EXPECT_EQ(Device->GetDatenTree().at(1)->count(3), 0u);
}

// ---- WriteDataToDb and the detectors' clearing -------------------------------------------

// An object of a type the factory does not know.
class TFremd : public TAzOrdnerScharfschaltung {
public:
    using TAzOrdnerScharfschaltung::TAzOrdnerScharfschaltung;
    int GetTyp() const override { return 4242; }
};

// A root whose pulse (parameter 10110) is 77, entered into the device.
TAzSystem *RootMitImpuls(TDeviceInstanz &device, HWND window, int handle) {
    auto *system = new TAzSystem(window, 1, 0, "Zentrale", 0, 0, handle);
    std::unique_ptr<TDataBasis> owned(system);
    TDatenStruktur record = Datensatz(handle, 105, 0, 1, 0, "Zentrale");
    record.Param9 = 77;
    system->InitFromDB(record);
    device.SetPointer2List(owned);
    return system;
}

TEST_F(Fabrik, WriteDataToDbStopsAtAnUnknownType) {
    std::unique_ptr<TDataBasis> fremd =
        std::make_unique<TFremd>(Dienste.GetHandle(), 1, 1, "Fremd", 2);
    Device->SetPointer2List(fremd);
    RootMitImpuls(*Device, Dienste.GetHandle(), 3);
    EXPECT_FALSE(Device->WriteDataToDb());
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Unbekannter Typ: 4242");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "TDeviceInstanzAz::WriteDataToDb");
    EXPECT_NE(Dienste.Project().Parameter(10110), 77) << "objects after it are not written";
}

TEST_F(Fabrik, WriteDataToDbWritesEveryObjectAndReportsARefusal) {
    RootMitImpuls(*Device, Dienste.GetHandle(), 1);
    std::unique_ptr<TDataBasis> ordner =
        std::make_unique<TAzOrdnerAlarmierung>(Dienste.GetHandle(), 1, 1, "Alarm", 2);
    Device->SetPointer2List(ordner);
    EXPECT_TRUE(Device->WriteDataToDb());
    EXPECT_EQ(Dienste.Project().Parameter(10110), 77);

    // A new alarm output has no ids for its type and refuses; the others still write.
    Dienste.Project().Database().SetParameterValue(Dienste.Project().PanelId(), 10110, 5, nullptr);
    std::unique_ptr<TDataBasis> alarm =
        std::make_unique<TAzAlarmierung>(Dienste.GetHandle(), 1, 1, "Alarm", 0);
    Device->SetPointer2List(alarm);
    EXPECT_FALSE(Device->WriteDataToDb());
    EXPECT_EQ(Dienste.Project().Parameter(10110), 77);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Fabrik, ClearDbDataExistingMelderClearsEveryDetector) {
    auto *melder = new TAzMelder(Dienste.GetHandle(), 1, 1, "Melder", 5);
    std::unique_ptr<TDataBasis> owned(melder);
    melder->SetMelderBereich(T_DB_EnumAzMelder::eMelderSb1);
    melder->SetMelderNr(7);
    Device->SetPointer2List(owned);
    const int wort = AzMelderParamIds(T_DB_EnumAzMelder::eMelderSb1, 7).Wort;
    ASSERT_TRUE(melder->WriteDataToDb());
    ASSERT_NE(Dienste.Project().Parameter(wort), 0);
    EXPECT_TRUE(Device->ClearDbDataExistingMelder());
    EXPECT_EQ(Dienste.Project().Parameter(wort), 0);
}

// ---- Standard names ----------------------------------------------------------------------

struct TNameFall {
    int Typ;
    int TextId;
};

class DefaultName : public TDeviceFixture, public ::testing::WithParamInterface<TNameFall> {};

TEST_P(DefaultName, FixedNames) {
    ASSERT_TRUE(Laden(Block(AlleTypen())));
    TDataBasis *object = nullptr;
    for (const auto &[handle, o] : Device->GetObjekte())
        if (o->GetTyp() == GetParam().Typ)
            object = o.get();
    ASSERT_NE(object, nullptr);
    AnsiString name = "alt";
    EXPECT_TRUE(Device->GetDefaultName(object, &name));
    EXPECT_EQ(name, SprText(GetParam().TextId));
}

INSTANTIATE_TEST_SUITE_P(
    Typen, DefaultName,
    ::testing::Values(TNameFall{6121, 11300}, TNameFall{6122, 11314}, TNameFall{6123, 11326},
                      TNameFall{6125, 11327}, TNameFall{6126, 11315}, TNameFall{6127, 11322},
                      TNameFall{6130, 11325}, TNameFall{6131, 11312}, TNameFall{6132, 11316},
                      TNameFall{6135, 11319}, TNameFall{6139, 11310}, TNameFall{6140, 11293},
                      TNameFall{6141, 11302}, TNameFall{6142, 11311}, TNameFall{6144, 11313},
                      TNameFall{6145, 11301}, TNameFall{6147, 11299}),
    [](const auto &info) { return std::to_string(info.param.Typ); });

TEST_F(Fabrik, NamesThatDependOnTheObject) {
    const HWND w = Dienste.GetHandle();
    AnsiString name;
    TAzMelder melder(w, 1, 1, "M", 2);
    const std::pair<T_DB_EnumAzMelder::TEnumMelder, int> kinds[] = {
        {T_DB_EnumAzMelder::eFeuermelder, 11307},
        {T_DB_EnumAzMelder::eUeberfallmelder, 11308},
        {T_DB_EnumAzMelder::eVerdrahtet, 11309},
        {T_DB_EnumAzMelder::eMelderSb1, 11303},
        {T_DB_EnumAzMelder::eMelderSb4, 11306}};
    for (const auto &[kind, id] : kinds) {
        melder.SetMelderBereich(kind);
        EXPECT_TRUE(Device->GetDefaultName(&melder, &name));
        EXPECT_EQ(name, SprText(id));
    }

    TAzScharfschaltungSsb ssb(w, 1, 1, "S", 3);
    ssb.SetScharfschaltBereich(T_DB_EnumAzScharfschaltungSsb::eSsb3);
    EXPECT_TRUE(Device->GetDefaultName(&ssb, &name));
    EXPECT_EQ(name, SprText(11320) + " 3");
    TAzScharfUnscharfQuittierungSsb quittierung(w, 1, 1, "Q", 4);
    quittierung.SetScharfschaltBereich(
        static_cast<TAzScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich>(2));
    EXPECT_TRUE(Device->GetDefaultName(&quittierung, &name));
    EXPECT_EQ(name, SprText(11321) + " 2");

    TAzAlarmierung alarm(w, 1, 1, "A", 5);
    const std::pair<int, AnsiString> alarms[] = {{0, SprText(11295)},
                                                 {1, SprText(11296)},
                                                 {2, SprText(11294)},
                                                 {3, SprText(11297) + " 1"},
                                                 {6, SprText(11297) + " 4"}};
    for (const auto &[typ, text] : alarms) {
        alarm.SetAlarmierungTyp(static_cast<TAzAlarmierung::TEnumAlarmierungTyp>(typ));
        EXPECT_TRUE(Device->GetDefaultName(&alarm, &name));
        EXPECT_EQ(name, text);
    }

    TAzVerhaltenDurchUegR ueg(w, 1, 1, "U", 6);
    EXPECT_TRUE(Device->GetDefaultName(&ueg, &name));
    EXPECT_EQ(name, SprText(11329));
    ueg.SetUeGRBereich(T_DB_EnumAzVerhaltenDurchUeGR::eEinbruch);
    EXPECT_TRUE(Device->GetDefaultName(&ueg, &name));
    EXPECT_EQ(name, SprText(11328));
}

TEST_F(Fabrik, NoNameForTheRootTheDisplayUnitOrNothing) {
    const HWND w = Dienste.GetHandle();
    AnsiString name = "alt";
    TAzAnzeige anzeige(w, 1, 1, "A", 2);
    EXPECT_FALSE(Device->GetDefaultName(&anzeige, &name));
    TAzSystem system(w, 1, 0, "Z", 0, 0, 1);
    EXPECT_FALSE(Device->GetDefaultName(&system, &name));
    EXPECT_FALSE(Device->GetDefaultName(nullptr, &name));
    EXPECT_FALSE(Device->GetDefaultName(&system, nullptr));
    EXPECT_EQ(name, "alt");
}

TEST_F(Fabrik, ABusObjectIsNamedByItsCommunicationObject) {
    DAL_COMM_OBJECT co{};
    co.size = sizeof(co);
    ASSERT_EQ(Dienste.Project().Cdi().DalGetCommunicationObjectData(DAL_FIRST, -1, -1, -1, &co),
              DAL_OK);
    const AnsiString function = GetRecordText(co.function);
    const AnsiString expected =
        GetRecordText(co.name) + (function.empty() ? "" : " [" + function + "]");
    TEtsObjekt bus(Dienste.GetHandle(), 1, 1, "B", co.commObjectId, -1, -1, -1, -1, -1, 0, 1, 2, 0,
                   2);
    AnsiString name;
    EXPECT_TRUE(Device->GetDefaultName(&bus, &name));
    EXPECT_EQ(name, expected);
}

// Objects whose selector has no standard name (or a bus object the bus tool does not know) keep
// the name they were stored with, and still answer true: the alignment pass counts them.
TEST_F(Fabrik, WithoutAStandardNameTheStoredNameStaysAndTheObjectIsAligned) {
    struct TFall {
        int16_t Typ;
        std::function<void(TDatenStruktur &)> Auswahl;
        bool Abgleich; // what the object's own alignment answers
    };
    const TFall faelle[] = {
        {806, [](TDatenStruktur &r) { r.Param9 = 987654; }, true}, // no such communication object
        {6124, [](TDatenStruktur &r) { r.Param8 = 9; }, true},     // detector kind
        {6124, [](TDatenStruktur &r) { r.Param8 = -1; }, true},
        {6136, [](TDatenStruktur &r) { r.Param9 = 5; }, false}, // arming area (always false)
        {6137, [](TDatenStruktur &r) { r.Param4 = 0; }, true},
        {6137, [](TDatenStruktur &r) { r.Param4 = 5; }, true},
        {6138, [](TDatenStruktur &r) { r.Param3 = 7; }, true}, // alarm type
        {6138, [](TDatenStruktur &r) { r.Param3 = -1; }, true},
        {6146, [](TDatenStruktur &r) { r.Param3 = 2; }, true}, // transmission-device kind
    };
    for (const TFall &fall : faelle) {
        TDatenStruktur record = Datensatz(2, fall.Typ, 1, 1, 0, "Gespeichert");
        fall.Auswahl(record);
        SCOPED_TRACE(record.GetDatensatzZeile());
        ASSERT_TRUE(Laden(Block(Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() +
                                "\r\n" + record.GetDatensatzZeile() + "\r\n")));
        TDataBasis *object = Device->FindHandle(2);
        ASSERT_NE(object, nullptr);
        AnsiString name = "alt";
        EXPECT_TRUE(Device->GetDefaultName(object, &name));
        EXPECT_EQ(name, "alt");
        // Through the object's own request (code 15) the stored name is kept, not emptied.
        EXPECT_EQ(object->DatenAbgleich(true, false), fall.Abgleich);
        TDatenStruktur out;
        object->Write(out);
        EXPECT_EQ(out.Name, "Gespeichert");
        EXPECT_TRUE(Boxes.Boxes().empty());
    }
}

TEST_F(Fabrik, RequestFifteenOnTheSecondChannelGivesTheDefaultName) {
    TAzOrdnerAlarmierung ordner(Dienste.GetHandle(), 1, 1, "alt", 2);
    AnsiString name;
    RDeviceRequest request(ordner, AzRequest::DefaultName);
    request.Text = &name;
    EXPECT_EQ(request.Send(AzMsg::DeviceRequest2::Id), 1);
    EXPECT_EQ(name, SprText(11310));
    RDeviceRequest other(ordner, AzRequest::EtsObjektLesen);
    EXPECT_EQ(other.Send(AzMsg::DeviceRequest2::Id), 0);
    EXPECT_EQ(Device->UserDeviceMessage2(0, nullptr), 0);
    RDeviceRequest leer;
    leer.Code = AzRequest::DefaultName;
    EXPECT_EQ(Device->UserDeviceMessage2(0, &leer), 0);
}

} // namespace

namespace {

TEST_F(Fabrik, ALoadedBusObjectAlignsToItsCommunicationObjectsName) {
    DAL_COMM_OBJECT co{};
    co.size = sizeof(co);
    ASSERT_EQ(Dienste.Project().Cdi().DalGetCommunicationObjectData(DAL_FIRST, -1, -1, -1, &co),
              DAL_OK);
    TDatenStruktur bus = Datensatz(3, 806, 1, 1, 0, "alt");
    bus.Param9 = co.commObjectId;
    ASSERT_TRUE(Laden(Block(Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n" +
                            bus.GetDatensatzZeile() + "\r\n")));
    TDataBasis *object = Device->FindHandle(3);
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->DatenAbgleich(true, false));
    EXPECT_EQ(object->GetName(true).rfind(GetRecordText(co.name), 0), 0u);
}

} // namespace
