// What every panel class shares, given once: TAzObjekt<Base, entry> sits between a panel
// class and its base (TDataBasis, TOrdner or TVumaEtsDevice) and answers from the class's
// entry of the class table (AzKlassen.h) GetTyp, GetIcon, ListStyle and the help offset. It
// refuses children and dropped objects, and gives the nine grid handlers without effect that
// a class replaces by declaring its own (AzPrepareGrid binds whichever the class has).
//
//   class TAzX : public TAzObjekt<TDataBasis, AzKlasse::X> { ... };
#pragma once

#include "objectmodel/AzKlassen.h"
#include "objectmodel/RDeviceRequest.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/TDataBasis.h"

template <class Base, const TAzKlasse &Klasse> class TAzObjekt : public Base {
public:
    using Base::Base;

    int GetQuickHelpIndexOffset() const override {
        LOG_FKT("TAzObjekt::GetQuickHelpIndexOffset");
        return Klasse.HelpOffset;
    }
    int GetTyp() const override {
        LOG_FKT("TAzObjekt::GetTyp");
        return Klasse.Typ;
    }
    int ListStyle() const override {
        LOG_FKT("TAzObjekt::ListStyle");
        return Klasse.ListStyle;
    }
    int GetIcon() const override {
        LOG_FKT("TAzObjekt::GetIcon");
        return Klasse.Icon;
    }
    bool AllowChild(int) const override {
        LOG_FKT("TAzObjekt::AllowChild");
        return false;
    }
    // A folder answers by the dropped object's type, a data class refuses; as no panel class
    // accepts a child, both refuse. A null object is refused without being touched.
    bool AllowDrop(TDataBasis *dropped) override {
        LOG_FKT("TAzObjekt::AllowDrop");
        return dropped && AllowChild(dropped->GetTyp());
    }
    void Drop(TDataBasis *) override { LOG_FKT("TAzObjekt::Drop"); }

    // The grid handlers without effect.
    void GridEditChange(TObject *, TCell &, int, int) { LOG_FKT("TAzObjekt::GridEditChange"); }
    void GridComboBoxChange(TObject *, TCell &, int, int) {
        LOG_FKT("TAzObjekt::GridComboBoxChange");
    }
    void GridSpinEditChange(TObject *, TCell &, int, int) {
        LOG_FKT("TAzObjekt::GridSpinEditChange");
    }
    void GridSpinEditOverflow(TDrawGridSE *, TObject *, TCell &, int, int, double) {
        LOG_FKT("TAzObjekt::GridSpinEditOverflow");
    }
    void GridSpinEditUnderflow(TDrawGridSE *, TObject *, TCell &, int, int, double) {
        LOG_FKT("TAzObjekt::GridSpinEditUnderflow");
    }
    void GridExitCell(TDrawGridSE *, TObject *, TCell &, int, int) {
        LOG_FKT("TAzObjekt::GridExitCell");
    }
    void GridExit(TDrawGridSE *, TObject *, TCell &, int, int) { LOG_FKT("TAzObjekt::GridExit"); }
    void GridEllipseClick(TObject *, TCell &, int, int) { LOG_FKT("TAzObjekt::GridEllipseClick"); }
    void GridGroupTitleClick(TObject *, TCell &, int, int) {
        LOG_FKT("TAzObjekt::GridGroupTitleClick");
    }

protected:
    // The alignment of the data classes that take their default name from the device
    // instance: request 15 with message 1161 and an empty text; answered non-zero, the text
    // becomes the name and the result is true; answered 0, the name stays and it is false.
    //   bool DatenAbgleich(bool, bool) override { return DatenAbgleichDefaultName(); }
    bool DatenAbgleichDefaultName() {
        LOG_FKT("TAzObjekt::DatenAbgleichDefaultName");
        AnsiString name;
        RDeviceRequest request(*this, 15);
        request.Text = &name;
        if (request.Send(WM_AZ_DEVICE_REQUEST_2) == 0)
            return false;
        this->SetName(name);
        return true;
    }

    // A request whose answer is a text (which arming areas share a transmission device):
    // `code` with message 1133 and Text2 empty; the text the device instance put into Text2
    // when it answered non-zero, else the empty text.
    AnsiString AnfrageText(uint8_t code) {
        LOG_FKT("TAzObjekt::AnfrageText");
        RDeviceRequest request(*this, code);
        if (request.Send(WM_AZ_DEVICE_REQUEST) == 0)
            return {};
        return request.Text2;
    }
};
