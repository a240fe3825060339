// The priority walk over the method groups and the dialog that reorders them.
#include <string_view>
#include <utility>

#include "ui/form1.h"

namespace tessora {

void Form1::FindAdviceStep() { FindAdviceStep(nullptr); }

void Form1::FindAdviceStep(WindowDetectorMemory* memory) {
  // The owner of the memory has told it what changed since its last walk.
  auto run = [&](Detector d, int k) {
    if (memory) memory->Run(*this, d, k);
    else d(*this, k);
  };
  methods.Checking = true;
  methods.RecordOnly = true;
  methods.Progress = false;
  // Every cell's background is known to be white: painting them all white
  // again would change nothing. The detectors only record here, and leave
  // the backgrounds alone, except the Swordfish, which tints cells as it
  // searches; At a glance over a range of values paints every cell white.
  // A loop of walks knows it from the walk before (DetectorMemory).
  bool white = memory && memory->BacksWhite();
  for (int k = 1; k <= advice.PriorityCount; ++k) {
    const std::string& row = advice.PriorityList[k];
    if (row.size() < 2 || (row[0] == ' ' && row[1] == ' ')) break;
    const std::string_view code(row.data(), 2);
    const GroupDetectors g = DetectorsForGroup(code);
    if (g.first) {
      if (g.first == static_cast<Detector>(&FindAtGlance)) {
        if (!w.Sugge1.selected) {
          methods.GlanceFrom = 1;
          methods.GlanceTo = 9;
          run(g.first, g.k);
          white = true;
        }
      } else {
        run(g.first, g.k);
        if (g.first == static_cast<Detector>(&FindSwordfish)) white = false;
      }
      if (g.second) run(g.second, 0);
    }
    if (!white) PaintAllWhite();
    white = true;
    if (methods.Progress) break;
  }
  methods.Checking = false;
  methods.RecordOnly = false;
  if (memory) memory->SetBacksWhite(white);
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
