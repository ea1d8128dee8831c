#include "apps/explorer/RecentProjects.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace
{

const QString settingsKey = QStringLiteral("recentProjects");

} // namespace

RecentProjects::RecentProjects(QMenu& menu, Open open, QObject* parent)
  : QObject(parent)
  , m_menu(menu)
  , m_open(std::move(open))
{
  fillMenu();
}

void RecentProjects::add(const QString& path)
{
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList kept = paths();
  kept.removeAll(absolute);
  kept.prepend(absolute);
  store(kept.mid(0, limit));
}

void RecentProjects::remove(const QString& path)
{
  QStringList kept = paths();
  kept.removeAll(QFileInfo(path).absoluteFilePath());
  store(kept);
}

QStringList RecentProjects::paths() const
{
  return QSettings().value(settingsKey).toStringList();
}

void RecentProjects::store(const QStringList& paths)
{
  QSettings().setValue(settingsKey, paths);
  fillMenu();
}

void RecentProjects::fillMenu()
{
  m_menu.clear();
  const QStringList recent = paths();
  for (int i = 0; i < recent.size(); ++i)
  {
    const QString& path = recent[i];
    // The number is the menu's accelerator; the folder tells files of the same name apart.
    QAction* action =
      m_menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()),
        this,
        [this, path] { m_open(path); });
    action->setToolTip(QDir::toNativeSeparators(path));
    action->setStatusTip(QDir::toNativeSeparators(path));
  }
  m_menu.menuAction()->setEnabled(!recent.isEmpty());
  if (recent.isEmpty())
    return;
  m_menu.addSeparator();
  m_menu.addAction(QStringLiteral("Clear List"), this, [this] { store({}); });
}
