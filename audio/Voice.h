// What one player shares with the output that renders it.
// The player's decode thread writes the ring and the parameter atomics; exactly one
// consumer at a time (an output callback, or the decode thread while it writes a WAV
// file) holds `busy` and owns the fields marked "consumer". Nothing here allocates after
// construction, which happens on the GUI thread in player_new.
#pragma once

#include "audio/SpscRing.h"

#include <samplerate.h>

#include <atomic>
#include <cstdint>

enum VoiceRoute : int { kRouteNone = -1, kRouteMain = 0, kRouteMonitor = 1 };

struct Voice {
  static constexpr int kRingFrames = 32768;  // upper bound; the decode thread fills ~0.4 s
  static constexpr int kMaxBlock = 512;      // renderers work in blocks of at most this

  Voice();
  ~Voice();
  Voice(const Voice&) = delete;
  Voice& operator=(const Voice&) = delete;

  SpscRing ring{kRingFrames};

  // Parameters: written by the decode thread, read by the consumer.
  std::atomic<bool> playing{false};
  std::atomic<int> route{kRouteMain};
  std::atomic<float> gainLeft{1.0f};
  std::atomic<float> gainRight{1.0f};
  std::atomic<int> sourceRate{44100};
  std::atomic<int> pitch{1000};    // 1000 = normal speed
  std::atomic<bool> inputEnded{false};  // the decoder wrote its last frame
  // A flush: the consumer drops the ring up to flushReadIndex and restarts its count of
  // played frames at flushBase once it sees flushGen change. The consumer looks for a new
  // generation after taking its snapshot of the ring's write index, never before: frames
  // written after a flush are published after its generation, so a snapshot taken while the
  // generation is unchanged holds only frames from before any pending flush. That keeps
  // every flush exact: nothing from before a seek plays after it, and nothing plays twice.
  std::atomic<int64_t> flushReadIndex{0};
  std::atomic<int64_t> flushBase{0};
  std::atomic<uint32_t> flushGen{0};
  // Producer: drops everything written so far and restarts the count at base; returns the
  // generation the consumer acknowledges in ackGen once it has carried the flush out.
  uint32_t PublishFlush(int64_t base);

  // Reports: written by the consumer, read by the decode thread.
  std::atomic<uint32_t> ackGen{0};        // last flush the consumer carried out
  std::atomic<int64_t> playedFrames{0};   // source frames rendered since the clip start
  std::atomic<bool> drained{false};       // ended and everything rendered
  std::atomic<uint32_t> underruns{0};
  std::atomic<int64_t> renderedBlocks{0};  // blocks rendered while playing (first-sample probe)

  // Held by whoever renders the voice right now; try-acquired, never waited for.
  std::atomic<bool> busy{false};

  // Consumer-owned state.
  SRC_STATE* resampler = nullptr;
  bool resampling = false;
  uint32_t seenGen = 0;
  int64_t base = 0;                // flushBase of the flush carried out last
  int64_t consumedSinceFlush = 0;  // source frames taken from the ring since the flush
  double playedFraction = 0;       // source frames heard through the resampler
  bool wasPlaying = false;
  float appliedLeft = 0.0f;        // gains reached by the last block (ramp start)
  float appliedRight = 0.0f;
  float scratch[kMaxBlock * 2] = {};
};
