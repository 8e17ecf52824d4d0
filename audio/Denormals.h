// Flush-to-zero and denormals-are-zero for the calling thread. Filter and ramp tails that
// decay into the denormal range would otherwise cost tens of times more per operation on
// x86, enough to make a callback late; their values are inaudible anyway.
#pragma once

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

#include <cstdint>

inline void FlushDenormalsOnThisThread() {
#if defined(__SSE__)
  _mm_setcsr(_mm_getcsr() | 0x8040u);  // FTZ (bit 15) and DAZ (bit 6)
#elif defined(__aarch64__)
  uint64_t fpcr = 0;
  asm volatile("mrs %0, fpcr" : "=r"(fpcr));
  asm volatile("msr fpcr, %0" : : "r"(fpcr | (uint64_t(1) << 24)));  // FZ
#endif
}
