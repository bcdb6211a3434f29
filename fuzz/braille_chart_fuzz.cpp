// SPDX-License-Identifier: GPL-3.0-or-later
// The braille chart's file as a broken install or anyone's hand may leave it:
// any bytes in the data folder, read by the helper window opened from braille
// mode, scrolled, moved, made tall and short, and closed. Never a crash; the
// helper is closed at the end, and no key is left down.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzz_session.h"
#include "help/braille_chart.h"
#include "frontends/script/key_script.h"
#include "platform/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(orvo::fuzz::FuzzFolder()).parent_path() /
                          (fs::path(orvo::fuzz::FuzzFolder()).filename().string() + "-data");
  std::error_code ignored;
  fs::create_directories(folder / "chart", ignored);
  {
    std::ofstream out(folder / orvo::help::kChartName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  fs::remove_all(orvo::fuzz::FuzzFolder(), ignored);
  fs::create_directories(orvo::fuzz::FuzzFolder(), ignored);
  orvo::headless::SessionOptions options;
  options.data_folder = folder.string();
  orvo::headless::Session session(orvo::fuzz::FuzzFolder(), {}, options);
  session.CancelUnansweredDialogs(true);
  if (!session.Start()) return 0;
  static const auto keys = orvo::script::ParseScript(
      "tap F1\ntap F4\ntap M\ntap U\ntap U\ntap O\ntap I\ntap Y\ntap V\ntap C\ntap Y\ntap Space\n");
  session.Run(keys.steps);
  if (session.program.flags.HelperOpen) std::abort();
  for (const std::uint8_t vk : {orvo::vk::kControl, orvo::vk::kMenu, orvo::vk::kShift}) {
    if (session.desktop.Keys().Down(vk) && !session.program.state.LatchHeld) std::abort();
  }
  return 0;
}
