#pragma once

// The QR Code tables of ISO/IEC 18004 used by the encoder's steps, and the
// GF(256) arithmetic of its Reed-Solomon code. Internal to src/barcodes.

#include <cstdint>

namespace qr {

// Codewords of a whole symbol (data plus error correction), by version.
int totalCodewords(int version);
// Error correction codewords per block and number of blocks.
int ecCodewordsPerBlock(int version, int level);
int ecBlocks(int version, int level);
// Data codewords = total codewords - blocks x ec codewords per block.
int dataCodewords(int version, int level);

// Version groups 0 (1-9), 1 (10-26), 2 (27-40): the character-count field
// lengths change between them.
int versionGroup(int version);
int groupFirstVersion(int group);
int groupLastVersion(int group);
int characterCountBits(int mode, int group);

// Alignment pattern centre coordinates of a version; returns their count
// (0 for version 1) and fills at most 7 entries.
int alignmentPositions(int version, int *positions);

// The 15-bit format information (masked) and the 18-bit version information.
uint16_t formatBits(int level, int mask);
uint32_t versionBits(int version);

// Alphanumeric value of a byte, or -1 when the byte is not in the set.
int alphanumericValue(uint8_t byte);
bool isDigit(uint8_t byte);
// The 13-bit Kanji mode value of a Shift-JIS pair, or -1 when the two bytes
// are not a character of the Kanji mode ranges 0x8140-0x9FFC, 0xE040-0xEBBF.
int kanjiValue(uint8_t first, uint8_t second);

// Reed-Solomon remainder of data over the generator polynomial of degree
// ecLength (2 <= ecLength <= 30); writes ecLength bytes to ec.
void reedSolomon(const uint8_t *data, int dataLength, int ecLength, uint8_t *ec);

} // namespace qr
