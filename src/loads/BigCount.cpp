#include "BigCount.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::uint64_t kBase = 1000000000;

std::string Decimal(std::uint32_t value) {
  char text[16];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace

BigCount::BigCount(std::uint64_t value) {
  while (value != 0) {
    m_limbs.push_back(static_cast<std::uint32_t>(value % kBase));
    value /= kBase;
  }
}

BigCount BigCount::PowerOfTwo(std::size_t exponent) {
  BigCount result(1);
  // 2^29 per step keeps every limb product below 2^64.
  while (exponent > 0) {
    const std::size_t step = std::min<std::size_t>(exponent, 29);
    result.Multiply(BigCount(std::uint64_t{1} << step));
    exponent -= step;
  }
  return result;
}

void BigCount::Multiply(const BigCount& other) {
  std::vector<std::uint64_t> product(m_limbs.size() + other.m_limbs.size() + 1, 0);
  for (std::size_t i = 0; i < m_limbs.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < other.m_limbs.size(); ++j) {
      const std::uint64_t cell = product[i + j] + std::uint64_t{m_limbs[i]} * other.m_limbs[j] + carry;
      product[i + j] = cell % kBase;
      carry = cell / kBase;
    }
    for (std::size_t k = i + other.m_limbs.size(); carry != 0; ++k) {
      const std::uint64_t cell = product[k] + carry;
      product[k] = cell % kBase;
      carry = cell / kBase;
    }
  }
  m_limbs.assign(product.begin(), product.end());
  Trim();
}

void BigCount::Decrement() {
  if (IsZero()) return;
  for (std::uint32_t& limb : m_limbs) {
    if (limb != 0) {
      --limb;
      break;
    }
    limb = static_cast<std::uint32_t>(kBase - 1);
  }
  Trim();
}

bool BigCount::IsZero() const { return m_limbs.empty(); }

bool BigCount::AtMost(std::uint64_t limit) const {
  if (m_limbs.size() > 3) return false;
  std::uint64_t value = 0;
  for (std::size_t i = m_limbs.size(); i-- > 0;) {
    if (value > (UINT64_MAX - m_limbs[i]) / kBase) return false;
    value = value * kBase + m_limbs[i];
  }
  return value <= limit;
}

std::string BigCount::Text() const {
  if (IsZero()) return "0";
  std::string digits = Decimal(m_limbs.back());
  for (std::size_t i = m_limbs.size() - 1; i-- > 0;) {
    const std::string limb = Decimal(m_limbs[i]);
    digits += std::string(9 - limb.size(), '0') + limb;
  }
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

void BigCount::Trim() {
  while (!m_limbs.empty() && m_limbs.back() == 0) m_limbs.pop_back();
}
