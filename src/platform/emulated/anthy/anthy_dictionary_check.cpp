// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/anthy/anthy_dictionary_check.h"

#include <anthy/anthy.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <vector>

namespace orvo::emu {
namespace {

// The file opens with a table of sections: a count, then per section the
// offset and length of its name and the offset of its contents, all 32-bit
// big-endian; contents start on 64-byte boundaries, in order.
constexpr std::uint32_t kMaxSections = 64;
constexpr std::uint32_t kSectionAlignment = 64;
constexpr std::uint32_t kMaxNameLength = 64;
constexpr const char* kWordSection = "word_dic";
constexpr std::uintmax_t kHeadBytes = 16 * 1024;

// Readings the trial converts: each looks words up in every part of the dictionary.
constexpr const char* kTrialReadings[] = {"わたしはにほんごをかきます", "かんじ", "ぱそこん"};
constexpr int kTrialSeconds = 20;

std::uint32_t BigEndian(const std::vector<unsigned char>& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
         std::uint32_t{bytes[at + 2]} << 8 | std::uint32_t{bytes[at + 3]};
}

struct Section {
  std::string name;
  std::uint32_t contents = 0;
};

// `bytes` is the file's beginning, `file_size` its whole length.
std::string ReadTable(const std::vector<unsigned char>& bytes, std::uintmax_t file_size,
                      std::vector<Section>& sections) {
  const std::size_t size = bytes.size();
  if (size < 4) return "it is too short to be a dictionary";
  const std::uint32_t count = BigEndian(bytes, 0);
  if (count == 0 || count > kMaxSections || 4 + std::size_t{count} * 12 > size) {
    return "it does not begin with a table of sections";
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t row = 4 + std::size_t{i} * 12;
    const std::uint32_t name = BigEndian(bytes, row);
    const std::uint32_t name_length = BigEndian(bytes, row + 4);
    const std::uint32_t contents = BigEndian(bytes, row + 8);
    if (name_length == 0 || name_length > kMaxNameLength ||
        name + std::size_t{name_length} > size) {
      return "a section's name lies outside the file";
    }
    const std::uint32_t previous = sections.empty() ? 0 : sections.back().contents;
    if (contents % kSectionAlignment != 0 || contents <= previous || contents >= file_size) {
      return "a section lies outside the file (is it cut short?)";
    }
    sections.push_back(
        {std::string(bytes.begin() + name, bytes.begin() + name + name_length), contents});
  }
  const auto has = [&sections](std::string_view name) {
    return std::any_of(sections.begin(), sections.end(),
                       [name](const Section& s) { return s.name == name; });
  };
  if (!has(kWordSection)) return "it has no word section";
  return {};
}

// Sections whose length their own header gives: a count at byte 4 of a
// 64-byte header, then that many entries. The last of them ends the file, so
// a file cut short shows here.
struct ArraySection {
  std::string_view name;
  std::uint32_t entry_bytes;
};
constexpr ArraySection kArraySections[] = {{"corpus_bucket", 8}, {"corpus_array", 8}};
constexpr std::uint32_t kArrayHeaderBytes = 64;

std::string ArrayFault(std::ifstream& in, const std::vector<Section>& sections,
                       std::uintmax_t file_size) {
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const auto kind =
        std::find_if(std::begin(kArraySections), std::end(kArraySections),
                     [&](const ArraySection& a) { return a.name == sections[i].name; });
    if (kind == std::end(kArraySections)) continue;
    const std::uintmax_t end = i + 1 < sections.size() ? sections[i + 1].contents : file_size;
    std::vector<unsigned char> header(8);
    in.seekg(static_cast<std::streamoff>(sections[i].contents));
    in.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    if (!in || std::uintmax_t{kArrayHeaderBytes} +
                       std::uintmax_t{BigEndian(header, 4)} * kind->entry_bytes >
                   end - sections[i].contents) {
      return "its section " + sections[i].name + " is cut short";
    }
  }
  return {};
}

// Child side: loads and converts, then says so by one byte on `out`.
[[noreturn]] void Trial(const std::string& path, const std::string& home, int out) {
  anthy_conf_override("HOME", home.c_str());
  anthy_conf_override("DIC_FILE", path.c_str());
  bool ok = anthy_init() == 0 && anthy_set_personality("") == 0;
  anthy_context_t context = ok ? anthy_create_context() : nullptr;
  ok = context != nullptr;
  if (ok) {
    anthy_context_set_encoding(context, ANTHY_UTF8_ENCODING);
    for (const char* reading : kTrialReadings) {
      anthy_conv_stat stat{};
      ok = ok && anthy_set_string(context, reading) == 0 && anthy_get_stat(context, &stat) == 0 &&
           stat.nr_segment > 0;
    }
  }
  const char answer = ok ? 'y' : 'n';
  [[maybe_unused]] const ssize_t written = write(out, &answer, 1);
  _exit(0);
}

// anthy tried in a child process, where a crash or a hang takes only the child.
std::string TrialFault(const std::string& path, const std::string& home) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return "it could not be tried";
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_ends[0]);
    Trial(path, home, pipe_ends[1]);
  }
  close(pipe_ends[1]);
  if (child < 0) {
    close(pipe_ends[0]);
    return "it could not be tried";
  }
  pollfd reader{pipe_ends[0], POLLIN, 0};
  char answer = 0;
  const bool answered =
      poll(&reader, 1, kTrialSeconds * 1000) == 1 && read(pipe_ends[0], &answer, 1) == 1;
  close(pipe_ends[0]);
  if (!answered) kill(child, SIGKILL);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!answered) return "anthy failed on it";
  if (answer != 'y') return "anthy cannot convert with it";
  return {};
}

}  // namespace

std::string AnthyDictionaryFault(const std::string& path, const std::string& home) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return "it is missing";
  if (!std::filesystem::is_regular_file(path, ec)) return "it is not a file";
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) return "it cannot be read";
  // The table and its names lie in the first few kilobytes.
  std::vector<unsigned char> head(
      static_cast<std::size_t>(std::min<std::uintmax_t>(size, kHeadBytes)));
  in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  if (in.gcount() != static_cast<std::streamsize>(head.size())) return "it cannot be read";
  std::vector<Section> sections;
  if (std::string fault = ReadTable(head, size, sections); !fault.empty()) return fault;
  if (std::string fault = ArrayFault(in, sections, size); !fault.empty()) return fault;
  return TrialFault(path, home);
}

}  // namespace orvo::emu
