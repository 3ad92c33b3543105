#include "platform/qt/QtSystemInfo.h"

#include "BuildConfig.h"
#include "platform/qt/QtText.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QThread>

#include <cstdlib>

namespace quillet::platform {

std::u16string QtSystemInfo::programFolder() const
{
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return toU16(folder);
}

int QtSystemInfo::versionMajor() const
{
    return build::versionMajor;
}

int QtSystemInfo::versionMinor() const
{
    return build::versionMinor;
}

std::u16string QtSystemInfo::today() const
{
    return toU16(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
}

void QtSystemInfo::quit()
{
    // QCoreApplication::exit() before exec() would be forgotten and exec()
    // would then run for ever.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
    else
        std::exit(0);
}

}  // namespace quillet::platform
