#include "form/controls.h"

#include <stdexcept>

#include "base/number_text.h"

void Control::SetPosition(int p) {
  if (p == position) return;
  position = p;
  if (onChange) onChange();
}

long double Control::Number() const {
  if (!numberMemo.valid || numberMemo.text != text) numberMemo = {text, ReadNumber(text), true};
  return numberMemo.value;
}

Control& Controls::Add(Control control) {
  if (index_.count(control.name)) throw std::logic_error("duplicate control " + control.name);
  index_[control.name] = controls_.size();
  controls_.push_back(std::move(control));
  return controls_.back();
}

Control* Controls::Find(const std::string& name) {
  auto it = index_.find(name);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

const Control* Controls::Find(const std::string& name) const {
  auto it = index_.find(name);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

Control& Controls::operator[](const std::string& name) {
  Control* c = Find(name);
  if (!c) throw std::out_of_range("no control named " + name);
  return *c;
}

const Control& Controls::operator[](const std::string& name) const {
  const Control* c = Find(name);
  if (!c) throw std::out_of_range("no control named " + name);
  return *c;
}

ClientRect Controls::ClientBounds(const std::string& name) const {
  const Control& c = (*this)[name];
  ClientRect r{c.left, c.top, c.width, c.height};
  for (const Control* p = c.parent.empty() ? nullptr : Find(c.parent); p;
       p = p->parent.empty() ? nullptr : Find(p->parent)) {
    r.left += p->left;
    r.top += p->top;
  }
  return r;
}
