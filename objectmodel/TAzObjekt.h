// What every panel class shares, given once. TAzObjekt<Base, entry> sits between a panel class
// and its base (TDataBasis, TOrdner or TVumaEtsDevice) and is made of two layers:
// - TAzBasis<Base>: what does not depend on the class. It refuses children and dropped
//   objects, gives the nine grid handlers without effect that a class replaces by declaring
//   its own (AzPrepareGrid binds whichever the class has), and the text requests. The
//   default-name alignment (DatenAbgleichDefaultName) is TDataBasis's, shared with the bus
//   objects.
// - TAzEintrag<Base, entry>: GetTyp, GetIcon, ListStyle and the help offset from the class's
//   entry of the class table (AzKlassen.h).
//
//   class TAzX : public TAzObjekt<TDataBasis, AzKlasse::X> { ... };
//
// A family of classes that differ only in their entry and a few constants (the numbered
// security and arming areas) puts its code into one abstract class derived from
// TAzBasis<TDataBasis>, and each member of the family is TAzEintrag<that class, its entry>.
#pragma once

#include "objectmodel/AzKlassen.h"
#include "objectmodel/RDeviceRequest.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/TDataBasis.h"

template <class Base> class TAzBasis : public Base {
public:
    using Base::Base;

    bool AllowChild(int) const override {
        LOG_FKT("TAzBasis::AllowChild");
        return false;
    }
    // A folder answers by the dropped object's type, a data class refuses; as no panel class
    // accepts a child, both refuse. A null object is refused without being touched.
    bool AllowDrop(TDataBasis *dropped) override {
        LOG_FKT("TAzBasis::AllowDrop");
        return dropped && AllowChild(dropped->GetTyp());
    }
    void Drop(TDataBasis *) override { LOG_FKT("TAzBasis::Drop"); }

    // The grid handlers without effect.
    void GridEditChange(TObject *, TCell &, int, int) { LOG_FKT("TAzBasis::GridEditChange"); }
    void GridComboBoxChange(TObject *, TCell &, int, int) {
        LOG_FKT("TAzBasis::GridComboBoxChange");
    }
    void GridSpinEditChange(TObject *, TCell &, int, int) {
        LOG_FKT("TAzBasis::GridSpinEditChange");
    }
    void GridSpinEditOverflow(TDrawGridSE *, TObject *, TCell &, int, int, double) {
        LOG_FKT("TAzBasis::GridSpinEditOverflow");
    }
    void GridSpinEditUnderflow(TDrawGridSE *, TObject *, TCell &, int, int, double) {
        LOG_FKT("TAzBasis::GridSpinEditUnderflow");
    }
    void GridExitCell(TDrawGridSE *, TObject *, TCell &, int, int) {
        LOG_FKT("TAzBasis::GridExitCell");
    }
    void GridExit(TDrawGridSE *, TObject *, TCell &, int, int) { LOG_FKT("TAzBasis::GridExit"); }
    void GridEllipseClick(TObject *, TCell &, int, int) { LOG_FKT("TAzBasis::GridEllipseClick"); }
    void GridGroupTitleClick(TObject *, TCell &, int, int) {
        LOG_FKT("TAzBasis::GridGroupTitleClick");
    }

protected:
    // A request whose answer is a text (which arming areas share a transmission device):
    // `code` with message 1133 and Text2 empty; the text the device instance put into Text2
    // when it answered non-zero, else the empty text.
    AnsiString AnfrageText(uint8_t code) {
        LOG_FKT("TAzBasis::AnfrageText");
        RDeviceRequest request(*this, code);
        if (request.Send(WM_AZ_DEVICE_REQUEST) == 0)
            return {};
        return request.Text2;
    }
};

template <class Base, const TAzKlasse &Klasse> class TAzEintrag : public Base {
public:
    using Base::Base;

    int GetQuickHelpIndexOffset() const override {
        LOG_FKT("TAzEintrag::GetQuickHelpIndexOffset");
        return Klasse.HelpOffset;
    }
    int GetTyp() const override {
        LOG_FKT("TAzEintrag::GetTyp");
        return Klasse.Typ;
    }
    int ListStyle() const override {
        LOG_FKT("TAzEintrag::ListStyle");
        return Klasse.ListStyle;
    }
    int GetIcon() const override {
        LOG_FKT("TAzEintrag::GetIcon");
        return Klasse.Icon;
    }
};

template <class Base, const TAzKlasse &Klasse>
class TAzObjekt : public TAzEintrag<TAzBasis<Base>, Klasse> {
public:
    using TAzEintrag<TAzBasis<Base>, Klasse>::TAzEintrag;
};
