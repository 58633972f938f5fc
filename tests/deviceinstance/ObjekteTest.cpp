// Communication objects switched on and off by device parameters: the parameter's value, the
// objects made under their panel object, the question before linked objects go, and the bus
// tool's lists of device objects and parameters.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/win/CursorHourGlass.h"

namespace {

constexpr int16_t kSsb1 = 1650; // switches objects 162 and 166 with value 1

class Objekte : public TBusFixture {
protected:
    std::vector<TEtsObjekt *> BusObjekte() {
        std::vector<TEtsObjekt *> out;
        for (const auto &[handle, object] : Device->GetObjekte())
            if (auto *bus = dynamic_cast<TEtsObjekt *>(object.get()))
                out.push_back(bus);
        return out;
    }
    // Both objects of arming area 1, each linked to its own address.
    void ZweiVerbundene() {
        ASSERT_TRUE(Device->AddEtsObjectByDisplayOrder(kSsb1, 1, 0, Melder(), false));
        ASSERT_EQ(BusObjekte().size(), 2u);
        // The addresses exist before the tree is first read.
        const int32_t ids[] = {Adresse(2, 0, 1), Adresse(2, 0, 2)};
        int i = 0;
        for (TEtsObjekt *o : BusObjekte())
            ASSERT_TRUE(Device->LinkToSubGroup(ids[i++], o->GetHandle(), true));
        Boxes.Clear();
    }
    bool HatDatensatz(int handle) {
        for (const auto &[system, inner] : Device->GetDatenTree())
            for (const auto &[parent, r] : *inner)
                if (r.Handle == handle)
                    return true;
        return false;
    }
};

TEST_F(Objekte, AValueSwitchesItsObjectsOnUnderTheParent) {
    TCursorRecorder cursor;
    TEtsObjekt *object = MelderObjekt();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(Dienste.Project().Parameter(kMelderObjekte), 3);
    EXPECT_EQ(object->GetParent(), 3);
    EXPECT_EQ(object->GetSystem(), 1);
    EXPECT_GT(object->GetHandle(), 3);
    EXPECT_EQ(object->GetPosId(), -100);
    EXPECT_EQ(object->GetName(true), "Melder 1 [Eingang]");
    EXPECT_EQ(object->GetDeviceObjectId(), Dienste.Project().DeviceObject(0));
    EXPECT_EQ(object->GetParameterId(), kMelderObjekte);
    EXPECT_EQ(object->GetParameterWert(), 3) << "the switching value (entry byte 1420)";
    EXPECT_EQ(object->GetEtsDeviceId(), Dienste.Project().PanelId()) << "entry byte 2";
    EXPECT_EQ(object->GetObjectType(), 1) << "bus type 0 + 1";
    EXPECT_EQ(object->GetDirection(), 2);
    const TDatenStruktur *record = Device->GetDatenSatz(object);
    EXPECT_EQ(record->Typ, 806);
    EXPECT_EQ(record->Param4, 0);
    EXPECT_EQ(record->Param17, 3);
    EXPECT_EQ(Dienste.Calls().back(),
              "AddChildNode2Data Melder 1 [Eingang] < " + Melder()->GetName(true));
    EXPECT_EQ(cursor.Cursors(), (std::vector<TCursor>{crHourGlass, crDefault}));
}

TEST_F(Objekte, TheSameValueAboveZeroLeavesObjectsAndLinksUntouched) {
    TEtsObjekt *object = MelderObjekt();
    const int32_t id = Adresse(1, 0, 1);
    ASSERT_TRUE(Device->LinkToSubGroup(id, object->GetHandle(), true));
    Db().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
    EXPECT_TRUE(Device->AddEtsObjectByDisplayOrder(kMelderObjekte, 3, -100, Melder(), true));
    EXPECT_EQ(Device->GetObjectFromObjectNr(0), object);
    EXPECT_TRUE(object->ExistSubGroupId(id));
    EXPECT_EQ(Db().Failures().size(), 1u) << "no write";
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Objekte, ZeroWithoutObjectsMakesNoWriterCall) {
    Db().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
    EXPECT_TRUE(Device->AddEtsObjectByDisplayOrder(kMelderObjekte, 0, 0, Melder(), true));
    EXPECT_EQ(Db().Failures().size(), 1u);
}

TEST_F(Objekte, LinkedObjectsAskOncePerCallAndGoWithTheirLinks) {
    ZweiVerbundene();
    const std::vector<TEtsObjekt *> vorher = BusObjekte();
    const int h0 = vorher[0]->GetHandle();
    Boxes.Answer(IDYES);
    EXPECT_TRUE(Device->AddEtsObjectByDisplayOrder(kSsb1, 0, 0, Melder(), true));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9036));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9035));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(BusObjekte().empty());
    EXPECT_TRUE(Db().Links(Dienste.Project().PanelId()).empty());
    EXPECT_FALSE(HatDatensatz(h0));
    EXPECT_EQ(Dienste.Project().Parameter(kSsb1), 0);
    EXPECT_TRUE(Device->GetBestaetigung());
}

// (confirmation flag of the call, reset flag): neither asks.
class OhneFrage : public Objekte, public ::testing::WithParamInterface<std::pair<bool, bool>> {};

TEST_P(OhneFrage, LinkedObjectsGoWithoutAQuestion) {
    ZweiVerbundene();
    Device->SetResetFlag(GetParam().second);
    EXPECT_TRUE(Device->AddEtsObjectByDisplayOrder(kSsb1, 0, 0, Melder(), GetParam().first));
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_TRUE(BusObjekte().empty());
    EXPECT_TRUE(Db().Links(Dienste.Project().PanelId()).empty());
}

INSTANTIATE_TEST_SUITE_P(Flags, OhneFrage,
                         ::testing::Values(std::pair{false, false}, std::pair{true, true},
                                           std::pair{false, true}));

TEST_F(Objekte, DeclinedTheParameterKeepsItsValueAndTheObjectsStay) {
    ZweiVerbundene();
    Boxes.Answer(IDNO);
    EXPECT_FALSE(Device->AddEtsObjectByDisplayOrder(kSsb1, 0, 0, Melder(), true));
    EXPECT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(BusObjekte().size(), 2u);
    EXPECT_EQ(Db().Links(Dienste.Project().PanelId()).size(), 2u);
    EXPECT_EQ(Dienste.Project().Parameter(kSsb1), 1);
    EXPECT_TRUE(Device->GetBestaetigung()) << "the caller's flag holds for one call only";
}

TEST_F(Objekte, AnObjectGoesWithTheRecordsChainedBehindIt) {
    TEtsObjekt *object = MelderObjekt();
    // Links made on the object only: the bus tool drops nothing of them, the chain stays.
    const int32_t ids[] = {Adresse(1, 0, 1), Adresse(1, 0, 2), Adresse(1, 0, 3)};
    for (const int32_t id : ids)
        ASSERT_TRUE(Device->LinkToSubGroup(id, object->GetHandle(), false));
    const int handle = object->GetHandle();
    std::vector<int> kette;
    for (int next = Device->GetDatenSatz(object)->Next; next != 0;
         next = Device->GetDatenSatz(1, handle, next)->Next)
        kette.push_back(next);
    ASSERT_EQ(kette.size(), 2u);
    Boxes.Answer(IDYES);
    ASSERT_TRUE(Device->AddEtsObjectByDisplayOrder(kMelderObjekte, 0, 0, Melder(), true));
    EXPECT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_FALSE(HatDatensatz(handle));
    for (const int h : kette)
        EXPECT_FALSE(HatDatensatz(h)) << h;
    EXPECT_EQ(Dienste.GetNodeFromData(object), nullptr) << "its node is gone";
}

TEST_F(Objekte, ObjectsWithoutLinksGoWithoutAQuestion) {
    ASSERT_TRUE(Device->AddEtsObjectByDisplayOrder(kSsb1, 1, 0, Melder(), false));
    EXPECT_TRUE(Device->AddEtsObjectByDisplayOrder(kSsb1, 0, 0, Melder(), true));
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_TRUE(BusObjekte().empty());
}

TEST_F(Objekte, AFailedParameterReadOrWriteEndsWithFalse) {
    Db().InjectFailure("TEtsDeviceParam::GetDeviceParamData", 1);
    EXPECT_FALSE(Device->AddEtsObjectByDisplayOrder(kMelderObjekte, 3, 0, Melder(), false));
    Db().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
    EXPECT_FALSE(Device->AddEtsObjectByDisplayOrder(kMelderObjekte, 3, 0, Melder(), false));
    EXPECT_TRUE(BusObjekte().empty());
    EXPECT_FALSE(Device->AddEtsObjectByDisplayOrder(4321, 3, 0, Melder(), false))
        << "a parameter the product does not know";
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(Objekte, CheckObjectParamResultAcceptsOnly0) {
    EXPECT_TRUE(Device->CheckObjectParamResult(0, 10, 1));
    for (const int code : {1, 2, 3, -1})
        EXPECT_FALSE(Device->CheckObjectParamResult(code, 10, 1)) << code;
}

tagDAL_OBJECT_INFO Eintrag(const char *name, const char *function, int number) {
    tagDAL_OBJECT_INFO e{};
    e.size = sizeof(e);
    PutRecordText(e.name, name);
    PutRecordText(e.function, function);
    e.commObjectId = -1; // the bus tool knows no standard name for it
    e.deviceObjectId = 5000 + number;
    e.number = static_cast<int16_t>(number);
    e.type = 7;
    return e;
}

TEST_F(Objekte, NamesWithAndWithoutFunction) {
    const std::vector<tagDAL_OBJECT_INFO> list = {Eintrag("Wert", "Senden", 1),
                                                  Eintrag("Ohne", "", 2)};
    EXPECT_EQ(Device->CreateObjects(list, 10, Melder(), 77), 1);
    EXPECT_EQ(Device->GetObjectFromObjectNr(1)->GetName(true), "Wert [Senden]");
    EXPECT_EQ(Device->GetObjectFromObjectNr(2)->GetName(true), "Ohne");
    EXPECT_EQ(Device->GetObjectFromObjectNr(2)->GetPosId(), 12);
    EXPECT_EQ(Device->GetObjectFromObjectNr(2)->GetObjectType(), 8);
}

TEST_F(Objekte, WithoutParentNothingIsMade) {
    EXPECT_EQ(Device->CreateObjects({Eintrag("Wert", "", 1)}, 0, nullptr, 77), 0);
    EXPECT_TRUE(BusObjekte().empty());
    EXPECT_EQ(Device->CreateObjects({}, 0, nullptr, 77), 1);
}

TEST_F(Objekte, TheObjectsOfAValueAreFound) {
    ASSERT_TRUE(Device->AddEtsObjectByDisplayOrder(kSsb1, 1, 0, Melder(), false));
    int32_t value = 1;
    std::list<TEtsObjekt *> found;
    EXPECT_TRUE(Device->GetEtsObjectByDisplayOrder(kSsb1, &value, found));
    EXPECT_EQ(found.size(), 2u);
    Db().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 1);
    found.clear();
    EXPECT_FALSE(Device->GetEtsObjectByDisplayOrder(kSsb1, &value, found));
    EXPECT_TRUE(found.empty());
}

TEST_F(Objekte, TheBusToolsListsAndTheirLookUps) {
    ASSERT_TRUE(Device->AddEtsObjectByDisplayOrder(kSsb1, 1, 0, Melder(), false));
    std::vector<DAL_DEVICE_PARAM> params;
    std::vector<DAL_DEVICE_OBJECT> objects;
    Device->CreateEtsDBList(params, objects);
    EXPECT_FALSE(params.empty());
    EXPECT_FALSE(objects.empty());
    long comm = 0, deviceObject = 0, parameter = 0;
    ASSERT_TRUE(Device->GetEtsIdFromObjNr(params, objects, 162, 0, comm, deviceObject, parameter));
    EXPECT_EQ(deviceObject, Dienste.Project().DeviceObject(162));
    EXPECT_EQ(parameter, kSsb1);
    EXPECT_FALSE(Device->GetEtsIdFromObjNr(params, objects, 162, 7, comm, deviceObject, parameter))
        << "another type";
    EXPECT_FALSE(Device->GetEtsIdFromObjNr(params, objects, 0, 0, comm, deviceObject, parameter))
        << "switched off";
    int32_t reference = 0;
    for (const DAL_DEVICE_PARAM &p : params)
        if (p.parameterId == kSsb1)
            reference = p.reference;
    int number = -1;
    ASSERT_TRUE(Device->GetObjectNrFromParameterId(reference, 1, objects, number));
    EXPECT_TRUE(number == 162 || number == 166) << number;
    EXPECT_FALSE(Device->GetObjectNrFromParameterId(-99, 1, objects, number));
}

} // namespace
