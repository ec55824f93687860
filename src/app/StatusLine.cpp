#include "app/StatusLine.h"

namespace parlhora {

void StatusLine::set(const QString& text) {
  text_ = text;
  for (const auto& listener : listeners_) listener(text_);
}

void StatusLine::setUnlessError(const QString& text) {
  if (!showsError()) set(text);
}

bool StatusLine::showsError() const {
  const QString head = text_.left(3);
  return head == "Err" || head == "Feh";
}

}  // namespace parlhora
