#pragma once

#include <QMap>
#include <QStringList>

#include "settings/profiles.h"
#include "settings/settings_views.h"

namespace vor::test {

// Stands in for the windows the settings drive and records what they were told.
class RecordingViews : public ProfileList, public ProfileForm {
 public:
  // Registers rows "Panel_P00"… "Panel_P23", "CR1"… "CR10", "BR1"… "BR13" (all shown) and the three
  // labels.
  RecordingViews();

  int CurrentIndex() const override { return current; }
  void SetItems(const QStringList& newItems) override;
  void SetCurrentIndex(int index) override { current = index; }
  void SetAutoRecognitionChecked(bool checked) override { autoChecked = checked; }
  ProfileFields Fields() const override { return fields; }
  void ShowFields(const ProfileFields& shownFields) override { fields = shownFields; }

  // Names of the rows shown, among those starting with `prefix`, in their order.
  QStringList ShownRows(const QString& prefix) const;

  SettingsViews views;
  QMap<QString, bool> shown;
  QMap<QString, QString> captions;
  QMap<QString, QString> labels;
  QStringList items;
  int current = -1;
  bool autoChecked = false;
  ProfileFields fields;

 private:
  QStringList rowOrder_;
};

}  // namespace vor::test
