// Starting helper threads as far as the system allows.
#pragma once

#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

namespace plotwarden {

// Appends up to `count` threads running `body` to `threads`. A thread the
// system cannot start is no failure: fewer helpers start, and the calling
// thread, which works too, takes the rest. Anything else thrown (out of
// memory) goes on, and the caller joins the threads already started.
template <typename Body>
void startHelperThreads(std::vector<std::thread>& threads, size_t count, const Body& body) {
  threads.reserve(threads.size() + count);
  for (size_t i = 0; i < count; ++i) {
    try {
      threads.emplace_back(body);
    } catch (const std::system_error&) {
      return;
    }
  }
}

}  // namespace plotwarden
