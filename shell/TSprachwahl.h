// The language and about commands: the language dialog's record from the settings file's
// "Sprache" section (read and written back), the dialog, and the close-instead-of-hide flag
// when a language was stored; the about dialog with its four texts.
#pragma once

#include "platform/dialogs/DlgSpracheinstellung.h"

class TDM;

// The record for the language dialog: its texts and the languages that the settings file
// lists ("Count", then "Sprache<i>" and "SprachExt<i>"; each value written back as read, so
// that a missing one appears in the file).
TRecSpracheinstellung SprachDaten(const AnsiString &iniFile);
// Runs the language dialog on the data module's settings file; a stored language sets the
// close-instead-of-hide flag (the new language counts from the next start). True when stored.
bool SpracheEinstellen(TDM &dm);
// The about dialog's image: <program folder>Az/AboutImage/Az.bmp.
AnsiString InfoBild(const TDM &dm);
// Opens the about dialog: caption, version label, no further text, the image.
void InfoZeigen(const TDM &dm);
