#include "objectmodel/AzMelderParameter.h"

#include "platform/log/Log.h"

uint32_t AzMelderParameterblock(int eingangsTyp, int bereich, int textIndex, int melderTyp,
                                bool aktivBei) {
    LOG_FKT("AzMelderParameterblock");
    return (static_cast<uint32_t>(eingangsTyp) & 0x7u) |
           (static_cast<uint32_t>(bereich) & 0x7u) << 3 |
           (static_cast<uint32_t>(textIndex) & 0x7Fu) << 6 |
           (static_cast<uint32_t>(melderTyp) & 0x3u) << 13 | (aktivBei ? 1u : 0u) << 15;
}

TAzMelderParamIds AzMelderParamIds(T_DB_EnumAzMelder::TEnumMelder kind, int nummer) {
    LOG_FKT("AzMelderParamIds");
    if (kind == T_DB_EnumAzMelder::eVerdrahtet)
        return {4620, 12611};
    // Unsigned arithmetic: any number wraps to a 16-bit id instead of overflowing.
    const auto id = [nummer](uint32_t basis) {
        return static_cast<int16_t>(
            static_cast<uint16_t>(static_cast<uint32_t>(nummer) * 10u + basis));
    };
    return {id(3000), id(11001)};
}

bool AzSicherungsBereichExistiert(uint32_t variante, int bereich) {
    LOG_FKT("AzSicherungsBereichExistiert");
    if (bereich < 1 || bereich > 4)
        return false;
    return ((variante >> (8 * (4 - bereich))) & 0xFFu) != 0;
}
