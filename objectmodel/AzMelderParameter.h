// The pure helpers of the detector inputs: the detector parameter word (the sabotage input packs
// its own fields the same way), the device-parameter ids of a detector, and which security
// areas a configuration variant word has.
#pragma once

#include <cstdint>

namespace T_DB_EnumAzMelder {
// The kind of a detector input: where it sits and which security area it may have.
enum TEnumMelder : int8_t {
    eFeuermelder = 0,     // fire area (security area 5)
    eUeberfallmelder = 1, // hold-up area (security area 6)
    eVerdrahtet = 2,      // the wired detector input of the panel itself
    eMelderSb1 = 3,       // security areas 1 .. 4
    eMelderSb2 = 4,
    eMelderSb3 = 5,
    eMelderSb4 = 6,
};
} // namespace T_DB_EnumAzMelder

// The detector parameter word: input type in bits 0-2, security area in bits 3-5, text index
// in bits 6-12, detector type in bits 13-14, bit 15 set when "active at" is not 0, bits 16-31
// zero. Each field is cut to its width, so a value out of range (a damaged record) cannot
// change its neighbours.
uint32_t AzMelderParameterblock(int eingangsTyp, int bereich, int textIndex, int melderTyp,
                                bool aktivBei);

// The device parameters of a detector: the word and the first of its four text parameters.
struct TAzMelderParamIds {
    int16_t Wort;
    int16_t Text;
};
// The wired input has ids of its own (4620, 12611), whatever number it was given (a new one has
// 0, a reconstructed one 162, which by the formula would write over an editable text). Any
// other detector n: n * 10 + 3000 and n * 10 + 11001, modulo 65536.
TAzMelderParamIds AzMelderParamIds(T_DB_EnumAzMelder::TEnumMelder kind, int nummer);

// Security area n (1 to 4) exists in the variant word when its byte is not 0 (area 1 in bits
// 31-24 .. area 4 in bits 7-0). Any other n: false.
bool AzSicherungsBereichExistiert(uint32_t variante, int bereich);
