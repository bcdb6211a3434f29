// SPDX-License-Identifier: GPL-3.0-or-later
// orvo.exe: the editor on Windows.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "frontends/script/script_source.h"
#include "frontends/script/state_dump.h"
#include "frontends/shared/options.h"
#include "frontends/win32/script_runner.h"
#include "frontends/win32/state_file.h"
#include "platform/win32/wide_text.h"
#include "frontends/win32/win32_api.h"
#include <objbase.h>   // after windows.h
#include <shellapi.h>  // after windows.h
#include "frontends/win32/win32_session.h"
#include "frontends/win32/window_texts.h"
#include "platform/native/data_folder.h"

namespace {

namespace texts = orvo::win32::window_texts;

// The window's own options, beside the ones every program of Orvo takes.
constexpr orvo::options::OptionRow kOwnOptions[] = {
    {"--script", true},      // a key script played after start (checks, screenshots)
    {"--dump-state", true},  // the state as JSON, kept up to date while running and written at the end
};

// How often the state file follows the program while it runs.
constexpr UINT kStateEveryMs = 100;

orvo::win32::StateFile* g_state_file = nullptr;

void CALLBACK StateTick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_state_file != nullptr) g_state_file->WriteIfChanged();
}

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(orvo::ToUtf8(orvo::win32::FromWide(words[i])));
  if (words != nullptr) LocalFree(words);
  return args;
}

// A program without a console answers --help and says what went wrong in
// the console it was started from (or into the files it was given).
void UseParentConsole() {
  if (AttachConsole(ATTACH_PARENT_PROCESS)) {
    for (DWORD which : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
      HANDLE now = GetStdHandle(which);
      if (now != nullptr && now != INVALID_HANDLE_VALUE) continue;
      HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
      if (console != INVALID_HANDLE_VALUE) SetStdHandle(which, console);
    }
  }
  orvo::native::UseConsoleStreams();
}

// One of the texts' printf formats with its one word.
std::string Formatted(const char* format, const std::string& word) {
  const int size = std::snprintf(nullptr, 0, format, word.c_str());
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, word.c_str());
  out.pop_back();
  return out;
}

bool MakeFolder(const std::string& folder) {
  const std::wstring path = orvo::win32::Wide(orvo::FromUtf8(folder));
  return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

void Say(const orvo::ustring& text) {
  MessageBoxW(nullptr, orvo::win32::Wide(text).c_str(), orvo::win32::Wide(texts::kBoxTitle).c_str(),
              MB_OK | MB_ICONSTOP);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const auto line = orvo::options::ParseCommandLine(Arguments(), kOwnOptions);
  UseParentConsole();
  if (line.help || line.version || line.Wrong()) {
    if (line.Wrong()) {
      std::cerr << orvo::options::WrongText(line, texts::kProgramNameNarrow) << std::flush;
      return 2;
    }
    if (line.help) std::cout << texts::kUsage;
    if (line.version) std::cout << Formatted(texts::kVersionLine, std::string(orvo::native::ProgramVersion()));
    std::cout.flush();
    return 0;
  }
  std::vector<orvo::script::ScriptStep> steps;
  const std::string script_path = line.Value("--script");
  if (line.Has("--script")) {
    const auto text = orvo::script::ReadScriptFile(script_path);
    if (!text) {
      std::cerr << Formatted(texts::kCannotReadScript, script_path) << std::flush;
      return 2;
    }
    auto parsed = orvo::script::ParseOrReport(*text, script_path, std::cerr);
    if (!parsed) return 2;
    steps = std::move(*parsed);
  }

  SetProcessDPIAware();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  orvo::win32::Win32SessionOptions options;
  options.folder = line.folder.empty() ? orvo::ToUtf8(orvo::win32::Win32Host::ProgramFolder()) : line.folder;
  if (options.folder.empty() || !MakeFolder(options.folder)) {
    Say(texts::kNoProgramFolder);
    return 1;
  }
  const auto data = orvo::native::FindOwnDataFolder();
  options.data_folder = data.path.string();
  // The words that are not options are one path, joined by spaces (so a path with spaces needs no quotes).
  std::string file;
  for (const std::string& word : line.words) file += (file.empty() ? "" : " ") + word;
  options.command_line = orvo::FromUtf8(file);
  options.code_page = line.code_page;

  int status = 0;
  {
    orvo::win32::Win32Session session(options);
    std::unique_ptr<orvo::win32::StateFile> state;
    UINT_PTR state_timer = 0;
    if (line.Has("--dump-state")) {
      state = std::make_unique<orvo::win32::StateFile>(
          [&session] {
            nlohmann::json now = orvo::script::DumpState(session.Observed());
            now["modifiers"] = orvo::win32::ModifierState(session.keyboard);
            now["keyboard"] = orvo::win32::KeyboardPlace();
            now["braille_face_listed"] = orvo::win32::BrailleFaceListed(session.font_files);
            return now;
          },
          line.Value("--dump-state"));
      g_state_file = state.get();
      state_timer = SetTimer(nullptr, 0, kStateEveryMs, StateTick);
    }
    std::unique_ptr<orvo::win32::ScriptRunner> runner;
    bool script_failed = false;
    // The script plays from the start on: boxes the start-up shows take its keys as a person's would.
    if (line.Has("--script")) {
      runner = std::make_unique<orvo::win32::ScriptRunner>(session, std::move(steps), [&state] {
        // The state as the script left it is in the file before the word that it is done.
        if (state) state->Write();
        std::cerr << texts::kScriptDone << std::flush;
      });
      runner->SetOnFailure([&script_failed, &script_path](int at, const std::string& message) {
        script_failed = true;
        std::cerr << script_path << ":" << at << ": " << message << "\n" << std::flush;
      });
      runner->Start();
    }
    if (session.Start()) status = session.Run();
    if (runner) runner->Finish();
    if (state_timer != 0) KillTimer(nullptr, state_timer);
    g_state_file = nullptr;
    // The last state is written however the run ends, a refused start included.
    if (state && !state->Write()) {
      std::cerr << Formatted(texts::kCannotWriteState, line.Value("--dump-state")) << std::flush;
      if (status == 0) status = 1;
    }
    if (status == 0 && script_failed) status = 1;
  }
  CoUninitialize();
  return status;
}
