#include "settings/application_settings.h"
#include "settings/key_positions.h"
#include "settings/model_recognition.h"
#include "settings/number_text.h"
#include "settings/settings_views.h"
#include "ui/message_forms.h"

namespace vor {
namespace {

const QString kDownloadHint =
    QStringLiteral("Моля истеглете си последната версия от сайта на фирма TAVO!");

// Every space doubled, as the pages show their captions.
QString Widened(QString text) {
  return text.replace(QLatin1Char(' '), QStringLiteral("  "));
}

// Cells of the column from row 1 down.
QStringList ColumnCells(const CatalogueTable& table, int column) {
  QStringList cells;
  for (int r = 1; r < table.RowCount(); ++r) cells.append(table.Cell(r, column));
  return cells;
}

// Names of the rows typed "PF" in the column headed `name` (types stand to its left).
QStringList FunctionNames(const CatalogueTable& functions, const QString& name) {
  QStringList names;
  const int column = functions.FindColumn(name);
  if (column < 1) return names;
  for (int r = 1; r < functions.RowCount(); ++r)
    if (functions.Cell(r, column - 1) == QLatin1String("PF"))
      names.append(functions.Cell(r, column));
  return names;
}

}  // namespace

void TApplicationSettings::ApplyModel(const QString& text, const CatalogueTable& models,
                                      const CatalogueTable& keysScheme,
                                      const CatalogueTable& prophylaxis,
                                      const CatalogueTable& programFunctions) {
  const ModelMatch match = FindNearestModel(models, text);
  if (!match.Found()) {
    ui::ShowProblem(messages_,
                    QStringLiteral("Няма профил с настройки за система %1 или подобен на него! "
                                   "Зареден е стандартен Профил с ограничена функционалност! ")
                            .arg(text) +
                        kDownloadHint,
                    views_.serviceMenu);
    ActivateProfile(0);
    return;
  }

  const int row = match.row;
  auto cell = [&](int column) { return models.Cell(row, column); };
  const QString model = cell(kModelCode) + QLatin1Char('-') + cell(kModelVersion);
  if (match.exact)
    ui::ShowNotice(messages_, QStringLiteral("Зареден е профил за модел %1!").arg(model),
                   views_.serviceMenu);
  else
    ui::ShowProblem(messages_,
                    QStringLiteral("Няма профил с настройки за система %1 зареден е най-близкият "
                                   "до него %2! Възможно е при работа с програмата да имате "
                                   "проблеми с някой функции и възможности! ")
                            .arg(text, model) +
                        kDownloadHint,
                    views_.serviceMenu);

  // A capacity or key size that is no number falls back to the "Default Profile" value.
  TProfiles defaults;
  defaults.SetDefaults();
  SyncName = cell(kModelSync);
  ModelText = model;
  KeyLength = NumberFromText(cell(kModelKeySize)).value_or(defaults.KeyLength);
  Timer = cell(kModelClock) == kYes;
  KeysMax = NumberFromText(cell(kModelKeysMax)).value_or(defaults.KeysMax);
  UsedKeys = -1;
  PFTableName = cell(kModelPfTable);

  PFNames = PFTableName == kNo ? QStringList() : FunctionNames(programFunctions, PFTableName);
  ProgramFunction = int(PFNames.size());

  ProblemsAndReminders = cell(kModelProblems) == kYes;
  Parameters = cell(kModelParameters) == kYes;
  Profilactic = cell(kModelProphylaxis) != kNo;
  ProphylaxisTableName = Profilactic ? cell(kModelProphylaxis) : QString();
  Memory = cell(kModelMemory) != kNo;

  QStringList captions;
  for (int n = 0; n < PFNames.size(); ++n)
    captions.append(Widened(QStringLiteral("%1. ").arg(n, 2) + PFNames[n]));
  ShowFunctionRows(captions);

  CriteriaFlags.clear();
  CounterFlags.clear();
  if (Profilactic) {
    const int column = prophylaxis.FindColumn(QLatin1Char('T') + ProphylaxisTableName);
    for (int r = 1; r < prophylaxis.RowCount(); ++r) {
      const QString label = prophylaxis.Cell(r, 0);
      const QString flag = column < 0 ? kNo : prophylaxis.Cell(r, column);
      if (label.startsWith(QLatin1Char('K')))
        CriteriaFlags.append(flag);
      else if (label.startsWith(QLatin1Char('B')))
        CounterFlags.append(flag);
    }
    ShowMaintenanceRows();
  }

  KeyPositionTexts.clear();
  if (KeysMax == 64 || KeysMax == 110) {
    KeyPositionTexts = KeyPositionTextsForCapacity(KeysMax);
  } else {
    const int scheme = keysScheme.FindColumn(cell(kModelMemory));
    if (scheme > 0) KeyPositionTexts = KeyPositionTextsFromScheme(ColumnCells(keysScheme, scheme));
  }
}

void TApplicationSettings::ShowMaintenanceRows() const {
  for (int i = 1; i <= kCriterionRows; ++i)
    views_.ShowRow(CriterionRowName(i), CriteriaFlags.value(i - 1) == kYes);
  for (int j = 1; j <= kCounterRows; ++j)
    views_.ShowRow(CounterRowName(j), CounterFlags.value(j - 1) == kYes);
}

}  // namespace vor
