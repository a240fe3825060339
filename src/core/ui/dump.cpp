#include "ui/dump.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "ui/accessibility.h"
#include "ui/form1.h"

namespace tessora {

std::string ColourText(unsigned int c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", c);
  return buf;
}

namespace {

using Json = nlohmann::ordered_json;

// A size as the program stores it: a whole number of points as an integer.
Json SizeJson(double v) {
  if (std::floor(v) == v && std::fabs(v) < 1e15) return static_cast<long long>(v);
  return v;
}

template <typename Range>
Json Texts(const Range& items) {
  Json a = Json::array();
  for (const std::string& s : items) a.push_back(s);
  return a;
}

// A solution as the panels list it, a text per cell.
Json SolutionTexts(const SolutionDigits& solution) {
  Json a = Json::array();
  for (int c = 0; c < kCells; ++c) a.push_back(solution.Text(c));
  return a;
}

const char* ButtonsText(MsgButtons b) {
  switch (b) {
    case MsgButtons::Ok: return "ok";
    case MsgButtons::OkCancel: return "okcancel";
    case MsgButtons::YesNo: return "yesno";
  }
  return "?";
}

const char* AnswerText(MsgResult r) {
  switch (r) {
    case MsgResult::Ok: return "ok";
    case MsgResult::Cancel: return "cancel";
    case MsgResult::Yes: return "yes";
    case MsgResult::No: return "no";
  }
  return "?";
}

void WriteAccessible(Json& j, const AccessibleText& t) {
  j["accessibleName"] = t.name;
  if (!t.description.empty()) j["accessibleDescription"] = t.description;
}

void WriteControl(Json& controls, const Control& c, const Form1& f) {
  Json j;
  j["kind"] = KindName(c.kind);
  j["enabled"] = c.enabled;
  j["visible"] = c.visible;
  j["caption"] = c.caption;
  switch (c.kind) {
    case Kind::Menu:
    case Kind::CheckBox:
      j["checked"] = c.checked;
      break;
    case Kind::Option:
      j["selected"] = c.selected;
      break;
    case Kind::Combo:
    case Kind::TextBox:
      j["text"] = c.text;
      break;
    default:
      break;
  }
  if (c.kind == Kind::Menu && !c.shortcut.empty()) j["shortcut"] = c.shortcut;
  if (!c.tooltip.empty()) j["tooltip"] = c.tooltip;
  if (c.kind != Kind::Menu && c.kind != Kind::Separator && c.kind != Kind::Timer) {
    j["back"] = ColourText(c.back);
    j["fore"] = ColourText(c.fore);
    if (c.kind == Kind::Line) {
      j["x1"] = c.x1;
      j["y1"] = c.y1;
      j["x2"] = c.x2;
      j["y2"] = c.y2;
      j["width"] = c.borderWidth;
    } else {
      j["left"] = c.left;
      j["top"] = c.top;
      j["width"] = c.width;
      j["height"] = c.height;
    }
  }
  if (c.kind == Kind::Timer) j["interval"] = c.interval;
  if (c.kind == Kind::ListBox || c.kind == Kind::Combo || c.kind == Kind::Picture) j["items"] = Texts(c.items);
  if (c.kind == Kind::ListBox) j["listIndex"] = c.listIndex;
  WriteAccessible(j, ControlAccessible(f, c));
  controls[c.name] = std::move(j);
}

// A typed step: its code, its cell and zones (-1 for none), the digit it
// writes or the candidates it keeps and removes, and its pattern.
Json StepJson(const Step& s) {
  Json j;
  j["code"] = CodeText(s.code);
  j["cell"] = s.cell;
  j["zone"] = s.zone;
  j["zone2"] = s.zone2;
  j["digit"] = s.digit;
  j["keep"] = MaskDigits(s.keep);
  j["removed"] = MaskDigits(s.removed);
  std::string digits;
  for (int i = 0; i < s.digitCount; ++i) digits += static_cast<char>('0' + s.digits[i]);
  j["digits"] = digits;
  j["cells"] = std::vector<int>(s.cells.begin(), s.cells.begin() + s.cellCount);
  j["ranges"] = std::vector<int>(s.ranges.begin(), s.ranges.begin() + s.rangeCount);
  j["columns"] = s.columns;
  j["byGlance"] = s.byGlance;
  return j;
}

}  // namespace

std::string DumpState(Form1& f) {
  f.DrawCells();
  MainWindow& w = f.w;
  Json j;
  j["caption"] = w.caption;
  j["blackboard"] = Texts(w.ListCons.items);

  Json cells = Json::array();
  for (int i = 0; i < kCells; ++i) {
    const CellLabel& c = w.caN[i];
    Json cell;
    cell["caption"] = c.caption;
    cell["font"] = c.font;
    cell["size"] = SizeJson(c.size);
    cell["ink"] = ColourText(c.ink);
    cell["back"] = ColourText(c.back);
    cell["border"] = c.border;
    cell["visible"] = c.visible;
    cell["tooltip"] = c.tooltip;
    cell["left"] = c.left;
    cell["top"] = c.top;
    WriteAccessible(cell, CellAccessible(f, i));
    cells.push_back(std::move(cell));
  }
  j["cells"] = std::move(cells);

  Json controls = Json::object();
  for (const Control* c : w.Controls()) WriteControl(controls, *c, f);
  for (const auto* arr : {&w.ri, &w.co, &w.liO, &w.liV, &w.cM, &w.cv1})
    for (const Control& c : *arr) WriteControl(controls, c, f);
  j["controls"] = std::move(controls);

  Json form3;
  form3["open"] = f.form3.open;
  form3["caption"] = f.form3.caption;
  Json form3Controls = Json::object();
  for (const Control* c : f.form3.Controls()) WriteControl(form3Controls, *c, f);
  form3["controls"] = std::move(form3Controls);
  j["form3"] = std::move(form3);

  Json form4;
  form4["open"] = f.form4.open;
  form4["caption"] = f.form4.caption;
  form4["raised"] = f.form4.raised;
  Json form4Controls = Json::object();
  for (const Control* c : f.form4.Controls()) WriteControl(form4Controls, *c, f);
  form4["controls"] = std::move(form4Controls);
  j["form4"] = std::move(form4);

  Json drawing = Json::array();
  for (const Figure& g : w.drawing) {
    Json d;
    d["type"] = g.type == Figure::Circle ? "circle" : "line";
    d["x1"] = g.x1;
    d["y1"] = g.y1;
    d["x2"] = g.x2;
    d["y2"] = g.y2;
    d["radius"] = g.radius;
    d["colour"] = ColourText(g.colour);
    d["width"] = g.widthPx;
    d["filled"] = g.filled;
    drawing.push_back(std::move(d));
  }
  j["drawing"] = std::move(drawing);

  Json can = Json::array();
  for (const CandText& t : f.board.Can) can.push_back(t.Text());
  j["can"] = std::move(can);
  j["solution"] = SolutionTexts(f.board.Solution);
  j["trialSolution"] = SolutionTexts(f.board.TrialSolution);
  j["captionSnapshot"] = Texts(f.board.CaptionSnapshot);
  j["schemeLines"] = Texts(f.files.SchemeLines);
  j["schemeLines2"] = Texts(f.files.SchemeLines2);
  j["flashLines"] = Texts(f.files.FlashLines);
  Json moves = Json::array();
  for (int i = 0; i < f.control.MoveCount && i < static_cast<int>(f.control.MoveList.size()); ++i)
    moves.push_back(f.control.MoveList[i]);
  j["moves"] = std::move(moves);
  j["MethodUse"] = f.methods.MethodUse;
  j["PriorityList"] = Texts(f.advice.PriorityList);

  const AdviceStepRecord& s = f.methods.AdviceStep;
  Json step;
  step["code"] = s.code;
  step["value"] = s.value;
  step["cell"] = s.cell;
  step["zone"] = s.zone;
  step["removed"] = s.removed;
  step["detail"] = s.detail;
  step["cells"] = s.cells;
  step["zone2"] = s.zone2;
  step["fishRanges"] = s.fishRanges;
  j["adviceStep"] = std::move(step);
  j["adviceStepTyped"] = StepJson(f.advice.Shown);

  const BoardState& b = f.board;
  Json v;
  v["FilledCount"] = b.FilledCount;
  v["ErrorCount"] = b.ErrorCount;
  v["CurCell"] = b.CurCell;
  v["PrevCell"] = b.PrevCell;
  v["DataStarted"] = b.DataStarted;
  v["PlayPhase"] = b.PlayPhase;
  v["BoardBuilt"] = b.BoardBuilt;
  v["InputEnabled"] = b.InputEnabled;
  v["Consistent"] = b.Consistent;
  v["MarkState"] = b.MarkState;
  v["CursorBack"] = ColourText(b.CursorBack);
  v["MouseOverBoard"] = b.MouseOverBoard;
  v["FreezeMouse"] = b.FreezeMouse;
  v["KeyChar"] = b.KeyChar;
  v["FlashTaken"] = b.FlashTaken;
  v["DeviationCell"] = b.DeviationCell;
  v["DeviationText"] = b.DeviationText;
  v["Checking"] = f.methods.Checking;
  v["RecordOnly"] = f.methods.RecordOnly;
  v["Progress"] = f.methods.Progress;
  v["SuggestionCount"] = f.methods.SuggestionCount;
  v["TrialCount"] = f.control.TrialCount;
  v["TrialMode"] = f.control.TrialMode;
  v["TrialTotal"] = f.control.TrialTotal;
  v["TrialIndex"] = f.control.TrialIndex;
  v["ControlFailed"] = f.control.ControlFailed;
  v["Creating"] = f.control.Creating;
  v["LoadingScheme"] = f.control.LoadingScheme;
  v["AfterCancel"] = f.control.AfterCancel;
  v["CandidatesReady"] = f.control.CandidatesReady;
  v["ValueColor"] = ColourText(InkOf(f.control.ValueOrigin));
  v["MoveCount"] = f.control.MoveCount;
  v["Difficulty"] = DifficultyText(f.control.Difficulty);
  v["SchemeFile"] = f.files.SchemeFile;
  v["WorkFolder"] = f.files.WorkFolder;
  v["SchemeLineCount"] = f.files.SchemeLineCount;
  v["SchemeOnly"] = f.files.SchemeOnly;
  v["CandidatesEdited"] = f.files.CandidatesEdited;
  v["SavingScheme"] = f.files.SavingScheme;
  v["LastLine"] = f.files.LastLine;
  v["NewSchemeNo"] = f.files.NewSchemeNo;
  v["AdviceLevel"] = std::string(f.advice.AdviceLevel ? 1 : 0, static_cast<char>(f.advice.AdviceLevel));
  v["AdviceGiven"] = f.advice.AdviceGiven;
  v["WaitText"] = f.advice.WaitText;
  v["ChosenDigit"] = f.advice.ChosenDigit;
  v["PriorityCount"] = f.advice.PriorityCount;
  v["SeedIndex"] = f.gen.SeedIndex;
  v["SymmetryKind"] = f.gen.SymmetryKind;
  v["RemovedCount"] = f.gen.RemovedCount;
  v["Unloaded"] = f.unloaded;
  v["Zoom"] = w.zoom;
  j["vars"] = std::move(v);

  // The guided trial: every cell's trial text, where the trial stands, the
  // conjugated pairs and what it proved.
  const TrialState& t = f.trials;
  Json trial;
  Json texts = Json::array();
  for (const TrialCell& c : t.Trial.cells) texts.push_back(c.Text());
  trial["texts"] = std::move(texts);
  trial["phase"] = std::string(1, PhaseMark(t.Trial.phase));
  trial["step"] = t.TrialStep;
  trial["cand"] = t.TrialCand;
  trial["startCell"] = t.TrialStartCell;
  trial["result"] = t.TrialResult;
  Json queued = Json::array();
  for (int c = 0; c < kCells; ++c)
    if (t.Trial.changed[c]) queued.push_back(c);
  trial["changed"] = std::move(queued);
  Json relations = Json::array();
  for (const PairRelation& r : t.PairRelations) relations.push_back(r.Text());
  trial["relations"] = std::move(relations);
  trial["lastRelation"] = t.LastRelation;
  Json sure = Json::array();
  for (const SureMove& m : t.SureMoves) sure.push_back(m.Entry());
  trial["sureMoves"] = std::move(sure);
  trial["sureMoveText"] = t.SureMoveText;
  trial["optionCount"] = t.TrialOptionCount;
  trial["correctionCell"] = t.CorrectionCell;
  j["trial"] = std::move(trial);
  j["beeps"] = f.beeps;
  f.beeps = 0;

  Json messages = Json::array();
  for (const auto& m : f.shownMessages) {
    Json msg;
    msg["text"] = m.request.text;
    msg["title"] = m.request.title;
    msg["buttons"] = ButtonsText(m.request.buttons);
    msg["icon"] = m.request.infoIcon;
    msg["answer"] = AnswerText(m.answer);
    messages.push_back(std::move(msg));
  }
  j["messages"] = std::move(messages);
  f.shownMessages.clear();
  j["clipboard"] = f.platform.ClipboardText();

  // Texts that are not UTF-8 (a file name in Latin-1) get U+FFFD for each
  // invalid byte, so that the dump is always valid JSON.
  return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace tessora
