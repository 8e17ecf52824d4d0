// The window on the desktop: "H" and Ctrl+H open the station's help pages, and the window
// fits the screen it is on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/StationFixture.h"

namespace {

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The pages the build ships beside the test programs.
QString ShippedIndex() { return QCoreApplication::applicationDirPath() + QStringLiteral("/OnLineHelp/index.htm"); }

// Keys reach the keyboard map only in the active window.
void PressCtrlH(MainWindow& w) {
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
}

}  // namespace

TEST(MainWindowHelp, HAndCtrlHOpenTheStationsHelpIndexCopyingTheShippedPagesFirst) {
  ASSERT_TRUE(QFile::exists(ShippedIndex())) << "the build copies resources/OnLineHelp beside the tests";
  struct Case {
    const char* name;
    std::function<void(MainWindow&)> press;
  };
  const Case cases[] = {
      {"H button", [](MainWindow& w) { w.ToolButton(QStringLiteral("H"))->click(); }},
      {"Ctrl+H", PressCtrlH},
  };
  for (const Case& c : cases) {
    TestStation st;
    auto w = st.Open();
    const QString index = st.startFolder + QStringLiteral("OnLineHelp/index.htm");
    ASSERT_FALSE(QFile::exists(index));
    st.system.calls.clear();
    c.press(*w);
    EXPECT_EQ(st.system.calls, QStringList{QStringLiteral("OpenUrl ") + index}) << c.name;
    EXPECT_EQ(Read(index), Read(ShippedIndex())) << c.name;
    const QStringList shipped = QFileInfo(ShippedIndex()).dir().entryList(QDir::Files);
    EXPECT_EQ(QDir(st.startFolder + QStringLiteral("OnLineHelp")).entryList(QDir::Files), shipped) << c.name;
  }
}

TEST(MainWindowHelp, TheStationsOwnPagesAreOpenedAsTheyAre) {
  TestStation st;
  QDir(st.startFolder).mkpath(QStringLiteral("OnLineHelp"));
  const QString index = st.startFolder + QStringLiteral("OnLineHelp/index.htm");
  QFile own(index);
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("<p>Our station's own help</p>");
  own.close();
  auto w = st.Open();
  st.system.calls.clear();
  w->ToolButton(QStringLiteral("H"))->click();
  EXPECT_EQ(st.system.calls, QStringList{QStringLiteral("OpenUrl ") + index});
  EXPECT_EQ(Read(index), QByteArray("<p>Our station's own help</p>"));
  EXPECT_FALSE(QFile::exists(st.startFolder + QStringLiteral("OnLineHelp/style.css")));
}

TEST(MainWindowScreenFit, TheWindowTakesTheWholeOfASmallScreenAndItsOwnSizeOnLargerOnes) {
  TestStation st;
  auto w = st.Open();
  struct Case {
    QSize screen;
    QRect expected;
  };
  // In this order, so each row also shows the step back from the one before.
  const Case cases[] = {
      {{640, 480}, QRect(0, 0, 640, 480)},
      {{1024, 768}, QRect(112, 84, 800, 600)},
      {{640, 480}, QRect(0, 0, 640, 480)},
      {{800, 600}, QRect(0, 0, 800, 600)},
  };
  for (const Case& c : cases) {
    w->FitTo(c.screen);
    EXPECT_EQ(QRect(w->pos(), w->size()), c.expected) << c.screen.width();
  }
  // A width with no rule leaves the window where and as it is.
  w->FitTo({720, 576});
  EXPECT_EQ(QRect(w->pos(), w->size()), QRect(0, 0, 800, 600));
}
