// The object model's error: a code, its message, a text of the object, and the source unit and
// line where it was raised. Thrown by value (the detector's Paste, when the clipboard holds no
// detector).
#pragma once

#include "platform/objectbase/E_Basis.h"

class E_DataBasis : public E_Basis {
public:
    E_DataBasis(int code, AnsiString message, AnsiString info, AnsiString source, int line);
    ~E_DataBasis() override;
    E_DataBasis(const E_DataBasis &) = default;
    E_DataBasis &operator=(const E_DataBasis &) = default;
};
