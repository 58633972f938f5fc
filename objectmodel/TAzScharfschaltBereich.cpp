#include "objectmodel/TAzScharfschaltBereich.h"

#include "objectmodel/AzDeviceParam.h"
#include "platform/log/Log.h"

namespace {
// "SSB n", "SSB n", a text row of the panel's 14 characters, the text from 19001 + 100 n.
constexpr TAzTextBereichKonstanten ScharfschaltBereichNummern[4] = {
    {1, 11081, 11288, 11061, AzPanelTextLaenge, 19101},
    {2, 11081, 11289, 11061, AzPanelTextLaenge, 19201},
    {3, 11081, 11290, 11061, AzPanelTextLaenge, 19301},
    {4, 11081, 11291, 11061, AzPanelTextLaenge, 19401},
};
} // namespace

TAzScharfschaltBereich::TAzScharfschaltBereich(HWND window, int system, int parent, AnsiString name,
                                               int handle,
                                               const TAzTextBereichKonstanten &konstanten)
    : TAzTextBereich(window, system, parent, std::move(name), handle, konstanten) {
    LOG_FKT("TAzScharfschaltBereich::TAzScharfschaltBereich");
}

TAzScharfschaltBereich::~TAzScharfschaltBereich() {
    LOG_FKT("TAzScharfschaltBereich::~TAzScharfschaltBereich");
}

const AnsiString &TAzScharfschaltBereich::GetTextScharfschaltBereich() const {
    LOG_FKT("TAzScharfschaltBereich::GetTextScharfschaltBereich");
    return FText;
}

bool TAzScharfschaltBereich::WriteDataToDb() {
    LOG_FKT("TAzScharfschaltBereich::WriteDataToDb");
    return WriteTextSsbToDb(FKonstanten.ParamId);
}

bool TAzScharfschaltBereich::WriteTextSsbToDb(int16_t id) {
    LOG_FKT("TAzScharfschaltBereich::WriteTextSsbToDb");
    return SetStringToDeviceParamData(id, FText);
}

TAzScharfschaltBereich1::TAzScharfschaltBereich1(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[0]) {
    LOG_FKT("TAzScharfschaltBereich1::TAzScharfschaltBereich1");
}

TAzScharfschaltBereich1::~TAzScharfschaltBereich1() {
    LOG_FKT("TAzScharfschaltBereich1::~TAzScharfschaltBereich1");
}

TAzScharfschaltBereich2::TAzScharfschaltBereich2(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[1]) {
    LOG_FKT("TAzScharfschaltBereich2::TAzScharfschaltBereich2");
}

TAzScharfschaltBereich2::~TAzScharfschaltBereich2() {
    LOG_FKT("TAzScharfschaltBereich2::~TAzScharfschaltBereich2");
}

TAzScharfschaltBereich3::TAzScharfschaltBereich3(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[2]) {
    LOG_FKT("TAzScharfschaltBereich3::TAzScharfschaltBereich3");
}

TAzScharfschaltBereich3::~TAzScharfschaltBereich3() {
    LOG_FKT("TAzScharfschaltBereich3::~TAzScharfschaltBereich3");
}

TAzScharfschaltBereich4::TAzScharfschaltBereich4(HWND window, int system, int parent,
                                                 AnsiString name, int handle)
    : TAzEintrag(window, system, parent, std::move(name), handle, ScharfschaltBereichNummern[3]) {
    LOG_FKT("TAzScharfschaltBereich4::TAzScharfschaltBereich4");
}

TAzScharfschaltBereich4::~TAzScharfschaltBereich4() {
    LOG_FKT("TAzScharfschaltBereich4::~TAzScharfschaltBereich4");
}
