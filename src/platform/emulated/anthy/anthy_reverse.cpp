// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/anthy/anthy_reverse.h"

#include <anthy/anthy.h>

#include <filesystem>

#include "platform/emulated/anthy/anthy_library.h"

namespace orvo::emu {

AnthyReverse::AnthyReverse(std::shared_ptr<AnthyLibrary> library, anthy_context* context)
    : library_(std::move(library)), context_(context) {}

// The context goes before library_ may stop anthy.
AnthyReverse::~AnthyReverse() { anthy_release_context(context_); }

ustring AnthyReverse::ReadingOf(ustring_view text) {
  if (text.empty() || text.find(u'\0') != ustring_view::npos) return {};
  const std::string utf8 = ToUtf8(text);
  if (FromUtf8(utf8) != text) return {};  // a lone surrogate
  if (anthy_set_string(context_, utf8.c_str()) != 0) return {};
  anthy_conv_stat stat{};
  if (anthy_get_stat(context_, &stat) != 0) return {};
  ustring reading;
  for (int segment = 0; segment < stat.nr_segment; ++segment) {
    const ustring part = SegmentText(context_, segment, NTH_UNCONVERTED_CANDIDATE);
    if (part.empty()) return {};
    reading += part;
  }
  return reading;
}

std::unique_ptr<TextReadings> MakeAnthyReverse(const AnthyOptions& options, std::string* error) {
  // The engine's settings exactly, its folder made absolute the same way.
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::absolute(options.data_folder, ec);
  if (options.data_folder.empty() || ec) {
    if (error) *error = "anthy's data folder " + options.data_folder + " cannot be used";
    return nullptr;
  }
  std::shared_ptr<AnthyLibrary> library =
      AnthyLibrary::Start({folder.string(), options.learning, options.dictionary}, error);
  if (!library) return nullptr;
  anthy_context* context = library->NewContext();
  if (!context) {
    if (error) *error = "anthy could not make a context";
    return nullptr;
  }
  anthy_set_reconversion_mode(context, ANTHY_RECONVERT_ALWAYS);
  return std::unique_ptr<TextReadings>(new AnthyReverse(std::move(library), context));
}

}  // namespace orvo::emu
