#include "common/number_text.h"

#include <locale.h>
#include <stdlib.h>

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

// Writes the decimal t / 10^k (t > 0 a whole number of at most 15 digits, k <= 17) in the
// plain form: no trailing zeros, no point for a whole value, a zero before the point.
void AppendScaledInteger(std::string& out, bool negative, double t, int k) {
  char digits[24];
  const int len = static_cast<int>(
      std::to_chars(digits, digits + sizeof digits, static_cast<uint64_t>(t)).ptr - digits);
  if (negative) out += '-';
  if (len > k) {
    out.append(digits, len - k);
    int fraction = k;
    while (fraction > 0 && digits[len - k + fraction - 1] == '0') --fraction;
    if (fraction > 0) {
      out += '.';
      out.append(digits + len - k, fraction);
    }
  } else {
    int used = len;
    while (digits[used - 1] == '0') --used;
    out += "0.";
    out.append(k - len, '0');
    out.append(digits, used);
  }
}

// The 15 significant digits of v for 1E-05 <= |v| < 1E+15, from one multiplication by an
// exact power of ten: with the decimal exponent e of v, s = v * 10^(14 - e) lies in
// [1E+14, 1E+15), where every integer and every half-integer is a double. Rounding the exact
// product to a double is monotonic and cannot cross such a value, so the nearest integer of s
// is that of the exact product, except when s is a half-integer itself (the exact product may
// lie on either side). Then, and outside the range, it returns false and the general split
// decides.
bool QuickSplitDigits(double v, Digits15& d) {
  const double a = std::fabs(v);
  if (!(a >= 1e-5 && a < 1e15)) return false;
  int e = 0;
  if (a >= 1) {
    while (e < 14 && a >= kPow10[e + 1]) ++e;
  } else {
    e = -1;
    while (e > -5 && a * kPow10[-e] < 1) --e;
  }
  for (int attempt = 0; attempt < 2; ++attempt) {
    const double scaled = a * kPow10[14 - e];
    if (scaled >= 1e15 && e < 14) {
      ++e;
      continue;
    }
    if (scaled < 1e14 && e > -5) {
      --e;
      continue;
    }
    if (!(scaled >= 1e14 && scaled < 1e15)) return false;
    const double nearest = (scaled + kTwo52) - kTwo52;  // scaled < 2^52: rounds to an integer
    if (std::fabs(scaled - nearest) == 0.5) return false;
    auto t = static_cast<uint64_t>(nearest);
    if (t == 1000000000000000) {  // carried into the next power of ten
      t /= 10;
      ++e;
    }
    char* end = std::to_chars(d.digits, d.digits + sizeof d.digits, t).ptr;
    d.count = static_cast<int>(end - d.digits);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
    d.exponent = e;
    d.negative = v < 0;
    return true;
  }
  return false;
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
  Digits15 d;
  if (!QuickSplitDigits(v, d)) d = SplitDigits(v);
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
  size_t chars = CharCount(text);
  std::string out;
  if (width > 0 && chars < static_cast<size_t>(width)) out.assign(width - chars, ' ');
  out.append(text);
  return out;
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
  while (i < text.size() &&
         (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
    ++i;
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

std::optional<int32_t> ToInt32(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  double r = std::nearbyint(v);
  if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
  return static_cast<int32_t>(r);
}

}  // namespace tessaly
