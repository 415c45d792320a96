#include "ui/HelpPage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An installed tree (prefix/bin, prefix/share/doc/varnholt), a build tree's
// program folder and a source tree's docs side by side.
struct HelpCase {
  const char* label;
  bool installedGuide, sourceGuide, fromBuildTree;
  const char* opens;  // the docs folder whose guide opens, or nullptr for the web
};

class HelpPageChoice : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpPageChoice, OpensTheFirstGuideThatExists) {
  const HelpCase& c = GetParam();
  QTemporaryDir root;
  const auto path = [&](const char* relative) { return root.filePath(QString::fromLatin1(relative)); };
  const auto guide = [&](const char* docs) { return path(docs) + QString::fromLatin1(kHelpPagePath); };
  for (const auto& [wanted, docs] :
       {std::pair{c.installedGuide, "prefix/share/doc/varnholt"}, std::pair{c.sourceGuide, "source/docs"}}) {
    if (!wanted) continue;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(guide(docs)).path()));
    ASSERT_TRUE(QFile(guide(docs)).open(QIODevice::WriteOnly));
  }
  ASSERT_TRUE(QDir().mkpath(path("prefix/bin")) && QDir().mkpath(path("build/src/app")));
  HelpPlaces places = ProgramHelpPlaces();  // the real way from bin to the docs
  places.appDir = path(c.fromBuildTree ? "build/src/app" : "prefix/bin");
  places.buildAppDir = path("build/src/app");
  places.sourceDocs = path("source/docs");
  EXPECT_EQ(ChooseHelpPage(places), c.opens ? QUrl::fromLocalFile(guide(c.opens)) : HelpPageUrl());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, HelpPageChoice,
    testing::Values(HelpCase{"Installed", true, true, false, "prefix/share/doc/varnholt"},
                    HelpCase{"BuildTree", false, true, true, "source/docs"},
                    // A copy installed elsewhere never looks into a source tree.
                    HelpCase{"InstalledWithoutGuide", false, true, false, nullptr},
                    HelpCase{"NoGuideAnywhere", false, false, true, nullptr}),
    [](const testing::TestParamInfo<HelpCase>& info) { return std::string(info.param.label); });

TEST(HelpPageProgram, BuildTreeFindsThisSourceTreesGuide) {
  HelpPlaces places = ProgramHelpPlaces();
  places.appDir = places.buildAppDir;
  const QUrl url = ChooseHelpPage(places);
  EXPECT_EQ(url.scheme(), QStringLiteral("file"));
  EXPECT_TRUE(url.path().endsWith(QStringLiteral("/docs/audio/varnholt.htm")))
      << url.toString().toStdString();
}

}  // namespace
