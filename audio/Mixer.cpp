#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

bool VoiceSlots::Add(Voice* voice) {
  for (auto& slot : slots_) {
    Voice* expected = nullptr;
    if (slot.compare_exchange_strong(expected, voice, std::memory_order_seq_cst)) return true;
  }
  return false;
}

void VoiceSlots::Remove(Voice* voice) {
  for (auto& slot : slots_) {
    Voice* expected = voice;
    slot.compare_exchange_strong(expected, nullptr, std::memory_order_seq_cst);
  }
}

float LevelToGain(int level) {
  if (level <= 0) return 0.0f;
  return float(std::pow(10.0, (std::min(level, 100) - 100) / 20.0));
}

float MasterToGain(int value) {
  value = std::clamp(value, 1, 65536);
  return float(std::pow(10.0, -((65536 - value) / 728.0) / 20.0));
}

namespace {

// Source frames handed to the converter beyond a block's exact need (rounding).
constexpr int kResampleSlack = 2;

// Takes up a flush the decode thread published (a seek, a new clip, an output reset);
// true when there was one.
bool ServiceFlush(Voice& v) {
  const uint32_t gen = v.flushGen.load(std::memory_order_acquire);
  if (gen == v.seenGen) return false;
  v.ring.DiscardTo(v.flushReadIndex.load(std::memory_order_relaxed));
  src_reset(v.resampler);
  v.resampling = false;
  v.consumedSinceFlush = 0;
  v.playedFraction = 0;
  v.base = v.flushBase.load(std::memory_order_relaxed);
  v.playedFrames.store(v.base, std::memory_order_relaxed);
  v.drained.store(false, std::memory_order_relaxed);
  v.seenGen = gen;
  v.ackGen.store(gen, std::memory_order_release);
  return true;
}

// Fills dst with up to frames frames at the output rate from the ring frames below end;
// returns how many it made. ended: the decoder's last frame lies below end.
int Pull(Voice& v, float* dst, int frames, double ratio, int64_t end, bool ended) {
  int produced = 0;
  if (ratio == 1.0) {  // exactly unity: no conversion at all
    v.resampling = false;
    while (produced < frames) {
      int n = 0;
      const float* src = v.ring.Contiguous(end, &n);
      n = std::min(n, frames - produced);
      if (n == 0) break;
      std::memcpy(dst + produced * 2, src, size_t(n) * 2 * sizeof(float));
      v.ring.Advance(n);
      produced += n;
      v.consumedSinceFlush += n;
      v.playedFraction += n;
    }
    return produced;
  }
  if (!v.resampling) {
    src_reset(v.resampler);
    v.resampling = true;
  }
  while (produced < frames) {
    int n = 0;
    const float* src = v.ring.Contiguous(end, &n);
    if (n == 0 && !ended) break;
    // Only about what this block needs: handed the whole ring, the converter takes as much
    // as its own buffer holds (more than the ring's 0.4 s), so the ring runs empty at once
    // and a later block that finds the converter short before the decoder refills plays
    // silence: a 10 ms drop-out every second or so on any clip not at the output's rate.
    n = std::min(n, int(std::ceil((frames - produced) / ratio)) + kResampleSlack);
    SRC_DATA d{};
    d.data_in = src;
    d.data_out = dst + produced * 2;
    d.input_frames = n;
    d.output_frames = frames - produced;
    d.end_of_input = (n == 0) ? 1 : 0;
    d.src_ratio = ratio;
    if (src_process(v.resampler, &d) != 0) break;
    v.ring.Advance(int(d.input_frames_used));
    v.consumedSinceFlush += d.input_frames_used;
    produced += int(d.output_frames_gen);
    v.playedFraction += d.output_frames_gen / ratio;
    if (d.input_frames_used == 0 && d.output_frames_gen == 0) break;
  }
  return produced;
}

int RenderBlock(Voice& v, float* out, int frames, int outRate, float extraGain) {
  // The snapshot first, then the flush check (see Voice): the end flag before the write
  // index, so an end seen means its last frame is inside the snapshot.
  bool ended = false;
  int64_t end = 0;
  do {
    ended = v.inputEnded.load(std::memory_order_acquire);
    end = v.ring.Published();
  } while (ServiceFlush(v));
  const float targetLeft = v.gainLeft.load(std::memory_order_relaxed) * extraGain;
  const float targetRight = v.gainRight.load(std::memory_order_relaxed) * extraGain;
  if (!v.playing.load(std::memory_order_acquire)) {
    v.wasPlaying = false;
    return 0;
  }
  if (!v.wasPlaying) {  // a started or resumed voice begins at its current level
    v.wasPlaying = true;
    v.appliedLeft = targetLeft;
    v.appliedRight = targetRight;
  }
  const int sourceRate = std::max(1, v.sourceRate.load(std::memory_order_relaxed));
  const int pitch = std::clamp(v.pitch.load(std::memory_order_relaxed), 500, 2000);
  const double ratio = double(outRate) / sourceRate * 1000.0 / pitch;
  const int got = Pull(v, v.scratch, frames, ratio, end, ended);

  if (got < frames && ended && v.ring.ReadIndex() == end) {
    v.playedFraction = double(v.consumedSinceFlush);  // the end is exactly the last frame
    v.drained.store(true, std::memory_order_release);
  } else if (got < frames && v.consumedSinceFlush > 0) {
    v.underruns.fetch_add(1, std::memory_order_relaxed);
  }
  v.playedFrames.store(v.base + std::llround(v.playedFraction),
                       std::memory_order_release);
  if (got > 0) v.renderedBlocks.fetch_add(1, std::memory_order_release);

  // Gain changes ramp across the block so fader moves never click.
  const float stepLeft = (targetLeft - v.appliedLeft) / float(frames);
  const float stepRight = (targetRight - v.appliedRight) / float(frames);
  float gl = v.appliedLeft, gr = v.appliedRight;
  for (int i = 0; i < got; ++i) {
    gl += stepLeft;
    gr += stepRight;
    out[i * 2] += v.scratch[i * 2] * gl;
    out[i * 2 + 1] += v.scratch[i * 2 + 1] * gr;
  }
  v.appliedLeft = targetLeft;
  v.appliedRight = targetRight;
  return got;
}

}  // namespace

int RenderVoiceAdd(Voice& voice, float* out, int frames, int outRate, float extraGain) {
  if (voice.busy.exchange(true, std::memory_order_acquire)) return 0;  // another output has it
  int total = 0;
  for (int done = 0; done < frames;) {
    const int n = std::min(frames - done, Voice::kMaxBlock);
    const int got = RenderBlock(voice, out + done * 2, n, outRate, extraGain);
    total += got;
    done += n;
    if (got < n) break;
  }
  voice.busy.store(false, std::memory_order_release);
  return total;
}

void MixVoices(const VoiceSlots& voices, float* out, int frames, int outRate, unsigned routeMask, float mainGain) {
  std::memset(out, 0, size_t(frames) * 2 * sizeof(float));
  for (int i = 0; i < VoiceSlots::kSlots; ++i) {
    Voice* v = voices.At(i);
    if (!v) continue;
    const int route = v->route.load(std::memory_order_relaxed);
    if (route < 0 || !(routeMask & (1u << route))) continue;
    RenderVoiceAdd(*v, out, frames, outRate, route == kRouteMain ? mainGain : 1.0f);
  }
}
