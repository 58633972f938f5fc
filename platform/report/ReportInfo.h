// What a caller hands the report engine besides the tree and the grid: the report and
// character-table information records (passed by value, fields in their fixed order), the
// tree's nodes as the report walks them, and the images the nodes' icons are taken from.
// Plain C++ but the image source, so that the shell and the report see the same types.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <array>
#include <cstdint>
#include <vector>

class QPixmap;
class TDataBasis;

struct TRecReportInfo {
    bool Vorschau = false; // true: page preview; false: print
    bool Flag = false;     // the editor sets it for both commands
    AnsiString Text;       // the device text; the report's document name
    std::array<bool, 4> Flags{};
    AnsiString Text2;
};

struct TRecCharTabInfo {
    AnsiString Text;
    std::array<int32_t, 6> Zahlen{};
    std::array<bool, 5> Flags{};
};

// One node of the tree as the report prints it: depth (0 for a top node), caption, image index
// (-1: none) and the panel object (borrowed; null: the node shows no object). The nodes of a
// tree in depth-first order, each parent before its children, as the tree lists them.
struct TReportKnoten {
    int Level = 0;
    AnsiString Text;
    int ImageIndex = -1;
    TDataBasis *Data = nullptr;
};
using TReportKnotenListe = std::vector<TReportKnoten>;

// The image list the report takes the nodes' icons from: a null pixmap where an index has none.
class TReportBilder {
public:
    virtual ~TReportBilder() = default;
    virtual QPixmap Pixmap(int index) const = 0;
};
