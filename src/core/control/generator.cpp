#include "ui/form1.h"

namespace tessora {

void Form1::mCrea_click() {}
void Form1::BuildSolutionGrid() {}
void Form1::BatchCreate() {}

}  // namespace tessora
