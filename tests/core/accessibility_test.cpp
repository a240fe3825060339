// What a screen reader says of the window: the names and descriptions of the
// cells in each state and of the controls whose captions alone do not say it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "test_support.h"
#include "ui/accessibility.h"
#include "ui/dump.h"

namespace tessora {
namespace {

const std::string kClassic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

void Play(Form1& f) {
  test::KeyScheme(f, kClassic);
  ASSERT_TRUE(f.Click("Gioca"));
}

std::string Name(const Form1& f, int cell) { return CellAccessible(f, cell).name; }
std::string Description(const Form1& f, int cell) { return CellAccessible(f, cell).description; }
std::string ControlName(Form1& f, const char* control) { return ControlAccessible(f, *f.w.Find(control)).name; }

TEST(AccessibleNames, CellsInEachState) {
  test::Harness h;
  Form1& f = h.form;
  EXPECT_EQ(Name(f, 0), "row A, column a: empty");
  Play(f);
  EXPECT_EQ(Name(f, 0), "row A, column a: 5, given");
  EXPECT_EQ(Name(f, 2), "row A, column c: empty");  // candidates not shown
  f.caN_Click(2);
  f.KeyDown('4', 0);
  EXPECT_EQ(Name(f, 2), "row A, column c: 4, played");
  ASSERT_TRUE(f.Click("Sugge1"));
  EXPECT_EQ(Name(f, 3), "row A, column d: empty, candidates 2 6");
  EXPECT_EQ(Name(f, 24), "row C, column g: empty, candidates 1 3 4 5 7");
  f.ShowValue(5, 8, Origin::Solver);
  f.DrawCells();
  EXPECT_EQ(Name(f, 5), "row A, column f: 8, placed by the control");
  f.ShowValue(6, 9, Origin::None);
  f.DrawCells();
  EXPECT_EQ(Name(f, 6), "row A, column g: 9, marked wrong");
  // A trial text: its three lines, as one.
  f.w.caN[7].caption = "12\r\nv_\r\n__";
  EXPECT_EQ(Name(f, 7), "row A, column h: empty, shows 12 v_ __");
  EXPECT_EQ(Name(f, 80), "row I, column i: 9, given");
}

TEST(AccessibleNames, CellDescriptionsTellTheMarking) {
  test::Harness h;
  Form1& f = h.form;
  Play(f);
  f.caN_MouseMove(40, 0, 0);
  EXPECT_EQ(Description(f, 40), "cursor");
  EXPECT_EQ(Description(f, 41), "");
  f.caN_DblClick(0);  // every 5 turns pink, with a border
  EXPECT_EQ(Description(f, 0), "marked, same value, framed");
  f.caN_DblClick(0);  // what the 5 excludes turns grey
  EXPECT_EQ(Description(f, 2), "grey");
}

TEST(AccessibleNames, ControlsSayWhatTheyAre) {
  test::Harness h;
  Form1& f = h.form;
  EXPECT_EQ(ControlName(f, "Semaf"), "Light: green, GO!");
  EXPECT_EQ(ControlName(f, "ListCons"),
            "Blackboard: - Click on 'Initial Data' to build a new Scheme or click on 'Open' to reload a saved Scheme.");
  EXPECT_EQ(ControlName(f, "Sugge1"), "Show candidates: All");
  EXPECT_EQ(ControlName(f, "Sugge8"), "Trial mode: All candidates");
  EXPECT_EQ(ControlName(f, "ri(0)"), "row A");
  EXPECT_EQ(ControlName(f, "co(8)"), "column i");
  EXPECT_EQ(ControlName(f, "NErr"), "No errors");
  EXPECT_EQ(ControlName(f, "Apri"), "Open");
  EXPECT_EQ(ControlName(f, "liO(3)"), "");
  EXPECT_NE(ControlAccessible(f, f.w.Cons3).description.find("F7"), std::string::npos);
  EXPECT_NE(ControlAccessible(f, f.w.Sugge3d).description.find("F10"), std::string::npos);
  Play(f);
  EXPECT_EQ(ControlName(f, "Fatti"), "Filled cells: 30");
  f.caN_Click(2);
  f.KeyDown('9', 0);  // a wrong move
  EXPECT_EQ(ControlName(f, "Semaf"), "Light: red, ERR");
  EXPECT_EQ(ControlName(f, "NErr"), "1 Error");
  EXPECT_EQ(ControlName(f, "ListCons"), "Blackboard: - WRONG MOVE Value in Ac NOT accepted!!");
  // The boxes of the correction panel name the candidate each keeps.
  f.Click("Sugge1");
  f.caN_MouseMove(3, 0, 0);
  f.caN_MouseDown(3, 2, 0);
  ASSERT_TRUE(f.w.CorCanF.visible);
  EXPECT_EQ(ControlName(f, "cM(0)"), "Keep candidate 2");
  EXPECT_EQ(ControlName(f, "cM(1)"), "Keep candidate 6");
  EXPECT_EQ(ControlName(f, "CorCanT"), "Candidates: 2 6");
  EXPECT_EQ(ControlAccessible(f, f.form3.portaSu).name, "Move up");
}

// The dump holds them: a name on every cell and control, a description where there is one.
TEST(AccessibleNames, InTheDump) {
  test::Harness h;
  Form1& f = h.form;
  Play(f);
  f.caN_MouseMove(40, 0, 0);
  const auto j = nlohmann::json::parse(DumpState(f));
  EXPECT_EQ(j["cells"][0]["accessibleName"], "row A, column a: 5, given");
  EXPECT_EQ(j["cells"][40]["accessibleDescription"], "cursor");
  EXPECT_FALSE(j["cells"][41].contains("accessibleDescription"));
  for (const auto& [name, control] : j["controls"].items()) EXPECT_TRUE(control.contains("accessibleName")) << name;
  EXPECT_EQ(j["controls"]["Cons3"]["accessibleName"], "Where ?");
  EXPECT_EQ(j["form3"]["controls"]["portaGiu"]["accessibleName"], "Move down");
}

}  // namespace
}  // namespace tessora
