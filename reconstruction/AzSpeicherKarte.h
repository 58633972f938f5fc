// The alarm panel's memory map as the reconstruction reads it (16-bit addresses, ends
// inclusive): the three blocks of the device image file, the bus tables inside block
// BcuSoftware, the identity cells and the panel's own physical address.
#pragma once

#include <cstdint>

namespace AzSpeicher {

// Block "UserSoftware": editable texts, event memory B, parameters, detector words.
constexpr uint32_t kUserSoftwareFirst = 0xB8D6;
constexpr uint32_t kUserSoftwareLast = 0xBFFE;
// Block "MelderTexte": 161 detector texts of 14 bytes.
constexpr uint32_t kMelderTexteFirst = 0xAD32;
constexpr uint32_t kMelderTexteLast = 0xB5FF;
// Block "BcuSoftware": the bus tables.
constexpr uint32_t kBcuSoftwareFirst = 0x4000;
constexpr uint32_t kBcuSoftwareLast = 0x479B;

// Address table: entry count N, then N words (entry 0 the own physical address).
constexpr uint32_t kAdressTabelle = 0x4000;
constexpr uint32_t kEigeneAdresse = 0x4001; // high byte first
constexpr uint32_t kEigeneAdresseLast = 0x4002;
// Association table: count, then pairs (address-table index, object number).
constexpr uint32_t kAssoziationsTabelle = 0x41FF;
constexpr uint32_t kAssoziationsTabelleLast = 0x43FB;
// Object table: count, flag-table pointer, four bytes per object.
constexpr uint32_t kObjektTabelle = 0x43FC;
constexpr uint32_t kObjektTabelleLast = 0x479B;

// Identity cells: the manufacturer code, then the device type high byte first.
constexpr uint32_t kHersteller = 0xB6E6;
constexpr uint32_t kGeraeteTyp = 0xB6E7;
constexpr uint32_t kGeraeteTypLast = 0xB6E8;
constexpr unsigned short kPanelGeraeteTyp = 0xC004;

// Panel parameters and detector words inside block UserSoftware.
constexpr uint32_t kParameterFirst = 0xBE12;
constexpr uint32_t kParameterLast = 0xBEBA;
constexpr uint32_t kMelderWorte = 0xBEBB; // two bytes per slot 1..162

// A bus memory read carries at most this many bytes.
constexpr uint32_t kMaxLeseBlock = 255;

} // namespace AzSpeicher
