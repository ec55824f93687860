#pragma once

#include <QList>
#include <QString>

namespace parlhora {

/// The captions a source window shows, by control name ("CheckBoxText",
/// "LabelTros", "Editdatemeteo", ...), in the order the source first set
/// them. Red marks a reading outside its limits. The window and the decode
/// command both show exactly these texts.
class Captions {
 public:
  struct Caption {
    QString name;
    QString text;
    bool red = false;
  };

  void set(const QString& name, const QString& text, bool red = false) {
    for (Caption& c : list_) {
      if (c.name == name) {
        c.text = text;
        c.red = red;
        return;
      }
    }
    list_.append({name, text, red});
  }
  void setRed(const QString& name, bool red) {
    for (Caption& c : list_)
      if (c.name == name) c.red = red;
  }
  QString text(const QString& name) const {
    for (const Caption& c : list_)
      if (c.name == name) return c.text;
    return {};
  }
  bool red(const QString& name) const {
    for (const Caption& c : list_)
      if (c.name == name) return c.red;
    return false;
  }
  const QList<Caption>& all() const { return list_; }

 private:
  QList<Caption> list_;
};

}  // namespace parlhora
