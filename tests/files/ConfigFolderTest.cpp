#include "files/ConfigFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Each system's rule for every environment a user may have: the folder, or
// none ("") when the environment names no usable one.
TEST(ConfigFolder, FollowsEachSystemsRule) {
  const struct {
    const char* xdgConfigHome;
    const char* home;
    const char* xdg;  // Linux and other Unix systems
    const char* mac;
  } unixRows[] = {
      {"/cfg", "/home/u", "/cfg", "/home/u/Library/Application Support"},
      {"/cfg/", "/home/u/", "/cfg", "/home/u/Library/Application Support"},
      {nullptr, "/home/u", "/home/u/.config", "/home/u/Library/Application Support"},
      {"", "/home/u", "/home/u/.config", "/home/u/Library/Application Support"},
      {"rel", "/home/u", "/home/u/.config", "/home/u/Library/Application Support"},  // relative: ignored
      {"rel", nullptr, "", ""},
      {nullptr, "home/u", "", ""},
      {"/cfg", nullptr, "/cfg", ""},
      {nullptr, "/", "/.config", "/Library/Application Support"},
  };
  for (const auto& row : unixRows) {
    SCOPED_TRACE(std::string(row.xdgConfigHome ? row.xdgConfigHome : "(unset)") + " " +
                 (row.home ? row.home : "(unset)"));
    EXPECT_EQ(XdgConfigFolder(row.xdgConfigHome, row.home), row.xdg);
    EXPECT_EQ(MacConfigFolder(row.home), row.mac);
  }

  const struct {
    const char* appData;
    const char* folder;
  } windowsRows[] = {
      {"C:\\Users\\J\xC3\xBCrgen\\AppData\\Roaming", "C:\\Users\\J\xC3\xBCrgen\\AppData\\Roaming"},
      {"C:\\Users\\u\\AppData\\Roaming\\", "C:\\Users\\u\\AppData\\Roaming"},
      {"\\\\server\\share\\u", "\\\\server\\share\\u"},
      {"C:\\", "C:\\"},
      {"C:roaming", ""},
      {"roaming", ""},
      {"", ""},
      {nullptr, ""},
  };
  for (const auto& row : windowsRows) {
    EXPECT_EQ(WindowsConfigFolder(row.appData), row.folder) << (row.appData ? row.appData : "(unset)");
  }
}

}  // namespace
