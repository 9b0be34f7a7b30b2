// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <chrono>

#include "platform/DiskFileSystem.h"
#include "text/CodePage.h"
#include "ui/qt/QtSettingsStore.h"

namespace ktq {
namespace {
QString ToQ(const Text& t) {
    return QString::fromStdString(Cp1252ToUtf8(t));
}
}  // namespace

QtPlatform::QtPlatform(std::unique_ptr<SettingsStore> settings, std::unique_ptr<FileSystem> files)
    : settings_(settings ? std::move(settings) : UserSettingsStore()),
      files_(files ? std::move(files) : WorkingFolderFiles()) {}

DateTime QtPlatform::Now() {
    // Local wall-clock time: the date and time fields read as if they were UTC.
    QDateTime local = QDateTime::currentDateTime();
    QDateTime wall(local.date(), local.time(), Qt::UTC);
    return DateTime{wall.toMSecsSinceEpoch()};
}

std::int64_t QtPlatform::UtcNowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

Text QtPlatform::LocalDateTimeText(DateTime t) {
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return FormatDateTime(t);
    const QDateTime wall = QDateTime::fromMSecsSinceEpoch(t.ms, Qt::UTC);
    // The long time format names the time zone; the wall clock has none.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    const QString text = locale.toString(wall.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                         locale.toString(wall.time(), timeFormat.trimmed());
    return LocalDateTimeOrIso(text.toStdString(), t);
}

std::uint64_t QtPlatform::HighResolutionCounter() {
    auto ns = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
}

void QtPlatform::ShowMessage(const Text& title, const Text& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQ(title), ToQ(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlatform::AskYesNo(const Text& title, const Text& text) {
    QMessageBox box(QMessageBox::Question, ToQ(title), ToQ(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // No is the safe reply: Return or Escape must not undo the user's work.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtPlatform::ScreenHeight() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

ScreenArea QtPlatform::AvailableArea(int x, int y) {
    QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void QtPlatform::OpenWithViewer(const Text& file) {
    // A name without a folder is relative to the working folder.
    const QString name = QString::fromStdString(FileName(file).System());
    const QString folder = QString::fromStdString(FileName(files_->Folder()).System());
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(folder).absoluteFilePath(name)));
}

std::vector<Text> QtPlatform::CommandLineParameters() {
    std::vector<Text> params;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i)
        params.push_back(Utf8ToCp1252(args[i].toStdString()));
    return params;
}

}  // namespace ktq
