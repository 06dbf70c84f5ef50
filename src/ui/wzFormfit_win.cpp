#include "app/ProgramEnvironment.h"
#include "app/SetupChoice.h"
#include "env/CAVODir.h"
#include "env/ProgramFile.h"
#include "host/MessageBox.h"
#include "ui/LanguageText.h"
#include "ui/SetupPages.h"
#include "ui/SummaryText.h"
#include "ui/TextNumbers.h"
#include "ui/wzFormfit.h"
#include "ui/wzpComponentChoice.h"

namespace formfit {

namespace {

const Symbol kWelcome("Welcome");
const Symbol kFolderPage("CAVOFolder");
const Symbol kComponentPage("Component");
const Symbol kModePage("Mode");
const Symbol kSummary("Summary");
const Symbol kFolder("Folder");
const Symbol kComponentName("ComponentName");
const Symbol kComponentFile("ComponentFile");
const Symbol kMode("Mode");
const Symbol kInfo("Info");
const Symbol kSummaryField("Summary");
const Symbol kAdd("Add");

// A page of the list: its name, its class, and its header texts by number
// with the texts shown when the language file has none.
struct PageRow {
  const char* name;
  const char* pageClass;
  unsigned caption;
  const char* captionDefault;
  unsigned description;
  const char* descriptionDefault;
};

constexpr PageRow kPages[] = {
    {"Welcome", "wzpInfo", text::kWelcomeCaption,
     "Willkommen im Assistenten für den VO-Window-Editor", text::kWelcomeDescription, ""},
    {"CAVOFolder", "wzpFolderChoice", text::kFolderCaption, "Verzeichnis von Visual Objects wählen",
     text::kFolderDescription,
     "Wählen Sie das Verzeichnis, in dem Visual Objects installiert ist."},
    {"Component", "wzpComponentChoice", text::kComponentCaption, "Element wählen",
     text::kComponentDescription,
     "Wählen Sie das Element, dass dem VO-Window-Editor hinzugefügt oder entfernt werden soll."},
    {"Mode", "wzpChangeMode", text::kModeCaption, "Element hinzufügen oder entfernen",
     text::kModeDescription,
     "Wählen Sie, ob das ausgewählte Element dem VO-Window-Editor hinzugefügt oder entfernt "
     "werden soll."},
    {"Summary", "wzpSummary", text::kSummaryCaption, "Zusammenfassung", text::kSummaryDescription,
     "Sie haben alle Einstellungen vorgenommen."},
};
constexpr int kFinishPage = 5;
constexpr int kPageSpaceTop = 20;

// The page classes of the setup, made by their names.
void RegisterPageClasses() {
  for (const char* pageClass :
       {"wzpInfo", "wzpFolderChoice", "wzpComponentChoice", "wzpChangeMode", "wzpSummary"}) {
    qWizard::RegisterPageClass(pageClass, [pageClass](qWizard& wizard, qComponent::PointArg) {
      return std::shared_ptr<qWizardPage>(CreateSetupPage(Symbol(pageClass), &wizard));
    });
  }
}

}  // namespace

wzFormfit& wzFormfit::Init(DialogWindow* owner, std::optional<ResourceID> placeholderId) {
  RegisterPageClasses();
  qWizard::Init(owner, placeholderId);
  SetPageSpaceTop(kPageSpaceTop);
  SetNavigatorItemCaption(Symbol("PreviousPage"), LanguageText(text::kBack, "< &Zurück"));
  SetNavigatorItemCaption(Symbol("NextPage"), LanguageText(text::kNext, "&Weiter >"));
  SetNavigatorItemCaption(Symbol("Finish"), LanguageText(text::kFinish, "&Fertigstellen"));
  SetNavigatorItemCaption(Symbol("Abort"), LanguageText(text::kAbort, "&Abbrechen"));
  for (const PageRow& row : kPages) {
    AddPage(Symbol(row.name), row.pageClass, LanguageText(row.caption, row.captionDefault),
            LanguageText(row.description, row.descriptionDefault));
  }
  SetFinishPageNo(kFinishPage);
  SetProcessPage(Symbol("Setup"), "wzpInfo",
                 LanguageText(text::kSetupCaption, "VO-Window-Editor anpassen"),
                 LanguageText(text::kSetupDescription));
  return *this;
}

Symbol wzFormfit::NameOf(const Value& page) const {
  if (page.IsSymbol()) return page.AsSymbol();
  if (page.IsNumber()) return GetPageName(static_cast<int>(page.AsNumber()));
  return Symbol("");
}

bool wzFormfit::ActivatePage(const Value& page, bool notify) {
  const Symbol name = NameOf(page);
  const bool touched = IsPageTouched(page);
  if ((name == kWelcome || name == kSummary) && !touched) {
    const unsigned info = name == kWelcome ? text::kWelcomeInfo : text::kSummaryInfo;
    if (const auto shown = GetPage(page)) shown->Set(kInfo, LanguageText(info));
  } else if (name == kFolderPage && !touched) {
    const auto shown = GetPage(page);
    if (shown && shown->Get(kFolder) == Value("")) {
      if (const std::optional<FileSpec> located = CAVODir()) {
        shown->Set(kFolder, located->Drive() + located->Path());
      }
    }
  } else if (name == kComponentPage) {
    FileSpec folder(CAVOFolder());
    folder.AppendToPath("BIN");
    if (auto* choice = dynamic_cast<wzpComponentChoice*>(GetPage(page).get())) {
      // Files may have changed since the last visit; the user's pick stays
      // while its file still offers it. On the first visit the wizard gives
      // the page the command line's component after this.
      const Value wanted = GetPageDefaultValue(kComponentPage, kComponentName);
      choice->Refill(folder, touched ? choice->ComponentName() : "",
                     touched ? choice->ComponentFile() : "",
                     touched && wanted.IsString() ? wanted.AsString() : "");
    }
  } else if (name == kModePage && !touched) {
    if (const auto shown = GetPage(page)) shown->Set(kMode, kAdd);
  }
  // The choices may have changed since the last visit.
  if (name == kSummary) {
    if (const auto shown = GetPage(page))
      shown->Set(kSummaryField, SummaryText(Choices(), LanguageText));
  }
  return qWizard::ActivatePage(page, notify);
}

SummaryChoices wzFormfit::Choices() {
  SummaryChoices choices;
  if (const std::optional<FileSpec> program = ProgramFile()) choices.program = program->FullPath();
  choices.folder = CAVOFolder();
  choices.componentName = ComponentName();
  choices.componentFile = ComponentFile();
  choices.componentText = choices.componentName;
  if (auto* page = dynamic_cast<wzpComponentChoice*>(GetPage(kComponentPage).get())) {
    choices.componentText = page->ComponentText();
  }
  choices.mode = Mode();
  return choices;
}

SetupResult wzFormfit::Setup() {
  if (const auto process = GetProcessPage()) process->Set(kInfo, LanguageText(text::kSetupInfo));
  // The process page is drawn before the work blocks the window.
  ProcessWaitingMessages();
  const SetupResult result = Change();
  if (result.status && !silent_) InfoBox(this, result.status->caption, result.status->description);
  return result;
}

SetupResult wzFormfit::Change() {
  // Ends with the action, also when it throws: the session may end after a
  // failure.
  struct Changing {
    explicit Changing(bool& flag) : flag_(flag) { flag_ = true; }
    ~Changing() { flag_ = false; }
    bool& flag_;
  } changing(changing_);
  SetupChoice choice;
  choice.folder = CAVOFolder();
  choice.componentName = ComponentName();
  choice.componentFile = ComponentFile();
  choice.mode = Mode();
  choice.silent = silent_;
  choice.previewFile = previewFile_;
  ProgramEnvironment environment;
  return RunChoice(environment, choice);
}

bool wzFormfit::CanAbort() const {
  const Window* abort = GetChild(Symbol("Abort"));
  return abort && abort->IsEnabled();
}

bool wzFormfit::ManageNavigator() {
  const bool managed = qWizard::ManageNavigator();
  FollowCancelWithCloseBox();
  return managed;
}

bool wzFormfit::EnableNavigator(bool enable) {
  const bool enabled = qWizard::EnableNavigator(enable);
  FollowCancelWithCloseBox();
  return enabled;
}

bool wzFormfit::EnableNavigatorItem(Symbol name, bool enable) {
  const bool enabled = qWizard::EnableNavigatorItem(name, enable);
  FollowCancelWithCloseBox();
  return enabled;
}

void wzFormfit::FollowCancelWithCloseBox() const {
  if (!Exists()) return;
  const HMENU menu = GetSystemMenu(GetAncestor(Handle(), GA_ROOT), FALSE);
  if (menu) EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (CanAbort() ? MF_ENABLED : MF_GRAYED));
}

std::string wzFormfit::PageString(Symbol page, Symbol name) {
  const Value value = GetPageValue(page, name);
  return value.IsString() ? value.AsString() : std::string();
}

void wzFormfit::SetPageString(Symbol page, Symbol name, const Value& value) {
  if (IsPageTouched(page)) {
    SetPageValue(page, name, value);
  } else {
    SetPageDefaultValue(page, name, value);
  }
}

std::string wzFormfit::CAVOFolder() { return ChosenFolder(PageString(kFolderPage, kFolder)); }

void wzFormfit::SetCAVOFolder(const std::string& folder) {
  SetPageString(kFolderPage, kFolder, folder);
}

std::string wzFormfit::ComponentName() { return PageString(kComponentPage, kComponentName); }

void wzFormfit::SetComponentName(const std::string& name) {
  SetPageString(kComponentPage, kComponentName, name);
}

std::string wzFormfit::ComponentFile() { return PageString(kComponentPage, kComponentFile); }

void wzFormfit::SetComponentFile(const std::string& file) {
  SetPageString(kComponentPage, kComponentFile, file);
}

Symbol wzFormfit::Mode() {
  const Value mode = GetPageValue(kModePage, kMode);
  return mode.IsSymbol() ? mode.AsSymbol() : kAdd;
}

void wzFormfit::SetMode(Symbol mode) { SetPageString(kModePage, kMode, mode); }

}  // namespace formfit
