// A full panel's configuration data block through the simulated bus tool: stored, loaded,
// written back byte for byte; failures of the bus tool on the way; a communication object's
// link through save and reload.
#include "AzVollesPanel.h"
#include "DeviceTestHilfen.h"
#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TRegIni.h"

#include "platform/bustool/TEts2Cdi.h"

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
    EXPECT_EQ(einmal.size(), erzeugt.size() + std::string("01.01.001").size());

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

TEST_F(EndToEnd, AnEmptyBlockMakesANewDeviceSilently) {
    ASSERT_TRUE(Device->GetDataFromServer(0, false));
    EXPECT_TRUE(Boxes.Boxes().empty());
    EXPECT_EQ(Gespeichert(), Block(""));
}

TEST_F(EndToEnd, AnUnknownDeviceCannotBeLoaded) {
    DAL_DEVICE record{};
    record.deviceId = 987654;
    TDeviceInstanzAz device(&Dienste, &record, &Dienste);
    Dienste.SetDevice(&device);
    EXPECT_FALSE(device.GetDataFromServer(0, false));
    ASSERT_EQ(Boxes.Boxes().size(), 3u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9090));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9028));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONINFORMATION));
    EXPECT_EQ(Boxes.Boxes()[1].text, SprText(9125));
    EXPECT_EQ(Boxes.Boxes()[2].text, "Can't read data (BLOB): 1");
    EXPECT_EQ(Boxes.Boxes()[2].caption, "Error: TDeviceInstanz::GetDataFromServer");
    Dienste.SetDevice(Device.get());
}

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
