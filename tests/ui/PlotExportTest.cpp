#include "MainWindowFixture.h"
#include "plot/WindowPlot.h"
#include "ui/PlotExport.h"
#include "ui/ResourceIds.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>

namespace {

QImage Grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST_F(MainWindowTest, PlotDescriptionFollowsEveryCurve) {
  CResponsePlot& plot = dlg->m_plot;
  EXPECT_EQ(plot.accessibleDescription(), QStringLiteral("No curve"));
  Click(IDC_CALCULATE);
  const QString defaults = QStringLiteral("Peak +3.15 dB at 15.66kHz; -3 dB at 25.79kHz; 20kHz: +1.61 dB");
  EXPECT_EQ(plot.accessibleDescription(), defaults);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&plot)->text(QAccessible::Description), defaults);
  dlg->ShowCurve(plot.m_dF, 0.6, true);
  EXPECT_EQ(plot.accessibleDescription(), QStringLiteral("No peak; -3 dB at 15.26kHz; 20kHz: -5.16 dB"));
  dlg->ShowCurve(plot.m_dF, 5, false);  // a grey curve is still a curve
  EXPECT_EQ(plot.accessibleDescription(),
            QStringLiteral("Peak +14.02 dB at 18.3kHz; -3 dB at 28.51kHz; 20kHz: +11.19 dB"));
  dlg->ShowCurve(0, 5, true);
  EXPECT_EQ(plot.accessibleDescription(), QStringLiteral("No curve"));
}

TEST_F(MainWindowTest, HoverReadoutLeavesThePixelsAlone) {
  Click(IDC_CALCULATE);
  CResponsePlot& plot = dlg->m_plot;
  const QImage before = Grab(plot);
  const QPoint at(plot.width() / 2 + 25, 40);
  QTest::mouseMove(&plot, at);
  ASSERT_TRUE(WaitFor([&] { return QToolTip::isVisible(); }));
  EXPECT_EQ(QToolTip::text(), plot.ReadoutAt(at));
  EXPECT_TRUE(QToolTip::text().endsWith(QStringLiteral("\u00B0"))) << QToolTip::text().toStdString();
  EXPECT_EQ(Grab(plot), before);
}

TEST_F(MainWindowTest, SavesPngAndValidSvg) {
  Click(IDC_CALCULATE);
  const CResponsePlot& plot = dlg->m_plot;
  const QString png = WorkDir() + QStringLiteral("/plot.png");
  EXPECT_TRUE(SavePlotImage(plot, png).isNull());
  EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), plot.Render(1.0));

  const QString svg = WorkDir() + QStringLiteral("/plot.SVG");
  EXPECT_TRUE(SavePlotImage(plot, svg).isNull());
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_LE(bytes.size(), 100 * 1024);
  QXmlStreamReader xml(bytes);
  int texts = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text")) ++texts;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(texts, 8);  // three frequencies, five levels
  EXPECT_EQ(QDir(WorkDir()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // no temporary left
}

// varnholt-calc draws the window's picture: the same document to the byte.
TEST_F(MainWindowTest, SvgIsTheCommandLinesPicture) {
  Click(IDC_CALCULATE);
  const CResponsePlot& plot = dlg->m_plot;
  ASSERT_EQ(plot.size(), QSize(kWindowPlotWidth, kWindowPlotHeight));
  ASSERT_EQ(plot.logicalDpiY(), kWindowDpi);
  const QByteArray svg = PlotSvg(plot);
  EXPECT_EQ(svg.toStdString(), RenderWindowPlotSvg(plot.m_dF, plot.m_dQ, true));
}

// A file that cannot be written: a plain box naming it and why, and no file.
TEST_F(MainWindowTest, FailedSaveTellsAndWritesNothing) {
  WriteWorkFile(QStringLiteral("blocker"), "not a folder");
  const QString path = WorkDir() + QStringLiteral("/blocker/plot.png");
  AnswerNextModal([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
    static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
  });
  AnswerNextMessageBox(QMessageBox::Ok);
  SavePlotImageAs(dlg.get(), dlg->m_plot);
  ASSERT_EQ(m_seen.size(), 2u);
  EXPECT_TRUE(m_seen[1].isMessageBox);
  EXPECT_EQ(m_seen[1].icon, QMessageBox::NoIcon);
  EXPECT_TRUE(m_seen[1].text.startsWith(QStringLiteral("Cannot save \"") + QDir::toNativeSeparators(path) +
                                        QStringLiteral("\": ")))
      << m_seen[1].text.toStdString();
  EXPECT_GT(m_seen[1].text.size(), path.size() + 16);  // a reason follows
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(QDir(WorkDir()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("blocker")});
}

TEST_F(MainWindowTest, CopiesImageAndData) {
  CResponsePlot& plot = dlg->m_plot;
  Click(IDC_CALCULATE);
  CopyPlotImage(plot);
  EXPECT_EQ(QApplication::clipboard()->image().size(), plot.size() * plot.devicePixelRatio());
  CopyPlotData(plot);
  const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), plot.width() + 1);
  EXPECT_EQ(lines[0], QStringLiteral("Frequency (Hz)\tLevel (dB)\tPhase (deg)"));
  EXPECT_EQ(lines[1].count(QLatin1Char('\t')), 2);
}

// Right-clicking the plot opens the window's menu with the plot's items first.
TEST_F(MainWindowTest, PlotContextMenuItems) {
  CResponsePlot& plot = dlg->m_plot;
  QStringList texts;
  QList<bool> enabled;
  QTimer::singleShot(50, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
      texts << action->text();
      enabled << action->isEnabled();
    }
    menu->close();
  });
  const QPoint pos = plot.rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, pos, plot.mapToGlobal(pos));
  QApplication::sendEvent(&plot, &event);
  ASSERT_GE(texts.size(), 3);
  EXPECT_EQ(texts.mid(0, 3), (QStringList{QStringLiteral("Copy Image"), QStringLiteral("Save Image As\u2026"),
                                          QStringLiteral("Copy Data")}));
  EXPECT_EQ(enabled.mid(0, 3), (QList<bool>{true, true, false}));  // no curve to copy yet
}

}  // namespace
