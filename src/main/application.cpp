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
  // The settings object exists before the pages, so that they can hold it; it is loaded once
  // every page has registered its rows, so that the active profile reaches them.
  store_ = options.settingsFile.isEmpty() ? OpenSettingsStore()
                                          : std::make_unique<QtSettingsStore>(options.settingsFile);
  settings_ = std::make_unique<TApplicationSettings>(*store_, *messages_, views_, plainMessage_);
  progress_ = std::make_unique<TForm28>(*messages_, TForm28::kTimeOutMs, mainWindow_.get());
  CreatePages();
  keys::LoadUsersAtStart(users_, options.folder, *messages_);
  usersWindow_ =
      std::make_unique<keys::TForm24>(users_, *messages_, options.folder, mainWindow_.get());
  about_ = std::make_unique<TForm3>();
  LoadCatalogueAndSettings(options.folder);
  mainWindow_->AttachAboutBox(about_.get());
  mainWindow_->SetProgressCloser([this] { progress_->close(); });
  WirePages();
  if (!options.port.isEmpty()) mainWindow_->SelectPort(options.port);
}

VorApplication::~VorApplication() {
  mainWindow_->StopWorker();
}

void VorApplication::CreatePages() {
  TForm1* main = mainWindow_.get();
  functionsPage_ = std::make_unique<pages::TForm20>(*main, dispatcher_, *messages_, *progress_,
                                                    *settings_, views_, main);
  problemsPage_ =
      std::make_unique<pages::TForm21>(*main, dispatcher_, *messages_, *progress_, main);
  parametersPage_ = std::make_unique<pages::TForm22>(*main, dispatcher_, *messages_, *progress_,
                                                     *settings_, main);
  maintenancePage_ =
      std::make_unique<pages::TForm23>(*main, dispatcher_, *messages_, *progress_, views_, main);
}

// As the service menu does when it is created: the catalogue first, then the settings.
void VorApplication::LoadCatalogueAndSettings(const QString& folder) {
  const QString catalogueFile = folder + "/VOR.ini";
  if (!ReadSettingsFromIniFile(catalogueFile, catalogue_))
    plainMessage_(MissingCatalogueMessage(catalogueFile));
  mainWindow_->AttachSettings(settings_.get(), &catalogue_, views_);
  settings_->LoadFromRegistry();
}

void VorApplication::WirePages() {
  TForm1& main = *mainWindow_;
  main.SetPageOpener(TForm1::Page::Functions,
                     [this, &main] { functionsPage_->Open(&main, main.PageTop()); });
  main.SetPageOpener(TForm1::Page::Problems,
                     [this, &main] { problemsPage_->Open(&main, main.PageTop()); });
  main.SetPageOpener(TForm1::Page::Parameters,
                     [this, &main] { parametersPage_->Open(&main, main.PageTop()); });
  main.SetPageOpener(TForm1::Page::Maintenance,
                     [this, &main] { maintenancePage_->Open(&main, main.PageTop()); });
  main.SetPageOpener(TForm1::Page::Users,
                     [this, &main] { usersWindow_->Open(&main, main.PageTop()); });
}

}  // namespace vor
