// Small helpers of the assembler's tests.
#pragma once

#include "assembler/Assembler.h"
#include "platform/vcl/TStringList.h"

#include <gmock/gmock.h>

#include <cstdint>
#include <string>
#include <vector>

// A pattern that differs from byte to byte and from one 256-byte run to the next.
inline std::vector<uint8_t> Muster(size_t n, uint8_t seed = 0) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 8) + seed + 1);
    return bytes;
}

inline std::vector<uint8_t> Bytes(const TAsmBlock &block) {
    return std::vector<uint8_t>(block.Data(), block.Data() + block.dwSize);
}

inline std::vector<std::string> Lines(const TStringList &list) {
    return std::vector<std::string>(list.begin(), list.end());
}

// A class of one block holding bytes, on its own assembler line-up: class first..last.
inline TAsmBlock *BlockMit(TAssembler &assembler, uint32_t first, uint32_t last,
                           const std::vector<uint8_t> &bytes, TEnumAsmKlasse art = asmAusgeben) {
    TAsmKlasse *klasse = assembler.NewKlasse("K" + std::to_string(first), 1, first, last, art);
    TAsmBlock *block = assembler.NewBlock("B" + std::to_string(first), klasse, false);
    block->AddData(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return block;
}

// The located part of a report: "File: " unit, "Line: " digits, each ended by a line feed.
inline ::testing::Matcher<const std::string &> EndetMitOrt(const std::string &unit) {
    return ::testing::MatchesRegex(".*\nFile: " + unit + "\nLine: [0-9]+\n");
}
