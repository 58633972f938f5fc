// The program's main window on a temporary project with the demo panel, for the tests of
// leaving the editor, the settings, autosave and recovery and the tree services. The program's
// path (and with it the settings file and the autosave folder) lies in the project's folder;
// the bus tool's events reach the window through an event decoder whose answer lines are kept,
// so that ReturnToEts works as with the host. Every box is recorded and answered from a script;
// the device dialogs are the tests' (cancel).
#pragma once

#include "TTestHaupt.h"
#include "platform/bustool/TEtsEventDecoder.h"
#include "platform/win/MessageBox.h"
#include "shell/TFormMain.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TTestFormMain {
public:
    // One key of the settings file.
    struct TEinstellung {
        const char *Section;
        const char *Key;
        std::string Value;
    };
    // settings: written into the program's settings file before the main window reads it.
    explicit TTestFormMain(const std::vector<TEinstellung> &settings = {});
    ~TTestFormMain();
    TTestFormMain(const TTestFormMain &) = delete;
    TTestFormMain &operator=(const TTestFormMain &) = delete;

    // Raises the edit event for the panel; true when the editor opened (done 0, result 1).
    bool Oeffne();
    // Sends one event line to the editor (nothing once the program has closed).
    void Ereignis(const std::string &line);
    // The settings file's value (empty when missing).
    std::string Ini(const char *section, const char *key) const;
    // The panel's data block as the bus tool holds it.
    std::string Block();
    // The panel's autosave file's path.
    std::filesystem::path AutoSaveDatei() const;
    // The boxes' texts, in order.
    std::vector<std::string> BoxTexte() const;

    TMessageBoxRecorder Boxen;
    TTempProject Project;
    std::unique_ptr<TDM> DM;
    std::unique_ptr<TFormMain> Main;
    // The decoder lives in the main window's interface object (it goes when the program
    // closes); null then.
    TEtsEventDecoder *Decoder() const;
    // The lines the editor sent to the host, in order.
    std::vector<std::string> Zeilen;
};
