#include "app/StatusLine.h"

namespace parlhora {

void StatusLine::set(const QString& text) {
  text_ = text;
  // A copy: a listener may remove itself or others.
  const auto listeners = listeners_;
  for (const auto& entry : listeners) entry.second(text_);
}

int StatusLine::addListener(Listener listener) {
  listeners_.emplace_back(nextId_, std::move(listener));
  return nextId_++;
}

void StatusLine::removeListener(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void StatusLine::setUnlessError(const QString& text) {
  if (!showsError()) set(text);
}

bool StatusLine::showsError() const {
  const QString head = text_.left(3);
  return head == "Err" || head == "Feh";
}

}  // namespace parlhora
