// The bus tool's progress dialog around a meter window that the plug-in opened with
// TEts2Cdi::CoMeterDlgOpen: three text lines, a position, and the user's wish to stop.
// The window itself is a TEtsMeterView (TEtsMeter.h), shown by the shell.
//
// The dialog closes its meter when it goes (TEts2Cdi::CoMeterDlgClose), so that no path of its
// owner leaves a meter window open; closing it before is harmless. Without an interface object
// or with a closed meter every call does nothing and the abort flag reads false.
#pragma once

#include "platform/bustool/TEts2Cdi.h"
#include "platform/vcl/AnsiString.h"

#include <cstdint>

class TEtsProgressDialog {
public:
    // The interface object is borrowed; it must outlive the dialog.
    TEtsProgressDialog(TEts2Cdi *cdi, HMETER meter);
    virtual ~TEtsProgressDialog();
    TEtsProgressDialog(const TEtsProgressDialog &) = delete;
    TEtsProgressDialog &operator=(const TEtsProgressDialog &) = delete;

    virtual void EtsMeterSetText(const AnsiString &text);
    virtual void EtsMeterSetText1(const AnsiString &text);
    virtual void EtsMeterSetText2(const AnsiString &text);
    virtual void EtsMeterSetPosition(uint16_t position);
    // True when the user asked to stop.
    virtual bool EtsGetAbortFlag();

    HMETER GetMeter() const;

private:
    TEtsMeterView *View();

    TEts2Cdi *FCdi;
    HMETER FMeter;
};
