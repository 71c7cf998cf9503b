#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <mutex>

#include "link/comm_thread.h"
#include "link/connection_host.h"
#include "link/dispatcher.h"
#include "link/link.h"
#include "link/sync_detection.h"
#include "settings/catalogue_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;

namespace vor {

class TApplicationSettings;
class SettingsViews;
class TForm3;
namespace ui {
class Messages;
}

// The main window: port, connection, the controller's identity, ping, and the tool bar
// that opens every page.
class TForm1 : public QMainWindow, public ConnectionHost, public Link, public SyncSettings {
  Q_OBJECT

 public:
  enum class Page {
    Keys,
    Clock,
    Functions,
    Problems,
    Parameters,
    Maintenance,
    Users,
    Memory,
    Service
  };

  TForm1(ui::Messages& messages, Dispatcher& dispatcher, QWidget* parent = nullptr);
  ~TForm1() override;

  // Joined after creation: the settings object does not exist while the window is made.
  void AttachSettings(TApplicationSettings* settings, const Catalogue* catalogue,
                      SettingsViews& views);
  void AttachAboutBox(TForm3* about);
  // What a tool-bar button opens once its switch allows it.
  void SetPageOpener(Page page, std::function<void()> open);
  // Selects the port, adding it to the list when it is not there.
  void SelectPort(const QString& name);
  void RefreshPorts();
  // Screen y of the tool bar's lower edge: pages open just below it.
  int PageTop() const;

  // Link
  bool Connected() const override { return connected_; }
  QString AddressText() const override { return kAddressText; }
  int Enqueue(const QByteArray& address, const QByteArray& data, PageAction action,
              quint8 command) override;
  QString ReplyText() const override;

  // ConnectionHost
  QString StateText() const override;
  void SetStateText(const QString& text) override;
  void SetConnected(bool connected) override { connected_ = connected; }
  bool PingByUser() const override { return pingByUser_; }
  void SetPingByUser(bool byUser) override { pingByUser_ = byUser; }
  void ClearIdentityFields() override;
  void EnableConnectButton() override;
  void RunIdentityTimerStep() override;
  void StartIdentityTimer() override { identityTimer_.start(); }
  void StopIdentityTimer() override { identityTimer_.stop(); }
  void StartPingAnnouncementTimer() override { pingAnnouncement_.start(); }
  void StopPingAnnouncementTimer() override { pingAnnouncement_.stop(); }
  void CloseProgressWindow() override;
  void Decode(TCommThread& worker) override { dispatcher_.Decode(worker); }
  void WorkerClosed(TCommThread& worker) override;

  // SyncSettings, over the settings object
  int SyncIndex() const override;
  void SetSyncIndex(int index) override;
  void RefreshProfileView() override;

  void SetProgressCloser(std::function<void()> close) { closeProgress_ = std::move(close); }
  TCommThread* Worker() const { return worker_; }
  // Stops a running worker and waits (serving its hand-overs) until it has let the port go.
  void StopWorker();

  static inline const QString kAddressText = QStringLiteral("A5A5");
  static inline const QString kLineSpeed = QStringLiteral("9600");

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildToolBar();
  QWidget* BuildConnectionBar();
  QWidget* BuildInformationBar();
  void RegisterIdentityCases();
  void ConnectClicked();
  void Connect();
  void PortChanged();
  void PingClicked();
  void AnnouncePing();
  void OpenPage(Page page);
  void OpenHelp();
  bool IdentityQueriesWaiting() const;

  ui::Messages& messages_;
  Dispatcher& dispatcher_;
  TApplicationSettings* settings_ = nullptr;
  const Catalogue* catalogue_ = nullptr;
  QPointer<TForm3> about_;
  QHash<Page, std::function<void()>> pageOpeners_;
  std::function<void()> closeProgress_;

  QToolBar* toolBar_ = nullptr;
  QWidget* connectionBar_ = nullptr;
  QToolButton* connectButton_ = nullptr;
  QLabel* statePanel_ = nullptr;
  QComboBox* ports_ = nullptr;
  QLabel* syncLabel_ = nullptr;
  QLabel* profileLabel_ = nullptr;
  QLineEdit* modelField_ = nullptr;
  QLineEdit* versionField_ = nullptr;
  QLineEdit* dateField_ = nullptr;
  QLineEdit* otkField_ = nullptr;

  QTimer identityTimer_;
  QTimer pingAnnouncement_;
  TCommThread* worker_ = nullptr;
  bool connected_ = false;
  bool pingByUser_ = false;
  int identitySlots_[2] = {-1, -1};
  mutable std::mutex stateMutex_;
  QString stateText_;
};

}  // namespace vor
