#include "presets/PresetCommands.h"

#include "FakePresetView.h"
#include "TempPresetDir.h"
#include "engnum/EngValue.h"
#include "presets/CartridgeMap.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

class Reset : public testing::Test {
 protected:
  // Every case also reads the same bytes from memory, as the page does.
  void RunWith(const std::string& file) {
    dir.Write(file);
    RunReset(view, presets, dir.FilePath().c_str());
    RunResetFromBytes(fromBytes, bytesPresets, file);
    EXPECT_EQ(std::tie(fromBytes.fields, fromBytes.names.names(), fromBytes.selected, fromBytes.hint),
              std::tie(view.fields, view.names.names(), view.selected, view.hint));
  }
  std::string Text(Field field) { return view.fields[field]; }
  std::string LookupL(const std::string& name) {
    CartridgePreset preset{};
    return presets.Lookup(name, preset) ? preset.szL : "<absent>";
  }

  TempPresetDir dir;
  FakePresetView view;
  CartridgeMap presets;
  FakePresetView fromBytes;
  CartridgeMap bytesPresets;
};

TEST_F(Reset, WithoutFileSetsDefaultsAndHintOnly) {
  view.fields[Field::F] = "1k";
  view.fields[Field::Q] = "0.7";
  RunReset(view, presets, dir.FilePath().c_str());

  EXPECT_EQ(Text(Field::L), "300m");
  EXPECT_EQ(Text(Field::RS), "740");
  EXPECT_EQ(Text(Field::C), "251p");
  EXPECT_EQ(Text(Field::RL), "47k");
  EXPECT_EQ(view.hint, "Serial Q = 46.718840 (limits max total Q)");
  EXPECT_EQ(view.names.size(), 0u);
  EXPECT_EQ(view.selected, -1);
  EXPECT_EQ(Text(Field::F), "1k");
  EXPECT_EQ(Text(Field::Q), "0.7");
  EXPECT_EQ(view.staleMarks, 0);
}

TEST_F(Reset, ExampleFileAppliesItsOneCartridge) {
  view.fields[Field::F] = "1k";
  view.fields[Field::Q] = "0.7";
  RunWith(
      "/ cartridges: name, quote, L, RS\nExample MM\"550m 1.1k\n_init_load\" 200p  47k\n"
      "this line has no quote and is skipped\n");

  EXPECT_EQ(view.names.names(), std::vector<std::string>{"Example MM"});
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(Text(Field::L), "550m");
  EXPECT_EQ(Text(Field::RS), "1.1k");
  EXPECT_EQ(Text(Field::C), "200p");
  EXPECT_EQ(Text(Field::RL), "47k");
  EXPECT_EQ(Text(Field::F), "");
  EXPECT_EQ(Text(Field::Q), "");
  EXPECT_EQ(view.staleMarks, 1);
  EXPECT_EQ(view.hint, "Serial Q = 47.673129 (limits max total Q)");
}

TEST_F(Reset, NameGivenTwiceIsListedOnceWithLaterValues) {
  RunWith("A\"1m 2\nA\"3m 4\n");
  EXPECT_EQ(view.names.names(), std::vector<std::string>{"A"});
  EXPECT_EQ(Text(Field::L), "3m");
  EXPECT_EQ(Text(Field::RS), "4");
}

// A value's bytes become the field's text as if typed: UTF-8 from a Linux
// editor is decoded, Windows-1252 stays as it is.
struct ValueBytesCase {
  const char* label;
  const char* value;  // the L value in the file
  const char* field;  // the L field afterwards
};

class ResetValueBytes : public Reset, public testing::WithParamInterface<ValueBytesCase> {};

TEST_P(ResetValueBytes, BecomeTheFieldText) {
  const ValueBytesCase& c = GetParam();
  RunWith(std::string("Coil\"") + c.value + " 5\n_init_load\"" + c.value + " 47k\n");
  EXPECT_EQ(Text(Field::L), c.field);
  EXPECT_EQ(Text(Field::C), c.field);
}

INSTANTIATE_TEST_SUITE_P(Encodings, ResetValueBytes,
                         testing::Values(ValueBytesCase{"MicroSignUtf8", "12\xC2\xB5", "12\xB5"},
                                         ValueBytesCase{"GreekMuUtf8", "12\xCE\xBC", "12\xB5"},
                                         ValueBytesCase{"MicroSignWindows1252", "12\xB5", "12\xB5"},
                                         ValueBytesCase{"OtherLatin1Utf8", "12\xC3\xA9", "12\xE9"},
                                         ValueBytesCase{"BeyondLatin1Utf8", "12\xE2\x82\xAC", "12?"},
                                         ValueBytesCase{"Windows1252Euro", "12\x80", "12\x80"},
                                         ValueBytesCase{"TruncatedUtf8", "12\xC2", "12\xC2"}),
                         [](const testing::TestParamInfo<ValueBytesCase>& info) {
                           return std::string(info.param.label);
                         });

TEST_F(Reset, Utf8MicroCalculatesAsMicro) {
  RunWith("Coil\"12\xC2\xB5 5\n");
  EXPECT_EQ(ParseEngValue(Text(Field::L).c_str()), ParseEngValue("12u"));
}

TEST_F(Reset, LastInitialValuesLineWins) {
  RunWith("_init_load\"1p 1k\nA\"1m 2\n_init_load\"2p 2k\n");
  EXPECT_EQ(Text(Field::C), "2p");
  EXPECT_EQ(Text(Field::RL), "2k");
}

TEST_F(Reset, AfterEditAddsReplacesKeepsAndSelectsFirst) {
  RunWith("Beta\"1m 1\nGamma\"2m 2\n");
  view.SelectName(1);
  RunSelchangeName(view, presets);
  ASSERT_EQ(Text(Field::L), "2m");

  RunWith("gamma\"5m 5\nGamma\"3m 3\nalpha\"4m 4\n");
  EXPECT_EQ(view.names.names(), (std::vector<std::string>{"alpha", "Beta", "Gamma", "gamma"}));
  EXPECT_EQ(presets.GetCount(), 4u);
  EXPECT_EQ(LookupL("Beta"), "1m") << "a name deleted from the file stays";
  EXPECT_EQ(LookupL("Gamma"), "3m");
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(Text(Field::L), "4m");
  EXPECT_EQ(Text(Field::RS), "4");
}

TEST_F(Reset, NearInitialValueNamesAreCartridgesAndEmptyNameComesFirst) {
  RunWith("_init_load \"1p 2\n_INIT_LOAD\"3p 4\n\"7m 8\n");
  EXPECT_EQ(view.names.names(), (std::vector<std::string>{"", "_INIT_LOAD", "_init_load "}));
  EXPECT_EQ(Text(Field::C), "251p");
  EXPECT_EQ(Text(Field::L), "7m");
  EXPECT_EQ(Text(Field::RS), "8");
}

TEST_F(Reset, FileWithoutPresetsClearsResultsButKeepsDefaults) {
  view.fields[Field::F] = "1k";
  RunWith("/ nothing here\n_init_load\"1n 10k\n");
  EXPECT_EQ(view.selected, -1);
  EXPECT_EQ(Text(Field::L), "300m");
  EXPECT_EQ(Text(Field::RS), "740");
  EXPECT_EQ(Text(Field::C), "1n");
  EXPECT_EQ(Text(Field::F), "");
  EXPECT_EQ(view.staleMarks, 1);
}

TEST_F(Reset, ChoosingTheSameCartridgeAgainClearsItsResults) {
  RunWith("A\"1m 2\nB\"3m 4\n");
  view.fields[Field::F] = "10k";
  view.fields[Field::Q] = "0.5";
  view.fields[Field::L] = "9m";
  RunSelchangeName(view, presets);
  EXPECT_EQ(Text(Field::L), "1m");
  EXPECT_EQ(Text(Field::F), "");
  EXPECT_EQ(Text(Field::Q), "");
  EXPECT_EQ(view.staleMarks, 2);
}

struct HintCase {
  const char* label;
  const char* L;
  const char* RS;
  const char* C;
  const char* expected;
};

class SerialQHint : public testing::TestWithParam<HintCase> {};

TEST_P(SerialQHint, FollowsTheFields) {
  const HintCase& c = GetParam();
  FakePresetView view;
  view.fields[Field::L] = c.L;
  view.fields[Field::RS] = c.RS;
  view.fields[Field::C] = c.C;
  RunUpdateSerialQLabel(view);
  EXPECT_EQ(view.hint, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SerialQHint,
    testing::Values(
        HintCase{"Defaults", "300m", "740", "251p", "Serial Q = 46.718840 (limits max total Q)"},
        HintCase{"LZero", "0", "740", "251p", kSerialQUnknownText},
        HintCase{"CWithoutDigits", "300m", "740", "p", kSerialQUnknownText},
        HintCase{"RSNegative", "300m", "-740", "251p", kSerialQUnknownText},
        HintCase{"EmptyRS", "300m", "", "251p", kSerialQUnknownText},
        HintCase{"BelowTheFixedLimit", "1e174", "1", "1",
                 "Serial Q = 999999999999999959416724456350362731491996089648451439669739009806703922950"
                 "954425516032.000000 (limits max total Q)"},
        HintCase{"PastTheFixedLimit", "1e200", "1e-12", "1", "Serial Q = 1e+112 (limits max total Q)"},
        HintCase{"Infinite", "1e300", "1", "1e-300", "Serial Q = inf (limits max total Q)"},
        HintCase{"InfiniteOverInfinite", "1e400", "1", "1e400", kSerialQUnknownText}),
    [](const testing::TestParamInfo<HintCase>& info) { return std::string(info.param.label); });

TEST(SerialQHintText, NeverPassesOneLineOf127Characters) {
  for (double q = 1e80; q < 1e300; q *= 1.7) {
    EXPECT_LE(SerialQHintText(q * q, 1.0, 1.0).size(), 127u) << q;
  }
}

}  // namespace

namespace {

// The shipped sample must fill the list with cartridges whose values read.
TEST(ExampleFile, ListsCartridgesWithReadableValues) {
  FakePresetView view;
  CartridgeMap presets;
  RunReset(view, presets, VARNHOLT_EXAMPLES_DIR "/varnholt.txt");
  ASSERT_GE(view.names.size(), 4u);
  for (const std::string& name : view.names.names()) {
    CartridgePreset preset{};
    ASSERT_TRUE(presets.Lookup(name, preset)) << name;
    EXPECT_GT(ParseEngValue(preset.szL), 0.0) << name;
    EXPECT_GT(ParseEngValue(preset.szRS), 0.0) << name;
  }
  EXPECT_EQ(view.hint.rfind("Serial Q = ", 0), 0u) << view.hint;
}

}  // namespace

namespace {

// What stands at one of the places Reset looks.
enum class At { kFile, kNothing, kFolder, kDanglingLink, kUnreadableFile };

struct PlacesCase {
  const char* label;
  At work;
  At config;
  const char* listed;  // the one name listed afterwards, or "" for none
};

void PrintTo(const PlacesCase& c, std::ostream* os) { *os << c.label; }

void PutAt(At what, const std::filesystem::path& path, const std::string& bytes) {
  switch (what) {
    case At::kFile:
      std::ofstream(path, std::ios::binary) << bytes;
      break;
    case At::kNothing:
      break;
    case At::kFolder:
      std::filesystem::create_directory(path);
      break;
    case At::kDanglingLink:
      std::filesystem::create_symlink(path.parent_path() / "gone.txt", path);
      break;
    case At::kUnreadableFile:
      std::ofstream(path, std::ios::binary) << bytes;
      std::filesystem::permissions(path, std::filesystem::perms::none);
      break;
  }
}

class ResetPlaces : public testing::TestWithParam<PlacesCase> {};

TEST_P(ResetPlaces, ReadTheFirstPlainReadableFile) {
  const PlacesCase& c = GetParam();
#ifdef _WIN32
  if (c.work == At::kDanglingLink || c.config == At::kDanglingLink)
    GTEST_SKIP() << "this C++ library makes no symbolic links on Windows";
#endif
  if (c.work == At::kUnreadableFile || c.config == At::kUnreadableFile) {
#ifdef _WIN32
    GTEST_SKIP() << "permission bits do not make a file unreadable on Windows";
#else
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
#endif
  }
  TempPresetDir work, config;
  PutAt(c.work, work.FilePath(), "Work\"1m 2\n");
  PutAt(c.config, config.FilePath(), "Config\"3m 4\n");
  FakePresetView view;
  CartridgeMap presets;

  RunReset(view, presets, {work.FilePath(), config.FilePath()});

  if (*c.listed == '\0') {
    EXPECT_EQ(view.names.size(), 0u);
    EXPECT_EQ(view.fields[Field::L], "300m");
    EXPECT_EQ(view.staleMarks, 0);  // as with no file at all
  } else {
    EXPECT_EQ(view.names.names(), std::vector<std::string>{c.listed});
  }
  const int found = FindPresetFile({work.FilePath(), config.FilePath()});
  EXPECT_EQ(found, *c.listed == '\0' ? -1 : std::string(c.listed) == "Work" ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ResetPlaces,
    testing::Values(PlacesCase{"WorkingFolderWins", At::kFile, At::kFile, "Work"},
                    PlacesCase{"WorkingFolderAlone", At::kFile, At::kNothing, "Work"},
                    PlacesCase{"ConfigFolderServes", At::kNothing, At::kFile, "Config"},
                    PlacesCase{"NeitherGivesDefaults", At::kNothing, At::kNothing, ""},
                    PlacesCase{"FolderIsNoFile", At::kFolder, At::kFile, "Config"},
                    PlacesCase{"DanglingLinkIsNoFile", At::kDanglingLink, At::kFile, "Config"},
                    PlacesCase{"UnreadableIsNoFile", At::kUnreadableFile, At::kFile, "Config"},
                    PlacesCase{"NothingUsable", At::kFolder, At::kDanglingLink, ""}),
    [](const testing::TestParamInfo<PlacesCase>& info) { return std::string(info.param.label); });

}  // namespace
