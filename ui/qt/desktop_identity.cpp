// The application ID and the icon rendered into the program at each of its sizes.
#include "ui/qt/desktop_identity.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QString>

#include "project_info.h"

// Outside any namespace, as the resource's initialiser must be.
static void InitialiseIcons() { Q_INIT_RESOURCE(icons); }

namespace tq {

void ShowDesktopIdentity() {
  InitialiseIcons();
  QGuiApplication::setDesktopFileName(QString::fromUtf8(ApplicationId.data(), static_cast<qsizetype>(ApplicationId.size())));
  QGuiApplication::setApplicationVersion(QString::fromUtf8(ProjectVersion.data(), static_cast<qsizetype>(ProjectVersion.size())));
  QIcon icon;
  for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) icon.addFile(file.filePath());
  QGuiApplication::setWindowIcon(icon);
}

}  // namespace tq
