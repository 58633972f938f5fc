// The program's description file ("az_deu.rtf", or a plain ".txt" in its place): sections that
// begin with a line "#id" and their number. One reader for its two users, each with its rules:
//   Dialog (the panel definition): extension, markers and the next "#id" compared ignoring case.
//   Hilfe (the quick-help pane): extension exactly ".txt" or ".rtf"; a ".txt" section opens at
//     the line that, trimmed of blanks, equals the marker, and ends at a line whose first three
//     characters, trimmed, are "#id"; in ".rtf" marker and "#id" are found as written.
// In both a rich-text marker is found whole ("#id5" is not found inside "#id50"); the section
// then begins two characters (the CR LF) behind it; without the marker the section is empty.
#pragma once

#include "platform/vcl/AnsiString.h"

class TBeschreibungsDatei {
public:
    enum TRegel { Dialog, Hilfe };
    enum TArt { Keine, Text, Rtf };

    TBeschreibungsDatei(const AnsiString &datei, TRegel regel);

    // Keine: the file is missing or has another extension.
    TArt Art() const;
    // The section's text (".txt": its lines joined by '\n'; ".rtf": its plain text, CR LF as
    // in the file's text). false with a message in fehler when the rich text leaves the
    // reader's subset.
    bool Abschnitt(int nummer, AnsiString &text, AnsiString &fehler) const;

    static AnsiString Marke(int nummer);

private:
    AnsiString FDatei;
    TRegel FRegel;
};
