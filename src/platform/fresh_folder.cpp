// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fresh_folder.h"

#include <random>
#include <string>
#include <system_error>

namespace orvo {
namespace {

namespace fs = std::filesystem;

constexpr int kAttempts = 100;
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace

FreshFolder::FreshFolder(std::string_view prefix) {
  std::error_code ec;
  const fs::path temp = fs::temp_directory_path(ec);
  if (ec) return;
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::string name(prefix);
    for (int i = 0; i < 10; ++i) name += kLetters[pick(random)];
    const fs::path candidate = temp / name;
    if (fs::create_directory(candidate, ec)) {
      // Closed to others before anything is put in it (where the system has such rights).
      fs::permissions(candidate, fs::perms::owner_all, fs::perm_options::replace, ec);
      path_ = candidate;
      return;
    }
    if (ec) return;  // not a name taken already: no other name will do better
  }
}

FreshFolder::~FreshFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(path_, ec);
  if (!ec) return;
  // Something in it was made read-only (on Windows that stops its removal): writable again, then once more.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it); it.increment(ec)) {
    std::error_code ignored;
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ec);
}

}  // namespace orvo
