// View > Zoom: the scale at which the window is drawn. Positions and sizes
// stay in twips; the view turns them into pixels at this scale.
#include "ui/form1.h"

namespace tessora {

bool Form1::SetZoom(int percent) {
  Control* items[] = {&w.mZoom100, &w.mZoom125, &w.mZoom150, &w.mZoom200};
  const int choices[] = {100, 125, 150, 200};
  bool known = false;
  for (int percentOf : choices) known = known || percentOf == percent;
  if (!known) return false;
  w.zoom = percent;
  for (int i = 0; i < 4; ++i) items[i]->checked = choices[i] == percent;
  return true;
}

}  // namespace tessora
