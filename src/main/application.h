#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "keys/users_list.h"
#include "keys/users_window.h"
#include "link/dispatcher.h"
#include "main/about_box.h"
#include "main/main_window.h"
#include "main/message_dialog.h"
#include "main/progress_window.h"
#include "pages/functions_page.h"
#include "pages/maintenance_page.h"
#include "pages/parameters_page.h"
#include "pages/problems_page.h"
#include "settings/application_settings.h"
#include "settings/catalogue_table.h"
#include "settings/settings_store.h"
#include "settings/settings_views.h"

namespace vor {

// Every window and object of the program, created once in the order the program starts in,
// and living until it ends.
class VorApplication {
 public:
  struct Options {
    QString port;          // selected, and added to the list when absent
    QString settingsFile;  // the settings store; empty for the system's own
    QString folder;        // where VOR.ini, Users.lst and the help file are
    // Stand-ins for tests: the message dialog and the plain message boxes.
    ui::Messages* messages = nullptr;
    std::function<void(const QString&)> plainMessage;
  };

  explicit VorApplication(const Options& options);
  ~VorApplication();

  TForm1& MainWindow() { return *mainWindow_; }
  ui::Messages& Messages() { return *messages_; }
  TForm28& ProgressWindow() { return *progress_; }
  TForm3& AboutBox() { return *about_; }
  keys::TForm24& UsersWindow() { return *usersWindow_; }
  keys::UsersList& Users() { return users_; }
  pages::TForm20& FunctionsPage() { return *functionsPage_; }
  pages::TForm21& ProblemsPage() { return *problemsPage_; }
  pages::TForm22& ParametersPage() { return *parametersPage_; }
  pages::TForm23& MaintenancePage() { return *maintenancePage_; }
  TApplicationSettings& Settings() { return *settings_; }

 private:
  void CreatePages();
  void LoadCatalogueAndSettings(const QString& folder);
  void WirePages();

  Dispatcher dispatcher_;
  Catalogue catalogue_;
  SettingsViews views_;
  keys::UsersList users_;
  std::unique_ptr<TOKBottomDlg> messageDialog_;
  ui::Messages* messages_ = nullptr;
  std::function<void(const QString&)> plainMessage_;
  std::unique_ptr<TForm1> mainWindow_;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<TApplicationSettings> settings_;
  std::unique_ptr<TForm28> progress_;
  std::unique_ptr<pages::TForm20> functionsPage_;
  std::unique_ptr<pages::TForm21> problemsPage_;
  std::unique_ptr<pages::TForm22> parametersPage_;
  std::unique_ptr<pages::TForm23> maintenancePage_;
  std::unique_ptr<keys::TForm24> usersWindow_;
  std::unique_ptr<TForm3> about_;
};

}  // namespace vor
