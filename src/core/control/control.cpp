#include "ui/form1.h"

namespace tessora {

void Form1::Gioca_Click() {}
void Form1::BuildTrialTable() {}
void Form1::mNuoVal_Click() {}

}  // namespace tessora
