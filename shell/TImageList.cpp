#include "shell/TImageList.h"

#include "platform/log/Log.h"

#include <QPainter>
#include <QPainterPath>

namespace {
enum TForm { Ordner, Kasten, Kreis };
// One image: its index, its shape, its colour (0xRRGGBB) and up to two letters.
struct TBild {
    int Index;
    TForm Form;
    unsigned Farbe;
    const char *Text;
};
// clang-format off
constexpr TBild kBilder[] = {
    {29, Kasten, 0x3060A0, "AZ"}, {30, Kasten, 0x707070, "T"},  {31, Ordner, 0xD8B040, "S"},
    {32, Kreis,  0xC03020, "F"},  {33, Kreis,  0x2E8B57, "M"},  {34, Kreis,  0xC06000, "U"},
    {35, Kreis,  0x8040A0, "S"},  {36, Kasten, 0x2E6B9F, "1"},  {37, Kasten, 0x2E6B9F, "2"},
    {38, Kasten, 0x2E6B9F, "3"},  {39, Kasten, 0x2E6B9F, "4"},  {40, Ordner, 0xD8B040, "B"},
    {41, Kasten, 0x9F2E4B, "1"},  {42, Kasten, 0x9F2E4B, "2"},  {43, Kasten, 0x9F2E4B, "3"},
    {44, Kasten, 0x9F2E4B, "4"},  {45, Kasten, 0x9F2E4B, "E"},  {46, Kasten, 0x9F2E4B, "Q"},
    {47, Kreis,  0xD02020, "A"},  {48, Ordner, 0xD8B040, "A"},  {49, Kasten, 0xD02020, "D"},
    {50, Kasten, 0x2080A0, "O"},  {51, Kasten, 0x406040, "D"},  {52, Kasten, 0x406040, "1"},
    {53, Kasten, 0x406040, "2"},  {54, Kasten, 0x406040, "3"},  {55, Kasten, 0x406040, "4"},
    {56, Ordner, 0xD8B040, "W"},  {57, Kasten, 0x605090, "W"},  {58, Kasten, 0x605090, "V"},
    {59, Kreis,  0x3070B0, "U"},  {60, Kreis,  0x909090, "o"},  {61, Kreis,  0x20A040, "o"},
    {62, Kasten, 0x5070A0, "V"},  {63, Kasten, 0x5070A0, "P"},  {64, Kasten, 0x5070A0, "S"},
    {65, Kasten, 0x508050, "+"},  {66, Kasten, 0x508050, "-"},  {67, Kreis,  0x2E8B57, "+"},
    {68, Kreis,  0xC03020, "x"},  {70, Ordner, 0xD8B040, "G"},  {71, Kasten, 0x806020, "H"},
    {72, Kasten, 0x907030, "M"},  {73, Kasten, 0xA08040, "U"},  {74, Kreis,  0x2E8B57, "C"},
    {75, Kreis,  0x2E8B57, "V"},
};
// clang-format on

QPixmap Zeichne(const TBild &b) {
    LOG_FKT("TImageList::Zeichne");
    QPixmap pixmap(TImageList::Size, TImageList::Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor farbe((b.Farbe >> 16) & 0xFF, (b.Farbe >> 8) & 0xFF, b.Farbe & 0xFF);
    p.setPen(farbe.darker(150));
    p.setBrush(farbe);
    switch (b.Form) {
    case Ordner: {
        QPainterPath path;
        path.moveTo(1.5, 4.5);
        path.lineTo(6.5, 4.5);
        path.lineTo(8.5, 2.5);
        path.lineTo(16.5, 2.5);
        path.lineTo(16.5, 15.5);
        path.lineTo(1.5, 15.5);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case Kasten:
        p.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
        break;
    case Kreis:
        p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
        break;
    }
    QFont font = p.font();
    font.setPixelSize(std::char_traits<char>::length(b.Text) > 1 ? 8 : 11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(b.Form == Ordner ? QColor(60, 40, 0) : QColor(Qt::white));
    p.drawText(QRect(0, 1, TImageList::Size, TImageList::Size), Qt::AlignCenter, b.Text);
    return pixmap;
}
} // namespace

TImageList::TImageList() {
    LOG_FKT("TImageList::TImageList");
    for (const TBild &b : kBilder) {
        const QPixmap pixmap = Zeichne(b);
        FImages.emplace(b.Index, pixmap);
        FIcons.emplace(b.Index, QIcon(pixmap));
    }
}

bool TImageList::Has(int index) const {
    LOG_FKT("TImageList::Has");
    return FImages.count(index) > 0;
}

QPixmap TImageList::Pixmap(int index) const {
    LOG_FKT("TImageList::Pixmap");
    const auto it = FImages.find(index);
    return it == FImages.end() ? QPixmap() : it->second;
}

QIcon TImageList::Icon(int index) const {
    LOG_FKT("TImageList::Icon");
    const auto it = FIcons.find(index);
    return it == FIcons.end() ? QIcon() : it->second;
}
