#include "main/application.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "keys/users_files.h"
#include "settings/catalogue_file.h"

namespace vor {

VorApplication::VorApplication(const Options& options) {
  QCoreApplication::setApplicationName(QStringLiteral("VOR 1.0 Home"));
  // The dialog comes first: the main window may already have something to say.
  messageDialog_ = std::make_unique<TOKBottomDlg>();
  mainWindow_ = std::make_unique<TForm1>(*messageDialog_, dispatcher_);
  keys::LoadUsersAtStart(users_, options.folder, *messageDialog_);
  usersWindow_ =
      std::make_unique<keys::TForm24>(users_, *messageDialog_, options.folder, mainWindow_.get());
  progress_ = std::make_unique<TForm28>(*messageDialog_, TForm28::kTimeOutMs, mainWindow_.get());
  about_ = std::make_unique<TForm3>();
  CreateSettings(options);
  mainWindow_->AttachAboutBox(about_.get());
  mainWindow_->SetProgressCloser([this] { progress_->close(); });
  WirePages();
  if (!options.port.isEmpty()) mainWindow_->SelectPort(options.port);
}

VorApplication::~VorApplication() {
  mainWindow_->StopWorker();
}

// As the service menu does when it is created: the catalogue first, then the settings.
void VorApplication::CreateSettings(const Options& options) {
  const QString catalogueFile = options.folder + "/VOR.ini";
  if (!ReadSettingsFromIniFile(catalogueFile, catalogue_))
    QMessageBox::information(nullptr, QCoreApplication::applicationName(),
                             MissingCatalogueMessage(catalogueFile));
  store_ = options.settingsFile.isEmpty() ? OpenSettingsStore()
                                          : std::make_unique<QtSettingsStore>(options.settingsFile);
  mainWindow_->AttachSettings(nullptr, &catalogue_, views_);
  settings_ = std::make_unique<TApplicationSettings>(
      *store_, *messageDialog_, views_, [](const QString& text) {
        QMessageBox::information(nullptr, QCoreApplication::applicationName(), text);
      });
  mainWindow_->AttachSettings(settings_.get(), &catalogue_, views_);
  settings_->LoadFromRegistry();
}

void VorApplication::WirePages() {
  TForm1& main = *mainWindow_;
  main.SetPageOpener(TForm1::Page::Users,
                     [this] { usersWindow_->Open(mainWindow_.get(), mainWindow_->PageTop()); });
}

}  // namespace vor
