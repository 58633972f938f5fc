// A temporary project of the simulated bus tool, for in-process tests of every layer that
// works with the bus tool (object model, device instance, shell, reconstruction). Header only;
// link the test program with `etscdi`.
//
//   TTempProject project;                            // a new project with the demo panel
//   TEtsDeviceParam param(&project.Cdi(), project.PanelId());
//   ... the code under test writes through param (or through project.Cdi()) ...
//   EXPECT_EQ(project.Parameter(4620), 0x1234);      // what the bus tool holds now
//   EXPECT_EQ(project.ActiveObjects(), std::vector<int>({0, 161}));
//
// The project file lives in a fresh temporary folder, which is also the bus tool's folder (with
// its Ets20.ini); the folder is removed with the object. The demo panel is on the simulated bus
// at 01.01.001 and directly connected (bus address 0 reaches it), with a few events in its
// event memory (TPanelMemory). Cdi() is the editor's interface object
// on the file, its current device the panel; Database() builds and inspects the project
// directly (more devices, group addresses, links, injected failures).
#pragma once

#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/bustool/TProjectDatabase.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

class TTempProject {
public:
    // withPanel false: an empty project (no area, line or device); PanelId() is then -1.
    explicit TTempProject(bool withPanel = true) {
        std::string pattern = (std::filesystem::temp_directory_path() / "bustool-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw EProjectDatabase("no temporary folder for a project");
        FDir = pattern;
        FFile = FDir / "project.db";
        TProjectDatabase::Create(FFile, "Testprojekt");
        if (withPanel)
            FPanelId = TProjectDatabase(FFile).AddDemoPanel();
        FCdi = std::make_unique<TEts2Cdi_Extended1>(FFile, PanelProductData().moduleName, FPanelId);
    }
    ~TTempProject() {
        FCdi.reset();
        std::error_code ec;
        std::filesystem::remove_all(FDir, ec);
    }
    TTempProject(const TTempProject &) = delete;
    TTempProject &operator=(const TTempProject &) = delete;

    const std::filesystem::path &Dir() const { return FDir; }
    const std::filesystem::path &File() const { return FFile; }
    int32_t PanelId() const { return FPanelId; }
    TEts2Cdi_Extended1 &Cdi() { return *FCdi; }
    TProjectDatabase &Database() { return FCdi->Database(); }

    // The panel's parameter value, none when the panel has no such parameter.
    std::optional<int32_t> Parameter(int32_t id) { return Database().ParameterValue(FPanelId, id); }
    // The panel's communication objects that are switched on, by object number.
    std::vector<int> ActiveObjects() { return Database().ActiveObjectNumbers(FPanelId); }
    // The panel's device object with that number.
    int32_t DeviceObject(int number) { return Database().DeviceObjectId(FPanelId, number).value(); }
    // The panel's parameters that differ from their defaults, as (id, value).
    std::vector<std::pair<int32_t, int32_t>> ChangedParameters() {
        std::vector<std::pair<int32_t, int32_t>> out;
        for (const auto &row : Database().ChangedParameters(FPanelId))
            out.emplace_back(row.id, row.value);
        return out;
    }
    // The panel's links as (object number, word, sending).
    std::set<std::tuple<int, int, bool>> SendingLinks() {
        std::set<std::tuple<int, int, bool>> out;
        for (const TLinkRow &l : Database().Links(FPanelId))
            out.emplace(l.objectNumber, l.groupAddress, l.sending);
        return out;
    }

private:
    std::filesystem::path FDir;
    std::filesystem::path FFile;
    int32_t FPanelId = -1;
    std::unique_ptr<TEts2Cdi_Extended1> FCdi;
};
