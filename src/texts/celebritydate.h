#pragma once

// The parts of a celebrity's packed birth date (CelebrityRecord::birthDate,
// day + 256 x month + 65536 x year; 0 when not given). Day and month are the
// two low bytes and the year the rest, so any stored value reads as three
// numbers: a missing date reads 0/0/0.

inline int packedDay(int packed)
{
    return packed & 0xFF;
}

inline int packedMonth(int packed)
{
    return (packed >> 8) & 0xFF;
}

inline int packedYear(int packed)
{
    return packed >> 16;
}
