// What the device instance asks of the main window and its data module (implemented by the
// shell's TFormMain and by the tests' fake), so that the device instance does not depend on
// the shell. The main window owns the bus-tool interface object and the project windows.
#pragma once

#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <vector>

class TDataBasis;
class TDeviceDialoge;
class TEts2Cdi;
class TFormVerwDienste;
class TTreeNode;

class TFormMainDienste {
public:
    virtual ~TFormMainDienste() = default;

    // The main window's handle: owner of the message boxes and of every panel object.
    virtual HWND GetHandle() const = 0;
    // The process's one bus-tool interface object.
    virtual TEts2Cdi *GetEts2Cdi() = 0;
    // The full path of the running program (the data module's).
    virtual void GetModuleName(AnsiString &path) = 0;
    // The settings file's path (the data module's).
    virtual AnsiString GetIniFile() = 0;
    // Sets the text of a status-bar panel (0 to 3).
    virtual void SetStatusPanel(int panel, const AnsiString &text) = 0;
    // Shows the current device's root name and its number of objects.
    virtual void UpdateObjektAnzahl(const AnsiString &rootName, int objectCount) = 0;
    // The open project windows in the main window's order, and the active one (or null).
    virtual std::vector<TFormVerwDienste *> GetFormVerwList() = 0;
    virtual TFormVerwDienste *GetActiveFormVerv() = 0;

    // The number of group-address levels (the data module's; 3: main/middle/sub, else
    // main/sub).
    virtual int GetGrpAdrLevels() = 0;
    // The active project window's node of the group-address folder (opaque), or null.
    virtual TTreeNode *GetGrpAdrOrdner() = 0;
    // A node for a new group object under its parent's node (the folder or a group) in the
    // active project window; false when none was made.
    virtual bool MakeNode(TDataBasis *object, TDataBasis *parent) = 0;
    // The nodes of a newly created group address, in every project window.
    virtual void CreateGroupAddressNodes(TDataBasis *main, TDataBasis *middle, TDataBasis *sub) = 0;
    // The device's dialogs.
    virtual TDeviceDialoge *GetDeviceDialoge() = 0;

    // The object of the node selected in the active project window's tree, or null.
    virtual TDataBasis *GetSelTreeData() = 0;
    // Lets the message loop deliver what is waiting (posted messages, a progress dialog's
    // cancel) once.
    virtual void ProcessMessages() = 0;
    // The data module's flag: while it is set, a project window that loses the focus keeps
    // its grid's in-place cell editor.
    virtual void SetKeepCellEditor(bool keep) = 0;
    // The main window's special state, in which the alignment does not check the arming
    // areas' switching devices against the project.
    virtual bool GetSonderzustand() = 0;
};
