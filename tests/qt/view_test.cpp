// The Qt window against the core: events reach the core's handlers through
// the real widgets, and the widgets show the core's state.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include <QTemporaryDir>

#include "app_setup.h"
#include "board_widgets.h"
#include "key_codes.h"
#include "main_view.h"
#include "files/print_document.h"
#include "priority_dialog.h"
#include "qt_platform.h"
#include "style.h"
#include "ui/form1.h"
#include "ui/scripted_platform.h"

using namespace tessora;
using tessora::qt::MainView;
using tessora::qt::QtPlatform;

namespace {

const QColor kLightYellow(255, 255, 192);
const QColor kPink(255, 192, 255);

// The pages of a PDF from Qt's writer: one "/Type /Page" object each.
qsizetype PageCount(const QByteArray& pdf) { return pdf.count("/Type /Page\n"); }

// Runs `step` on the modal dialog of type T as soon as one is open (a modal
// dialog runs its own event loop: the test acts from inside it).
template <class T>
void OnModal(std::function<void(T*)> step, int tries = 1000) {
  QTimer::singleShot(10, [step, tries] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      step(dialog);
      return;
    }
    if (tries > 0) OnModal<T>(step, tries - 1);
  });
}

// A diabolic scheme that "Play" solves with trials; right after "Play" no
// cell has a single candidate, so both trial modes start at once.
const char* const kDiabolic = "2...5...6.1.....9.6..8.1..3..7.9.6.....7.3...9...8...21.......5.6.9.2.1...3.6.2..";

// A scheme that needs one trial.
const char* const kOneTrial = "..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........9.86.2...";

}  // namespace

class ViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QtPlatform> platform;
  std::unique_ptr<Form1> form;
  std::unique_ptr<MainView> view;

  template <class T = QWidget>
  T* Widget(const char* name) {
    auto* w = qobject_cast<T*>(view->ControlWidget(name));
    if (!w) qFatal("no widget %s", name);
    return w;
  }
  void ClickInitialData() {
    QTest::mouseClick(Widget<QPushButton>("DatIniz"), Qt::LeftButton);
    QVERIFY(form->board.DataStarted);
  }
  // The diabolic scheme keyed and played.
  void PlayDiabolic() {
    ScriptedPlatform answers;
    platform->SetAnswerSource(&answers);
    ClickInitialData();
    for (const char* p = kDiabolic; *p; ++p) QTest::keyClick(view.get(), *p == '.' ? Qt::Key_Space : Qt::Key(*p));
    QTest::mouseClick(Widget<QPushButton>("Gioca"), Qt::LeftButton);
    platform->SetAnswerSource(nullptr);
    QVERIFY2(form->board.PlayPhase, qPrintable(Blackboard().join('|')));
  }
  // A click on the round mark of an option button.
  void ClickOption(const char* name) {
    auto* option = Widget<QRadioButton>(name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
  }
  // The panel lies on the window's surface, above every cell, wholly inside it.
  void VerifyFloating(QWidget* panel, int cell) {
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->parentWidget(), view->Surface());
    QVERIFY(view->Surface()->rect().contains(panel->geometry()));
    const QObjectList& stack = view->Surface()->children();
    QVERIFY(stack.indexOf(panel) > stack.indexOf(view->Cell(cell)));
    QVERIFY(panel->geometry().intersects(view->Cell(cell)->geometry().adjusted(0, 0, 30, 30)));
    // What the user sees at the panel's centre is the panel (or one of its boxes).
    QWidget* seen = view->Surface()->childAt(panel->geometry().center());
    QVERIFY(seen == panel || panel->isAncestorOf(seen));
  }
  QStringList Blackboard() {
    QStringList lines;
    auto* list = Widget<QListWidget>("ListCons");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }

 private slots:
  void initTestCase() { qt::SetUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

  void init() {
    platform = std::make_unique<QtPlatform>();
    form = std::make_unique<Form1>(*platform);
    view = std::make_unique<MainView>(*form, *platform);
    form->Form_Load();
    view->Sync();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
  }

  void cleanup() {
    view.reset();
    form.reset();
    platform.reset();
  }

  void initialDataButtonShowsTheCells() {
    for (int i = 0; i < kCells; ++i) QVERIFY(!view->Cell(i)->isVisible());
    QVERIFY(!Widget("Gioca")->isEnabled());
    ClickInitialData();
    for (int i = 0; i < kCells; ++i) QVERIFY2(view->Cell(i)->isVisible(), qPrintable(QString::number(i)));
    QVERIFY(!Widget("DatIniz")->isEnabled());
    QVERIFY(Widget("Gioca")->isEnabled());
    QCOMPARE(view->windowTitle(), QStringLiteral("Tessora - Nuovo1"));
    QCOMPARE(Blackboard(), QStringList({"- When finished Initial Data", "  click 'Play', to start the game."}));
  }

  void keyPressReachesTheCore() {
    ClickInitialData();
    QTest::keyClick(view.get(), Qt::Key_5);
    QCOMPARE(form->w.caN[0].caption, std::string("5"));
    QCOMPARE(form->board.CurCell, 1);
    QCOMPARE(view->Cell(0)->Caption(), QStringLiteral("5"));
    QCOMPARE(view->Cell(1)->Background(), kLightYellow);
    QCOMPARE(Widget<QLabel>("Fatti")->text(), QStringLiteral("1"));

    // A key sent to a control goes to the window, not to the control: the
    // space moves the cursor on and does not press "Play".
    QTest::keyClick(Widget("Gioca"), Qt::Key_Space);
    QCOMPARE(form->board.CurCell, 2);
    QVERIFY(!form->board.PlayPhase);
  }

  void keypadAndArrowKeysReachTheCore() {
    ClickInitialData();
    QTest::keyClick(view.get(), Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(form->w.caN[0].caption, std::string("7"));
    QCOMPARE(form->board.CurCell, 1);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QCOMPARE(form->board.CurCell, 10);
    QTest::keyClick(view.get(), Qt::Key_Left);
    QCOMPARE(form->board.CurCell, 9);
    QCOMPARE(view->Cell(9)->Background(), kLightYellow);
    // Shifted digits are refused by the window: nothing is written.
    QTest::keyClick(view.get(), Qt::Key_Percent, Qt::ShiftModifier);
    QCOMPARE(form->w.caN[9].caption, std::string());
  }

  void keyCodesOfTheWindow_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shift");
    const int none = Qt::NoModifier, pad = Qt::KeypadModifier;
    QTest::newRow("digit 0") << int(Qt::Key_0) << none << 48 << 0;
    QTest::newRow("digit 9") << int(Qt::Key_9) << none << 57 << 0;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << pad << 96 << 0;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << pad << 105 << 0;
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << pad << 106 << 0;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << pad << 107 << 0;
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << pad << 109 << 0;
    QTest::newRow("keypad .") << int(Qt::Key_Period) << pad << 110 << 0;
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << pad << 111 << 0;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << pad << 13 << 0;
    QTest::newRow("keypad Delete") << int(Qt::Key_Delete) << pad << 46 << 0;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << 46 << 0;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << 37 << 0;
    QTest::newRow("Up") << int(Qt::Key_Up) << none << 38 << 0;
    QTest::newRow("Right") << int(Qt::Key_Right) << none << 39 << 0;
    QTest::newRow("Down") << int(Qt::Key_Down) << none << 40 << 0;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << none << 27 << 0;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << 13 << 0;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << 32 << 0;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << 112 << 0;
    QTest::newRow("F2") << int(Qt::Key_F2) << none << 113 << 0;
    QTest::newRow("F11") << int(Qt::Key_F11) << none << 122 << 0;
    QTest::newRow("F12") << int(Qt::Key_F12) << none << 123 << 0;
    QTest::newRow("A") << int(Qt::Key_A) << none << 65 << 0;
    QTest::newRow("Z") << int(Qt::Key_Z) << none << 90 << 0;
    QTest::newRow("Shift+5") << int(Qt::Key_Percent) << int(Qt::ShiftModifier) << 53 << 1;
    QTest::newRow("Ctrl+F2") << int(Qt::Key_F2) << int(Qt::ControlModifier) << 113 << 2;
    QTest::newRow("Alt+3") << int(Qt::Key_3) << int(Qt::AltModifier) << 51 << 4;
    QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier) << 65 << 3;
  }

  void keyCodesOfTheWindow() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    QFETCH(int, shift);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(qt::KeyCode(event), code);
    QCOMPARE(qt::ShiftMask(event.modifiers()), shift);
  }

  void menuItemReachesTheCore() {
    ClickInitialData();
    QTest::keyClick(view.get(), Qt::Key_5);
    QCOMPARE(form->board.FilledCount, 1);

    // File > Clear All, clicked in the real menu.
    QMenu* file = view->Menu("mFile");
    QAction* clear = view->MenuAction("mAzzer");
    QVERIFY(file && clear);
    QCOMPARE(clear->text(), QStringLiteral("&Clear All"));
    file->popup(view->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(clear).center());

    QTRY_VERIFY(!form->board.DataStarted);
    QCOMPARE(form->board.FilledCount, 0);
    QCOMPARE(view->Cell(0)->Caption(), QString());
    QVERIFY(!view->Cell(0)->isVisible());
    QVERIFY(Widget("DatIniz")->isEnabled());
    QCOMPARE(Blackboard().value(0), QStringLiteral("- Click on 'Initial Data' to build a"));
  }

  // Tools > Practice... in the real menu: the chooser, then a position in play
  // whose cells show its candidates; Help > My Progress is there too.
  void practiceFromTheMenu() {
    QAction* practise = view->MenuAction("mPratica");
    QAction* next = view->MenuAction("mProssima");
    QVERIFY(practise && next && view->MenuAction("mProgressi"));
    QVERIFY(practise->isEnabled());
    QVERIFY(!next->isEnabled());
    QVERIFY(next->text().endsWith(QStringLiteral("\tF3")));
    QTimer::singleShot(0, [] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QInputDialog*>(w)) {
          dialog->setTextValue(QStringLiteral("05 - Naked Twins"));
          dialog->accept();
        }
    });
    practise->trigger();
    QTRY_VERIFY(form->PracticeOn());
    QCOMPARE(form->practice.method, 5);
    QCOMPARE(Blackboard().value(0), QStringLiteral("- PRACTICE, method 05:"));
    QVERIFY(next->isEnabled());
    for (int c = 0; c < kCells; ++c)
      if (!form->Filled(c)) QCOMPARE(view->Cell(c)->Caption().remove(QLatin1Char(' ')).remove(QLatin1Char('\n')),
                                     QString::fromStdString(form->board.Can[c].Digits()));
  }

  void menuShowsTheCoreState() {
    QAction* solution = view->MenuAction("mSoluz");
    QAction* apply = view->MenuAction("mApplica");
    QCOMPARE(solution->text(), QStringLiteral("&Final Solution\tF12"));
    QCOMPARE(apply->text(), QStringLiteral("&Apply Suggestion or Trial\tF2"));
    QCOMPARE(view->MenuAction("mChiudi")->text(), QStringLiteral("E&xit\tCtrl+Q"));
    QVERIFY(!solution->isEnabled());
    QVERIFY(!apply->isEnabled());
    // The shortcuts are shown only: the core's key handler runs them.
    QVERIFY(solution->shortcut().isEmpty());
    QVERIFY(apply->shortcut().isEmpty());

    QMenu* guide = view->Menu("mRapida");
    QVERIFY(guide);
    QCOMPARE(guide->actions().size(), 22);
    QCOMPARE(guide->actions().first()->text(),
             QStringLiteral("1 - To build a Sudoku: click on \"Initial data\", write all known"));
    QCOMPARE(view->Menu("mFile")->actions().size(), 9);
    QCOMPARE(view->Menu("mFile")->actions().at(1)->text(), QStringLiteral("&Recent Schemes"));
    QCOMPARE(view->Menu("mFile")->actions().at(6)->text(), QStringLiteral("&Export PDF..."));
    QVERIFY(view->Menu("mFile")->actions().at(7)->isSeparator());
    QCOMPARE(view->Menu("mCreaLiv")->actions().size(), 5);
    QCOMPARE(view->MenuAction("mLiv(4)")->text(), QStringLiteral("Diabolic, &with trials"));
    QCOMPARE(view->menuBar()->actions().size(), 5);
    QCOMPARE(view->menuBar()->actions().at(1)->text(), QStringLiteral("&Edit"));
    QCOMPARE(view->MenuAction("mIncolla")->text(), QStringLiteral("&Paste Scheme\tCtrl+V"));
    // Undo Move waits for a value played.
    QVERIFY(!view->MenuAction("mAnnulla")->isEnabled());

    // A check mark follows the core: "Save as *.ss File" toggles it.
    QAction* ss = view->MenuAction("mUsaSS");
    QVERIFY(!ss->isChecked());
    ss->trigger();
    QVERIFY(form->w.mUsaSS.checked);
    QVERIFY(ss->isChecked());
    ss->trigger();
    QVERIFY(!form->w.mUsaSS.checked);
    QVERIFY(!ss->isChecked());
    // A disabled item clicked by program reaches nothing.
    form->w.mSoluz.enabled = true;
    view->Sync();
    QVERIFY(solution->isEnabled());
  }

  void viewFollowsTheCoreState() {
    CellLabel& c = form->w.caN[5];
    c.caption = "12345 6789";
    c.back = colour::LightBlue;
    c.border = true;
    c.visible = true;
    form->w.Gioca.enabled = true;
    form->w.BoardClear();
    form->w.BoardAdd("- a message");
    form->w.BoardAdd("  on two lines");
    form->SetLight(colour::Red, "ERR");
    form->w.NErr.caption = "3 Errors";
    form->w.caption = "Tessora - Test";
    view->Sync();

    qt::CellWidget* cell = view->Cell(5);
    QVERIFY(cell->isVisible());
    QCOMPARE(cell->Caption(), QStringLiteral("12345 6789"));
    QCOMPARE(cell->Background(), QColor(192, 192, 255));
    QVERIFY(cell->Bordered());
    QCOMPARE(cell->Ink(), QColor(255, 0, 0));
    QVERIFY(Widget("Gioca")->isEnabled());
    QCOMPARE(Blackboard(), QStringList({"- a message", "  on two lines"}));
    QCOMPARE(Widget<QLabel>("SemaLab")->text(), QStringLiteral("ERR"));
    QCOMPARE(Widget<QLabel>("SemaLab")->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(static_cast<qt::LightWidget*>(Widget("Semaf"))->Colour(), QColor(255, 0, 0));
    QCOMPARE(Widget<QLabel>("NErr")->text(), QStringLiteral("3 Errors"));
    QCOMPARE(view->windowTitle(), QStringLiteral("Tessora - Test"));

    // Geometry: twips to pixels, 15 to one.
    QCOMPARE(cell->geometry(), QRect(qt::Px(c.left), qt::Px(c.top), 41, 41));
    QCOMPARE(Widget("Apri")->geometry(), QRect(8, 16, 89, 25));

    // The candidates wrap onto two lines inside the cell.
    const QFontMetrics fm(qt::ToQFont(font::Mono, 9));
    const QRect text = fm.boundingRect(cell->rect().adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap,
                                       cell->Caption());
    QVERIFY2(text.height() >= 2 * fm.height() - 1, qPrintable(QString::number(text.height())));
    QVERIFY(text.height() <= cell->height() && text.width() <= cell->width());

    // Back to the empty style.
    form->ShowEmpty(5);
    form->w.caN[5].back = colour::White;
    form->w.caN[5].border = false;
    view->Sync();
    QCOMPARE(cell->Caption(), QString());
    QCOMPARE(cell->Background(), QColor(255, 255, 255));
    QVERIFY(!cell->Bordered());
  }

  void mouseOverACellMovesTheCursor() {
    ClickInitialData();
    QTest::mouseMove(view->Cell(40), view->Cell(40)->rect().center());
    QTRY_COMPARE(form->board.CurCell, 40);
    QVERIFY(form->board.MouseOverBoard);
    QCOMPARE(view->Cell(40)->Background(), kLightYellow);
    QCOMPARE(view->Cell(0)->Background(), QColor(255, 255, 255));

    // Over the window below the board, outside every control.
    QTest::mouseMove(view->Surface(), QPoint(700, 500));
    QTRY_VERIFY(!form->board.MouseOverBoard);
  }

  void doubleClickOnACellMarksTheValue() {
    ClickInitialData();
    QTest::keyClicks(view.get(), "5");
    for (int i = 1; i < 10; ++i) QTest::keyClick(view.get(), Qt::Key_Space);
    QTest::keyClick(view.get(), Qt::Key_5);  // 5 in cells 0 and 10
    QTest::mouseDClick(view->Cell(0), Qt::LeftButton);
    QCOMPARE(form->board.MarkState, 5);
    for (int i : {0, 10}) {
      QCOMPARE(view->Cell(i)->Background(), kPink);
      QVERIFY(view->Cell(i)->Bordered());
    }
    QVERIFY(!view->Cell(1)->Bordered());
  }

  void optionButtonFollowsTheCore() {
    auto* all = Widget<QRadioButton>("Sugge1");
    form->w.Sugge1.selected = true;
    view->Sync();
    QVERIFY(all->isChecked());
    form->w.Sugge1.selected = false;
    view->Sync();
    QVERIFY(!all->isChecked());

    // A click on an option the core may refuse: the widget shows what the core decided.
    form->w.CorVF.visible = true;
    Control& option = form->w.cv1[0];
    option.visible = true;
    option.caption = "1";
    view->Sync();
    auto* radio = Widget<QRadioButton>("cv1(0)");
    QVERIFY(radio->isVisible());
    QTest::mouseClick(radio, Qt::LeftButton);
    QCOMPARE(radio->isChecked(), form->w.cv1[0].selected);

    // The check boxes of the correction panel come and go with the core's array.
    form->w.CorCanF.visible = true;
    form->w.cM.resize(3, form->w.cM[0]);
    for (int i = 0; i < 3; ++i) {
      form->w.cM[i].name = "cM(" + std::to_string(i) + ")";
      form->w.cM[i].caption = std::to_string(i + 1);
      form->w.cM[i].left = 20 + 400 * i;
      form->w.cM[i].checked = true;
    }
    view->Sync();
    auto* box = Widget<QCheckBox>("cM(2)");
    QVERIFY(box->isVisible() && box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(form->w.cM[2].checked, false);
    QVERIFY(!box->isChecked());
    form->w.cM.resize(1);
    view->Sync();
    QVERIFY(!view->ControlWidget("cM(2)"));
  }

  void timerTickReachesTheCore() {
    form->SetLight(colour::Red, "ERR");
    form->SetTimer(form->w.TempEr, true);
    view->Sync();
    QVERIFY(platform->TimerActive("TempEr"));
    QCOMPARE(Widget<QLabel>("SemaLab")->text(), QStringLiteral("ERR"));
    // After one second the light turns green again and the timer stops itself.
    QTRY_COMPARE_WITH_TIMEOUT(Widget<QLabel>("SemaLab")->text(), QStringLiteral("GO!"), 3000);
    QCOMPARE(form->w.Semaf.back, colour::Green);
    QVERIFY(!platform->TimerActive("TempEr"));
  }

  void inputDuringAHandlerDoesNotEnterIt() {
    ClickInitialData();
    view->Forward([&] {
      form->KeyDown('5', 0);
      // Events arriving while the handler runs do not enter it.
      QTest::keyClick(view.get(), Qt::Key_7);
      view->CellClick(40);
      QVERIFY(view->HandlerRunning());
    });
    QVERIFY(!view->HandlerRunning());
    QCOMPARE(form->w.caN[0].caption, std::string("5"));
    QCOMPARE(form->w.caN[1].caption, std::string());
    QCOMPARE(form->board.CurCell, 1);
    QCOMPARE(view->Cell(0)->Caption(), QStringLiteral("5"));
  }

  void doEventsIsThrottled() {
    int redraws = 0;
    platform->onRedraw = [&] { ++redraws; };
    QTest::qWait(QtPlatform::kDoEventsIntervalMs + 5);
    for (int i = 0; i < 1000; ++i) platform->DoEvents();
    QVERIFY2(redraws <= 2, qPrintable(QString::number(redraws)));
    const int before = redraws;
    QTest::qWait(QtPlatform::kDoEventsIntervalMs + 5);
    platform->DoEvents();
    QCOMPARE(redraws, before + 1);
    // Repaint draws every time, without waiting.
    platform->Repaint();
    platform->Repaint();
    QCOMPARE(redraws, before + 3);
  }

  void priorityDialogFollowsTheCore() {
    view->MenuAction("mOpzio")->trigger();
    QVERIFY(form->form3.open);
    qt::PriorityDialog* dialog = view->Form3();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Handling Advice Priority"));
    QCOMPARE(dialog->size(), QSize(288, 347));
    QListWidget* list = dialog->List();
    QCOMPARE(list->count(), 16);
    QCOMPARE(list->item(0)->text(), QStringLiteral("        METHODS LIST"));
    QVERIFY(!dialog->Button("portaSu")->isEnabled());
    QVERIFY(!dialog->Button("portaGiu")->isEnabled());

    // A row clicked: the core selects it and enables the arrows.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    QCOMPARE(form->form3.Prio.listIndex, 3);
    QVERIFY(dialog->Button("portaSu")->isEnabled());
    QVERIFY(dialog->Button("portaGiu")->isEnabled());

    // "v" moves it down one row.
    QTest::mouseClick(dialog->Button("portaGiu"), Qt::LeftButton);
    QCOMPARE(form->advice.PriorityList[4], std::string("04    - Hidden Single"));
    QCOMPARE(list->item(4)->text(), QStringLiteral("04    - Hidden Single"));
    QCOMPARE(list->currentRow(), 4);

    // "OK" closes it; the main window takes keys again.
    QTest::mouseClick(dialog->Button("faiEsci"), Qt::LeftButton);
    QVERIFY(!form->form3.open);
    QVERIFY(!dialog->isVisible());

    // The close box is "OK" too.
    view->MenuAction("mOpzio")->trigger();
    QVERIFY(dialog->isVisible());
    dialog->close();
    QVERIFY(!form->form3.open);
    QVERIFY(!dialog->isVisible());
  }

  // The print sheet drawn as PDF: the sheet's page size exactly, the fonts of
  // the document, one page, and a further page only for a very long move list.
  void printSheetIsDrawnAsPdf() {
    const std::vector<std::string> rows(9, "123456789");
    std::string pdf, error;
    QVERIFY(platform->RenderPdf(MakePrintPage("File: x.sud", rows, {"XX-Q: 'Ac' =3"}), pdf, error));
    const QByteArray bytes = QByteArray::fromStdString(pdf);
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.contains("/MediaBox [0 0 547.200000 676.800000]"));
    QCOMPARE(PageCount(bytes), 1);
    QVERIFY(bytes.contains("/BaseFont /ComicNeue"));
    QVERIFY(bytes.contains("/BaseFont /LiberationSans"));
    QVERIFY(bytes.contains("/BaseFont /LiberationSans-Bold"));

    QVERIFY(platform->RenderPdf(MakePrintPage("File: x.sud", rows, std::vector<std::string>(60, "XX-Q: 'Ac' =3")),
                                pdf, error));
    QCOMPARE(PageCount(QByteArray::fromStdString(pdf)), 1);
    QVERIFY(platform->RenderPdf(MakePrintPage("File: x.sud", rows, std::vector<std::string>(300, "XX-Q: 'Ac' =3")),
                                pdf, error));
    QCOMPARE(PageCount(QByteArray::fromStdString(pdf)), 2);
  }

  void exportPdfMenuItemWritesTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    form->files.WorkFolder = dir.path().toStdString();
    ClickInitialData();  // the scheme gets its name
    ScriptedPlatform answers;
    const std::string path = dir.filePath(QStringLiteral("sheet.pdf")).toStdString();
    answers.fileAnswers.push_back(path);
    platform->SetAnswerSource(&answers);
    view->MenuAction("mEspPdf")->trigger();
    platform->SetAnswerSource(nullptr);
    QCOMPARE(answers.dialogDefaultNames, std::vector<std::string>{"Nuovo1.pdf"});
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF-"));
    QCOMPARE(Blackboard(), (QStringList{QStringLiteral("PDF EXPORT IS COMPLETED"),
                                        QString::fromStdString("  file " + path)}));
    QVERIFY(!QApplication::overrideCursor());  // the busy pointer is gone
  }

  // The solution panels show only when the user asks for the solution, the
  // trial solution (APeri) together with the solution (Peri).
  void solutionPanelsShowOnlyOnRequest() {
    ScriptedPlatform answers;  // message boxes take their first button: Yes
    platform->SetAnswerSource(&answers);
    ClickInitialData();
    for (const char* p = kOneTrial; *p; ++p) QTest::keyClick(view.get(), *p == '.' ? Qt::Key_Space : Qt::Key(*p));
    QTest::mouseClick(Widget<QPushButton>("Gioca"), Qt::LeftButton);
    QVERIFY(form->board.PlayPhase);
    QCOMPARE(form->control.TrialCount, 1);
    QCOMPARE(form->w.APeri.items.size(), std::size_t{9});
    QVERIFY(!Widget("APeri")->isVisible());
    QVERIFY(!Widget("Peri")->isVisible());
    QTest::keyClick(view.get(), Qt::Key_F12);
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QVERIFY(Widget("Peri")->isVisible());
    QVERIFY(Widget("APeri")->isVisible());
    QTest::keyClick(view.get(), Qt::Key_F12);
    QVERIFY(!Widget("Peri")->isVisible());
    QVERIFY(!Widget("APeri")->isVisible());
    platform->SetAnswerSource(nullptr);
  }

 private:  // helpers, not tests
  // The scheme of the window's tests solved by the methods alone, played.
  void PlayClassic() {
    ClickInitialData();
    form->EnterGivens("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    QTest::mouseClick(Widget<QPushButton>("Gioca"), Qt::LeftButton);
    QVERIFY(form->board.PlayPhase);
  }

 private slots:
  // "Where ?" acts while the mouse holds it: the board is painted on the
  // press, cleared on the release, which may come anywhere in the window.
  void heldAdviceButtonsActOnPressAndRelease() {
    PlayClassic();
    auto* where = Widget<QPushButton>("Cons3");
    QCOMPARE(where->toolTip(), QStringLiteral("\"Tieni premuto\""));
    QTest::mousePress(where, Qt::LeftButton);
    QVERIFY(where->isDown());
    QCOMPARE(Blackboard(), QStringList({"1 Cross Rows/Columns/Boxes with the", "  same Value: look for any Box",
                                        "  with just one not-excluded Cell.", "   ... write  1  in ..."}));
    QCOMPARE(view->Cell(78)->Background(), QColor(192, 192, 255));
    QVERIFY(view->Cell(78)->Bordered());
    QCOMPARE(view->Cell(67)->Background(), kPink);
    QCOMPARE(view->Cell(70)->Background(), QColor(192, 192, 192));
    QVERIFY(Widget("Applica")->isEnabled());
    // Released over the board: the step's cell is the cursor.
    QTest::mouseRelease(view->Cell(40), Qt::LeftButton);
    QVERIFY(!where->isDown());
    QCOMPARE(form->board.CurCell, 78);
    QCOMPARE(view->Cell(78)->Background(), kLightYellow);
    QCOMPARE(view->Cell(67)->Background(), QColor(255, 255, 255));
    QVERIFY(!view->Cell(78)->Bordered());
    QCOMPARE(Blackboard().size(), 4);

    // "Do it" writes the step's value in the user's ink.
    QTest::mouseClick(Widget<QPushButton>("Applica"), Qt::LeftButton);
    QCOMPARE(view->Cell(78)->Caption(), QStringLiteral("1"));
    QCOMPARE(view->Cell(78)->Ink(), QColor(0, 0, 192));
    QVERIFY(!Widget("Applica")->isEnabled());

    // "Method ?" shows the next step's explanation and paints nothing.
    QTest::mousePress(Widget<QPushButton>("Cons1"), Qt::LeftButton);
    QCOMPARE(Blackboard().size(), 3);
    QCOMPARE(view->Cell(7)->Background(), QColor(255, 255, 255));
    QTest::mouseRelease(Widget<QPushButton>("Cons1"), Qt::LeftButton);
    QVERIFY(!Widget("Applica")->isEnabled());
  }

  // "Net": the circles and links are drawn over the board while the button
  // is held, and gone after the release.
  void netFiguresAreDrawnWhileHeld() {
    PlayClassic();
    form->Click("mFunzAva");
    form->Click("Sugge2");
    view->Sync();
    auto* combo = Widget<QComboBox>("Sugge3a");
    emit combo->activated(4);  // " 5"
    QCOMPARE(form->advice.ChosenDigit, std::string("5"));
    auto* net = Widget<QPushButton>("Sugge3c");
    QVERIFY(net->isEnabled());
    QTest::mousePress(net, Qt::LeftButton);
    QCOMPARE(view->Drawing()->Figures().size(), form->w.drawing.size());
    QCOMPARE(form->w.drawing.size(), std::size_t(22 + 32));
    QCOMPARE(view->Cell(0)->Caption(), QString());
    // The first circle, around Cg, is drawn in dark green on its ring.
    const Figure& circle = form->w.drawing.front();
    QCOMPARE(int(circle.type), int(Figure::Circle));
    QCOMPARE(circle.x1, form->w.caN[24].left + 320);
    const QImage image = view->Surface()->grab().toImage();
    const QColor ring = image.pixelColor(qRound(qt::PxF(circle.x1)), qRound(qt::PxF(circle.y1 - circle.radius)));
    QVERIFY2(ring.green() > 80 && ring.red() < 100 && ring.blue() < 100, qPrintable(ring.name()));
    QTest::mouseRelease(net, Qt::LeftButton);
    QVERIFY(view->Drawing()->Figures().empty());
    QCOMPARE(view->Cell(0)->Caption(), QStringLiteral("5"));
    const QColor after = view->Surface()->grab().toImage().pixelColor(
        qRound(qt::PxF(circle.x1)), qRound(qt::PxF(circle.y1 - circle.radius)));
    QVERIFY2(after.green() > 200 && after.red() > 200, qPrintable(after.name()));
  }

  // A trial move that empties a cell: the light turns red and stays red
  // after the second in which the trial move's timer would have run out.
  void contradictionKeepsTheLightRed() {
    ClickInitialData();
    form->board.PlayPhase = true;
    for (int i = 0; i < kCells; ++i) form->board.Solution.Set(i, i == 2 ? 0 : 1);
    form->board.TrialSolution.Set(2, 4);
    form->board.Can[2] = CandText::FromMask(1u << 4 | 1u << 6);
    form->board.Can[3] = CandText::FromMask(1u << 6);
    form->caN_Click(2);
    view->Sync();
    QTest::keyClick(view.get(), Qt::Key_6);
    QVERIFY(!form->board.InputEnabled);
    QCOMPARE(Widget<QLabel>("SemaLab")->text(), QStringLiteral("ERR"));
    QVERIFY(!platform->TimerActive("TempEr"));
    QTest::qWait(1500);
    QCOMPARE(Widget<QLabel>("SemaLab")->text(), QStringLiteral("ERR"));
    QCOMPARE(static_cast<qt::LightWidget*>(Widget("Semaf"))->Colour(), QColor(255, 0, 0));
  }

  // The save dialog asks before it replaces a file, about the file that will
  // be written: the chosen name with ".sud" added when it lacks it.
  // Paste in the window: a scheme that cannot be played is refused in a
  // message box and the game, with the move played in it, stays; replacing
  // the game asks first, and No keeps it.
  void pasteRefusesOrAsksBeforeTheGameChanges() {
    const QString grid =
        QStringLiteral("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    QApplication::clipboard()->setText(grid);
    view->MenuAction("mIncolla")->trigger();
    QVERIFY(form->board.PlayPhase);
    QTest::mouseMove(view->Cell(0), view->Cell(0)->rect().center());
    QTest::mouseMove(view->Cell(2), view->Cell(2)->rect().center());
    QTRY_COMPARE(form->board.CurCell, 2);
    QTest::keyClick(view.get(), Qt::Key_4);
    QCOMPARE(view->Cell(2)->Caption(), QStringLiteral("4"));
    const QStringList before = Blackboard();
    struct Paste {
      QString text;
      QMessageBox::StandardButton answer;
    };
    const Paste pastes[] = {{QStringLiteral("11") + QString(79, QLatin1Char('.')), QMessageBox::Ok},
                            {QString(81, QLatin1Char('.')), QMessageBox::Ok},
                            {QStringLiteral("..98...7..32....4.4....983...31........46..2.6.......1.5..7...23........"
                                            "9.86.2..."),
                             QMessageBox::No}};
    for (const Paste& p : pastes) {
      QApplication::clipboard()->setText(p.text);
      QString title, text;
      OnModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        QVERIFY(box->button(p.answer));
        box->button(p.answer)->click();
      });
      QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(title, QStringLiteral("Paste Scheme"));
      QVERIFY2(text.startsWith(p.answer == QMessageBox::Ok ? QStringLiteral("The scheme on the clipboard is not pasted")
                                                           : QStringLiteral("The scheme on the clipboard takes the place")),
               qPrintable(text));
      QCOMPARE(view->Cell(2)->Caption(), QStringLiteral("4"));
      QCOMPARE(view->Cell(0)->Caption(), QStringLiteral("5"));
      QCOMPARE(Blackboard(), before);
      QCOMPARE(form->board.ErrorCount, 0);
    }
  }

  void saveDialogAsksBeforeReplacingAFile_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");  // the button pressed, 0 when no question is expected
    QTest::addColumn<QString>("result");
    QTest::newRow("existing file, keep it") << "old.sud" << int(QMessageBox::No) << "";
    QTest::newRow("existing file, replace it") << "old.sud" << int(QMessageBox::Yes) << "old.sud";
    QTest::newRow("name of an existing file without its extension") << "old" << int(QMessageBox::Yes) << "old";
    QTest::newRow("new file") << "fresh" << 0 << "fresh";
    QTest::newRow("a file of that name, but none with the extension") << "plain" << 0 << "plain";
  }

  void saveDialogAsksBeforeReplacingAFile() {
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, result);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char* name : {"old.sud", "plain"}) {
      QFile file(dir.filePath(QString::fromLatin1(name)));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("\"1        \"\r\n");
    }
    QString prefilled, question;
    bool stayedOpen = false;
    OnModal<QFileDialog>([&](QFileDialog* dialog) {
      // The dialog lists the folder in the background and then selects the
      // pre-filled name in the list: the name is typed once that is done,
      // in place of that selection.
      auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (!list || !name) {
        dialog->reject();
        return;
      }
      for (int i = 0; i < 500 && !list->selectionModel()->hasSelection(); ++i) QTest::qWait(10);
      prefilled = dialog->selectedFiles().value(0);
      list->clearSelection();
      name->setText(typed);
      if (answer)
        OnModal<QMessageBox>([&](QMessageBox* box) {
          question = box->text();
          box->button(QMessageBox::StandardButton(answer))->click();
        });
      static_cast<QDialog*>(dialog)->accept();  // returns once a question is answered
      stayedOpen = dialog->isVisible();
      if (stayedOpen) dialog->reject();
    });
    const std::string path = platform->AskSaveFile("Seleziona il file in cui salvare", {{"Sudoku file *.sud", "*.sud"}},
                                                   dir.path().toStdString(), "old.sud");
    QCOMPARE(prefilled, dir.filePath("old.sud"));
    QCOMPARE(QString::fromStdString(path), result.isEmpty() ? QString() : dir.filePath(result));
    QCOMPARE(stayedOpen, result.isEmpty());
    if (answer) {
      QCOMPARE(question, QStringLiteral("old.sud already exists.\nDo you want to replace it?"));
    } else {
      QCOMPARE(question, QString());
    }
  }

  // A right click opens the correction panel over the board beside the cell;
  // a box unticked and ESC judge and apply the change.
  void correctionPanelFloatsBesideTheCell() {
    PlayDiabolic();
    ClickOption("Sugge1");
    QTest::mouseMove(view->Cell(38), view->Cell(38)->rect().center());
    QTRY_VERIFY(form->board.MouseOverBoard);
    QTest::mousePress(view->Cell(38), Qt::RightButton);
    QTest::mouseRelease(view->Cell(38), Qt::RightButton);
    VerifyFloating(Widget("CorCanF"), 38);
    QCOMPARE(Widget<QLabel>("CorCanT")->text(), QStringLiteral("124568"));
    auto* box = Widget<QCheckBox>("cM(1)");  // the 2
    QVERIFY(box->isVisible() && box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!form->w.cM[1].checked);
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QCOMPARE(Blackboard(), QStringList{"- EXACT MOVE in Ec."});
    QVERIFY(!Widget("CorCanF")->isVisible());
    QCOMPARE(view->Cell(38)->Caption(), QStringLiteral(" 14568 "));
  }

  // In a trial view a left click offers the starting candidates beside the
  // cell, inside the window even under the last row; a choice and "Continue"
  // run the trial.
  void trialChooserFloatsAndStartsTheTrial() {
    PlayDiabolic();
    form->Click("mFunzAva");
    view->Sync();
    ClickOption("Sugge8");
    QVERIFY(form->w.Sugge8.selected);
    QTest::mouseMove(view->Cell(73), view->Cell(73)->rect().center());
    QTRY_VERIFY(form->board.MouseOverBoard);
    QTest::mouseClick(view->Cell(73), Qt::LeftButton);
    VerifyFloating(Widget("CorVF"), 73);
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!Widget("CorVF")->isVisible());

    QTest::mouseMove(view->Cell(17), view->Cell(17)->rect().center());
    QTest::mouseClick(view->Cell(17), Qt::LeftButton);
    VerifyFloating(Widget("CorVF"), 17);
    QCOMPARE(Widget<QRadioButton>("cv1(0)")->text(), QStringLiteral("4"));
    ClickOption("cv1(0)");
    QVERIFY(!Widget("CorVF")->isVisible());
    auto* go = Widget<QPushButton>("VaiTenta");
    QVERIFY(go->isEnabled());
    QTest::mouseClick(go, Qt::LeftButton);
    QCOMPARE(Blackboard().first(), QStringLiteral("TRIAL ON ALL - step n.3"));
    QCOMPARE(view->Cell(17)->Background(), QColor(192, 192, 255));
  }

  // The trial texts fit their cells at 9 and at 8 points: three lines, each
  // mark in the column of its digit, narrowed no more than a long line needs.
  void trialTextsFitTheirCells() {
    PlayDiabolic();
    form->Click("mFunzAva");
    form->Click("Sugge8");
    // Ec's six candidates, and a text of nine at both sizes.
    form->w.caN[1].caption = "123456789\r\nv_f_____f\r\n_________";
    for (double size : {9.0, 8.0}) {
      for (int c = 0; c < kCells; ++c)
        if (form->w.caN[c].size == 9 || form->w.caN[c].size == 8) form->w.caN[c].size = size;
      view->Sync();
      for (int c : {1, 38, 17}) {
        const qt::CellWidget* cell = view->Cell(c);
        const qt::TrialTextLayout l = cell->TrialLayout();
        QCOMPARE(l.lines.size(), 3);
        const QFontMetricsF fm(cell->CaptionFont());
        for (const QString& line : l.lines) QVERIFY(fm.horizontalAdvance(line) * l.scaleX <= cell->width() - 1.9);
        QVERIFY(l.lineStep * 2 + fm.ascent() + fm.descent() <= cell->height());
        QVERIFY(l.top - fm.ascent() >= 0);
        // Equal lengths, so every mark stands under its digit.
        QCOMPARE(fm.horizontalAdvance(l.lines[1]), fm.horizontalAdvance(l.lines[0]));
        QVERIFY2(l.scaleX >= 0.55, qPrintable(QString::number(l.scaleX)));
        if (l.lines[0].size() <= 5) QCOMPARE(l.scaleX, 1.0);
      }
    }
    // A candidate caption is no trial text.
    QVERIFY(qt::LayoutTrialText(QStringLiteral("12345 678"), view->Cell(1)->CaptionFont(), {41, 41}).lines.isEmpty());
  }

  // A candidate text that "Do it" or a correction wrote with its blanks
  // around it is drawn like the others: every digit inside the cell.
  void candidateTextsFitTheirCells() {
    PlayDiabolic();
    form->Click("Sugge1");
    view->Sync();
    const qt::CellWidget* cell = view->Cell(38);
    const QFontMetricsF fm(cell->CaptionFont());
    const struct {
      const char* caption;
      const char* shown;
    } cases[] = {{" 14568 ", "14568"}, {" 124568 ", "12456 8"}, {"12345 6789", "12345 6789"},
                 {" 123456789 ", "12345 6789"}, {" 7 ", "7"}};
    for (const auto& c : cases) {
      const QString shown = qt::ShownText(QString::fromLatin1(c.caption));
      QCOMPARE(shown, QString::fromLatin1(c.shown));
      for (const QString& line : shown.split(QLatin1Char(' ')))
        QVERIFY2(fm.horizontalAdvance(line) <= cell->width() - 2, c.caption);
    }
  }

 private:  // a helper, not a test
  // A trial on conjugated pairs run in the window, from a left click on the
  // cell to its end.
  void RunPairsTrial(int cell, const QString& digit) {
    PlayDiabolic();
    form->Click("mFunzAva");
    view->Sync();
    ClickOption("Sugge6");
    QVERIFY(form->w.Sugge6.selected);
    // From another cell first: the pointer may already rest where a
    // window of an earlier run had this cell.
    QTest::mouseMove(view->Cell(0), view->Cell(0)->rect().center());
    QTest::mouseMove(view->Cell(cell), view->Cell(cell)->rect().center());
    QTRY_VERIFY(form->board.MouseOverBoard);
    QTest::mouseClick(view->Cell(cell), Qt::LeftButton);
    QVERIFY(Widget("CorVF")->isVisible());
    for (std::size_t k = 0; k < form->w.cv1.size(); ++k)
      if (form->w.cv1[k].caption == digit.toStdString()) {
        const std::string name = "cv1(" + std::to_string(k) + ")";
        ClickOption(name.c_str());
        break;
      }
    auto* go = Widget<QPushButton>("VaiTenta");
    QVERIFY(go->isEnabled());
    for (int n = 0; go->isEnabled() && n < 200; ++n) QTest::mouseClick(go, Qt::LeftButton);
    QVERIFY(!go->isEnabled());
  }

 private slots:
  // "Do it" under "Continue" asks in the platform's message box for each sure
  // move, with the move's cell light yellow and its number on the blackboard
  // behind the box; OK plays it, Cancel plays nothing.
  void trialDoItAsksForEachMove_data() {
    QTest::addColumn<bool>("play");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }

  void trialDoItAsksForEachMove() {
    QFETCH(bool, play);
    RunPairsTrial(38, QStringLiteral("2"));
    QCOMPARE(Blackboard().first(), QStringLiteral("TRIAL ON CONJ.PAIRS - end -"));
    auto* doIt = Widget<QPushButton>("AppTenta");
    QVERIFY(doIt->isEnabled());
    QString title, text;
    QStringList behind;
    QColor back;
    OnModal<QMessageBox>([&](QMessageBox* box) {
      title = box->windowTitle();
      text = box->text();
      behind = Blackboard();
      back = view->Cell(38)->Background();
      box->button(play ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
    QTest::mouseClick(doIt, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("PLAY TRIAL MOVES"));
    QCOMPARE(text, QStringLiteral("Do you really want write :\n 14568  in the Cell 'Ec' ?"));
    QCOMPARE(behind, (QStringList{"DO SURE MOVES", "  1 of 1"}));
    QCOMPARE(back, kLightYellow);
    QCOMPARE(QString::fromStdString(form->board.Can[38].Digits()), play ? QStringLiteral("14568") : QStringLiteral("124568"));
    if (play) {
      QCOMPARE(view->Cell(38)->Caption(), QStringLiteral(" 14568 "));
    }
    QCOMPARE(Blackboard(), QStringList{"READY FOR SUGGESTIONS"});
    QVERIFY(Widget<QRadioButton>("Sugge1")->isChecked());
    QVERIFY(!doIt->isEnabled());
    QVERIFY(!view->MenuAction("mApplica")->isEnabled());
  }

  // ESC in the middle of a trial starts its mode again from the beginning.
  void escRestartsTheTrialInTheWindow() {
    RunPairsTrial(56, QStringLiteral("2"));
    QVERIFY(Widget<QPushButton>("AppTenta")->isEnabled());
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QCOMPARE(Blackboard().first(), QStringLiteral("TRIAL ON CONJ.PAIRS - start -"));
    QVERIFY(Widget<QRadioButton>("Sugge6")->isChecked());
    QVERIFY(!Widget<QPushButton>("VaiTenta")->isEnabled());
    QVERIFY(!Widget<QPushButton>("AppTenta")->isEnabled());
    QCOMPARE(view->Cell(56)->Background(), QColor(Qt::white));
    // The trial texts are shown again, unmarked, at 9 points.
    QVERIFY(view->Cell(56)->Caption().contains(QStringLiteral("\r\n")));
    QVERIFY(!view->Cell(56)->Caption().contains(QLatin1Char('v')));
    QCOMPARE(form->w.caN[56].size, 9);
  }

  void closeBoxUnloadsTheWindow_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("close box") << false;
    QTest::newRow("File > Exit") << true;
  }

  void closeBoxUnloadsTheWindow() {
    QFETCH(bool, fromMenu);
    if (fromMenu) view->MenuAction("mChiudi")->trigger();
    else QVERIFY(view->close());
    QVERIFY(form->unloaded);
    QVERIFY(platform->QuitRequested());
    QVERIFY(!view->isVisible());
    // Nothing reaches the core any more.
    QTest::keyClick(view.get(), Qt::Key_5);
    QCOMPARE(form->w.caN[0].caption, std::string());
  }

  // ---- the keyboard beside the mouse ------------------------------------------

  // The board has the keyboard; Tab moves it to the buttons in the window's
  // order, where Space presses one; Esc gives it back to the board, whose
  // keys then go to the core. A click on a button leaves it with the board.
  void tabReachesTheButtonsAndSpacePressesThem() {
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QCOMPARE(QApplication::focusWidget(), view->Surface());
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Widget("Apri"));
    QVERIFY(Widget("Apri")->hasFocus());
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Widget("DatIniz"));
    QTest::keyClick(view.get(), Qt::Key_Space);
    QVERIFY(form->board.DataStarted);
    // "Initial Data" is disabled now: the keyboard moved on, and Space was no key of the board.
    QVERIFY(QApplication::focusWidget() != Widget("DatIniz"));
    QCOMPARE(form->w.caN[0].caption, std::string());
    QTest::keyClick(view.get(), Qt::Key_Backtab);
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), view->Surface());
    QTest::keyClick(view.get(), Qt::Key_5);
    QCOMPARE(form->w.caN[0].caption, std::string("5"));
    // A click on a button presses it and leaves the keyboard with the board.
    QTest::mouseClick(Widget<QPushButton>("Azzera"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), view->Surface());
    // Tab never reaches what cannot take a click: labels, the light, the cells.
    for (const char* name : {"Fatti", "Semaf", "NErr", "Peri"})
      QCOMPARE(Widget(name)->focusPolicy(), Qt::NoFocus);
    QCOMPARE(view->Cell(0)->focusPolicy(), Qt::NoFocus);
    QCOMPARE(Widget("Cons3")->focusPolicy(), Qt::TabFocus);
    QCOMPARE(Widget("ListCons")->focusPolicy(), Qt::TabFocus);
  }

  // F5..F10 act as the held buttons: the key down paints as the mouse's
  // press does, the button shows pressed, the key up clears; the key's
  // automatic repeats change nothing; the window losing the keyboard lets go.
  void heldKeysPaintWhileDown() {
    PlayClassic();
    auto* where = Widget<QPushButton>("Cons3");
    QTest::keyPress(view.get(), Qt::Key_F7);
    QCOMPARE(form->heldButton, std::string("Cons3"));
    QVERIFY(where->isDown());
    QCOMPARE(view->Cell(78)->Background(), QColor(192, 192, 255));
    QCOMPARE(Blackboard().last(), QStringLiteral("   ... write  1  in ..."));
    // The repeats of a key held down: a release and a press, both marked so.
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier, QString(), true);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(view.get(), &repeatUp);
    QApplication::sendEvent(view.get(), &repeatDown);
    QCOMPARE(form->heldButton, std::string("Cons3"));
    QCOMPARE(view->Cell(78)->Background(), QColor(192, 192, 255));
    QTest::keyRelease(view.get(), Qt::Key_F7);
    QVERIFY(form->heldButton.empty());
    QVERIFY(!where->isDown());
    QCOMPARE(view->Cell(78)->Background(), kLightYellow);
    // Held when the window loses the keyboard: let go of.
    QTest::keyPress(view.get(), Qt::Key_F5);
    QCOMPARE(form->heldButton, std::string("Cons1"));
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(view.get(), &deactivate);
    QVERIFY(form->heldButton.empty());
    QCOMPARE(form->heldKey, 0);
    // Space on the focused held button holds it too.
    where->setFocus(Qt::TabFocusReason);
    QTest::keyPress(view.get(), Qt::Key_Space);
    QCOMPARE(form->heldButton, std::string("Cons3"));
    QTest::keyRelease(view.get(), Qt::Key_Space);
    QVERIFY(form->heldButton.empty());
  }

  // The window can be resized: the scale follows the room it gives (the
  // surface centred in it), the zoom's keys step the scale and size the
  // window to it, Ctrl+0 brings back 100 %.
  void windowResizesAndTheZoomFollows() {
    const QSize at100 = view->size();
    QCOMPARE(view->Cell(0)->size(), QSize(41, 41));
    view->resize(at100.width() * 2, at100.height() * 2);
    view->FitToWindow();
    QCOMPARE(form->w.zoom, 200);
    QCOMPARE(view->Cell(0)->size(), QSize(82, 82));
    QVERIFY(!view->MenuAction("mZoom100")->isChecked());
    QVERIFY(view->MenuAction("mZoom200")->isChecked());
    // Wider than the board needs: the height sets the scale, the board is centred.
    view->resize(at100.width() * 3, at100.height() * 3 / 2);
    view->FitToWindow();
    QVERIFY(form->w.zoom > 140 && form->w.zoom < 155);
    const QRect surface = view->Surface()->geometry();
    QVERIFY(std::abs(surface.left() - (view->centralWidget()->width() - surface.right() - 1)) <= 1);
    // Smaller: everything smaller, down to a half.
    view->resize(at100.width() * 3 / 4, at100.height() * 3 / 4);
    view->FitToWindow();
    QVERIFY(form->w.zoom >= 70 && form->w.zoom <= 75);
    QVERIFY(view->Surface()->width() <= view->centralWidget()->width());
    // The zoom's keys: a step up, the window follows the scale.
    form->ZoomTo(100);
    view->Sync();
    QCOMPARE(view->size(), at100);
    QTest::keyClick(view.get(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(form->w.zoom, 110);
    QVERIFY(view->width() > at100.width());
    QTest::keyClick(view.get(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(form->w.zoom, 125);
    QVERIFY(view->MenuAction("mZoom125")->isChecked());
    QTest::keyClick(view.get(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(form->w.zoom, 110);
    QTest::keyClick(view.get(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(form->w.zoom, 100);
    QCOMPARE(view->size(), at100);
    // A minus alone is no key of the window, as it was.
    QTest::keyClick(view.get(), Qt::Key_Minus);
    QCOMPARE(form->w.zoom, 100);
  }

  // Every cell and control tells the accessibility layer what it is: the
  // names the core makes, read back through QAccessible.
  void accessibleNamesReachTheAccessibilityLayer() {
    PlayClassic();
    auto name = [](QWidget* w) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
      return a ? a->text(QAccessible::Name) : QString();
    };
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(view->Cell(0));
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("row A, column a: 5, given"));
    QCOMPARE(name(view->Cell(2)), QStringLiteral("row A, column c: empty"));
    QTest::mouseMove(view->Cell(2), view->Cell(2)->rect().center());
    QTest::mouseClick(view->Cell(2), Qt::LeftButton);
    QCOMPARE(QAccessible::queryAccessibleInterface(view->Cell(2))->text(QAccessible::Description),
             QStringLiteral("cursor"));
    QTest::keyClick(view.get(), Qt::Key_4);
    QCOMPARE(name(view->Cell(2)), QStringLiteral("row A, column c: 4, played"));
    ClickOption("Sugge1");
    QCOMPARE(name(view->Cell(3)), QStringLiteral("row A, column d: empty, candidates 2 6"));
    QAccessibleInterface* light = QAccessible::queryAccessibleInterface(Widget("Semaf"));
    QCOMPARE(light->role(), QAccessible::Indicator);
    QCOMPARE(light->text(QAccessible::Name), QStringLiteral("Light: green, GO!"));
    QCOMPARE(name(Widget("ListCons")), QStringLiteral("Blackboard: - CORRECT MOVE in Ac."));
    QCOMPARE(name(Widget("Sugge8")), QStringLiteral("Trial mode: All candidates"));
    QCOMPARE(name(Widget("Cons3")), QStringLiteral("Where ?"));
    QVERIFY(QAccessible::queryAccessibleInterface(Widget("Cons3"))->text(QAccessible::Description).contains("F7"));
    QCOMPARE(name(view->ControlWidget("ri(1)")), QStringLiteral("row B"));
  }
};

QTEST_MAIN(ViewTest)
#include "view_test.moc"
