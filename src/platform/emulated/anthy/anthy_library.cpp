// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/anthy/anthy_library.h"

#include <anthy/anthy.h>

#include <filesystem>
#include <system_error>

#include "platform/emulated/anthy/anthy_dictionary_check.h"

namespace orvo::emu {
namespace {

// anthy's personality for learning data in files; "" is its anonymous one,
// which neither reads nor writes any.
constexpr const char* kLearningPersonality = "default";
constexpr const char* kNoLearningPersonality = "";

std::weak_ptr<AnthyLibrary> g_running;
AnthyLibrary::Settings g_running_settings;
// After a failed start anthy keeps the dictionary it was given (its settings
// are dropped only by stopping a library that started), so anthy's own
// dictionary cannot be had back in this process.
std::string g_stuck_dictionary;

std::shared_ptr<AnthyLibrary> Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return nullptr;
}

}  // namespace

std::shared_ptr<AnthyLibrary> AnthyLibrary::Start(const Settings& settings, std::string* error) {
  if (std::shared_ptr<AnthyLibrary> running = g_running.lock()) {
    if (g_running_settings == settings) return running;
    return Fail(error, "anthy is already running in this program with other settings");
  }
  if (!settings.dictionary.empty()) {
    std::error_code ec;
    if (!std::filesystem::exists(settings.dictionary, ec)) {
      return Fail(error, "anthy's dictionary " + settings.dictionary + " is missing");
    }
    // Refused before anthy sees it: anthy keeps a dictionary it failed on.
    if (const std::string fault = AnthyDictionaryFault(settings.dictionary, settings.home);
        !fault.empty()) {
      return Fail(error,
                  "anthy could not load the dictionary " + settings.dictionary + ": " + fault);
    }
  } else if (!g_stuck_dictionary.empty()) {
    return Fail(error, "anthy cannot go back to its own dictionary after failing to load " +
                           g_stuck_dictionary);
  }

  // Set before every start: anthy drops its settings when it stops, and would
  // otherwise keep its data in the account's home folder.
  anthy_conf_override("HOME", settings.home.c_str());
  if (!settings.dictionary.empty()) anthy_conf_override("DIC_FILE", settings.dictionary.c_str());
  if (anthy_init() != 0) {
    g_stuck_dictionary = settings.dictionary;
    return Fail(error, settings.dictionary.empty()
                           ? "anthy could not load its dictionary (is anthy-common installed?)"
                           : "anthy could not load the dictionary " + settings.dictionary);
  }
  g_stuck_dictionary.clear();
  if (anthy_set_personality(settings.learning ? kLearningPersonality : kNoLearningPersonality) !=
      0) {
    anthy_quit();
    return Fail(error, "anthy refused its learning settings");
  }
  std::shared_ptr<AnthyLibrary> library(new AnthyLibrary());
  g_running = library;
  g_running_settings = settings;
  return library;
}

AnthyLibrary::~AnthyLibrary() { anthy_quit(); }

anthy_context* AnthyLibrary::NewContext() {
  anthy_context_t context = anthy_create_context();
  if (!context) return nullptr;
  anthy_context_set_encoding(context, ANTHY_UTF8_ENCODING);
  // Re-reading kanji or letters would change the reading's length under its
  // segments (ａ becomes えー); readings arrive as kana already.
  anthy_set_reconversion_mode(context, ANTHY_RECONVERT_DISABLE);
  return context;
}

ustring SegmentText(anthy_context* context, int segment, int candidate) {
  const int length = anthy_get_segment(context, segment, candidate, nullptr, 0);
  if (length <= 0) return {};
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  if (anthy_get_segment(context, segment, candidate, buffer.data(), length + 1) != length) return {};
  buffer.resize(static_cast<std::size_t>(length));
  return FromUtf8(buffer);
}

}  // namespace orvo::emu
