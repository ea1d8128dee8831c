#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;

/// The project files opened or saved last, newest first, kept in the user's settings and listed
/// in a menu; choosing one calls `open` with its path.
class RecentProjects : public QObject
{
  Q_OBJECT

public:
  using Open = std::function<void(const QString& path)>;

  RecentProjects(QMenu& menu, Open open, QObject* parent);

  /// Puts the file first, dropping an older entry for it and the oldest beyond the limit.
  void add(const QString& path);
  /// Drops a file, for one that can no longer be opened.
  void remove(const QString& path);
  QStringList paths() const;

  static constexpr int limit = 8;

private:
  void store(const QStringList& paths);
  void fillMenu();

  QMenu& m_menu;
  Open m_open;
};
