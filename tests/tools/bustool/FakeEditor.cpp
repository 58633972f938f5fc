// A stand-in for the editor in the tests of the host program: it opens the project and the
// event connection from its environment as the editor does, binds the twelve event slots and
// writes what it sees at each event into a log file (FAKE_EDITOR_LOG), one line per event,
// so that the tests can check what the host did before and after each event.
//
// FAKE_EDITOR holds comma-separated settings:
//   result=N          the result of every event (default 1)
//   <EventName>=N     the result of that event (LinkObjToSubGroup=0)
//   return=K          ReturnToEts(K) after an event answered with done 0 (default 1)
//   die=<EventName>   ends with exit code 3 when that event arrives, without an answer
//   hang=<EventName>  never answers that event (Stop: never ends)
//   exit=N            the exit code after the stop event (default 0)
// After an edit event (answered with done 0) it changes the edited device as a user would:
// parameter 10050 := 1 and the data block "edited", and a panel's clock over the bus (23:59:59
// through its time pointer), then hands control back.
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/bustool/TEtsEventConnection.h"
#include "platform/bustool/TPanelMemory.h"

#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

namespace {

std::map<std::string, std::string> Settings() {
    std::map<std::string, std::string> settings;
    const char *text = std::getenv("FAKE_EDITOR");
    std::stringstream in(text ? text : "");
    for (std::string item; std::getline(in, item, ',');) {
        const size_t eq = item.find('=');
        if (eq != std::string::npos)
            settings[item.substr(0, eq)] = item.substr(eq + 1);
    }
    return settings;
}

class TFakeEditor {
public:
    TFakeEditor(const char *module) : FCdi(nullptr, module, false) {
        Log(std::string("started ") + module);
    }

    int Run() {
        Bind();
        TEtsEventConnection *events = FCdi.Events();
        if (!events) {
            Log("no event connection");
            return 4;
        }
        while (!FStopped) {
            pollfd p{events->Fd(), POLLIN, 0};
            poll(&p, 1, -1);
            events->ReadAvailable();
            if (FEditedDevice >= 0 && !FStopped) {
                // The user's changes while the editor has control.
                FCdi.CoSetDeviceParameterValueLong(10050, 1, false, false);
                unsigned char block[] = {'e', 'd', 'i', 't', 'e', 'd'};
                FCdi.BlobWrite(block, sizeof block, FEditedDevice);
                SetClock(FEditedDevice);
                const int keep = std::stoi(Setting("return", "1"));
                Log("ReturnToEts " + std::to_string(keep) + " -> " +
                    (FCdi.ReturnToEts(keep) ? "sent" : "refused"));
                FEditedDevice = -1;
            }
        }
        return std::stoi(Setting("exit", "0"));
    }

private:
    std::string Setting(const std::string &key, const std::string &otherwise) {
        const auto it = FSettings.find(key);
        return it == FSettings.end() ? otherwise : it->second;
    }
    void Log(const std::string &line) {
        if (const char *file = std::getenv("FAKE_EDITOR_LOG"))
            std::ofstream(file, std::ios::app) << line << "\n";
    }
    // What every event does first: log, and die or hang when asked; answers its result.
    int Begin(const std::string &event, const std::string &seen) {
        Log(seen.empty() ? event : event + " " + seen);
        if (Setting("die", "") == event)
            _exit(3);
        while (Setting("hang", "") == event)
            std::this_thread::sleep_for(std::chrono::seconds(1));
        return std::stoi(Setting(event, Setting("result", "1")));
    }
    bool Exists(long device) {
        DAL_DEVICE d{};
        d.size = sizeof d;
        return FCdi.DalGetDeviceData(3, device, -1, -1, -1, -1, &d) == DAL_OK;
    }
    // The device's "DeviceId" as the editor reads it: its parameters, then their definitions.
    std::string DeviceIdOf(long device) {
        DAL_DEVICE_PARAM p{};
        p.size = sizeof p;
        for (int mode = 1; FCdi.DalGetDeviceParamData(mode, -1, device, &p) == DAL_OK; mode = 2) {
            DAL_PARAMETER d{};
            d.size = sizeof d;
            if (FCdi.DalGetParameterData(3, p.parameterId, -1, -1, &d) == DAL_OK &&
                std::string(d.name) == "DeviceId")
                return std::to_string(p.value);
        }
        return "none";
    }
    bool Linked(long device, int number, long sub) {
        const auto object = FCdi.Database().DeviceObjectId(static_cast<int32_t>(device), number);
        return object && FCdi.Database().LinkId(*object, static_cast<int32_t>(sub));
    }
    // The clock download's way: the time pointer, then the time behind it; a device that is
    // not on the bus does not answer.
    void SetClock(long device) {
        const auto row = FCdi.Database().Device(static_cast<int32_t>(device));
        if (!row || FCdi.EibSetAddress(1, row->address) != EIB_OK || FCdi.EibStartComm() != EIB_OK)
            return;
        unsigned char pointer[2] = {};
        const uint16_t at = TPanelMemory::kTimePointer;
        if (FCdi.EibReadMemBlock(pointer, at, at, at + 1) == EIB_OK) {
            const auto time = static_cast<uint16_t>(pointer[0] << 8 | pointer[1]);
            unsigned char bytes[] = {23, 59, 59}, mask[] = {0xFF, 0xFF, 0xFF};
            FCdi.EibWriteMemBlock(bytes, time, time, time + 2, mask);
        }
        FCdi.EibStopComm();
    }
    std::string Current() { return "current=" + std::to_string(FCdi.GetCurrentDevice()); }
    std::filesystem::path BusToolFolder() { return FCdi.Database().BusToolInfo().directory; }
    size_t BlobSize(long device) {
        unsigned char *data = nullptr;
        unsigned long size = 0;
        return FCdi.BlobRead(&data, &size, device) ? size : 0;
    }

    void Bind() {
        FCdi.OnCdiEditParameters = [this](bool *done, int *result, TCdiSender, long id) {
            *result = Begin("EditParameters", std::to_string(id) + " " + Current());
            *done = false;
            FEditedDevice = id;
        };
        FCdi.OnCdiEditObject = [this](bool *done, int *result, TCdiSender, long, long object) {
            *result = Begin("EditObject", std::to_string(object) + " " + Current());
            *done = false;
            FEditedDevice = FCdi.GetCurrentDevice();
        };
        FCdi.OnCdiCreateDevice = [this](bool *, int *result, TCdiSender, int mode, long id,
                                        const AnsiString &text) {
            *result = Begin("CreateDevice", std::to_string(mode) + " " + std::to_string(id) + " [" +
                                                text + "] exists=" + std::to_string(Exists(id)) +
                                                " DeviceId=" + DeviceIdOf(id) + " " + Current());
        };
        FCdi.OnCdiDeleteDevice = [this](bool *, int *result, TCdiSender, long id) {
            *result =
                Begin("DeleteDevice", std::to_string(id) + " exists=" + std::to_string(Exists(id)));
        };
        FCdi.OnWmUserSvStop = [this](bool *, int *, TCdiSender, WPARAM, LPARAM) {
            Begin("Stop", "");
            FStopped = true;
        };
        FCdi.OnCdiDoDownload2 = [this](bool *, int *result, TCdiSender, int32_t, long id, int16_t,
                                       int16_t, int32_t, int32_t, int32_t, uint16_t flags) {
            *result = Begin("DoDownload2", std::to_string(id) + " flags=" + std::to_string(flags));
        };
        auto link = [this](const char *name) {
            return [this, name](bool *, int *result, TCdiSender, long, long id, int16_t number,
                                long sub) {
                *result = Begin(name, std::to_string(id) + " " + std::to_string(number) + " " +
                                          std::to_string(sub) +
                                          " linked=" + std::to_string(Linked(id, number, sub)));
            };
        };
        FCdi.OnCdiLinkObjToSubGroup = link("LinkObjToSubGroup");
        FCdi.OnCdiUnlinkObjFromSubGroup = link("UnlinkObjFromSubGroup");
        FCdi.OnCdiExportDevice = [this](bool *, int *result, TCdiSender, long, long id,
                                        TEtsExportTarget *target) {
            *result = Begin("ExportDevice", std::to_string(id));
            const auto file = BusToolFolder() / ("export-" + std::to_string(id) + ".azp");
            std::ofstream(file) << "exported " << id << "\n";
            target->SetExportFileName(file.string());
        };
        FCdi.OnCdiImportDevice = [this](bool *, int *result, TCdiSender, long, long id) {
            const std::string oldId = DeviceIdOf(id);
            const auto file = BusToolFolder() / (oldId + ".azp");
            *result = Begin("ImportDevice", std::to_string(id) + " DeviceId=" + oldId + " file=" +
                                                std::to_string(std::filesystem::exists(file)));
            std::ifstream in(file, std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
            FCdi.BlobWrite(reinterpret_cast<unsigned char *>(bytes.data()), bytes.size(), id);
            std::filesystem::remove(file); // as the editor does after a good import
        };
        FCdi.OnCdiCopyDevice = [this](bool *, int *result, TCdiSender, long, long target,
                                      long source, uint8_t flag) {
            *result =
                Begin("CopyDevice",
                      std::to_string(target) + " " + std::to_string(source) + " " +
                          std::to_string(flag) + " exists=" + std::to_string(Exists(target)) +
                          " source-block=" + std::to_string(BlobSize(source)) + " " + Current());
            unsigned char *data = nullptr;
            unsigned long size = 0;
            if (FCdi.BlobRead(&data, &size, source)) {
                std::vector<unsigned char> copy(data, data + size);
                FCdi.BlobWrite(copy.data(), size, target);
            }
        };
        FCdi.OnCdiDoReconstruct = [this](bool *, int *result, TCdiSender, long, long id, long x,
                                         int mode, const AnsiString &file) {
            *result = Begin("DoReconstruct", std::to_string(id) + " " + std::to_string(x) + " " +
                                                 std::to_string(mode) + " [" + file + "]");
        };
    }

    std::map<std::string, std::string> FSettings = Settings();
    TEts2Cdi_Extended1 FCdi;
    bool FStopped = false;
    long FEditedDevice = -1;
};

} // namespace

int main(int argc, char **argv) {
    try {
        TFakeEditor editor(argc > 1 ? argv[1] : "");
        return editor.Run();
    } catch (const std::exception &e) {
        std::ofstream("/dev/stderr") << "fake editor: " << e.what() << "\n";
        return 5;
    }
}
