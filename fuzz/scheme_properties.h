// Properties that the scheme readers and writers keep for any input text. The
// fuzzer checks them on generated inputs; the core tests replay the corpus
// through the same checks.
#pragma once

#include <string>
#include <string_view>

#include "files/puzzle_text.h"
#include "files/scheme_format.h"

namespace tessora::fuzz {

inline bool RowOf(const std::string& row, std::string_view allowed) {
  if (row.size() != 9) return false;
  for (char ch : row)
    if (allowed.find(ch) == std::string_view::npos) return false;
  return true;
}

inline bool SameRows(const SchemeText& a, const SchemeText& b) { return a.count == b.count && a.rows == b.rows; }

// An empty text when every property holds, otherwise the one that failed.
inline std::string CheckSchemeProperties(std::string_view text) {
  const SchemeParse sud = ParseSud(text);
  if (sud.ok) {
    const SchemeText& s = sud.scheme;
    if (s.count != 9 && s.count != 18 && s.count != 27) return "sud: row count not 9, 18 or 27";
    for (int k = 0; k < 9; ++k)
      if (!RowOf(s.rows[k], " 123456789")) return "sud: bad value row";
    for (int k = 9; k < s.count && k < 18; ++k)
      if (!RowOf(s.rows[k], " bc")) return "sud: bad mark row";
    for (int k = s.count; k < kSchemeRows; ++k)
      if (!s.rows[k].empty()) return "sud: row past the count";
    const SchemeParse again = ParseSud(FormatSud(s.rows, s.count));
    if (!again.ok || !SameRows(again.scheme, s)) return "sud: written rows do not read back the same";
  } else if (sud.error.empty()) {
    return "sud: refused without a reason";
  }

  std::size_t lineEnds = 1;
  for (char ch : text) lineEnds += ch == '\n';
  std::size_t examined = 0;
  const SchemeParse ss = ParseSs(text, [&] { ++examined; });
  if (examined > lineEnds) return "ss: more lines examined than the text holds";
  if (ss.ok) {
    const SchemeText& s = ss.scheme;
    if (s.count != 9) return "ss: row count not 9";
    for (int k = 0; k < 9; ++k)
      if (!RowOf(s.rows[k], " 123456789")) return "ss: bad value row";
    const SchemeParse again = ParseSs(FormatSs(s.rows));
    if (!again.ok || !SameRows(again.scheme, s)) return "ss: written rows do not read back the same";
    const SchemeParse asSud = ParseSud(FormatSud(s.rows, 9));
    if (!asSud.ok || !SameRows(asSud.scheme, s)) return "ss: rows saved as .sud do not read back the same";
  } else if (ss.error.empty()) {
    return "ss: refused without a reason";
  }

  // Pasted text: one scheme of nine value rows, which reads back the same
  // from the line "Copy Scheme" writes and from its `.ss` and `.sud` texts;
  // whatever the `.ss` reader takes with nine rows of cells, it takes too.
  const SchemeParse pasted = ParsePastedScheme(text);
  if (pasted.ok) {
    const SchemeText& s = pasted.scheme;
    if (s.count != 9) return "paste: row count not 9";
    std::string line;
    for (int k = 0; k < 9; ++k) {
      if (!RowOf(s.rows[k], " 123456789")) return "paste: bad value row";
      for (char ch : s.rows[k]) line += ch == ' ' ? '.' : ch;
    }
    for (const std::string& again : {line, FormatSs(s.rows), FormatSud(s.rows, 9)}) {
      const SchemeParse p = ParsePastedScheme(again);
      if (!p.ok || !SameRows(p.scheme, s)) return "paste: the copied scheme does not paste back the same";
    }
  } else if (pasted.error.empty()) {
    return "paste: refused without a reason";
  }
  return {};
}

}  // namespace tessora::fuzz
