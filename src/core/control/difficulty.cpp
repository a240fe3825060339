#include "ui/form1.h"

namespace tessora {

void Form1::AssessDifficulty(int) {}
void Form1::mValuta_Click() {}

}  // namespace tessora
