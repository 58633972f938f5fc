#include "objectmodel/TAzSicherungsBereich.h"

#include "platform/log/Log.h"

namespace {
// "Sicherungs-Bereich n", "SB n", a name row of any length, no device parameter.
constexpr TAzTextBereichKonstanten SicherungsBereichNummern[4] = {
    {1, 11082, 11266, 11025, 0, 0},
    {2, 11082, 11267, 11025, 0, 0},
    {3, 11082, 11268, 11025, 0, 0},
    {4, 11082, 11269, 11025, 0, 0},
};
} // namespace

TAzSicherungsBereich::TAzSicherungsBereich(HWND window, int system, int parent, AnsiString name,
                                           int handle, const TAzTextBereichKonstanten &konstanten)
    : TAzTextBereich(window, system, parent, std::move(name), handle, konstanten) {
    LOG_FKT("TAzSicherungsBereich::TAzSicherungsBereich");
}

TAzSicherungsBereich::~TAzSicherungsBereich() {
    LOG_FKT("TAzSicherungsBereich::~TAzSicherungsBereich");
}

const AnsiString &TAzSicherungsBereich::GetBezeichnung() const {
    LOG_FKT("TAzSicherungsBereich::GetBezeichnung");
    return FText;
}

TAzSicherungsBereich1::TAzSicherungsBereich1(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[0]) {
    LOG_FKT("TAzSicherungsBereich1::TAzSicherungsBereich1");
}

TAzSicherungsBereich1::~TAzSicherungsBereich1() {
    LOG_FKT("TAzSicherungsBereich1::~TAzSicherungsBereich1");
}

TAzSicherungsBereich2::TAzSicherungsBereich2(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[1]) {
    LOG_FKT("TAzSicherungsBereich2::TAzSicherungsBereich2");
}

TAzSicherungsBereich2::~TAzSicherungsBereich2() {
    LOG_FKT("TAzSicherungsBereich2::~TAzSicherungsBereich2");
}

TAzSicherungsBereich3::TAzSicherungsBereich3(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[2]) {
    LOG_FKT("TAzSicherungsBereich3::TAzSicherungsBereich3");
}

TAzSicherungsBereich3::~TAzSicherungsBereich3() {
    LOG_FKT("TAzSicherungsBereich3::~TAzSicherungsBereich3");
}

TAzSicherungsBereich4::TAzSicherungsBereich4(HWND window, int system, int parent, AnsiString name,
                                             int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, SicherungsBereichNummern[3]) {
    LOG_FKT("TAzSicherungsBereich4::TAzSicherungsBereich4");
}

TAzSicherungsBereich4::~TAzSicherungsBereich4() {
    LOG_FKT("TAzSicherungsBereich4::~TAzSicherungsBereich4");
}
