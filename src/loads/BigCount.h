#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A count of combinations that may be far beyond any integer type (2 to the
// power of a long list of switches), exact, so a message can say how many
// there would be.
class BigCount {
 public:
  explicit BigCount(std::uint64_t value);
  static BigCount PowerOfTwo(std::size_t exponent);

  void Multiply(const BigCount& other);
  void Decrement();  // no effect on zero
  bool IsZero() const;
  bool AtMost(std::uint64_t limit) const;

  // Decimal with a comma between groups of three digits: "1,048,576".
  std::string Text() const;

 private:
  BigCount() = default;
  void Trim();

  std::vector<std::uint32_t> m_limbs;  // base 10^9, least significant first
};
