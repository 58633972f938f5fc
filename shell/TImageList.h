// The program's 18 x 18 images, drawn from a table (no image files): one for every icon index
// that a tree object answers and for the actions of the tool bar. An index without an image
// gives a null icon.
#pragma once

#include "platform/report/ReportInfo.h"

#include <QIcon>
#include <QPixmap>

#include <map>

class TImageList : public TReportBilder {
public:
    static constexpr int Size = 18;
    // Images of the tool bar's actions, beside the tree's.
    enum : int {
        ImagePrintPreview = 62,
        ImagePrint = 63,
        ImageAutoSave = 64,
        ImageExpandAll = 65,
        ImageCollapseAll = 66,
        ImageMelderHinzufuegen = 67,
        ImageMelderLoeschen = 68,
        ImageMelderKopieren = 74,
        ImageMelderEinfuegen = 75
    };

    TImageList();
    QIcon Icon(int index) const;
    QPixmap Pixmap(int index) const override;
    bool Has(int index) const;
    int Count() const { return static_cast<int>(FImages.size()); }

private:
    std::map<int, QPixmap> FImages;
    std::map<int, QIcon> FIcons; // made once: a node's icon is set often
};
