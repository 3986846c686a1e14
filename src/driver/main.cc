#include <cstdio>
#include <new>

#include "driver/run.h"
#include "platform/standard_streams.h"

int main(int argc, char** argv) {
  plotwarden::useBinaryStandardStreams();
  try {
    return plotwarden::runPlotwarden(argc, argv, plotwarden::Concurrency{});
  } catch (const std::bad_alloc&) {
    std::fputs("Out of memory. Exit ...\n", stdout);
    return -1;
  }
}
