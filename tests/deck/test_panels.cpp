// The deck panels as views: they show what the decks' models hold, a frame later, and hand
// the operator's actions to the decks.
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "DeckFixture.h"
#include "deck/ui/CentrePanel.h"
#include "deck/ui/CheckOnLoadButton.h"
#include "deck/ui/DeckPanel.h"
#include "deck/ui/DeckPanels.h"
#include "deck/ui/DigitDisplay.h"
#include "deck/ui/DigitStrip.h"

namespace {

constexpr int kWaitMs = 5000;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

class PanelsTest : public DeckFixture {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    panels = std::make_unique<DeckPanels>(D(), window.get());
  }
  void TearDown() override {
    panels.reset();
    window.reset();
  }
  DeckPanel& Panel(int deck) { return *panels->Deck(deck); }
  CentrePanel& Centre() { return *panels->Centre(); }
  // Waits until the panels have drawn what the models hold.
  bool Shows(const std::function<bool()>& done) { return QTest::qWaitFor(done, kWaitMs); }

  std::unique_ptr<QWidget> window;
  std::unique_ptr<DeckPanels> panels;
};

TEST_F(PanelsTest, ShowWhatTheModelsHoldAFrameLater) {
  D().LoadClip(1, QStringLiteral("Song"), QStringLiteral("/m/Song.mp3"));
  Loaded(1, 200, XA_STATE_PLAYING);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 250, 5000);
  D().SetFader(1, 30, false);
  D().SetPitch(1, 1060, false);
  D().ToggleEqualizer(1);
  D().SetAutoCue(1, true);
  D().MoveEqualizerSlider(3, -10);
  D().SetMasterVolume(32760, true);
  D().SetCrossfade(2, 40);
  // Nothing is drawn inside the handler that changed the model.
  EXPECT_EQ(Panel(1).Remaining()->text(), QStringLiteral("00:00:00:00"));
  EXPECT_EQ(Panel(1).Counter()->Text(), QStringLiteral("00:00:00:00"));

  ASSERT_TRUE(Shows([&] { return Panel(1).Counter()->Text() == QLatin1String("00:00:10:00"); }));
  EXPECT_EQ(Panel(1).Remaining()->text(), QStringLiteral("00:03:10:00"));
  EXPECT_EQ(Panel(1).Title()->text(), QStringLiteral("Song"));
  EXPECT_EQ(Panel(1).State()->text(), QStringLiteral("PLAYING"));
  EXPECT_EQ(Panel(1).Position()->maximum(), 5000);
  EXPECT_EQ(Panel(1).Position()->value(), 250);
  EXPECT_EQ(Panel(1).Position()->tickInterval(), 25);
  EXPECT_EQ(Panel(1).Fader()->value(), 30);
  EXPECT_EQ(Panel(1).FaderLabel()->text(), QStringLiteral("-30 db"));
  EXPECT_EQ(Panel(1).Pitch()->value(), 1060);
  EXPECT_EQ(Panel(1).PitchLabel()->text(), QStringLiteral("6"));
  EXPECT_EQ(DeckPanel::IconOf(Panel(1).PitchIndicator()), DeckIcon::PitchAbove);
  EXPECT_EQ(DeckPanel::IconOf(Panel(1).Equalizer()), DeckIcon::EqOff);
  EXPECT_TRUE(Panel(1).AutoCue()->isChecked());
  EXPECT_EQ(Centre().EqualizerSlider(3)->value(), -10);
  EXPECT_EQ(Centre().Master()->value(), 32760);
  EXPECT_EQ(Centre().MasterLabel()->text(), QStringLiteral("-45 db"));
  EXPECT_EQ(Centre().Crossfade(2)->value(), 40);
  EXPECT_EQ(Panel(2).State()->text(), QStringLiteral("CLOSED"));
}

TEST_F(PanelsTest, HandTheOperatorsActionsToTheDecks) {
  engine.devices.clear();  // the monitor button then warns
  Loaded(1, 100, XA_STATE_PLAYING);
  ASSERT_TRUE(Shows([&] { return Panel(1).Position()->maximum() == 2500; }));
  Panel(1).Play()->click();
  EXPECT_EQ(engine.Trace(P(1)), QStringList{"4:0,0,0"});

  engine.Clear();
  QSlider* position = Panel(1).Position();
  position->setSliderDown(true);
  position->setSliderPosition(500);
  position->setSliderPosition(600);
  engine.Notify(P(1), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
  position->setSliderDown(false);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"4:0,0,0", "6:500,2500,0", "6:600,2500,0", "6:600,2500,0", "3:0,0,0"}));

  engine.Clear();
  Panel(1).Fader()->setValue(20);
  Panel(1).Pitch()->setValue(1040);
  EXPECT_EQ(engine.Trace(P(1)), QStringList({"48:255,80,255", "31:1040,0,0:OUTPUT.DIRECTSOUND.PITCH"}));
  EXPECT_EQ(D().Fader(1), 20);
  EXPECT_EQ(D().Pitch(1), 1040);

  Panel(2).AutoCue()->click();
  EXPECT_TRUE(D().AutoCue(2));
  Panel(2).Equalizer()->click();
  EXPECT_FALSE(D().EqOn(2));
  Panel(1).Monitor()->click();
  EXPECT_EQ(dialogs.messages.size(), 1);

  engine.Clear();
  Centre().EqualizerSlider(3)->setValue(-10);
  const auto eq = engine.Commands(P(1), XA_MSG_SET_CODEC_EQUALIZER);
  ASSERT_EQ(eq.size(), 1u);
  EXPECT_EQ(eq[0].eq[5], 10);
  Centre().Master()->setValue(32760);
  EXPECT_EQ(engine.masterVolume, 32776);
  EXPECT_EQ(D().MasterPosition(), 32760);
  Centre().EqualizerReset()->click();
  EXPECT_EQ(D().Centre().EqualizerSlider(3), 0);

  QSignalSpy open(panels.get(), &DeckPanels::OpenRequested);
  QSignalSpy mix(panels.get(), &DeckPanels::MixClicked);
  Panel(2).Open()->click();
  Centre().Mix()->click();
  ASSERT_EQ(open.size(), 1);
  EXPECT_EQ(open[0][0].toInt(), 2);
  EXPECT_EQ(mix.size(), 1);

  panels->CheckOnLoad()->click();
  EXPECT_TRUE(D().CheckOnLoad());
  D().SetCheckOnLoad(false);
  EXPECT_FALSE(panels->CheckOnLoad()->isChecked());

  Panel(1).Reset()->click();
  EXPECT_EQ(D().StateText(1), QStringLiteral("CLOSED"));
  ASSERT_TRUE(Shows([&] { return Panel(1).State()->text() == QLatin1String("CLOSED"); }));
  EXPECT_EQ(Panel(1).FaderLabel()->text(), QStringLiteral("-20 db"));
  // The sliders show the reset on the view's next frame, which a loaded machine may delay.
  EXPECT_TRUE(Shows([&] { return Centre().EqualizerSlider(3)->value() == 0; }));
}

TEST_F(PanelsTest, APlayingDeckRepaintsItsDisplaysNotThePanelBeneath) {
  window->resize(800, 400);
  Panel(2).move(400, 0);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  Loaded(1, 100, XA_STATE_PLAYING);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 1, 2500);
  QTest::qWait(100);  // the first drawing of everything
  PaintCounter panel(&Panel(1)), remaining(Panel(1).Remaining()), counter(Panel(1).Counter());
  for (int frame = 2; frame < 12; ++frame) {
    engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, frame, 2500);
    D().SetFader(1, frame, true);
    QTest::qWait(20);
  }
  ASSERT_TRUE(Shows([&] { return remaining.paints > 0 && counter.paints > 0; }));
  EXPECT_EQ(panel.paints, 0);
}

TEST_F(PanelsTest, PageStepsCountFromTheDecksPosition) {
  Loaded(2, 100, XA_STATE_PLAYING);
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_POSITION, 100, 2500);
  QSlider* position = Panel(2).Position();
  ASSERT_TRUE(Shows([&] { return position->maximum() == 2500 && position->value() == 100; }));
  // Three frames on: likely the same pixel, so the slider may still show 100.
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_POSITION, 103, 2500);
  QTest::qWait(40);
  engine.Clear();
  position->triggerAction(QAbstractSlider::SliderPageStepAdd);
  engine.Notify(P(2), XA_MSG_NOTIFY_PLAYER_STATE, XA_STATE_PAUSED);
  ASSERT_TRUE(QTest::qWaitFor([&] { return engine.Commands(P(2)).size() >= 3; }, kWaitMs));
  EXPECT_EQ(engine.Trace(P(2)), QStringList({"4:0,0,0", "6:113,2500,0", "3:0,0,0"}));
}

TEST_F(PanelsTest, AnEmptyDecksSliderSpringsBack) {
  QSlider* position = Panel(1).Position();
  position->setRange(1, 100);  // as if the operator could reach further than the deck
  position->setSliderDown(true);
  position->setSliderPosition(60);
  position->setSliderDown(false);
  EXPECT_TRUE(engine.sent.empty());
  ASSERT_TRUE(Shows([&] { return position->value() == 1 && position->maximum() == 1; }));
}

TEST_F(PanelsTest, DecksOutlivingTheirWindowDoNotTouchItsWidgets) {
  EXPECT_EQ(Panel(1).parentWidget(), window.get());
  window.reset();  // the window took the panels with it
  Loaded(1, 100, XA_STATE_PLAYING);
  engine.Notify(P(1), XA_MSG_NOTIFY_INPUT_POSITION, 250, 2500);
  QTest::qWait(50);
  EXPECT_EQ(panels->Deck(1), nullptr);
  panels.reset();
  decks.reset();
  EXPECT_EQ(engine.deleted, 2);
}

TEST_F(PanelsTest, PanelsGoneBeforeTheWindowLeaveItEmpty) {
  panels.reset();
  EXPECT_TRUE(window->findChildren<DeckPanel*>().isEmpty());
  EXPECT_TRUE(window->findChildren<CentrePanel*>().isEmpty());
  Loaded(2, 100, XA_STATE_PLAYING);
  engine.Notify(P(2), XA_MSG_NOTIFY_INPUT_POSITION, 250, 2500);
  QTest::qWait(50);
}

TEST(DigitDisplay, MapsCharactersToStripCellsAndSizesItself) {
  EXPECT_EQ(DigitDisplay::CellFor(u'0'), 0);
  EXPECT_EQ(DigitDisplay::CellFor(u'9'), 9);
  EXPECT_EQ(DigitDisplay::CellFor(u':'), 11);
  EXPECT_EQ(DigitDisplay::CellFor(u' '), 10);
  EXPECT_EQ(DigitDisplay::CellFor(u'-'), 10);
  const QPixmap strip = MakeDigitStrip(18, 26);
  DigitDisplay display(strip, 11);
  EXPECT_EQ(display.size(), QSize(11 * 18 + 4, 26 + 4));
  display.SetNumber(42);
  EXPECT_EQ(display.Text(), QStringLiteral("         42"));
  DigitDisplay small(strip, 3);
  small.SetNumber(12345);  // only the cells it has
  EXPECT_EQ(small.Text(), QStringLiteral("345"));
}
