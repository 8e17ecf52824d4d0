// The button modes and the report decoding, without a port: what each button asks for in
// each mode, the hold flags and repeatCount, and which chunks carry a report.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "remote/RemoteModes.h"
#include "remote/RemoteProtocol.h"

namespace {

class RecordingConsole final : public RemoteConsole {
 public:
  void Run(RemoteAction action, int deck) override { runs.emplace_back(action, deck); }
  std::vector<std::pair<RemoteAction, int>> runs;
};

int Pressed(int button) { return 0xff & ~(1 << (button - 1)); }

QByteArray Report(int state) { return QByteArrayLiteral("Start\x80\x80\x80\x80") + char(state); }

TEST(RemoteReport, IsFoundOnlyWhenItStartsInTheFirstElevenBytesAndEndsInTheChunk) {
  struct Case {
    const char* what;
    QByteArray chunk;
    int state;
  };
  const Case cases[] = {
      {"after two junk bytes", QByteArrayLiteral("\x01\x02") + Report(254), 254},
      {"at byte 11", QByteArray(10, 'x') + Report(253), 253},
      {"at byte 12 of a longer read", QByteArray(11, 'x') + Report(254), -1},
      {"cut before its button byte", QByteArrayLiteral("ab") + Report(254).left(9), -1},
      {"misspelt", QByteArrayLiteral("Strat\x80\x80\x80\x80\xfe"), -1},
      {"nothing read", QByteArray(), -1},
  };
  for (const Case& c : cases) EXPECT_EQ(remote::ButtonState(c.chunk), c.state) << c.what;
}

TEST(RemoteReport, OnlyOneButtonAtATimeCounts) {
  for (int button = 1; button <= 7; ++button) EXPECT_EQ(remote::PressedButton(Pressed(button)), button);
  for (int state : {252, 0, 255, 127, 126}) EXPECT_EQ(remote::PressedButton(state), 0) << state;
}

TEST(RemoteCommandText, HasNoTerminator) {
  EXPECT_EQ(remote::CommandText(6), QByteArray("Error On button [6]"));
  EXPECT_EQ(remote::CommandText(6).size(), 19);
}

class ModesTest : public ::testing::Test {
 protected:
  void GoToMode(int mode) {
    modes.ShowFirstMode();
    while (modes.RemoteMode() != mode) modes.OnButtonState(remote::kModeButton);
    console.runs.clear();
  }
  RecordingConsole console;
  RemoteModes modes{console};
};

TEST_F(ModesTest, EachButtonOfEachModeRunsItsAction) {
  using A = RemoteAction;
  struct Case {
    int mode;
    int button;
    A action;
    int deck;
  };
  const Case cases[] = {
      {1, 1, A::Mix, 0},
      {1, 2, A::SelectPrevious, 0},
      {1, 3, A::SelectNext, 0},
      {1, 4, A::LoadSelected, 0},
      {1, 5, A::PlayPause, 1},
      {1, 6, A::PlayPause, 2},
      {2, 1, A::PlayPause, 1},
      {2, 2, A::Rewind, 1},
      {2, 3, A::FastForward, 1},
      {2, 4, A::SetCue, 1},
      {2, 5, A::Cue, 1},
      {2, 6, A::CueAndPause, 1},
      {2, 7, A::ToggleMonitor, 1},
      {3, 2, A::Rewind, 2},
      {3, 7, A::ToggleMonitor, 2},
      {4, 1, A::ResetEqualizers, 0},
      {4, 2, A::MasterDown, 0},
      {4, 3, A::MasterUp, 0},
      {4, 5, A::ToggleEqualizer, 1},
      {4, 6, A::ToggleEqualizer, 2},
      {5, 1, A::ToggleCheckOnLoad, 0},
      {5, 2, A::ToggleLoadNext, 0},
      {5, 3, A::ToggleMixNext, 0},
      {5, 4, A::Shuffle, 0},
      {5, 7, A::Help, 0},
  };
  for (const Case& c : cases) {
    GoToMode(c.mode);
    modes.OnButtonState(Pressed(c.button));
    ASSERT_EQ(console.runs.size(), 1u) << "mode " << c.mode << " button " << c.button;
    EXPECT_EQ(console.runs[0].first, c.action) << "mode " << c.mode << " button " << c.button;
    EXPECT_EQ(console.runs[0].second, c.deck) << "mode " << c.mode << " button " << c.button;
  }
  const std::pair<int, int> idle[] = {{1, 7}, {4, 7}, {5, 5}, {5, 6}};
  for (const auto& [mode, button] : idle) {
    GoToMode(mode);
    modes.OnButtonState(Pressed(button));
    EXPECT_TRUE(console.runs.empty()) << "mode " << mode << " button " << button;
  }
}

TEST_F(ModesTest, ModeButtonCyclesAndTextsFollow) {
  modes.ShowFirstMode();
  EXPECT_EQ(modes.RemoteMode(), 1);
  EXPECT_EQ(modes.ShownPicture(), 1);
  EXPECT_EQ(modes.ModeText(),
            QStringLiteral(" 1. MIX\n 2. PREV\n 3. NEXT\n 4. LOAD\n 5. PLAY 1\n 6. PLAY 2\n 7. \n 8. MODE"));
  const int expected[] = {2, 3, 4, 5, 1};
  for (int mode : expected) {
    modes.OnButtonState(remote::kModeButton);
    EXPECT_EQ(modes.RemoteMode(), mode);
    EXPECT_EQ(modes.ShownPicture(), mode);
  }
  modes.Clear();
  EXPECT_EQ(modes.RemoteMode(), -1);
  EXPECT_EQ(modes.ShownPicture(), 0);
  EXPECT_TRUE(modes.ModeText().isEmpty());
}

TEST_F(ModesTest, ChooseStepsTheBandAndOnlyVolumeMovesWithMinusAndPlus) {
  GoToMode(4);
  EXPECT_TRUE(modes.ModeText().contains(QStringLiteral("\n     VOLUME \n")));
  const char* names[] = {"42Hz", "480Hz", "1.5KHz", "3.5KHz", "7.8KHz", "15.4KHz", "VOLUME"};
  for (const char* name : names) {
    modes.OnButtonState(Pressed(4));
    EXPECT_TRUE(modes.ModeText().contains(QStringLiteral("\n     %1 \n").arg(QLatin1String(name)))) << name;
    if (QLatin1String(name) == QLatin1String("VOLUME")) break;
    modes.OnButtonState(Pressed(2));
    modes.OnButtonState(Pressed(3));
    EXPECT_TRUE(console.runs.empty()) << name;
  }
  modes.OnButtonState(Pressed(3));
  EXPECT_EQ(console.runs.size(), 1u);
  // Leaving the mode and coming back starts at VOLUME again.
  modes.OnButtonState(Pressed(4));
  GoToMode(4);
  EXPECT_EQ(modes.SelectedBand(), RemoteModes::kVolume);
}

TEST_F(ModesTest, HeldButtonsGrowTheRepeatCountUntilReleased) {
  GoToMode(2);
  for (int report = 0; report < 3; ++report) {
    EXPECT_EQ(modes.RepeatCount(), report);
    modes.OnButtonState(Pressed(2));
  }
  EXPECT_TRUE(modes.Held(1));
  modes.OnButtonState(remote::kAllReleased);
  EXPECT_FALSE(modes.Held(1));
  EXPECT_EQ(modes.RepeatCount(), 0);
  ASSERT_FALSE(console.runs.empty());
  EXPECT_EQ(console.runs.back(), std::make_pair(RemoteAction::ResumeAfterSeek, 1));
  // A release with nothing held resumes nothing.
  console.runs.clear();
  modes.OnButtonState(remote::kAllReleased);
  EXPECT_TRUE(console.runs.empty());

  GoToMode(4);
  modes.OnButtonState(Pressed(3));
  modes.OnButtonState(Pressed(3));
  EXPECT_EQ(modes.RepeatCount(), 2 * RemoteModes::kMasterStepGrowth);
  modes.OnButtonState(remote::kAllReleased);
  EXPECT_EQ(modes.RepeatCount(), 0);
  EXPECT_FALSE(modes.Held(0));
}

}  // namespace
