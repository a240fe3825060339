#include "ui/form1.h"

namespace tessora {

void Form1::Apri_Click() {}
void Form1::Salva_Click() {}

}  // namespace tessora
