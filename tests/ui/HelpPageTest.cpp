#include "ui/HelpPage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A folder with an installed tree (bin, share/doc/varnholt) and a source tree
// (docs) side by side; each guide is written only when asked for.
class HelpPageChoice : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_root.isValid());
    ASSERT_TRUE(QDir(m_root.path()).mkpath(QStringLiteral("prefix/bin")));
    ASSERT_TRUE(QDir(m_root.path()).mkpath(QStringLiteral("build/src/app")));
    places = ProgramHelpPlaces();
    places.appDir = Path("prefix/bin");
    places.buildAppDir = Path("build/src/app");
    places.sourceDocs = Path("source/docs");
  }
  QString Path(const char* relative) const { return m_root.filePath(QString::fromLatin1(relative)); }
  void WriteGuide(const char* docs) {
    const QString page = Path(docs) + QString::fromLatin1(kHelpPagePath);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(page).path()));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QUrl Guide(const char* docs) const {
    return QUrl::fromLocalFile(QFileInfo(Path(docs) + QString::fromLatin1(kHelpPagePath)).absoluteFilePath());
  }

  QTemporaryDir m_root;
  HelpPlaces places;
};

TEST_F(HelpPageChoice, InstalledGuideBesideTheProgramComesFirst) {
  WriteGuide("prefix/share/doc/varnholt");
  WriteGuide("source/docs");
  EXPECT_EQ(ChooseHelpPage(places), Guide("prefix/share/doc/varnholt"));
  // The same when the build tree is where the program was installed to.
  places.buildAppDir = places.appDir;
  EXPECT_EQ(ChooseHelpPage(places), Guide("prefix/share/doc/varnholt"));
}

TEST_F(HelpPageChoice, BuildTreeOpensTheSourceTreesGuide) {
  WriteGuide("source/docs");
  places.appDir = Path("build/src/app");
  EXPECT_EQ(ChooseHelpPage(places), Guide("source/docs"));
}

TEST_F(HelpPageChoice, AnInstalledCopyNeverLooksIntoASourceTree) {
  WriteGuide("source/docs");  // the guide was left out of this install
  EXPECT_EQ(ChooseHelpPage(places), HelpPageUrl());
}

TEST_F(HelpPageChoice, WithoutAnyGuideThePublishedOneOpens) {
  EXPECT_EQ(ChooseHelpPage(places), HelpPageUrl());
  places.appDir = places.buildAppDir;
  EXPECT_EQ(ChooseHelpPage(places), HelpPageUrl());
}

TEST(HelpPageProgram, BuildTreeFindsThisSourceTreesGuide) {
  HelpPlaces places = ProgramHelpPlaces();
  places.appDir = places.buildAppDir;
  const QUrl url = ChooseHelpPage(places);
  EXPECT_EQ(url.scheme(), QStringLiteral("file"));
  EXPECT_TRUE(url.path().endsWith(QStringLiteral("/docs/audio/varnholt.htm")))
      << url.toString().toStdString();
}

}  // namespace
