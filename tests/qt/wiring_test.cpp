// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/wiring.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <new>

#include "form/app_info.h"
#include "qt/application.h"
#include "qt/event_barrier.h"
#include "qt/running_window.h"
#include "qt/to_qstring.h"
#include "qt/window_host.h"

using calc::TextBox;

namespace {

// A message box as the user met it.
struct Seen {
  QString title, text, ok;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  Qt::TextFormat format;
};

// The window as the program starts it.
struct Program {
  qtui::RunningWindow window{calc::NumberLocale{}};
  qtui::frm_main& form = window.form();

  void type(TextBox box, const QString& text) const {
    form.textBox(box)->clear();
    QTest::keyClicks(form.textBox(box), text);
  }

  // Runs the action, answering each message box it opens with OK.
  QList<Seen> answer(const std::function<void()>& action) const {
    QList<Seen> seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen.append({box->windowTitle(), box->text(), box->button(QMessageBox::Ok)->text(),
                   box->icon(), box->standardButtons(), box->textFormat()});
      box->button(QMessageBox::Ok)->click();
    });
    closer.start(5);
    action();
    return seen;
  }

  QList<Seen> click() {
    return answer([this] { form.command1()->click(); });
  }
};

const QString kRule = "\n-----------------------\n";

// The window's own host, but an allocation fails whenever an entry is read.
class OutOfMemoryHost final : public calc::Host {
 public:
  explicit OutOfMemoryHost(qtui::WindowHost& window) : window_(window) {}
  std::string text(TextBox /*box*/) const override { throw std::bad_alloc(); }
  void setText(TextBox box, const std::string& text) override { window_.setText(box, text); }
  void messageBox(const std::string& prompt, int style) override {
    window_.messageBox(prompt, style);
  }

 private:
  qtui::WindowHost& window_;
};

}  // namespace

class WiringTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qtui::setUpApplication(*qApp); }

  // Which notice a click shows is the calculation's; the window shows it as a
  // plain message box of the application, with the toolkit's own Chinese OK.
  void noticeIsAMessageBox() {
    Program program;  // Text1 empty, as the window opens
    const QList<Seen> seen = program.click();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].title, qtui::toQString(form::kAppTitle));
    QCOMPARE(seen[0].text,
             "您输入的不是数字！" + kRule + "Error: Check your input is not a number");
    QCOMPARE(seen[0].ok, QString("确定"));
    QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(seen[0].buttons, QMessageBox::Ok);
    QCOMPARE(seen[0].format, Qt::PlainText);
    QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("0"));
  }

  void typicalWageShowsTheTax() {
    Program program;
    program.type(TextBox::Text1, "6000");
    program.type(TextBox::Text2, "500");
    QVERIFY(program.click().isEmpty());
    QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("95"));
  }

  void enterPressesTheButton() {
    Program program;
    program.form.show();
    QVERIFY(QTest::qWaitForWindowActive(&program.form));
    program.type(TextBox::Text1, "6000");
    program.answer([&] { QTest::keyClick(program.form.textBox(TextBox::Text1), Qt::Key_Return); });
    QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("145"));
    program.type(TextBox::Text1, "");
    const QList<Seen> seen = program.answer(
        [&] { QTest::keyClick(program.form.textBox(TextBox::Text3), Qt::Key_Enter); });
    QCOMPARE(seen.size(), 1);
  }

  void closingEndsTheProgram() {
    Program program;
    program.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.form));
    QTimer::singleShot(0, &program.form, &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
  }

  void outOfMemoryIsANotice() {
    Program program;
    qtui::WindowHost window(program.form);
    OutOfMemoryHost failing(window);
    qtui::wireEvents(program.form, failing, {});
    program.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.form));
    // Both hosts are wired: the failing one reports, the window's own calculates.
    program.type(TextBox::Text1, "6000");
    program.type(TextBox::Text2, "500");
    const QList<Seen> seen = program.click();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, "内存不足！" + kRule + "Error: Out of memory");
    QCOMPARE(seen[0].title, qtui::toQString(form::kAppTitle));
    QVERIFY(program.form.isVisible());
    QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("95"));
  }

  void noExceptionLeavesTheEventLoop() {
    Program program;
    program.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.form));
    bool servedAfter = false;
    QTimer::singleShot(0, &program.form, [] { throw std::bad_alloc(); });
    QTimer::singleShot(0, &program.form, [&servedAfter] { servedAfter = true; });
    QTRY_VERIFY(servedAfter);
    QVERIFY(program.form.isVisible());
    program.type(TextBox::Text1, "7000");
    program.type(TextBox::Text2, "500");
    QVERIFY(program.click().isEmpty());
    QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("195"));
  }
};

// The program's own application, whose event loop is the one under test.
int main(int argc, char* argv[]) {
  qtui::EventBarrierApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);  // as QTEST_MAIN sets it
  WiringTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "wiring_test.moc"
