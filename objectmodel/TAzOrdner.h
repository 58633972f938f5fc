// The four pure folders of a panel's tree: security areas, arming settings, alarm outputs and
// system monitoring. They differ only in their class-table entry (type id and icon); name,
// record, alignment and their empty grid are TOrdner's; they accept no child and no dropped
// object and write no device parameters. (The display folder is a data class of its own.)
#pragma once

#include "objectmodel/TAzObjekt.h"
#include "platform/objectbase/TOrdner.h"

class TAzOrdnerSicherungsBereich : public TAzObjekt<TOrdner, AzKlasse::OrdnerSicherungsBereich> {
public:
    TAzOrdnerSicherungsBereich(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzOrdnerSicherungsBereich() override;
};

class TAzOrdnerScharfschaltung : public TAzObjekt<TOrdner, AzKlasse::OrdnerScharfschaltung> {
public:
    TAzOrdnerScharfschaltung(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzOrdnerScharfschaltung() override;
};

class TAzOrdnerAlarmierung : public TAzObjekt<TOrdner, AzKlasse::OrdnerAlarmierung> {
public:
    TAzOrdnerAlarmierung(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzOrdnerAlarmierung() override;
};

class TAzOrdnerSicherheitStoerung : public TAzObjekt<TOrdner, AzKlasse::OrdnerSicherheitStoerung> {
public:
    TAzOrdnerSicherheitStoerung(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzOrdnerSicherheitStoerung() override;
};
