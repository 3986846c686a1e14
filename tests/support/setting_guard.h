// Sets a run-wide setting for one test and puts the previous value back
// when the test ends, however it ends.
#pragma once

#include "dictionary/split_reading.h"
#include "report/block_pipeline.h"

namespace plotwarden::test_support {

template <typename Setting, const Setting& (*get)(), void (*set)(Setting)>
class SettingGuard {
 public:
  explicit SettingGuard(Setting value) : saved_(get()) { set(value); }
  ~SettingGuard() { set(saved_); }
  SettingGuard(const SettingGuard&) = delete;
  SettingGuard& operator=(const SettingGuard&) = delete;

 private:
  Setting saved_;
};

using LoadConcurrencyGuard = SettingGuard<LoadConcurrency, loadConcurrency, setLoadConcurrency>;
using BlockConcurrencyGuard = SettingGuard<BlockConcurrency, blockConcurrency, setBlockConcurrency>;

}  // namespace plotwarden::test_support
