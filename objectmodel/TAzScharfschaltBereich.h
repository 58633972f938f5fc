// Arming areas 1 to 4: the units in which the panel is armed and disarmed. An area's one
// property is its text (TAzTextBereich), which the panel shows for the area: at most 14
// characters reach it as four device parameters from 19001 + 100 n. The tree shows the text
// with the area's short tag ("SSB 1 (SSB 1)").
//
// The four numbered classes differ only in their class-table entry and their constants
// (ScharfschaltBereichNummern).
#pragma once

#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/TAzTextBereich.h"

#include <cstdint>

class TAzScharfschaltBereich : public TAzTextBereich,
                               public TAzVierParameterText<TAzScharfschaltBereich> {
public:
    TAzScharfschaltBereich(HWND window, int system, int parent, AnsiString name, int handle,
                           const TAzTextBereichKonstanten &konstanten);
    ~TAzScharfschaltBereich() override;

    // The bare area text (the device instance names arming areas in event texts with it).
    const AnsiString &GetTextScharfschaltBereich() const;

    // The area text as four parameters from the area's first id.
    bool WriteDataToDb();
    bool WriteTextSsbToDb(int16_t id);
};

class TAzScharfschaltBereich1
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich1> {
public:
    TAzScharfschaltBereich1(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich1() override;
};

class TAzScharfschaltBereich2
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich2> {
public:
    TAzScharfschaltBereich2(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich2() override;
};

class TAzScharfschaltBereich3
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich3> {
public:
    TAzScharfschaltBereich3(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich3() override;
};

class TAzScharfschaltBereich4
    : public TAzEintrag<TAzScharfschaltBereich, AzKlasse::ScharfschaltBereich4> {
public:
    TAzScharfschaltBereich4(HWND window, int system, int parent, AnsiString name, int handle);
    ~TAzScharfschaltBereich4() override;
};
