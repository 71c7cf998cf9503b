#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "fake_link.h"
#include "fake_progress.h"
#include "settings/application_settings.h"
#include "settings/settings_store.h"
#include "settings/settings_views.h"
#include "ui/message_recorder.h"

// What the pages' tests share around a page.

// A settings object of the test's own, in a file that goes with the test, reporting to the
// message recorder.
struct PageSettings {
  QTemporaryDir dir;
  vor::QtSettingsStore store{dir.filePath("settings.conf")};
  vor::ui::MessageRecorder messages;
  vor::SettingsViews views;
  vor::TApplicationSettings settings{store, messages, views, [](const QString&) {}};
};

// The same with a fake link and the progress window for the page.
struct PageOnFakeLink : PageSettings {
  vor::Dispatcher dispatcher;
  FakeLink link{dispatcher};
  FakeProgress progress;
};

// Clicks the page's button with this caption; the test fails when there is none.
inline void ClickButton(QWidget& page, const QString& caption) {
  for (auto* button : page.findChildren<QPushButton*>())
    if (button->text() == caption) return button->click();
  QFAIL(qPrintable("no button " + caption));
}

// The page's status line.
inline QString StatusLine(const QWidget& page) {
  return page.findChild<QLabel*>("StatusBar1")->text();
}

// Opens the page as the main window does and leaves its modal loop as soon as it is up; the
// read that showing starts is then under way, its requests waiting in the fake link.
template <typename Page>
void OpenAndLeave(Page& page) {
  QTimer::singleShot(0, &page, [&page] { page.reject(); });
  page.Open(&page, 0);
  QCoreApplication::sendPostedEvents();
}
