// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the program may ask of a desktop, handed to it in one piece.
#include "platform/app_host.h"
#include "platform/calendar.h"
#include "platform/clipboard.h"
#include "platform/code_page.h"
#include "platform/common_dialogs.h"
#include "platform/file_system.h"
#include "platform/font_metrics.h"
#include "platform/font_registry.h"
#include "platform/ime_service.h"
#include "platform/keyboard.h"
#include "platform/program_data.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/timer.h"
#include "platform/windowing.h"

namespace orvo {

struct Platform {
  AppHost& app;
  Screen& screen;
  Keyboard& keyboard;
  Windowing& windowing;
  TimerService& timers;
  ImeService& ime;
  Shell& shell;
  FontMetrics& fonts;
  SystemCodePage& code_page;
  FileSystem& files;
  CommonDialogs& dialogs;
  Clipboard& clipboard;
  Calendar& calendar;
  FontRegistry& font_files;
  ProgramData& data;
  FileCodePages file_code_pages;  // standard is code_page
};

}  // namespace orvo
