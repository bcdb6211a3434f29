// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts as the program asks for them: whether the system has a face
// installed, making a font file usable for this run only, and the families
// the system offers.
#include <vector>

#include "platform/text.h"

namespace orvo {

class FontRegistry {
 public:
  virtual ~FontRegistry() = default;

  // The file of an installed font whose family is exactly `family`; empty
  // when the system has none. Fonts added by this program do not count.
  virtual ustring InstalledFont(ustring_view family) const = 0;
  // The folder the program's own fonts ship in; empty when there is none.
  virtual ustring FontFolder() const = 0;
  // Makes the font file usable by this program until RemoveFont; false when
  // the file holds no usable font.
  virtual bool AddFont(const ustring& path) = 0;
  // Takes an added font away again; false when it was not added.
  virtual bool RemoveFont(const ustring& path) = 0;
  // Every font family the program can use now, added fonts included, as the
  // system lists them.
  virtual std::vector<ustring> Families() const = 0;
  bool HasFamily(ustring_view family) const;
};

}  // namespace orvo
