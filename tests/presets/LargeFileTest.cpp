#include "presets/CartridgeMap.h"
#include "presets/PresetCommands.h"

#include "FakePresetView.h"
#include "TempPresetDir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <fstream>
#include <string>

namespace {

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// 100 MB of comments, presets, initial values and one very long line per
// megabyte: the reader holds one piece, so memory must not follow the file.
TEST(LargeFile, HundredMegabytesReadInBoundedMemory) {
  TempPresetDir dir;
  std::string block;
  block += "/ a comment line that is long enough to be read in two pieces, and then some more\n";
  block += "Cart A\"550m 1.1k\r\n_init_load\"200p 47k\n";
  block += std::string(100000, 'q') + "\n";
  block += "Cart B\"2.5m 20\n";
  while (block.size() < (1u << 20)) block += "no quote on this line at all, just text to fill the block\n";
  block.resize(1u << 20);
  block.back() = '\n';
  {
    std::ofstream out(dir.FilePath(), std::ios::binary);
    for (int i = 0; i < 100; ++i) out.write(block.data(), static_cast<std::streamsize>(block.size()));
  }
  block = std::string();

  const long before = PeakResidentKiB();
  FakePresetView view;
  CartridgeMap presets;
  RunReset(view, presets, dir.FilePath().c_str());
  const long grown = PeakResidentKiB() - before;

  EXPECT_EQ(view.names.names(), (std::vector<std::string>{"Cart A", "Cart B"}));
  EXPECT_EQ(view.fields[Field::L], "550m");
  EXPECT_EQ(view.fields[Field::C], "200p");
  EXPECT_LT(grown, 16 * 1024) << "peak memory grew by " << grown << " KiB";
}

}  // namespace
