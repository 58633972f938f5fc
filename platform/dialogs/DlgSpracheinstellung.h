// The language dialog: the languages by name in a list, OK and Cancel. OK stores the chosen
// language's extension in the settings file (section "Sprache", key "Aktiv") and says so in a
// box; a failure is reported in a box of its own.
#pragma once

#include "platform/dialogs/TModalDialog.h"

#include <map>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

// What the caller passes, in this order: caption, the two buttons' texts, the prompt, the
// languages (name -> extension, ordered by name), the texts of the boxes and a number the
// caller sets to 1.
struct TRecSpracheinstellung {
    AnsiString Caption;
    AnsiString BtnOk;
    AnsiString BtnAbbrechen;
    AnsiString Prompt;
    std::map<AnsiString, AnsiString> Sprachen;
    AnsiString TextNeustart;         // takes effect at the next start
    AnsiString TextGeaendert;        // language changed
    AnsiString TextFehlgeschlagen;   // the change failed
    AnsiString TextFehler;           // the failure boxes' caption
    AnsiString TextNichtEingetragen; // the value could not be written
    AnsiString TextNichtGeoeffnet;   // the store could not be opened
    int Wert = 0;
};

class TDlgSpracheinstellung : public TModalDialog {
public:
    // iniFile: the settings file the choice is stored in (empty: none can be).
    TDlgSpracheinstellung(QWidget *owner, TRecSpracheinstellung daten, std::string iniFile);
    ~TDlgSpracheinstellung() override;

    // The chosen language's extension; empty when none is chosen.
    AnsiString GewaehlteExt() const;
    // Stores the chosen extension; true when it was stored (and its box shown), false after
    // the failure's box or when none is chosen.
    bool Speichern();
    void BtnOkClick();
    void BtnAbbrechenClick();

    QLabel *LabelPrompt;
    QListWidget *ListSprachen;
    QPushButton *BtnOk;
    QPushButton *BtnAbbrechen;

private:
    TRecSpracheinstellung FDaten;
    std::string FIniFile;
};

// The settings file the dialog stores into; by default the program's (its path with the
// extension ".ini"). An empty path puts the default back.
void SetSpracheinstellungIniFile(const std::string &path);
std::string GetSpracheinstellungIniFile();

// Shows the dialog; true when a language was stored.
bool _StartDlgSpracheinstellung(TRecSpracheinstellung daten);
