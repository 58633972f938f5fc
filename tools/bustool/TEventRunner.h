// The host program's run: starts the editor, raises the events one after the other and does
// around each what the bus tool does:
// - create, import, copy: the device is in the project, with its parameters and "DeviceId",
//   before its event; import also finds "DeviceId" holding the old id and the file
//   "<old id>.azp" in the bus tool's folder, and the parameters of the panel with the old id
//   when the project holds one (as the exported project's device had them);
// - delete: the device is removed after its event;
// - link: the link is made before the event (the object's first link sends) and undone when
//   the answer's result is 0; unlink: the link is removed before the event;
// - export: the answer names the file the editor exported;
// - stop: no answer; the editor ends;
// - an answer with done 0 (edit, edit-object): the host waits for ReturnToEts; ReturnToEts(0)
//   puts the project back as it was before the event, but not the simulated bus (memory
//   images, injected failures taken).
// Each answer is awaited with a time-out; the editor ending or not answering fails the run.
// After the last event the host closes the connection (a stop for the editor) and waits for
// the editor to end. A run that fails ends the editor, puts the project back as it was before
// the run, removes the files it placed and throws EHostFailure (EUsage for an event that
// names what the project does not hold).
#pragma once

#include "tools/bustool/TEditorProcess.h"
#include "tools/bustool/THostEvent.h"

#include "platform/bustool/TEtsEventProtocol.h"
#include "platform/bustool/TProjectDatabase.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <ostream>
#include <vector>

struct TRunOptions {
    std::filesystem::path editor;
    std::string moduleName;
    std::chrono::milliseconds answerTimeout{60000};
    TEditorProcess::TTimeout editTimeout; // none: as long as the editor runs
};

class TEventRunner {
public:
    // The project (borrowed) is the host's connection to the file the editor opens.
    TEventRunner(TProjectDatabase &db, TRunOptions options, std::ostream &out);
    void Run(const std::vector<THostEvent> &events);

private:
    // What the host has to do after an event's answer.
    struct TAfter {
        std::optional<int32_t> removeDevice;
        std::optional<std::pair<int32_t, int32_t>> undoLink; // device object, sub group
    };
    void RunEvents(const std::vector<THostEvent> &events);
    TEtsEvent Prepare(const THostEvent &event, TAfter &after);
    TEtsReply Await(TEtsReply::TKind expected, const std::string &what,
                    TEditorProcess::TTimeout timeout);
    void Finish(TEditorProcess::TTimeout timeout, const char *how);
    int32_t DeviceId(const TDeviceRef &ref);
    int32_t ExistingDevice(const TDeviceRef &ref);
    // The line of a new device at the address (made when missing); throws when it is taken.
    int32_t LineOf(uint16_t address);
    int32_t DeviceObject(int32_t device, int number);
    int32_t SubGroup(const TGroupNumbers &group);
    void PlaceImportFile(const std::filesystem::path &file, int32_t oldId);

    TProjectDatabase &FDb;
    TRunOptions FOptions;
    std::ostream &FOut;
    std::unique_ptr<TEditorProcess> FEditor;
    std::vector<std::filesystem::path> FPlacedFiles;
};
