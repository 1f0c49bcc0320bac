// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/frm_main.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "form/app_info.h"
#include "form/controls.h"
#include "qt/to_qstring.h"

using qtui::frm_main;

class FrmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { form_ = std::make_unique<frm_main>(); }
  void cleanup() { form_.reset(); }

  void controls_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");  // one of each kind, at 96 dpi; width 0: caption's
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("caption");  // of an entry, the name a screen reader gives it

    const auto row = [](const char* name, const char* className, QRect geometry, qreal size,
                        bool bold, const QString& caption) {
      QTest::newRow(name) << QString(className) << geometry << size << bold << caption;
    };
    row("Text4", "QLineEdit", {}, 10.5, true, "您应交纳的个人所得税为");
    row("Command1", "QPushButton", {416, 16, 113, 41}, 10.5, true, "计  算");
    row("Text3", "QLineEdit", {}, 9, false, "免征额");
    row("Text2", "QLineEdit", {}, 9, false, "各项社会保险费");
    row("Text1", "QLineEdit", {72, 40, 145, 18}, 9, false, "收入金额");
    row("Combo1", "QComboBox", {72, 8, 145, 20}, 9, false, "工资、薪金所得");
    row("Label12", "QLabel", {}, 9, false, "发布日期：2011-07-03");
    row("Label11", "QLabel", {112, 152, 0, 12}, 9, false, "E-mail: " QUORVEL_CONTACT_EMAIL);
    row("Label10", "QLabel", {}, 9, false, "作者：" QUORVEL_MAKER);
    row("Label9", "QLabel", {}, 9, true,
        " 注：根据个税法规定，个人所得税免征额自2011年9月1日起由2000元提高到3500元。");
    row("Label8", "QLabel", {}, 9, false, "元");
    row("Label7", "QLabel", {}, 9, false, "元");
    row("Label6", "QLabel", {}, 9, false, "元");
    row("Label5", "QLabel", {}, 9, false, "元");
    row("Label4", "QLabel", {256, 104, 150, 12}, 9, false, "您应交纳的个人所得税为： ");
    row("Label3", "QLabel", {}, 9, false, "计算结果");
    row("Label2", "QLabel", {}, 9, false, "免\u3000\u3000征\u3000\u3000额：");
    row("Label1", "QLabel", {}, 9, false, "各项社会保险费：");
    row("lbl_2", "QLabel", {}, 9, false, "收入金额：");
    row("lbl_1", "QLabel", {}, 9, false, "收入类型：");
  }
  void controls() {
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(QString, caption);

    const auto* widget = form_->findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), className);
    QCOMPARE(widget->font().pointSizeF(), pointSize);
    QCOMPARE(widget->font().bold(), bold);
    const QString family = QFontInfo(widget->font()).family();
    QVERIFY2(std::ranges::find(form::kFamilies, family, qtui::toQString) != form::kFamilies.end(),
             qPrintable(family));
    QCOMPARE(family, QFontInfo(form_->font()).family());  // one face

    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      QCOMPARE(label->text(), caption);
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
      QCOMPARE(button->text(), caption);
      QVERIFY(button->isDefault());  // the window's one button
    } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
      QCOMPARE(combo->currentText(), caption);
      QVERIFY(combo->isEditable());
      QCOMPARE(combo->count(), 0);
    } else {
      QCOMPARE(widget->accessibleName(), caption);
    }
    if (geometry.isNull()) return;  // placed as the one of its kind
    if (geometry.width() == 0) geometry.setWidth(widget->fontMetrics().horizontalAdvance(caption));
    QCOMPARE(widget->geometry(), geometry);
  }

  void window() {
    QCOMPARE(form_->windowTitle(), qtui::toQString(form::kCaption));
    QCOMPARE(form_->minimumSize(), QSize(554, 199));
    QCOMPARE(form_->maximumSize(), QSize(554, 199));
    QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 20);
    // Text4 stands in front of the trailing space of Label4.
    const QObjectList stack = form_->children();
    QVERIFY(stack.indexOf(form_->textBox(calc::TextBox::Text4)) >
            stack.indexOf(form_->findChild<QLabel*>("Label4")));
    const QList<QSize> iconSizes = form_->windowIcon().availableSizes();
    for (const int size : {16, 24, 32, 48}) QVERIFY(iconSizes.contains(QSize(size, size)));
  }

  void typingStopsAtTheLimit_data() {
    QTest::addColumn<calc::TextBox>("box");
    QTest::addColumn<QString>("kept");
    QTest::newRow("Text1") << calc::TextBox::Text1 << "1234567890";
    QTest::newRow("Text2") << calc::TextBox::Text2 << "123456";
    QTest::newRow("Text3") << calc::TextBox::Text3 << "1234";
  }
  void typingStopsAtTheLimit() {
    QFETCH(calc::TextBox, box);
    QFETCH(QString, kept);
    QLineEdit* entry = form_->textBox(box);
    entry->clear();
    QTest::keyClicks(entry, "1234567890123");
    QCOMPARE(entry->text(), kept);

    entry->clear();
    QApplication::clipboard()->setText(QString(1 << 20, '7'));  // a megabyte pasted
    entry->paste();
    QCOMPARE(entry->text(), QString(kept.size(), '7'));
  }

  // The window opens in Text1, and Tab walks on from there.
  void focus() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QWidget* const text1 = form_->textBox(calc::TextBox::Text1);
    QCOMPARE(QApplication::focusWidget(), text1);
    QStringList chain;
    QWidget* widget = text1;
    do {
      if (widget->parentWidget() == form_.get() && (widget->focusPolicy() & Qt::TabFocus) != 0) {
        chain << widget->objectName();
      }
      widget = widget->nextInFocusChain();
    } while (widget != text1);
    QCOMPARE(chain, QStringList({"Text1", "Text2", "Text3", "Command1", "Text4", "Combo1"}));
  }

  void resultColours() {
    const QLineEdit* text4 = form_->textBox(calc::TextBox::Text4);
    QVERIFY(text4->isReadOnly());
    QCOMPARE(text4->alignment(), Qt::AlignCenter);
    QCOMPARE(form_->textBox(calc::TextBox::Text3)->alignment(), Qt::AlignCenter);
    QCOMPARE(text4->palette().color(QPalette::Base), QColor(255, 224, 192));
    QCOMPARE(text4->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(form_->textBox(calc::TextBox::Text1)->palette(), form_->palette());
  }

 private:  // NOLINT(readability-redundant-access-specifiers): ends the slots for moc
  std::unique_ptr<frm_main> form_;  // a fresh window for every test
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
