#pragma once

// The topic codes of the interpretation text store, named once for every
// reader: the report builders, the readings, the window's day text and guide
// pages, and the command-line tools that write data files. The numbers are
// those of the data file format (textstore.h), so they never change.
//
// Entry 0 of a plain text topic is its introduction; the comment after each
// code says which number picks the other entries.

namespace topics {

// --- numerology report -------------------------------------------------------
const int LIFE_PATH = 101;   // the Life Path
const int BIRTHDAY = 102;    // the day of the month of birth
const int KARMIC_DEBT = 103; // 13, 14, 16, 19
const int EXPRESSION = 104;
const int MINOR_EXPRESSION = 105;
const int PERSONAL_YEAR = 106;      // personal year 1..9
const int PERSONAL_MONTH_DAY = 107; // personal month or day 1..9; also the day text
const int HEARTS_DESIRE = 108;
const int PERSONALITY = 109;    // Personality and Minor Personality
const int HIDDEN_PASSION = 110; // each hidden passion 1..9
const int MINOR_HEARTS_DESIRE = 111;
const int KARMIC_LESSONS = 112; // each karmic lesson 1..9
const int SUBCONSCIOUS_CONFIDENCE = 113;
const int BALANCE = 114;
const int CHALLENGES = 115; // challenge + 1
const int PINNACLES = 116;  // the pinnacle's single digit
const int MATURITY = 117;
const int RATIONAL_THOUGHT = 118;
const int TRANSITS = 119;          // letter position A = 1 .. Z = 26
const int ESSENCE = 120;           // essence number of the age
const int DOUBLE_DIGIT_NAME = 121; // Western name total 10..99 (name advisor)
const int COMPOUND = 122;          // Chaldean compound number 10..99
const int PLANES = 123;            // introduction only
const int PLANE_PHYSICAL = 124;
const int PLANE_MENTAL = 125;
const int PLANE_EMOTIONAL = 126;
const int PLANE_INTUITIVE = 127;
const int BRIDGE_LIFE_PATH_EXPRESSION = 128;      // bridge + 1
const int PAIR_LIFE_PATH_EXPRESSION = 129;        // 10 x larger + smaller digit
const int BRIDGE_HEARTS_DESIRE_PERSONALITY = 130; // bridge + 1
const int PAIR_HEARTS_DESIRE_PERSONALITY = 131;   // 10 x larger + smaller digit
const int GENERAL_NOTES = 900;                    // entry 0: the note under the chart tables

// --- psychomatrix chapters, by the value they interpret ----------------------
const int MATRIX_PURPOSEFUL = 201; // 1-4-7
const int MATRIX_FAMILY = 202;     // 2-5-8
const int MATRIX_STABILITY = 203;  // 3-6-9
const int MATRIX_CHARACTER = 204;  // count of 1
const int MATRIX_ENERGY = 205;
const int MATRIX_INTEREST = 206;
const int MATRIX_HEALTH = 207;
const int MATRIX_INTUITION = 208;
const int MATRIX_LABOUR = 209;
const int MATRIX_LUCK = 210;
const int MATRIX_DUTY = 211;
const int MATRIX_MEMORY = 212;         // count of 9
const int MATRIX_SELF_APPRAISAL = 213; // 1-2-3
const int MATRIX_FINANCE = 214;        // 4-5-6
const int MATRIX_TALENT = 215;         // 7-8-9
const int MATRIX_SPIRITUALITY = 216;   // 1-5-9
const int MATRIX_SEXUAL_LIFE = 217;    // 3-5-7

// --- pet reading -------------------------------------------------------------
const int PET_NUMBER = 301; // 1..9 by pet number
const int PET_DAY = 302;    // 1..9 by forecast day code

// --- compatibility -----------------------------------------------------------
const int COMPAT_BIRTHDAY_CODE = 401; // by birthday code
const int COMPAT_GENERAL = 402;       // 0 introduction, 1 family, 2 carnal, 3 closing;
                                      // other numbers: birthday pair codes
const int COMPAT_NAME_PAIR = 403;
const int COMPAT_LIFE_PATH_PAIR = 404;
const int COMPAT_CHARACTER = 405; // 0 introduction, then by character code
const int COMPAT_ENERGY = 406;    // by energy code

// --- name advisor ------------------------------------------------------------
const int ADVISOR_NUMBER = 501; // name and date numbers 1..9, 11, 22, 33

// --- celebrities -------------------------------------------------------------
// Records 0..99 under 601 and 100..199 under 611; the remarks of the three
// chapters under 602..604 and 612..614 the same way.
const int CELEBRITY_RECORDS = 601;
const int CELEBRITY_LIFE_PATH_REMARKS = 602;
const int CELEBRITY_BIRTH_DAY_REMARKS = 603;
const int CELEBRITY_EXPRESSION_REMARKS = 604;
const int CELEBRITY_SECOND_HUNDRED = 10; // added to a code for indexes 100..199

// --- guide -------------------------------------------------------------------
const int GUIDE_FIRST = 700; // 700..703: ten pages per code
const int GUIDE_LAST = 703;

} // namespace topics

// The guide pages (TextStore::guidePage) that explain a panel row.
namespace guidepages {

const int LIFE_PATH = 0;
const int BIRTHDAY = 1;
const int EXPRESSION = 2;
const int HEARTS_DESIRE = 4;
const int BALANCE = 5;
const int PERSONALITY = 6;
const int KARMIC_LESSONS = 7;
const int PERSONAL_YEAR = 8;
const int KARMIC_DEBTS = 10;
const int MATURITY = 11;
const int HIDDEN_PASSION = 12;
const int SUBCONSCIOUS_CONFIDENCE = 13;
const int PINNACLES = 14;
const int CHALLENGES = 15;
const int MATRIX_CHARACTER = 18;
const int MATRIX_ENERGY = 19;
const int MATRIX_INTEREST = 20;
const int MATRIX_HEALTH = 21;
const int MATRIX_INTUITION = 22;
const int MATRIX_LABOUR = 23;
const int MATRIX_LUCK = 24;
const int MATRIX_DUTY = 25;
const int MATRIX_MEMORY = 26;
const int MATRIX_PURPOSEFUL = 27;
const int MATRIX_FAMILY = 28;
const int MATRIX_STABILITY = 29;
const int MATRIX_SELF_APPRAISAL = 30;
const int MATRIX_FINANCE = 31;
const int MATRIX_TALENT = 32;
const int MATRIX_SPIRITUALITY = 33;
const int MATRIX_SEXUAL_LIFE = 34;
const int RATIONAL_THOUGHT = 35;

} // namespace guidepages
