#include "ui/form1.h"

namespace tessora {

void CrossBoxes(Form1& f, int k) {
  (void)f;
  (void)k;
}

}  // namespace tessora
