// The mix function with synthetic rings: no decoder, no device.
#include "audio/Mixer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace {

constexpr int kRate = 44100;

void FillConstant(Voice& v, float value, int frames) {
  std::vector<float> data(size_t(frames) * 2, value);
  ASSERT_EQ(v.ring.Write(data.data(), frames), frames);
}

std::vector<float> Mix(const VoiceSlots& slots, int frames, unsigned mask, float mainGain = 1.0f) {
  std::vector<float> out(size_t(frames) * 2, 99.0f);  // garbage the mix must overwrite
  MixVoices(slots, out.data(), frames, kRate, mask, mainGain);
  return out;
}

struct MixerTest : ::testing::Test {
  Voice a, b;
  VoiceSlots slots;
  void SetUp() override {
    for (Voice* v : {&a, &b}) {
      v->sourceRate = kRate;
      v->playing = true;
    }
    slots.Add(&a);
    slots.Add(&b);
  }
};

TEST_F(MixerTest, RoutesEachVoiceOnlyToItsOutputAndAppliesMasterOnlyOnMain) {
  FillConstant(a, 0.5f, 256);
  FillConstant(b, 0.25f, 256);
  a.route = kRouteMain;
  b.route = kRouteMonitor;
  Mix(slots, 32, 3u, 0.5f);
  const auto main = Mix(slots, 64, 1u, 0.5f);
  const auto monitor = Mix(slots, 64, 2u, 0.5f);
  const auto both = Mix(slots, 64, 3u, 0.5f);  // one device serving both routes
  EXPECT_FLOAT_EQ(main[10], 0.25f);            // 0.5 x master 0.5
  EXPECT_FLOAT_EQ(monitor[10], 0.25f);         // 0.25, no master on the monitor
  EXPECT_FLOAT_EQ(both[10], 0.25f + 0.25f);
  EXPECT_EQ(a.ring.Readable(), 256 - 32 - 128);  // rendered by "main" and "both" only
  EXPECT_EQ(b.ring.Readable(), 256 - 32 - 128);
}

TEST_F(MixerTest, GainChangeRampsAcrossOneBlockThenHolds) {
  b.route = kRouteNone;
  FillConstant(a, 1.0f, 1024);
  Mix(slots, 64, 1u);  // settles at gain 1
  a.gainLeft = 0.5f;
  a.gainRight = 0.5f;
  const auto ramp = Mix(slots, 100, 1u);
  for (int i = 1; i < 100; ++i) EXPECT_LT(ramp[size_t(i) * 2], ramp[size_t(i - 1) * 2]);
  EXPECT_NEAR(ramp[0], 1.0f - 0.005f, 1e-5);
  EXPECT_NEAR(ramp[99 * 2], 0.5f, 1e-5);
  const auto held = Mix(slots, 10, 1u);
  EXPECT_FLOAT_EQ(held[0], 0.5f);
}

TEST_F(MixerTest, PausedVoiceIsSilentAndKeepsItsAudio) {
  b.route = kRouteNone;
  FillConstant(a, 0.5f, 128);
  a.playing = false;
  const auto out = Mix(slots, 64, 1u);
  EXPECT_FLOAT_EQ(out[0], 0.0f);
  EXPECT_EQ(a.ring.Readable(), 128);
}

TEST_F(MixerTest, FlushDropsBufferedAudioAndRestartsTheCountAtTheSeekTarget) {
  b.route = kRouteNone;
  FillConstant(a, 0.5f, 300);
  Mix(slots, 100, 1u);
  EXPECT_EQ(a.playedFrames.load(), 100);
  a.PublishFlush(5000);
  FillConstant(a, 0.125f, 50);
  const auto out = Mix(slots, 100, 1u);
  EXPECT_EQ(a.ackGen.load(), a.flushGen.load());
  EXPECT_FLOAT_EQ(out[0], 0.125f);    // new audio, not the stale 0.5
  EXPECT_FLOAT_EQ(out[120], 0.0f);    // then silence while the decoder catches up
  EXPECT_EQ(a.playedFrames.load(), 5050);
  EXPECT_EQ(a.underruns.load(), 1u);
}

TEST_F(MixerTest, AFlushSeenLateNeverReplaysWhatAlreadyPlayed) {
  // The output already read past the flush point before it saw the flush (what a render
  // racing the decoder's seek could do): the frames it played must not come again.
  b.route = kRouteNone;
  FillConstant(a, 0.5f, 100);
  a.flushReadIndex = a.ring.WriteIndex();
  a.flushBase = 0;
  FillConstant(a, 0.25f, 50);  // after the seek, not yet announced
  Mix(slots, 200, 1u);
  a.flushGen.fetch_add(1);
  FillConstant(a, 0.125f, 50);
  const auto out = Mix(slots, 100, 1u);
  EXPECT_FLOAT_EQ(out[0], 0.125f);  // straight on, no second 0.25
  EXPECT_FLOAT_EQ(out[98], 0.125f);
  EXPECT_FLOAT_EQ(out[100], 0.0f);
}

TEST_F(MixerTest, EndedVoiceDrainsAtItsLastFrame) {
  b.route = kRouteNone;
  FillConstant(a, 0.5f, 70);
  a.inputEnded = true;
  Mix(slots, 64, 1u);
  EXPECT_FALSE(a.drained.load());
  Mix(slots, 64, 1u);
  EXPECT_TRUE(a.drained.load());
  EXPECT_EQ(a.playedFrames.load(), 70);
}

TEST_F(MixerTest, ConvertsRateAndPitchThroughTheResampler) {
  struct Case {
    int sourceRate, pitch;
    double outputPerInput;
  };
  for (const Case c : {Case{22050, 1000, 2.0}, Case{44100, 1100, 1 / 1.1}, Case{48000, 1000, 44100.0 / 48000}}) {
    Voice v;
    VoiceSlots one;
    one.Add(&v);
    v.sourceRate = c.sourceRate;
    v.pitch = c.pitch;
    v.playing = true;
    const int input = 10000;
    FillConstant(v, 0.5f, input);
    v.inputEnded = true;
    int sounding = 0;
    bool steady = true;
    for (int block = 0; block < 200 && !v.drained.load(); ++block) {
      const auto out = Mix(one, 441, 1u);
      for (size_t i = 0; i < out.size(); i += 2) {
        sounding += std::fabs(out[i]) > 0.25f;
        if (block > 2 && block < 10) steady = steady && std::fabs(out[i] - 0.5f) < 0.01f;
      }
    }
    EXPECT_TRUE(v.drained.load());
    EXPECT_TRUE(steady) << "a constant stays constant through the filter";
    EXPECT_NEAR(sounding, input * c.outputPerInput, 0.01 * input) << c.sourceRate << " " << c.pitch;
    EXPECT_EQ(v.playedFrames.load(), input);
  }
}

// The decoder keeps 0.4 s in the ring, topping it up a chunk at a time every 20 ms; every
// 10 ms block must come out whole, whatever the clip's rate.
TEST(MixerResampling, AFullRingNeverRunsShortOfABlock) {
  constexpr int kChunk = 1152, kBlock = 441, kBlocks = 3000;  // 30 s of output
  for (const int sourceRate : {22050, 32000, 48000, 44100}) {
    Voice v;
    VoiceSlots one;
    one.Add(&v);
    v.sourceRate = sourceRate;
    v.playing = true;
    const int limit = int(sourceRate * 0.4);
    const std::vector<float> chunk(size_t(kChunk) * 2, 0.5f);
    const auto topUp = [&] {
      while (v.ring.Readable() + kChunk <= limit) ASSERT_EQ(v.ring.Write(chunk.data(), kChunk), kChunk);
    };
    topUp();
    int shortBlocks = 0;
    for (int block = 0; block < kBlocks; ++block) {
      std::vector<float> out(size_t(kBlock) * 2, 0.0f);
      shortBlocks += RenderVoiceAdd(v, out.data(), kBlock, kRate, 1.0f) < kBlock;
      if (block % 2 == 1) topUp();
    }
    EXPECT_EQ(shortBlocks, 0) << sourceRate;
    EXPECT_EQ(v.underruns.load(), 0u) << sourceRate;
  }
}

// A decoder seeking again and again while the output renders: every frame carries its
// seek number (left) and its place after that seek (right). After a flush nothing from
// before it may play, and no frame may play twice.
TEST(MixerFlush, SeeksWhileRenderingNeverReplayOrLeakOldAudio) {
  Voice v;
  VoiceSlots one;
  one.Add(&v);
  v.sourceRate = kRate;
  v.playing = true;
  std::atomic<bool> stop{false};
  std::thread decoder([&] {
    // Small writes keep the ring short, so the output often reads right behind them.
    constexpr int kChunk = 7;
    std::vector<float> chunk(2 * kChunk);
    for (int seek = 1; !stop.load(std::memory_order_relaxed); ++seek) {
      v.PublishFlush(0);
      for (int written = 0; written < 40 * kChunk && !stop.load(std::memory_order_relaxed);) {
        if (v.ring.Writable() < kChunk) {
          std::this_thread::yield();
          continue;
        }
        for (int i = 0; i < kChunk; ++i) {
          chunk[size_t(i) * 2] = float(seek);
          chunk[size_t(i) * 2 + 1] = float(written + i);
        }
        v.ring.Write(chunk.data(), kChunk);
        written += kChunk;
      }
    }
  });
  float seek = 0, place = -1;
  int faults = 0, seeksHeard = 0;
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(600);
  std::vector<float> out(2 * 512);
  while (std::chrono::steady_clock::now() < until && faults == 0) {
    std::fill(out.begin(), out.end(), 0.0f);
    const int got = RenderVoiceAdd(v, out.data(), 512, kRate, 1.0f);
    for (int i = 0; i < got; ++i) {
      const float s = out[size_t(i) * 2], p = out[size_t(i) * 2 + 1];
      if (s == seek && p == place + 1) {
        place = p;
      } else if (s > seek && p == 0) {  // a later seek, heard from its first frame
        seek = s;
        place = 0;
        ++seeksHeard;
      } else {
        ++faults;
        ADD_FAILURE() << "after seek " << seek << " frame " << place << " came seek " << s << " frame " << p;
        break;
      }
    }
  }
  stop = true;
  decoder.join();
  EXPECT_EQ(faults, 0);
  EXPECT_GT(seeksHeard, 10);
}

TEST(Levels, AreDecibelTrue) {
  EXPECT_FLOAT_EQ(LevelToGain(100), 1.0f);
  EXPECT_NEAR(20 * std::log10(LevelToGain(70)), -30.0, 1e-4);
  EXPECT_EQ(LevelToGain(0), 0.0f);
  EXPECT_NEAR(20 * std::log10(MasterToGain(65536 - 728 * 6)), -6.0, 1e-4);
}

}  // namespace
