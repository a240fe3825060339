#include <gtest/gtest.h>
#include "test_support.h"
TEST(Tmp, Six) {
  tessora::test::Harness h;
  h.platform.fileAnswers.push_back(std::string(TESSORA_FIXTURES) + "/six_rows.ss");
  h.form.Apri_Click();
  for (auto& m : h.form.shownMessages) printf("MSG [%s] %s\n", m.request.title.c_str(), m.request.text.c_str());
  for (auto& l : h.form.w.ListCons.items) printf("BB %s\n", l.c_str());
}
