// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/windows_folder.h"

#include <algorithm>

namespace orvo {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

}  // namespace

ustring WindowsFolder(const Shell& shell) {
  ustring folder = shell.SystemFolder();
  folder.resize(std::min(folder.size(), folder.find(u'\0')));
  const std::size_t first = folder.find_first_not_of(u' ');
  if (first == ustring::npos) return {};
  folder = folder.substr(first, folder.find_last_not_of(u' ') - first + 1);
  // A root such as "C:\" loses its separator too, so callers always append one.
  while (folder.size() > 1 && IsSeparator(folder.back())) folder.pop_back();
  return folder;
}

}  // namespace orvo
