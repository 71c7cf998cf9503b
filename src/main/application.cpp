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
  messages_ = options.messages ? options.messages : messageDialog_.get();
  plainMessage_ = options.plainMessage ? options.plainMessage : [](const QString& text) {
    QMessageBox::information(nullptr, QCoreApplication::applicationName(), text);
  };
  mainWindow_ = std::make_unique<TForm1>(*messages_, dispatcher_);
  keys::LoadUsersAtStart(users_, options.folder, *messages_);
  usersWindow_ =
      std::make_unique<keys::TForm24>(users_, *messages_, options.folder, mainWindow_.get());
  progress_ = std::make_unique<TForm28>(*messages_, TForm28::kTimeOutMs, mainWindow_.get());
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
    plainMessage_(MissingCatalogueMessage(catalogueFile));
  store_ = options.settingsFile.isEmpty() ? OpenSettingsStore()
                                          : std::make_unique<QtSettingsStore>(options.settingsFile);
  mainWindow_->AttachSettings(nullptr, &catalogue_, views_);
  settings_ = std::make_unique<TApplicationSettings>(*store_, *messages_, views_, plainMessage_);
  mainWindow_->AttachSettings(settings_.get(), &catalogue_, views_);
  settings_->LoadFromRegistry();
}

void VorApplication::WirePages() {
  TForm1& main = *mainWindow_;
  main.SetPageOpener(TForm1::Page::Users,
                     [this] { usersWindow_->Open(mainWindow_.get(), mainWindow_->PageTop()); });
}

}  // namespace vor
