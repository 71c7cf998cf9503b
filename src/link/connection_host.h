#pragma once

#include <QString>

namespace vor {

class TCommThread;

// The connection states shown in the main window's state panel.
namespace state {
inline const QString kNoLink = QStringLiteral("Няма връзка");
inline const QString kError = QStringLiteral("Грешка!");
inline const QString kClosing = QStringLiteral("Затваряне на връзката");
inline const QString kNotAnswering = QStringLiteral("Не отговаря");
inline const QString kNotInCommunication = QStringLiteral("Не е в режим на комуникация");
inline const QString kEstablished = QStringLiteral("Връзка изградена");
}  // namespace state

// The items of the main window that the worker reads and changes. Every call but
// StateText comes on the UI thread; StateText is also read from the worker thread.
class ConnectionHost {
 public:
  virtual ~ConnectionHost() = default;

  virtual QString StateText() const = 0;  // safe across threads
  virtual void SetStateText(const QString& text) = 0;
  virtual bool Connected() const = 0;
  virtual void SetConnected(bool connected) = 0;
  virtual bool PingByUser() const = 0;
  virtual void SetPingByUser(bool byUser) = 0;
  virtual void ClearIdentityFields() = 0;
  virtual void EnableConnectButton() = 0;
  // Places the two identity queries and asks for a ping, once.
  virtual void RunIdentityTimerStep() = 0;
  virtual void StartIdentityTimer() = 0;
  virtual void StopIdentityTimer() = 0;
  virtual void StartPingAnnouncementTimer() = 0;
  virtual void StopPingAnnouncementTimer() = 0;
  virtual void CloseProgressWindow() = 0;
  // An accepted reply: bring it to the page that asked, run its action, free the slot.
  virtual void Decode(TCommThread& worker) = 0;
  // The worker has closed the link and is about to end; forget it.
  virtual void WorkerClosed(TCommThread& worker) = 0;
};

}  // namespace vor
