// The main window's file dialogs: one open and one save dialog, set up anew for each use
// (Clear, then default extension, filter, initial folder, title, options and file name).
// Execute shows a Qt file dialog inside a modal dialog of ours (TFileDialogFenster), so that a
// test's modal driver answers it like every other dialog: it reads the settings, names the
// chosen file (Waehle) and returns 1, or returns 2 for Cancel.
//
//   TOpenDialog &d = OpenDialog;
//   d.Clear();
//   d.Filter = "Exportdateien (*.azx)|*.azx|Alle Dateien (*.*)|*.*";
//   d.DefaultExt = "azx";
//   if (d.Execute()) ... d.FileName ...
//
// Texts (title, filter) are Windows-1252; paths are never converted.
#pragma once

#include "platform/dialogs/TModalDialog.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <vector>

class QFileDialog;
class QWidget;

// The dialogs' options, as flags.
enum TOpenOption : uint32_t {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofShowHelp = 1u << 4,
    ofNoValidate = 1u << 5,
    ofAllowMultiSelect = 1u << 6,
    ofExtensionDifferent = 1u << 7,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofShareAware = 1u << 11,
    ofNoReadOnlyReturn = 1u << 12,
    ofNoTestFileCreate = 1u << 13,
    ofNoNetworkButton = 1u << 14,
    ofNoLongNames = 1u << 15,
    ofOldStyleDialog = 1u << 16,
    ofNoDereferenceLinks = 1u << 17,
    ofEnableIncludeNotify = 1u << 18,
    ofEnableSizing = 1u << 19,
};
using TOpenOptions = uint32_t;

// The settings both dialogs share.
class TFileDialog {
public:
    enum TArt { Oeffnen, Speichern };
    explicit TFileDialog(TArt art, QWidget *owner = nullptr);
    virtual ~TFileDialog();
    TFileDialog(const TFileDialog &) = delete;
    TFileDialog &operator=(const TFileDialog &) = delete;

    // Every setting back to the design state (options ofHideReadOnly and ofEnableSizing).
    void Clear();
    // true: a file was chosen, FileName holds it; false: cancelled, FileName unchanged.
    bool Execute();

    TArt Art() const { return FArt; }

    AnsiString DefaultExt;
    // Pairs "description|pattern" joined by '|'; patterns of one pair separated by ';'.
    AnsiString Filter;
    // 1-based, as the filter's pairs count.
    int FilterIndex = 1;
    AnsiString InitialDir;
    AnsiString Title;
    TOpenOptions Options = 0;
    AnsiString FileName;

private:
    TArt FArt;
    QWidget *FOwner;
};

class TOpenDialog : public TFileDialog {
public:
    explicit TOpenDialog(QWidget *owner = nullptr);
};

class TSaveDialog : public TFileDialog {
public:
    explicit TSaveDialog(QWidget *owner = nullptr);
};

// The window that Execute shows: the Qt file dialog set up from a TFileDialog. Result 1 with
// the chosen file, 2 cancelled.
class TFileDialogFenster : public TModalDialog {
public:
    TFileDialogFenster(QWidget *owner, const TFileDialog &settings);
    ~TFileDialogFenster() override;

    // The settings it was made from (for a test's driver).
    const TFileDialog &Settings() const { return FSettings; }
    // The Qt name filters made from the filter text.
    static std::vector<AnsiString> NameFilters(const AnsiString &filter);
    // Names the chosen file (the driver; a real choice sets it on accept).
    void Waehle(const AnsiString &file);
    const AnsiString &Gewaehlt() const { return FGewaehlt; }

    QFileDialog *Dialog = nullptr;

private:
    void Angenommen();

    const TFileDialog &FSettings;
    AnsiString FGewaehlt;
};
