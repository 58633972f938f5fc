// A main window for tests of panel objects (and of the device instance): it registers itself
// as a message target, records every message it receives in order, and answers those that
// panel objects rely on:
//   1127, 1164  the record, from a record tree kept as the device instance keeps it (system ->
//               parent -> records); a missing record is made, as the device instance does;
//   1129        deletes a chain of chained records, as the device instance does;
//   1130        counts the modified marks;
//   1133, 1161  from a script: one step per request, in order (unscripted requests answer 0);
//   1170        the TEtsDeviceParam the test hands it, or one on a temporary simulated project
//               (UseTemporaryProject); null until then.
// Posted messages reach it when the test calls DeliverPostedMessages(). A test may add notes
// of its own to the log, so the order of calls and messages can be checked together.
#pragma once

#include "foundation/TDatenStruktur.h"
#include "objectmodel/RDeviceRequest.h"
#include "platform/objectbase/TEibHandle.h"
#include "platform/win/Messages.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TEtsDeviceParam;
class TTempProject;

class TFakeMainWindow : public TMessageTarget {
public:
    // A request as it arrived, before the script answered it.
    struct TRequest {
        int32_t Handle;
        uint8_t Code;
        TDataBasis *Sender;
        bool HasText;
        AnsiString Text2;
        int32_t Wert, Wert2, Wert3, Wert4, Variante;
    };
    struct TEntry {
        UINT Msg; // 0 for a note
        WPARAM WParam;
        LPARAM LParam;
        std::optional<TRequest> Request; // 1133 and 1161
        std::string Note;
        int Queued; // posted messages waiting when it arrived: a sent message that arrives
                    // after a post of the same handler shows a number above 0
    };
    using TScriptStep = std::function<LRESULT(RDeviceRequest &)>;

    TFakeMainWindow();
    ~TFakeMainWindow() override;
    TFakeMainWindow(const TFakeMainWindow &) = delete;
    TFakeMainWindow &operator=(const TFakeMainWindow &) = delete;

    HWND Handle() const { return FRegistration->Handle(); }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The log.
    const std::vector<TEntry> &Log() const { return FLog; }
    // The message ids in order, notes as their text ("Write" -> shown as the note).
    std::vector<std::string> Trace() const;
    std::vector<TRequest> Requests(UINT msg) const;
    void Note(std::string text);
    void ClearLog() { FLog.clear(); }
    int ModifiedCount() const { return FModified; }

    // The record tree.
    void AddDatenSatz(const TDatenStruktur &record); // under its System and Parent
    // As the device instance: parent -1 searches the whole system; a missing record is made
    // under parent with Handle, Parent and System set.
    TDatenStruktur *GetDatenSatz(int system, int parent, int handle);
    // Without making one; null when absent.
    TDatenStruktur *FindDatenSatz(int system, int handle);
    // As the device instance: the chained records first, then the record itself.
    void DeleteNextDatenSatz(int system, int parent, int handle);
    int DatenSatzCount() const;
    // When set, 1127 and 1164 answer 0.
    bool AnswerNoRecord = false;

    // The device's handle table, built from the handles of the records held when asked for.
    TEibHandle &HandleTable();

    // Requests: each step answers one request of that message, in order.
    void Script(UINT msg, TScriptStep step);
    void Script(UINT msg, LRESULT answer);

    void SetDeviceParam(TEtsDeviceParam *writer) { FDeviceParam = writer; }
    // Answers 1170 from now on with a writer on a temporary simulated project with the demo
    // panel (made on the first call). Every parameter write it receives is noted in the log as
    // "id=value" before it reaches the project, and answered as the project answers it.
    TTempProject &UseTemporaryProject();

private:
    using TParentMap = std::multimap<int, TDatenStruktur>;

    std::unique_ptr<TMessageTargetRegistration> FRegistration;
    std::vector<TEntry> FLog;
    std::map<int, TParentMap> FTree;
    std::map<UINT, std::deque<TScriptStep>> FScript;
    std::unique_ptr<TEibHandle> FHandleTable;
    TEtsDeviceParam *FDeviceParam = nullptr;
    std::unique_ptr<TTempProject> FProject;
    std::unique_ptr<TEtsDeviceParam> FProjectParam;
    int FModified = 0;
};
