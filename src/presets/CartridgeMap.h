#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

// The L and RS texts of one named cartridge, exactly as the preset file gave
// them; they are parsed only when a command reads the fields.
struct CartridgePreset {
  char szL[16];   // zero-terminated, at most 15 characters
  char szRS[16];  // zero-terminated, at most 15 characters
};
static_assert(sizeof(CartridgePreset) == 32);

// Cartridge name to preset. Keys are the exact bytes of the name: case and
// spaces count. Entries are only ever added or replaced.
class CartridgeMap {
 public:
  CartridgeMap();

  // Returns false, leaving `preset` alone, when the name is not a key.
  bool Lookup(const std::string& name, CartridgePreset& preset) const;
  void SetAt(const std::string& name, const CartridgePreset& preset);
  bool Contains(const std::string& name) const;
  std::size_t GetCount() const { return m_map.size(); }

 private:
  std::unordered_map<std::string, CartridgePreset> m_map;
};
