// The box-number reader against the standard library's reading (std::from_chars where the
// library has it for double, else strtod in the "C" locale) over generated texts, and
// against exact decimal expansions of doubles and of the midpoints between neighbours,
// whose rounding is known without any reader.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "pdf_chaeck_utility/decimalNumber.h"

namespace {

double Read(const std::string& text) { return DecimalValue(text.data(), text.size()); }

double Reference(const std::string& text) {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
  double value = 0.0;
  std::from_chars_result result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  EXPECT_EQ(result.ec, std::errc()) << text;
  EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
  return value;
#else
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  EXPECT_EQ(end, text.c_str() + text.size()) << text;
  return value;
#endif
}

// Same bits, so that a sign or a last-bit slip is not hidden by ==.
void ExpectSameDouble(double actual, double expected, const std::string& text) {
  uint64_t a = 0, e = 0;
  std::memcpy(&a, &actual, sizeof a);
  std::memcpy(&e, &expected, sizeof e);
  EXPECT_EQ(a, e) << text << "\n  read " << actual << " expected " << expected;
}

// A decimal number held as its digits and the count of them behind the point.
struct Decimal {
  std::string digits;  // most significant first, no point
  size_t fraction = 0;

  std::string Text() const {
    std::string whole = digits.substr(0, digits.size() - fraction);
    if (whole.empty()) whole = "0";
    return fraction == 0 ? whole : whole + "." + digits.substr(digits.size() - fraction);
  }
};

Decimal FromInteger(uint64_t value) { return Decimal{std::to_string(value), 0}; }

void Double(Decimal& d) {
  int carry = 0;
  for (size_t i = d.digits.size(); i-- > 0;) {
    int v = (d.digits[i] - '0') * 2 + carry;
    d.digits[i] = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  if (carry) d.digits.insert(d.digits.begin(), static_cast<char>('0' + carry));
}

void Halve(Decimal& d) {
  if ((d.digits.back() - '0') % 2 != 0) {
    d.digits += '0';
    ++d.fraction;
  }
  int rest = 0;
  for (char& c : d.digits) {
    int v = rest * 10 + (c - '0');
    c = static_cast<char>('0' + v / 2);
    rest = v % 2;
  }
  while (d.digits.size() > d.fraction + 1 && d.digits[0] == '0') d.digits.erase(0, 1);
}

// mantissa * 2^exponent, digit for digit.
Decimal Exact(uint64_t mantissa, int exponent) {
  Decimal d = FromInteger(mantissa);
  for (; exponent > 0; --exponent) Double(d);
  for (; exponent < 0; ++exponent) Halve(d);
  return d;
}

TEST(DecimalNumberTest, KnownRoundings) {
  struct Case {
    std::string text;
    double expected;
  } cases[] = {
      {"0", 0.0},
      {"000.000", 0.0},
      {"7.", 7.0},
      {".5", 0.5},
      {"0.1", 0x1.999999999999ap-4},
      {"595.276", 595.276},
      {"841.89", 841.89},
      {"9007199254740993", 0x1p53},  // a tie goes to the even neighbour
      {"9007199254740995", 0x1.0000000000002p53},
      {"9007199254740993.0000000000000000000001", 0x1.0000000000001p53},
      {"0.500000000000000055511151231257827021181583404541015625", 0.5},  // 0.5 + 2^-54, a tie
      {"0.5000000000000000555111512312578270211815834045410156251", 0x1.0000000000001p-1},
      {std::string(300, '9'), 1e300},
      {"0." + std::string(298, '0'), 0.0},
      {"0." + std::string(297, '0') + "1", 1e-298},
      {"", 0.0},
      {".", 0.0},
      {"1.2.3", 0.0},
      {"12a", 0.0},
      {"-1", 0.0},
      {std::string(301, '1'), 0.0},  // longer than any box token: not read
  };
  for (const Case& c : cases) ExpectSameDouble(Read(c.text), c.expected, c.text);
}

// Exact expansions of doubles read back as themselves; midpoints between neighbours go to
// the even one, and one digit above or below a midpoint goes to that side.
TEST(DecimalNumberTest, ExactExpansionsAndMidpoints) {
  std::mt19937_64 random(20261209);
  std::uniform_int_distribution<uint64_t> mantissas(uint64_t{1} << 52, (uint64_t{1} << 53) - 2);
  std::uniform_int_distribution<int> exponents(-120, 60);
  for (int n = 0; n < 3000; ++n) {
    uint64_t mantissa = mantissas(random);
    int exponent = exponents(random);
    double low = std::ldexp(static_cast<double>(mantissa), exponent);
    double high = std::ldexp(static_cast<double>(mantissa + 1), exponent);
    double even = (mantissa % 2 == 0) ? low : high;

    std::string exact = Exact(mantissa, exponent).Text();
    ExpectSameDouble(Read(exact), low, exact);

    Decimal middle = Exact(2 * mantissa + 1, exponent - 1);
    ASSERT_LE(middle.Text().size(), kDecimalNumberMaxChars);
    std::string tie = middle.Text();
    ExpectSameDouble(Read(tie), even, tie);
    ExpectSameDouble(Reference(tie), even, tie);

    std::string above = tie + (middle.fraction == 0 ? ".1" : "1");
    if (above.size() <= kDecimalNumberMaxChars) ExpectSameDouble(Read(above), high, above);

    // A midpoint below 2^53 * 2^exponent has fraction digits ending in 5; one less is below.
    if (middle.fraction > 0) {
      std::string below = tie;
      ASSERT_EQ(below.back(), '5') << below;
      below.back() = '4';
      ExpectSameDouble(Read(below), low, below);
    }
  }
}

// Generated texts of every shape a box token can have, read both ways.
TEST(DecimalNumberTest, AgreesWithTheStandardLibrary) {
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> shape(0, 5);
  for (int n = 0; n < 40000; ++n) {
    size_t length = 0;
    switch (shape(random)) {
      case 0:
        length = 1 + random() % 6;
        break;  // the usual page sizes
      case 1:
        length = 1 + random() % 20;
        break;  // around the 17 significant digits
      case 2:
        length = 15 + random() % 10;
        break;
      default:
        length = 1 + random() % 255;
        break;  // up to a whole box window
    }
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>('0' + digit(random));
    // Runs of 9s or 0s behind the 17th digit sit close to a rounding boundary.
    if (length > 20 && random() % 3 == 0) {
      char fill = random() % 2 ? '9' : '0';
      for (size_t i = 17 + random() % 3; i < length; ++i) text[i] = fill;
    }
    size_t point = random() % (length + 2);
    if (point <= length) text.insert(point, ".");
    if (text == ".") continue;
    ExpectSameDouble(Read(text), Reference(text), text);
    if (HasFailure()) return;
  }
}

}  // namespace
