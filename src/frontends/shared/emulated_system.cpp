// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/emulated_system.h"

#include "app/dictionary_warning.h"
#include "frontends/shared/engine_setting.h"
#include "platform/native/native_services.h"

namespace orvo::emu {

EmulatedSystem::EmulatedSystem(const SystemOptions& options, const FrontEndParts& parts)
    : code_page(options.code_page ? *options.code_page : ReadCodePageSetting(options.folder, CodePage::kLocale, files)),
      data(options.data_folder.empty() ? native::PathToUtf8(native::FindOwnDataFolder().path) : options.data_folder, files),
      ime(desktop),
      platform{parts.host, parts.screen, desktop,   desktop, desktop.Clock(), ime,
               parts.shell, parts.fonts, code_page, files,   parts.dialogs,
               parts.clipboard != nullptr ? *parts.clipboard : desktop.Clip(), desktop.Clock(),
               parts.font_files, data, {code_page, utf8_code_page, cp932_code_page}},
      program(platform),
      mozc_lost_notice_(desktop.Clock(), 1, [this] {
        mozc_lost_notice_.SetEnabled(false);
        WarnMozcLost(platform.app);
      }) {
  if (parts.clipboard != nullptr) desktop.SetClipboard(*parts.clipboard);
  if (options.kanji_conversion) StartEngine(options);
  desktop.SetConversionEngine(engine.get());
  if (engine) {
    readings = StartTextReadings({EngineChoice::kAnthy, options.folder, options.learning, options.dictionary, {}});
    program.SetTextReadings(readings.get());
  }
  // The IMEs of a code page without ゔ (CP932 among them) compose ヴ instead.
  int lost = 0;
  code_page.Encode(u"ゔ", &lost);
  desktop.SetKatakanaVu(lost > 0);
}

void EmulatedSystem::StartEngine(const SystemOptions& options) {
  EngineRequest request;
  request.choice = options.engine ? *options.engine : ReadEngineSetting(options.folder, options.default_engine, files, code_page);
  request.anthy_folder = options.folder;
  request.learning = options.learning;
  request.anthy_dictionary = options.dictionary;
  request.on_mozc_lost = [this] {
    engine_name = fallback_name_;
    ime.SetEngineName(FromUtf8(engine_name));
    mozc_lost_notice_.SetEnabled(true);
  };
  StartedEngine started = emu::StartEngine(request);
  engine = std::move(started.engine);
  engine_name = started.name;
  fallback_name_ = started.anthy_error.empty() ? "anthy" : "";
  engine_error = engine ? std::string() : started.not_built.empty() ? started.anthy_error : started.not_built;
  warn_no_engine_ = !engine && started.not_built.empty() && !engine_error.empty();
  mozc_error = started.mozc_error;
  mozc_refused_ = request.choice == EngineChoice::kMozc && engine_name != "mozc";
  ime.SetEngineName(FromUtf8(engine_name));
}

bool EmulatedSystem::StartProgram() {
  if (!program.Start()) return false;
  if (warn_no_engine_) WarnNoDictionary(platform.app);
  if (engine && mozc_refused_) WarnMozcUnusable(platform.app);
  return true;
}

}  // namespace orvo::emu
