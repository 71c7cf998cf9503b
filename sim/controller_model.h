#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <array>
#include <functional>
#include <map>
#include <mutex>

namespace vor::sim {

struct Identity {
  quint16 model = 0x0201;
  quint16 version = 0x0102;
  QDate productionDate{2020, 11, 30};
  int otk = 5;
};

// What the controller holds and how it answers one request frame. No timing, no line.
// Safe to use from the serving thread and from a test or console thread at once.
class ControllerModel {
 public:
  // Takes the request's data bytes, gives the reply payload (even length).
  using Handler = std::function<QByteArray(const QByteArray& data)>;
  // Told the number of a parameter that a request has just written.
  using ParameterWriteHook = std::function<void(int number)>;
  static constexpr int kParameterCount = 63;
  // A battery-change reminder and a maintenance reminder (conditions 5 and 8).
  static constexpr quint16 kDefaultProblems = 0x0090;

  explicit ControllerModel(const Identity& identity = {});

  // The reply frame, or nothing when the frame is not for this controller or is damaged.
  QByteArray Answer(const QByteArray& frame);
  // A command without a handler gets an empty reply.
  void SetHandler(quint8 command, Handler handler);

  quint8 Parameter(int number) const;
  void SetParameter(int number, quint8 value);
  // Runs after every parameter write request (0xF2), outside the model's lock.
  void SetParameterWriteHook(ParameterWriteHook hook);
  // The problems-and-reminders condition word of command 0x22; condition k is bit k - 1.
  quint16 Problems() const;
  void SetProblems(quint16 word);
  const Identity& identity() const { return identity_; }
  // Every frame answered, in order (requests and pings).
  QList<QByteArray> ReceivedFrames() const;

  static const QByteArray kAddress;

 private:
  void InstallIdentity();
  void InstallParameters();
  void InstallProblems();

  Identity identity_;
  mutable std::recursive_mutex mutex_;
  std::array<quint8, kParameterCount + 2> parameters_{};  // 1-63; 0 and 64 read as 0
  quint16 problems_ = kDefaultProblems;
  std::map<quint8, Handler> handlers_;
  ParameterWriteHook parameterWriteHook_;
  QList<QByteArray> received_;
};

}  // namespace vor::sim
