#include "letter_case.h"

#include <array>

namespace tarnwick {

namespace {

using ByteTable = std::array<unsigned char, 256>;

// Every byte maps to itself except the letters that change case: A-Z with a-z, and the umlauts
// Ä/ä, Ö/ö and Ü/ü, whose capitals lie 0x20 below their small letters as well.
constexpr ByteTable makeCaseTable(bool small) {
    ByteTable table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i);
    constexpr int shift = 'a' - 'A';
    for (int capital = 'A'; capital + shift < 256; ++capital) {
        const bool changesCase = (capital >= 'A' && capital <= 'Z') || capital == 0xC4 ||
                                 capital == 0xD6 || capital == 0xDC; // Ä, Ö, Ü
        if (!changesCase)
            continue;
        if (small)
            table[capital] = static_cast<unsigned char>(capital + shift);
        else
            table[capital + shift] = static_cast<unsigned char>(capital);
    }
    return table;
}

// Every byte that is a letter in Windows-1252: A-Z, a-z, the accented letters from 0xC0 (except
// the multiplication and division signs) and the few letters between 0x80 and 0xBF.
constexpr ByteTable makeLetterTable() {
    ByteTable table{};
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = 1;
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = 1;
    for (int c = 0xC0; c <= 0xFF; ++c)
        table[c] = (c == 0xD7 || c == 0xF7) ? 0 : 1;
    for (int c : {0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA})
        table[c] = 1;
    return table;
}

constexpr ByteTable smallTable = makeCaseTable(true);
constexpr ByteTable capitalTable = makeCaseTable(false);
constexpr ByteTable letterTable = makeLetterTable();

inline unsigned char byteOf(char c) {
    return static_cast<unsigned char>(c);
}

} // namespace

char toSmall(char c) {
    return static_cast<char>(smallTable[byteOf(c)]);
}
char toCapital(char c) {
    return static_cast<char>(capitalTable[byteOf(c)]);
}
bool isLetter(char c) {
    return letterTable[byteOf(c)] != 0;
}

} // namespace tarnwick
