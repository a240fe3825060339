#include "advice/explanations.h"

#include <array>

namespace tessora {

namespace {

using enum Code;

// clang-format off
const std::array<Explanation, 18> kExplanations = {{
  {ZOB,  {"1 Cross Rows/Columns/Boxes with the",
          "  same Value: look for any Box",
          "  with just one not-excluded Cell."},                      nullptr,                          false},
  {ZOC,  {"1 Cross Rows/Columns/Boxes with the",
          "  same Value: look for any {line}",
          "  with just one not-excluded Cell."},                      nullptr,                          false},
  {USO,  {"2 Fulfill a Zone that misses",
          "  just one Cell."},                                        nullptr,                          false},
  {CFC,  {"3 Confirm a Cell showing an alone",
          "  Candidate."},                                            nullptr,                          false},
  {Xx1,  {"4 A Zone retains a Candidate only",
          "  once, but others Candidates hide it."},                  nullptr,                          false},
  {CPN,  {"5 A Zone retains Naked Twins: take",
          "  them away from its other Cells."},                       "  The Naked Twins are ",         false},
  {Xx2a, {"6 A Zone retains totally Hidden Twins:",
          "  clean up as necessary."},                                "  The Hidden Twins are ",        false},
  {Xx2b, {"6 A Zone retains partially Hidden",
          "  Twins: clean up as necessary."},                         "  The Semi-Hidden Twins are ",   false},
  {PRQ,  {"7 A Box locks a Candidate to a {line}:",
          "  clean up the {line} outside the Box."},                  nullptr,                          true},
  {PRC,  {"8 A {line} locks a Candidate to a Box",
          "  only: clean up the Box outside",
          "  that {line}."},                                          nullptr,                          true},
  {SCI3, {"9 Only 3 Candidates meet 3 Cells of",
          "  a Zone: clean up them from other",
          "  its Cells."},                                            "  The 3 Candidates are ",        true},
  {SCI4, {"10 Only 4 Candidates meet 4 Cells of",
          "  a Zone: clean up them from other",
          "  its Cells."},                                            "  The 4 Candidates are ",        true},
  {TRN,  {"11 A Zone retains Naked Triples: clean",
          "  up them from other its Cells."},                         "  The Naked Triples are ",       false},
  {HTR,  {"12 A Zone retains Hidden Triples:",
          "  clean up as necessary."},                                "  The Hidden Triples are ",      false},
  {XWN,  {"13 An X-Wing Rectangle laying on",
          "   {base}, shows on {cover} the same",
          "   Candidate of its corners."},                            nullptr,                          true},
  {SWF,  {"14 A SwordFish Butterfly laying",
          "   on {base} shows on {cover} the",
          "   same Candidate of its corners."},                       nullptr,                          true},
  {QUA,  {"15 A Zone retains Naked Quads: clean",
          "  up them from other its Cells."},                         "  The Naked Quads are ",         false},
  {HQU,  {"16 A Zone retains Hidden Quads:",
          "  clean up as necessary."},                                "  The Hidden Quads are ",        false},
}};
// clang-format on

// Replaces every "{name}" in the text by the word.
void Fill(std::string& text, const std::string& name, const std::string& word) {
  const std::string mark = "{" + name + "}";
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + word.size()))
    text.replace(at, mark.size(), word);
}

}  // namespace

const Explanation* ExplanationOf(Code code) {
  for (const Explanation& e : kExplanations)
    if (e.code == code) return &e;
  return nullptr;
}

std::vector<std::string> AdviceLines(Code code, const AdviceStepRecord& r, int adviceLevel) {
  std::vector<std::string> out;
  const Explanation* e = ExplanationOf(code);
  if (!e) return out;
  // A zone of 8 or less is a row; a step without zone reads as zone 0.
  const std::string lineWord = r.ZoneIndex() <= 8 ? "Row" : "Column";
  // A fish lies on rows when its detail is "0", on columns otherwise.
  const bool onRows = r.detail == "0";
  const std::string base = onRows ? "Rows" : "Columns";
  const std::string cover = onRows ? "Columns" : "Rows";
  for (const char* line : e->lines) {
    std::string text = line;
    Fill(text, "line", lineWord);
    Fill(text, "base", base);
    Fill(text, "cover", cover);
    out.push_back(std::move(text));
  }
  if (adviceLevel != level::Value && adviceLevel != level::Where) return out;
  if (e->detailPrefix) out.push_back(e->detailPrefix + r.detail + " ...");
  out.push_back(e->removes ? "   ... remove " + r.removed + " from ..." : "   ... write " + r.value + " in ...");
  return out;
}

const std::vector<std::string>& NoMethodLines() {
  static const std::vector<std::string> lines = {
      "17 Go with free Trials on the Scheme",
      "  or guided from \"Trial Mode\" choices.",
      "  Otherwise, from the \"Tools\" menu,",
      "  look for a \"Resolving Move\" to play;",
      "  then ask me again, if you want.",
  };
  return lines;
}

}  // namespace tessora
