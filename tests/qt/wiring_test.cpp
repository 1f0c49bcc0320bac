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
  QString title, text, text4, ok;
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
      seen.append({box->windowTitle(), box->text(), form.textBox(TextBox::Text4)->text(),
                   box->button(QMessageBox::Ok)->text(), box->icon(), box->standardButtons(),
                   box->textFormat()});
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
  void notices_data();
  void notices();
  void typicalWageShowsTheTax();
  void zeroTaxIsShownThenCleared();
  void runtimeErrorsLeaveText4();
  void enterPressesTheButton();
  void closingEndsTheProgram();
  void outOfMemoryIsANotice();
  void noExceptionLeavesTheEventLoop();
};

void WiringTest::notices_data() {
  QTest::addColumn<QString>("income");
  QTest::addColumn<QString>("insurance");
  QTest::addColumn<QString>("exemption");
  QTest::addColumn<QString>("prompt");
  QTest::newRow("start-up entries")
      << ""
      << "0"
      << "3500"
      << "您输入的不是数字！" + kRule + "Error: Check your input is not a number";
  QTest::newRow("zero income") << "0"
                               << "0"
                               << "3500"
                               << "您没有收入计算什么个税？请输入收入。" + kRule +
                                      "Error: Pay is zero";
  QTest::newRow("insurance above income")
      << "5000"
      << "6000"
      << "3500"
      << "你的保险费用这么多啊！您被您的公司骗了！？" + kRule + "Error: Insurance Than Pay";
  QTest::newRow("exemption below 1999")
      << "5000"
      << "0"
      << "1998"
      << "免征额太小了，你输入错误吧?早就调到3500了?" + kRule + "Error: Taxation Point Less 1999";
}

void WiringTest::notices() {
  QFETCH(QString, income);
  QFETCH(QString, insurance);
  QFETCH(QString, exemption);
  QFETCH(QString, prompt);
  Program program;
  program.form.textBox(TextBox::Text1)->setText(income);
  program.form.textBox(TextBox::Text2)->setText(insurance);
  program.form.textBox(TextBox::Text3)->setText(exemption);

  const QList<Seen> seen = program.click();
  QCOMPARE(seen.size(), 1);
  QCOMPARE(seen[0].title, qtui::toQString(form::kAppTitle));
  QCOMPARE(seen[0].text, prompt);
  QCOMPARE(seen[0].ok, QString("确定"));  // the toolkit speaks Chinese too
  QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
  QCOMPARE(seen[0].buttons, QMessageBox::Ok);
  QCOMPARE(seen[0].format, Qt::PlainText);
  QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("0"));
  QCOMPARE(program.form.textBox(TextBox::Text1)->text(), income);
}

void WiringTest::typicalWageShowsTheTax() {
  Program program;
  program.type(TextBox::Text1, "6000");
  program.type(TextBox::Text2, "500");
  QVERIFY(program.click().isEmpty());
  QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("95"));
}

void WiringTest::zeroTaxIsShownThenCleared() {
  Program program;
  program.type(TextBox::Text1, "3000");
  const QList<Seen> seen = program.click();
  QCOMPARE(seen.size(), 1);
  QCOMPARE(seen[0].text, QString("不用缴纳个税，我穷人一个啊！"));
  QCOMPARE(seen[0].text4, QString("0"));
  QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString(""));
}

void WiringTest::runtimeErrorsLeaveText4() {
  Program program;
  program.type(TextBox::Text1, "6000");
  program.type(TextBox::Text2, "500");
  program.click();
  program.type(TextBox::Text3, "9e99");
  QList<Seen> seen = program.click();
  QCOMPARE(seen.size(), 1);
  QCOMPARE(seen[0].title, qtui::toQString(form::kAppTitle));
  QCOMPARE(seen[0].text, "数值溢出！" + kRule + "Error: Overflow");
  QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("95"));

  program.type(TextBox::Text3, "3500");
  program.type(TextBox::Text1, "1e307");
  seen = program.click();
  QCOMPARE(seen.size(), 1);
  QCOMPARE(seen[0].text, "浮点运算出错！" + kRule + "Error: Floating-point error");
  QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("95"));
}

void WiringTest::enterPressesTheButton() {
  Program program;
  program.form.show();
  QVERIFY(QTest::qWaitForWindowActive(&program.form));
  program.type(TextBox::Text1, "6000");
  program.answer([&] { QTest::keyClick(program.form.textBox(TextBox::Text1), Qt::Key_Return); });
  QCOMPARE(program.form.textBox(TextBox::Text4)->text(), QString("145"));
  program.type(TextBox::Text1, "");
  const QList<Seen> seen =
      program.answer([&] { QTest::keyClick(program.form.textBox(TextBox::Text3), Qt::Key_Enter); });
  QCOMPARE(seen.size(), 1);
}

void WiringTest::closingEndsTheProgram() {
  Program program;
  program.form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&program.form));
  QTimer::singleShot(0, &program.form, &QWidget::close);
  QCOMPARE(QApplication::exec(), 0);
}

void WiringTest::outOfMemoryIsANotice() {
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

void WiringTest::noExceptionLeavesTheEventLoop() {
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

// The program's own application, whose event loop is the one under test.
int main(int argc, char* argv[]) {
  qtui::EventBarrierApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);  // as QTEST_MAIN sets it
  WiringTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "wiring_test.moc"
