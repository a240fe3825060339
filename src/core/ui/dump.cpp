#include "ui/dump.h"

#include <cstdio>

#include "ui/form1.h"
#include "util/json.h"

namespace tessora {

std::string ColourText(unsigned int c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", c);
  return buf;
}

namespace {

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

void WriteControl(JsonWriter& j, const Control& c) {
  j.Key(c.name).BeginObject();
  j.Key("kind").String(KindName(c.kind));
  j.Key("enabled").Bool(c.enabled);
  j.Key("visible").Bool(c.visible);
  j.Key("caption").String(c.caption);
  switch (c.kind) {
    case Kind::Menu:
    case Kind::CheckBox:
      j.Key("checked").Bool(c.checked);
      break;
    case Kind::Option:
      j.Key("selected").Bool(c.selected);
      break;
    case Kind::Combo:
    case Kind::TextBox:
      j.Key("text").String(c.text);
      break;
    default:
      break;
  }
  if (c.kind == Kind::Menu && !c.shortcut.empty()) j.Key("shortcut").String(c.shortcut);
  if (!c.tooltip.empty()) j.Key("tooltip").String(c.tooltip);
  if (c.kind != Kind::Menu && c.kind != Kind::Separator && c.kind != Kind::Timer) {
    j.Key("back").String(ColourText(c.back));
    j.Key("fore").String(ColourText(c.fore));
    if (c.kind == Kind::Line) {
      j.Key("x1").Int(c.x1).Key("y1").Int(c.y1).Key("x2").Int(c.x2).Key("y2").Int(c.y2);
      j.Key("width").Int(c.borderWidth);
    } else {
      j.Key("left").Int(c.left).Key("top").Int(c.top).Key("width").Int(c.width).Key("height").Int(c.height);
    }
  }
  if (c.kind == Kind::Timer) j.Key("interval").Int(c.interval);
  if (c.kind == Kind::ListBox || c.kind == Kind::Combo || c.kind == Kind::Picture) j.Key("items").Strings(c.items);
  if (c.kind == Kind::ListBox) j.Key("listIndex").Int(c.listIndex);
  j.EndObject();
}

}  // namespace

std::string DumpState(Form1& f) {
  JsonWriter j;
  MainWindow& w = f.w;
  j.BeginObject();
  j.Key("caption").String(w.caption);
  j.Key("blackboard").Strings(w.ListCons.items);

  j.Key("cells").BeginArray();
  for (const CellLabel& c : w.caN) {
    j.BeginObject();
    j.Key("caption").String(c.caption);
    j.Key("font").String(c.font);
    j.Key("size").Number(c.size);
    j.Key("ink").String(ColourText(c.ink));
    j.Key("back").String(ColourText(c.back));
    j.Key("border").Bool(c.border);
    j.Key("visible").Bool(c.visible);
    j.Key("tooltip").String(c.tooltip);
    j.Key("left").Int(c.left).Key("top").Int(c.top);
    j.EndObject();
  }
  j.EndArray();

  j.Key("controls").BeginObject();
  for (const Control* c : w.Controls()) WriteControl(j, *c);
  for (const auto* arr : {&w.ri, &w.co, &w.liO, &w.liV, &w.cM, &w.cv1})
    for (const Control& c : *arr) WriteControl(j, c);
  j.EndObject();

  j.Key("form3").BeginObject();
  j.Key("open").Bool(f.form3.open);
  j.Key("caption").String(f.form3.caption);
  j.Key("controls").BeginObject();
  for (const Control* c : f.form3.Controls()) WriteControl(j, *c);
  j.EndObject();
  j.EndObject();

  j.Key("form4").BeginObject();
  j.Key("open").Bool(f.form4.open);
  j.Key("caption").String(f.form4.caption);
  j.Key("raised").Int(f.form4.raised);
  j.Key("controls").BeginObject();
  for (const Control* c : f.form4.Controls()) WriteControl(j, *c);
  j.EndObject();
  j.EndObject();

  j.Key("drawing").BeginArray();
  for (const Figure& g : w.drawing) {
    j.BeginObject();
    j.Key("type").String(g.type == Figure::Circle ? "circle" : "line");
    j.Key("x1").Int(g.x1).Key("y1").Int(g.y1).Key("x2").Int(g.x2).Key("y2").Int(g.y2);
    j.Key("radius").Int(g.radius);
    j.Key("colour").String(ColourText(g.colour));
    j.Key("width").Int(g.widthPx);
    j.Key("filled").Bool(g.filled);
    j.EndObject();
  }
  j.EndArray();

  j.Key("can").BeginArray();
  for (const CandText& t : f.board.Can) j.String(t.Text());
  j.EndArray();
  j.Key("solution").Strings(f.board.Solution);
  j.Key("trialSolution").Strings(f.board.TrialSolution);
  j.Key("captionSnapshot").Strings(f.board.CaptionSnapshot);
  j.Key("schemeLines").Strings(f.files.SchemeLines);
  j.Key("schemeLines2").Strings(f.files.SchemeLines2);
  j.Key("flashLines").Strings(f.files.FlashLines);
  j.Key("moves").BeginArray();
  for (int i = 1; i <= f.control.MoveCount && i < static_cast<int>(f.control.MoveList.size()); ++i)
    j.String(f.control.MoveList[i]);
  j.EndArray();
  j.Key("MethodUse").BeginArray();
  for (int v : f.methods.MethodUse) j.Int(v);
  j.EndArray();
  j.Key("PriorityList").Strings(f.advice.PriorityList);

  const AdviceStepRecord& s = f.methods.AdviceStep;
  j.Key("adviceStep").BeginObject();
  j.Key("code").String(s.code).Key("value").String(s.value).Key("cell").String(s.cell);
  j.Key("zone").String(s.zone).Key("removed").String(s.removed).Key("detail").String(s.detail);
  j.Key("cells").String(s.cells).Key("zone2").String(s.zone2);
  j.Key("fishRanges").BeginArray();
  for (int v : s.fishRanges) j.Int(v);
  j.EndArray();
  j.EndObject();

  const BoardState& b = f.board;
  j.Key("vars").BeginObject();
  j.Key("FilledCount").Int(b.FilledCount);
  j.Key("ErrorCount").Int(b.ErrorCount);
  j.Key("CurCell").Int(b.CurCell);
  j.Key("PrevCell").Int(b.PrevCell);
  j.Key("DataStarted").Bool(b.DataStarted);
  j.Key("PlayPhase").Bool(b.PlayPhase);
  j.Key("BoardBuilt").Bool(b.BoardBuilt);
  j.Key("InputEnabled").Bool(b.InputEnabled);
  j.Key("Consistent").Bool(b.Consistent);
  j.Key("MarkState").Int(b.MarkState);
  j.Key("CursorBack").String(ColourText(b.CursorBack));
  j.Key("MouseOverBoard").Bool(b.MouseOverBoard);
  j.Key("FreezeMouse").Bool(b.FreezeMouse);
  j.Key("KeyChar").String(b.KeyChar);
  j.Key("FlashTaken").Bool(b.FlashTaken);
  j.Key("DeviationCell").Int(b.DeviationCell);
  j.Key("DeviationText").String(b.DeviationText);
  j.Key("Checking").Bool(f.methods.Checking);
  j.Key("RecordOnly").Bool(f.methods.RecordOnly);
  j.Key("Progress").Bool(f.methods.Progress);
  j.Key("SuggestionCount").Int(f.methods.SuggestionCount);
  j.Key("TrialCount").Int(f.control.TrialCount);
  j.Key("TrialMode").Bool(f.control.TrialMode);
  j.Key("TrialTotal").Int(f.control.TrialTotal);
  j.Key("TrialIndex").Int(f.control.TrialIndex);
  j.Key("ControlFailed").Bool(f.control.ControlFailed);
  j.Key("Creating").Bool(f.control.Creating);
  j.Key("LoadingScheme").Bool(f.control.LoadingScheme);
  j.Key("AfterCancel").Bool(f.control.AfterCancel);
  j.Key("CandidatesReady").Bool(f.control.CandidatesReady);
  j.Key("ValueColor").String(ColourText(f.control.ValueColor));
  j.Key("MoveCount").Int(f.control.MoveCount);
  j.Key("Difficulty").String(f.control.Difficulty);
  j.Key("SchemeFile").String(f.files.SchemeFile);
  j.Key("WorkFolder").String(f.files.WorkFolder);
  j.Key("SchemeLineCount").Int(f.files.SchemeLineCount);
  j.Key("SchemeOnly").Bool(f.files.SchemeOnly);
  j.Key("CandidatesEdited").Bool(f.files.CandidatesEdited);
  j.Key("SavingScheme").Bool(f.files.SavingScheme);
  j.Key("LastLine").Int(f.files.LastLine);
  j.Key("NewSchemeNo").Int(f.files.NewSchemeNo);
  j.Key("AdviceLevel").Int(f.advice.AdviceLevel);
  j.Key("PriorityCount").Int(f.advice.PriorityCount);
  j.Key("SeedIndex").Int(f.gen.SeedIndex);
  j.Key("SymmetryKind").Int(f.gen.SymmetryKind);
  j.Key("RemovedCount").Int(f.gen.RemovedCount);
  j.Key("Unloaded").Bool(f.unloaded);
  j.Key("Zoom").Int(w.zoom);
  j.EndObject();

  j.Key("messages").BeginArray();
  for (const auto& m : f.shownMessages) {
    j.BeginObject();
    j.Key("text").String(m.request.text);
    j.Key("title").String(m.request.title);
    j.Key("buttons").String(ButtonsText(m.request.buttons));
    j.Key("icon").Bool(m.request.infoIcon);
    j.Key("answer").String(AnswerText(m.answer));
    j.EndObject();
  }
  j.EndArray();
  f.shownMessages.clear();

  j.EndObject();
  return j.str();
}

}  // namespace tessora
