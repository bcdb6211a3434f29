// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/state_file.h"

#include "frontends/win32/win32_api.h"

#include <algorithm>
#include "platform/win32/wide_text.h"
#include "settings/settings_texts.h"

namespace orvo::win32 {

nlohmann::json ModifierState(const Keyboard& keyboard) {
  struct Modifier {
    const char* name;
    std::uint8_t vk;
  };
  static constexpr Modifier kModifiers[] = {{"shift", VK_SHIFT}, {"control", VK_CONTROL}, {"alt", VK_MENU}};
  nlohmann::json program = nlohmann::json::object();
  nlohmann::json system = nlohmann::json::object();
  for (const Modifier& m : kModifiers) {
    program[m.name] = keyboard.IsDown(m.vk);
    system[m.name] = (GetAsyncKeyState(m.vk) & 0x8000) != 0;
  }
  return {{"program", program}, {"system", system}};
}

nlohmann::json BrailleFaceListed(const FontRegistry& fonts) {
  const std::vector<ustring> families = fonts.Families();
  return std::find(families.begin(), families.end(), settings::text::kBrailleFontFace) != families.end();
}

nlohmann::json KeyboardPlace() {
  HWND foreground = GetForegroundWindow();
  wchar_t title[512] = {};
  if (foreground != nullptr) GetWindowTextW(foreground, title, 512);
  return {{"foreground", ToUtf8(FromWide(title))}, {"focus_here", GetFocus() != nullptr}};
}

bool ReplaceFileWhole(const std::string& path, const std::string& bytes) {
  const std::wstring target = Wide(FromUtf8(path));
  const std::wstring temporary = target + L".new";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  if (!ok || !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

StateFile::StateFile(std::function<nlohmann::json()> dump, std::string path)
    : dump_(std::move(dump)), path_(std::move(path)) {}

bool StateFile::Write() {
  last_ = dump_().dump(2) + "\n";
  if (!ReplaceFileWhole(path_, last_)) return false;
  ++written_;
  return true;
}

bool StateFile::WriteIfChanged() {
  const std::string now = dump_().dump(2) + "\n";
  if (now == last_) return true;
  last_ = now;
  if (!ReplaceFileWhole(path_, last_)) return false;
  ++written_;
  return true;
}

}  // namespace orvo::win32
