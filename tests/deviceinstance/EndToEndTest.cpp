// A full panel's configuration data block through the simulated bus tool: stored, loaded,
// written back byte for byte; failures of the bus tool on the way; a communication object's
// link through save and reload.
#include "AzVollesPanel.h"
#include "DeviceTestHilfen.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TRegIni.h"

#include "objectmodel/TAzMelder.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TProjectDatabase.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

class EndToEnd : public TDeviceFixture {
protected:
    AnsiString Gespeichert() {
        unsigned char *data = nullptr;
        unsigned long size = 0;
        EXPECT_TRUE(Dienste.Project().Cdi().BlobRead(&data, &size, Dienste.Project().PanelId()));
        return AnsiString(reinterpret_cast<const char *>(data), size);
    }
    void Speichern(const AnsiString &block) {
        ASSERT_TRUE(Dienste.Project().Cdi().BlobWrite(
            reinterpret_cast<unsigned char *>(const_cast<char *>(block.data())),
            static_cast<unsigned long>(block.size()), Dienste.Project().PanelId()));
    }
    // A fresh instance of the panel, registered with the fake.
    std::unique_ptr<TDeviceInstanzAz> NeueInstanz() {
        const DAL_DEVICE record = Dienste.PanelRecord();
        auto device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
        Dienste.SetDevice(device.get());
        return device;
    }
};

TEST_F(EndToEnd, AFullPanelLoadsAndSavesBackByteForByte) {
    Device.reset();
    const AnsiString erzeugt = VollesPanelBlock(Dienste);
    Speichern(erzeugt);

    // One load orders a parent's records by type; that block is the one to keep.
    Device = NeueInstanz();
    ASSERT_TRUE(Device->GetDataFromServer(0, true));
    ASSERT_TRUE(Device->WriteBlob());
    const AnsiString einmal = Gespeichert();
    // The root takes the device's physical address; the alignment pass gives the display
    // folder its displays' areas (63 for 0).
    EXPECT_EQ(einmal.size(), erzeugt.size() + std::string("01.01.001").size() + 1);

    Device = NeueInstanz();
    Dienste.ClearCalls();
    ASSERT_TRUE(Device->GetDataFromServer(0, true));
    EXPECT_EQ(Device->GetObjekte().size(),
              1u + 1 + 1 + 3 + 4 + 320 + 1 + 4 + 8 + 1 + 7 + 2 + 1 + 4 + 1 + 2 + 1);
    ASSERT_TRUE(Device->WriteBlob());
    EXPECT_EQ(Gespeichert(), einmal);
    EXPECT_TRUE(Boxes.Boxes().empty());

    const std::string objekte = std::to_string(Device->GetObjekte().size());
    EXPECT_EQ(Dienste.Calls(),
              std::vector<std::string>({"DeleteGrpAdr", "InitData " + objekte, "InitGrpAdr",
                                        "UpdateObjektAnzahl Alarmzentrale " + objekte}));

    // The project file's own reader finds the same bytes in the device's block.
    const std::string command = "sqlite3 '" + Dienste.Project().File().string() +
                                "' \"SELECT hex(data) FROM data_blocks WHERE device_id = " +
                                std::to_string(Dienste.Project().PanelId()) + "\"";
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_NE(pipe, nullptr);
    std::string hex;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof(buffer), pipe.get()))
        hex.append(buffer, n);
    while (!hex.empty() && (hex.back() == '\n' || hex.back() == '\r'))
        hex.pop_back();
    std::string expected;
    for (unsigned char c : einmal) {
        static const char digits[] = "0123456789ABCDEF";
        expected += digits[c >> 4];
        expected += digits[c & 15];
    }
    EXPECT_EQ(hex, expected);
}

TEST_F(EndToEnd, TheLoadedRootCarriesTheDevicesPhysicalAddress) {
    Speichern(Block(Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n"));
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_EQ(Device->GetDatenSatz(1, 0, 1)->String1, "01.01.001");
    EXPECT_EQ(Dienste.Calls(), std::vector<std::string>({"UpdateObjektAnzahl Zentrale 1"}));
}

TEST_F(EndToEnd, AFailedSaveShowsTheBoxAndTheNextSaveStores) {
    Speichern(Block(Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n"));
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    const AnsiString vorher = Gespeichert();
    Device->GetDatenSatz(1, 0, 1)->Name = "Neu";
    Dienste.Project().Database().InjectFailure("BlobWrite", 1);
    EXPECT_FALSE(Device->WriteBlob());
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9125));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONWARNING));
    EXPECT_EQ(Gespeichert(), vorher);

    EXPECT_TRUE(Device->WriteBlob());
    EXPECT_NE(Gespeichert().find("1,Zentrale,105"), AnsiString::npos)
        << "the root writes its own name back";
    EXPECT_NE(Gespeichert(), "");
}

TEST_F(EndToEnd, ANewPanelGetsItsDefaultTreeAndKeepsItsDetectorsInTheBusTool) {
    TProjectDatabase &db = Dienste.Project().Database();
    const int32_t panel = Dienste.Project().PanelId();
    auto melderNummern = [this] {
        std::vector<int> out;
        for (const auto &[handle, object] : Device->GetObjekte())
            if (auto *m = dynamic_cast<TAzMelder *>(object.get()))
                out.push_back(m->GetMelderNr());
        std::sort(out.begin(), out.end());
        return out;
    };
    // The tree's bus objects are what the bus tool switched on for the panel.
    auto objekteStimmen = [&] {
        std::vector<int> tree;
        for (const auto &[handle, object] : Device->GetObjekte())
            if (auto *bus = dynamic_cast<TEtsObjekt *>(object.get()))
                tree.push_back(static_cast<int>(bus->GetObjectNumber()));
        std::vector<int> project = db.ActiveObjectNumbers(panel);
        std::sort(tree.begin(), tree.end());
        std::sort(project.begin(), project.end());
        EXPECT_FALSE(tree.empty());
        EXPECT_EQ(tree, project);
    };
    auto parameter = [&](int id) { return db.ParameterValue(panel, id).value_or(-1); };

    // No block: the default tree is made, stored and read back.
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_TRUE(Boxes.Boxes().empty());
    const AnsiString neu = Gespeichert();
    EXPECT_NE(neu, Block(""));
    EXPECT_NE(neu.find("\"" + SprText(11314) + "\""), AnsiString::npos);
    const size_t objekte = Device->GetObjekte().size();
    EXPECT_EQ(melderNummern(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Device->GetAnzahlMelder(), 5);
    EXPECT_EQ(parameter(10070), 0x11330000);
    objekteStimmen();

    // Loaded again by a new instance: the same tree.
    Device = NeueInstanz();
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_EQ(Device->GetObjekte().size(), objekte);
    EXPECT_EQ(melderNummern(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Device->GetAnzahlMelder(), 5);
    EXPECT_EQ(Dienste.StatusPanels()[2], "4");

    // Three detectors added to security area 1, the second of them deleted, the block written.
    TDataBasis *sb1 = nullptr;
    for (const auto &[handle, object] : Device->GetObjekte())
        if (object->GetTyp() == 6127)
            sb1 = object.get();
    ASSERT_NE(sb1, nullptr);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), sb1, true, 3));
    ASSERT_TRUE(Device->DeleteAzMelder(Device->GetPointerInstMelder(6)));
    ASSERT_TRUE(Device->WriteBlob());
    EXPECT_EQ(parameter(50), 1);
    EXPECT_EQ(parameter(60), 0);
    EXPECT_EQ(parameter(70), 1);
    objekteStimmen();
    EXPECT_TRUE(Boxes.Boxes().empty());

    // And once more from the bus tool: the detectors as they were left.
    Device = NeueInstanz();
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_EQ(melderNummern(), (std::vector<int>{0, 1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(Device->GetAnzahlMelder(), 7);
    EXPECT_EQ(Device->GetMelderNrUsed(), (std::list<int>{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(Dienste.StatusPanels()[3], "154");
    objekteStimmen();
    EXPECT_EQ(Device->GetNextFreeMelderNr(), 6) << "the deleted number is free again";
}

TEST_F(EndToEnd, AnUnknownDeviceCannotBeLoaded) {
    DAL_DEVICE record{};
    record.deviceId = 987654;
    TDeviceInstanzAz device(&Dienste, &record, &Dienste);
    Dienste.SetDevice(&device);
    EXPECT_FALSE(device.GetDataFromServer(0, false));
    // The bus tool knows no such device: its block cannot be read, and no tree is made.
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Can't read data (BLOB): 1");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Error: TDeviceInstanz::GetDataFromServer");
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_OK));
    EXPECT_TRUE(device.GetObjekte().empty());
    Dienste.SetDevice(Device.get());
}

TEST_F(EndToEnd, AFailedReadOfTheStoredBlockMakesAndWritesNothing) {
    TProjectDatabase &db = Dienste.Project().Database();
    const int32_t panel = Dienste.Project().PanelId();
    TDatenStruktur root = Datensatz(1, 105, 0, 1, 0, "Zentrale");
    root.String1 = "01.01.001";
    const AnsiString block = Block(root.GetDatensatzZeile() + "\r\n");
    Speichern(block);
    auto parameter = [&] { return Dienste.Project().ChangedParameters(); };
    const auto parameterVorher = parameter();
    const std::vector<int> objekteVorher = db.ActiveObjectNumbers(panel);

    db.InjectFailure("BlobRead", 1);
    EXPECT_FALSE(Device->GetDataFromServer(0, false));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, "Can't read data (BLOB): 1");
    EXPECT_EQ(Boxes.Boxes()[0].caption, "Error: TDeviceInstanz::GetDataFromServer");
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_OK));
    EXPECT_TRUE(Device->GetObjekte().empty()) << "no new panel";
    EXPECT_EQ(Gespeichert(), block);
    EXPECT_EQ(parameter(), parameterVorher);
    EXPECT_EQ(db.ActiveObjectNumbers(panel), objekteVorher);
    EXPECT_TRUE(Dienste.Calls().empty());

    // Once the bus tool answers again, the stored configuration loads as it was.
    Boxes.Clear();
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_EQ(Device->GetObjekte().size(), 1u);
    ASSERT_TRUE(Device->WriteBlob());
    EXPECT_EQ(Gespeichert(), block);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

// A device without a block gets a new panel on its load; one that cannot be made whole (the
// bus tool takes no device parameter) is not stored, and a later load makes it whole.
TEST_F(EndToEnd, ANewPanelThatCannotBeMadeWholeIsNotStored) {
    ASSERT_TRUE(Gespeichert().empty());
    Dienste.Project().Database().InjectFailure("TEtsDeviceParam::SetDeviceParamData", 100000);
    EXPECT_FALSE(Device->GetDataFromServer(0, false));
    EXPECT_FALSE(Boxes.Boxes().empty());
    EXPECT_TRUE(Gespeichert().empty());

    Dienste.Project().Database().ClearFailures();
    Boxes.Clear();
    Device = NeueInstanz();
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_FALSE(Gespeichert().empty());
}

// The three reads of the physical address: when one fails on a load, the root keeps the
// address its record holds (here another than the bus tool's, to tell them apart).
class EndToEndPhysAdr : public EndToEnd, public ::testing::WithParamInterface<const char *> {};

TEST_P(EndToEndPhysAdr, AFailedReadKeepsTheStoredAddress) {
    TDatenStruktur root = Datensatz(1, 105, 0, 1, 0, "Zentrale");
    root.String1 = "01.01.007";
    const AnsiString block = Block(root.GetDatensatzZeile() + "\r\n");
    Speichern(block);
    Dienste.Project().Database().InjectFailure(GetParam(), 1);
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_EQ(Device->GetDatenSatz(1, 0, 1)->String1, "01.01.007");
    ASSERT_TRUE(Device->WriteBlob());
    EXPECT_EQ(Gespeichert(), block);
    EXPECT_TRUE(Dienste.Project().Database().Failures().empty()) << "the load took the failure";

    // With the bus tool answering, the root takes the device's address.
    Device = NeueInstanz();
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_EQ(Device->GetDatenSatz(1, 0, 1)->String1, "01.01.001");
    EXPECT_TRUE(Boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Reads, EndToEndPhysAdr,
                         ::testing::Values("DalGetDeviceData", "DalGetLineData", "DalGetAreaData"),
                         [](const auto &info) { return std::string(info.param); });

// A record text may hold any of the block's section tags: they count only where the writer
// puts them, so the block loads to the same records and component data and is stored again
// byte for byte, load after load.
class EndToEndTag : public EndToEnd, public ::testing::WithParamInterface<const char *> {};

TEST_P(EndToEndTag, ARecordTextWithATagKeepsTheBlock) {
    const AnsiString tag = GetParam();
    TDatenStruktur root = Datensatz(1, 105, 0, 1, 0, "Zentrale");
    root.String1 = "01.01.001";
    TDatenStruktur text = Datensatz(2, 2, 1, 1, 0, tag);
    text.String1 = tag;
    text.String2 = "vor " + tag + " nach";
    const AnsiString block =
        Block(root.GetDatensatzZeile() + "\r\n" + text.GetDatensatzZeile() + "\r\n", "XY");
    Speichern(block);

    for (int load = 1; load <= 2; ++load) {
        SCOPED_TRACE(load);
        Device = NeueInstanz();
        ASSERT_TRUE(Device->GetDataFromServer(0, false));
        EXPECT_EQ(StreamText(Device->GetCompDataStream()), "XY");
        const TDatenStruktur *gelesen = Device->GetDatenSatz(1, 1, 2);
        EXPECT_EQ(gelesen->Name, tag);
        EXPECT_EQ(gelesen->String1, tag);
        EXPECT_EQ(gelesen->String2, "vor " + tag + " nach");
        ASSERT_TRUE(Device->WriteBlob());
        EXPECT_EQ(Gespeichert(), block);
    }
    EXPECT_TRUE(Boxes.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Tags, EndToEndTag,
                         ::testing::Values("<Version>", "</Version>", "<DB>", "</DB>", "<CompData>",
                                           "</CompData>"),
                         [](const auto &info) {
                             std::string name;
                             for (const char c : std::string(info.param))
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return (info.param[1] == '/' ? "Close" : "Open") + name;
                         });

TEST_F(EndToEnd, ADamagedStoredBlockIsNotLoaded) {
    Speichern(Block("kaputt\r\n"));
    EXPECT_FALSE(Device->GetDataFromServer(0, false));
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    EXPECT_TRUE(Dienste.Calls().empty());
}

TEST_F(EndToEnd, DebugCopiesGoIntoFilesThatExist) {
    const std::string gelesen = (Dienste.Project().Dir() / "gelesen.txt").string();
    const std::string gespeichert = (Dienste.Project().Dir() / "gespeichert.txt").string();
    TRegIni ini;
    ini.WriteBool(Dienste.GetIniFile(), RegSecDebug, RegKeyWriteReadBlob, true);
    ini.WriteString(Dienste.GetIniFile(), RegSecDebug, RegKeyReadBlob, gelesen);
    ini.WriteBool(Dienste.GetIniFile(), RegSecDebug, RegKeyWriteSaveBlob, true);
    ini.WriteString(Dienste.GetIniFile(), RegSecDebug, RegKeySaveBlob, gespeichert);
    std::ofstream(gelesen) << "alt";

    const AnsiString block =
        Block(Datensatz(1, 105, 0, 1, 0, "Zentrale").GetDatensatzZeile() + "\r\n");
    Speichern(block);
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    TMemoryStream kopie;
    kopie.LoadFromFile(gelesen);
    EXPECT_EQ(StreamText(kopie), block);

    ASSERT_TRUE(Device->WriteBlob());
    EXPECT_FALSE(std::filesystem::exists(gespeichert)) << "a missing file is not made";
    std::ofstream(gespeichert) << "alt";
    ASSERT_TRUE(Device->WriteBlob());
    kopie.LoadFromFile(gespeichert);
    EXPECT_EQ(StreamText(kopie), Gespeichert());
}

TEST_F(EndToEnd, WithoutTheSwitchNoDebugCopyIsWritten) {
    const std::string gelesen = (Dienste.Project().Dir() / "gelesen.txt").string();
    TRegIni().WriteString(Dienste.GetIniFile(), RegSecDebug, RegKeyReadBlob, gelesen);
    std::ofstream(gelesen) << "alt";
    Speichern(Block(""));
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    TMemoryStream kopie;
    kopie.LoadFromFile(gelesen);
    EXPECT_EQ(StreamText(kopie), "alt");
}

} // namespace

namespace {

// A detector's communication object linked to 1/0/1: the bus tool's project shows the link,
// the configuration data block carries it, and a fresh instance loads it back.
class EndToEndLink : public TBusFixture {};

TEST_F(EndToEndLink, ALinkedObjectShowsInTheProjectAndSurvivesSaveAndReload) {
    const int32_t sub = Adresse(1, 0, 1, "Einbruch");
    TEtsObjekt *object = MelderObjekt();
    ASSERT_NE(object, nullptr);
    ASSERT_TRUE(object->SendeLinkToSubGroup(sub)) << "message 1145 to the real instance";

    const auto links = Db().Links(Dienste.Project().PanelId());
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0].objectNumber, 0);
    EXPECT_EQ(GroupAddressText(links[0].groupAddress, true), "1/0/1");
    EXPECT_EQ(links[0].objectName, "Melder 1");

    ASSERT_TRUE(Device->WriteBlob());
    const DAL_DEVICE record = Dienste.PanelRecord();
    auto fresh = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
    Dienste.SetDevice(fresh.get());
    Device.reset();
    ASSERT_TRUE(fresh->GetDataFromServer(0, false));
    TEtsObjekt *loaded = fresh->GetObjectFromObjectNr(0);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->GetSubGroupLinks().size(), 1u);
    EXPECT_EQ(loaded->GetSubGroupLinks()[0].SubGroupId, sub);
    EXPECT_EQ(loaded->GetSubGroupLinks()[0].GrpAdr, 0x0801);
    EXPECT_EQ(loaded->GetDeviceObjectId(), Dienste.Project().DeviceObject(0));
    EXPECT_EQ(loaded->GetParent(), 3);
    EXPECT_EQ(loaded->GetParameterWert(), 3);
    EXPECT_TRUE(Boxes.Boxes().empty());

    // The loaded object unlinks in the bus tool too (message 1146).
    EXPECT_TRUE(loaded->SendeUnLinkFromSubGroup(sub));
    EXPECT_TRUE(loaded->GetSubGroupLinks().empty());
    EXPECT_TRUE(Db().Links(Dienste.Project().PanelId()).empty());
    Dienste.SetDevice(nullptr);
}

} // namespace
