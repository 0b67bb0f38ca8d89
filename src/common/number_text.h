// The number forms every report uses, and the reading of typed numbers.
// This is the only place in the program that turns numbers into text or text into numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// v rounded to k decimal places, exact halves going to the even neighbour
// (Round(2.5, 0) = 2, Round(0.125, 2) = 0.12). Non-finite values pass through.
double Round(double v, int k);

// v rounded to 15 significant digits: the same double as printing v with 15 significant
// digits and reading the text back. Non-finite values pass through.
double RoundTo15Significant(double v);

// Shortest text with at most 15 significant digits: 3, 0.5, -0.25, 1E-05, 1.5E+20.
// Non-finite values read Infinity, -Infinity, NaN; minus zero reads 0.
std::string PlainNumberText(double v);
void AppendPlainNumberText(std::string& out, double v);
// The longest plain number text ("-1.23456789012345E-300" has 22 characters), with room.
inline constexpr int kMaxPlainNumberText = 32;
// Writes the plain number text to out (room for kMaxPlainNumberText characters) and returns
// the end of what it wrote: for long tables, which place each number themselves.
char* WritePlainNumberText(char* out, double v);

// An integer in decimal digits, minus sign when negative, no blank.
std::string PlainIntegerText(long long v);

// Like the plain number text, but a non-negative value gets one leading blank and a value
// between -1 and 1 has no zero before the point (" .5", "-.25").
std::string LeadingBlankNumberText(double v);

// The text padded with blanks on the left to width characters (counted in characters,
// not bytes); a longer text is returned whole.
std::string RightAligned(std::string_view text, int width);
void AppendRightAligned(std::string& out, std::string_view text, int width);

// Appends the plain number text of v right-aligned in a field of width characters (the
// same as RightAligned(PlainNumberText(v), width), without the intermediate strings).
void AppendRightAlignedNumberText(std::string& out, double v, int width);

// The plain number text of Round(v, k): the rounded number text with k digits.
std::string RoundedNumberText(double v, int k);
void AppendRoundedNumberText(std::string& out, double v, int k);

// Leading-number reading of a typed answer: blanks, tabs and line feeds skipped at the
// start, then the longest prefix that forms a number (sign, digits, one decimal point,
// exponent part); 0 when none. "3abc" reads 3.
double LeadingNumber(std::string_view text);

// v rounded to the nearest integer, halves to even, when that integer fits 16 bits.
std::optional<int16_t> ToInt16(double v);
// ToInt16 for the order and degree questions: a v beyond 16 bits is held to the nearer
// end (40000 and 1e999 give 32767, -1e9 gives -32768), so that it meets the same refusal as
// its in-range neighbours; nothing for not-a-number.
std::optional<int16_t> ToInt16Held(double v);

// v rounded to the nearest integer, halves to even, when that integer fits 32 bits.
std::optional<int32_t> ToInt32(double v);

}  // namespace tessaly
