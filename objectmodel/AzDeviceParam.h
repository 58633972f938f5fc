// The device-parameter write path of every panel class (its WriteDataToDb), and the
// four-parameter form in which a panel text reaches the panel.
//
// The writer is the device's TEtsDeviceParam, which the main window hands out for message
// 1170. Without one, the user is told ("Die Parameter konnten nicht in der Ets gespeichert
// werden.") and nothing is written. A parameter that the bus tool refuses does not stop the
// others; the write then answers false, so a refused write is never taken for success.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <array>
#include <cstdint>
#include <vector>

class TEtsDeviceParam;

// One device parameter: 16-bit id (ids are computed modulo 65536) and its 32-bit value.
struct TAzParameter {
    int16_t Id;
    int32_t Wert;
};

// The writer of the device (message 1170), or null after the message box.
TEtsDeviceParam *AzGetDeviceParam(HWND window);
// Writes the parameters in the listed order; false without a writer or when any was refused.
bool AzWriteDeviceParams(HWND window, const std::vector<TAzParameter> &params);

// The byte-reversed 32-bit value.
uint32_t AzSwapDword(uint32_t value);
// A panel text as four parameters id .. id+3: the text's first 16 bytes (zeros behind a
// shorter one; a zero byte ends it), four bytes a parameter with the first byte in the top
// byte; the fourth parameter keeps only bytes 12 and 13 (in its low 16 bits), so at most 14
// characters reach the panel.
std::array<TAzParameter, 4> AzTextParameter(int16_t id, const AnsiString &text);
// Writes AzTextParameter(id, text) through its own 1170 (and its own box without a writer).
bool AzSetStringToDeviceParamData(HWND window, int16_t id, const AnsiString &text);

// The characters of a panel text that reach the panel.
inline constexpr int AzPanelTextLaenge = 14;
// Cuts the text to its first n characters when it is longer.
void AzSetLengthTexte(AnsiString &text, int n);

// The four-parameter text operations under the names the classes with panel texts have them
// (the editable texts, the detector, the arming area): thin members over the helpers above.
// T is the class itself, an object of the model (it gives the window the writer is asked of).
template <class T> class TAzVierParameterText {
public:
    // AzSetStringToDeviceParamData with the object's window: the writer is fetched anew.
    bool SetStringToDeviceParamData(int16_t id, const AnsiString &text) const {
        LOG_FKT("TAzVierParameterText::SetStringToDeviceParamData");
        return AzSetStringToDeviceParamData(static_cast<const T &>(*this).GetWindowHandle(), id,
                                            text);
    }
    static uint32_t SwapDword(uint32_t value) {
        LOG_FKT("TAzVierParameterText::SwapDword");
        return AzSwapDword(value);
    }
    static void SetLengthTexte(AnsiString &text, int n) {
        LOG_FKT("TAzVierParameterText::SetLengthTexte");
        AzSetLengthTexte(text, n);
    }

protected:
    ~TAzVierParameterText() = default;
};
