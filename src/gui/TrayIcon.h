#pragma once

#include <QObject>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace parlhora {

/// The notification-area icon: tip "Pirolo" and the menu PopUpDroit
/// ("Quitter", "Restaurer" as the default item, "Réduire"). A double click
/// restores like "Restaurer". Main thread only; removed in the destructor.
class TrayIcon : public QObject {
  Q_OBJECT

 public:
  explicit TrayIcon(QObject* parent = nullptr);
  ~TrayIcon() override;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  /// AddTrayIcon: shows the icon where the desktop has a notification area.
  void add();
  /// RemoveTrayIcon.
  void remove();
  bool isShown() const;
  /// False on desktops without a notification area (and offscreen).
  static bool available();

  QSystemTrayIcon& icon() { return *icon_; }
  QMenu& menu() { return *menu_; }

 signals:
  void quitRequested();
  void restoreRequested();
  void minimiseRequested();

 private:
  std::unique_ptr<QMenu> menu_;
  std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace parlhora
