#include <gtest/gtest.h>
#include "ui/form1.h"
#include "ui/scripted_platform.h"
TEST(Smoke, Loads) {
  tessora::ScriptedPlatform p;
  tessora::Form1 f(p);
  f.Form_Load();
  EXPECT_EQ(f.w.caption, "Tessora 2.2");
}
