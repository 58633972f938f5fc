#include "objectmodel/AzDeviceParam.h"

#include "foundation/SprTexte.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"

TEtsDeviceParam *AzGetDeviceParam(HWND window) {
    LOG_FKT("AzGetDeviceParam");
    TEtsDeviceParam *writer = AzMsg::Send(window, AzMsg::GetDeviceParam{});
    if (!writer)
        MessageBox(window, SprText(11154), SprText(11292), MB_OK);
    return writer;
}

bool AzWriteDeviceParams(HWND window, const std::vector<TAzParameter> &params) {
    LOG_FKT("AzWriteDeviceParams");
    TEtsDeviceParam *writer = AzGetDeviceParam(window);
    if (!writer)
        return false;
    bool ok = true;
    for (const TAzParameter &p : params)
        if (writer->SetDeviceParamData(p.Id, p.Wert) != 0)
            ok = false;
    return ok;
}

uint32_t AzSwapDword(uint32_t value) {
    LOG_FKT("AzSwapDword");
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) |
           (value << 24);
}

std::array<TAzParameter, 4> AzTextParameter(int16_t id, const AnsiString &text) {
    LOG_FKT("AzTextParameter");
    uint8_t buffer[16] = {};
    for (size_t i = 0; i < sizeof buffer && i < text.size() && text[i] != '\0'; ++i)
        buffer[i] = static_cast<uint8_t>(text[i]);
    std::array<TAzParameter, 4> params{};
    for (int i = 0; i < 4; ++i) {
        const uint8_t *b = buffer + 4 * i;
        const uint32_t littleEndian =
            static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
            static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
        uint32_t v = AzSwapDword(littleEndian);
        if (i == 3)
            v >>= 16;
        params[static_cast<size_t>(i)] = {static_cast<int16_t>(id + i), static_cast<int32_t>(v)};
    }
    return params;
}

bool AzSetStringToDeviceParamData(HWND window, int16_t id, const AnsiString &text) {
    LOG_FKT("AzSetStringToDeviceParamData");
    const auto params = AzTextParameter(id, text);
    return AzWriteDeviceParams(window, {params.begin(), params.end()});
}

void AzSetLengthTexte(AnsiString &text, int n) {
    LOG_FKT("AzSetLengthTexte");
    if (n >= 0 && text.size() > static_cast<size_t>(n))
        text.resize(static_cast<size_t>(n));
}
