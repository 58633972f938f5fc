#include "objectmodel/TAzOrdner.h"

#include "platform/log/Log.h"

TAzOrdnerSicherungsBereich::TAzOrdnerSicherungsBereich(HWND window, int system, int parent,
                                                       AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzOrdnerSicherungsBereich::TAzOrdnerSicherungsBereich");
}

TAzOrdnerSicherungsBereich::~TAzOrdnerSicherungsBereich() {
    LOG_FKT("TAzOrdnerSicherungsBereich::~TAzOrdnerSicherungsBereich");
}

TAzOrdnerScharfschaltung::TAzOrdnerScharfschaltung(HWND window, int system, int parent,
                                                   AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzOrdnerScharfschaltung::TAzOrdnerScharfschaltung");
}

TAzOrdnerScharfschaltung::~TAzOrdnerScharfschaltung() {
    LOG_FKT("TAzOrdnerScharfschaltung::~TAzOrdnerScharfschaltung");
}

TAzOrdnerAlarmierung::TAzOrdnerAlarmierung(HWND window, int system, int parent, AnsiString name,
                                           int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzOrdnerAlarmierung::TAzOrdnerAlarmierung");
}

TAzOrdnerAlarmierung::~TAzOrdnerAlarmierung() {
    LOG_FKT("TAzOrdnerAlarmierung::~TAzOrdnerAlarmierung");
}

TAzOrdnerSicherheitStoerung::TAzOrdnerSicherheitStoerung(HWND window, int system, int parent,
                                                         AnsiString name, int handle)
    : TAzObjekt(window, system, parent, std::move(name), handle) {
    LOG_FKT("TAzOrdnerSicherheitStoerung::TAzOrdnerSicherheitStoerung");
}

TAzOrdnerSicherheitStoerung::~TAzOrdnerSicherheitStoerung() {
    LOG_FKT("TAzOrdnerSicherheitStoerung::~TAzOrdnerSicherheitStoerung");
}
