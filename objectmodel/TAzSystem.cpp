#include "objectmodel/TAzSystem.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzGrid.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"

namespace {

struct TVarianteText {
    uint32_t Wort;
    int TextId;
};

constexpr TVarianteText VarianteTexte[] = {
    {0x00000000, 11330}, {0x11330000, 11331}, {0x113344CC, 11332}, {0x110044CC, 11340},
    {0x112244CC, 11341}, {0x11000000, 11333}, {0x11220000, 11334}, {0x11224400, 11335},
    {0x11224488, 11336}, {0x11000098, 11337}, {0x112200B8, 11338}, {0x112244F8, 11339},
    {0x112244B8, 11344}, {0x11004498, 11342}, {0x11224498, 11343},
};

} // namespace

TAzSystem::TAzSystem(HWND window, int system, int parent, AnsiString name, long deviceId,
                     long spareId, int handle)
    : TAzObjekt(window, system, parent, std::move(name), deviceId, spareId, handle) {
    LOG_FKT("TAzSystem::TAzSystem");
}

TAzSystem::~TAzSystem() {
    LOG_FKT("TAzSystem::~TAzSystem");
}

const TAzFelder<TAzSystem> &TAzSystem::Felder() {
    LOG_FKT("TAzSystem::Felder");
    static const TAzFelder<TAzSystem> felder{
        {&TAzSystem::FVarianteAz, &TDatenStruktur::Param7, 10070},
        {&TAzSystem::FGeraeteVersion, &TDatenStruktur::Bool3, 10060},
        {&TAzSystem::FImpuls, &TDatenStruktur::Param9, 10110},
        {&TAzSystem::FScharfQuittierung, &TDatenStruktur::Param10, 10120},
        {&TAzSystem::FUnscharfQuittierung, &TDatenStruktur::Param11, 10130},
        {&TAzSystem::FBusspannung, &TDatenStruktur::Bool4, 10010},
        {&TAzSystem::FEreignisspeichertiefe, &TDatenStruktur::Param12, 10140},
    };
    return felder;
}

void TAzSystem::InitFromDB(TDatenStruktur &record) {
    LOG_FKT("TAzSystem::InitFromDB");
    TVumaEtsDevice::InitFromDB(record);
    Felder().InitFromDB(*this, record);
}

void TAzSystem::Write(TDatenStruktur &record) {
    LOG_FKT("TAzSystem::Write");
    TVumaEtsDevice::Write(record);
    Felder().Write(*this, record);
}

bool TAzSystem::WriteDataToDb() {
    LOG_FKT("TAzSystem::WriteDataToDb");
    return AzWriteDeviceParams(GetWindowHandle(), Felder().DeviceParams(*this));
}

void TAzSystem::SetParamVarianteAz(uint32_t variante) {
    LOG_FKT("TAzSystem::SetParamVarianteAz");
    FVarianteAz = variante;
}

AnsiString TAzSystem::GetTextVarianteAz(uint32_t variante) {
    LOG_FKT("TAzSystem::GetTextVarianteAz");
    for (const TVarianteText &v : VarianteTexte)
        if (v.Wort == variante)
            return SprText(v.TextId);
    return {};
}

void TAzSystem::SetEreignisspeichertiefe(int typ) {
    LOG_FKT("TAzSystem::SetEreignisspeichertiefe");
    switch (typ) {
    case 1:
        FEreignisspeichertiefe = 255;
        break;
    case 2:
        FEreignisspeichertiefe = 160;
        break;
    case 3:
        FEreignisspeichertiefe = 106;
        break;
    case 4:
        FEreignisspeichertiefe = 80;
        break;
    default:
        break;
    }
}

void TAzSystem::BuildInfoWindow(TDrawGridSE *grid, TListView *, bool, int col, int row) {
    LOG_FKT("TAzSystem::BuildInfoWindow");
    if (!grid)
        return;
    AzPrepareGrid(*grid, *this);
    AddRowEllipse(grid, SprText(11027), RowVariante, GetTextVarianteAz(FVarianteAz), 0, false);
    AddRowSpinEdit(grid, SprText(11054), RowImpuls, SpinMax, ImpulsMin, SpinStep, FImpuls, 0, true);
    AddRowSpinEdit(grid, SprText(11053), RowScharfQuittierung, SpinMax, ScharfQuittierungMin,
                   SpinStep, FScharfQuittierung, 0, true);
    AddRowSpinEdit(grid, SprText(11065), RowUnscharfQuittierung, SpinMax, UnscharfQuittierungMin,
                   SpinStep, FUnscharfQuittierung, 0, true);
    TStringList busspannung;
    busspannung.Add(SprText(11007));
    busspannung.Add(SprText(11006));
    AddRowComboBox(grid, SprText(11026), RowBusspannung, &busspannung, FBusspannung, 0, true);
    AzFinishGrid(*this, col, row);
}

void TAzSystem::GridComboBoxChange(TObject *sender, TCell &cell, int col, int row) {
    LOG_FKT("TAzSystem::GridComboBoxChange");
    auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
    if (!combo)
        return;
    TAzEpilog e;
    if (cell.RowId == RowBusspannung && combo->ItemIndex >= 0 &&
        AzTakeValue(FBusspannung, combo->ItemIndex))
        e.Write = e.Post1163 = true;
    e.Run(*this, col, row);
}

void TAzSystem::GridExitCell(TDrawGridSE *grid, TObject *editor, TCell &cell, int col, int row) {
    LOG_FKT("TAzSystem::GridExitCell");
    if (!grid || !editor || editor != grid->SpinEdit())
        return;
    const int value = grid->SpinEdit()->Value;
    TAzEpilog e;
    switch (cell.RowId) {
    case RowImpuls:
        e.Write = AzTakeValue(FImpuls, value);
        break;
    case RowScharfQuittierung:
        e.Write = AzTakeValue(FScharfQuittierung, value);
        break;
    case RowUnscharfQuittierung:
        e.Write = AzTakeValue(FUnscharfQuittierung, value);
        break;
    default:
        break;
    }
    e.Post1163 = e.Write;
    e.Run(*this, col, row);
}

void TAzSystem::GridSpinEditOverflow(TDrawGridSE *, TObject *editor, TCell &, int, int, double) {
    LOG_FKT("TAzSystem::GridSpinEditOverflow");
    if (auto *spin = dynamic_cast<TDrawGridSESpinEdit *>(editor))
        spin->Value = spin->Position = spin->MaxValue;
}

void TAzSystem::GridSpinEditUnderflow(TDrawGridSE *, TObject *editor, TCell &, int, int, double) {
    LOG_FKT("TAzSystem::GridSpinEditUnderflow");
    if (auto *spin = dynamic_cast<TDrawGridSESpinEdit *>(editor))
        spin->Value = spin->Position = spin->MinValue;
}

void TAzSystem::GridEllipseClick(TObject *, TCell &cell, int col, int row) {
    LOG_FKT("TAzSystem::GridEllipseClick");
    if (cell.RowId == RowVariante)
        ChangeVariante(col, row);
}

void TAzSystem::ChangeVariante(int col, int row) {
    LOG_FKT("TAzSystem::ChangeVariante");
    const uint32_t alt = FVarianteAz;
    // The device instance's dialog may store a new word into this object.
    RDeviceRequest dialog(*this, AzRequest::VarianteDialog);
    dialog.Send(WM_AZ_DEVICE_REQUEST);
    if (FVarianteAz == alt)
        return;
    if (MessageBox(GetWindowHandle(), SprText(11089), SprText(11088), MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        FVarianteAz = alt;
        return;
    }
    RDeviceRequest anwenden(*this, AzRequest::VarianteAnwenden);
    anwenden.Variante = static_cast<int32_t>(FVarianteAz);
    const LRESULT antwort = anwenden.Send(WM_AZ_DEVICE_REQUEST);
    if (antwort == AzRequest::VarianteBehalten) {
        // The user kept a detector of an area that would go: nothing was changed.
        FVarianteAz = alt;
        return;
    }
    if (antwort == 0) {
        // The device instance may have changed part of the tree: only a restart is safe.
        MessageBox(GetWindowHandle(),
                   "Fehler beim umschalten der Konfiguration.\n\rPlug-In muss neu gestartet "
                   "werden",
                   "Fehler", MB_OK);
        return;
    }
    SetEreignisspeichertiefe(anwenden.Wert);
    TAzEpilog e;
    e.Write = e.Post1157 = e.Post1126 = true;
    e.Run(*this, col, row);
}
