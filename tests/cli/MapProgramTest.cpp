// End-to-end runs of varnholt-calc map against the core the window's Load Map uses.
#include "RunCalc.h"
#include "loads/LoadMap.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

std::filesystem::path TempPicture() {
  return std::filesystem::temp_directory_path() / ("varnholt-map-" + std::to_string(getpid()) + ".svg");
}

TEST(Map, GridAgreesWithTheCoreAndThePictureIsWritten) {
  const std::filesystem::path svg = TempPicture();
  const CalcRun run =
      RunCalc({"map", "--L", "500m", "--RS", "1.2k", "--C", "200p", "--RL", "47k", "--c-values", "0 47p 100p",
               "--points", "12x10", "--format", "json", "-o", svg.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json rows = nlohmann::json::parse(run.out);
  const LoadMap map = ComputeLoadMap({0.5, 1200, {40e-12, 1e-9}, {4.7e3, 470e3}, 12, 10, 20000});
  ASSERT_EQ(rows.size(), 120u);
  for (const std::size_t k : {std::size_t{0}, std::size_t{37}, std::size_t{119}}) {
    const LoadMapNode& node = map.nodes[k];
    EXPECT_EQ(rows[k]["C"].get<double>(), map.C[k % 12]);
    EXPECT_EQ(rows[k]["RL"].get<double>(), map.RL[k / 12]);
    EXPECT_EQ(rows[k]["F"].get<double>(), node.F);
    EXPECT_EQ(rows[k]["Q"].get<double>(), node.Q);
    EXPECT_EQ(rows[k]["deviation_dB"].get<double>(), node.deviationDb);
  }
  const std::string picture = ReadAll(svg);
  EXPECT_EQ(picture.rfind("<?xml", 0), 0u);
  EXPECT_NE(picture.find(">100pF</text>"), std::string::npos);
  EXPECT_NE(picture.find("</svg>"), std::string::npos);
  std::filesystem::remove(svg);

  // The picture alone writes nothing on standard output.
  const CalcRun quiet = RunCalc({"map", "--points", "10", "-o", svg.string()});
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.out, "");
  EXPECT_TRUE(std::filesystem::exists(svg));
  std::filesystem::remove(svg);
}

TEST(Map, RefusesUnusableInputsAndWritesNothing) {
  struct Case {
    Args args;
    const char* named;
  };
  const Case cases[] = {
      {{"--c-range", "500p,20p"}, "--c-range \"500p,20p\" is reversed"},
      {{"--c-range", "100p 100p"}, "--c-range \"100p 100p\" is empty"},
      {{"--c-range", "0,1n"}, "--c-range \"0,1n\" must be above zero"},
      {{"--c-range", "20p"}, "--c-range \"20p\" is not two values"},
      {{"--r-range", "1m,10G"}, "--r-range \"1m,10G\" is wider than 12 decades"},
      {{"--r-range", "-1k,10k"}, "--r-range \"-1k,10k\" must be above zero"},
      {{"--points", "9"}, "--points \"9\" must be 10 to 2000 per axis"},
      {{"--points", "400x2001"}, "--points \"400x2001\" must be 10 to 2000 per axis"},
      {{"--points", "many"}, "--points \"many\" is not a count"},
      {{"--C", "0"}, "--C must be greater than zero"},
      {{"--c-values", "47x"}, "(--c-values)"},
  };
  const std::filesystem::path svg = TempPicture();
  std::filesystem::remove(svg);
  for (const Case& c : cases) {
    Args args = {"map", "-o", svg.string(), "--format", "csv"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CalcRun run = RunCalc(args);
    EXPECT_EQ(run.status, 2) << c.named;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << c.named;
    EXPECT_FALSE(std::filesystem::exists(svg)) << c.named;
  }
}

}  // namespace
