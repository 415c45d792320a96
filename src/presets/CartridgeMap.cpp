#include "CartridgeMap.h"

// A handful of cartridges is the usual table; the map grows as needed.
CartridgeMap::CartridgeMap() : m_map(17) {}

bool CartridgeMap::Lookup(const std::string& name, CartridgePreset& preset) const {
  const auto found = m_map.find(name);
  if (found == m_map.end()) return false;
  preset = found->second;
  return true;
}

void CartridgeMap::SetAt(const std::string& name, const CartridgePreset& preset) { m_map[name] = preset; }

bool CartridgeMap::Contains(const std::string& name) const { return m_map.find(name) != m_map.end(); }
