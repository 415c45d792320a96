#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

// The pixels of a picture the page paints, kept from one paint to the next.
// Growing it leaves the new pixels unset and Fill() sets them all with one
// memset: a vector's resize or assign stores a pixel at a time in the page's
// size-optimised build, which on opening cost more than the paint itself.
class PixelBuffer {
 public:
  // Holds `count` pixels, every byte of them `byte`.
  void Fill(std::size_t count, std::uint8_t byte) {
    if (count > m_capacity) {
      m_pixels.reset();  // the old pixels go before the new ones are taken
      m_pixels.reset(new std::uint32_t[count]);
      m_capacity = count;
    }
    m_size = count;
    if (count != 0) std::memset(m_pixels.get(), byte, count * sizeof(std::uint32_t));
  }

  std::uint32_t* data() { return m_pixels.get(); }
  const std::uint32_t* data() const { return m_pixels.get(); }
  std::size_t size() const { return m_size; }

 private:
  std::unique_ptr<std::uint32_t[]> m_pixels;
  std::size_t m_size = 0;
  std::size_t m_capacity = 0;
};
