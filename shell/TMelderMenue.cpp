#include "shell/TMelderMenue.h"

#include "objectmodel/TAzMelder.h"
#include "platform/log/Log.h"

#include <QAction>

std::optional<TMelderMenue> MelderMenueZustand(TDataBasis *selected) {
    LOG_FKT("TMelderMenue::MelderMenueZustand");
    if (!selected)
        return std::nullopt;
    TMelderMenue z;
    const int typ = selected->GetTyp();
    if (typ == 6123 || typ == 6125 || (typ >= 6127 && typ <= 6130)) {
        z.Hinzufuegen = z.Einfuegen = true;
    } else if (typ == 6124) {
        const auto *melder = dynamic_cast<const TAzMelder *>(selected);
        z.Loeschen = z.Kopieren =
            melder && melder->GetMelderBereich() != T_DB_EnumAzMelder::eVerdrahtet;
    }
    return z;
}

void SetzeMelderMenue(const std::optional<TMelderMenue> &zustand, QAction *hinzufuegen,
                      QAction *loeschen, QAction *kopieren, QAction *einfuegen) {
    LOG_FKT("TMelderMenue::SetzeMelderMenue");
    if (!zustand)
        return;
    const std::pair<QAction *, bool> items[] = {{hinzufuegen, zustand->Hinzufuegen},
                                                {loeschen, zustand->Loeschen},
                                                {kopieren, zustand->Kopieren},
                                                {einfuegen, zustand->Einfuegen}};
    for (const auto &[item, on] : items)
        if (item)
            item->setEnabled(on);
}
