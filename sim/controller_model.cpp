#include "sim/controller_model.h"

#include "link/frame_codec.h"

namespace vor::sim {

const QByteArray ControllerModel::kAddress = QByteArray::fromHex("A5A5");

namespace {

// Plausible factory values. The operating parameters are the usual installation: 64 key
// positions, door open at most 60 s (units of 5 s), buzzer 10 s, unlock button on, relock
// after 60 s, the common events recorded.
constexpr std::pair<int, quint8> kDefaultParameters[] = {
    {1, 2},     {2, 0x05},  {3, 0x00},  {4, 0x00},  {7, 12},    {8, 10},    {9, 0xA5},  {10, 60},
    {12, 0xFF}, {13, 0x3F}, {16, 0x00}, {17, 0x64}, {18, 0x00}, {19, 0x32}, {21, 12},   {23, 0},
    {24, 0x27}, {25, 0x10}, {27, 6},    {29, 0x00}, {30, 0x12}, {31, 0x34}, {32, 0x00}, {33, 0x02},
    {34, 0x9A}, {35, 24},   {36, 3},    {37, 15},   {38, 24},   {39, 6},    {40, 1},    {41, 24},
    {42, 9},    {43, 14},   {44, 0x00}, {45, 0x1E}, {47, 0x00}, {48, 0x0A}, {55, 1},    {56, 0},
    {57, 0x50}, {58, 0x00}, {59, 0x00}, {60, 0x01}, {61, 0x02}, {62, 0x03}, {63, 0x04}};

}  // namespace

ControllerModel::ControllerModel(const Identity& identity) : identity_(identity) {
  for (const auto& [number, value] : kDefaultParameters) parameters_[number] = value;
  InstallIdentity();
  InstallParameters();
  InstallProblems();
}

void ControllerModel::InstallIdentity() {
  handlers_[0x20] = [this](const QByteArray&) {
    QByteArray payload;
    payload.append(char(identity_.model >> 8)).append(char(identity_.model & 0xFF));
    payload.append(char(identity_.version >> 8)).append(char(identity_.version & 0xFF));
    return payload;
  };
  handlers_[0x21] = [this](const QByteArray&) {
    const QDate& d = identity_.productionDate;
    QByteArray payload;
    payload.append(char(d.year() - 2000)).append(char(d.month())).append(char(d.day()));
    payload.append(char(identity_.otk));
    return payload;
  };
}

void ControllerModel::InstallParameters() {
  handlers_[0x02] = [this](const QByteArray& data) {
    const int n = data.isEmpty() ? 0 : quint8(data.at(0));
    QByteArray payload;
    payload.append(char(Parameter(n))).append(char(Parameter(n + 1)));
    return payload;
  };
  // Parameter number, value, 0x00; the reply carries nothing.
  handlers_[0xF2] = [this](const QByteArray& data) {
    if (data.size() < 2) return QByteArray();
    const int number = quint8(data.at(0));
    SetParameter(number, quint8(data.at(1)));
    ParameterWriteHook hook;
    {
      std::lock_guard lock(mutex_);
      hook = parameterWriteHook_;
    }
    if (hook) hook(number);
    return QByteArray();
  };
}

void ControllerModel::InstallProblems() {
  handlers_[0x22] = [this](const QByteArray&) {
    const quint16 word = Problems();
    QByteArray payload;
    payload.append(char(word >> 8)).append(char(word & 0xFF));
    return payload;
  };
}

QByteArray ControllerModel::Answer(const QByteArray& frame) {
  if (frame.size() < 4 || !frame.startsWith(kAddress) || !ChecksumHolds(frame)) return {};
  {
    std::lock_guard lock(mutex_);
    received_.append(frame);
  }
  if (frame == kPingFrame) return kPingAnswer;
  if (frame.size() < 5) return {};
  const quint8 command = quint8(frame.at(3));
  const QByteArray data = frame.mid(4, frame.size() - 5);
  Handler handler;
  {
    std::lock_guard lock(mutex_);
    auto it = handlers_.find(command);
    if (it != handlers_.end()) handler = it->second;
  }
  return BuildReplyFrame(kAddress, handler ? handler(data) : QByteArray());
}

void ControllerModel::SetHandler(quint8 command, Handler handler) {
  std::lock_guard lock(mutex_);
  handlers_[command] = std::move(handler);
}

quint8 ControllerModel::Parameter(int number) const {
  std::lock_guard lock(mutex_);
  return number >= 1 && number <= kParameterCount ? parameters_[number] : 0;
}

void ControllerModel::SetParameter(int number, quint8 value) {
  std::lock_guard lock(mutex_);
  if (number >= 1 && number <= kParameterCount) parameters_[number] = value;
}

void ControllerModel::SetParameterWriteHook(ParameterWriteHook hook) {
  std::lock_guard lock(mutex_);
  parameterWriteHook_ = std::move(hook);
}

quint16 ControllerModel::Problems() const {
  std::lock_guard lock(mutex_);
  return problems_;
}

void ControllerModel::SetProblems(quint16 word) {
  std::lock_guard lock(mutex_);
  problems_ = word;
}

}  // namespace vor::sim

namespace vor::sim {

QList<QByteArray> ControllerModel::ReceivedFrames() const {
  std::lock_guard lock(mutex_);
  // A list of its own: sharing would let the next append resize it under the reader.
  QList<QByteArray> copy;
  for (const QByteArray& frame : received_) copy.append(frame);
  return copy;
}

}  // namespace vor::sim
