#include "decimalNumber.h"

#include <cmath>
#include <cstdint>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An unsigned integer large enough for any accepted text's digits, or 10 to the number
// of its fraction digits, shifted left by up to 64 bits.
class BigNumber {
 public:
  static constexpr size_t kWords = (kDecimalNumberMaxChars * 3322 / 1000 + 1 + 64) / 32 + 2;

  void MultiplyAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (size_t i = 0; i < used_; ++i) {
      uint64_t product = static_cast<uint64_t>(words_[i]) * factor + carry;
      words_[i] = static_cast<uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words_[used_++] = static_cast<uint32_t>(carry);
  }

  bool IsZero() const { return used_ == 0; }

  int BitLength() const {
    if (used_ == 0) return 0;
    uint32_t top = words_[used_ - 1];
    int bits = 0;
    while (top != 0) ++bits, top >>= 1;
    return static_cast<int>((used_ - 1) * 32) + bits;
  }

  void ShiftLeft(int bits) {
    if (used_ == 0 || bits <= 0) return;
    size_t words = static_cast<size_t>(bits) / 32;
    int rest = bits % 32;
    words_[used_ + words] = 0;
    for (size_t i = used_; i-- > 0;) {
      uint64_t wide = static_cast<uint64_t>(words_[i]) << rest;
      words_[i + words + 1] |= static_cast<uint32_t>(wide >> 32);
      words_[i + words] = static_cast<uint32_t>(wide);
    }
    for (size_t i = 0; i < words; ++i) words_[i] = 0;
    used_ += words + 1;
    Trim();
  }

  void ShiftRightOne() {
    for (size_t i = 0; i < used_; ++i) {
      uint32_t next = i + 1 < used_ ? words_[i + 1] : 0;
      words_[i] = (words_[i] >> 1) | (next << 31);
    }
    Trim();
  }

  int Compare(const BigNumber& other) const {
    if (used_ != other.used_) return used_ < other.used_ ? -1 : 1;
    for (size_t i = used_; i-- > 0;)
      if (words_[i] != other.words_[i]) return words_[i] < other.words_[i] ? -1 : 1;
    return 0;
  }

  // Requires *this >= other.
  void Subtract(const BigNumber& other) {
    int64_t borrow = 0;
    for (size_t i = 0; i < used_; ++i) {
      int64_t difference = static_cast<int64_t>(words_[i]) - (i < other.used_ ? other.words_[i] : 0) - borrow;
      borrow = difference < 0 ? 1 : 0;
      words_[i] = static_cast<uint32_t>(difference + (borrow << 32));
    }
    Trim();
  }

 private:
  void Trim() {
    while (used_ > 0 && words_[used_ - 1] == 0) --used_;
  }

  uint32_t words_[kWords + 1] = {};
  size_t used_ = 0;
};

}  // namespace

// Exact arithmetic: the value is digits / 10^fractionDigits; the quotient is taken to 54
// bits with the remainder as a sticky bit, and rounded once, to nearest with ties to even.
double DecimalValue(const char* digits, size_t length) {
  if (digits == nullptr || length == 0 || length > kDecimalNumberMaxChars) return 0.0;
  BigNumber numerator;
  BigNumber denominator;
  denominator.MultiplyAdd(1, 1);
  bool seenPoint = false;
  size_t digitCount = 0;
  for (size_t i = 0; i < length; ++i) {
    char c = digits[i];
    if (c == '.' && !seenPoint) {
      seenPoint = true;
      continue;
    }
    if (!IsDigit(c)) return 0.0;
    ++digitCount;
    numerator.MultiplyAdd(10, static_cast<uint32_t>(c - '0'));
    if (seenPoint) denominator.MultiplyAdd(10, 0);
  }
  if (digitCount == 0 || numerator.IsZero()) return 0.0;

  // Scale so that numerator / denominator lies in [2^53, 2^54): 53 bits and a round bit.
  int scale = 54 - (numerator.BitLength() - denominator.BitLength());
  BigNumber top = numerator;
  BigNumber bottom = denominator;
  if (scale > 0) top.ShiftLeft(scale);
  if (scale < 0) bottom.ShiftLeft(-scale);
  BigNumber limit = bottom;
  limit.ShiftLeft(54);
  if (top.Compare(limit) >= 0) {
    // The quotient reached 2^54: one bit less of scale.
    --scale;
    if (scale >= 0) {
      top = numerator;
      top.ShiftLeft(scale);
    } else {
      bottom = denominator;
      bottom.ShiftLeft(-scale);
    }
  }

  uint64_t quotient = 0;
  BigNumber step = bottom;
  step.ShiftLeft(53);
  for (int bit = 53; bit >= 0; --bit) {
    if (top.Compare(step) >= 0) {
      top.Subtract(step);
      quotient |= uint64_t{1} << bit;
    }
    step.ShiftRightOne();
  }
  bool sticky = !top.IsZero();
  uint64_t mantissa = quotient >> 1;
  bool roundBit = (quotient & 1) != 0;
  if (roundBit && (sticky || (mantissa & 1) != 0)) ++mantissa;
  // mantissa <= 2^53 and the result is normal, so this is exact.
  return std::ldexp(static_cast<double>(mantissa), 1 - scale);
}
