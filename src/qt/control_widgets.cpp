#include "qt/control_widgets.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

namespace {

constexpr int kTrackBarTickStep = 10;
constexpr int kLabelOverhang = 2;

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QString Qs(const std::string& text) { return QString::fromStdString(text); }

void Place(QWidget* w, const Control& c) {
  w->setObjectName(Qs(c.name));
  w->setGeometry(c.left, c.top, c.width, c.height);
  if (c.bold || c.fontPoints != w->font().pointSize()) {
    QFont font = w->font();
    font.setBold(c.bold);
    font.setPointSize(c.fontPoints);
    w->setFont(font);
  }
}

// Widens and heights a widget to its text where the control's nominal size is too small for
// the font in use, keeping the position.
void FitToText(QWidget* w) {
  const QSize hint = w->sizeHint();
  w->resize(std::max(w->width(), hint.width()), std::max(w->height(), hint.height()));
}

void Fill(QWidget* w, Rgb background) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, ToQColor(background));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

ControlWidget MakeLineEdit(Control& c, QWidget* parent) {
  auto* edit = new QLineEdit(Qs(c.text), parent);
  Place(edit, c);
  QPalette p = edit->palette();
  p.setColor(QPalette::Base, ToQColor(c.background));
  p.setColor(QPalette::Text, ToQColor(c.textColor));
  edit->setPalette(p);
  edit->setFrame(c.border);
  // Typing changes the field's text only; the logic reads it when a handler runs.
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&c](const QString& t) { c.text = t.toStdString(); });
  return {edit, [&c, edit] {
            if (edit->text() != Qs(c.text)) edit->setText(Qs(c.text));
          }};
}

ControlWidget MakeLabel(Control& c, QWidget* parent) {
  auto* label = new QLabel(Qs(c.caption), parent);
  Place(label, c);
  const int right = label->geometry().right();
  FitToText(label);  // transparent, so a wider text does not hide its neighbours
  // The advance of the text can end before the ink of its last letter ("x").
  label->setContentsMargins(0, 0, kLabelOverhang, 0);
  label->resize(label->width() + kLabelOverhang, label->height());
  if (c.alignRight) {
    // A caption before its field grows to the left, ending where the control ends.
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->move(right + 1 - label->width(), label->y());
  }
  return {label, [&c, label] { label->setText(Qs(c.caption)); }};
}

ControlWidget MakeGroupBox(Control& c, QWidget* parent) {
  auto* group = new QGroupBox(Qs(c.caption), parent);
  Place(group, c);
  Fill(group, c.background);
  return {group, [] {}};
}

ControlWidget MakeCheckBox(Control& c, QWidget* parent, const RunInWindow& run) {
  auto* box = new QCheckBox(Qs(c.caption), parent);
  Place(box, c);
  box->setChecked(c.checked);
  if (!c.caption.empty()) FitToText(box);
  QObject::connect(box, &QCheckBox::clicked, box, [&c, run](bool ticked) {
    run([&c, ticked] {
      c.checked = ticked;
      if (c.onClick) c.onClick();
    });
  });
  return {box, [&c, box] { box->setChecked(c.checked); }};
}

// The items fill the columns top to bottom, evenly spaced below the caption.
void PlaceRadioItems(QGroupBox* group, const std::vector<QRadioButton*>& buttons, int columns) {
  const int count = static_cast<int>(buttons.size());
  columns = std::max(1, columns);
  const int perColumn = std::max(1, (count + columns - 1) / columns);
  const int captionHeight = group->fontMetrics().height();
  const int free = group->height() - captionHeight - 5;
  const int rowHeight = free / perColumn;
  const int topMargin = captionHeight + 1 + (free % perColumn) / 2;
  const int columnWidth = (group->width() - 10) / columns;
  for (int i = 0; i < count; ++i) {
    // A row lower than the button's text keeps the text whole, centred on the row.
    const int height = std::max(rowHeight, buttons[i]->sizeHint().height());
    const int top = (i % perColumn) * rowHeight + topMargin - (height - rowHeight) / 2;
    buttons[i]->setGeometry((i / perColumn) * columnWidth + 8, top, columnWidth, height);
  }
}

void ShowItemIndex(QButtonGroup* items, int index) {
  QAbstractButton* selected = items->button(index);
  if (selected) {
    selected->setChecked(true);
    return;
  }
  items->setExclusive(false);
  for (QAbstractButton* b : items->buttons()) b->setChecked(false);
  items->setExclusive(true);
}

ControlWidget MakeRadioGroup(Control& c, QWidget* parent, const RunInWindow& run) {
  auto* group = new QGroupBox(Qs(c.caption), parent);
  Place(group, c);
  Fill(group, c.background);
  auto* items = new QButtonGroup(group);
  std::vector<QRadioButton*> buttons;
  for (std::size_t i = 0; i < c.items.size(); ++i) {
    auto* button = new QRadioButton(Qs(c.items[i]), group);
    button->setObjectName(Qs(c.name + "_" + std::to_string(i)));
    items->addButton(button, static_cast<int>(i));
    buttons.push_back(button);
  }
  PlaceRadioItems(group, buttons, c.columns);
  ShowItemIndex(items, c.itemIndex);
  // Selecting another item is a click of the group; a click on the selected item changes nothing.
  QObject::connect(items, &QButtonGroup::idToggled, group, [&c, run](int id, bool on) {
    if (!on) return;
    run([&c, id] {
      c.itemIndex = id;
      if (c.onClick) c.onClick();
    });
  });
  return {group, [&c, items] {
            const QSignalBlocker quiet(items);
            ShowItemIndex(items, c.itemIndex);
          }};
}

// Scroll bars and the track bar: a move by the user sets the position, which fires onChange.
template <typename Bar>
ControlWidget WireBar(Control& c, Bar* bar, const RunInWindow& run) {
  Place(bar, c);
  bar->setRange(c.minimum, c.maximum);
  bar->setValue(c.position);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  QObject::connect(bar, &Bar::valueChanged, bar, [&c, run](int p) { run([&c, p] { c.SetPosition(p); }); });
  return {bar, [&c, bar] {
            const QSignalBlocker quiet(bar);
            bar->setRange(c.minimum, c.maximum);
            bar->setValue(c.position);
          }};
}

Qt::Orientation OrientationOf(const Control& c) { return c.vertical ? Qt::Vertical : Qt::Horizontal; }

ControlWidget MakeScrollBar(Control& c, QWidget* parent, const RunInWindow& run) {
  return WireBar(c, new QScrollBar(OrientationOf(c), parent), run);
}

ControlWidget MakeTrackBar(Control& c, QWidget* parent, const RunInWindow& run) {
  auto* slider = new QSlider(OrientationOf(c), parent);
  slider->setTickPosition(QSlider::TicksBothSides);
  slider->setTickInterval(kTrackBarTickStep);
  // The minimum stands at the top, as on the colour swatches beside the bar.
  slider->setInvertedAppearance(c.vertical);
  return WireBar(c, slider, run);
}

ControlWidget MakeButton(Control& c, QWidget* parent, const RunInWindow& run) {
  auto* button = new QPushButton(Qs(c.caption), parent);
  Place(button, c);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [&c, run] {
    run([&c] {
      if (c.onClick) c.onClick();
    });
  });
  return {button, [] {}};
}

ControlWidget MakePanel(Control& c, QWidget* parent) {
  auto* panel = new QWidget(parent);
  Place(panel, c);
  Fill(panel, c.background);
  return {panel, [] {}};
}

// A rounded rectangle filled with its colour and outlined by a black pen.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(Rgb color, QWidget* parent) : QWidget(parent), color_(ToQColor(color)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(color_);
    const int radius = std::min(width(), height()) / 4;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  }

 private:
  QColor color_;
};

ControlWidget MakeShape(Control& c, QWidget* parent) {
  auto* shape = new ShapeWidget(c.background, parent);
  Place(shape, c);
  return {shape, [] {}};
}

}  // namespace

ControlWidget MakeControlWidget(Control& control, QWidget* parent, const RunInWindow& run) {
  switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::MaskEdit:
      return MakeLineEdit(control, parent);
    case ControlKind::CheckBox:
      return MakeCheckBox(control, parent, run);
    case ControlKind::RadioGroup:
      return MakeRadioGroup(control, parent, run);
    case ControlKind::ScrollBar:
      return MakeScrollBar(control, parent, run);
    case ControlKind::TrackBar:
      return MakeTrackBar(control, parent, run);
    case ControlKind::Button:
      return MakeButton(control, parent, run);
    case ControlKind::Panel:
      return MakePanel(control, parent);
    case ControlKind::Label:
      return MakeLabel(control, parent);
    case ControlKind::GroupBox:
      return MakeGroupBox(control, parent);
    case ControlKind::Shape:
      return MakeShape(control, parent);
    case ControlKind::Bevel:
      break;  // the logic draws bevels on the canvas
  }
  return {nullptr, [] {}};
}
