#include "platform/grid/TDrawGridSEEditors.h"

#include "platform/log/Log.h"

#include <algorithm>
#include <iterator>
#include <string>

void TDrawGridSEEdit::LoadFrom(const TCell &cell) {
    LOG_FKT("TDrawGridSEEdit::LoadFrom");
    Text = cell.Text;
    MaxLength = cell.MaxLength;
}

void TDrawGridSEEdit::StoreTo(TCell &cell) const {
    LOG_FKT("TDrawGridSEEdit::StoreTo");
    cell.Text = Text;
}

void TDrawGridSEComboBox::LoadFrom(const TCell &cell) {
    LOG_FKT("TDrawGridSEComboBox::LoadFrom");
    Items = cell.Items;
    Werte = cell.Werte;
    ItemIndex = cell.ItemIndex;
    Text = cell.Text;
    Style = cell.Style;
}

void TDrawGridSEComboBox::StoreTo(TCell &cell) const {
    LOG_FKT("TDrawGridSEComboBox::StoreTo");
    cell.ItemIndex = ItemIndex;
    cell.Text = Text;
}

bool TDrawGridSEComboBox::ItemValue(int &value) const {
    LOG_FKT("TDrawGridSEComboBox::ItemValue");
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(Werte.size()))
        return false;
    value = std::next(Werte.begin(), ItemIndex)->Wert;
    return true;
}

void TDrawGridSESpinEdit::LoadFrom(const TCell &cell) {
    LOG_FKT("TDrawGridSESpinEdit::LoadFrom");
    MinValue = cell.MinValue;
    MaxValue = cell.MaxValue;
    Increment = cell.Increment;
    Value = cell.Value;
    Position = std::clamp(Value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

void TDrawGridSESpinEdit::StoreTo(TCell &cell) const {
    LOG_FKT("TDrawGridSESpinEdit::StoreTo");
    cell.Value = Value;
    cell.Text = std::to_string(Value);
}
