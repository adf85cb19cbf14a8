#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

#include "qt/main_window.h"
#include "qt_app.h"

namespace {

std::string Describe(const QWidget* w) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
  return (w->objectName() + " \"" + text + "\"").toStdString();
}

// The ink of the text drawn in the box with the alignment, in the widget's coordinates.
QRect InkIn(const QWidget* w, const QString& text, const QRect& box, int alignment) {
  const QFontMetrics metrics = w->fontMetrics();
  const QRect line = metrics.boundingRect(box, alignment, text);
  return metrics.tightBoundingRect(text).translated(line.left(), line.top() + metrics.ascent());
}

QStyle::SubElement ContentsOf(const QWidget* w) {
  if (qobject_cast<const QCheckBox*>(w)) return QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton*>(w)) return QStyle::SE_RadioButtonContents;
  return QStyle::SE_PushButtonContents;
}

// The ink of the widget's caption in its own coordinates; empty when it has none.
QRect CaptionInk(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w))
    return InkIn(w, label->text(), label->contentsRect(), static_cast<int>(label->alignment()));
  const auto* button = qobject_cast<const QAbstractButton*>(w);
  if (!button || button->text().isEmpty()) return {};
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QStyle::SubElement contents = ContentsOf(w);
  const QRect room = w->style()->subElementRect(contents, &option, w);
  const int align = contents == QStyle::SE_PushButtonContents ? Qt::AlignCenter
                                                              : Qt::AlignLeft | Qt::AlignVCenter;
  return InkIn(w, button->text(), room, align);
}

// What a widget covers of its neighbours: labels and check or radio items are transparent
// but for their text (and box), everything else is opaque.
QRect Covered(const QWidget* w) {
  const QRect ink = CaptionInk(w);
  if (qobject_cast<const QLabel*>(w)) return ink.translated(w->pos());
  if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    const int boxSide = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w);
    const QRect box(0, (w->height() - boxSide) / 2, boxSide, boxSide);
    return ink.united(box).translated(w->pos());
  }
  return w->geometry();
}

// Every caption of the window (labels, check boxes, radio items, buttons) is readable in full:
// its text fits the widget, stays inside the parent and is covered by no neighbour.
TEST(QtCaptionFitTest, EveryCaptionFitsItsWidgetAtItsPlace) {
  QtApp();
  TForm1 form;
  MainWindow window(form);
  window.setAttribute(Qt::WA_DontShowOnScreen);
  window.show();
  int captions = 0;
  for (const QWidget* w : window.ClientArea()->findChildren<QWidget*>()) {
    const QRect ink = CaptionInk(w);
    if (ink.isEmpty()) continue;
    ++captions;
    EXPECT_TRUE(w->rect().contains(ink)) << Describe(w) << " needs " << ink.width() << " x "
                                         << ink.height() << " pixels, has " << w->width();
    const QRect placed = ink.translated(w->pos());
    EXPECT_TRUE(w->parentWidget()->rect().contains(placed)) << Describe(w) << " leaves its group";
    // Siblings later in the stacking order paint over the caption.
    const QObjectList& siblings = w->parentWidget()->children();
    for (qsizetype k = siblings.indexOf(w) + 1; k < siblings.size(); ++k) {
      const auto* other = qobject_cast<const QWidget*>(siblings[k]);
      if (!other || !other->isVisible()) continue;
      EXPECT_FALSE(Covered(other).intersects(placed))
          << Describe(w) << " is covered by " << Describe(other);
    }
  }
  EXPECT_GT(captions, 150);
}

}  // namespace
