// SPDX-License-Identifier: GPL-3.0-or-later
// Recent-files entries as a settings file may hold them ("name\path", or
// anything at all): split, shown in the menu, reshuffled by an open, and
// chosen from the menu, through the whole program.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (std::size_t from = 0, slot = 0; from <= bytes.size() && slot < 8; ++slot) {
    std::size_t end = bytes.find('\n', from);
    if (end == std::string_view::npos) end = bytes.size();
    const orvo::ustring entry = orvo::FromUtf8(bytes.substr(from, end - from));
    const orvo::files::RecentEntry split = orvo::files::SplitEntry(entry, u'/');
    if (split.name.size() + split.path.size() > entry.size()) std::abort();
    from = end + 1;
  }
  auto session = orvo::fuzz::FreshSession();
  if (!session) return 0;
  orvo::files::RecentSlots& history = session->program.recent.History();
  std::size_t from = 0;
  for (std::size_t slot = 0; slot < history.size() && from <= bytes.size(); ++slot) {
    std::size_t end = bytes.find('\n', from);
    if (end == std::string_view::npos) end = bytes.size();
    history[slot] = orvo::FromUtf8(bytes.substr(from, end - from));
    from = end + 1;
  }
  session->program.recent.RefreshRecentFiles();
  session->program.recent.AddRecentFile(u"a.txt\\/nowhere/a.txt");
  const int item = size > 0 ? 1 + data[0] % 4 : 1;
  // Appended in steps: GCC's 32-bit optimiser misreads one long concatenation as an overlapping copy.
  std::string script = "menu mnuMRU";
  script += std::to_string(item);
  script += "\ntap Enter\ntap Enter\n";
  const orvo::script::ParsedScript parsed = orvo::script::ParseScript(script);
  session->Run(parsed.steps);
  return 0;
}
