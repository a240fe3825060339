#include "ui/form1.h"

namespace tessora {

void NakedSingleApply(Form1& f, int) { (void)f; }
void NakedSingleRecord(Form1& f, int) { (void)f; }

}  // namespace tessora
