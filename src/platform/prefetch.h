// Asking the processor to start fetching memory that will be read soon.
#pragma once

namespace plotwarden {

// Starts bringing the cache line at `address` in, without waiting for it.
// Only a hint: where the compiler offers no way to give it, nothing happens.
#if defined(__GNUC__) || defined(__clang__)
// GCC takes a function whose only effect is a prefetch for one without any,
// and drops its calls: this one, and every helper made of it, is inlined by
// force, so that the hint lands in the loop that needs it.
#define PLOTWARDEN_PREFETCHING [[gnu::always_inline]]
PLOTWARDEN_PREFETCHING inline void prefetchMemory(const void* address) {
  __builtin_prefetch(address);
}
#else
#define PLOTWARDEN_PREFETCHING
inline void prefetchMemory(const void*) {}
#endif

}  // namespace plotwarden
