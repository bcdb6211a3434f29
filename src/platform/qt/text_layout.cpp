#include "platform/qt/text_layout.h"

#include <algorithm>

namespace orvo::qt {
namespace {

// The style of each unit of the composition.
std::vector<RunStyle> PreeditStyles(const Preedit& p) {
  std::vector<RunStyle> styles(p.text.size(), RunStyle::kComposing);
  std::size_t at = 0;
  for (std::size_t i = 0; i < p.clause_lengths.size() && at < styles.size(); ++i) {
    const std::size_t end = std::min(styles.size(), at + static_cast<std::size_t>(std::max(p.clause_lengths[i], 0)));
    const RunStyle s = static_cast<int>(i) == p.focused ? RunStyle::kFocusedClause : RunStyle::kClause;
    std::fill(styles.begin() + static_cast<std::ptrdiff_t>(at), styles.begin() + static_cast<std::ptrdiff_t>(end), s);
    at = end;
  }
  return styles;
}

}  // namespace

std::vector<ViewLine> LayOutText(const ustring& text, int anchor, int caret, const Preedit& preedit) {
  const int size = static_cast<int>(text.size());
  caret = std::clamp(caret, 0, size);
  anchor = std::clamp(anchor, 0, size);
  const auto at = static_cast<std::size_t>(caret);

  ustring shown = text.substr(0, at) + preedit.text + text.substr(at);
  std::vector<RunStyle> styles(shown.size(), RunStyle::kPlain);
  const int inserted = static_cast<int>(preedit.text.size());
  const int sel_begin = std::min(anchor, caret);
  const int sel_end = std::max(anchor, caret);
  for (int i = sel_begin; i < sel_end; ++i) {
    styles[static_cast<std::size_t>(i >= caret ? i + inserted : i)] = RunStyle::kSelected;
  }
  const std::vector<RunStyle> composing = PreeditStyles(preedit);
  std::copy(composing.begin(), composing.end(), styles.begin() + static_cast<std::ptrdiff_t>(at));
  const int caret_shown = caret + (inserted > 0 ? std::clamp(preedit.caret, 0, inserted) : 0);

  std::vector<ViewLine> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = shown.find(u"\r\n", start);
    const std::size_t stop = end == ustring::npos ? shown.size() : end;
    ViewLine line;
    for (std::size_t i = start; i < stop; ++i) {
      if (line.runs.empty() || line.runs.back().style != styles[i]) line.runs.push_back({{}, styles[i]});
      line.runs.back().text.push_back(shown[i]);
    }
    if (caret_shown >= static_cast<int>(start) && caret_shown <= static_cast<int>(stop)) {
      line.caret = caret_shown - static_cast<int>(start);
    }
    lines.push_back(std::move(line));
    if (end == ustring::npos) break;
    start = end + 2;
  }
  return lines;
}

}  // namespace orvo::qt
