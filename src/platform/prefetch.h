// Asking the processor to start fetching memory that will be read soon.
#pragma once

namespace plotwarden {

// Starts bringing the cache line at `address` in, without waiting for it.
// Only a hint: where the compiler offers no way to give it, nothing happens.
inline void prefetchMemory(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

}  // namespace plotwarden
