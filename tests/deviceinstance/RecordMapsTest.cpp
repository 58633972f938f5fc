// The record maps, the record tree and the objects by handle.
#include "DeviceTestHilfen.h"
#include "deviceinstance/E_InstVerw.h"
#include "objectmodel/TAzOrdner.h"
#include "platform/objectbase/TEibHandle.h"

namespace {

using RecordMaps = TDeviceFixture;

// A folder object with the given handle, system and parent.
std::unique_ptr<TDataBasis> Ordner(int handle, int system, int parent, HWND window = nullptr) {
    return std::make_unique<TAzOrdnerScharfschaltung>(window, system, parent, "Ordner", handle);
}

int AnzahlDatensaetze(const TDeviceInstanz &device) {
    int n = 0;
    for (const auto &[system, inner] : device.GetDatenTree())
        n += static_cast<int>(inner->size());
    return n;
}

template <class F> E_InstVerw Fehler(F &&f) {
    try {
        f();
    } catch (const E_InstVerw &e) {
        return e;
    }
    ADD_FAILURE() << "no E_InstVerw";
    return E_InstVerw(0, "", "", "", 0);
}

TEST_F(RecordMaps, ALaterRecordWithAHeldHandleGoesIntoNoMap) {
    TDatenStruktur first = Datensatz(5, 6124, 1, 1, 0, "Erster");
    TDatenStruktur second = Datensatz(5, 6131, 2, 3, 0, "Zweiter");
    Device->FillDataMaps(first);
    Device->FillDataMaps(second);
    EXPECT_EQ(Device->GetDatenByHandleCount(), 1u);
    EXPECT_EQ(Device->GetDatenByParentCount(), 1u);
    ASSERT_EQ(Device->GetDatenByTyp().size(), 1u);
    EXPECT_EQ(Device->GetDatenByTyp().begin()->second.Name, "Erster");
    EXPECT_EQ(Device->GetDatenTree().count(3), 0u);
    EXPECT_EQ(Device->GetDatenSatz(1, 1, 5)->Name, "Erster");
}

TEST_F(RecordMaps, AMissingRecordIsMadeInANewSystem) {
    TDatenStruktur *r = Device->GetDatenSatz(7, -1, 99);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Handle, 99);
    EXPECT_EQ(r->Parent, -1);
    EXPECT_EQ(r->System, 7);
    ASSERT_EQ(Device->GetDatenTree().count(7), 1u);
    EXPECT_EQ(Device->GetDatenTree().at(7)->count(-1), 1u);
    // Asked again it is the same record.
    EXPECT_EQ(Device->GetDatenSatz(7, -1, 99), r);
    EXPECT_EQ(Device->GetDatenSatz(7, 5, 99)->Parent, 5) << "another parent makes another";
}

TEST_F(RecordMaps, AParentNarrowsTheSearchAndMinusOneSearchesAll) {
    TDatenStruktur a = Datensatz(8, 2, 3, 1, 0, "A");
    Device->FillDataMaps(a);
    EXPECT_EQ(Device->GetDatenSatz(1, -1, 8)->Name, "A");
    EXPECT_EQ(Device->GetDatenSatz(1, 3, 8)->Name, "A");
    EXPECT_EQ(AnzahlDatensaetze(*Device), 1);
    EXPECT_EQ(Device->GetDatenSatz(1, 4, 8)->Name, "");
    EXPECT_EQ(AnzahlDatensaetze(*Device), 2);
}

TEST_F(RecordMaps, DeletingARecordDeletesItsChainUnderItsHandle) {
    TDatenStruktur owner = Datensatz(10, 806, 1, 1, 12, "Objekt");
    TDatenStruktur c12 = Datensatz(12, 2, 10, 1, 13);
    TDatenStruktur c13 = Datensatz(13, 2, 10, 1, 0);
    for (TDatenStruktur *r : {&owner, &c12, &c13})
        Device->FillDataMaps(*r);
    Device->GetDatenSatz(1, 20, 12)->Name = "Fremd";

    Device->DeleteDatenSatzAndNext(1, 1, 10);
    const auto &inner = *Device->GetDatenTree().at(1);
    EXPECT_EQ(inner.count(1), 0u);
    EXPECT_EQ(inner.count(10), 0u);
    ASSERT_EQ(inner.count(20), 1u);
    EXPECT_EQ(inner.find(20)->second.Name, "Fremd");
}

TEST_F(RecordMaps, ALoopingChainEnds) {
    TDatenStruktur owner = Datensatz(10, 806, 1, 1, 12, "Objekt");
    TDatenStruktur c12 = Datensatz(12, 2, 10, 1, 13);
    TDatenStruktur c13 = Datensatz(13, 2, 10, 1, 12);
    for (TDatenStruktur *r : {&owner, &c12, &c13})
        Device->FillDataMaps(*r);
    Device->DeleteDatenSatzAndNext(1, 1, 10);
    EXPECT_EQ(AnzahlDatensaetze(*Device), 0);

    TDatenStruktur self = Datensatz(30, 2, 1, 1, 30);
    Device->FillDataMaps(self);
    Device->DeleteNextDatenSatz(1, 1, 30);
    EXPECT_EQ(AnzahlDatensaetze(*Device), 0);
}

TEST_F(RecordMaps, DeleteNextDeletesTheChainFromTheGivenHandle) {
    TDatenStruktur c12 = Datensatz(12, 2, 10, 1, 13);
    TDatenStruktur c13 = Datensatz(13, 2, 10, 1, 0);
    TDatenStruktur keep = Datensatz(14, 2, 10, 1, 0);
    for (TDatenStruktur *r : {&c12, &c13, &keep})
        Device->FillDataMaps(*r);
    Device->DeleteNextDatenSatz(1, 10, 12);
    ASSERT_EQ(AnzahlDatensaetze(*Device), 1);
    EXPECT_EQ(Device->GetDatenTree().at(1)->begin()->second.Handle, 14);
}

TEST_F(RecordMaps, DeleteDatensatzOfAnUnknownSystemThrowsCode4) {
    TDatenStruktur r = Datensatz(3, 2, 1, 42);
    const E_InstVerw e = Fehler([&] { Device->DeleteDatensatz(&r); });
    EXPECT_EQ(e.Code, 4);
    EXPECT_EQ(e.Message, "DeleteIterator: unknown systemhandle: 42");
    EXPECT_EQ(e.Info, "0");
    EXPECT_EQ(e.ClassName, "E_InstVerw");
}

TEST_F(RecordMaps, DeleteDatensatzInAnEmptySystemDoesNothing) {
    TDatenStruktur *r = Device->GetDatenSatz(4, 1, 3);
    TDatenStruktur copy = *r;
    Device->DeleteDatensatz(r);
    EXPECT_NO_THROW(Device->DeleteDatensatz(&copy));
    EXPECT_EQ(AnzahlDatensaetze(*Device), 0);
}

TEST_F(RecordMaps, ChildIteratorPairAndItsFailures) {
    TDatenStruktur a = Datensatz(20, 2, 10, 1);
    TDatenStruktur b = Datensatz(21, 6124, 10, 1);
    TDatenStruktur c = Datensatz(22, 6124, 11, 1);
    for (TDatenStruktur *r : {&a, &b, &c})
        Device->FillDataMaps(*r);
    auto object = Ordner(10, 1, 1);
    TDeviceInstanz::TChildRange range;
    Device->GetChildIteratorPair(object.get(), range);
    std::vector<int> handles;
    for (auto it = range.first; it != range.second; ++it)
        handles.push_back(it->second.Handle);
    EXPECT_EQ(handles, std::vector<int>({20, 21}));

    EXPECT_EQ(Fehler([&] { Device->GetChildIteratorPair(nullptr, range); }).Code, 5);
    auto fremd = Ordner(10, 9, 1);
    const E_InstVerw e = Fehler([&] { Device->GetChildIteratorPair(fremd.get(), range); });
    EXPECT_EQ(e.Code, 4);
    EXPECT_EQ(e.Message, "GetGeschwisterIteratorPair: unknown systemhandle: 9");
}

TEST_F(RecordMaps, FirstChildSkipsChainedRecords) {
    TDatenStruktur text = Datensatz(20, 2, 10, 1);
    TDatenStruktur bus = Datensatz(21, 806, 10, 1);
    Device->FillDataMaps(text);
    Device->FillDataMaps(bus);
    auto object = Ordner(10, 1, 1);
    EXPECT_EQ(Device->GetFirstChild(object.get()), 21);
    auto leer = Ordner(11, 1, 1);
    EXPECT_EQ(Device->GetFirstChild(leer.get()), 0);
    EXPECT_EQ(Device->GetFirstChild(nullptr), 0);
    auto fremd = Ordner(10, 9, 1);
    const E_InstVerw e = Fehler([&] { Device->GetFirstChild(fremd.get()); });
    EXPECT_EQ(e.Code, 4);
    EXPECT_EQ(e.Message, "CheckName: unknown systemhandle: 9");
}

TEST_F(RecordMaps, SetPointer2ListTakesOneObjectPerHandle) {
    std::unique_ptr<TDataBasis> none;
    const E_InstVerw e = Fehler([&] { Device->SetPointer2List(none); });
    EXPECT_EQ(e.Code, 6);
    EXPECT_EQ(e.Message, "Pointer2List: invalid Pointer: ");

    auto first = Ordner(5, 1, 1);
    TDataBasis *held = first.get();
    EXPECT_TRUE(Device->SetPointer2List(first));
    EXPECT_EQ(first, nullptr);
    auto second = Ordner(5, 1, 1);
    EXPECT_FALSE(Device->SetPointer2List(second));
    EXPECT_NE(second, nullptr) << "the refused object stays with the caller";
    EXPECT_EQ(Device->FindHandle(5), held);
    TDataBasis *found = nullptr;
    EXPECT_TRUE(Device->GetDataPointer(5, found));
    EXPECT_EQ(found, held);
    EXPECT_FALSE(Device->GetDataPointer(6, found));
    EXPECT_EQ(found, nullptr);
}

TEST_F(RecordMaps, DeletePointerFromListOnlyDeletesItsOwnObjects) {
    auto object = Ordner(5, 1, 1);
    TDataBasis *held = object.get();
    Device->SetPointer2List(object);
    auto stranger = Ordner(5, 1, 1);
    EXPECT_FALSE(Device->DeletePointerFromList(stranger.get()));
    EXPECT_FALSE(Device->DeletePointerFromList(nullptr));
    EXPECT_EQ(Device->FindHandle(5), held);
    EXPECT_TRUE(Device->DeletePointerFromList(held));
    EXPECT_EQ(Device->FindHandle(5), nullptr);
}

TEST_F(RecordMaps, ClearDataMapsForgetsTheRootAndTheTexts) {
    ASSERT_TRUE(
        Laden(Block("1,Zentrale,105,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,false,"
                    "false,false,false,false,false,false,false,false,false,,,,,,Ende\r\n"
                    "2,Texte,6121,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,false,"
                    "false,false,false,false,false,false,false,false,false,,,,,,Ende\r\n")));
    ASSERT_NE(Device->GetDevice(), nullptr);
    ASSERT_NE(Device->GetPointerEdtitierbareTexte(), nullptr);
    Device->ClearDataMaps();
    EXPECT_EQ(Device->GetDevice(), nullptr);
    EXPECT_EQ(Device->GetPointerEdtitierbareTexte(), nullptr);
    EXPECT_TRUE(Device->GetObjekte().empty());
    EXPECT_TRUE(Device->GetDatenTree().empty());
}

TEST_F(RecordMaps, InitDataGivesTheHandleTableEveryReadHandle) {
    ASSERT_TRUE(
        Laden(Block("3,Texte,2,1,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,false,"
                    "false,false,false,false,false,false,false,false,false,,,,,,Ende\r\n"
                    "1,Zentrale,105,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,false,"
                    "false,false,false,false,false,false,false,false,false,,,,,,Ende\r\n")));
    ASSERT_NE(Device->GetHandleTable(), nullptr);
    EXPECT_TRUE(Device->GetHandleTable()->IsUsed(1));
    EXPECT_TRUE(Device->GetHandleTable()->IsUsed(3));
    EXPECT_EQ(Device->GetHandleTable()->GetNewHandle(), 2);
}

// An instance whose factory runs out of memory.
class TOhneSpeicher : public TDeviceInstanzAz {
public:
    using TDeviceInstanzAz::TDeviceInstanzAz;
    void InitDataMainStruktur() override { throw std::bad_alloc(); }
};

TEST_F(RecordMaps, MemoryRunningOutWhileBuildingThrowsCode2) {
    const DAL_DEVICE record = Dienste.PanelRecord();
    TOhneSpeicher device(&Dienste, &record, &Dienste);
    const E_InstVerw e = Fehler([&] { device.InitData(); });
    EXPECT_EQ(e.Code, 2);
    EXPECT_EQ(e.Message, "InitData: ram allocation");
    EXPECT_EQ(e.Info, "0");
}

} // namespace
