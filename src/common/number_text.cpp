#include "common/number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/text_util.h"

namespace tessaly {
namespace {

constexpr std::array<double, 23> kPow10 = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                           1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The 15 significant digits of v (trailing zeros removed) and its decimal exponent,
// after rounding to 15 digits. v must be finite and not zero.
struct Digits15 {
  char digits[16];
  int count;
  int exponent;
  bool negative;
};

Digits15 SplitDigits(double v) {
  char buf[40];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  *res.ptr = '\0';
  Digits15 d{};
  const char* p = buf;
  d.negative = (*p == '-');
  if (d.negative) ++p;
  d.count = 0;
  for (; *p != 'e'; ++p)
    if (*p != '.') d.digits[d.count++] = *p;
  d.exponent = std::atoi(p + 1);
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

constexpr double kTwo52 = 4503599627370496.0;  // adding and subtracting it rounds to an integer

// Writes the decimal given by its digits (len digits, the first not 0) over 10^k (k <= 22) in
// the plain form: no trailing zeros, no point for a whole value, a zero before the point.
// Writes at most 41 characters and returns the end.
char* WriteDigitsOverPower(char* p, bool negative, const char* digits, int len, int k) {
  if (negative) *p++ = '-';
  if (len > k) {
    std::memcpy(p, digits, len - k);
    p += len - k;
    int fraction = k;
    while (fraction > 0 && digits[len - k + fraction - 1] == '0') --fraction;
    if (fraction > 0) {
      *p++ = '.';
      std::memcpy(p, digits + len - k, fraction);
      p += fraction;
    }
  } else {
    int used = len;
    while (digits[used - 1] == '0') --used;
    *p++ = '0';
    *p++ = '.';
    std::memset(p, '0', k - len);
    p += k - len;
    std::memcpy(p, digits, used);
    p += used;
  }
  return p;
}

// The decimal t / 10^k (t > 0 a whole number of at most 15 digits, k <= 22) in the plain form.
char* WriteScaledInteger(char* p, bool negative, double t, int k) {
  char digits[24];
  const int len = static_cast<int>(
      std::to_chars(digits, digits + sizeof digits, static_cast<uint64_t>(t)).ptr - digits);
  return WriteDigitsOverPower(p, negative, digits, len, k);
}

// The 15 digits of 1E+14 <= m < 1E+15, two at a time from a table, in three independent
// pieces (3, 4 and 8 digits) rather than one chain of divisions.
void Write15Digits(char* d, uint64_t m) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  auto pair = [](char* at, uint32_t v) { std::memcpy(at, kPairs + 2 * v, 2); };
  const uint32_t high = static_cast<uint32_t>(m / 100000000);  // 7 digits
  const uint32_t low = static_cast<uint32_t>(m % 100000000);   // 8 digits
  const uint32_t top = high / 10000, mid = high % 10000;        // 3 and 4 digits
  d[0] = static_cast<char>('0' + top / 100);
  pair(d + 1, top % 100);
  pair(d + 3, mid / 100);
  pair(d + 5, mid % 100);
  const uint32_t lowHigh = low / 10000, lowLow = low % 10000;
  pair(d + 7, lowHigh / 100);
  pair(d + 9, lowHigh % 100);
  pair(d + 11, lowLow / 100);
  pair(d + 13, lowLow % 100);
}

// Built on the stack and appended once: reports write tens of thousands of numbers.
void AppendScaledInteger(std::string& out, bool negative, double t, int k) {
  char text[48];
  out.append(text, WriteScaledInteger(text, negative, t, k) - text);
}

// The plain number text of every v with 1E-04 <= |v| < 1E+15, written without the general
// digit split: the 15-digit integer m nearest to |v| * 10^k (1E+14 <= m < 1E+15) is the
// value's 15 significant digits, and the text is m / 10^k written from m. The product is
// rounded once; where it lands on an exact half, the sign of its rounding error (one fused
// multiply-add, exact) says which way the exact product lies, and an exact half of the
// exact product goes to the even integer, as printing does. Returns the end of what it wrote
// (at most 21 characters), or nullptr, writing nothing, for any other v (also when the
// rounding carries |v| to 1E+15, written in exponent form).
char* WriteFixedDecimal(char* out, double v) {
  const double a = std::fabs(v);
  if (!(a >= 1e-4 && a < 1e15)) return nullptr;
  uint64_t bits;
  std::memcpy(&bits, &a, sizeof bits);
  const int e2 = static_cast<int>(bits >> 52) - 1023;
  // floor(log10(2^e2)): |v| lies in [10^e10, 10^(e10 + 2)).
  const int e10 = e2 >= 0 ? (e2 * 78913) >> 18 : -((-e2 * 78913 + 262143) >> 18);
  int k = 14 - e10;
  double p = a * kPow10[k];
  if (p >= 1e15) {
    if (--k < 0) return nullptr;
    p = a * kPow10[k];
  }
  double m = (p + kTwo52) - kTwo52;  // nearest integer, halves to even (p < 2^50)
  const double diff = p - m;
  if (diff == 0.5 || diff == -0.5) [[unlikely]] {
    const double r = std::fma(a, kPow10[k], -p);
    if (diff == 0.5 && r > 0) m += 1;
    if (diff == -0.5 && r < 0) m -= 1;
  }
  if (m >= 1e15) {  // 999999999999999.5 and above: one more digit before the point
    if (--k < 0) return nullptr;
    m = 1e14;
  }
  char digits[15];
  Write15Digits(digits, static_cast<uint64_t>(m));
  return WriteDigitsOverPower(out, v < 0, digits, 15, k);
}

}  // namespace

double Round(double v, int k) {
  if (!std::isfinite(v)) return v;
  if (k < 0) k = 0;
  double scale = k < static_cast<int>(kPow10.size()) ? kPow10[k] : std::pow(10.0, k);
  double scaled = v * scale;
  if (!std::isfinite(scaled)) return v;
  // The nearest integer, halves to even: adding and subtracting 2^52 rounds a smaller
  // magnitude in the current (nearest-even) mode, as nearbyint does, without a library call;
  // larger magnitudes are whole already. The sign is put back so that -0.3 gives -0.
  double magnitude = std::fabs(scaled);
  if (magnitude < kTwo52) magnitude = (magnitude + kTwo52) - kTwo52;
  return std::copysign(magnitude, scaled) / scale;
}

double RoundTo15Significant(double v) {
  if (!std::isfinite(v) || v == 0) return v;
  char buf[40];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  double out = 0;
  auto read = std::from_chars(buf, res.ptr, out);
  // Near the largest double the 15-digit text reads back beyond it: infinity, as the text
  // itself would read.
  if (read.ec == std::errc::result_out_of_range) return v < 0 ? -HUGE_VAL : HUGE_VAL;
  return out;
}

void AppendPlainNumberText(std::string& out, double v) {
  if (std::isnan(v)) {
    out += "NaN";
    return;
  }
  if (std::isinf(v)) {
    out += v > 0 ? "Infinity" : "-Infinity";
    return;
  }
  if (v == 0) {
    out += '0';
    return;
  }
  char fixed[kMaxPlainNumberText];
  if (const char* end = WriteFixedDecimal(fixed, v)) {
    out.append(fixed, end - fixed);
    return;
  }
  const Digits15 d = SplitDigits(v);
  // At most 22 characters: a sign, 15 digits, a point and an exponent, or "-0.000" and 15
  // digits.
  char text[32];
  char* p = text;
  auto put = [&p](const char* from, int count) {
    std::memcpy(p, from, static_cast<size_t>(count));
    p += count;
  };
  if (d.negative) *p++ = '-';
  if (d.exponent >= 15 || d.exponent <= -5) {
    *p++ = d.digits[0];
    if (d.count > 1) {
      *p++ = '.';
      put(d.digits + 1, d.count - 1);
    }
    *p++ = 'E';
    *p++ = d.exponent < 0 ? '-' : '+';
    const int e = std::abs(d.exponent);
    if (e < 10) *p++ = '0';
    p = std::to_chars(p, text + sizeof text, e).ptr;
  } else if (d.exponent >= 0) {
    const int intDigits = d.exponent + 1;
    if (d.count <= intDigits) {
      put(d.digits, d.count);
      for (int i = d.count; i < intDigits; ++i) *p++ = '0';
    } else {
      put(d.digits, intDigits);
      *p++ = '.';
      put(d.digits + intDigits, d.count - intDigits);
    }
  } else {
    *p++ = '0';
    *p++ = '.';
    for (int i = 0; i < -d.exponent - 1; ++i) *p++ = '0';
    put(d.digits, d.count);
  }
  out.append(text, static_cast<size_t>(p - text));
}

char* WritePlainNumberText(char* out, double v) {
  if (v == 0) {
    *out = '0';
    return out + 1;
  }
  if (char* end = WriteFixedDecimal(out, v)) return end;
  std::string text;
  AppendPlainNumberText(text, v);
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

std::string PlainNumberText(double v) {
  std::string s;
  AppendPlainNumberText(s, v);
  return s;
}

std::string PlainIntegerText(long long v) { return std::to_string(v); }

std::string LeadingBlankNumberText(double v) {
  std::string plain = PlainNumberText(v);
  std::string_view body = plain;
  bool negative = !body.empty() && body[0] == '-';
  if (negative) body.remove_prefix(1);
  if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.remove_prefix(1);
  std::string out = negative ? "-" : " ";
  out.append(body);
  return out;
}

std::string RightAligned(std::string_view text, int width) {
  std::string out;
  AppendRightAligned(out, text, width);
  return out;
}

void AppendRightAligned(std::string& out, std::string_view text, int width) {
  size_t chars = CharCount(text);
  if (width > 0 && chars < static_cast<size_t>(width)) out.append(width - chars, ' ');
  out.append(text);
}

void AppendRightAlignedNumberText(std::string& out, double v, int width) {
  const size_t start = out.size();
  AppendPlainNumberText(out, v);
  // Number texts are ASCII: one byte per character.
  const size_t length = out.size() - start;
  if (width > 0 && length < static_cast<size_t>(width))
    out.insert(start, static_cast<size_t>(width) - length, ' ');
}

std::string RoundedNumberText(double v, int k) { return PlainNumberText(Round(v, k)); }

void AppendRoundedNumberText(std::string& out, double v, int k) {
  // Round(v, k) is the integer t nearest to v * 10^k divided by 10^k, correctly rounded, so
  // it is the nearest double to the decimal t / 10^k. When t has at most 15 digits and the
  // decimal is 0 or at least 1E-04, that decimal is the text, written straight from t.
  if (std::isfinite(v) && k >= 0 && k <= 17) {
    const double scaled = v * kPow10[k];
    const double magnitude = std::fabs(scaled);
    if (magnitude < 1e15) {
      const double t = (magnitude + kTwo52) - kTwo52;
      if (t == 0) {
        out += '0';
        return;
      }
      if (k < 4 || t >= kPow10[k - 4]) {
        AppendScaledInteger(out, scaled < 0, t, k);
        return;
      }
    }
  }
  AppendPlainNumberText(out, Round(v, k));
}

double LeadingNumber(std::string_view text) {
  size_t i = 0;
  // Blanks, tabs and line feeds before the number are skipped (not carriage returns).
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t mantissaDigits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j, ++expDigits;
    if (expDigits > 0) end = j;
  }
  std::string numeral(text.substr(start, end - start));
  // Read in the C locale: the desktop program runs under the user's locale, whose
  // decimal separator may not be the point.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(numeral.c_str(), nullptr, cLocale);
}

std::optional<int16_t> ToInt16(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  double r = std::nearbyint(v);
  if (r < -32768.0 || r > 32767.0) return std::nullopt;
  return static_cast<int16_t>(r);
}

std::optional<int16_t> ToInt16Held(double v) {
  if (std::isnan(v)) return std::nullopt;
  return ToInt16(std::clamp(v, -32768.0, 32767.0));
}

std::optional<int32_t> ToInt32(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  double r = std::nearbyint(v);
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(r);
}

}  // namespace tessaly
