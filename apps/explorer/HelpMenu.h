#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QMainWindow;
class QMenuBar;

/// The Help menu: Keyboard Shortcuts, listing the shortcuts of the menus as they are, and
/// About, naming the library's version and the Qt and VTK versions it runs on.
class HelpMenu : public QObject
{
  Q_OBJECT

public:
  /// Adds the menu to the window's menu bar.
  explicit HelpMenu(QMainWindow& window);

  struct Shortcut
  {
    QString action;
    QString keys;
  };

  /// Every action of the menus that has a shortcut, as "File > Save Project", in menu order.
  static std::vector<Shortcut> shortcuts(const QMenuBar& bar);
  static QString aboutText();

  void showShortcuts();
  void showAbout();

private:
  QMainWindow& m_window;
};
