// The priority walk over the method groups and the dialog that reorders them.
#include <string_view>
#include <utility>

#include "control/solving.h"
#include "ui/form1.h"

namespace tessora {

Step Form1::FindAdviceStep(DetectorMemory* memory) {
  methods.Checking = true;
  methods.RecordOnly = true;
  Scope scope;
  scope.pause = {[](void* form) { static_cast<Form1*>(form)->DoEvents(); }, this};
  const WalkResult r = WalkPriority(board, UserPriorityOrder(), w.Sugge1.selected, memory, scope);
  if (r.ranHatching) {
    methods.GlanceFrom = 1;
    methods.GlanceTo = 9;
  }
  for (int i = 0; i < r.foundCount; ++i) WriteRecord(methods.AdviceStep, r.found[i]);
  methods.Progress = r.foundCount > 0;
  // Every cell goes back to white after each group the walk looked at.
  if (r.visitedGroup) PaintAllWhite();
  methods.Checking = false;
  methods.RecordOnly = false;
  return r.step;
}

void Form1::mOpzio_click() {
  form3.open = true;
  Form3_Load();
}

void Form1::FillPrioList() {
  form3.Prio.items.clear();
  form3.Prio.listIndex = -1;
  for (int r = 0; r <= advice.PriorityCount; ++r) {
    if (advice.PriorityList[r].empty()) break;
    form3.Prio.items.push_back(advice.PriorityList[r]);
  }
}

void Form1::Form3_Load() {
  FillPrioList();
  form3.portaSu.enabled = false;
  form3.portaGiu.enabled = false;
}

void Form1::Prio_Click() {
  form3.portaSu.enabled = false;
  form3.portaGiu.enabled = false;
  const int sel = form3.Prio.listIndex;
  const std::string text =
      sel >= 0 && sel < static_cast<int>(form3.Prio.items.size()) ? form3.Prio.items[sel] : std::string();
  int i = 0;
  for (int r = 1; r <= advice.PriorityCount; ++r)
    if (advice.PriorityList[r] == text) {
      i = r;
      break;
    }
  advice.PrioIndex = i;
  if (i > 1) form3.portaSu.enabled = true;
  if (i > 0 && i < advice.PriorityCount) form3.portaGiu.enabled = true;
}

void Form1::portaSu_Click() {
  int& i = advice.PrioIndex;
  if (i < 2) return;
  std::swap(advice.PriorityList[i - 1], advice.PriorityList[i]);
  FillPrioList();
  i -= 1;
  if (i < advice.PriorityCount) form3.portaGiu.enabled = true;
  if (i == 1) form3.portaSu.enabled = false;
  form3.Prio.listIndex = i;
  Prio_Click();
}

void Form1::portaGiu_Click() {
  int& i = advice.PrioIndex;
  if (i < 1 || i >= advice.PriorityCount) return;
  std::swap(advice.PriorityList[i], advice.PriorityList[i + 1]);
  FillPrioList();
  i += 1;
  if (i > 1) form3.portaSu.enabled = true;
  if (i == advice.PriorityCount) form3.portaGiu.enabled = false;
  form3.Prio.listIndex = i;
  Prio_Click();
}

void Form1::faiStd_Click() {
  auto& list = advice.PriorityList;
  bool swapped = true;
  while (swapped) {
    DoEvents();
    swapped = false;
    for (int j = 1; j < advice.PriorityCount; ++j)
      if (list[j] > list[j + 1]) {
        std::swap(list[j], list[j + 1]);
        swapped = true;
        break;
      }
  }
  FillPrioList();
}

void Form1::faiEsci_Click() { form3.open = false; }

}  // namespace tessora
