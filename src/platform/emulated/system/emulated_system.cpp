#include "platform/emulated/system/emulated_system.h"

#include "app/dictionary_warning.h"
#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/anthy/anthy_reverse.h"
#include "platform/posix/data_folder.h"

namespace orvo::emu {

EmulatedSystem::EmulatedSystem(const SystemOptions& options, const FrontEndParts& parts)
    : engine(options.kanji_conversion
                 ? MakeAnthyEngine({options.folder, options.learning, options.dictionary},
                                   &engine_error)
                 : nullptr),
      code_page(options.locale_code_page ? CodePage::kLocale : CodePage::kCp932),
      data(options.data_folder.empty() ? posix::FindOwnDataFolder().path.string() : options.data_folder, files),
      ime(desktop),
      platform{parts.host, parts.screen, desktop,   desktop, desktop.Clock(), ime,
               parts.shell, parts.fonts, code_page, files,   parts.dialogs,
               parts.clipboard != nullptr ? *parts.clipboard : desktop.Clip(), desktop.Clock(),
               parts.font_files, data},
      program(platform) {
  if (parts.clipboard != nullptr) desktop.SetClipboard(*parts.clipboard);
  if (!options.kanji_conversion) engine_error.clear();
  desktop.SetConversionEngine(engine.get());
  if (engine) {
    std::string ignored;  // without readings the review key describes a line instead
    readings = MakeAnthyReverse({options.folder, options.learning, options.dictionary}, &ignored);
    program.SetTextReadings(readings.get());
  }
  // The IMEs of a code page without ゔ (CP932 among them) compose ヴ instead.
  int lost = 0;
  code_page.Encode(u"ゔ", &lost);
  desktop.SetKatakanaVu(lost > 0);
}

bool EmulatedSystem::StartProgram() {
  if (!program.Start()) return false;
  if (!engine && !engine_error.empty()) WarnNoDictionary(platform.app);
  return true;
}

}  // namespace orvo::emu
