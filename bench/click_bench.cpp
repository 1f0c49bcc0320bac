// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The latency a user feels: from a click on 计  算 to Text4 painted with the
// tax, in the real window on whatever platform Qt is given (Xvfb or offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "calc/host.h"
#include "qt/application.h"
#include "qt/running_window.h"

namespace {

class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

void BM_ClickToTax(benchmark::State& state) {
  qtui::RunningWindow window(qtui::systemNumberLocale());
  qtui::frm_main& form = window.form();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    state.SkipWithError("the window was never exposed");
    return;
  }
  QLineEdit* text1 = form.textBox(calc::TextBox::Text1);
  QLineEdit* text4 = form.textBox(calc::TextBox::Text4);
  PaintCounter counter;
  text4->installEventFilter(&counter);
  form.textBox(calc::TextBox::Text2)->setText(QStringLiteral("500"));

  // 6000 and 6001 give 95 and 95.1, so every click changes what Text4 shows.
  bool odd = false;
  for (auto _ : state) {
    state.PauseTiming();
    text1->setText(odd ? QStringLiteral("6001") : QStringLiteral("6000"));
    odd = !odd;
    QApplication::processEvents();
    const int before = counter.paints;
    state.ResumeTiming();
    QTest::mouseClick(form.command1(), Qt::LeftButton);
    while (counter.paints == before) QApplication::processEvents();
  }
  if (text4->text() != (odd ? QStringLiteral("95") : QStringLiteral("95.1"))) {
    state.SkipWithError("Text4 did not show the tax");
  }
}
BENCHMARK(BM_ClickToTax)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qtui::setUpApplication(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
