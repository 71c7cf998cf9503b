#include "sim/maintenance_commands.h"

#include <utility>

namespace vor::sim {
namespace {

// A lock some two years in service: criteria in their units, counters near twelve thousand
// cycles, and the dates of installation, last battery change and last service.
constexpr std::pair<int, quint8> kMaintenanceParameters[] = {
    {16, 24},   {17, 12},   {18, 24},   {19, 0x00}, {20, 0xC8}, {21, 0x01}, {22, 0x2C},
    {23, 5},    {24, 10},   {25, 0x00}, {26, 0x32}, {27, 0x00}, {28, 0x64}, {29, 0x00},
    {30, 0x30}, {31, 0x39}, {32, 0x00}, {33, 0x30}, {34, 0x2F}, {35, 0x00}, {36, 0x0A},
    {37, 0},    {38, 3},    {39, 0x00}, {40, 0x2F}, {41, 0x9B}, {42, 0x00}, {43, 0x2F},
    {44, 0x96}, {45, 0x00}, {46, 0x05}, {47, 0},    {48, 2},    {55, 23},   {56, 3},
    {57, 15},   {58, 24},   {59, 9},    {60, 2},    {61, 25},   {62, 1},    {63, 20}};

constexpr int kBatteryDate = 58;
constexpr int kServiceDate = 61;

}  // namespace

MaintenanceCommands::MaintenanceCommands(ControllerModel& model, Today today)
    : model_(model), today_(std::move(today)) {
  for (const auto& [number, value] : kMaintenanceParameters) model_.SetParameter(number, value);
  model_.SetHandler(0x23, [](const QByteArray&) {
    QByteArray payload;
    payload.append(char(kMaxCycles >> 8)).append(char(kMaxCycles & 0xFF));
    return payload;
  });
  model_.SetParameterWriteHook([this](int number) { AfterParameterWrite(number); });
}

MaintenanceCommands::~MaintenanceCommands() {
  model_.SetParameterWriteHook({});
}

void MaintenanceCommands::AfterParameterWrite(int number) {
  if (number != kCommandParameter) return;
  const quint8 value = model_.Parameter(kCommandParameter);
  const quint8 commands = value & (kClearErrors | kBatteryReplaced | kMaintenanceDone);
  if (!commands) return;
  if (commands & kClearErrors) model_.SetProblems(0);
  if (commands & kBatteryReplaced) SetDate(kBatteryDate, today_());
  if (commands & kMaintenanceDone) SetDate(kServiceDate, today_());
  model_.SetParameter(kCommandParameter, value & ~commands);
}

void MaintenanceCommands::SetDate(int first, const QDate& date) {
  model_.SetParameter(first, quint8(date.year() - 2000));
  model_.SetParameter(first + 1, quint8(date.month()));
  model_.SetParameter(first + 2, quint8(date.day()));
}

}  // namespace vor::sim
