// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/anthy/anthy_engine.h"

#include <anthy/anthy.h>

#include <filesystem>
#include <system_error>

#include "platform/emulated/anthy/anthy_library.h"

namespace orvo::emu {

AnthyEngine::AnthyEngine(std::shared_ptr<AnthyLibrary> library, anthy_context* context,
                         bool learning)
    : library_(std::move(library)), context_(context), learning_(learning) {}

// The context goes before library_ may stop anthy.
AnthyEngine::~AnthyEngine() { anthy_release_context(context_); }

bool AnthyEngine::SetString(ustring_view reading) {
  segments_.clear();
  if (reading.empty() || !reading_.Assign(reading)) {
    reading_.Assign(u"");
    return false;
  }
  if (anthy_set_string(context_, reading_.Utf8().c_str()) != 0) return false;
  return LoadSegments();
}

// Reads every segment anew; false (and no segments) when they do not cover
// the reading exactly, which the IME takes as a reading it cannot convert.
bool AnthyEngine::LoadSegments() {
  segments_.clear();
  anthy_conv_stat stat{};
  if (anthy_get_stat(context_, &stat) != 0) return false;
  int position = 0;
  for (int segment = 0; segment < stat.nr_segment; ++segment) {
    anthy_segment_stat segment_stat{};
    if (anthy_get_segment_stat(context_, segment, &segment_stat) != 0 ||
        segment_stat.seg_len <= 0 || segment_stat.seg_len > reading_.Length() - position) {
      segments_.clear();
      return false;
    }
    segments_.push_back(
        LoadSegment(segment, position, segment_stat.seg_len, segment_stat.nr_candidate));
    position += segment_stat.seg_len;
  }
  if (position != reading_.Length()) segments_.clear();
  return !segments_.empty();
}

AnthyEngine::Segment AnthyEngine::LoadSegment(int segment, int begin, int length,
                                              int candidates) const {
  Segment out{begin, begin + length, {}, {}};
  const ustring own = reading_.AnthyText(out.begin, out.end);
  // Candidates that keep the literals come first; both groups in anthy's order.
  std::vector<ustring> others;
  std::vector<int> others_index;
  for (int i = 0; i < candidates; ++i) {
    ustring text = SegmentText(context_, segment, i);
    if (text.empty()) continue;
    if (KeepsLiterals(own, text)) {
      out.candidates.push_back(std::move(text));
      out.anthy_index.push_back(i);
    } else {
      others.push_back(std::move(text));
      others_index.push_back(i);
    }
  }
  if (out.candidates.empty()) {
    out.candidates.push_back(own);
    out.anthy_index.push_back(NTH_UNCONVERTED_CANDIDATE);
  }
  out.candidates.insert(out.candidates.end(), others.begin(), others.end());
  out.anthy_index.insert(out.anthy_index.end(), others_index.begin(), others_index.end());
  return out;
}

SegmentStat AnthyEngine::GetSegmentStat(int segment) const {
  if (!Valid(segment)) return {};
  const Segment& s = segments_[segment];
  return {static_cast<int>(s.candidates.size()),
          reading_.ReadingUnitsBefore(s.end) - reading_.ReadingUnitsBefore(s.begin)};
}

ustring AnthyEngine::GetSegment(int segment, int candidate) const {
  if (!Valid(segment)) return {};
  const Segment& s = segments_[segment];
  if (candidate == kReading) return reading_.ReadingText(s.begin, s.end);
  if (candidate < 0 || candidate >= static_cast<int>(s.candidates.size())) return {};
  return s.candidates[candidate];
}

void AnthyEngine::ResizeSegment(int segment, int delta) {
  if (!Valid(segment) || delta == 0) return;
  const Segment& s = segments_[segment];
  const long target = static_cast<long>(reading_.ReadingUnitsBefore(s.end)) + delta;
  // The first of anthy's boundaries at or past the target, going the way of delta.
  int end = s.end;
  if (delta > 0) {
    while (end < reading_.Length() && reading_.ReadingUnitsBefore(end) < target) ++end;
    if (reading_.ReadingUnitsBefore(end) < target) return;
  } else {
    while (end > s.begin && reading_.ReadingUnitsBefore(end) > target) --end;
    if (end <= s.begin) return;
  }
  if (end == s.end) return;
  // anthy moves a segment's end by one character a call, whatever it is asked.
  const int step = end > s.end ? 1 : -1;
  for (int at = s.end; at != end; at += step) anthy_resize_segment(context_, segment, step);
  LoadSegments();
}

void AnthyEngine::CommitSegment(int segment, int candidate) {
  if (!learning_ || !Valid(segment)) return;
  const Segment& s = segments_[segment];
  if (candidate < 0 || candidate >= static_cast<int>(s.anthy_index.size())) return;
  anthy_commit_segment(context_, segment, s.anthy_index[candidate]);
}

std::unique_ptr<ConversionEngine> MakeAnthyEngine(const AnthyOptions& options, std::string* error) {
  auto fail = [error](std::string message) {
    if (error) *error = std::move(message);
    return nullptr;
  };
  if (options.data_folder.empty()) return fail("no folder was given for anthy's data");
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::absolute(options.data_folder, ec);
  if (ec) return fail("anthy's data folder " + options.data_folder + " cannot be used");
  if (options.learning) {
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
      return fail("anthy's data folder " + folder.string() + " cannot be made");
    }
  }
  std::shared_ptr<AnthyLibrary> library =
      AnthyLibrary::Start({folder.string(), options.learning, options.dictionary}, error);
  if (!library) return nullptr;
  anthy_context* context = library->NewContext();
  if (!context) return fail("anthy could not make a conversion context");
  return std::unique_ptr<ConversionEngine>(
      new AnthyEngine(std::move(library), context, options.learning));
}

}  // namespace orvo::emu
